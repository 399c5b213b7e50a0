#include "pages/GuiTest.h"

#include "app/MainForm.h"
#include "app/ReportOutput.h"
#include "text/AllText.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFontMetricsF>
#include <QLineEdit>
#include <QMessageBox>
#include <QPdfWriter>
#include <QPushButton>
#include <QRegularExpression>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTimer>

#include <cmath>
#include <memory>

namespace quillon::test {
namespace {

QByteArray FileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

void WriteFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

int PdfPages(const QString& path) {
    return static_cast<int>(QString::fromLatin1(FileBytes(path))
                                .count(QRegularExpression(QStringLiteral("/Type\\s*/Page(?!s)"))));
}

TEST(ReportFileTest, EveryLineEndsInCrLfAndKeepsItsBlanks) {
    QTemporaryDir dir;
    struct Row {
        const char* name;
        QStringList lines;
        QByteArray bytes;
    } rows[] = {{"empty", {}, ""},
                {"matrix brackets", {"|  1  2 |", "", "|  3 -4 |  "}, "|  1  2 |\r\n\r\n|  3 -4 |  \r\n"},
                {"UTF-8",
                 {QString::fromUtf8("Fläche ≈ 2")},
                 "Fl\xc3\xa4"
                 "che \xe2\x89\x88 2\r\n"}};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const QString path = dir.filePath(QStringLiteral("report"));
        WriteFile(path, "an older and longer text that must not survive");
        EXPECT_EQ(WriteReportFile(path, row.lines), QString());
        EXPECT_EQ(FileBytes(path), row.bytes);
    }
}

// The window's File menu on the vector page, whose report is its memory list.
class ReportOutputTest : public GuiTest {
protected:
    void SetUp() override {
        GuiTest::SetUp();
        WriteSettingsFile("[Main]\nFirstStart=0\n");
        window = std::make_unique<TCalcForm>(SettingsPath());
        Find<QTabWidget>(window.get(), "Tessaly_PageControl")->setCurrentIndex(0);
    }
    void TearDown() override {
        window.reset();
        GuiTest::TearDown();
    }
    QString Path(const char* name) const { return folder_.filePath(QLatin1String(name)); }
    void Trigger(const char* item) const { window->findChild<QAction*>(QLatin1String(item))->trigger(); }
    // M+ adds a to the memory list, MS replaces the list by it.
    void Store(const char* x, const char* button = "MPlus_Button") const {
        Find<QLineEdit>(window.get(), "ax_Edit")->setText(QLatin1String(x));
        Find<QPushButton>(window.get(), button)->click();
    }

    // Types `name` into the save dialog and confirms (cancels for an empty name); an overwrite
    // question is answered with `replace`. A dialog that stays open is recorded and cancelled.
    void Save(const QString& name, QMessageBox::StandardButton replace = QMessageBox::NoButton) {
        saveShown_ = questionAsked_ = stayedOpen_ = false;
        QTimer::singleShot(0, &context_, [this, name, replace] {
            auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            if (dialog == nullptr) return;
            saveShown_ = true;
            if (name.isEmpty()) return dialog->reject();
            QTimer::singleShot(0, &context_, [this, replace] {
                if (auto* question = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                    questionAsked_ = true;
                    question->button(replace)->click();
                }
            });
            dialog->setDirectory(folder_.path());
            dialog->selectFile(name);
            static_cast<QDialog*>(dialog)->accept();
            stayedOpen_ = dialog->isVisible();
            if (stayedOpen_) dialog->reject();
        });
        Trigger("V_Save_Item");
    }

