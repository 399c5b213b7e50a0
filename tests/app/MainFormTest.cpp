#include "pages/GuiTest.h"

#include "app/MainForm.h"
#include "core/Globals.h"
#include "core/Options.h"
#include "pages/Mnemonics.h"
#include "text/AllText.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTest>
#include <QTimer>

#include <memory>
#include <string_view>

#include <sys/stat.h>
#include <unistd.h>

namespace quillon::test {
namespace {

const QByteArray kNotFirst = "[Main]\nFirstStart=0\n";

class MainFormTest : public GuiTest {
protected:
    std::unique_ptr<TCalcForm> Open() { return std::make_unique<TCalcForm>(SettingsPath()); }

    void TearDown() override {
        EXPECT_TRUE(chooserProblems_.isEmpty()) << chooserProblems_.join('\n').toStdString();
        GuiTest::TearDown();
    }

    // Answers the language chooser once it is shown: checks the preselection and picks `item`
    // (or closes it with the close box when item is -1). What is wrong with the dialog is only
    // recorded here and asserted afterwards: a failure in here would leave it open.
    void AnswerChooser(int item) {
        chooserShown_ = false;
        QTimer::singleShot(0, &context_, [this, item] {
            QWidget* modal = QApplication::activeModalWidget();
            if (modal == nullptr) return; // not shown: the test checks chooserShown_
            chooserShown_ = modal->objectName() == "TLanguageForm";
            const auto radios = modal->findChildren<QRadioButton*>();
            auto* ok = modal->findChild<QPushButton*>(QStringLiteral("Button1"));
            if (!chooserShown_ || radios.size() != 5 || ok == nullptr) {
                chooserProblems_ << QStringLiteral("unexpected dialog %1 with %2 items")
                                        .arg(modal->objectName())
                                        .arg(radios.size());
                modal->close();
                return;
            }
            if (!radios[0]->isChecked()) chooserProblems_ << QStringLiteral("German is not preselected");
            if (radios[2]->text() != QString::fromUtf8("Español  / Castellano"))
                chooserProblems_ << QStringLiteral("item 2 reads ") + radios[2]->text();
            if (item < 0) {
                modal->close();
                return;
            }
            radios[item]->setChecked(true);
            ok->click();
        });
    }

