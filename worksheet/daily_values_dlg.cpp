#include "worksheet/daily_values_dlg.h"

#include <cstdio>

#include "worksheet/work_sheet_dlg.h"

namespace tolvane {
namespace {

constexpr int kIdOne = 1027;
constexpr int kIdTwo = 1028;
constexpr int kIdThree = 1029;
constexpr int kIdFour = 1030;
constexpr int kIdFive = 1031;
constexpr int kIdSix = 1032;
constexpr int kIdValue = 1033;
constexpr int kIdBanner = 1034;
constexpr int kIdDescription = 1035;
constexpr int kIdEnter = 1036;
constexpr int kIdCorrectEntry = 1037;
constexpr int kIdSeven = 1038;
constexpr int kIdEight = 1039;
constexpr int kIdNine = 1040;
constexpr int kIdZero = 1042;
constexpr int kIdUp = 1043;
constexpr int kIdDown = 1044;

const ClickEntry<CDailyValuesDlg> kClickTable[] = {
    {kIdZero, &CDailyValuesDlg::OnClick0},
    {kIdOne, &CDailyValuesDlg::OnClick1},
    {kIdTwo, &CDailyValuesDlg::OnClick2},
    {kIdThree, &CDailyValuesDlg::OnClick3},
    {kIdFour, &CDailyValuesDlg::OnClick4},
    {kIdFive, &CDailyValuesDlg::OnClick5},
    {kIdSix, &CDailyValuesDlg::OnClick6},
    {kIdSeven, &CDailyValuesDlg::OnClick7},
    {kIdEight, &CDailyValuesDlg::OnClick8},
    {kIdNine, &CDailyValuesDlg::OnClick9},
    {kIdCorrectEntry, &CDailyValuesDlg::OnClickCorrectEntry},
    {kIdEnter, &CDailyValuesDlg::OnClickEnter},
    {kIdDown, &CDailyValuesDlg::OnClickDown},
    {kIdUp, &CDailyValuesDlg::OnClickUp},
};

}  // namespace

void CDailyValuesDlg::DoDataExchange(DataExchange& dx) {
    dx.Control(kIdValue, m_editValue);
    dx.Control(kIdDescription, m_stcDescription);
    dx.Control(kIdBanner, m_btnDayBanner);
    m_stcDescription.SetWindowText(m_strDescription);
}

bool CDailyValuesDlg::OnClickEvent(int id) {
    return DispatchClick(*this, kClickTable, id);
}

int CDailyValuesDlg::PreTranslateKey(int virtualKey) {
    return virtualKey == VK_RETURN ? VK_TAB : virtualKey;
}

bool CDailyValuesDlg::OnInitDialog() {
    Dialog::OnInitDialog();
    m_entry.reset();
    if (m_pSheet != nullptr) {
        m_entry.emplace(*m_pSheet, m_nEntryColumn, m_nWeekdayNumber, m_nRowCount, m_nStartRow);
    }
    char banner[32];
    std::snprintf(banner, sizeof banner, " Day %d ", m_nWeekdayNumber);
    ShowDayBanner(banner);
    // The edit control stays empty: the start row's stored value shows from the first row
    // change on.
    m_stcDescription.SetWindowText(m_strDescription);
    return true;
}

void CDailyValuesDlg::ShowDayBanner(std::string_view text) {
    ShowBannerText(m_btnDayBanner, text);
}

void CDailyValuesDlg::Show(const KeypadDisplay& display) {
    if (display.value) {
        m_editValue.SetWindowText(*display.value);
    }
    if (display.description) {
        m_stcDescription.SetWindowText(*display.description);
    }
}

void CDailyValuesDlg::AppendDigit(char digit) {
    if (m_entry) {
        Show(m_entry->AppendDigit(digit));
    }
}

void CDailyValuesDlg::OnClick0() {
    AppendDigit('0');
}

void CDailyValuesDlg::OnClick1() {
    AppendDigit('1');
}

void CDailyValuesDlg::OnClick2() {
    AppendDigit('2');
}

void CDailyValuesDlg::OnClick3() {
    AppendDigit('3');
}

void CDailyValuesDlg::OnClick4() {
    AppendDigit('4');
}

void CDailyValuesDlg::OnClick5() {
    AppendDigit('5');
}

void CDailyValuesDlg::OnClick6() {
    AppendDigit('6');
}

void CDailyValuesDlg::OnClick7() {
    AppendDigit('7');
}

void CDailyValuesDlg::OnClick8() {
    AppendDigit('8');
}

void CDailyValuesDlg::OnClick9() {
    AppendDigit('9');
}

void CDailyValuesDlg::OnClickCorrectEntry() {
    if (m_entry) {
        Show(m_entry->CorrectEntry());
    }
}

void CDailyValuesDlg::OnClickEnter() {
    if (m_entry) {
        Show(m_entry->Enter());
    }
}

void CDailyValuesDlg::OnClickDown() {
    if (m_entry) {
        Show(m_entry->Down());
    }
}

void CDailyValuesDlg::OnClickUp() {
    if (m_entry) {
        Show(m_entry->Up());
    }
}

}  // namespace tolvane
