// Tolvane: the back-office reports of one restaurant store.
#include <QApplication>
#include <QFont>
#include <QIcon>
#include <string>

#include "app/reports_app.h"
#include "framework/backend.h"
#include "ui/qt_backend.h"
#include "ui/ui_setup.h"

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    tolvane::SetUpApplication(argc, argv);
    tolvane::QtBackend backend;
    tolvane::SetBackend(&backend);
    tolvane::CReportsApp app;
    app.InitInstance();
    tolvane::SetBackend(nullptr);
    return 0;
}
