#include "support/program_run.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <thread>

extern char** environ;

namespace tolvane {
namespace {

std::string ReadAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::string TempFile() {
    std::string pattern = (std::filesystem::temp_directory_path() / "tolvane-run-XXXXXX").string();
    const int fd = mkstemp(pattern.data());
    if (fd < 0) {
        return {};
    }
    close(fd);
    return pattern;
}

}  // namespace

ProgramRun RunProgram(const std::string& program, const std::vector<std::string>& arguments,
                      const std::vector<EnvChange>& env, int timeoutMs,
                      const std::string& directory) {
    ProgramRun run;
    const std::string outPath = TempFile();
    const std::string errPath = TempFile();
    if (outPath.empty() || errPath.empty()) {
        return run;
    }

    // Everything the child needs is made before fork.
    std::vector<std::string> environment;
    for (char** entry = environ; *entry != nullptr; ++entry) {
        const std::string text = *entry;
        const std::string name = text.substr(0, text.find('='));
        bool changed = false;
        for (const EnvChange& change : env) {
            changed = changed || change.first == name;
        }
        if (!changed) {
            environment.push_back(text);
        }
    }
    for (const EnvChange& change : env) {
        if (change.second) {
            environment.push_back(change.first + "=" + *change.second);
        }
    }
    std::vector<char*> envp;
    for (std::string& entry : environment) {
        envp.push_back(entry.data());
    }
    envp.push_back(nullptr);
    std::vector<std::string> argStrings{program};
    argStrings.insert(argStrings.end(), arguments.begin(), arguments.end());
    std::vector<char*> argv;
    for (std::string& arg : argStrings) {
        argv.push_back(arg.data());
    }
    argv.push_back(nullptr);

    const pid_t pid = fork();
    if (pid < 0) {
        return run;
    }
    if (pid == 0) {
        const int out = open(outPath.c_str(), O_WRONLY | O_TRUNC);
        const int err = open(errPath.c_str(), O_WRONLY | O_TRUNC);
        const int in = open("/dev/null", O_RDONLY);
        if (out < 0 || err < 0 || in < 0 || dup2(out, 1) < 0 || dup2(err, 2) < 0 ||
            dup2(in, 0) < 0) {
            _exit(126);
        }
        if (!directory.empty() && chdir(directory.c_str()) != 0) {
            _exit(126);
        }
        execvpe(argv[0], argv.data(), envp.data());
        _exit(127);
    }
    run.started = true;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    int status = 0;
    while (true) {
        const pid_t done = waitpid(pid, &status, WNOHANG);
        if (done == pid) {
            break;
        }
        if (done < 0) {
            run.started = false;
            break;
        }
        if (std::chrono::steady_clock::now() > deadline) {
            kill(pid, SIGKILL);
            waitpid(pid, &status, 0);
            run.timedOut = true;
            break;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    if (!run.timedOut && WIFEXITED(status)) {
        run.exitCode = WEXITSTATUS(status);
    }
    run.out = ReadAll(outPath);
    run.err = ReadAll(errPath);
    std::filesystem::remove(outPath);
    std::filesystem::remove(errPath);
    return run;
}

bool ProgramOnPath(const std::string& name) {
    const char* path = std::getenv("PATH");
    std::string rest = path != nullptr ? path : "";
    while (true) {
        const std::size_t colon = rest.find(':');
        const std::string dir = rest.substr(0, colon);
        if (!dir.empty() && access((dir + "/" + name).c_str(), X_OK) == 0) {
            return true;
        }
        if (colon == std::string::npos) {
            return false;
        }
        rest = rest.substr(colon + 1);
    }
}

}  // namespace tolvane
