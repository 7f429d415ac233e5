#include "worksheet/work_sheet_dlg.h"

#include <cstdio>

#include "host/dates.h"
#include "host/file_system.h"
#include "host/system.h"
#include "host/text.h"
#include "worksheet/daily_values_dlg.h"
#include "worksheet/sheet_dates.h"

namespace tolvane {
namespace {

constexpr int kIdHelp = 1022;
constexpr int kIdList = 1026;
constexpr int kIdBanner = 1034;
constexpr int kIdReceiving = 1038;
constexpr int kIdWaste = 1039;
constexpr int kIdTransfers = 1040;
constexpr int kIdQoh = 1041;
constexpr int kIdSave = 1042;
constexpr int kIdIgnore = 1043;
constexpr int kIdPrint = 1044;
constexpr int kIdCredits = 1045;

const ClickEntry<CWorkSheetDlg> kClickTable[] = {
    {kIdReceiving, &CWorkSheetDlg::OnClickReceiving}, {kIdWaste, &CWorkSheetDlg::OnClickWaste},
    {kIdTransfers, &CWorkSheetDlg::OnClickTransfers}, {kIdQoh, &CWorkSheetDlg::OnClickQOH},
    {kIdCredits, &CWorkSheetDlg::OnClickCredits},     {kIdSave, &CWorkSheetDlg::OnClickSave},
    {kIdPrint, &CWorkSheetDlg::OnClickPrint},         {kIdHelp, &CWorkSheetDlg::OnClickHelp},
    {kIdIgnore, &CWorkSheetDlg::OnClickIgnore},
};

const NotifyEntry<CWorkSheetDlg> kNotifyTable[] = {
    {NM_CLICK, kIdList, &CWorkSheetDlg::OnClickList},
};

}  // namespace

void CWorkSheetDlg::DoDataExchange(DataExchange& dx) {
    dx.Control(kIdList, m_lstSheet);
    dx.Control(kIdBanner, m_btnSheetBanner);
}

bool CWorkSheetDlg::OnClickEvent(int id) {
    return DispatchClick(*this, kClickTable, id);
}

bool CWorkSheetDlg::OnNotifyEvent(const Notification& notification, long* result) {
    return DispatchNotify(*this, kNotifyTable, notification, result);
}

void CWorkSheetDlg::SetSheetDate(const Date& date) {
    m_nYear = date.year;
    m_nMonth = date.month;
    m_nDay = date.day;
    m_strSheetDate = LongDateText(date);
    m_strDateStamp = DateStamp(date);
    m_nWeekOfYear = WeekOfYear(date);
    m_nWeekdayNumber = WeekdayNumber(date);
}

bool CWorkSheetDlg::OnInitDialog() {
    Dialog::OnInitDialog();

    m_strStoreId = StoreIdFromCommandLine(CommandLine());
    SetupSheetColumns();

    // A file named like the store identifier in the current directory is a leftover that the
    // sheet clears when it opens. Only a bare file name is ever taken, so a command-line word
    // such as "..", "\POS" or "C:WS.csv" can never reach another directory or file.
    if (IsPlainFileName(m_strStoreId)) {
        std::string leftover = CurrentDirectory() + "\\" + m_strStoreId;
        FileStatus status;
        if (GetFileStatus(leftover, &status) && !status.isDirectory) {
            RemoveFile(leftover);
        }
    }

    // Today is read once: the caption, the sheet date and everything derived from it agree
    // even when the dialog opens at midnight.
    LocalDateTime now = Now();
    Date today{now.year, now.month, now.day};
    SetWindowText(" Select Data Type---Current Date " + LongDateText(today));
    SetSheetDate(today);

    char banner[128];
    std::snprintf(banner, sizeof banner, "Week Of Year %d   %s", m_nWeekOfYear,
                  m_strSheetDate.c_str());
    m_btnSheetBanner.SetWindowText(banner);

    // Taken whole, however long: the help program is started from this directory.
    m_strCurrentDir = CurrentDirectory();
    m_nEntryColumn = kDataReceiving;
    LoadSheet();
    return true;
}

void CWorkSheetDlg::SetupSheetColumns() {
    m_lstSheet.SetExtendedStyle(LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES);
    m_lstSheet.DeleteAllItems();
    while (m_lstSheet.DeleteColumn(0)) {
    }
    for (int column = 0; column < kSheetColumnCount; ++column) {
        m_lstSheet.AddColumn(kSheetListTitles[column], column, -1,
                             LVCF_FMT | LVCF_WIDTH | LVCF_TEXT | LVCF_SUBITEM, LVCFMT_LEFT);
    }
    for (int column = 0; column < kSheetColumnCount; ++column) {
        m_nSheetColumnWidth[column] = m_lstSheet.GetColumnWidth(column);
    }
}

void CWorkSheetDlg::OpenKeypad() {
    m_nRowCount = m_lstSheet.GetItemCount();
    CDailyValuesDlg keypad;
    keypad.m_pSheet = this;
    keypad.m_nEntryColumn = m_nEntryColumn;
    keypad.m_nWeekdayNumber = m_nWeekdayNumber;
    keypad.m_nRowCount = m_nRowCount;
    keypad.m_nStartRow = 0;
    keypad.m_strDescription = GetSheetCell(0, kColumnDescription);
    keypad.DoModal();
}

void CWorkSheetDlg::SelectDataType(int entryColumn) {
    m_nEntryColumn = entryColumn;
    m_lstSheet.SelectItem(1);
    OpenKeypad();
}

void CWorkSheetDlg::OnClickReceiving() {
    SelectDataType(kDataReceiving);
}

void CWorkSheetDlg::OnClickWaste() {
    SelectDataType(kDataWaste);
}

void CWorkSheetDlg::OnClickTransfers() {
    SelectDataType(kDataTransfers);
}

void CWorkSheetDlg::OnClickQOH() {
    SelectDataType(kDataQoh);
}

void CWorkSheetDlg::OnClickCredits() {
    SelectDataType(kDataCredits);
}

void CWorkSheetDlg::OnClickList(const Notification&, long* result) {
    OpenKeypad();
    *result = 0;
}

void CWorkSheetDlg::OnClickSave() {
    SaveSheet();
}

void CWorkSheetDlg::OnClickPrint() {
    // A file that does not hold what the screen shows is no control record: after a failed
    // save (already reported) nothing is printed.
    if (SaveSheet()) {
        PrintSheet();
    }
}

void CWorkSheetDlg::OnClickHelp() {
    ShowHelp();
}

void CWorkSheetDlg::OnClickIgnore() {
    EndDialog(IDCANCEL);
}

void CWorkSheetDlg::SetSheetCell(int row, int column, std::string_view text) {
    if (column < 0 || column >= kSheetColumnCount) {
        return;
    }
    text = text.substr(0, kMaxCellText);
    bool set = column == kColumnDescription ? m_lstSheet.AddItem(row, 0, text) >= 0
                                            : m_lstSheet.AddItem(row, column, text) != 0;
    if (!set) {
        return;
    }
    int width = m_lstSheet.GetStringWidth(text) + 1;
    if (width > m_nSheetColumnWidth[column]) {
        m_nSheetColumnWidth[column] = width;
        m_lstSheet.SetColumnWidth(column, width);
    }
}

std::string CWorkSheetDlg::GetSheetCell(int row, int column) const {
    return m_lstSheet.GetItemText(row, column);
}

void CWorkSheetDlg::UpdateGroupTotal(int row, int column) {
    if (!IsDailyDataType(column)) {
        return;
    }
    // Counted wide: seven cells read from a file may each hold the largest int.
    long long sum = 0;
    for (int day = 0; day < 7; ++day) {
        sum += ParseCount(GetSheetCell(row, column + day));
    }
    SetSheetCell(row, column + 7, FormatCount(sum));
}

}  // namespace tolvane
