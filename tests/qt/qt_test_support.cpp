#include "qt/qt_test_support.h"

#include <QApplication>
#include <QDir>
#include <QPixmap>

namespace tolvane {

QString RenderToPng(QWidget& widget, const QString& name) {
    QApplication::processEvents();
    QDir dir(QStringLiteral(TOLVANE_BINARY_DIR "/screens"));
    if (!dir.mkpath(QStringLiteral("."))) {
        return {};
    }
    QString path = dir.filePath(name + QStringLiteral(".png"));
    return widget.grab().save(path) ? path : QString();
}

}  // namespace tolvane
