#include "keyfile/index_node.h"

#include "keyfile/little_endian.h"

namespace tolvane {

bool NodeIsLeaf(const Block& node) {
    return node[0] != kBranchKind;
}

std::uint16_t NodeRightLink(const Block& node) {
    return DecodeU16(&node[1]);
}

std::uint16_t NodeLeftLink(const Block& node) {
    return DecodeU16(&node[3]);
}

int NodeEntryCount(const Block& node) {
    return node[5];
}

std::size_t EntrySize(std::size_t keyLength) {
    return keyLength + 3;
}

std::size_t MaxEntriesPerNode(std::size_t keyLength) {
    return (kBlockSize - kNodeHeaderSize) / EntrySize(keyLength);
}

bool NodeEntriesFit(const Block& node, std::size_t keyLength) {
    // The count is a single byte and the key length at most 65535, so the product cannot
    // overflow a size_t.
    const std::size_t count = static_cast<std::size_t>(NodeEntryCount(node));
    return kNodeHeaderSize + count * EntrySize(keyLength) <= kBlockSize;
}

std::size_t EntryOffset(int position, std::size_t keyLength) {
    return kNodeHeaderSize + static_cast<std::size_t>(position - 1) * EntrySize(keyLength);
}

}  // namespace tolvane
