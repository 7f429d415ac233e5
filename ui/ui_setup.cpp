#include "ui/ui_setup.h"

#include <QApplication>
#include <QFont>
#include <QIcon>
#include <string>

#include "framework/backend.h"

// The resources live in a static library, which registers them only when asked to; the macro
// must be used outside any namespace.
static void InitResources() {
    Q_INIT_RESOURCE(tolvane);
}

namespace tolvane {

void SetUpApplication(int argc, char* argv[]) {
    InitResources();
    if (argc > 0) {
        SetAppNameFromPath(argv[0]);
    }
    std::string commandLine;
    for (int i = 1; i < argc; ++i) {
        if (i > 1) {
            commandLine += ' ';
        }
        commandLine += argv[i];
    }
    SetCommandLine(commandLine);

    // The dialogs are laid out for these fonts; the Liberation fonts share their metrics.
    QFont::insertSubstitutions(
        QStringLiteral("Times New Roman"),
        {QStringLiteral("Liberation Serif"), QStringLiteral("DejaVu Serif")});
    QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"),
                               {QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/res/tolvane.png")));
    QApplication::setApplicationName(QString::fromStdString(AppName()));
}

}  // namespace tolvane
