#include "app/reports_dlg.h"

#include <cstdio>

#include "app/about_dlg.h"
#include "host/dates.h"
#include "host/paths.h"
#include "host/system.h"
#include "worksheet/work_sheet_dlg.h"

namespace tolvane {
namespace {

constexpr int kIdExit = 1000;
constexpr int kIdWorkSheet = 1001;
constexpr int kIdSalesRecap = 1002;
constexpr int kIdStart = 1003;
constexpr int kIdCalendar = 1004;
constexpr int kIdStop = 1005;
constexpr int kIdList = 1026;
constexpr int kIdBanner = 1034;
constexpr int kIdBack = 1037;
constexpr int kIdWriteFile = 1038;
constexpr int kIdPrintDisplay = 1044;

const ClickEntry<CReportsDlg> kClickTable[] = {
    {kIdExit, &CReportsDlg::OnClickExit},
    {kIdSalesRecap, &CReportsDlg::OnClickDailySalesRecap},
    {kIdWorkSheet, &CReportsDlg::OnClickDailyWorkSheet},
    {kIdBack, &CReportsDlg::OnClickBack},
    {kIdWriteFile, &CReportsDlg::OnClickWriteFile},
    {kIdPrintDisplay, &CReportsDlg::OnClickPrintDisplay},
};

const NotifyEntry<CReportsDlg> kNotifyTable[] = {
    {MCN_SELECT, kIdCalendar, &CReportsDlg::OnSelectDate},
};

// The first two whitespace-separated words of a command line.
void FirstTwoWords(std::string_view text, std::string* first, std::string* second) {
    std::string* targets[] = {first, second};
    std::size_t pos = 0;
    for (std::string* target : targets) {
        while (pos < text.size() && (text[pos] == ' ' || text[pos] == '\t')) {
            ++pos;
        }
        std::size_t end = pos;
        while (end < text.size() && text[end] != ' ' && text[end] != '\t') {
            ++end;
        }
        *target = std::string(text.substr(pos, end - pos));
        pos = end;
    }
}

}  // namespace

std::string QueueFileName(const Date& date) {
    char name[32];
    std::snprintf(name, sizeof name, "QU%2.2d%2.2d%4.4d.QUE", date.month, date.day, date.year);
    return name;
}

CReportsDlg::CReportsDlg() : Dialog(IDD_REPORTS_DIALOG) {}

void CReportsDlg::DoDataExchange(DataExchange& dx) {
    dx.Control(kIdList, m_List);
    dx.Control(kIdCalendar, m_Calendar);
    dx.Control(kIdStart, m_btnStart);
    dx.Control(kIdStop, m_btnStop);
    dx.Control(kIdSalesRecap, m_btnSalesRecap);
    dx.Control(kIdWorkSheet, m_btnWorkSheet);
    dx.Control(kIdBanner, m_btnBanner);
    dx.Control(kIdBack, m_btnBack);
    dx.Control(kIdWriteFile, m_btnWriteFile);
    dx.Control(kIdPrintDisplay, m_btnPrintDisplay);
}

bool CReportsDlg::OnClickEvent(int id) {
    return DispatchClick(*this, kClickTable, id);
}

bool CReportsDlg::OnNotifyEvent(const Notification& notification, long* result) {
    return DispatchNotify(*this, kNotifyTable, notification, result);
}

bool CReportsDlg::OnInitDialog() {
    Dialog::OnInitDialog();

    std::string_view about = LoadStringResource(IDS_ABOUTBOX);
    if (HasSystemMenu() && !about.empty()) {
        AppendSystemMenu(0, "");
        AppendSystemMenu(IDM_ABOUTBOX, about);
    }

    StartUp(CommandLine(), true);
    return true;
}

void CReportsDlg::StartUp(std::string_view commandLine, bool stageFiles) {
    bool local = ResolveServer(commandLine);
    if (stageFiles) {
        StageFiles();
    }
    m_strBDriveDir =
        local ? std::string("C:\\BDrive\\") : "\\\\" + m_strServerName + "\\C\\BDrive\\";

    m_strLocation1 = m_strLocation2 = m_strLocation3 = m_strLocation4 = std::string(24, ' ');
    LookUpStoreLocation();

    SetDisplayMode(0);
    m_nStartYear = 0;
    m_nStartMonth = 0;
    m_nStartDay = 0;
}

bool CReportsDlg::ResolveServer(std::string_view commandLine) {
    m_strServerName.clear();
    if (!commandLine.empty()) {
        std::string first;
        std::string second;  // the store identifier: the work sheet reads it itself
        FirstTwoWords(commandLine, &first, &second);
        // A name of one or two characters is no computer name. Longer words are taken whole:
        // a server's DNS name may well be longer than a NetBIOS name.
        if (first.size() > 2) {
            m_strServerName = first;
        }
    }
    // An unreadable computer name reads as empty: with no server named on the command line
    // the server is then this computer, which is what a store computer standing alone needs.
    m_strComputerName = ComputerName().value_or("");
    if (m_strServerName.empty()) {
        m_strServerName = m_strComputerName;
    }
    m_bServerLocal = m_strServerName.empty() || EqualsNoCase(m_strServerName, m_strComputerName);
    m_strRootDir = m_bServerLocal ? std::string("C:\\") : "\\\\" + m_strServerName + "\\C\\";
    return m_bServerLocal;
}

void CReportsDlg::OnSysCommand(unsigned command, long parameter) {
    if ((command & 0xFFF0) == IDM_ABOUTBOX) {
        CAboutDlg about;
        about.DoModal();
        return;
    }
    Dialog::OnSysCommand(command, parameter);
}

void CReportsDlg::OnClickExit() {
    EndDialog(IDOK);
}

void CReportsDlg::ShowBanner(std::string_view text) {
    ShowBannerText(m_btnBanner, text);
}

void CReportsDlg::SetDisplayMode(int mode) {
    if (mode != 0 && mode != 1) {
        return;
    }
    bool selection = mode == 0;
    m_Calendar.ShowWindow(false);
    m_btnWorkSheet.ShowWindow(selection);
    m_btnSalesRecap.ShowWindow(selection);
    m_btnBack.ShowWindow(!selection);
    m_btnStart.ShowWindow(!selection);
    m_btnStop.ShowWindow(!selection);
    m_List.ShowWindow(!selection);
    m_btnWriteFile.ShowWindow(!selection);
    m_btnPrintDisplay.ShowWindow(!selection);
    if (selection) {
        m_bWorkSheet = false;
        m_bSalesRecap = false;
        m_bStartChosen = false;
        m_bStopChosen = false;
        ShowBanner("Select PROCESS to continue");
    } else {
        ShowBanner("Select Next Option");
    }
}

void CReportsDlg::OnClickDailySalesRecap() {
    m_Calendar.ShowWindow(true);
    m_btnWorkSheet.ShowWindow(false);
    m_btnSalesRecap.ShowWindow(false);
    m_btnStart.ShowWindow(true);
    m_btnStop.ShowWindow(true);
    ShowBanner("Select START and STOP Dates");
    m_bSalesRecap = true;
    m_bWorkSheet = false;
}

void CReportsDlg::OnClickDailyWorkSheet() {
    m_Calendar.ShowWindow(true);
    m_btnWorkSheet.ShowWindow(false);
    m_btnSalesRecap.ShowWindow(false);
    m_btnStart.ShowWindow(true);
    ShowBanner("Select START Date");
    m_bWorkSheet = true;
    m_bSalesRecap = false;
}

void CReportsDlg::OnClickBack() {
    SetDisplayMode(0);
}

void CReportsDlg::OnSelectDate(const Notification& notification, long* result) {
    auto* calendar = dynamic_cast<CMonthCalCtrl*>(notification.from);
    Date date;
    if (calendar == nullptr || !calendar->GetCurSel(&date)) {
        *result = 0;
        return;
    }
    std::string text = LongDateText(date);
    std::string name = QueueFileName(date);
    if (!m_bStartChosen) {
        m_strStartDate = text;
        m_btnStart.SetWindowText(text);
        m_strStartQueueFile = name;
        m_bStartChosen = true;
        m_nStartYear = date.year;
        m_nStartMonth = date.month;
        m_nStartDay = date.day;
    } else if (!m_bStopChosen) {
        m_strStopDate = text;
        m_btnStop.SetWindowText(text);
        m_strStopQueueFile = name;
        m_bStopChosen = true;
    }
    *result = 0;

    if (m_bStartChosen && m_bStopChosen && m_bSalesRecap) {
        RunSalesRecap();
    }
    if (m_bStartChosen && m_bWorkSheet) {
        RunWorkSheet();
    }
}

void CReportsDlg::RunSalesRecap() {
    // The result layout comes first, so it shows even when a step below fails.
    SetDisplayMode(1);
    PrepareRecapList();
    LoadSalesDefinitions();
    ScanQueueFiles();
}

void CReportsDlg::RunWorkSheet() {
    if (!(m_nStartYear > 2000 && m_nStartMonth > 0 && m_nStartDay > 0)) {
        AfxMessageBox("Select BEGINNING Date to Continue");
        m_bStartChosen = false;
        return;
    }
    {
        CWorkSheetDlg sheet;
        sheet.m_nYear = m_nStartYear;
        sheet.m_nMonth = m_nStartMonth;
        sheet.m_nDay = m_nStartDay;
        sheet.DoModal();
    }
    SetDisplayMode(0);
}

}  // namespace tolvane
