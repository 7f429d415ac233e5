// tolvane-cli: the reports of Tolvane and its keyed files from a script or a scheduled job.
// It uses the program's drive mapping (TOLVANE_DRIVE_C, TOLVANE_UNC_ROOT) and its own dialogs
// and operations, so a batch recap is byte for byte the recap of the main dialog.
//
// Exit status: 0 success, 1 not found, 2 usage error, 3 any other failure; every error is
// explained on standard error.
#include <cstdio>
#include <exception>
#include <new>
#include <span>
#include <string>
#include <vector>

#include "cli_arguments.h"
#include "framework/backend.h"
#include "keyfile_commands.h"
#include "report_commands.h"

namespace {

constexpr const char* kUsage =
    "usage: tolvane-cli recap START STOP [--server NAME] [--output FILE]\n"
    "       tolvane-cli store\n"
    "       tolvane-cli keyfile walk INDEX\n"
    "       tolvane-cli keyfile find INDEX KEY [--before] [--hex]\n"
    "       tolvane-cli worksheet --date YYYY-MM-DD [--store ID]\n"
    "Dates are YYYY-MM-DD. Paths of Tolvane (C:\\POS\\...) map onto this host as in Tolvane:\n"
    "drive C: is $TOLVANE_DRIVE_C, \\\\SERVER\\SHARE is under $TOLVANE_UNC_ROOT.\n"
    "Exit status: 0 done, 1 not found, 2 usage error, 3 failure.\n";

int Run(const std::vector<std::string>& arguments) {
    using namespace tolvane;
    if (arguments.empty()) {
        std::fprintf(stderr, "tolvane-cli: a command is missing\n%s", kUsage);
        return kExitUsage;
    }
    const std::string& command = arguments[0];
    std::span<const std::string> rest = std::span(arguments).subspan(1);
    if (command == "recap") {
        return RunRecapCommand(rest);
    }
    if (command == "store") {
        return RunStoreCommand(rest);
    }
    if (command == "keyfile") {
        return RunKeyfileCommand(rest);
    }
    if (command == "worksheet") {
        return RunWorksheetCommand(rest);
    }
    if (command == "--help" || command == "-h" || command == "help") {
        std::fputs(kUsage, stdout);
        return kExitOk;
    }
    std::fprintf(stderr, "tolvane-cli: unknown command \"%s\"\n%s", command.c_str(), kUsage);
    return kExitUsage;
}

}  // namespace

int main(int argc, char* argv[]) {
    // The core reports by its results; what is left is running out of memory, which a
    // script hears of as a failure rather than as a crash.
    try {
        if (argc > 0) {
            tolvane::SetAppNameFromPath(argv[0]);
        }
        std::vector<std::string> arguments(argv + (argc > 0 ? 1 : 0), argv + argc);
        const int status = Run(arguments);
        if (std::fflush(stdout) != 0) {
            std::fprintf(stderr, "tolvane-cli: cannot write to standard output\n");
            return tolvane::kExitFailure;
        }
        return status;
    } catch (const std::bad_alloc&) {
        std::fprintf(stderr, "tolvane-cli: out of memory\n");
    } catch (const std::exception& e) {
        std::fprintf(stderr, "tolvane-cli: %s\n", e.what());
    }
    return tolvane::kExitFailure;
}
