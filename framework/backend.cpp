#include "framework/backend.h"

#include "framework/headless_backend.h"

namespace tolvane {
namespace {

HeadlessBackend& DefaultBackend() {
    static HeadlessBackend backend;
    return backend;
}

UiBackend* g_backend = nullptr;
std::string g_appName = "tolvane";
std::string g_commandLine;
Dialog* g_mainWindow = nullptr;

}  // namespace

UiBackend& CurrentBackend() {
    return g_backend != nullptr ? *g_backend : DefaultBackend();
}

void SetBackend(UiBackend* backend) {
    g_backend = backend;
}

const std::string& AppName() {
    return g_appName;
}

void SetAppNameFromPath(std::string_view executablePath) {
    std::size_t slash = executablePath.find_last_of("/\\");
    std::string_view name =
        slash == std::string_view::npos ? executablePath : executablePath.substr(slash + 1);
    std::size_t dot = name.rfind('.');
    if (dot != std::string_view::npos && dot > 0) {
        name = name.substr(0, dot);
    }
    g_appName = std::string(name);
}

Dialog* MainWindow() {
    return g_mainWindow;
}

void SetMainWindow(Dialog* dialog) {
    g_mainWindow = dialog;
}

const std::string& CommandLine() {
    return g_commandLine;
}

void SetCommandLine(std::string_view text) {
    g_commandLine = std::string(text);
}

int AfxMessageBox(std::string_view text) {
    return CurrentBackend().ShowMessageBox(MainWindow(), text, AppName(),
                                           MessageIcon::kExclamation);
}

}  // namespace tolvane
