#include "ui/ansi_text.h"

#include "host/windows_1252.h"

namespace tolvane {

QString FromAnsi(std::string_view text) {
    QString result;
    result.reserve(static_cast<qsizetype>(text.size()));
    for (char c : text) {
        // Every Windows-1252 character lies in the Basic Multilingual Plane.
        result.append(
            QChar(static_cast<char16_t>(Windows1252ToUnicode(static_cast<unsigned char>(c)))));
    }
    return result;
}

}  // namespace tolvane
