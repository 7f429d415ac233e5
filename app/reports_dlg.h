#pragma once
// The main dialog: the program's only top-level window. It guides the person through three
// steps (choose a process, choose its dates on the calendar, run it), holds the sales recap in
// its report list, and at start-up stages the POS files and looks up the store.
#include <string>

#include "controls/btn_enh.h"
#include "controls/sort_list_ctrl.h"
#include "framework/dialog.h"
#include "framework/month_cal_ctrl.h"
#include "recap/sales_tally.h"

namespace tolvane {

class CReportsDlg : public Dialog {
  public:
    CReportsDlg();

    static constexpr int kRecapColumnCount = 13;
    // The longest text a recap cell holds.
    static constexpr std::size_t kMaxCellText = 51;

    // Members in the order of their roles; the names are those used throughout the program.
    std::string m_strStopDate;         // long text of the stop date
    std::string m_strStartDate;        // long text of the start date
    std::string m_strPrintParameters;  // parameter line for the report-printing program
    std::string m_strLocation1;        // store location lines, 24 characters each
    std::string m_strLocation2;
    std::string m_strLocation3;
    std::string m_strLocation4;
    int m_nDayCount = 0;   // queue files taken so far in a scan
    int m_nItemCount = 0;  // rows of the recap
    int m_nColumnCount = 0;
    int m_nColumnWidth[kRecapColumnCount] = {};
    bool m_bStartChosen = false;
    bool m_bStopChosen = false;
    std::string m_strBDriveDir;  // queue file directory, ending in a backslash
    std::string m_strRootDir;    // root of the POS server's drive C:, ending in a backslash
    std::string m_strStoreNumber;
    std::string m_strStartQueueFile;
    std::string m_strStopQueueFile;
    std::string m_strRecapFile;  // path of the recap file last written
    int m_nStartYear = 0;
    int m_nStartDay = 0;
    int m_nStartMonth = 0;
    bool m_bSalesRecap = false;
    bool m_bWorkSheet = false;
    std::string m_strComputerName;
    std::string m_strServerName;

    CSortListCtrl m_List;       // 1026
    CMonthCalCtrl m_Calendar;   // 1004
    CBtnEnh m_btnStart;         // 1003, shows the start date
    CBtnEnh m_btnStop;          // 1005, shows the stop date
    CBtnEnh m_btnSalesRecap;    // 1002
    CBtnEnh m_btnWorkSheet;     // 1001
    CBtnEnh m_btnBanner;        // 1034, the status banner
    CBtnEnh m_btnBack;          // 1037
    CBtnEnh m_btnWriteFile;     // 1038
    CBtnEnh m_btnPrintDisplay;  // 1044

    // --- Process selection and report dates ---
    void ShowBanner(std::string_view text);
    // 0: selection layout, no process and no dates; 1: result layout. Other values do nothing.
    void SetDisplayMode(int mode);
    void OnClickDailySalesRecap();
    void OnClickDailyWorkSheet();
    void OnClickBack();
    void OnClickExit();
    void OnSelectDate(const Notification& notification, long* result);
    void RunSalesRecap();
    void RunWorkSheet();

    // --- Server resolution (start-up) ---
    // Resolves the POS server from the command line and this computer's name into
    // m_strServerName, m_strComputerName and m_strRootDir; returns true when it is local.
    bool ResolveServer(std::string_view commandLine);
    bool IsServerLocal() const { return m_bServerLocal; }

    // --- Start-up ---
    // The start-up sequence that follows the binding of the controls and the system menu:
    // resolves the server from `commandLine`, stages the files from it when `stageFiles` is
    // true, sets the queue directory, blanks the location lines and looks up the store, and
    // enters the selection layout with no start date. OnInitDialog runs it with the program's
    // command line and staging; a batch run of the reports runs it without staging.
    void StartUp(std::string_view commandLine, bool stageFiles);

    // --- Start-up staging ---
    void StageFiles();
    static bool DirectoryExists(std::string_view path);
    static bool MakeDirectory(std::string_view path);

    // --- Store lookup ---
    void LookUpStoreLocation();

    // --- Sales recap ---
    // Empties the list and creates the 13 recap columns with their look; no rows remain.
    void PrepareRecapList();
    // One row per item line of "C:\POS\Brindlemoor_Sales_Recap.csv", in file order. When the
    // file cannot be read: the message " Sales definition file missing" and no rows.
    void LoadSalesDefinitions();
    // Field n (from 0) of a definition line: the text before the (n+1)-th comma; empty when no
    // comma closes it. The program's one CSV field rule (host/csv_fields.h).
    static std::string_view GetCsvField(std::string_view line, int n);
    // Writes a cell (column 0 appends the row) with at most kMaxCellText characters, and
    // widens the column to the text's width plus 15 pixels when it is narrower.
    void SetRecapCell(int row, int column, std::string_view text);
    // Counts the queue files of the chosen range, in calendar order, into the rows' Sold and
    // Day cells, then computes the total units; the list is filled once, at the end.
    void ScanQueueFiles();
    // Counts one queue file (by its bare name) as day m_nDayCount into the scan's tally;
    // called by ScanQueueFiles, which writes the tally into the cells when the files are read.
    void TallyQueueFile(std::string_view name);
    // Fills column 5: Sold times Units on item rows, the group's sum on subtotal rows.
    void ComputeTotalUnits();
    void OnClickWriteFile();
    // Writes the recap table to its file, RecapFilePath(), and keeps the path in
    // m_strRecapFile; a failure is passed over silently.
    void WriteRecapFile();
    // "C:\pos\Recap%s%s.csv" of the store number and the start date's queue file name.
    std::string RecapFilePath() const;
    // Writes the recap file's content to `path` (a Windows path, or a path of this host): the
    // header line, then rows 0 to m_nItemCount - 1 in the list's order, each cell followed by
    // a comma and one more comma at the end. The file is replaced whole or not at all; false
    // when it could not be written.
    bool WriteRecapTable(std::string_view path) const;
    void OnClickPrintDisplay();
    std::string BuildPrintParameters(std::string_view title, std::string_view file) const;
    void RunPrintTool();

  protected:
    bool OnInitDialog() override;
    void DoDataExchange(DataExchange& dx) override;
    bool OnClickEvent(int id) override;
    bool OnNotifyEvent(const Notification& notification, long* result) override;
    void OnSysCommand(unsigned command, long parameter) override;

  private:
    // Adds the scan's tally to the Sold and Day cells of the rows that sold.
    void WriteTallyToCells();

    bool m_bServerLocal = true;
    SalesTally m_tally;  // the counts of the queue scan under way
};

// Where the recap's date heading puts its two dates: the columns of the start date (with its
// "  to ") and of the stop date in the 64-column field, for a start date text of this length.
struct DateHeadingColumns {
    std::size_t start;
    std::size_t stop;
};
DateHeadingColumns LayOutDateHeading(std::size_t startLength);

// Long date text and queue file name of a date, as the main dialog forms them.
std::string QueueFileName(const Date& date);

}  // namespace tolvane
