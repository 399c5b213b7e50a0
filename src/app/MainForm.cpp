#include "app/MainForm.h"

#include "app/CompactTabs.h"
#include "app/Options.h"
#include "app/SetLanguage.h"
#include "core/Options.h"
#include "pages/CalcPage.h"
#include "pages/ComplexPage.h"
#include "pages/CoordinatePage.h"
#include "pages/ErrorDisplay.h"
#include "pages/GeometryPage.h"
#include "pages/MatrixPage.h"
#include "pages/Pictures.h"
#include "pages/QuaternionPage.h"
#include "pages/VectorPage.h"
#include "text/AllText.h"

#include <QAction>
#include <QCloseEvent>
#include <QMenu>
#include <QMenuBar>
#include <QTabWidget>

namespace quillon {
namespace {

// Tab order of the pages; TabsheetIndex stores the first five, the quaternion page is stored as 0.
enum PageIndex { VectorIndex, GeometryIndex, CoordinateIndex, MatrixIndex, ComplexIndex, QuaternionIndex };

QAction* NamedAction(QObject* parent, const char* name) {
    auto* action = new QAction(parent);
    action->setObjectName(QLatin1String(name));
    return action;
}

QString SaveFailedText(const QString& reason) {
    const QString intro = LangIndex == 0
                              ? QStringLiteral("Die Einstellungen konnten nicht gespeichert werden:")
                              : QStringLiteral("The settings could not be saved:");
    return intro + QLatin1Char('\n') + reason;
}

} // namespace

TCalcForm::TCalcForm(const QString& settingsPath, QWidget* parent)
    : QMainWindow(parent), settingsPath_(settingsPath) {
    InitResources();
    setObjectName(QStringLiteral("TCalcForm"));
    setWindowTitle(QStringLiteral("Quillon"));
    // Fixed single border with the system menu and the minimise box only.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    BuildMenu();
    BuildPages();
    resize(615, 450);
    FormCreate();
}

TCalcForm::~TCalcForm() = default;

void TCalcForm::BuildMenu() {
    menuBar()->setObjectName(QStringLiteral("MainMenu1"));
    File_Menu = menuBar()->addMenu(QString());
    File_Menu->setObjectName(QStringLiteral("File_Menu"));
    File_Item = File_Menu->menuAction();
    File_Item->setObjectName(QStringLiteral("File_Item"));

    PLE_Save_Item = NamedAction(this, "PLE_Save_Item");
    V_Save_Item = NamedAction(this, "V_Save_Item");
    Matrix_Save_Item = NamedAction(this, "Matrix_Save_Item");
    Matrix_Print_Item = NamedAction(this, "Matrix_Print_Item");
    PLE_Print_Item = NamedAction(this, "PLE_Print_Item");
    V_Print_Item = NamedAction(this, "V_Print_Item");
    PrinterSetup_Item = NamedAction(this, "PrinterSetup_Item");
    Exit_Item = NamedAction(this, "Exit_Item");
    for (QAction* item : {PLE_Save_Item, V_Save_Item, Matrix_Save_Item})
        File_Menu->addAction(item);
    N1_Item = File_Menu->addSeparator();
    N1_Item->setObjectName(QStringLiteral("N1_Item"));
    for (QAction* item : {Matrix_Print_Item, PLE_Print_Item, V_Print_Item, PrinterSetup_Item})
        File_Menu->addAction(item);
    N2_Item = File_Menu->addSeparator();
    N2_Item->setObjectName(QStringLiteral("N2_Item"));
    File_Menu->addAction(Exit_Item);

    Options_Item = NamedAction(this, "Options_Item");
    menuBar()->addAction(Options_Item);

    QMenu* tools = menuBar()->addMenu(QStringLiteral("Tools"));
    tools->setObjectName(QStringLiteral("Tools_Menu"));
    Tools_Item = tools->menuAction();
    Tools_Item->setObjectName(QStringLiteral("Tools_Item"));
    Rates_Item = NamedAction(this, "Rates_Item");
    tools->addAction(Rates_Item);

    Info_Item = NamedAction(this, "Info_Item");
    menuBar()->addAction(Info_Item);

    // The conversion dialog and the about box are not built yet; until then their items
    // (and the tools menu, which would be empty) stay hidden.
    Rates_Item->setVisible(false);
    Tools_Item->setVisible(false);
    Info_Item->setVisible(false);

    connect(Exit_Item, &QAction::triggered, this, Guarded([this] { Exit_ItemClick(); }));
    connect(Options_Item, &QAction::triggered, this, Guarded([this] { Options_ItemClick(); }));
}

void TCalcForm::BuildPages() {
    Tessaly_PageControl = new QTabWidget(this);
    Tessaly_PageControl->setObjectName(QStringLiteral("Tessaly_PageControl"));
    CompactTabs(Tessaly_PageControl);
    setCentralWidget(Tessaly_PageControl);

    Vektor_TabSheet = new VectorPage;
    TabSheet2 = new GeometryPage;
    K_TabSheet = new CoordinatePage;
    Matrix_TabSheet = new MatrixPage;
    Complex_TabSheet = new ComplexPage;
    Quat_TabSheet = new QuaternionPage;
    // The captions of the complex and quaternion pages are the same in every language.
    Tessaly_PageControl->addTab(Vektor_TabSheet, QStringLiteral("Vektorrechnung"));
    Tessaly_PageControl->addTab(TabSheet2, QStringLiteral("Punkt, Gerade,Ebene"));
    Tessaly_PageControl->addTab(K_TabSheet, QStringLiteral("Koordinatensysteme"));
    Tessaly_PageControl->addTab(Matrix_TabSheet, QStringLiteral("Matrix"));
    Tessaly_PageControl->addTab(Complex_TabSheet, QStringLiteral("Complex"));
    Tessaly_PageControl->addTab(Quat_TabSheet, QStringLiteral("Quaternion"));
}

std::array<CalcPage*, 6> TCalcForm::TabOrder() const {
    return {Vektor_TabSheet, TabSheet2, K_TabSheet, Matrix_TabSheet, Complex_TabSheet, Quat_TabSheet};
}

SettingsPages TCalcForm::Pages() const {
    return {Vektor_TabSheet, TabSheet2, K_TabSheet, Matrix_TabSheet, Complex_TabSheet, Quat_TabSheet};
}

void TCalcForm::FormCreate() {
    FormReady = false;
    const WindowSettings stored = ReadSettings(settingsPath_.toStdString(), Pages());
    const int tab = stored.tabsheetIndex;
    Tessaly_PageControl->setCurrentIndex(tab >= VectorIndex && tab <= ComplexIndex ? tab : VectorIndex);

    if (stored.firstStart) {
        TLanguageForm chooser(this);
        chooser.exec();
    }
    // Mirror images are on at every start, whatever the file says; unticking them lasts one session.
    PLE_mirror = true;
    MainTextInit();
    Tessaly_PageControlChange();
    PageShow(Tessaly_PageControl->currentIndex());
    for (CalcPage* page : TabOrder())
        RunGuarded([page] { page->StartUp(); });
    FormReady = true;

    // Connected last: start-up already ran both handlers for the restored page.
    connect(Tessaly_PageControl, &QTabWidget::currentChanged, this, Guarded([this] {
                Tessaly_PageControlChange();
                PageShow(Tessaly_PageControl->currentIndex());
            }));
}

void TCalcForm::MainTextInit() {
    setWindowTitle(Tx(0));
    const auto caption = [this](QWidget* page, int k) {
        Tessaly_PageControl->setTabText(Tessaly_PageControl->indexOf(page), Tx(k));
    };
    caption(Vektor_TabSheet, 1);
    caption(TabSheet2, 19);
    caption(K_TabSheet, 30);
    caption(Matrix_TabSheet, 29);
    Rates_Item->setText(Tx(40));
    File_Item->setText(Tx(45));
    for (QAction* item : {PLE_Save_Item, V_Save_Item, Matrix_Save_Item})
        item->setText(Tx(46));
    for (QAction* item : {PLE_Print_Item, V_Print_Item, Matrix_Print_Item})
        item->setText(Tx(49));
    PrinterSetup_Item->setText(Tx(51));
    Exit_Item->setText(Tx(53));
    Options_Item->setText(Tx(54));
    Info_Item->setText(Tx(55));
    for (CalcPage* page : TabOrder())
        RunGuarded([page] { page->ApplyTexts(); });
}

void TCalcForm::Tessaly_PageControlChange() {
    QWidget* page = Tessaly_PageControl->currentWidget();
    const bool ple = page == TabSheet2;
    const bool vector = page == Vektor_TabSheet;
    const bool matrix = page == Matrix_TabSheet;
    PLE_Save_Item->setVisible(ple);
    PLE_Print_Item->setVisible(ple);
    V_Save_Item->setVisible(vector);
    V_Print_Item->setVisible(vector);
    Matrix_Save_Item->setVisible(matrix);
    Matrix_Print_Item->setVisible(matrix);
    const bool saving = ple || vector || matrix;
    N1_Item->setVisible(saving);
    PrinterSetup_Item->setVisible(saving);
    N2_Item->setVisible(saving);
}

void TCalcForm::PageShow(int index) {
    switch (index) {
    case VectorIndex:
        Vektor_TabSheetShow();
        break;
    case GeometryIndex:
        TabSheet2Show();
        break;
    case CoordinateIndex:
        K_TabSheetShow();
        break;
    case MatrixIndex:
        Matrix_TabSheetShow();
        break;
    case ComplexIndex:
        Complex_TabSheetShow();
        break;
    case QuaternionIndex:
        Quat_TabSheetShow();
        break;
    default:
        break;
    }
}

void TCalcForm::Vektor_TabSheetShow() {
    setFixedSize(550, 495);
}
void TCalcForm::TabSheet2Show() {
    setFixedSize(550, 495);
}
void TCalcForm::K_TabSheetShow() {
    setFixedSize(550, 495);
}
void TCalcForm::Matrix_TabSheetShow() {
    setFixedSize(617, 495);
}
void TCalcForm::Complex_TabSheetShow() {
    setFixedSize(550, 495);
}
void TCalcForm::Quat_TabSheetShow() {
    setFixedSize(617, 500);
}

void TCalcForm::Exit_ItemClick() {
    close();
}

void TCalcForm::Options_ItemClick() {
    const int language = LangIndex;
    {
        TOptionsForm options(this);
        options.exec();
    }
    // The pages keep their selections while their texts are refilled.
    if (LangIndex != language) MainTextInit();
}

int TCalcForm::StoredTabsheetIndex() const {
    const int index = Tessaly_PageControl->currentIndex();
    return index >= VectorIndex && index <= ComplexIndex ? index : VectorIndex;
}

void TCalcForm::closeEvent(QCloseEvent* event) {
    bool pageFailed = false;
    RunGuarded([&] {
        try {
            WriteSettings(settingsPath_.toStdString(), Pages(), StoredTabsheetIndex());
        } catch (const SettingsFileError& error) {
            // The old file is intact; keeping the window open would not make the folder writable, and
            // the user could not leave the program at all.
            ShowError(SaveFailedText(QString::fromUtf8(error.what())));
        } catch (...) {
            pageFailed = true;
            throw;
        }
    });
    if (pageFailed)
        event->ignore();
    else
        event->accept();
}

} // namespace quillon
