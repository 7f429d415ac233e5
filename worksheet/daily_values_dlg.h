#pragma once
// The keypad "Enter Daily Values" (template 137): large digit buttons with which the manager
// walks down the sheet's rows and enters one data type's values. Each Enter writes straight
// into the work sheet's table and recomputes the row's week total; nothing is undone when the
// keypad closes (close box or Escape). The rules themselves are in KeypadEntry.
#include <optional>
#include <string>

#include "controls/btn_enh.h"
#include "framework/dialog.h"
#include "worksheet/keypad_entry.h"

namespace tolvane {

class CWorkSheetDlg;

class CDailyValuesDlg : public Dialog {
  public:
    CDailyValuesDlg() : Dialog(IDD_DAILY_VALUES) {}

    // Set by the opener before the keypad runs.
    CWorkSheetDlg* m_pSheet = nullptr;  // the sheet whose table the keypad reads and writes
    int m_nEntryColumn = 0;             // data type: 1, 9, 10, 18 or 19
    int m_nWeekdayNumber = 0;           // 1 Monday ... 7 Sunday
    int m_nRowCount = 0;                // rows of the table
    int m_nStartRow = 0;
    std::string m_strDescription;  // description of the start row, shown at opening

    CEdit m_editValue;         // 1033: the entry, or the current row's stored value
    CStatic m_stcDescription;  // 1035: the current row's description
    CBtnEnh m_btnDayBanner;    // 1034

    // The entry rules in force while the keypad runs (none before it opens).
    const KeypadEntry* Entry() const { return m_entry ? &*m_entry : nullptr; }

    void OnClick0();
    void OnClick1();
    void OnClick2();
    void OnClick3();
    void OnClick4();
    void OnClick5();
    void OnClick6();
    void OnClick7();
    void OnClick8();
    void OnClick9();
    void OnClickCorrectEntry();
    void OnClickEnter();
    void OnClickDown();
    void OnClickUp();

    // Puts a text on the banner in white on blue, hiding it while it changes.
    void ShowDayBanner(std::string_view text);

  protected:
    bool OnInitDialog() override;
    void DoDataExchange(DataExchange& dx) override;
    // The keyboard's Enter key moves the focus on, as Tab does: it neither stores the entry
    // nor closes the keypad.
    int PreTranslateKey(int virtualKey) override;
    bool OnClickEvent(int id) override;

  private:
    void AppendDigit(char digit);
    void Show(const KeypadDisplay& display);

    std::optional<KeypadEntry> m_entry;
};

}  // namespace tolvane
