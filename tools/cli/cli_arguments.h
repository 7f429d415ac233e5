#pragma once
// The command line of tolvane-cli: options and positional arguments, and the texts its
// arguments hold (dates, hexadecimal keys).
#include <map>
#include <set>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "host/dates.h"

namespace tolvane {

// Exit statuses of tolvane-cli.
inline constexpr int kExitOk = 0;
inline constexpr int kExitNotFound = 1;
inline constexpr int kExitUsage = 2;
inline constexpr int kExitFailure = 3;

struct OptionSpec {
    std::string_view name;  // "--output"
    bool takesValue;        // "--output FILE" or "--output=FILE"; else a flag
};

struct ParsedArguments {
    std::vector<std::string> positionals;
    std::map<std::string, std::string, std::less<>> values;  // options given with a value
    std::set<std::string, std::less<>> flags;                // flags given

    bool Has(std::string_view option) const {
        return values.contains(option) || flags.contains(option);
    }
};

// Sorts arguments into options (those of `options`) and positionals. "--" ends the options:
// every later argument is positional, so a positional may begin with '-'. Any other argument
// that begins with '-' and is longer than "-" must be one of `options`. Returns false with a
// message naming the argument on an unknown option, an option given twice, a value missing,
// or a value given to a flag.
bool ParseArguments(std::span<const std::string> arguments, std::span<const OptionSpec> options,
                    ParsedArguments* parsed, std::string* error);

// A date written YYYY-MM-DD (exactly four, two and two digits) that the calendar has.
bool ParseIsoDate(std::string_view text, Date* date);

// Bytes written as pairs of hexadecimal digits (either case). False for an odd count of
// digits or any other character.
bool ParseHexBytes(std::string_view text, std::string* bytes);

// Bytes as lowercase hexadecimal, two digits a byte.
std::string HexBytes(std::string_view bytes);

}  // namespace tolvane