    static QString Tab(const TCalcForm& window, int index) {
        return Find<QTabWidget>(&window, "Tessaly_PageControl")->tabText(index);
    }
    static QAction* Item(const TCalcForm& window, const char* name) {
        QAction* action = window.findChild<QAction*>(QLatin1String(name));
        EXPECT_NE(action, nullptr) << name;
        return action;
    }
    static void SetPage(const TCalcForm& window, int index) {
        Find<QTabWidget>(&window, "Tessaly_PageControl")->setCurrentIndex(index);
    }
    QByteArray FileText() const {
        QFile file(SettingsPath());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    QObject context_;
    bool chooserShown_ = false;
    QStringList chooserProblems_;
};

TEST_F(MainFormTest, FirstStartAsksForTheLanguageOnTheVectorPage) {
    AnswerChooser(0);
    auto window = Open();
    EXPECT_TRUE(chooserShown_);
    EXPECT_EQ(LangIndex, 0);
    EXPECT_EQ(Find<QTabWidget>(window.get(), "Tessaly_PageControl")->currentWidget()->objectName(),
              "Vektor_TabSheet");
    EXPECT_TRUE(Item(*window, "V_Save_Item")->isVisible());
    EXPECT_TRUE(Item(*window, "V_Print_Item")->isVisible());
    EXPECT_FALSE(Item(*window, "PLE_Save_Item")->isVisible());
    EXPECT_EQ(window->windowTitle(), "Quillon");
    EXPECT_EQ(Plain(Item(*window, "File_Item")->text()), "Datei");
    EXPECT_EQ(window->menuBar(), window->findChild<QMenuBar*>(QStringLiteral("MainMenu1")));
    EXPECT_TRUE(FormReady);
}

TEST_F(MainFormTest, ChooserSetsTheLanguageAndClosingItKeepsTheStoredOne) {
    AnswerChooser(3);
    auto italian = Open();
    EXPECT_EQ(LangIndex, 3000);
    EXPECT_EQ(Tab(*italian, 0), "Calcolo vettoriale");
    italian.reset();

    WriteSettingsFile("[Main]\nLangIndex=4000\n");
    AnswerChooser(-1);
    auto portuguese = Open();
    EXPECT_TRUE(chooserShown_);
    EXPECT_EQ(LangIndex, 4000);
    EXPECT_EQ(Plain(Item(*portuguese, "File_Item")->text()), "Arquivo");
}

TEST_F(MainFormTest, StoredLanguageLabelsTheWindow) {
    struct Row {
        const char* stored;
        const char* file;
        const char* vectorTab;
    } rows[] = {{"1000", "File", "Vector calculation"},
                {"0", "Datei", "Vektorrechnung"},
                {"2000", "File", "Cálculo vectorial"},
                {"7", "Datei", "Vektorrechnung"},
                {"$3E8", "File", "Vector calculation"}};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.stored);
        WriteSettingsFile(kNotFirst + "LangIndex=" + row.stored + "\n");
        auto window = Open();
        EXPECT_EQ(Plain(Item(*window, "File_Item")->text()), QString::fromUtf8(row.file));
        EXPECT_EQ(Tab(*window, 0), QString::fromUtf8(row.vectorTab));
        EXPECT_EQ(Tab(*window, 4), "Complex");
        EXPECT_EQ(Tab(*window, 5), "Quaternion");
    }
}

TEST_F(MainFormTest, EachPageSetsTheWindowSizeAndTheFileMenu) {
    WriteSettingsFile(kNotFirst);
    auto window = Open();
    struct Row {
        const char* page;
        int width, height;
        const char* visible; // the page's save and print items; empty: only Exit
    } rows[] = {{"TabSheet2", 550, 495, "PLE"},          {"K_TabSheet", 550, 495, ""},
                {"Matrix_TabSheet", 617, 495, "Matrix"}, {"Complex_TabSheet", 550, 495, ""},
                {"Quat_TabSheet", 617, 500, ""},         {"Vektor_TabSheet", 550, 495, "V"}};
    const QStringList owners = {"PLE", "V", "Matrix"};
    auto* pages = Find<QTabWidget>(window.get(), "Tessaly_PageControl");
    for (const Row& row : rows) {
        SCOPED_TRACE(row.page);
        pages->setCurrentWidget(Find<QWidget>(window.get(), row.page));
        EXPECT_EQ(window->size(), QSize(row.width, row.height));
        for (const QString& owner : owners) {
            const bool expected = owner == QLatin1String(row.visible);
            EXPECT_EQ(Item(*window, (owner + "_Save_Item").toLatin1())->isVisible(), expected)
                << owner.toStdString();
            EXPECT_EQ(Item(*window, (owner + "_Print_Item").toLatin1())->isVisible(), expected)
                << owner.toStdString();
        }
        const bool saving = *row.visible != '\0';
        for (const char* item : {"N1_Item", "PrinterSetup_Item", "N2_Item"}) {
            EXPECT_EQ(Item(*window, item)->isVisible(), saving) << item;
        }
        EXPECT_TRUE(Item(*window, "Exit_Item")->isVisible());
        EXPECT_TRUE(Item(*window, "Options_Item")->isVisible());
    }
}

TEST_F(MainFormTest, SettingsSurviveCloseAndRestart) {
    WriteSettingsFile("[Main]\nLangIndex=0\nFirstStart=0\n[Future]\nKeep=me\n");
    auto window = Open();
    LangIndex = 2000;
    FloatFormat = 3;
    Precision = 7;
    Digits = 2;
    PLE_inputout = false;
    PLE_mirror = false;
    PLE_Intersection = false;
    Matrix_Trennstrich = false;
    WLinks = "FRF";
    WRechts = "ITL";
    SetPage(*window, 3);
    Find<QLineEdit>(window.get(), "ax_Edit")->setText(QStringLiteral("1/3"));
    EXPECT_TRUE(window->close());
    window.reset();

    const QByteArray text = FileText();
    for (const char* line :
         {"[Main]\nLangIndex=2000\nFirstStart=0\n", "[Währung]\nWLinks=FRF\nWRechts=ITL\n",
          "PLE_inputout=0\nPLE_Clear=1\nPLE_Trennstrich=1\nPLE_mirror=0\nPLE_DistanceOut=1\nPLE_AddInfo=1\n"
          "PLE_Intersection=0\nTabsheetIndex=3\n",
          "[Format]\nFloatFormat=3\nCalcPrecision=7\nCalcDigits=2\n",
          "Matrix_Clear=1\nMatrix_Trennstrich=0\n", "[Future]\nKeep=me\n"}) {
        EXPECT_TRUE(text.contains(line)) << line << "\nin\n" << text.toStdString();
    }
    EXPECT_LT(text.indexOf("[Main]"), text.indexOf("[Währung]"));
    EXPECT_LT(text.indexOf("[Währung]"), text.indexOf("[PLE]"));
    EXPECT_LT(text.indexOf("[PLE]"), text.indexOf("[Format]"));
    EXPECT_LT(text.indexOf("[Format]"), text.indexOf("[Matrix]"));
    EXPECT_TRUE(text.contains("Va.x=0,333333333333333\n")) << text.toStdString();
    EXPECT_FALSE(text.contains("Matrix_Eigen")) << "a report option never switched on leaves no key";

    ResetOptions();
    LangIndex = 0;
    Precision = 5;
    Digits = 1;
    window = Open();
    EXPECT_EQ(LangIndex, 2000);
    EXPECT_EQ(FloatFormat, 3);
    EXPECT_EQ(Precision, 7);
    EXPECT_EQ(Digits, 2);
    EXPECT_FALSE(PLE_inputout);
    EXPECT_TRUE(PLE_Clear);
    EXPECT_TRUE(PLE_mirror) << "switched on again at every start";
    EXPECT_FALSE(PLE_Intersection);
    EXPECT_TRUE(Matrix_Clear);
    EXPECT_FALSE(Matrix_Trennstrich);
    EXPECT_EQ(WLinks, "FRF");
    EXPECT_EQ(WRechts, "ITL");
    EXPECT_EQ(Find<QTabWidget>(window.get(), "Tessaly_PageControl")->currentIndex(), 3);
    EXPECT_EQ(window->size(), QSize(617, 495));
    EXPECT_EQ(Find<QLineEdit>(window.get(), "ax_Edit")->text(), "0,3333333")
        << "restored with the stored precision";
    EXPECT_TRUE(errors.isEmpty()) << errors.join('\n').toStdString();
}

TEST_F(MainFormTest, StoredPageIndexAndFormat) {
    struct Row {
        const char* file;
        int page;
        int format;
    } rows[] = {{"TabsheetIndex=5", 0, 0},
                {"TabsheetIndex=-1", 0, 0},
                {"TabsheetIndex=4", 4, 0},
                {"TabsheetIndex=$2", 2, 0}};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.file);
        WriteSettingsFile(kNotFirst + "[PLE]\n" + row.file + "\n[Format]\nFloatFormat=7\n");
        auto window = Open();
        EXPECT_EQ(Find<QTabWidget>(window.get(), "Tessaly_PageControl")->currentIndex(), row.page);
        EXPECT_EQ(FloatFormat, row.format);
    }

    // A bool is any non-zero integer: the coordinate page opens in degrees.
    WriteSettingsFile(kNotFirst + "[Koordinatensysteme]\nKDegMode=2\n");
    {
        auto window = Open();
        SetPage(*window, 2);
        const auto items = Find<QWidget>(window.get(), "K_Rad_Deg_RadioGroup")->findChildren<QRadioButton*>();
        ASSERT_EQ(items.size(), 2);
        EXPECT_TRUE(items[1]->isChecked()) << items[1]->text().toStdString();
    }

    // The quaternion page is stored as the vector page.
    WriteSettingsFile(kNotFirst);
    auto window = Open();
    SetPage(*window, 5);
    EXPECT_TRUE(window->close());
    EXPECT_TRUE(FileText().contains("TabsheetIndex=0\n"));
}

