#include "pages/GuiTest.h"

#include "app/About.h"
#include "core/Globals.h"
#include "core/NumberFormats.h"
#include "text/AllText.h"

#include <QApplication>
#include <QDate>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QUrl>

#include <cstdint>
#include <memory>

namespace quillon::test {
namespace {

class AboutTest : public GuiTest {
protected:
    void TearDown() override {
        box.reset();
        SetUrlOpener({});
        GuiTest::TearDown();
    }
    void Open() {
        box = std::make_unique<TAboutBox>();
        box->show();
        QApplication::setActiveWindow(box.get());
    }
    QString Label(const char* name) const { return Find<QLabel>(box.get(), name)->text(); }
    QLineEdit* Year() const { return Find<QLineEdit>(box.get(), "Year_Edit"); }
    void EnterYear(const QString& text) const {
        Year()->setText(text);
        QTest::keyClick(Year(), Qt::Key_Return);
    }

    std::unique_ptr<TAboutBox> box;
};

TEST_F(AboutTest, EnterShowsEasterAsPastOrFutureInTheLanguage) {
    struct Row {
        int language;
        const char* year;
        const char* label;
    } rows[] = {{0, "1818", "Das Osterfest war am 22.März 1818."},
                {0, "2285", "Das Osterfest ist am 22.März 2285."},
                {1000, "1999", "Easter was on 4.April 1999."},
                {1000, " 9999", "Easter is on 28.March 9999."},
                {1000, "1", "Easter was on 1.April 1."},
                {3000, "2000", "Pasqua è stata il 23.aprile 2000."}};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.year);
        LangIndex = row.language;
        Open();
        EnterYear(QString::fromUtf8(row.year));
        EXPECT_EQ(Label("GregDate_Label"), QString::fromUtf8(row.label));
        EXPECT_TRUE(box->isVisible()) << "Enter computes, it does not close the box";
        EXPECT_TRUE(Find<QPushButton>(box.get(), "OK_Button")->hasFocus());
    }
    EXPECT_TRUE(errors.isEmpty()) << errors.join('\n').toStdString();
}

TEST_F(AboutTest, EasterSundayItselfIsAlreadyPast) {
    LangIndex = 1000;
    struct Row {
        QDate today;
        const char* message;
    } rows[] = {{QDate(2024, 3, 30), "Easter is on 31.March 2024."},
                {QDate(2024, 3, 31), "Easter was on 31.March 2024."},
                {QDate(2023, 12, 31), "Easter is on 31.March 2024."},
                {QDate(2025, 1, 1), "Easter was on 31.March 2024."}};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.today.toString(Qt::ISODate).toStdString());
        EXPECT_EQ(EasterMessage(2024, row.today), row.message);
    }
}

TEST_F(AboutTest, YearsWithoutADateAreReportedAndKeepTheLastResult) {
    LangIndex = 1000;
    Open();
    EnterYear(QStringLiteral("2021"));
    const QString shown = Label("GregDate_Label");
    for (const char* text : {"", "abc", "0", "-5", "10000", "20.5", "99999999999", "2021x"}) {
        SCOPED_TRACE(text);
        errors.clear();
        EnterYear(QLatin1String(text));
        EXPECT_EQ(errors.size(), 1);
        EXPECT_EQ(Label("GregDate_Label"), shown);
    }
    errors.clear();
    Year()->setText(QStringLiteral("1999"));
    QTest::keyClick(Year(), Qt::Key_5);
    EXPECT_EQ(Year()->text(), "19995");
    EXPECT_EQ(Label("GregDate_Label"), shown) << "other keys only edit";
    EXPECT_TRUE(errors.isEmpty());
}

TEST_F(AboutTest, TextsAndTheTranslatorOfTheLanguage) {
    struct Row {
        int language;
        const char* credit; // the one visible, or none
        const char* memory;
    } rows[] = {{0, "", "Verfügbarer Windows-Speicher:"},
                {1000, "Label_english", "Memory:"},
                {2000, "Label_spanish", "Memoria:"},
                {3000, "Label_italian", "Memoria windows disponibile:"},
                {4000, "Label_portugese", "Memória:"}};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.language);
        LangIndex = row.language;
        TAboutBox about;
        for (const char* credit : {"Label_english", "Label_spanish", "Label_italian", "Label_portugese"})
            EXPECT_EQ(!Find<QLabel>(&about, credit)->isHidden(), QLatin1String(credit) == row.credit)
                << credit;
        EXPECT_EQ(Find<QLabel>(&about, "Label3")->text(), QString::fromUtf8(row.memory));
        EXPECT_EQ(Find<QLabel>(&about, "Label4")->text() + Find<QLabel>(&about, "Label5")->text(),
                  QString::fromStdString(Text(3) + Text(4)));
    }
    EXPECT_EQ(TAboutBox().windowTitle(), "Info zu Quillon");
}

TEST_F(AboutTest, MemoryIsCountedBeyondFourGibibytes) {
    struct Row {
        char separator;
        std::uint64_t kilobytes;
        const char* text;
    } rows[] = {{',', 524288, "524.288 KB"},      {',', 4194304, "4.194.304 KB"},
                {',', 6291456, "6.291.456 KB"},   {',', std::uint64_t(1) << 34, "17.179.869.184 KB"},
                {'.', 25165824, "25,165,824 KB"}, {',', 999, "999 KB"}};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.text);
        DecimalSeparator = row.separator;
        ThousandSeparator.clear();
        EXPECT_EQ(MemoryText(row.kilobytes), row.text);
    }

    // The figure is the machine's total memory as the kernel counts it.
    QFile meminfo(QStringLiteral("/proc/meminfo"));
    ASSERT_TRUE(meminfo.open(QIODevice::ReadOnly | QIODevice::Text));
    std::uint64_t total = 0;
    for (const QByteArray& line : meminfo.readAll().split('\n'))
        if (line.startsWith("MemTotal:")) total = line.mid(9).trimmed().split(' ').first().toULongLong();
    ASSERT_GT(total, 0u);
    EXPECT_EQ(PhysicalMemoryKB(), total);
    DecimalSeparator = ',';
    TAboutBox about;
    EXPECT_EQ(Find<QLabel>(&about, "PhysMem")->text(), MemoryText(total));
}

TEST_F(AboutTest, MailAndWebButtonsOpenTheProjectsAddresses) {
    QList<QUrl> opened;
    bool succeed = true;
    SetUrlOpener([&](const QUrl& url) {
        opened << url;
        return succeed;
    });
    Open();
    Find<QPushButton>(box.get(), "Mail_Button")->click();
    Find<QPushButton>(box.get(), "WWW_Button")->click();
    ASSERT_EQ(opened.size(), 2);
    EXPECT_EQ(opened[0], QUrl(QStringLiteral("mailto:")));
    EXPECT_TRUE(opened[1].isLocalFile()) << opened[1].toString().toStdString();
    EXPECT_EQ(QFileInfo(opened[1].toLocalFile()).fileName(), "README.md");
    EXPECT_TRUE(QFileInfo(opened[1].toLocalFile()).isFile());
    EXPECT_TRUE(errors.isEmpty());

    succeed = false;
    Find<QPushButton>(box.get(), "Mail_Button")->click();
    EXPECT_EQ(errors.size(), 1) << "a desktop that cannot open the address says so";
    Find<QPushButton>(box.get(), "OK_Button")->click();
    EXPECT_FALSE(box->isVisible());
}

} // namespace
} // namespace quillon::test
