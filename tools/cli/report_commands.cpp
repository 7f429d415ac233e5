#include "report_commands.h"

#include <cstdio>
#include <filesystem>
#include <string_view>

#include "batch_dialogs.h"
#include "cli_arguments.h"
#include "console_backend.h"
#include "host/paths.h"
#include "worksheet/sheet_table.h"

namespace tolvane {
namespace {

constexpr int kIdSalesRecap = 1002;
constexpr int kIdCalendar = 1004;

int UsageError(std::string_view command, const std::string& message, const char* usage) {
    std::fprintf(stderr, "tolvane-cli %.*s: %s\nusage: tolvane-cli %s\n",
                 static_cast<int>(command.size()), command.data(), message.c_str(), usage);
    return kExitUsage;
}

int Failure(std::string_view command, const std::string& message) {
    std::fprintf(stderr, "tolvane-cli %.*s: %s\n", static_cast<int>(command.size()), command.data(),
                 message.c_str());
    return kExitFailure;
}

void PrintLine(std::string_view text) {
    std::fwrite(text.data(), 1, text.size(), stdout);
    std::fputc('\n', stdout);
}

// A command-line word of the program: not empty and without white space, since the program
// splits its command line at white space.
bool IsOneWord(std::string_view text) {
    return !text.empty() && text.find_first_of(" \t\r\n\v\f") == std::string_view::npos;
}

// The dialogs' backend for the length of one command, with the dialog as the main window
// that owns their message boxes.
class BatchRun {
  public:
    BatchRun() { SetBackend(&m_backend); }
    ~BatchRun() {
        SetMainWindow(nullptr);
        SetBackend(nullptr);
    }
    BatchRun(const BatchRun&) = delete;
    BatchRun& operator=(const BatchRun&) = delete;

    void Open(Dialog& dialog) {
        SetMainWindow(&dialog);
        m_backend.Open(dialog);
    }

