#pragma once
// tolvane-cli keyfile: the leaf entries of a keyed file's index, listed or searched, each
// printed as one line: the key's bytes in lowercase hexadecimal (two digits a byte, the
// index's key length of bytes), a blank, the status byte in decimal, a blank, the record unit
// in decimal. The index is only read; its file is left exactly as it was.
#include <span>
#include <string>

namespace tolvane {

// keyfile walk INDEX: every live leaf entry once, in ascending key order.
// keyfile find INDEX KEY [--before] [--hex]: the entry of KEY (its bytes padded with zero
// bytes to the key length; --hex reads KEY as hexadecimal), or with --before the entry at or
// before it; exit status 1 and nothing printed when there is none.
// `arguments` are those after "keyfile". Returns the exit status.
int RunKeyfileCommand(std::span<const std::string> arguments);

}  // namespace tolvane
