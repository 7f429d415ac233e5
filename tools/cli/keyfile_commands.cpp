#include "keyfile_commands.h"

#include <algorithm>
#include <cstdio>
#include <vector>

#include "cli_arguments.h"
#include "keyfile/index_file.h"
#include "keyfile/key_file_error.h"
#include "keyfile/key_search.h"
#include "read_only_block_file.h"

namespace tolvane {
namespace {

// Keys longer than this do not fit the library's key area.
constexpr int kMaxKeyLength = 32;

int UsageError(const std::string& message) {
    std::fprintf(stderr, "tolvane-cli keyfile: %s\n", message.c_str());
    std::fprintf(stderr,
                 "usage: tolvane-cli keyfile walk INDEX\n"
                 "       tolvane-cli keyfile find INDEX KEY [--before] [--hex]\n");
    return kExitUsage;
}

int Failure(const std::string& message) {
    std::fprintf(stderr, "tolvane-cli keyfile: %s\n", message.c_str());
    return kExitFailure;
}

std::string DamagedIndex(const std::string& path) {
    return path + ": the index cannot be read (keyed-file error " +
           std::to_string(static_cast<int>(KeyFileError())) + ")";
}

void PrintEntry(std::span<const std::uint8_t> key, std::uint8_t status, std::uint16_t unit) {
    std::string line =
        HexBytes(std::string_view(reinterpret_cast<const char*>(key.data()), key.size()));
    line += ' ' + std::to_string(status) + ' ' + std::to_string(unit) + '\n';
    std::fwrite(line.data(), 1, line.size(), stdout);
}

// An open index whose key length the search can work with. Prints the reason and returns
// none when it cannot be opened or its header names an impossible key length.
IndexHandle OpenForReading(const std::string& path) {
    IndexHandle index = OpenIndex(OpenReadOnlyBlockFile(path));
    if (!index) {
        Failure(KeyFileError() == KFE_OPEN ? path + ": cannot open the index file"
                                           : DamagedIndex(path));
        return nullptr;
    }
    // Past 32 bytes the library compares only a part of each key; a walk would then print
    // entries that it cannot tell apart.
    if (index->m_nKeyLength < 1 || index->m_nKeyLength > kMaxKeyLength) {
        Failure(path + ": the index header gives the key length " +
                std::to_string(index->m_nKeyLength) + ", not 1 to 32");
        CloseIndex(std::move(index));
        return nullptr;
    }
    return index;
}

int Walk(const std::string& path) {
    IndexHandle index = OpenForReading(path);
    if (!index) {
        return kExitFailure;
    }
    std::vector<std::uint8_t> key(index->m_nKeyLength, 0);
    std::uint16_t unit = 0;
    std::uint8_t status = 0;
    // The smallest possible key takes the descent to the leftmost leaf. When its first entry
    // is void the search goes back, finds nothing before it and leaves the cursor in front of
    // the first entry, so the next step forward still starts the walk at the beginning.
    bool found = FindKey(*index, FIND_AT_OR_BEFORE, key, &unit, &status);
    if (!found && KeyFileError() == KFE_NONE) {
        found = FindKey(*index, FIND_NEXT, key, &unit, &status);
    }
    while (found) {
        PrintEntry(key, status, unit);
        found = FindKey(*index, FIND_NEXT, key, &unit, &status);
    }
    const KeyFileCode error = KeyFileError();
    std::fflush(stdout);
    CloseIndex(std::move(index));
    if (error != KFE_NONE) {
        SetKeyFileError(error);
        return Failure(DamagedIndex(path));
    }
    return kExitOk;
}

int Find(const std::string& path, const std::string& keyText, bool before, bool hex) {
    std::string keyBytes = keyText;
    if (hex && !ParseHexBytes(keyText, &keyBytes)) {
        return UsageError("KEY \"" + keyText + "\" is no even number of hexadecimal digits");
    }
    IndexHandle index = OpenForReading(path);
    if (!index) {
        return kExitFailure;
    }
    const std::size_t keyLength = index->m_nKeyLength;
    if (keyBytes.size() > keyLength) {
        CloseIndex(std::move(index));
        return UsageError("KEY has " + std::to_string(keyBytes.size()) +
                          " bytes; the keys of this index have " + std::to_string(keyLength));
    }
    std::vector<std::uint8_t> key(keyLength, 0);
    std::copy(keyBytes.begin(), keyBytes.end(), key.begin());
    std::uint16_t unit = 0;
    std::uint8_t status = 0;
    const bool found =
        FindKey(*index, before ? FIND_AT_OR_BEFORE : FIND_EXACT, key, &unit, &status);
    const KeyFileCode error = KeyFileError();
    CloseIndex(std::move(index));
    if (error != KFE_NONE) {
        SetKeyFileError(error);
        return Failure(DamagedIndex(path));
    }
    if (!found) {
        return kExitNotFound;
    }
    PrintEntry(key, status, unit);
    return kExitOk;
}

}  // namespace

int RunKeyfileCommand(std::span<const std::string> arguments) {
    if (arguments.empty()) {
        return UsageError("walk or find is missing");
    }
    const std::string& action = arguments[0];
    static constexpr OptionSpec kFindOptions[] = {{"--before", false}, {"--hex", false}};
    ParsedArguments parsed;
    std::string error;
    if (action == "walk") {
        if (!ParseArguments(arguments.subspan(1), {}, &parsed, &error)) {
            return UsageError("walk: " + error);
        }
        if (parsed.positionals.size() != 1) {
            return UsageError(parsed.positionals.empty() ? "walk: INDEX is missing"
                                                         : "walk takes INDEX only");
        }
        return Walk(parsed.positionals[0]);
    }
    if (action == "find") {
        if (!ParseArguments(arguments.subspan(1), kFindOptions, &parsed, &error)) {
            return UsageError("find: " + error);
        }
        if (parsed.positionals.size() != 2) {
            return UsageError(parsed.positionals.empty()       ? "find: INDEX and KEY are missing"
                              : parsed.positionals.size() == 1 ? "find: KEY is missing"
                                                               : "find takes INDEX and KEY only");
        }
        return Find(parsed.positionals[0], parsed.positionals[1], parsed.Has("--before"),
                    parsed.Has("--hex"));
    }
    return UsageError("unknown keyfile command \"" + action + "\" (walk or find)");
}

}  // namespace tolvane
