#include "host/process.h"

namespace tolvane {

std::vector<std::string> SplitCommandLine(std::string_view parameters) {
    std::vector<std::string> arguments;
    std::size_t i = 0;
    const std::size_t size = parameters.size();
    for (;;) {
        while (i < size && (parameters[i] == ' ' || parameters[i] == '\t')) {
            ++i;
        }
        if (i >= size) {
            break;
        }
        std::string argument;
        bool quoted = false;
        while (i < size) {
            char c = parameters[i];
            if (!quoted && (c == ' ' || c == '\t')) {
                break;
            }
            if (c == '\\') {
                std::size_t run = 0;
                while (i < size && parameters[i] == '\\') {
                    ++run;
                    ++i;
                }
                if (i < size && parameters[i] == '"') {
                    argument.append(run / 2, '\\');
                    if (run % 2 == 1) {
                        argument += '"';
                        ++i;
                    }
                    // With an even run the quote is left for the quote rule below.
                } else {
                    argument.append(run, '\\');
                }
                continue;
            }
            if (c == '"') {
                if (quoted && i + 1 < size && parameters[i + 1] == '"') {
                    // The runtime since 2008: "" inside quotes is a quote, and the quoted
                    // region goes on.
                    argument += '"';
                    i += 2;
                } else {
                    quoted = !quoted;
                    ++i;
                }
                continue;
            }
            argument += c;
            ++i;
        }
        arguments.push_back(std::move(argument));
    }
    return arguments;
}

}  // namespace tolvane
