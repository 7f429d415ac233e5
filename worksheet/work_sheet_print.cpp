// Printing the work sheet and showing its help: both are outside programs started through the
// shell.
#include <memory>
#include <string>

#include "framework/backend.h"
#include "host/file_system.h"
#include "host/process.h"
#include "worksheet/work_sheet_dlg.h"

namespace tolvane {

std::string SheetPrintParameters(std::string_view sheetFile, std::string_view sheetDate,
                                 std::string_view storeId) {
    // "%s %c%s   Manager's Daily Control Record%c %c%s%c%c%s             Location# %s%c" with
    // the quote character, an empty title prefix, the file twice, the date and the store. The
    // quoted file and the quoted date line follow each other with nothing between them.
    constexpr char kQuote = '"';
    std::string parameters;
    parameters.append(sheetFile);
    parameters += ' ';
    parameters += kQuote;
    parameters += "   Manager's Daily Control Record";
    parameters += kQuote;
    parameters += ' ';
    parameters += kQuote;
    parameters.append(sheetFile);
    parameters += kQuote;
    parameters += kQuote;
    parameters.append(sheetDate);
    parameters += "             Location# ";
    parameters.append(storeId);
    parameters += kQuote;
    return parameters;
}

std::string CWorkSheetDlg::BuildPrintParameters() const {
    return SheetPrintParameters(m_strSheetFile, m_strSheetDate, m_strStoreId);
}

void CWorkSheetDlg::PrintSheet() {
    CWaitCursor wait;
    std::string parameters = BuildPrintParameters();
    if (!FileExists(m_strSheetFile)) {
        return;
    }
    if (ShellStart(kSheetPrintProgram, parameters, kSheetPrintDirectory) <= 32) {
        AfxMessageBox("Error Executing Shell Execute WorkSheet ");
    }
}

void CWorkSheetDlg::ShowHelp() {
    CWaitCursor wait;
    // The program is checked for in the POS directory but started from the directory that was
    // current when the sheet opened; the two are one file when the program runs in c:\POS.
    std::string program = m_strCurrentDir + "\\Pagoret.exe";
    if (!FileExists(kHelpProgramCheck)) {
        AfxMessageBox("Pagoret not found in POS directory");
        return;
    }
    std::unique_ptr<Process> process;
    if (ShellStart(program, kHelpDocument, m_strCurrentDir, &process) <= 32 || !process) {
        AfxMessageBox("Error executing Shell Execute");
        return;
    }
    if (WaitForProgram(*process, kWaitNoLimit) == 1) {
        AfxMessageBox("Zelm32.Exe returned an error");
    }
}

int CWorkSheetDlg::WaitForProgram(Process& process, int timeoutMs) {
    int exitCode = -1;
    switch (WaitForProcess(process, timeoutMs, &exitCode)) {
        case WaitResult::kEnded:
            return exitCode;
        case WaitResult::kTimedOut:
            CurrentBackend().ShowMessageBox(
                MainWindow(), "Timeout waiting for Shell Execute program to Terminate", AppName(),
                MessageIcon::kNone);
            return -1;
        case WaitResult::kFailed:
            break;
    }
    CurrentBackend().ShowMessageBox(MainWindow(),
                                    "Error waiting for Shell Execute program to Terminate",
                                    AppName(), MessageIcon::kNone);
    return -1;
}

}  // namespace tolvane
