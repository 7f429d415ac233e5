#include "ui/ansi_text.h"

namespace tolvane {
namespace {

// Windows-1252 differs from Latin-1 only in 0x80-0x9F; 0 marks the five unassigned codes,
// which are shown as the Latin-1 control character of the same value.
constexpr char16_t kHighControls[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178,
};

}  // namespace

QString FromAnsi(std::string_view text) {
    QString result;
    result.reserve(static_cast<qsizetype>(text.size()));
    for (char c : text) {
        auto byte = static_cast<unsigned char>(c);
        char16_t unit = byte;
        if (byte >= 0x80 && byte <= 0x9F && kHighControls[byte - 0x80] != 0) {
            unit = kHighControls[byte - 0x80];
        }
        result.append(QChar(unit));
    }
    return result;
}

std::string ToAnsi(const QString& text) {
    std::string result;
    result.reserve(static_cast<std::size_t>(text.size()));
    for (QChar qc : text) {
        char16_t unit = qc.unicode();
        if (unit < 0x100) {
            result.push_back(static_cast<char>(unit));
            continue;
        }
        char mapped = '?';
        for (int i = 0; i < 32; ++i) {
            if (kHighControls[i] == unit) {
                mapped = static_cast<char>(0x80 + i);
                break;
            }
        }
        result.push_back(mapped);
    }
    return result;
}

}  // namespace tolvane