// Pages make their controls when first shown. A page opened late must show what it would have shown
// when built at start-up (its stored values, the current language), and the file written at close
// must be the same whether the pages were opened or not.
TEST_F(MainFormTest, PagesBuiltWhenFirstShownKeepTheirSettings) {
    const QByteArray stored =
        kNotFirst +
        "[Vektorrechnung]\nVa.x=3\n[Koordinatensysteme]\nKDegMode=1\n"
        "[PLE]\nTabsheetIndex=4\n[MatrixA]\nMA[2,3]=-7\nMA[3,1]=0.123456789\n[Complex]\nCz1.Re=5\n";
    QByteArray closedAtOnce;
    for (const bool openEveryPage : {false, true}) {
        SCOPED_TRACE(openEveryPage ? "every page opened" : "closed at once");
        WriteSettingsFile(stored);
        LangIndex = 0;
        auto window = Open();
        Precision = 2; // as the options dialog sets it: pages not yet shown still show the stored digits
        auto* tabs = Find<QTabWidget>(window.get(), "Tessaly_PageControl");
        EXPECT_EQ(tabs->currentIndex(), 4);
        EXPECT_EQ(window->findChild<QLineEdit*>(QStringLiteral("MA23_Edit")), nullptr) << "not built yet";
        if (openEveryPage) {
            LangIndex = 1000;
            window->MainTextInit();
            for (int page = 0; page < tabs->count(); ++page)
                SetPage(*window, page);
            SetPage(*window, 4);
            EXPECT_EQ(Find<QLineEdit>(window.get(), "MA23_Edit")->text(), "-7");
            EXPECT_EQ(Find<QLineEdit>(window.get(), "ax_Edit")->text(), "3");
            EXPECT_EQ(Find<QLineEdit>(window.get(), "MA31_Edit")->text(), "0,12346");
            EXPECT_EQ(Find<QPushButton>(window.get(), "V_Calc_Button")->text(),
                      QString::fromStdString(Texts(1018)));
        }
        EXPECT_TRUE(window->close());
        QByteArray written = FileText();
        if (openEveryPage) {
            written.replace("LangIndex=1000", "LangIndex=0");
            EXPECT_EQ(written.toStdString(), closedAtOnce.toStdString());
        } else {
            closedAtOnce = written;
            EXPECT_TRUE(written.contains("MA[2,3]=-7")) << written.toStdString();
            EXPECT_TRUE(written.contains("Va.x=3\n")) << written.toStdString();
            EXPECT_TRUE(written.contains("MA[3,1]=0,12346\n")) << written.toStdString();
        }
    }
    EXPECT_TRUE(errors.isEmpty()) << errors.join('\n').toStdString();
}

