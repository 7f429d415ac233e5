#include "ui/list_model.h"

#include <QBrush>
#include <QColor>

#include "ui/ansi_text.h"

namespace tolvane {
namespace {

QColor ToQColor(COLORREF color) {
    return QColor(RedOf(color), GreenOf(color), BlueOf(color));
}

Qt::Alignment AlignmentOf(int format) {
    switch (format) {
        case LVCFMT_RIGHT:
            return Qt::AlignRight | Qt::AlignVCenter;
        case LVCFMT_CENTER:
            return Qt::AlignHCenter | Qt::AlignVCenter;
        default:
            return Qt::AlignLeft | Qt::AlignVCenter;
    }
}

}  // namespace

ListModel::ListModel(CSortListCtrl& list, const QFont& font, QObject* parent)
    : QAbstractTableModel(parent), m_list(list), m_metrics(font) {}

int ListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : m_list.GetItemCount();
}

int ListModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : m_list.GetColumnCount();
}

QVariant ListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid()) {
        return {};
    }
    bool altRow = index.row() % 2 == 1;
    switch (role) {
        case Qt::DisplayRole:
            return FromAnsi(m_list.GetItemText(index.row(), index.column()));
        case Qt::TextAlignmentRole:
            return QVariant::fromValue(AlignmentOf(m_list.GetColumn(index.column()).format));
        case Qt::BackgroundRole:
            if (altRow) {
                return QBrush(ToQColor(m_list.AltRowBkColor()));
            }
            if (m_list.GetTextBkColor() != CLR_DEFAULT && m_list.GetTextBkColor() != CLR_NONE) {
                return QBrush(ToQColor(m_list.GetTextBkColor()));
            }
            return {};
        case Qt::ForegroundRole:
            return altRow ? QVariant(QBrush(ToQColor(m_list.AltRowTextColor()))) : QVariant();
        default:
            return {};
    }
}

QVariant ListModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || section < 0 || section >= m_list.GetColumnCount()) {
        return {};
    }
    if (role == Qt::DisplayRole) {
        return FromAnsi(m_list.GetColumn(section).heading);
    }
    if (role == Qt::TextAlignmentRole) {
        return QVariant::fromValue(AlignmentOf(m_list.GetColumn(section).format));
    }
    return {};
}

int ListModel::Width(std::string_view text) const {
    return m_metrics.horizontalAdvance(FromAnsi(text));
}

void ListModel::Reset() {
    beginResetModel();
    endResetModel();
}

void ListModel::CellChanged(int row, int column) {
    QModelIndex cell = index(row, column);
    emit dataChanged(cell, cell);
}

}  // namespace tolvane
