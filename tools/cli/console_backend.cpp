#include "console_backend.h"

#include <cstdio>

namespace tolvane {

int ConsoleBackend::ShowMessageBox(Dialog* owner, std::string_view text, std::string_view title,
                                   MessageIcon icon) {
    // The text as it is, leading blanks included: scripts may look for the program's own
    // messages word for word.
    std::fwrite(text.data(), 1, text.size(), stderr);
    std::fputc('\n', stderr);
    std::fflush(stderr);
    return HeadlessBackend::ShowMessageBox(owner, text, title, icon);
}

}  // namespace tolvane
