#pragma once
// The real sources behind system.h, one implementation per platform (system_posix.cpp,
// system_win32.cpp). Only system.cpp calls them; everyone else goes through system.h, which
// tests can redirect.
#include <optional>
#include <string>

#include "host/system.h"

namespace tolvane {

std::optional<std::string> RealComputerName();
std::string RealCurrentDirectory();
LocalDateTime RealNow();

}  // namespace tolvane
