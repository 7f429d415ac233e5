#pragma once
// Shows a CSortListCtrl in a Qt table view: the control holds the cells, this model hands them
// to the view, and the control's change announcements become the model's signals.
#include <QAbstractTableModel>
#include <QFont>
#include <QFontMetrics>

#include "controls/sort_list_ctrl.h"

namespace tolvane {

class ListModel : public QAbstractTableModel, public TextMeasure {
    Q_OBJECT
  public:
    ListModel(CSortListCtrl& list, const QFont& font, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    int Width(std::string_view text) const override;

    // The control changed wholesale or structurally.
    void Reset();
    void CellChanged(int row, int column);

  private:
    CSortListCtrl& m_list;
    QFontMetrics m_metrics;
};

}  // namespace tolvane
