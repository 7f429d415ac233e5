#pragma once
// The Daily Work Sheet window (template 136): the week's inventory sheet of one store. It opens
// on today's date, loads the week's sheet into its list, and lets the manager pick a data type
// (Receiving, Waste, Transfers, QOH, Credits) whose values the keypad then enters row by row.
// Save writes the week's file, Print saves and hands it to the report-printing program, Help
// shows the help document, Ignore closes without saving (so do the Enter and Escape keys).
//
// The sheet table lives only in the cells of m_lstSheet; see worksheet/sheet_table.h for its
// columns and files.
#include <memory>
#include <string>
#include <string_view>

#include "controls/btn_enh.h"
#include "controls/sort_list_ctrl.h"
#include "framework/dialog.h"
#include "host/dates.h"
#include "host/process.h"
#include "worksheet/keypad_entry.h"
#include "worksheet/sheet_table.h"

namespace tolvane {

// The outside programs of the work sheet and their documents.
inline constexpr std::string_view kSheetPrintProgram = "c:\\report\\Tabulo.exe";
inline constexpr std::string_view kSheetPrintDirectory = "c:\\report";
inline constexpr std::string_view kHelpProgramCheck = "c:\\POS\\Pagoret.exe";
inline constexpr std::string_view kHelpDocument = "WorkSheetInv.rtf";
// WaitForProgram's time limit that means none.
inline constexpr int kWaitNoLimit = -1;

// The parameter string of the report-printing program for a sheet file: the file, the quoted
// title, and the quoted file followed at once by the quoted date and location line.
std::string SheetPrintParameters(std::string_view sheetFile, std::string_view sheetDate,
                                 std::string_view storeId);

class CWorkSheetDlg : public Dialog, public KeypadSheet {
  public:
    CWorkSheetDlg() : Dialog(IDD_WORKSHEET) {}

    // The sheet date. The opener sets it to the date it chose; OnInitDialog replaces it with
    // today's date, so the sheet is always the sheet of the day it is opened on.
    int m_nYear = 0;
    int m_nMonth = 0;
    int m_nDay = 0;
    std::string m_strDateStamp;  // "%04d%02d%02d" of the sheet date
    std::string m_strSheetDate;  // "%A, %B %d, %Y" of the sheet date
    int m_nWeekdayNumber = 0;    // 1 Monday ... 7 Sunday
    int m_nWeekOfYear = 0;       // 1 to 53
    std::string m_strStoreId;    // second word of the command line; may be empty
    std::string m_strSheetFile;  // the weekly sheet file
    int m_nSheetColumnWidth[kSheetColumnCount] = {};

    CSortListCtrl m_lstSheet;             // 1026: holds the sheet table
    CBtnEnh m_btnSheetBanner;             // 1034
    int m_nEntryColumn = kDataReceiving;  // the data type, coded by its first column
    int m_nRowCount = 0;                  // rows of the table when the keypad last opened
    std::string m_strCurrentDir;          // current directory when the dialog opened

    // Sets the sheet date and everything derived from it: the date stamp, the long date text,
    // the week number and the weekday number.
    void SetSheetDate(const Date& date);
    // Empties the list and creates the 24 sheet columns, each as wide as its title plus 15
    // pixels, and records their widths.
    void SetupSheetColumns();
    // Runs the keypad on the current data type, starting at the first row.
    void OpenKeypad();

    void OnClickReceiving();
    void OnClickWaste();
    void OnClickTransfers();
    void OnClickQOH();
    void OnClickCredits();
    void OnClickList(const Notification& notification, long* result);
    void OnClickSave();
    void OnClickPrint();
    void OnClickHelp();
    void OnClickIgnore();

    // --- The sheet table ---
    // Column 0 inserts a new row at `row` with `text` as its description; any other column
    // sets that cell of an existing row (nothing happens for a row that does not exist). The
    // text is cut to kMaxCellText characters. A column narrower than its new text plus 1 pixel
    // is widened to it; columns only grow.
    void SetSheetCell(int row, int column, std::string_view text) override;
    std::string GetSheetCell(int row, int column) const override;
    // Sets the week total of a daily data type (first column 1 or 10) for one row: the sum of
    // the counts of its seven day cells, "%d". Nothing for any other column.
    void UpdateGroupTotal(int row, int column) override;

    // --- The week's files ---
    // Names the week's file and fills the table from it. A week without a file starts from the
    // item list and is written at once, in the layout Save writes. So does a week
    // whose file was created in another year's week (that file is first kept under a name with
    // its date stamp) and a week whose file is no saved sheet (a plain copy of the
    // item list, holding no entries). Without the item list the table stays
    // empty and a message box says the item list is missing. Creates C:\Store\WS when it
    // is missing.
    void LoadSheet();
    // Fills the table as LoadSheet would on the sheet date, creating, changing and keeping no
    // file: the week's file when it is this week's saved sheet, else the item list
    // (or, when only the plain copy of it is left, that copy), as the week would start
    // afresh. A missing item list is reported as LoadSheet reports it.
    void PreviewSheet();
    // Fills the (emptied) table from the item list `source`: description and
    // inventory number of each line, with the store identifier, the date stamp and the line
    // number. A file that cannot be read leaves the table empty, silently.
    void LoadSpecification(std::string_view source = kSpecificationFile);
    // Fills the (emptied) table from m_strSheetFile as Save writes it; the first line is the
    // header. A file that cannot be read leaves the table empty, silently.
    void LoadWeeklySheet();
    // Writes every row of the table to m_strSheetFile through a temporary file renamed over it.
    // Returns true when the file holds the table. An empty table is never written, so a week
    // whose sheet could not be loaded is not replaced by an empty one. When the file cannot be
    // written the person is told in a message box and the table is kept as it is.
    bool SaveSheet();
    // A row of the table as the weekly sheet file holds it: columns 0 to 23, each followed by
    // a comma.
    std::string SheetFileLine(int row) const;

    // --- Printing and help ---
    std::string BuildPrintParameters() const;
    // Starts the report-printing program on the week's file and goes on at once.
    void PrintSheet();
    // Runs the help program on the help document and waits until it ends.
    void ShowHelp();
    // Waits for a started program at most `timeoutMs` milliseconds (kWaitNoLimit: no limit)
    // and returns its exit code; -1 when the wait times out or fails, after a message box.
    static int WaitForProgram(Process& process, int timeoutMs);

  protected:
    bool OnInitDialog() override;
    void DoDataExchange(DataExchange& dx) override;
    bool OnClickEvent(int id) override;
    bool OnNotifyEvent(const Notification& notification, long* result) override;

  private:
    enum class SheetFileState { kThisWeek, kOtherWeek, kNotSaved };
    // LoadSheet, and with `write` false PreviewSheet.
    void OpenWeek(bool write);
    SheetFileState InspectSheetFile(std::string* dateStamp) const;
    bool KeepOldSheetFile(std::string_view dateStamp, std::string* keptAs);
    void CreateWeekFromSpecification(std::string_view source);
    void SelectDataType(int entryColumn);
};

}  // namespace tolvane
