#pragma once
// The month calendar: it holds the selected date. A person's click on a day sets the selection
// and then sends the explicit-selection notification; scrolling the months sends nothing.
#include "framework/control.h"
#include "host/dates.h"

namespace tolvane {

class CMonthCalCtrl : public Control {
  public:
    // The current selection; false when none has been made yet.
    bool GetCurSel(Date* date) const {
        if (!m_bHasSelection) {
            return false;
        }
        *date = m_selection;
        return true;
    }
    void SetCurSel(const Date& date) {
        m_selection = date;
        m_bHasSelection = true;
        Notify(ControlChange::kCalendarSelection);
    }

  private:
    Date m_selection;
    bool m_bHasSelection = false;
};

}  // namespace tolvane
