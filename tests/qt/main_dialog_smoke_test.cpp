// The main dialog and the About box as real widgets: built from their templates, rendered to
// PNG, and one recap date choice clicked through.
#include <gtest/gtest.h>
#include <QBrush>
#include <QCalendarWidget>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <memory>
#include <optional>

#include "app/about_dlg.h"
#include "app/reports_dlg.h"
#include "host/system.h"
#include "qt/qt_test_support.h"
#include "support/temp_drive.h"
#include "ui/enhanced_button.h"
#include "ui/qt_backend.h"

namespace tolvane {
namespace {

class MainDialogSmokeTest : public ::testing::Test {
  protected:
    void SetUp() override {
        SetBackend(&backend);
        SetComputerNameSource([] { return std::optional<std::string>("STORE7"); });
    }
    void TearDown() override {
        SetBackend(nullptr);
        SetComputerNameSource({});
    }

    TempDrive drive;
    QtBackend backend;
};

// A queue record: line type at 8, quantity at 28, void mark at 29, PLU at 30.
std::string QueueRecord(char quantity, const char* plu) {
    std::string line(110, ' ');
    line.replace(0, 8, "00012345");
    line[8] = '1';
    line[28] = quantity;
    line.replace(30, 5, plu);
    return line + "\r\n";
}

TEST_F(MainDialogSmokeTest, SelectionLayoutThenRecapDateChoice) {
    drive.WriteFile(
        "C:\\POS\\Brindlemoor_Sales_Recap.csv",
        "ITEM,PLU,DESCRIPTION,SOLD,UNITS,\r\n"
        "Burger,00101,Cheeseburger,0,1,\r\nFries,00102,Large fries,0,2,\r\n"
        ",,Food subtotal,,,\r\nSoda,00201,Fountain soda,0,1,\r\n,,Drink subtotal,,,\r\n");
    drive.WriteFile(
        "C:\\BDrive\\QU03052009.QUE",
        QueueRecord('2', "00101") + QueueRecord('1', "00102") + QueueRecord('4', "00201"));
    drive.WriteFile("C:\\BDrive\\QU03072009.QUE", QueueRecord('3', "00102"));
    CReportsDlg dlg;
    std::unique_ptr<DialogWindow> window(backend.Show(dlg));
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Tolvane"));
    // Dialog units follow the 12-point dialog font: the window is wider than its 413 units.
    EXPECT_GT(window->width(), 413);

    auto* banner = ControlWidget<EnhancedButton>(*window, 1034);
    ASSERT_NE(banner, nullptr);
    EXPECT_EQ(banner->text(), QStringLiteral("Select PROCESS to continue"));
    EXPECT_TRUE(banner->isVisible());
    EXPECT_FALSE(ControlWidget<QCalendarWidget>(*window, 1004)->isVisible());
    EXPECT_FALSE(ControlWidget<QTableView>(*window, 1026)->isVisible());
    QString selection = RenderToPng(*window, QStringLiteral("main_selection"));
    ASSERT_FALSE(selection.isEmpty());
    EXPECT_FALSE(QImage(selection).isNull());

    ControlWidget<EnhancedButton>(*window, 1002)->click();
    auto* calendar = ControlWidget<QCalendarWidget>(*window, 1004);
    EXPECT_TRUE(calendar->isVisible());
    EXPECT_EQ(banner->text(), QStringLiteral("Select START and STOP Dates"));

    emit calendar->clicked(QDate(2009, 3, 5));
    EXPECT_EQ(ControlWidget<EnhancedButton>(*window, 1003)->text(),
              QStringLiteral("Thursday, March 05, 2009"));
    // Paging to another month is no selection.
    calendar->setCurrentPage(2009, 4);
    EXPECT_FALSE(dlg.m_bStopChosen);
    EXPECT_FALSE(RenderToPng(*window, QStringLiteral("main_recap_dates")).isEmpty());

    emit calendar->clicked(QDate(2009, 3, 7));
    auto* table = ControlWidget<QTableView>(*window, 1026);
    EXPECT_TRUE(table->isVisible());
    ASSERT_EQ(table->model()->rowCount(), 5);
    EXPECT_EQ(table->model()->index(1, 3).data().toString(), QStringLiteral("4"));   // Sold
    EXPECT_EQ(table->model()->index(2, 5).data().toString(), QStringLiteral("10"));  // subtotal
    // Odd rows are pale yellow with black text.
    EXPECT_EQ(table->model()->index(1, 0).data(Qt::BackgroundRole).value<QBrush>().color(),
              QColor(255, 255, 180));
    // Columns were widened to their texts: "Cheeseburger" fits its column.
    EXPECT_GE(table->columnWidth(2), table->fontMetrics().horizontalAdvance("Cheeseburger"));
    EXPECT_EQ(banner->text(), QStringLiteral("Select Next Option"));
    EXPECT_FALSE(RenderToPng(*window, QStringLiteral("main_result")).isEmpty());
}

TEST_F(MainDialogSmokeTest, AboutBox) {
    CAboutDlg about;
    std::unique_ptr<DialogWindow> window(backend.Show(about));
    EXPECT_EQ(window->windowTitle(), QStringLiteral("About Tolvane"));
    auto* ok = ControlWidget<QPushButton>(*window, IDOK);
    ASSERT_NE(ok, nullptr);
    EXPECT_EQ(ok->text(), QStringLiteral("OK"));
    auto* icon = ControlWidget<QLabel>(*window, IDR_MAINFRAME);
    ASSERT_NE(icon, nullptr);
    EXPECT_FALSE(icon->pixmap().isNull());
    EXPECT_FALSE(RenderToPng(*window, QStringLiteral("about")).isEmpty());
    ok->click();
    EXPECT_TRUE(about.IsEnded());
    EXPECT_EQ(about.ModalResult(), IDOK);
}

}  // namespace
}  // namespace tolvane
