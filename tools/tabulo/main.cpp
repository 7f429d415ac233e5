// tabulo: prints a report file (CSV) with its headings, as a paginated report, to a printer,
// a PDF file or a print preview. See tabulo_options.h for the command line.
//
// Exit codes: 0 done (also when the user cancels printing), 1 the report could not be read or
// written, 2 bad arguments.
#include <QApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QMessageBox>
#include <QPageSize>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QStandardPaths>
#include <QTimer>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "common/display.h"
#include "host/paths.h"
#include "tabulo/preview_window.h"
#include "tabulo/report_headings.h"
#include "tabulo/report_renderer.h"
#include "tabulo/report_table.h"
#include "tabulo/tabulo_options.h"

namespace tolvane {
namespace {

constexpr int kExitOk = 0;
constexpr int kExitFailed = 1;
constexpr int kExitBadArguments = 2;
// Reports are a few hundred rows; a file far beyond this is not a report.
constexpr qint64 kLargestReport = 64LL * 1024 * 1024;

bool g_interactive = false;

int Fail(int code, const QString& message, bool withUsage = false) {
    std::fprintf(stderr, "tabulo: %s\n", message.toLocal8Bit().constData());
    if (withUsage) {
        std::fputs(TabuloUsage(), stderr);
    }
    if (g_interactive) {
        QMessageBox::critical(nullptr, QStringLiteral("Tabulo"), message);
    }
    return code;
}

QString FromHost(const std::string& path) {
    return QFile::decodeName(QByteArray::fromStdString(path));
}

// The paper of the default printer, else the paper of the user's country.
QPageSize DefaultPageSize() {
    const QPrinterInfo printer = QPrinterInfo::defaultPrinter();
    if (!printer.isNull() && printer.defaultPageSize().isValid()) {
        return printer.defaultPageSize();
    }
    return QLocale::system().measurementSystem() == QLocale::ImperialUSSystem
               ? QPageSize(QPageSize::Letter)
               : QPageSize(QPageSize::A4);
}

bool ReadReport(const QString& path, const std::string& given, std::string* bytes, QString* error) {
    QFile file(path);
    const QString shown = QString::fromStdString(given);
    if (!QFileInfo(path).isFile()) {
        *error = QFileInfo::exists(path)
                     ? QStringLiteral("The report file \"%1\" is not a file.").arg(shown)
                     : QStringLiteral("The report file \"%1\" does not exist.").arg(shown);
        return false;
    }
    if (!file.open(QIODevice::ReadOnly)) {
        *error = QStringLiteral("Cannot read the report file \"%1\": %2.")
                     .arg(shown, file.errorString());
        return false;
    }
    if (file.size() > kLargestReport) {
        *error =
            QStringLiteral("The report file \"%1\" is too large to print (over 64 MB).").arg(shown);
        return false;
    }
    const QByteArray data = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        *error = QStringLiteral("Cannot read the report file \"%1\": %2.")
                     .arg(shown, file.errorString());
        return false;
    }
    bytes->assign(data.constData(), static_cast<std::size_t>(data.size()));
    return true;
}

void StartAutoClose() {
    bool ok = false;
    const int ms = qEnvironmentVariableIntValue("TABULO_AUTOCLOSE_MS", &ok);
    if (ok && ms >= 0) {
        // Ends every event loop, a modal print dialog's included.
        QTimer::singleShot(ms, qApp, [] { QCoreApplication::exit(kExitOk); });
    }
}

int Run(int argc, char** argv) {
    std::vector<std::string> arguments(argv + 1, argv + argc);
    TabuloOptions options;
    std::string argumentError;
    const bool argumentsOk = ParseTabuloOptions(arguments, &options, &argumentError);
    if (options.pdfFile.empty() && !qEnvironmentVariableIsEmpty("TABULO_PDF")) {
        options.pdfFile = qEnvironmentVariable("TABULO_PDF").toStdString();
    }
    const bool toPdf = argumentsOk && !options.pdfFile.empty();
#if !defined(Q_OS_WIN) && !defined(Q_OS_MACOS)
    // Writing a PDF needs no window system at all, nor does a message on the terminal.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") &&
        (toPdf || (!HasDisplay() && (options.help || !argumentsOk)))) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
#endif
    if (!HasDisplay()) {
        std::fprintf(stderr, "tabulo: No display to show the report on (use --pdf FILE).\n");
        return kExitFailed;
    }

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tabulo"));
    const QString platform = QGuiApplication::platformName();
    g_interactive =
        !toPdf && platform != QLatin1String("offscreen") && platform != QLatin1String("minimal");

    if (!argumentsOk) {
        return Fail(kExitBadArguments, QString::fromStdString(argumentError), true);
    }
    if (options.help) {
        std::fputs(TabuloUsage(), stdout);
        return kExitOk;
    }

    const std::string hostFile = HostPath(options.file);
    std::string bytes;
    QString error;
    if (!ReadReport(FromHost(hostFile), options.file, &bytes, &error)) {
        return Fail(kExitFailed, error);
    }
    ReportContent content;
    std::string tableError;
    if (!ParseReportTable(bytes, &content.table, &tableError)) {
        return Fail(kExitFailed, QStringLiteral("%1: %2").arg(QString::fromStdString(options.file),
                                                              QString::fromStdString(tableError)));
    }
    const QFileInfo reportInfo(FromHost(hostFile));
    content.headings =
        LayOutHeadings(options.headings, options.file, [&reportInfo](std::string_view piece) {
            const QFileInfo info(FromHost(HostPath(piece)));
            return info.exists() && info == reportInfo;
        });
    content.alignments = ColumnAlignments(content.table, options);
    content.groups = FindColumnGroups(content.table.header);
    content.fileName = QFileInfo(FromHost(hostFile)).fileName();
    content.printed = QDateTime::currentDateTime();
    const ReportRenderer renderer(std::move(content));
    const QPageLayout layout = renderer.PreferredPageLayout(DefaultPageSize());

    if (toPdf) {
        const QString pdf = FromHost(HostPath(options.pdfFile));
        if (!WriteReportPdf(renderer, layout, pdf, &error)) {
            return Fail(kExitFailed, error);
        }
        return kExitOk;
    }

    StartAutoClose();
    const QString defaultPdf =
        QDir(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation))
            .filePath(QFileInfo(FromHost(hostFile)).completeBaseName() + QStringLiteral(".pdf"));
    // Without -P the print dialog comes first; with no printer to print on, the preview
    // (which can save a PDF) is the useful choice.
    if (options.preview || QPrinterInfo::availablePrinterNames().isEmpty()) {
        PreviewWindow window(renderer, layout, defaultPdf);
        window.show();
        QApplication::exec();
        return kExitOk;
    }
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageLayout(layout);
    printer.setDocName(QString::fromStdString(renderer.Content().headings.title));
    QPrintDialog dialog(&printer);
    dialog.setWindowTitle(QStringLiteral("Print %1").arg(renderer.Content().fileName));
    if (dialog.exec() != QDialog::Accepted) {
        return kExitOk;
    }
    if (!renderer.Paint(&printer)) {
        return Fail(kExitFailed, QStringLiteral("The report could not be printed."));
    }
    return kExitOk;
}

}  // namespace
}  // namespace tolvane

int main(int argc, char** argv) {
    return tolvane::Run(argc, argv);
}
