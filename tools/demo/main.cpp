// tolvane-demo: writes the demo store, a complete drive C: of a store computer, into a
// directory of this host (see demo_store.h).
#include <charconv>
#include <cstdio>
#include <exception>
#include <string>
#include <vector>

#include "cli/cli_arguments.h"
#include "demo_store.h"
#include "host/system.h"

namespace {

constexpr const char* kUsage =
    "usage: tolvane-demo DIR [--today YYYY-MM-DD] [--seed N] [--days N] [--tickets N]\n"
    "                        [--tabulo PATH] [--pagoret PATH] [--help-doc PATH]\n"
    "Writes a demo store's drive C: into DIR: sales definitions, a year of queue files ending\n"
    "today (--days of them, about --tickets tickets a day), the store master file, the work\n"
    "sheet items, and the given report printer, help program and help document.\n";

int UsageError(const std::string& message) {
    std::fprintf(stderr, "tolvane-demo: %s\n%s", message.c_str(), kUsage);
    return tolvane::kExitUsage;
}

bool ParseNumber(const std::string& text, long long low, long long high, long long* value) {
    long long parsed = 0;
    auto [end, failed] = std::from_chars(text.data(), text.data() + text.size(), parsed);
    if (failed != std::errc() || end != text.data() + text.size() || parsed < low ||
        parsed > high) {
        return false;
    }
    *value = parsed;
    return true;
}

int Run(const std::vector<std::string>& arguments) {
    using namespace tolvane;
    static constexpr OptionSpec kOptions[] = {
        {"--today", true},  {"--seed", true},    {"--days", true},     {"--tickets", true},
        {"--tabulo", true}, {"--pagoret", true}, {"--help-doc", true}, {"--help", false},
    };
    ParsedArguments parsed;
    std::string error;
    if (!ParseArguments(arguments, kOptions, &parsed, &error)) {
        return UsageError(error);
    }
    if (parsed.Has("--help")) {
        std::fputs(kUsage, stdout);
        return kExitOk;
    }
    if (parsed.positionals.size() != 1 || parsed.positionals[0].empty()) {
        return UsageError(parsed.positionals.empty() ? "DIR is missing" : "give one DIR only");
    }
    DemoOptions options;
    options.m_strDriveC = parsed.positionals[0];
    const LocalDateTime now = Now();
    options.m_today = {now.year, now.month, now.day};
    for (const auto& [name, value] : parsed.values) {
        long long number = 0;
        if (name == "--today") {
            if (!ParseIsoDate(value, &options.m_today)) {
                return UsageError("--today \"" + value + "\" is no date YYYY-MM-DD");
            }
        } else if (name == "--seed") {
            if (!ParseNumber(value, 0, 1LL << 62, &number)) {
                return UsageError("--seed needs a whole number of at least 0");
            }
            options.m_nSeed = static_cast<std::uint64_t>(number);
        } else if (name == "--days") {
            if (!ParseNumber(value, 0, 3660, &number)) {
                return UsageError("--days needs a number from 0 to 3660");
            }
            options.m_nDays = static_cast<int>(number);
        } else if (name == "--tickets") {
            if (!ParseNumber(value, 1, 5000, &number)) {
                return UsageError("--tickets needs a number from 1 to 5000");
            }
            options.m_nTickets = static_cast<int>(number);
        } else if (name == "--tabulo") {
            options.m_strTabulo = value;
        } else if (name == "--pagoret") {
            options.m_strPagoret = value;
        } else if (name == "--help-doc") {
            options.m_strHelpDocument = value;
        }
    }
    // The first queue file must still have a date of the calendar.
    if (DaysFromCivil(options.m_today) - options.m_nDays + 1 < DaysFromCivil({1, 1, 1})) {
        return UsageError("--days reaches back before the year 1");
    }
    if (!WriteDemoStore(options, &error)) {
        std::fprintf(stderr, "tolvane-demo: %s\n", error.c_str());
        return kExitFailure;
    }
    std::printf("Demo store written to %s\n", options.m_strDriveC.c_str());
    return kExitOk;
}

}  // namespace

int main(int argc, char* argv[]) {
    try {
        return Run(std::vector<std::string>(argv + (argc > 0 ? 1 : 0), argv + argc));
    } catch (const std::exception& e) {
        std::fprintf(stderr, "tolvane-demo: %s\n", e.what());
    }
    return tolvane::kExitFailure;
}