    std::unique_ptr<TCalcForm> window;
    QObject context_;
    bool saveShown_ = false, questionAsked_ = false, stayedOpen_ = false;
    QTemporaryDir folder_;
};

TEST_F(ReportOutputTest, SavesTheMemoryListUnderTheNameAsTyped) {
    Save(QStringLiteral("empty"));
    EXPECT_TRUE(saveShown_);
    EXPECT_EQ(FileBytes(Path("empty")), QByteArray()) << "an empty list gives an empty file";

    Store("1");
    Store("1/2");
    Save(QStringLiteral("memory"));
    EXPECT_EQ(FileBytes(Path("memory")), "1;0;0\r\n0,5;0;0\r\n");
    EXPECT_FALSE(QFile::exists(Path("memory.txt")));

    Save(QString());
    EXPECT_TRUE(saveShown_);
    EXPECT_EQ(QDir(folder_.path()).entryList(QDir::Files), QStringList({"empty", "memory"}));
    EXPECT_TRUE(errors.isEmpty()) << errors.join('\n').toStdString();

    LangIndex = 1000;
    Save(QStringLiteral("missing/report.txt"));
    ASSERT_EQ(errors.size(), 1);
    EXPECT_TRUE(errors[0].startsWith("The file \"" + Path("missing/report.txt") + "\" could not be saved:\n"))
        << errors[0].toStdString();
    LangIndex = 2000;
    Save(QStringLiteral("missing/report.txt"));
    ASSERT_EQ(errors.size(), 2);
    EXPECT_TRUE(errors[1].startsWith("No se pudo guardar el archivo \"" + Path("missing/report.txt") + "\":\n"))
        << errors[1].toStdString();
}

TEST_F(ReportOutputTest, AnExistingFileIsReplacedOnlyWhenConfirmed) {
    Store("7");
    WriteFile(Path("old.txt"), "keep me");
    struct Row {
        const char* name;
        QMessageBox::StandardButton answer;
        QByteArray bytes;
    } rows[] = {{"declined", QMessageBox::No, "keep me"}, {"confirmed", QMessageBox::Yes, "7;0;0\r\n"}};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        Save(QStringLiteral("old.txt"), row.answer);
        EXPECT_TRUE(questionAsked_);
        EXPECT_EQ(stayedOpen_, row.answer == QMessageBox::No);
        EXPECT_EQ(FileBytes(Path("old.txt")), row.bytes);
    }
}

TEST_F(ReportOutputTest, PrintsToAPdfFileWithoutAPrinterAndSetsUpThePage) {
    Store("7");
    const QString pdf = Path("report.pdf");
    QString shown;
    for (const bool toFile : {false, true}) {
        QTimer::singleShot(0, &context_, [&shown, pdf, toFile] {
            auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            if (dialog == nullptr) return;
            shown = dialog->objectName();
            auto* file = dialog->findChild<QLineEdit*>(QStringLiteral("filename"));
            if (!toFile || file == nullptr) return dialog->reject();
            // The file printer, which the dialog offers whether or not a printer is installed.
            if (auto* printers = dialog->findChild<QComboBox*>(QStringLiteral("printers")))
                printers->setCurrentIndex(printers->findText(QStringLiteral("PDF"), Qt::MatchContains));
            file->setText(pdf);
            dialog->accept();
        });
        Trigger("V_Print_Item");
        EXPECT_EQ(shown, "PrintDialog");
        EXPECT_EQ(QFile::exists(pdf), toFile);
    }
    EXPECT_EQ(PdfPages(pdf), 1);

    QTimer::singleShot(0, &context_, [&shown] {
        QWidget* dialog = QApplication::activeModalWidget();
        shown = dialog != nullptr ? dialog->objectName() : QString();
        if (dialog != nullptr) dialog->close();
    });
    Trigger("PrinterSetup_Item");
    EXPECT_EQ(shown, "PrinterSetupDialog");
    EXPECT_TRUE(errors.isEmpty()) << errors.join('\n').toStdString();
}

// The layout on an A4 page of a PDF file at 300 dpi in a fixed-pitch font.
class PrintLayoutTest : public GuiTest {
protected:
    void SetUp() override {
        GuiTest::SetUp();
        writer = std::make_unique<QPdfWriter>(PdfPath());
        writer->setResolution(300);
        font = QFont(QStringLiteral("DejaVu Sans Mono"), 10);
        metrics = std::make_unique<QFontMetricsF>(font, writer.get());
        page = QSizeF(writer->width(), writer->height());
        lineHeight = metrics->height() + 2;
        linesPerPage = static_cast<int>(std::floor(page.height() / lineHeight)) - 2;
    }
    QString PdfPath() const { return folder_.filePath(QStringLiteral("layout.pdf")); }
    PrintLayout Layout(const QString& text) const { return LayoutPrintText(text, *metrics, page); }
    static QString Lines(int count) {
        QString text;
        for (int i = 1; i <= count; ++i)
            text += QString::number(i) + '\n';
        return text;
    }