TEST_F(MainFormTest, BrokenFilesGiveTheDefaults) {
    QByteArray garbage(1 << 20, '\0');
    for (int i = 0; i < garbage.size(); ++i)
        garbage[i] = static_cast<char>((i * 7919LL + 13) % 251);
    QByteArray megabyte = "[Main]\nFirstStart=0\n[Format]\n";
    while (megabyte.size() < (1 << 20))
        megabyte += "CalcPrecision=" + QByteArray(500, '9') + "\n";
    struct Row {
        const char* name;
        QByteArray contents;
        bool chooser;
    } rows[] = {{"missing", QByteArray(), true},
                {"empty", QByteArray(""), true},
                {"binary", garbage, true},
                {"megabyte", megabyte, false}};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        QFile::remove(SettingsPath());
        if (!row.contents.isNull()) WriteSettingsFile(row.contents);
        LangIndex = 3000;
        Precision = 12;
        FloatFormat = 2;
        PLE_Clear = false;
        Matrix_Clear = false;
        if (row.chooser) AnswerChooser(-1);
        auto window = Open();
        if (row.chooser) {
            EXPECT_TRUE(chooserShown_);
        }
        EXPECT_EQ(LangIndex, 0);
        EXPECT_EQ(Precision, 5);
        EXPECT_EQ(Digits, 1);
        EXPECT_EQ(FloatFormat, 0);
        EXPECT_TRUE(PLE_Clear);
        EXPECT_TRUE(Matrix_Clear);
        EXPECT_EQ(WLinks, "DEM");
        EXPECT_EQ(Find<QTabWidget>(window.get(), "Tessaly_PageControl")->currentIndex(), 0);
    }
}

TEST_F(MainFormTest, UnwritableFileIsReportedAndKeptAndTheWindowCloses) {
    // A name that fits the folder while the temporary file beside it does not: this fails even for root.
    const QString path = QDir(QFileInfo(SettingsPath()).path()).filePath(QString(245, 'q') + ".ini");
    const QByteArray old = "[Main]\nFirstStart=0\nLangIndex=1000\n";
    {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(old);
    }
    TCalcForm window(path);
    LangIndex = 0;
    EXPECT_TRUE(window.close());
    ASSERT_EQ(errors.size(), 1);
    EXPECT_TRUE(errors[0].contains(path)) << errors[0].toStdString();
    EXPECT_TRUE(errors[0].contains("File name too long")) << errors[0].toStdString();
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), old);
}

