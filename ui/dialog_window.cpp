#include "ui/dialog_window.h"

#include <QCalendarWidget>
#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTableView>

#include "controls/btn_enh.h"
#include "controls/sort_list_ctrl.h"
#include "framework/month_cal_ctrl.h"
#include "ui/ansi_text.h"
#include "ui/enhanced_button.h"
#include "ui/list_model.h"
#include "ui/system_menu.h"

namespace tolvane {
namespace {

QColor ToQColor(COLORREF color) {
    return QColor(RedOf(color), GreenOf(color), BlueOf(color));
}

// Windows rounds the average width of the 52 letters this way.
int AverageCharWidth(const QFontMetrics& metrics) {
    int width = metrics.horizontalAdvance(
        QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
    return (width / 26 + 1) / 2;
}

// Buttons that only show something (dates, banners) have no click handler in any dialog.
bool IsDisplayOnly(const Control& control, const Dialog& dialog) {
    int id = control.GetDlgCtrlID();
    if (id == 1034) {
        return true;
    }
    return dialog.TemplateId() == IDD_REPORTS_DIALOG && (id == 1003 || id == 1005);
}

}  // namespace

DialogBaseUnits BaseUnitsOf(const QFont& font) {
    QFontMetrics metrics(font);
    return {std::max(AverageCharWidth(metrics), 1), std::max(metrics.height(), 1)};
}

QFont DialogFont(const DialogTemplate& dialog) {
    QFont font(QString::fromLatin1(dialog.fontName.data(),
                                   static_cast<qsizetype>(dialog.fontName.size())));
    font.setPointSize(dialog.fontPoints);
    return font;
}

// Keeps one widget in step with its control.
class DialogWindow::Binding : public ControlObserver {
  public:
    Binding(Control& control, QWidget* widget, ListModel* model, QTableView* table)
        : m_control(control), m_widget(widget), m_model(model), m_table(table) {
        m_control.SetObserver(this);
    }
    ~Binding() override {
        if (m_control.Observer() == this) {
            m_control.SetObserver(nullptr);
        }
        if (auto* list = dynamic_cast<CSortListCtrl*>(&m_control)) {
            list->SetTextMeasure(nullptr);
        }
    }

    void SyncAll() {
        m_widget->setVisible(m_control.IsWindowVisible());
        SyncText();
        SyncColors();
        if (m_model != nullptr) {
            SyncList();
        }
        if (auto* calendar = dynamic_cast<CMonthCalCtrl*>(&m_control)) {
            SyncCalendar(*calendar);
        }
    }

    void OnControlChanged(Control&, ControlChange change, int row, int column) override {
        if (m_widget.isNull()) {
            return;
        }
        switch (change) {
            case ControlChange::kVisibility:
                m_widget->setVisible(m_control.IsWindowVisible());
                break;
            case ControlChange::kText:
                SyncText();
                break;
            case ControlChange::kColors:
                SyncColors();
                break;
            case ControlChange::kFocus:
                m_widget->setFocus();
                break;
            case ControlChange::kCalendarSelection:
                SyncCalendar(static_cast<CMonthCalCtrl&>(m_control));
                break;
            case ControlChange::kListReset:
            case ControlChange::kListColumns:
            case ControlChange::kListRowInserted:
                SyncList();
                break;
            case ControlChange::kListColumnWidth:
                m_table->horizontalHeader()->resizeSection(column, SectionWidth(column));
                break;
            case ControlChange::kListCell:
                m_model->CellChanged(row, column);
                break;
            case ControlChange::kListSelection:
                SyncSelection(row);
                break;
        }
    }

    bool m_bSyncing = false;

  private:
    void SyncText() {
        QString text = FromAnsi(m_control.GetWindowText());
        if (auto* button = qobject_cast<QAbstractButton*>(m_widget.data())) {
            button->setText(text);
        } else if (auto* label = qobject_cast<QLabel*>(m_widget.data())) {
            if (m_control.Kind() != ControlKind::kIcon) {
                label->setText(text);
            }
        } else if (auto* edit = qobject_cast<QLineEdit*>(m_widget.data())) {
            edit->setText(text);
        }
    }

