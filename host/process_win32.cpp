#include <shellapi.h>
#include <windows.h>

#include <string>

#include "host/paths.h"
#include "host/process.h"

namespace tolvane {

namespace {

class Win32Process : public Process {
  public:
    explicit Win32Process(HANDLE handle) : m_handle(handle) {}
    ~Win32Process() override { CloseHandle(m_handle); }
    HANDLE handle() const { return m_handle; }

  private:
    HANDLE m_handle;
};

}  // namespace

int ShellStart(std::string_view file, std::string_view parameters, std::string_view directory,
               std::unique_ptr<Process>* process) {
    if (process != nullptr) {
        process->reset();
    }
    std::string fileText = HostPath(file);
    std::string parameterText(parameters);
    std::string directoryText = directory.empty() ? std::string() : HostPath(directory);

    SHELLEXECUTEINFOA info = {};
    info.cbSize = sizeof info;
    // Without a handle the shell closes its own; with one, the caller waits on it.
    info.fMask = SEE_MASK_FLAG_NO_UI | (process != nullptr ? SEE_MASK_NOCLOSEPROCESS : 0);
    info.hwnd = nullptr;
    info.lpVerb = nullptr;
    info.lpFile = fileText.c_str();
    info.lpParameters = parameterText.empty() ? nullptr : parameterText.c_str();
    info.lpDirectory = directoryText.empty() ? nullptr : directoryText.c_str();
    info.nShow = SW_SHOWNORMAL;
    BOOL started = ShellExecuteExA(&info);
    int result = static_cast<int>(reinterpret_cast<INT_PTR>(info.hInstApp));
    if (!started) {
        // hInstApp holds the SE_ERR_ code on failure; fall back to the last error, which
        // uses the same numbers for the common cases (2, 3, 5, 8, 11).
        if (result > 32 || result == 0) {
            DWORD error = GetLastError();
            result = error != 0 && error <= 32 ? static_cast<int>(error) : 5;
        }
        return result;
    }
    if (result <= 32) {
        result = 42;
    }
    if (process != nullptr && info.hProcess != nullptr) {
        *process = std::make_unique<Win32Process>(info.hProcess);
    }
    return result;
}

WaitResult WaitForProcess(Process& process, int timeoutMs, int* exitCode) {
    auto* win32 = dynamic_cast<Win32Process*>(&process);
    if (win32 == nullptr) {
        return WaitResult::kFailed;
    }
    DWORD wait = WaitForSingleObject(win32->handle(),
                                     timeoutMs < 0 ? INFINITE : static_cast<DWORD>(timeoutMs));
    if (wait == WAIT_TIMEOUT) {
        return WaitResult::kTimedOut;
    }
    if (wait != WAIT_OBJECT_0) {
        return WaitResult::kFailed;
    }
    DWORD code = 0;
    if (!GetExitCodeProcess(win32->handle(), &code)) {
        return WaitResult::kFailed;
    }
    if (exitCode != nullptr) {
        *exitCode = static_cast<int>(code);
    }
    return WaitResult::kEnded;
}

}  // namespace tolvane