  private:
    ConsoleBackend m_backend;
};

}  // namespace

int RunRecapCommand(std::span<const std::string> arguments) {
    static constexpr const char* kUsage = "recap START STOP [--server NAME] [--output FILE]";
    static constexpr OptionSpec kOptions[] = {{"--server", true}, {"--output", true}};
    ParsedArguments parsed;
    std::string error;
    if (!ParseArguments(arguments, kOptions, &parsed, &error)) {
        return UsageError("recap", error, kUsage);
    }
    if (parsed.positionals.size() != 2) {
        return UsageError("recap",
                          parsed.positionals.empty()       ? "START and STOP are missing"
                          : parsed.positionals.size() == 1 ? "STOP is missing"
                                                           : "too many arguments",
                          kUsage);
    }
    Date start;
    Date stop;
    if (!ParseIsoDate(parsed.positionals[0], &start)) {
        return UsageError("recap", "START \"" + parsed.positionals[0] + "\" is no date YYYY-MM-DD",
                          kUsage);
    }
    if (!ParseIsoDate(parsed.positionals[1], &stop)) {
        return UsageError("recap", "STOP \"" + parsed.positionals[1] + "\" is no date YYYY-MM-DD",
                          kUsage);
    }
    std::string server;
    if (auto found = parsed.values.find("--server"); found != parsed.values.end()) {
        server = found->second;
        if (!IsOneWord(server)) {
            return UsageError("recap", "--server needs a computer name (one word)", kUsage);
        }
    }
    std::string output;
    if (auto found = parsed.values.find("--output"); found != parsed.values.end()) {
        if (found->second.empty()) {
            return UsageError("recap", "--output needs a file name", kUsage);
        }
        // The host layer keeps an absolute path of this host as it is; a relative one would be
        // taken for a Windows path relative to the program's directory on drive C:.
        std::error_code failed;
        std::filesystem::path absolute = std::filesystem::absolute(found->second, failed);
        if (failed) {
            return Failure("recap", "cannot resolve " + found->second + ": " + failed.message());
        }
        output = absolute.string();
    }

    BatchRun run;
    CBatchReportsDlg dialog(server);
    run.Open(dialog);
    // As the store manager runs it: Daily Sales Recap, then the two dates on the calendar.
    if (!Click(dialog, kIdSalesRecap) || !SelectDate(dialog, kIdCalendar, start) ||
        !SelectDate(dialog, kIdCalendar, stop)) {
        return Failure("recap", "the main dialog did not take the dates");
    }
    const std::string path = output.empty() ? dialog.RecapFilePath() : output;
    if (!dialog.WriteRecapTable(path)) {
        return Failure("recap", "cannot write the recap file " + HostPath(path));
    }
    PrintLine(HostPath(path));
    return kExitOk;
}

int RunStoreCommand(std::span<const std::string> arguments) {
    static constexpr const char* kUsage = "store";
    ParsedArguments parsed;
    std::string error;
    if (!ParseArguments(arguments, {}, &parsed, &error)) {
        return UsageError("store", error, kUsage);
    }
    if (!parsed.positionals.empty()) {
        return UsageError("store", "store takes no arguments", kUsage);
    }
    BatchRun run;
    CBatchReportsDlg dialog("");
    run.Open(dialog);
    // A record always gives a number, so an empty one means that the lookup found nothing.
    if (dialog.m_strStoreNumber.empty()) {
        std::fprintf(stderr,
                     "tolvane-cli store: the store's record is not in the store master file "
                     "C:\\Report\\POS-B (index C:\\Report\\POS-B.XXX)\n");
        return kExitNotFound;
    }
    PrintLine(dialog.m_strStoreNumber);
    PrintLine(dialog.m_strLocation1);
    PrintLine(dialog.m_strLocation2);
    PrintLine(dialog.m_strLocation3);
    PrintLine(dialog.m_strLocation4);
    return kExitOk;
}

int RunWorksheetCommand(std::span<const std::string> arguments) {
    static constexpr const char* kUsage = "worksheet --date YYYY-MM-DD [--store ID]";
    static constexpr OptionSpec kOptions[] = {{"--date", true}, {"--store", true}};
    ParsedArguments parsed;
    std::string error;
    if (!ParseArguments(arguments, kOptions, &parsed, &error)) {
        return UsageError("worksheet", error, kUsage);
    }
    if (!parsed.positionals.empty()) {
        return UsageError("worksheet", "unexpected argument \"" + parsed.positionals[0] + "\"",
                          kUsage);
    }
    auto dateValue = parsed.values.find("--date");
    if (dateValue == parsed.values.end()) {
        return UsageError("worksheet", "--date is missing", kUsage);
    }
    Date date;
    if (!ParseIsoDate(dateValue->second, &date)) {
        return UsageError("worksheet", "--date \"" + dateValue->second + "\" is no date YYYY-MM-DD",
                          kUsage);
    }
    std::string storeId;
    if (auto found = parsed.values.find("--store"); found != parsed.values.end()) {
        if (!IsOneWord(found->second)) {
            return UsageError("worksheet", "--store needs a store identifier (one word)", kUsage);
        }
        // As much of it as the program keeps of its command line's second word.
        storeId = found->second.substr(0, kMaxStoreIdLength);
    }

    BatchRun run;
    CBatchWorkSheetDlg dialog(date, storeId);
    run.Open(dialog);
    PrintLine("week " + std::to_string(dialog.m_nWeekOfYear));
    PrintLine("weekday " + std::to_string(dialog.m_nWeekdayNumber));
    PrintLine("file " + dialog.m_strSheetFile);
    PrintLine(SheetFileHeaderLine());
    for (int row = 0; row < dialog.m_lstSheet.GetItemCount(); ++row) {
        PrintLine(dialog.SheetFileLine(row));
    }
    return kExitOk;
}

}  // namespace tolvane
