// The Qt smoke tests run with a real (offscreen) QApplication.
#include <gtest/gtest.h>
#include <QApplication>

#include "ui/ui_setup.h"

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM",
            qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    QApplication application(argc, argv);
    tolvane::SetUpApplication(1, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
