#pragma once
// Windows-1252, the single-byte character set in which the POS writes its files and in which
// the program and its outside programs show them.
#include <string>
#include <string_view>

namespace tolvane {

// The Unicode code point of a Windows-1252 byte. The five bytes that the code page leaves
// undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D) give U+FFFD.
char32_t Windows1252ToUnicode(unsigned char byte);

// Appends a code point as UTF-8. Surrogates and values above U+10FFFF give U+FFFD.
void AppendUtf8(char32_t codePoint, std::string* out);

// Windows-1252 bytes as UTF-8.
std::string DecodeWindows1252(std::string_view bytes);

// True when the bytes are well-formed UTF-8 (no overlong forms, no surrogates).
bool IsValidUtf8(std::string_view bytes);

// Text that may come either way (a command-line argument): UTF-8 when it is well-formed UTF-8,
// otherwise Windows-1252. Plain ASCII is the same both ways.
std::string DecodeArgumentText(std::string_view bytes);

}  // namespace tolvane
