#pragma once
// Starting outside programs "through the shell", as the reports start the printing and help
// programs, and waiting for them.
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace tolvane {

// Splits a parameter string into arguments by the rules of the Windows C runtime:
//   - arguments are separated by blanks and tabs outside double quotes;
//   - a double quote toggles the quoted state and is not part of the argument;
//   - inside a quoted region, "" is one literal double quote (and the region goes on);
//   - 2n backslashes followed by a double quote give n backslashes, and the quote acts as above;
//   - 2n+1 backslashes followed by a double quote give n backslashes and a literal quote;
//   - backslashes not followed by a double quote are literal.
// An empty quoted argument ("") is an argument of its own.
std::vector<std::string> SplitCommandLine(std::string_view parameters);

// A started program that can be waited for (WaitForProcess). Dropping the handle does not
// stop the program; its exit status is still collected, so it leaves no zombie behind.
class Process {
  public:
    virtual ~Process() = default;
};

// Starts a program as the shell would: `file` (a Windows path or a bare name) is found as
// given, else in the working directory, else (a bare name) on PATH; `parameters` is split
// with SplitCommandLine; the program runs in the working directory `directory` (a Windows
// path; empty means the current directory). Outside Windows a name ending in ".exe" that is
// not found is also looked for without the extension ("Tabulo.exe", then "Tabulo"), each
// place in turn.
// Returns the shell's result: above 32 when the program was started, 32 or less when it
// failed (2 = file not found, 3 = path not found (the working directory), 5 = access denied
// (not executable), 8 = out of memory, 11 = not a program the system can run).
// When `process` is given and the program started, it receives a handle to wait on; without
// it the program runs on by itself and nobody needs to wait for it.
int ShellStart(std::string_view file, std::string_view parameters, std::string_view directory,
               std::unique_ptr<Process>* process = nullptr);

enum class WaitResult { kEnded, kTimedOut, kFailed };

// Waits for a started program to end, at most timeoutMs milliseconds (-1 = no limit, 0 =
// just look). On kEnded, *exitCode (when given) holds the program's exit code; a program
// ended by a signal gives 128 + the signal number. Waiting again after kEnded gives kEnded
// and the same code.
WaitResult WaitForProcess(Process& process, int timeoutMs, int* exitCode);

}  // namespace tolvane