TEST_F(MainFormTest, FileThatCannotBeReadIsReportedAtStartAndNotReplaced) {
    // Root reads a file without read permission, so that row only runs for other users.
    const bool root = ::geteuid() == 0;
    struct Row {
        const char* name;
        bool (*make)(const QString& path);
        const char* reason;
    } rows[] = {
        {"fifo", [](const QString& path) { return ::mkfifo(QFile::encodeName(path).constData(), 0600) == 0; },
         "not a regular file"},
        {"no read permission",
         [](const QString& path) {
             QFile file(path);
             return file.open(QIODevice::WriteOnly) && file.write("[Main]\nFirstStart=0\n") > 0 &&
                    file.setPermissions(QFileDevice::WriteOwner);
         },
         "Permission denied"},
    };
    for (const Row& row : rows) {
        if (root && std::string_view(row.name) == "no read permission") continue;
        SCOPED_TRACE(row.name);
        QFile::remove(SettingsPath());
        ASSERT_TRUE(row.make(SettingsPath()));
        const QFileInfo before(SettingsPath());
        errors.clear();
        AnswerChooser(1);
        auto window = Open();
        ASSERT_EQ(errors.size(), 1);
        EXPECT_TRUE(errors[0].contains(SettingsPath())) << errors[0].toStdString();
        EXPECT_TRUE(errors[0].contains(row.reason)) << errors[0].toStdString();
        EXPECT_TRUE(errors[0].startsWith(QString::fromStdString(Text(790)))) << errors[0].toStdString();

        errors.clear();
        EXPECT_TRUE(window->close());
        EXPECT_EQ(errors.size(), 1); // the close says again that the file was not written
        const QFileInfo after(SettingsPath());
        EXPECT_EQ(after.isFile(), before.isFile());
        EXPECT_EQ(after.size(), before.size());
        EXPECT_EQ(after.lastModified(), before.lastModified());
    }
}

// The close question for a field that does not evaluate: shown over the field's page, in the current
// language; Cancel keeps the window on the field, "Close anyway" closes it with the keys before the field
// written and the rest as the file had them. A field the operation hides still gets the question.
TEST_F(MainFormTest, ClosingWithAFieldThatDoesNotEvaluateAsks) {
    struct Row {
        const char* field;
        bool focusable;
    } rows[] = {{"ax_Edit", true}, {"cx_Edit", false}};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.field);
        WriteSettingsFile(kNotFirst + "[Format]\nCalcPrecision=9\n");
        auto window = Open();
        window->show();
        QApplication::setActiveWindow(window.get());
        auto* pages = Find<QTabWidget>(window.get(), "Tessaly_PageControl");
        auto* field = Find<QLineEdit>(window.get(), row.field);
        ASSERT_NE(field, nullptr);
        field->setText(QStringLiteral("2*("));
        pages->setCurrentIndex(4);
        LangIndex = 1000;
        Precision = 7;

        for (const char* answer : {"Cancel_Button", "CloseAnyway_Button"}) {
            SCOPED_TRACE(answer);
            QString text, caption, shownPage;
            bool fieldFocused = false;
            QTimer::singleShot(0, &context_, [&] {
                QWidget* modal = QApplication::activeModalWidget();
                if (modal == nullptr) return;
                caption = modal->windowTitle();
                if (auto* box = qobject_cast<QMessageBox*>(modal)) text = box->text();
                shownPage = pages->currentWidget()->objectName();
                fieldFocused = window->focusWidget() == field;
                if (auto* button = modal->findChild<QPushButton*>(QLatin1String(answer)))
                    button->click();
                else
                    modal->close();
            });
            const bool closed = window->close();
            EXPECT_EQ(closed, std::string_view(answer) == "CloseAnyway_Button");
            EXPECT_EQ(caption, "Quillon");
            EXPECT_EQ(text,
                      "The brackets in '(' are not balanced\n\nClose anyway? The settings will then not be "
                      "saved completely.");
            EXPECT_EQ(shownPage, "Vektor_TabSheet");
            EXPECT_EQ(fieldFocused, row.focusable);
            if (!closed) {
                EXPECT_EQ(window->focusWidget() == field, row.focusable);
                EXPECT_EQ(field->selectedText(), row.focusable ? field->text() : QString());
            }
            // Written before the vector fields: the language; after them: the format, left as it was.
            EXPECT_TRUE(FileText().contains("LangIndex=1000")) << FileText().toStdString();
            EXPECT_TRUE(FileText().contains("CalcPrecision=9")) << FileText().toStdString();
            EXPECT_TRUE(errors.isEmpty()) << errors.join('\n').toStdString();
        }
        EXPECT_FALSE(window->isVisible());
    }
}

