#pragma once

// Map of Quillon. src/core: numbers <-> text (Handle), the formula parser on dual numbers, float
// errors, the settings file; src/math: vectors, bodies, matrices, complex numbers, quaternions;
// src/text: the five-language text table; src/sketch: the scene model of the 3D sketch window (view
// box, clipping, projection, depth order); src/pages: one widget per calculator page with its fields,
// cells and handlers, each a CalcPage that tells this window its size, caption, report and sketch
// scene, and the error display (ErrorDisplay) every handler runs through; src/app: this window, the
// dialogs, the sketch window, the settings sections (Init) and main.cpp.
// One request: typing "2*pi" into ax_Edit marks component x of the vector page's cell a stale; pressing
// V_Calc_Button runs the page's handler through the error display's guard, which reads the stale
// components with EvaluateText (postfix code on a stack of dual numbers), computes with src/math and
// writes the results with FormatNumber into dx_Edit..dz_Edit. An error ends the handler in a message box.

#include "app/Init.h"

#include <QMainWindow>
#include <QString>

#include <array>
#include <memory>
#include <vector>

class QAction;
class QMenu;
class QShowEvent;
class QTabWidget;

namespace quillon {

class CalcPage;
class IniFile;
class ReportOutput;
class TSketchForm;

class TCalcForm : public QMainWindow {
    Q_OBJECT
public:
    // Runs the whole start-up: reads the settings file at settingsPath (the file is written back there
    // when the window closes), asks for the language at the first start, sets up every page.
    explicit TCalcForm(const QString& settingsPath, QWidget* parent = nullptr);
    ~TCalcForm() override;

    // The current language's texts into the window and every page.
    void MainTextInit();

protected:
    // Shut-down: the pages take over their fields and the settings file is written. At a field that
    // does not evaluate the writing stops and the user is led to the field and asked whether to close
    // anyway; a file that cannot be written is reported, and the window closes with the old file intact.
    void closeEvent(QCloseEvent* event) override;
    // The first show reopens the sketch window where the last session left it open.
    void showEvent(QShowEvent* event) override;

private:
    void BuildMenu();
    void BuildPages();

    void FormCreate();
    // Menu visibility and window size for the page that is shown, as that page describes itself.
    void Tessaly_PageControlChange();
    void Exit_ItemClick();
    void Options_ItemClick();
    void Rates_ItemClick();
    void Info_ItemClick();
    void Sketch_ItemClick(bool checked);
    // Builds the sketch window the first time it is opened, never before.
    void OpenSketch();
    // The shown page's scene into the sketch window, while it is open.
    void RefreshSketch();
    // Where the sketch window is, for the settings file.
    SketchPlacement CurrentSketchPlacement() const;

    CalcPage* CurrentPage() const;
    SettingsPages Pages() const;
    // The pages built so far (only `only`, where given), the others null.
    SettingsPages BuiltPages(const CalcPage* only = nullptr) const;
    // A page built after the start-up gets what the start-up gave the pages built then.
    void SetUpBuiltPage(CalcPage& page);
    int StoredTabsheetIndex() const;

    QString settingsPath_;

    QTabWidget* Tessaly_PageControl = nullptr;
    // In tab order; TabsheetIndex stores the first five.
    std::array<CalcPage*, 6> pages_{};
    std::shared_ptr<const IniFile> storedSettings_;
    bool pagesStarted_ = false;
    int startPrecision_ = 0, startDigits_ = 0;

    // The save and print items of each page that offers a report, named after its ReportName().
    struct ReportItems {
        CalcPage* page;
        QAction* save;
        QAction* print;
    };
    std::vector<ReportItems> reportItems_;
    // The save, print and printer setup dialogs, which ask the item's page for its lines and font.
    std::unique_ptr<ReportOutput> reportOutput_;

    QMenu* File_Menu = nullptr;
    QAction* File_Item = nullptr;
    QAction* N1_Item = nullptr;
    QAction* PrinterSetup_Item = nullptr;
    QAction* N2_Item = nullptr;
    QAction* Exit_Item = nullptr;
    QAction* Options_Item = nullptr;
    QAction* Tools_Item = nullptr;
    QAction* Rates_Item = nullptr;
    QAction* Info_Item = nullptr;
    QMenu* View_Menu = nullptr;
    QAction* View_Item = nullptr;
    QAction* Sketch_Item = nullptr;

    // Built on first use; the placement is the stored one until then.
    TSketchForm* sketch_ = nullptr;
    SketchPlacement sketchPlacement_;
    bool shownOnce_ = false;
};

} // namespace quillon
