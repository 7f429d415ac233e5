#pragma once
// Helpers of the Qt smoke tests: render a window to a PNG in the build directory, find a
// control's widget.
#include <QString>
#include <QWidget>

#include "ui/dialog_window.h"

namespace tolvane {

// Renders the widget to TOLVANE_BINARY_DIR/screens/<name>.png; returns the path ("" on failure).
QString RenderToPng(QWidget& widget, const QString& name);

template <class W>
W* ControlWidget(DialogWindow& window, int id) {
    return qobject_cast<W*>(window.WidgetOf(id));
}

}  // namespace tolvane
