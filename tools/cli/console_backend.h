#pragma once
// The window system of tolvane-cli: there is none. The program's dialogs run in memory as in
// the tests, and every message box they show is written to standard error, its text on one
// line, so that a script sees what a person would have read.
#include "framework/headless_backend.h"

namespace tolvane {

class ConsoleBackend : public HeadlessBackend {
  public:
    int ShowMessageBox(Dialog* owner, std::string_view text, std::string_view title,
                       MessageIcon icon) override;
};

}  // namespace tolvane
