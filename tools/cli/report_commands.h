#pragma once
// tolvane-cli recap, store and worksheet: the program's reports without its windows. Each
// opens the program's own dialog in memory (batch_dialogs.h) and runs the same operations a
// person would start with the buttons; the dialogs' message boxes go to standard error.
#include <span>
#include <string>

namespace tolvane {

// recap START STOP [--server NAME] [--output FILE]: the sales recap of the days START to STOP
// (YYYY-MM-DD), written as Write File writes it, to FILE (a path of this host) or else to the
// recap file's own path; prints the host path written.
int RunRecapCommand(std::span<const std::string> arguments);

// store: the store number and the four location lines as the main dialog holds them after
// its start-up lookup, one a line; exit status 1 when the store's record is not found.
int RunStoreCommand(std::span<const std::string> arguments);

// worksheet --date YYYY-MM-DD [--store ID]: "week N", "weekday N", "file PATH" (the weekly
// sheet file's Windows path), then the sheet table as the weekly sheet file would hold it,
// header line first, as the work sheet would show it on that date. Creates and changes no file.
int RunWorksheetCommand(std::span<const std::string> arguments);

}  // namespace tolvane
