#include "app/MainForm.h"

#include "app/About.h"
#include "app/CompactTabs.h"
#include "app/Options.h"
#include "app/Rates.h"
#include "app/ReportOutput.h"
#include "app/SetLanguage.h"
#include "app/SketchForm.h"
#include "core/IniFile.h"
#include "core/Options.h"
#include "pages/CalcPage.h"
#include "pages/ComplexPage.h"
#include "pages/CoordinatePage.h"
#include "pages/ErrorDisplay.h"
#include "pages/GeometryPage.h"
#include "pages/MatrixPage.h"
#include "pages/Mnemonics.h"
#include "pages/Pictures.h"
#include "pages/QuaternionPage.h"
#include "pages/VectorPage.h"
#include "text/AllText.h"

#include <QAction>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QShowEvent>
#include <QTabWidget>

#include <exception>

namespace quillon {
namespace {

// TabsheetIndex stores the first five pages in tab order; the quaternion page is stored as 0.
constexpr int kStoredPages = 5;

QAction* NamedAction(QObject* parent, const QString& name) {
    auto* action = new QAction(parent);
    action->setObjectName(name);
    return action;
}

QString SaveFailedText(const QString& reason) {
    return Tx(715) + QLatin1Char('\n') + reason;
}

// Whether the user closes the window although the settings cannot all be taken over: the message of
// the field's error and the question, with "Cancel" as the answer of Escape and of the close box.
bool CloseAnyway(const QString& message, QWidget* parent) {
    QMessageBox box(QMessageBox::Warning, Tx(0), message + QStringLiteral("\n\n") + Tx(716),
                    QMessageBox::NoButton, parent);
    box.setObjectName(QStringLiteral("CloseQuestion_MessageBox"));
    QPushButton* close = box.addButton(Tx(717), QMessageBox::DestructiveRole);
    close->setObjectName(QStringLiteral("CloseAnyway_Button"));
    QPushButton* cancel = box.addButton(Tx(718), QMessageBox::RejectRole);
    cancel->setObjectName(QStringLiteral("Cancel_Button"));
    box.setDefaultButton(cancel);
    box.setEscapeButton(cancel);
    box.exec();
    return box.clickedButton() == close;
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
    BuildPages();
    BuildMenu();
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

    // Only the shown page's pair is visible, so one save and one print item show at a time.
    for (CalcPage* page : pages_) {
        const QString name = page->ReportName();
        if (name.isEmpty()) continue;
        reportItems_.push_back({page, NamedAction(this, name + QStringLiteral("_Save_Item")),
                                NamedAction(this, name + QStringLiteral("_Print_Item"))});
        // Only the shown page's pair is visible, and a hidden action takes no shortcut.
        reportItems_.back().save->setShortcut(QKeySequence::Save);
        reportItems_.back().print->setShortcut(QKeySequence::Print);
    }
    for (const ReportItems& items : reportItems_)
        File_Menu->addAction(items.save);
    N1_Item = File_Menu->addSeparator();
    N1_Item->setObjectName(QStringLiteral("N1_Item"));
    for (const ReportItems& items : reportItems_)
        File_Menu->addAction(items.print);
    PrinterSetup_Item = NamedAction(this, QStringLiteral("PrinterSetup_Item"));
    File_Menu->addAction(PrinterSetup_Item);
    N2_Item = File_Menu->addSeparator();
    N2_Item->setObjectName(QStringLiteral("N2_Item"));
    Exit_Item = NamedAction(this, QStringLiteral("Exit_Item"));
    // Not every platform theme binds Quit; Ctrl+Q is what the desktops use.
    Exit_Item->setShortcut(
        QKeySequence::keyBindings(QKeySequence::Quit).value(0, QKeySequence(Qt::CTRL | Qt::Key_Q)));
    File_Menu->addAction(Exit_Item);

    View_Menu = menuBar()->addMenu(QString());
    View_Menu->setObjectName(QStringLiteral("View_Menu"));
    View_Item = View_Menu->menuAction();
    View_Item->setObjectName(QStringLiteral("View_Item"));
    Sketch_Item = NamedAction(this, QStringLiteral("Sketch_Item"));
    Sketch_Item->setCheckable(true);
    View_Menu->addAction(Sketch_Item);

    Options_Item = NamedAction(this, QStringLiteral("Options_Item"));
    menuBar()->addAction(Options_Item);

    QMenu* tools = menuBar()->addMenu(QString());
    tools->setObjectName(QStringLiteral("Tools_Menu"));
    Tools_Item = tools->menuAction();
    Tools_Item->setObjectName(QStringLiteral("Tools_Item"));
    Rates_Item = NamedAction(this, QStringLiteral("Rates_Item"));
    tools->addAction(Rates_Item);

    Info_Item = NamedAction(this, QStringLiteral("Info_Item"));
    menuBar()->addAction(Info_Item);

    reportOutput_ = std::make_unique<ReportOutput>(this);
    for (const ReportItems& items : reportItems_) {
        CalcPage* page = items.page;
        connect(items.save, &QAction::triggered, this,
                Guarded([this, page] { reportOutput_->Save(page->ReportLines()); }));
        connect(items.print, &QAction::triggered, this,
                Guarded([this, page] { reportOutput_->Print(page->ReportLines(), page->ReportFont()); }));
    }
    connect(PrinterSetup_Item, &QAction::triggered, this, Guarded([this] { reportOutput_->PrinterSetup(); }));
    connect(Exit_Item, &QAction::triggered, this, Guarded([this] { Exit_ItemClick(); }));
    connect(Options_Item, &QAction::triggered, this, Guarded([this] { Options_ItemClick(); }));
    connect(Rates_Item, &QAction::triggered, this, Guarded([this] { Rates_ItemClick(); }));
    connect(Info_Item, &QAction::triggered, this, Guarded([this] { Info_ItemClick(); }));
    connect(Sketch_Item, &QAction::triggered, this, [this](bool checked) { Sketch_ItemClick(checked); });
}

void TCalcForm::BuildPages() {
    Tessaly_PageControl = new QTabWidget(this);
    Tessaly_PageControl->setObjectName(QStringLiteral("Tessaly_PageControl"));
    CompactTabs(Tessaly_PageControl);
    setCentralWidget(Tessaly_PageControl);

    // A page makes its controls when it is first shown: most of them are never opened in a session.
    constexpr CalcPage::Build later = CalcPage::Build::OnDemand;
    auto* matrix = new MatrixPage(nullptr, later);
    auto* quaternion = new QuaternionPage(nullptr, later);
    pages_ = {new VectorPage(nullptr, later),     new GeometryPage(nullptr, later),
              new CoordinatePage(nullptr, later), matrix,
              new ComplexPage(nullptr, later),    quaternion};
    // The quaternion page's rotation buttons work on the matrix page; neither page knows the other.
    connect(quaternion, &QuaternionPage::RotationMatrixOut, matrix, [matrix](const TMatrix& rotation) {
        matrix->EnsureBuilt();
        matrix->ShowInC(rotation);
    });
    quaternion->SetRotationSource([matrix] {
        matrix->EnsureBuilt();
        return matrix->ReadMatrixA();
    });
    for (CalcPage* page : pages_) {
        page->SetBuiltHandler([this](CalcPage& built) { SetUpBuiltPage(built); });
        Tessaly_PageControl->addTab(page, page->FixedCaption());
        connect(page, &CalcPage::SketchChanged, this, [this, page] {
            if (page == CurrentPage()) RefreshSketch();
        });
    }
}

CalcPage* TCalcForm::CurrentPage() const {
    return static_cast<CalcPage*>(Tessaly_PageControl->currentWidget());
}

SettingsPages TCalcForm::Pages() const {
    return {pages_[0], pages_[1], pages_[2], pages_[3], pages_[4], pages_[5]};
}

SettingsPages TCalcForm::BuiltPages(const CalcPage* only) const {
    SettingsPages pages = Pages();
    for (CalcPage** page : {&pages.vector, &pages.geometry, &pages.coordinate, &pages.matrix, &pages.complex,
                            &pages.quaternion}) {
        if (!(*page)->IsBuilt() || (only != nullptr && *page != only)) *page = nullptr;
    }
    return pages;
}

void TCalcForm::SetUpBuiltPage(CalcPage& page) {
    // Pages built during the start-up are set up by it, in its order.
    if (!pagesStarted_) return;
    // The start-up writes the stored values in the precision of that time, and a field keeps its text
    // (which is what the page stores at close) until the page calculates; a page built after the options
    // changed writes them the same way, or a page never opened would store its values rounded anew.
    struct StartPrecision {
        const int precision = Precision;
        const int digits = Digits;
        StartPrecision(int startPrecision, int startDigits) {
            Precision = startPrecision;
            Digits = startDigits;
        }
        ~StartPrecision() {
            Precision = precision;
            Digits = digits;
        }
    } const restored(startPrecision_, startDigits_);
    ReadPageSettings(*storedSettings_, BuiltPages(&page));
    RunGuarded([&page] { page.ApplyTexts(); });
    RunGuarded([&page] { page.StartUp(); });
}

void TCalcForm::FormCreate() {
    FormReady = false;
    const WindowSettings stored = ReadSettings(settingsPath_.toStdString(), SettingsPages{});
    // Pages opened later read their sections as the file was at start-up.
    storedSettings_ = stored.file;
    sketchPlacement_ = stored.sketch;
    const int tab = stored.tabsheetIndex;
    // Showing the page builds it.
    Tessaly_PageControl->setCurrentIndex(tab >= 0 && tab < kStoredPages ? tab : 0);
    ReadPageSettings(*storedSettings_, BuiltPages());

    if (stored.firstStart) {
        TLanguageForm chooser(this);
        chooser.exec();
    }
    // Mirror images are on at every start, whatever the file says; unticking them lasts one session.
    PLE_mirror = true;
    MainTextInit();
    if (!stored.unreadable.empty())
        ShowError(QString::fromStdString(Text(790)) + QLatin1Char('\n') + settingsPath_ +
                  QStringLiteral(": ") + QString::fromStdString(stored.unreadable) + QLatin1Char('\n') +
                  QString::fromStdString(Text(791)));
    Tessaly_PageControlChange();
    for (CalcPage* page : pages_) {
        if (page->IsBuilt()) RunGuarded([page] { page->StartUp(); });
    }
    startPrecision_ = Precision;
    startDigits_ = Digits;
    pagesStarted_ = true;
    FormReady = true;

    // Connected last: start-up already ran the handler for the restored page.
    connect(Tessaly_PageControl, &QTabWidget::currentChanged, this,
            Guarded([this] { Tessaly_PageControlChange(); }));
}

void TCalcForm::MainTextInit() {
    setWindowTitle(Tx(0));
    for (int i = 0; i < Tessaly_PageControl->count(); ++i) {
        const int k = static_cast<CalcPage*>(Tessaly_PageControl->widget(i))->CaptionText();
        if (k >= 0) Tessaly_PageControl->setTabText(i, Tx(k));
    }
    SetMenuTexts({{File_Item, Tx(45)},
                  {View_Item, Tx(760)},
                  {Options_Item, Tx(54)},
                  {Tools_Item, QStringLiteral("Tools")},
                  {Info_Item, Tx(55)}});
    QList<std::pair<QAction*, QString>> file;
    for (const ReportItems& items : reportItems_)
        file.append({items.save, Tx(46)});
    for (const ReportItems& items : reportItems_)
        file.append({items.print, Tx(49)});
    file.append({{PrinterSetup_Item, Tx(51)}, {Exit_Item, Tx(53)}});
    SetMenuTexts(file);
    SetMenuTexts({{Sketch_Item, Tx(761)}});
    SetMenuTexts({{Rates_Item, Tx(40)}});
    for (CalcPage* page : pages_) {
        if (page->IsBuilt()) RunGuarded([page] { page->ApplyTexts(); });
    }
    if (sketch_ != nullptr) {
        sketch_->ApplyTexts();
        RefreshSketch();
    }
}

void TCalcForm::Tessaly_PageControlChange() {
    CalcPage* shown = CurrentPage();
    bool saving = false;
    for (const ReportItems& items : reportItems_) {
        const bool own = items.page == shown;
        items.save->setVisible(own);
        items.print->setVisible(own);
        saving = saving || own;
    }
    N1_Item->setVisible(saving);
    PrinterSetup_Item->setVisible(saving);
    N2_Item->setVisible(saving);
    setFixedSize(shown->WindowSize());
    RefreshSketch();
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

void TCalcForm::Rates_ItemClick() {
    TRatesForm rates(this);
    rates.exec();
}

void TCalcForm::Info_ItemClick() {
    TAboutBox about(this);
    about.exec();
}

void TCalcForm::Sketch_ItemClick(bool checked) {
    if (checked)
        OpenSketch();
    else if (sketch_ != nullptr)
        sketch_->close();
}

void TCalcForm::OpenSketch() {
    if (sketch_ == nullptr) {
        sketch_ = new TSketchForm(this);
        connect(sketch_, &TSketchForm::Closed, this, [this] { Sketch_Item->setChecked(false); });
        const SketchPlacement& p = sketchPlacement_;
        const QRect stored(p.left, p.top, p.width, p.height);
        const QSize smallest = sketch_->minimumSizeHint();
        bool onScreen = false;
        for (const QScreen* screen : QGuiApplication::screens()) {
            const QRect shared = screen->availableGeometry().intersected(stored);
            onScreen = onScreen || (shared.width() >= 64 && shared.height() >= 64);
        }
        // A place from another screen layout, or a size that is no size, is not restored.
        if (p.stored && onScreen && p.width >= smallest.width() && p.height >= smallest.height()) {
            sketch_->setGeometry(stored);
        } else {
            // Beside the main window where the screen has room for it; the window manager decides else.
            const QRect beside(frameGeometry().topRight() + QPoint(8, 0), sketch_->frameGeometry().size());
            if (screen()->availableGeometry().contains(beside)) sketch_->move(beside.topLeft());
        }
    }
    Sketch_Item->setChecked(true);
    sketch_->show();
    sketch_->raise();
    RefreshSketch();
}

void TCalcForm::RefreshSketch() {
    if (sketch_ == nullptr || !sketch_->isVisible()) return;
    SketchScene scene;
    int note = TSketchForm::NothingToSketchText;
    try {
        scene = CurrentPage()->Sketch();
    } catch (const std::exception&) {
        // Values whose constructions overflow are not drawn at all rather than half.
        scene = {};
        note = TSketchForm::CannotSketchText;
    }
    sketch_->ShowScene(scene, note);
}

SketchPlacement TCalcForm::CurrentSketchPlacement() const {
    SketchPlacement p;
    p.stored = true;
    p.open = sketch_->isVisible();
    const QRect place = sketch_->geometry();
    p.left = place.left();
    p.top = place.top();
    p.width = place.width();
    p.height = place.height();
    return p;
}

void TCalcForm::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (shownOnce_) return;
    shownOnce_ = true;
    if (sketchPlacement_.stored && sketchPlacement_.open) OpenSketch();
}

int TCalcForm::StoredTabsheetIndex() const {
    const int index = Tessaly_PageControl->currentIndex();
    return index < kStoredPages ? index : 0;
}

void TCalcForm::closeEvent(QCloseEvent* event) {
    QString failure; // the message of a field that cannot be taken over
    QPointer<QWidget> field;
    TakeFailingField();
    // Every page writes its sections as it always has; one never opened is built for that.
    for (CalcPage* page : pages_)
        page->EnsureBuilt();
    try {
        for (CalcPage* page : pages_)
            page->TakeOverFields();
        const SketchPlacement sketch = sketch_ != nullptr ? CurrentSketchPlacement() : SketchPlacement{};
        WriteSettings(settingsPath_.toStdString(), Pages(), StoredTabsheetIndex(),
                      sketch_ != nullptr ? &sketch : nullptr);
    } catch (const SettingsFileError& error) {
        // The old file is intact; keeping the window open would not make the folder writable, and
        // the user could not leave the program at all.
        ShowError(SaveFailedText(QString::fromUtf8(error.what())));
    } catch (const std::exception& error) {
        // What was written before the field stays in the file; the user decides about the rest.
        field = TakeFailingField();
        failure = ErrorMessage(error);
    }
    if (!failure.isNull()) {
        LeadToField(field);
        if (!CloseAnyway(failure, this)) {
            LeadToField(field);
            event->ignore();
            return;
        }
    }
    event->accept();
    if (sketch_ != nullptr) sketch_->hide();
}

} // namespace quillon