// Messages in the current language, and the focus on the field they come from, with its text selected.
TEST_F(MainFormTest, ErrorsAreWordedInTheLanguageAndLeadToTheirField) {
    struct Row {
        int language;
        const char* field;
        const char* text;
        const char* message;
    } rows[] = {
        {1000, "ax_Edit", "1/0", "Floating point division by zero"},
        {1000, "bz_Edit", "exp(20000)", "Floating point overflow"},
        {1000, "ay_Edit", "2X", "'2x' is not a valid floating point value"},
        {1000, "by_Edit", "ln(100",
         "The closing bracket after the argument of the function in 'ln(100' is missing"},
        {2000, "bx_Edit", "sqrt(0)", "Operación de coma flotante no válida"},
        {2000, "az_Edit", "q", "'q' no es un nombre conocido"},
        {0, "ax_Edit", "", "Die Formel ist leer"},
    };
    WriteSettingsFile(kNotFirst);
    auto window = Open();
    window->show();
    QApplication::setActiveWindow(window.get());
    for (const Row& row : rows) {
        SCOPED_TRACE(row.text);
        LangIndex = row.language;
        for (const char* name : {"ax_Edit", "ay_Edit", "az_Edit", "bx_Edit", "by_Edit", "bz_Edit"})
            Find<QLineEdit>(window.get(), name)->setText(QStringLiteral("1"));
        auto* field = Find<QLineEdit>(window.get(), row.field);
        field->setText(QString::fromUtf8(row.text));
        Find<QPushButton>(window.get(), "V_Calc_Button")->setFocus();
        errors.clear();
        Find<QPushButton>(window.get(), "V_Calc_Button")->click();
        EXPECT_EQ(errors, QStringList{QString::fromUtf8(row.message)});
        EXPECT_EQ(window->focusWidget(), field);
        EXPECT_EQ(field->selectedText(), field->text());
    }
}

// Every visible item of a menu, and every title of the menu bar, has a letter of its own, in every
// language and on every page (the page decides which save and print items show).
TEST_F(MainFormTest, MenuMnemonicsAreDistinctInEveryLanguage) {
    WriteSettingsFile(kNotFirst);
    auto window = Open();
    auto* pages = Find<QTabWidget>(window.get(), "Tessaly_PageControl");
    QList<QWidget*> menus = {window->menuBar()};
    for (QMenu* menu : window->menuBar()->findChildren<QMenu*>())
        menus << menu;
    for (int language = 0; language <= 4000; language += 1000) {
        LangIndex = language;
        window->MainTextInit();
        for (int page = 0; page < pages->count(); ++page) {
            pages->setCurrentIndex(page);
            for (QWidget* menu : menus) {
                SCOPED_TRACE(QStringLiteral("%1 page %2 %3")
                                 .arg(language)
                                 .arg(page)
                                 .arg(menu->objectName())
                                 .toStdString());
                QString letters;
                for (QAction* action : menu->actions()) {
                    if (!action->isVisible() || action->isSeparator()) continue;
                    const QChar letter = MnemonicOf(action->text());
                    EXPECT_FALSE(letter.isNull()) << action->text().toStdString();
                    EXPECT_FALSE(letters.contains(letter)) << action->text().toStdString();
                    letters += letter;
                }
            }
        }
    }
}

