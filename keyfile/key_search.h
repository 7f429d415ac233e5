#pragma once
// Key search and traversal over an open index file.
//
// FindKey finds a key in the index tree and walks the leaf level in key order. The index's
// current node and position serve as the cursor: a search leaves it on the leaf entry where it
// stopped and the walking modes move it from there. Keys are compared as unsigned bytes,
// without case folding ('A' sorts before 'a'). Entries whose status byte is 0xFF are void:
// searches reject them and walks skip them.
#include <cstddef>
#include <cstdint>
#include <span>

#include "keyfile/index_file.h"

namespace tolvane {

enum FindMode : int {
    FIND_EXACT = 1,         // a live leaf entry with exactly the search key
    FIND_AT_OR_BEFORE = 2,  // the live entry with the greatest key not above the search key
                            // (the smallest key when the search key is below every key)
    FIND_NEXT = 3,          // the next live entry after the cursor
    FIND_PREVIOUS = 4,      // the previous live entry before the cursor
};

// Runs one search or walking step; returns true when an entry was found.
//
// key: FIND_EXACT and FIND_AT_OR_BEFORE compare its first bytes, as many as the index's key
// length limited to 1 to 32; a shorter key is refused with KFE_BAD_MODE. The modes that report
// an entry other than FIND_EXACT copy the entry's key into it (the key length's worth of
// bytes, or as many as it holds). recordUnit and status receive the pointer and status byte of
// the entry on which the call ends.
//
// KeyFileError is set to KFE_NONE first. A result of false with KFE_NONE means not found, or
// no further entry; KFE_BAD_MODE means a mode other than 1 to 4; KFE_IO means a node could not
// be loaded or was corrupt, the tree is deeper than 9 levels, the neighbour links run in a
// cycle, or a walking mode was asked to go on from a node that had failed to load. After
// FIND_NEXT has run off the end the cursor stays just past the last entry, so FIND_PREVIOUS
// returns the last live entry; likewise the other way round. Empty leaves reached over the
// neighbour links are passed over, and FIND_AT_OR_BEFORE that ends in an empty leaf goes on
// backwards as from a void entry. Right after OpenIndex the cursor is on the root node's first
// entry: a walk then steps through the root, a leaf only in a one-level index, so walks
// normally follow a search.
// REQUIRES: recordUnit and status are not null.
bool FindKey(IndexFile& index, int mode, std::span<std::uint8_t> key, std::uint16_t* recordUnit,
             std::uint8_t* status);

// Positions the cursor within the current node: on the entry equal to key (returns true), else
// on the last entry below key, or the first entry when key is below them all (returns false).
// pointer and status receive that entry's pointer and status byte, or 0 in a node without
// entries (position 0). Prints "\nkey size error (insert): K  k" to standard output when the
// index's key length K lies outside 1 to 32, and then compares over k, K limited to that range.
// REQUIRES: the current node is valid; key holds at least k bytes.
bool SearchNode(IndexFile& index, std::span<const std::uint8_t> key, std::uint16_t* pointer,
                std::uint8_t* status);

// The first nonzero difference a[i] - b[i] of unsigned bytes for i below n; 0 when the first
// n bytes are equal or n is 0.
// REQUIRES: a and b point at n readable bytes.
std::int16_t CompareKeys(const std::uint8_t* a, const std::uint8_t* b, std::size_t n);

}  // namespace tolvane
