#pragma once
// Runs an outside program for a test and collects what it printed.
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace tolvane {

struct ProgramRun {
    bool started = false;
    bool timedOut = false;  // the program was killed after the time limit
    int exitCode = -1;      // -1 when it did not exit normally
    std::string out;        // standard output
    std::string err;        // standard error
};

// A change to the child's environment: set to the value, or removed when there is none.
using EnvChange = std::pair<std::string, std::optional<std::string>>;

// Runs `program` (a host path, or a bare name looked up on PATH) with `arguments`, in
// `directory` when it is not empty, with the environment of this process changed by `env`.
ProgramRun RunProgram(const std::string& program, const std::vector<std::string>& arguments,
                      const std::vector<EnvChange>& env = {}, int timeoutMs = 60000,
                      const std::string& directory = {});

// True when a program of that name is found on PATH.
bool ProgramOnPath(const std::string& name);

}  // namespace tolvane
