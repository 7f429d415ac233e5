// pagoret: shows a help document written in RTF.
//
//   pagoret FILE.rtf [--render OUT.png]
//
// FILE is a path of this host or a Windows path. The window's title is the file's name.
// --render draws the window with the document into a PNG file and ends without waiting for
// the user; the environment variable PAGORET_AUTOCLOSE_MS closes the window after that many
// milliseconds.
//
// Exit codes: 0 the user closed the window (or the PNG was written); 1 the document cannot be
// shown (missing, unreadable, not RTF) or the PNG cannot be written; 2 bad arguments.
#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QMessageBox>
#include <QScreen>
#include <QTextDocument>
#include <QTimer>
#include <cstdio>
#include <string>

#include "common/display.h"
#include "host/paths.h"
#include "pagoret/help_window.h"
#include "pagoret/rtf_document.h"
#include "pagoret/rtf_text_document.h"

namespace tolvane {
namespace {

constexpr int kExitOk = 0;
constexpr int kExitCannotShow = 1;
constexpr int kExitBadArguments = 2;
// A help document is a few pages; anything far larger is not one.
constexpr qint64 kLargestDocument = 32LL * 1024 * 1024;

const char kUsage[] = "Usage: pagoret FILE.rtf [--render OUT.png]\n";

bool g_interactive = false;

int Fail(int code, const QString& message) {
    std::fprintf(stderr, "pagoret: %s\n", message.toLocal8Bit().constData());
    if (code == kExitBadArguments) {
        std::fputs(kUsage, stderr);
    }
    if (g_interactive) {
        QMessageBox::critical(nullptr, QStringLiteral("Help"), message);
    }
    return code;
}

int Run(int argc, char** argv) {
    std::string file;
    std::string render;
    std::string argumentError;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--render") {
            if (i + 1 >= argc || argv[i + 1][0] == '\0') {
                argumentError = "--render needs the name of the PNG file to write.";
                break;
            }
            render = argv[++i];
        } else if (arg.rfind("--render=", 0) == 0 && arg.size() > 9) {
            render = arg.substr(9);
        } else if (!arg.empty() && arg[0] == '-' && arg.size() > 1) {
            argumentError = "Unknown switch \"" + arg + "\".";
            break;
        } else if (file.empty() && !arg.empty()) {
            file = arg;
        } else {
            argumentError = "Give one help document, not \"" + arg + "\" as well.";
            break;
        }
    }
    if (argumentError.empty() && file.empty()) {
        argumentError = "No help document given.";
    }

#if !defined(Q_OS_WIN) && !defined(Q_OS_MACOS)
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") &&
        (!render.empty() || (!HasDisplay() && !argumentError.empty()))) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
#endif
    if (!HasDisplay()) {
        std::fprintf(stderr, "pagoret: No display to show the help document on.\n");
        return kExitCannotShow;
    }

    QApplication app(argc, argv);
    const QString platform = QGuiApplication::platformName();
    g_interactive = render.empty() && platform != QLatin1String("offscreen") &&
                    platform != QLatin1String("minimal");
    if (!argumentError.empty()) {
        return Fail(kExitBadArguments, QString::fromStdString(argumentError));
    }

    const QString path = QFile::decodeName(QByteArray::fromStdString(HostPath(file)));
    const QString shown = QString::fromLocal8Bit(file.c_str());
    QFile input(path);
    if (!QFileInfo(path).isFile()) {
        return Fail(kExitCannotShow,
                    QFileInfo::exists(path)
                        ? QStringLiteral("The help document \"%1\" is not a file.").arg(shown)
                        : QStringLiteral("The help document \"%1\" was not found.").arg(shown));
    }
    if (!input.open(QIODevice::ReadOnly)) {
        return Fail(kExitCannotShow, QStringLiteral("Cannot read the help document \"%1\": %2.")
                                         .arg(shown, input.errorString()));
    }
    if (input.size() > kLargestDocument) {
        return Fail(kExitCannotShow,
                    QStringLiteral("The help document \"%1\" is too large.").arg(shown));
    }
    const QByteArray bytes = input.readAll();
    RtfDocument document;
    if (ParseRtf(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())),
                 &document) != RtfStatus::kOk) {
        return Fail(kExitCannotShow,
                    QStringLiteral("The help document \"%1\" is not an RTF document.").arg(shown));
    }

    double dpi = 96.0;
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        dpi = screen->logicalDotsPerInch();
    }
    auto* text = new QTextDocument;
    QFont font(QStringLiteral("Arial"));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(11);
    text->setDefaultFont(font);
    BuildTextDocument(document, dpi, text);
    HelpWindow window(text, QFileInfo(path).fileName());

    if (!render.empty()) {
        window.show();
        QApplication::processEvents();
        const QString out = QFile::decodeName(QByteArray::fromStdString(HostPath(render)));
        if (!window.grab().save(out, "PNG")) {
            return Fail(kExitCannotShow,
                        QStringLiteral("Cannot write the picture \"%1\".").arg(out));
        }
        return kExitOk;
    }

    bool ok = false;
    const int autoClose = qEnvironmentVariableIntValue("PAGORET_AUTOCLOSE_MS", &ok);
    if (ok && autoClose >= 0) {
        QTimer::singleShot(autoClose, &window, &QDialog::accept);
    }
    window.exec();
    return kExitOk;
}

}  // namespace
}  // namespace tolvane

int main(int argc, char** argv) {
    return tolvane::Run(argc, argv);
}
