#pragma once
// The program's texts are single-byte Windows-1252, as the POS writes them.
#include <QString>
#include <string_view>

namespace tolvane {

QString FromAnsi(std::string_view text);

}  // namespace tolvane
