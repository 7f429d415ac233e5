#include "cli_arguments.h"

#include <algorithm>

namespace tolvane {
namespace {

const OptionSpec* FindOption(std::span<const OptionSpec> options, std::string_view name) {
    auto found = std::find_if(options.begin(), options.end(),
                              [name](const OptionSpec& spec) { return spec.name == name; });
    return found == options.end() ? nullptr : &*found;
}

int HexDigit(char c) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    return -1;
}

}  // namespace

bool ParseArguments(std::span<const std::string> arguments, std::span<const OptionSpec> options,
                    ParsedArguments* parsed, std::string* error) {
    bool optionsEnded = false;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        if (optionsEnded || argument.size() < 2 || argument[0] != '-') {
            parsed->positionals.push_back(argument);
            continue;
        }
        if (argument == "--") {
            optionsEnded = true;
            continue;
        }
        std::string_view name = argument;
        std::string_view inlineValue;
        bool hasInlineValue = false;
        if (std::size_t equals = name.find('='); equals != std::string_view::npos) {
            inlineValue = name.substr(equals + 1);
            name = name.substr(0, equals);
            hasInlineValue = true;
        }
        const OptionSpec* spec = FindOption(options, name);
        if (spec == nullptr) {
            *error = "unknown option " + std::string(name);
            return false;
        }
        if (parsed->Has(name)) {
            *error = std::string(name) + " is given twice";
            return false;
        }
        if (!spec->takesValue) {
            if (hasInlineValue) {
                *error = std::string(name) + " takes no value";
                return false;
            }
            parsed->flags.emplace(name);
            continue;
        }
        if (hasInlineValue) {
            parsed->values.emplace(name, inlineValue);
        } else if (i + 1 < arguments.size()) {
            parsed->values.emplace(name, arguments[++i]);
        } else {
            *error = std::string(name) + " needs a value";
            return false;
        }
    }
    return true;
}

bool ParseIsoDate(std::string_view text, Date* date) {
    if (text.size() != 10 || text[4] != '-' || text[7] != '-') {
        return false;
    }
    auto number = [text](std::size_t begin, std::size_t end, int* value) {
        *value = 0;
        for (std::size_t i = begin; i < end; ++i) {
            if (text[i] < '0' || text[i] > '9') {
                return false;
            }
            *value = *value * 10 + (text[i] - '0');
        }
        return true;
    };
    Date parsed;
    if (!number(0, 4, &parsed.year) || !number(5, 7, &parsed.month) ||
        !number(8, 10, &parsed.day) || !IsValidDate(parsed)) {
        return false;
    }
    *date = parsed;
    return true;
}

bool ParseHexBytes(std::string_view text, std::string* bytes) {
    if (text.size() % 2 != 0) {
        return false;
    }
    std::string parsed;
    for (std::size_t i = 0; i < text.size(); i += 2) {
        int high = HexDigit(text[i]);
        int low = HexDigit(text[i + 1]);
        if (high < 0 || low < 0) {
            return false;
        }
        parsed.push_back(static_cast<char>(high * 16 + low));
    }
    *bytes = std::move(parsed);
    return true;
}

std::string HexBytes(std::string_view bytes) {
    static constexpr char kDigits[] = "0123456789abcdef";
    std::string text;
    text.reserve(bytes.size() * 2);
    for (char byte : bytes) {
        auto value = static_cast<unsigned char>(byte);
        text.push_back(kDigits[value >> 4]);
        text.push_back(kDigits[value & 0x0F]);
    }
    return text;
}

}  // namespace tolvane
