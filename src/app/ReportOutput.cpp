#include "app/ReportOutput.h"

#include "pages/ErrorDisplay.h"
#include "text/AllText.h"

#include <QFileDialog>
#include <QFont>
#include <QFontMetricsF>
#include <QPageSetupDialog>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QSaveFile>

#include <algorithm>
#include <cmath>

namespace quillon {
namespace {

QString Message(int k) {
    return QString::fromStdString(Text(k));
}

QString SaveFailedText(const QString& path, const QString& reason) {
    return Message(723)
               .arg(path) +
           QLatin1Char('\n') + reason;
}

QString PrintFailedText(const QPrinter& printer) {
    QString text =
        Message(724);
    const QString target =
        printer.outputFormat() == QPrinter::PdfFormat ? printer.outputFileName() : printer.printerName();
    if (!target.isEmpty()) text += QLatin1Char('\n') + target;
    return text;
}

// A character with its low surrogate, so that a line is never split inside one.
int CharLength(const QString& text, int i) {
    return text.at(i).isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate() ? 2 : 1;
}

} // namespace

QByteArray ReportFileBytes(const QStringList& lines) {
    QByteArray bytes;
    for (const QString& line : lines) {
        bytes += line.toUtf8();
        bytes += "\r\n";
    }
    return bytes;
}

QString WriteReportFile(const QString& path, const QStringList& lines) {
    QSaveFile file(path);
    // Where no temporary file can be made beside it, the file is written in place as before.
    file.setDirectWriteFallback(true);
    if (!file.open(QIODevice::WriteOnly)) return file.errorString();
    const QByteArray bytes = ReportFileBytes(lines);
    if (file.write(bytes) != bytes.size()) {
        const QString reason = file.errorString();
        file.cancelWriting();
        return reason;
    }
    if (!file.commit()) return file.errorString();
    return {};
}

PrintLayout LayoutPrintText(const QString& text, const QFontMetricsF& metrics, const QSizeF& page) {
    PrintLayout layout;
    const qreal lineHeight = metrics.height() + 2;
    layout.lineHeight = lineHeight;
    const qreal bottom = page.height() - 2 * lineHeight;
    const qreal tab = std::max<qreal>(8 * metrics.averageCharWidth(), 1);

    int pageIndex = 0;
    qreal x = 0, y = 0, runX = 0;
    QString run;
    const auto flush = [&] {
        if (!run.isEmpty()) layout.runs.push_back({pageIndex, {runX, y}, run});
        run.clear();
    };
    const auto newPage = [&] {
        flush();
        ++pageIndex;
        x = y = 0;
    };
    // The first line of a page is always printed, so a page too small for one line still ends.
    const auto newLine = [&] {
        flush();
        x = 0;
        y += lineHeight;
        if (y + lineHeight > bottom) newPage();
    };

    for (int i = 0; i < text.size();) {
        const QChar c = text.at(i);
        if (c == QLatin1Char('\r') || c == QLatin1Char('\n')) {
            newLine();
            i += c == QLatin1Char('\r') && i + 1 < text.size() && text.at(i + 1) == QLatin1Char('\n') ? 2 : 1;
            continue;
        }
        ++i;
        if (c == QLatin1Char('\f')) {
            newPage();
        } else if (c == QLatin1Char('\t')) {
            flush();
            x = (std::floor(x / tab) + 1) * tab;
        } else {
            const int length = CharLength(text, i - 1);
            const QString character = text.mid(i - 1, length);
            i += length - 1;
            const qreal advance = metrics.horizontalAdvance(character);
            if (x > 0 && x + advance > page.width()) newLine();
            if (run.isEmpty()) runX = x;
            run += character;
            x += advance;
        }
    }
    flush();
    layout.pageCount = layout.runs.empty() ? 1 : layout.runs.back().page + 1;
    return layout;
}

int PrintText(QPagedPaintDevice& device, const QString& text, const QFont& font) {
    QPainter painter;
    if (!painter.begin(&device)) return 0;
    painter.setFont(font);
    const QFontMetricsF metrics(painter.font(), &device);
    const PrintLayout layout = LayoutPrintText(text, metrics, QSizeF(device.width(), device.height()));
    int page = 0;
    for (const PrintRun& run : layout.runs) {
        for (; page < run.page; ++page) {
            if (!device.newPage()) return 0;
        }
        painter.drawText(QPointF(run.topLeft.x(), run.topLeft.y() + metrics.ascent()), run.text);
    }
    if (!painter.end()) return 0;
    return layout.pageCount;
}

ReportOutput::ReportOutput(QWidget* window) : window_(window) {}

ReportOutput::~ReportOutput() = default;

QPrinter& ReportOutput::Printer() {
    if (!printer_) printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
    return *printer_;
}

void ReportOutput::Save(const QStringList& lines) {
    // Qt's own dialog: it works on every platform plugin. It asks before it replaces a file.
    QFileDialog dialog(window_);
    dialog.setObjectName(QStringLiteral("SaveDialog"));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    if (dialog.exec() != QDialog::Accepted) return;
    const QStringList files = dialog.selectedFiles();
    if (files.isEmpty()) return;
    const QString reason = WriteReportFile(files.first(), lines);
    if (!reason.isEmpty()) ShowError(SaveFailedText(files.first(), reason));
}

void ReportOutput::Print(const QStringList& lines, const QFont& font) {
    QPrinter& printer = Printer();
    QPrintDialog dialog(&printer, window_);
    dialog.setObjectName(QStringLiteral("PrintDialog"));
    // The whole report is printed: no page ranges, no selection.
    dialog.setOptions(QAbstractPrintDialog::PrintToFile | QAbstractPrintDialog::PrintShowPageSize);
    if (dialog.exec() != QDialog::Accepted) return;
    const QString text = lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
    if (PrintText(printer, text, font) == 0 || printer.printerState() == QPrinter::Error)
        ShowError(PrintFailedText(printer));
}

void ReportOutput::PrinterSetup() {
    QPageSetupDialog dialog(&Printer(), window_);
    dialog.setObjectName(QStringLiteral("PrinterSetupDialog"));
    dialog.exec();
}

} // namespace quillon