    QTemporaryDir folder_;
    std::unique_ptr<QPdfWriter> writer;
    QFont font;
    std::unique_ptr<QFontMetricsF> metrics;
    QSizeF page;
    qreal lineHeight = 0;
    int linesPerPage = 0;
};

TEST_F(PrintLayoutTest, PagesBreakAboveTheBottomReserveAndAtFormFeeds) {
    ASSERT_GT(linesPerPage, 10);
    struct Row {
        const char* name;
        QString text;
        int pages;
    } rows[] = {{"empty report", QString(), 1},
                {"a page full, then its line break", Lines(linesPerPage), 1},
                {"one line more", Lines(linesPerPage + 1), 2},
                {"three pages", Lines(2 * linesPerPage + 1), 3},
                {"form feed", QStringLiteral("a\fb\n"), 2},
                {"two form feeds leave a blank page", QStringLiteral("a\f\fb"), 3},
                {"form feed at the end", QStringLiteral("a\n\f"), 1}};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const PrintLayout layout = Layout(row.text);
        EXPECT_EQ(layout.pageCount, row.pages);
        for (const PrintRun& run : layout.runs)
            EXPECT_LE(run.topLeft.y() + 3 * lineHeight, page.height()) << run.text.toStdString();
    }
    const PrintLayout two = Layout(Lines(linesPerPage + 1));
    ASSERT_EQ(two.runs.size(), static_cast<size_t>(linesPerPage + 1));
    EXPECT_EQ(two.runs[linesPerPage - 1].topLeft.y(), (linesPerPage - 1) * lineHeight);
    EXPECT_EQ(two.runs.back().page, 1);
    EXPECT_EQ(two.runs.back().topLeft, QPointF(0, 0));

    const PrintLayout ends = Layout(QStringLiteral("a\r\nb\rc\n\nd"));
    ASSERT_EQ(ends.runs.size(), 4u);
    EXPECT_EQ(ends.runs[3].topLeft.y(), 4 * lineHeight);

    const PrintLayout tiny = LayoutPrintText(QStringLiteral("ab\ncd"), *metrics, QSizeF(1, 1));
    EXPECT_EQ(tiny.pageCount, 4) << "a page too small for one line takes one character and ends";
}

TEST_F(PrintLayoutTest, LongLinesContinueAndTabsStopAtEightCharacters) {
    const qreal perLine = page.width() / metrics->horizontalAdvance(QLatin1Char('W'));
    const QString line(static_cast<int>(2.5 * perLine), QLatin1Char('W'));
    const PrintLayout layout = Layout(line);
    ASSERT_EQ(layout.runs.size(), 3u);
    QString joined;
    for (size_t i = 0; i < layout.runs.size(); ++i) {
        EXPECT_EQ(layout.runs[i].topLeft, QPointF(0, static_cast<qreal>(i) * lineHeight));
        EXPECT_LE(metrics->horizontalAdvance(layout.runs[i].text), page.width() + 0.01);
        joined += layout.runs[i].text;
    }
    EXPECT_EQ(joined, line);
    EXPECT_GT(metrics->horizontalAdvance(layout.runs[0].text + 'W'), page.width())
        << "broken as late as it fits";

    const qreal tab = 8 * metrics->averageCharWidth();
    for (const auto& [text, x] :
         {std::pair{"\tx", tab}, {"ab\tx", tab}, {"\t\tx", 2 * tab}, {"a\t\tx", 2 * tab}}) {
        SCOPED_TRACE(text);
        const PrintLayout tabs = Layout(QLatin1String(text));
        ASSERT_FALSE(tabs.runs.empty());
        EXPECT_EQ(tabs.runs.back().topLeft, QPointF(x, 0));
        EXPECT_EQ(tabs.runs.back().text, "x");
    }
}

TEST_F(PrintLayoutTest, LongReportPrintsEveryPageOfItsLayout) {
    const QString text = Lines(2 * linesPerPage) + QString(300, QLatin1Char('=')) + "\n\tend\n";
    EXPECT_EQ(Layout(text).pageCount, 3);
    EXPECT_EQ(PrintText(*writer, text, font), 3);
    writer.reset();
    EXPECT_EQ(PdfPages(PdfPath()), 3);
}

} // namespace
} // namespace quillon::test
