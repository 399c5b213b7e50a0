#pragma once

#include <QPointF>
#include <QSizeF>
#include <QString>
#include <QStringList>

#include <memory>
#include <vector>

class QFont;
class QFontMetricsF;
class QPagedPaintDevice;
class QPrinter;
class QWidget;

// Saving and printing the reports of the pages: the File menu's save, print and printer setup items.

namespace quillon {

// The bytes of a saved report: every line followed by CR LF, trailing blanks kept, nothing else.
QByteArray ReportFileBytes(const QStringList& lines);

// Writes the report to `path` as it is named (no extension added), replacing the file only once the
// whole text is written. Returns an empty text, or the reason it failed.
QString WriteReportFile(const QString& path, const QStringList& lines);

// One piece of printed text: its page (from 0), its top-left corner in device units, its characters.
struct PrintRun {
    int page;
    QPointF topLeft;
    QString text;
};

struct PrintLayout {
    int pageCount = 1;
    qreal lineHeight = 0;
    std::vector<PrintRun> runs;
};

// Lays the text out as a line printer would, from the top-left corner of a printable area of `page`
// device units: each line as high as the font plus 2 units; a line wider than the page is continued
// on the next one; a tab goes on to the next multiple of eight average character widths; a new page
// starts when a line would reach into the bottom reserve of two line heights, and at a form feed.
// Line ends are LF, CR LF or CR. Trailing empty pages are dropped; an empty text is one blank page.
PrintLayout LayoutPrintText(const QString& text, const QFontMetricsF& metrics, const QSizeF& page);

// Prints the text in `font` on the device, page after page, laid out as above. Returns the number of
// pages printed, or 0 when the device could not be opened for painting.
int PrintText(QPagedPaintDevice& device, const QString& text, const QFont& font);

// The File menu's dialogs of one window. The print and the printer setup dialog share one printer, so
// that what the setup chooses is what the next print uses.
class ReportOutput {
public:
    explicit ReportOutput(QWidget* window);
    ~ReportOutput();
    ReportOutput(const ReportOutput&) = delete;
    ReportOutput& operator=(const ReportOutput&) = delete;

    // Asks for a file name and writes the lines there. An existing file is replaced only after the
    // user confirmed it; a file that cannot be written is reported through the error display.
    void Save(const QStringList& lines);
    // Asks for the printer and prints the lines, joined by line breaks, in `font`.
    void Print(const QStringList& lines, const QFont& font);
    // The page setup of the shared printer.
    void PrinterSetup();

private:
    QPrinter& Printer();

    QWidget* window_;
    std::unique_ptr<QPrinter> printer_;
};

} // namespace quillon
