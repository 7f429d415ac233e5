#include "ui/system_menu.h"

namespace tolvane {

bool InstallSystemMenu(QWidget&, const Dialog&) {
    return false;
}

bool HandleSystemMenuMessage(const QByteArray&, void*, Dialog&) {
    return false;
}

}  // namespace tolvane