    void SyncColors() {
        auto* button = qobject_cast<EnhancedButton*>(m_widget.data());
        auto* enhanced = dynamic_cast<CBtnEnh*>(&m_control);
        if (button == nullptr || enhanced == nullptr) {
            return;
        }
        std::optional<QColor> text;
        std::optional<QColor> back;
        if (enhanced->TextColor()) {
            text = ToQColor(*enhanced->TextColor());
        }
        if (enhanced->BackColor()) {
            back = ToQColor(*enhanced->BackColor());
        }
        button->SetColors(text, back);
    }

    void SyncCalendar(const CMonthCalCtrl& calendar) {
        Date date;
        auto* widget = qobject_cast<QCalendarWidget*>(m_widget.data());
        if (widget != nullptr && calendar.GetCurSel(&date)) {
            m_bSyncing = true;
            widget->setSelectedDate(QDate(date.year, date.month, date.day));
            m_bSyncing = false;
        }
    }

    void SyncList() {
        auto& list = static_cast<CSortListCtrl&>(m_control);
        m_bSyncing = true;
        m_model->Reset();
        std::uint32_t style = list.GetExtendedStyle();
        m_table->setShowGrid((style & LVS_EX_GRIDLINES) != 0);
        m_table->setSelectionBehavior((style & LVS_EX_FULLROWSELECT) != 0
                                          ? QAbstractItemView::SelectRows
                                          : QAbstractItemView::SelectItems);
        for (int column = 0; column < list.GetColumnCount(); ++column) {
            m_table->horizontalHeader()->resizeSection(column, SectionWidth(column));
        }
        if (list.SortColumn() >= 0 && list.SortColumn() < list.GetColumnCount()) {
            m_table->horizontalHeader()->setSortIndicatorShown(true);
            m_table->horizontalHeader()->setSortIndicator(
                list.SortColumn(), list.SortAscending() ? Qt::AscendingOrder : Qt::DescendingOrder);
        } else {
            m_table->horizontalHeader()->setSortIndicatorShown(false);
        }
        for (int row = 0; row < list.GetItemCount(); ++row) {
            if (list.IsSelected(row)) {
                SyncSelection(row);
            }
        }
        m_bSyncing = false;
    }

    // A column is shown as wide as the list holds it, and never narrower than its title, so
    // that no heading is cut off on screen.
    int SectionWidth(int column) const {
        auto& list = static_cast<const CSortListCtrl&>(m_control);
        QFontMetrics metrics(m_table->horizontalHeader()->font());
        int title = metrics.horizontalAdvance(FromAnsi(list.GetColumn(column).heading)) + 12;
        return std::max(list.GetColumnWidth(column), title);
    }

    void SyncSelection(int row) {
        auto& list = static_cast<CSortListCtrl&>(m_control);
        if (row < 0 || row >= list.GetItemCount() || list.GetColumnCount() == 0) {
            return;
        }
        bool wasSyncing = m_bSyncing;
        m_bSyncing = true;
        QItemSelection selection(m_model->index(row, 0),
                                 m_model->index(row, list.GetColumnCount() - 1));
        m_table->selectionModel()->select(selection, list.IsSelected(row)
                                                         ? QItemSelectionModel::Select
                                                         : QItemSelectionModel::Deselect);
        m_bSyncing = wasSyncing;
    }