TEST_F(MainFormTest, StandardShortcutsReachTheShownPagesItems) {
    WriteSettingsFile(kNotFirst);
    auto window = Open();
    window->show();
    QApplication::setActiveWindow(window.get());
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    SetPage(*window, 3);
    QSignalSpy matrixSave(Item(*window, "Matrix_Save_Item"), &QAction::triggered);
    QSignalSpy vectorSave(Item(*window, "V_Save_Item"), &QAction::triggered);
    QTimer::singleShot(0, &context_, [] {
        if (QWidget* modal = QApplication::activeModalWidget()) modal->close();
    });
    QTest::keyClick(window.get(), Qt::Key_S, Qt::ControlModifier);
    EXPECT_EQ(matrixSave.count(), 1);
    EXPECT_EQ(vectorSave.count(), 0);

    QApplication::setActiveWindow(window.get());
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    QTest::keyClick(window.get(), Qt::Key_Q, Qt::ControlModifier);
    EXPECT_FALSE(window->isVisible());
    EXPECT_TRUE(FileText().contains("m_Status=")) << FileText().toStdString();
}

TEST_F(MainFormTest, ExitItemClosesAndWritesTheFile) {
    WriteSettingsFile(kNotFirst);
    auto window = Open();
    window->show();
    Item(*window, "Exit_Item")->trigger();
    EXPECT_FALSE(window->isVisible());
    EXPECT_TRUE(FileText().contains("FirstStart=0"));
    EXPECT_TRUE(FileText().contains("CalcPrecision=5"));
}

TEST_F(MainFormTest, ToolsAndInfoItemsOpenTheirDialogs) {
    WriteSettingsFile(kNotFirst);
    auto window = Open();
    for (const char* item : {"Rates_Item", "Info_Item", "Tools_Item"})
        EXPECT_TRUE(Item(*window, item)->isVisible()) << item;
    EXPECT_EQ(Plain(Item(*window, "Rates_Item")->text()), QString::fromUtf8("Währungsumrechnung"));
    struct Row {
        const char* item;
        const char* dialog;
    } rows[] = {{"Rates_Item", "TRatesForm"}, {"Info_Item", "TAboutBox"}};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.item);
        QString shown;
        QTimer::singleShot(0, &context_, [&shown] {
            if (QWidget* modal = QApplication::activeModalWidget()) {
                shown = modal->objectName();
                modal->close();
            }
        });
        Item(*window, row.item)->trigger();
        EXPECT_EQ(shown, row.dialog);
        EXPECT_EQ(window->findChild<QWidget*>(QLatin1String(row.dialog)), nullptr) << "freed when closed";
    }
}

TEST_F(MainFormTest, EigenOptionIsStoredBesideTheMatrixOptions) {
    const struct {
        const char* file;
        bool set;
        const char* written;
    } rows[] = {{"", true, "Matrix_Trennstrich=1\nMatrix_Eigen=1\n"},
                {"[Matrix]\nMatrix_Eigen=1\n", false, "Matrix_Eigen=0\n"}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.file);
        WriteSettingsFile(kNotFirst + row.file);
        auto window = Open();
        EXPECT_EQ(Matrix_Eigen, !row.set);
        Matrix_Eigen = row.set;
        EXPECT_TRUE(window->close());
        EXPECT_TRUE(FileText().contains(row.written)) << FileText().toStdString();
    }
}

// The quaternion page's rotation buttons reach the matrix page through the window.
TEST_F(MainFormTest, RotationButtonsConnectTheQuaternionAndMatrixPages) {
    WriteSettingsFile(kNotFirst);
    auto window = Open();
    const auto edit = [&window](const QString& name) {
        return Find<QLineEdit>(window.get(), name.toLatin1());
    };
    const auto click = [&window](const char* name) { Find<QPushButton>(window.get(), name)->click(); };
    SetPage(*window, 5); // the matrix page is never opened: the buttons build it
    edit("Q1Re_Edit")->setText("1");
    edit("Q1k_Edit")->setText("1");
    click("QToMatrix_Button");
    const char* quarterTurn[9] = {"0", "-1", "0", "1", "0", "0", "0", "0", "1"};
    for (int n = 0; n < 9; ++n)
        EXPECT_EQ(edit(QStringLiteral("MC%1%2_Edit").arg(n / 3 + 1).arg(n % 3 + 1))->text(), quarterTurn[n])
            << n;

    click("MCA_Copy_Button");
    edit("Q1k_Edit")->setText("0");
    click("QFromMatrix_Button");
    EXPECT_EQ(edit("Q1Re_Edit")->text(), "0,70711");
    EXPECT_EQ(edit("Q1k_Edit")->text(), "0,70711");
    EXPECT_TRUE(errors.isEmpty()) << errors.join('\n').toStdString();
}

} // namespace
} // namespace quillon::test
