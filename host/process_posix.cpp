#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <string>
#include <thread>

#include "host/paths.h"
#include "host/process.h"

namespace tolvane {

namespace {

// Results of the shell on failure.
constexpr int kFileNotFound = 2;
constexpr int kPathNotFound = 3;
constexpr int kAccessDenied = 5;
constexpr int kOutOfMemory = 8;
constexpr int kBadFormat = 11;
// Any value above 32 means "started"; this one is what the Windows shell usually gives.
constexpr int kStarted = 42;

class PosixProcess : public Process {
  public:
    explicit PosixProcess(pid_t pid) : m_pid(pid) {}
    ~PosixProcess() override;

    WaitResult Wait(int timeoutMs, int* exitCode);

  private:
    // Collects the exit status if the program has ended; waits for it when `block`.
    // False when waitpid failed.
    bool Reap(bool block);

    pid_t m_pid;
    bool m_bEnded = false;
    int m_nStatus = 0;
};

PosixProcess::~PosixProcess() {
    if (m_bEnded || !Reap(false) || m_bEnded) {
        return;
    }
    // The program runs on and nobody waits for it any more: a detached thread collects its
    // status when it ends, so that it does not stay behind as a zombie. Blocking here would
    // freeze the caller; a SIGCHLD handler would take over every child of the process.
    pid_t pid = m_pid;
    try {
        std::thread([pid] {
            while (waitpid(pid, nullptr, 0) < 0 && errno == EINTR) {
            }
        }).detach();
    } catch (...) {
        // Without a thread the zombie stays until this process ends; nothing else to do.
    }
}

bool PosixProcess::Reap(bool block) {
    for (;;) {
        int status = 0;
        pid_t result = waitpid(m_pid, &status, block ? 0 : WNOHANG);
        if (result == m_pid) {
            m_bEnded = true;
            m_nStatus = status;
            return true;
        }
        if (result == 0) {
            return true;
        }
        if (errno != EINTR) {
            return false;
        }
    }
}

WaitResult PosixProcess::Wait(int timeoutMs, int* exitCode) {
    if (!m_bEnded) {
        if (timeoutMs < 0) {
            if (!Reap(true)) {
                return WaitResult::kFailed;
            }
        } else {
            // waitpid has no time limit, so poll, starting fast for short programs and
            // backing off so that a long wait costs little.
            auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
            auto step = std::chrono::milliseconds(1);
            for (;;) {
                if (!Reap(false)) {
                    return WaitResult::kFailed;
                }
                if (m_bEnded) {
                    break;
                }
                auto now = std::chrono::steady_clock::now();
                if (now >= deadline) {
                    return WaitResult::kTimedOut;
                }
                auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - now);
                std::this_thread::sleep_for(std::min(step, left + std::chrono::milliseconds(1)));
                step = std::min(step * 2, std::chrono::milliseconds(20));
            }
        }
    }
    if (exitCode != nullptr) {
        // A program killed by a signal gets the shell's 128 + signal number.
        *exitCode = WIFEXITED(m_nStatus)     ? WEXITSTATUS(m_nStatus)
                    : WIFSIGNALED(m_nStatus) ? 128 + WTERMSIG(m_nStatus)
                                             : -1;
    }
    return WaitResult::kEnded;
}

bool IsSeparator(char c) {
    return c == '\\' || c == '/';
}

bool IsRegularFile(const std::string& hostPath) {
    struct stat info;
    return stat(hostPath.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

bool IsRelativeWindowsPath(std::string_view path) {
    return !path.empty() && !IsSeparator(path[0]) && !(path.size() >= 2 && path[1] == ':');
}

// "Tabulo.exe" names a program on Windows; on this host the same program may be installed
// without the extension, so that name is tried second.
std::vector<std::string> NameVariants(std::string_view file) {
    std::vector<std::string> names{std::string(file)};
    if (file.size() > 4 && EqualsNoCase(file.substr(file.size() - 4), ".exe") &&
        !IsSeparator(file[file.size() - 5])) {
        names.emplace_back(file.substr(0, file.size() - 4));
    }
    return names;
}

std::string JoinWindows(std::string_view directory, std::string_view name) {
    std::string joined(directory);
    if (!IsSeparator(joined.back())) {
        // A host directory gets a host separator; HostPath keeps such a path as it is.
        joined += joined[0] == '/' ? '/' : '\\';
    }
    joined.append(name);
    return joined;
}

// The host path of the program to start, or empty when it is found nowhere.
std::string FindProgram(std::string_view file, std::string_view directory) {
    std::vector<std::string> names = NameVariants(file);
    for (const std::string& name : names) {
        if (std::string host = HostPath(name); IsRegularFile(host)) {
            return host;
        }
    }
    if (!directory.empty() && IsRelativeWindowsPath(file)) {
        for (const std::string& name : names) {
            if (std::string host = HostPath(JoinWindows(directory, name)); IsRegularFile(host)) {
                return host;
            }
        }
    }
    if (file.find_first_of("\\/") == std::string_view::npos) {
        const char* pathVariable = std::getenv("PATH");
        std::string_view path = pathVariable != nullptr ? pathVariable : "";
        while (true) {
            std::size_t colon = path.find(':');
            std::string_view entryView = path.substr(0, colon);
            // An empty entry of PATH is the current directory.
            std::string entry(entryView.empty() ? std::string_view(".") : entryView);
            for (const std::string& name : names) {
                if (std::string host = entry + "/" + name; IsRegularFile(host)) {
                    return host;
                }
            }
            if (colon == std::string_view::npos) {
                break;
            }
            path.remove_prefix(colon + 1);
        }
    }
    return {};
}

int ResultOfErrno(int error) {
    switch (error) {
        case ENOENT:
            return kFileNotFound;
        case ENOTDIR:
            return kPathNotFound;
        case ENOEXEC:
            return kBadFormat;
        case ENOMEM:
        case E2BIG:
        case EAGAIN:
            return kOutOfMemory;
        default:
            return kAccessDenied;
    }
}

// What the child reports through the pipe when it cannot run the program.
struct ChildFailure {
    int stage;  // 0: working directory, 1: exec or fork
    int error;
};

// Runs in the forked child: only async-signal-safe calls from here on.
[[noreturn]] void ExecChild(const char* directory, const char* program, char* const argv[],
                            int reportFd) {
    sigset_t none;
    sigemptyset(&none);
    sigprocmask(SIG_SETMASK, &none, nullptr);
    signal(SIGPIPE, SIG_DFL);
    ChildFailure failure{0, 0};
    if (directory != nullptr && chdir(directory) != 0) {
        failure = {0, errno};
    } else {
        execv(program, argv);
        failure = {1, errno};
    }
    ssize_t ignored = write(reportFd, &failure, sizeof failure);
    (void)ignored;
    _exit(127);
}

}  // namespace

int ShellStart(std::string_view file, std::string_view parameters, std::string_view directory,
               std::unique_ptr<Process>* process) {
    if (process != nullptr) {
        process->reset();
    }
    std::string hostDirectory;
    if (!directory.empty()) {
        hostDirectory = HostPath(directory);
        struct stat info;
        if (stat(hostDirectory.c_str(), &info) != 0 || !S_ISDIR(info.st_mode)) {
            return kPathNotFound;
        }
    }
    if (file.empty()) {
        return kFileNotFound;
    }
    std::string program = FindProgram(file, directory);
    if (program.empty()) {
        return kFileNotFound;
    }
    if (access(program.c_str(), X_OK) != 0) {
        return kAccessDenied;
    }

    // Everything the child needs is built before fork: after it, only async-signal-safe
    // calls are allowed.
    std::vector<std::string> arguments = SplitCommandLine(parameters);
    arguments.insert(arguments.begin(), program);
    std::vector<char*> argv;
    for (std::string& argument : arguments) {
        argv.push_back(argument.data());
    }
    argv.push_back(nullptr);
    const char* childDirectory = hostDirectory.empty() ? nullptr : hostDirectory.c_str();

    // The child reports a failed chdir or exec through a pipe that closes on a successful
    // exec, so the result of the start is known before ShellStart returns.
    int report[2];
    if (pipe2(report, O_CLOEXEC) != 0) {
        return kOutOfMemory;
    }
    pid_t pid = fork();
    if (pid == 0) {
        close(report[0]);
        if (process == nullptr) {
            // Nobody will wait for this program: start it from a short-lived intermediate
            // child, so that it becomes a child of init, which collects its status.
            pid_t grandchild = fork();
            if (grandchild == 0) {
                ExecChild(childDirectory, program.c_str(), argv.data(), report[1]);
            }
            if (grandchild < 0) {
                ChildFailure failure{1, errno};
                ssize_t ignored = write(report[1], &failure, sizeof failure);
                (void)ignored;
            }
            _exit(0);
        }
        ExecChild(childDirectory, program.c_str(), argv.data(), report[1]);
    }
    close(report[1]);
    if (pid < 0) {
        close(report[0]);
        return kOutOfMemory;
    }

    ChildFailure failure{};
    ssize_t got;
    do {
        got = read(report[0], &failure, sizeof failure);
    } while (got < 0 && errno == EINTR);
    close(report[0]);

    bool started = got == 0;
    if (process == nullptr || !started) {
        // The intermediate child (or the child that failed) ends at once.
        while (waitpid(pid, nullptr, 0) < 0 && errno == EINTR) {
        }
    }
    if (!started) {
        if (got != static_cast<ssize_t>(sizeof failure)) {
            return kAccessDenied;
        }
        return failure.stage == 0 ? kPathNotFound : ResultOfErrno(failure.error);
    }
    if (process != nullptr) {
        *process = std::make_unique<PosixProcess>(pid);
    }
    return kStarted;
}

WaitResult WaitForProcess(Process& process, int timeoutMs, int* exitCode) {
    auto* posix = dynamic_cast<PosixProcess*>(&process);
    if (posix == nullptr) {
        return WaitResult::kFailed;
    }
    return posix->Wait(timeoutMs, exitCode);
}

}  // namespace tolvane