    Control& m_control;
    QPointer<QWidget> m_widget;
    ListModel* m_model;
    QTableView* m_table;
};

DialogWindow::DialogWindow(Dialog& dialog, QWidget* parent) : QDialog(parent), m_dialog(dialog) {
    const DialogTemplate& frame = dialog.Template();
    QFont font = DialogFont(frame);
    setFont(font);
    m_units = BaseUnitsOf(font);
    setWindowTitle(FromAnsi(dialog.GetWindowText()));
    setWindowIcon(QIcon(QStringLiteral(":/res/tolvane.png")));

    Qt::WindowFlags flags = Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint;
    if ((frame.style & kDialogSysMenu) != 0) {
        flags |= Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    }
    if ((frame.style & kDialogAppWindow) != 0) {
        flags = (flags & ~Qt::Dialog) | Qt::Window;
    }
    setWindowFlags(flags);
    setFixedSize(frame.cx * m_units.x / 4, frame.cy * m_units.y / 8);

    for (Control* control : dialog.Controls()) {
        const ControlTemplate& entry = *control->Template();
        QRect geometry(entry.x * m_units.x / 4, entry.y * m_units.y / 8, entry.cx * m_units.x / 4,
                       entry.cy * m_units.y / 8);
        MakeWidget(*control, geometry);
    }
    for (auto& binding : m_bindings) {
        binding->SyncAll();
    }
    dialog.SetObserver(this);
    if (!dialog.SystemMenu().empty()) {
        m_bNativeSystemMenu = InstallSystemMenu(*this, dialog);
    }
}

DialogWindow::~DialogWindow() {
    m_dialog.SetObserver(nullptr);
    m_bindings.clear();
}

QWidget* DialogWindow::WidgetOf(int id) const {
    for (QObject* child : children()) {
        auto* widget = qobject_cast<QWidget*>(child);
        if (widget != nullptr && widget->property("controlId").toInt() == id) {
            return widget;
        }
    }
    return nullptr;
}

QWidget* DialogWindow::MakeWidget(Control& control, const QRect& geometry) {
    const int id = control.GetDlgCtrlID();
    const ControlTemplate& entry = *control.Template();
    QWidget* widget = nullptr;
    ListModel* model = nullptr;
    QTableView* table = nullptr;

    switch (control.Kind()) {
        case ControlKind::kEnhancedButton: {
            auto* button = new EnhancedButton(this);
            auto* enhanced = static_cast<CBtnEnh*>(&control);
            button->SetLeftArrow(enhanced->HasLeftArrowPicture());
            button->SetDisplayOnly(IsDisplayOnly(control, m_dialog));
            button->setFocusPolicy((entry.style & kStyleTabStop) != 0 ? Qt::TabFocus : Qt::NoFocus);
            connect(button, &QAbstractButton::clicked, this, [this, id] {
                if (!m_dialog.IsEnded()) {
                    m_dialog.FireClick(id);
                }
            });
            widget = button;
            break;
        }
        case ControlKind::kPushButton: {
            auto* button = new QPushButton(this);
            button->setDefault((entry.style & kStyleDefaultButton) != 0);
            connect(button, &QPushButton::clicked, this, [this, id] { m_dialog.FireClick(id); });
            widget = button;
            break;
        }
        case ControlKind::kMonthCalendar: {
            auto* calendar = new QCalendarWidget(this);
            calendar->setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
            calendar->setMinimumDate(QDate(1601, 1, 1));
            calendar->setMaximumDate(QDate(9999, 12, 31));
            calendar->setFocusPolicy(Qt::NoFocus);
            // Weeks run Sunday to Saturday in the store, as its work sheet weeks do.
            calendar->setFirstDayOfWeek(Qt::Sunday);
            // Only a click on a day is an explicit selection; paging through the months is not.
            connect(calendar, &QCalendarWidget::clicked, this, [this, id, &control](QDate date) {
                if (m_dialog.IsEnded() || !date.isValid()) {
                    return;
                }
                static_cast<CMonthCalCtrl&>(control).SetCurSel(
                    {date.year(), date.month(), date.day()});
                m_dialog.FireNotify(id, MCN_SELECT);
            });
            widget = calendar;
            break;
        }
        case ControlKind::kListView: {
            auto& list = static_cast<CSortListCtrl&>(control);
            table = new QTableView(this);
            model = new ListModel(list, table->font(), table);
            list.SetTextMeasure(model);
            table->setModel(model);
            table->setSelectionMode(QAbstractItemView::ExtendedSelection);
            table->setEditTriggers(QAbstractItemView::NoEditTriggers);
            table->setWordWrap(false);
            table->setFocusPolicy(Qt::NoFocus);
            table->verticalHeader()->hide();
            table->verticalHeader()->setDefaultSectionSize(table->fontMetrics().height() + 6);
            table->horizontalHeader()->setSectionsClickable(true);
            table->horizontalHeader()->setHighlightSections(false);
            table->horizontalHeader()->setMinimumSectionSize(8);
            table->setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
            if ((entry.style & kStyleBorder) == 0) {
                table->setFrameShape(QFrame::NoFrame);
            }
            connect(table->horizontalHeader(), &QHeaderView::sectionClicked, this,
                    [&list](int column) { list.OnColumnClick(column); });
            table->viewport()->installEventFilter(this);
            table->viewport()->setProperty("listId", id);
            widget = table;
            break;
        }
        case ControlKind::kEdit: {
            auto* edit = new QLineEdit(this);
            if ((entry.style & kStyleRightAlign) != 0) {
                edit->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
            }
            edit->setFocusPolicy((entry.style & kStyleTabStop) != 0 ? Qt::StrongFocus
                                                                    : Qt::ClickFocus);
            QFont big = edit->font();
            big.setBold(true);
            edit->setFont(big);
            widget = edit;
            break;
        }
        case ControlKind::kIcon: {
            auto* label = new QLabel(this);
            label->setPixmap(QIcon(QStringLiteral(":/res/tolvane.png")).pixmap(geometry.size()));
            widget = label;
            break;
        }
        case ControlKind::kStatic: {
            auto* label = new QLabel(this);
            label->setWordWrap(false);
            widget = label;
            break;
        }
    }

    widget->setGeometry(geometry);
    widget->setProperty("controlId", id);
    auto binding = std::make_unique<Binding>(control, widget, model, table);
    if (table != nullptr) {
        Binding* raw = binding.get();
        auto& list = static_cast<CSortListCtrl&>(control);
        connect(table->selectionModel(), &QItemSelectionModel::selectionChanged, this,
                [raw, &list, table](const QItemSelection&, const QItemSelection&) {
                    if (raw->m_bSyncing) {
                        return;
                    }
                    raw->m_bSyncing = true;
                    QItemSelectionModel* selection = table->selectionModel();
                    for (int row = 0; row < list.GetItemCount(); ++row) {
                        list.SetSelectedByUser(row, selection->isRowSelected(row, QModelIndex()));
                    }
                    raw->m_bSyncing = false;
                });
    }
    m_bindings.push_back(std::move(binding));
    return widget;
}

bool DialogWindow::eventFilter(QObject* watched, QEvent* event) {
    QVariant listId = watched->property("listId");
    if (listId.isValid() && event->type() == QEvent::MouseButtonRelease && !m_dialog.IsEnded()) {
        // The list tells its dialog of a click after the selection has followed it.
        int id = listId.toInt();
        QMetaObject::invokeMethod(
            this,
            [this, id] {
                if (!m_dialog.IsEnded()) {
                    m_dialog.FireNotify(id, NM_CLICK);
                }
            },
            Qt::QueuedConnection);
    }
    return QDialog::eventFilter(watched, event);
}

void DialogWindow::OnDialogCaptionChanged(Dialog& dialog) {
    setWindowTitle(FromAnsi(dialog.GetWindowText()));
}

void DialogWindow::OnDialogEnded(Dialog& dialog) {
    done(dialog.ModalResult());
}

void DialogWindow::reject() {
    // Escape and the close box reach the dialog through keyPressEvent and closeEvent.
    if (m_dialog.IsEnded()) {
        QDialog::reject();
    }
}

void DialogWindow::keyPressEvent(QKeyEvent* event) {
    int key = 0;
    switch (event->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            key = VK_RETURN;
            break;
        case Qt::Key_Escape:
            key = VK_ESCAPE;
            break;
        default:
            QDialog::keyPressEvent(event);
            return;
    }
    event->accept();
    if (m_dialog.FireKey(key) == VK_TAB) {
        focusNextChild();
    }
}

void DialogWindow::closeEvent(QCloseEvent* event) {
    if (!m_dialog.IsEnded()) {
        m_dialog.FireClose();
    }
    if (m_dialog.IsEnded()) {
        event->accept();
    } else {
        event->ignore();
    }
}

bool DialogWindow::nativeEvent(const QByteArray& eventType, void* message, qintptr* result) {
    if (m_bNativeSystemMenu && HandleSystemMenuMessage(eventType, message, m_dialog)) {
        *result = 0;
        return true;
    }
    return QDialog::nativeEvent(eventType, message, result);
}

void DialogWindow::contextMenuEvent(QContextMenuEvent* event) {
    // Desktops that give a program no system menu of its own (X11, Wayland) get the dialog's
    // system menu entries from the context menu instead.
    const auto& entries = m_dialog.SystemMenu();
    if (entries.empty() || m_bNativeSystemMenu) {
        return;
    }
    QMenu menu(this);
    for (const SystemMenuEntry& entry : entries) {
        if (entry.id == 0) {
            menu.addSeparator();
        } else {
            unsigned command = entry.id;
            menu.addAction(FromAnsi(entry.text),
                           [this, command] { m_dialog.FireSysCommand(command); });
        }
    }
    menu.exec(event->globalPos());
}

}  // namespace tolvane
