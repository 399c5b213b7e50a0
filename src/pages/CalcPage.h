#pragma once

#include "pages/ErrorDisplay.h"
#include "sketch/Scene.h"
#include "text/AllText.h"

#include <QFont>
#include <QPushButton>
#include <QSize>
#include <QString>
#include <QStringList>
#include <QWidget>

#include <functional>
#include <utility>

namespace quillon {

class IniFile;

// Text k of the current language, for a control.
inline QString Tx(int k) {
    return QString::fromStdString(Text(k));
}

// One calculator page of the main window. The window calls these hooks at start-up, on a language
// switch and at close, in its own order; a page knows nothing of the window or of the other pages.
class CalcPage : public QWidget {
    Q_OBJECT
public:
    using QWidget::QWidget;

    // When a page makes its controls: in its constructor, or (for the window, whose pages are mostly
    // hidden) when it is first shown or EnsureBuilt() is called. Until then the page has no controls,
    // and only its fixed descriptions (captions, sizes, report name) may be asked for.
    enum class Build { Now, OnDemand };
    // Makes the controls of a page built on demand, then runs the handler given for that; once only.
    void EnsureBuilt();
    bool IsBuilt() const { return !build_; }
    // What follows the building of a page built on demand: the window gives it its settings, texts
    // and start-up there.
    void SetBuiltHandler(std::function<void(CalcPage&)> handler) { builtHandler_ = std::move(handler); }
    // A page is built before it first becomes visible, so that its controls show with it.
    void setVisible(bool visible) override;

    // Restores this page's keys and writes the values into its fields.
    virtual void ReadSettings(const IniFile& ini) { (void)ini; }
    // Takes over the fields first where the page does so, then stores its keys. May throw the
    // evaluation error of a field; the keys stored before it stay stored.
    virtual void WriteSettings(IniFile& ini) { (void)ini; }
    // Copies the current language's texts into the page's controls.
    virtual void ApplyTexts() {}
    // The page's own start-up steps, run after the settings are read and the texts applied.
    virtual void StartUp() {}
    // Shut-down, before the settings are written: the page reads every field into its state. May
    // throw the evaluation error of a field, which keeps the window open.
    virtual void TakeOverFields() {}

    // The size of the whole window while this page is shown.
    virtual QSize WindowSize() const { return {550, 495}; }
    // The text number of the tab caption, or -1 where the caption is the same in every language.
    virtual int CaptionText() const { return -1; }
    // The caption before the texts are applied, and where CaptionText() is -1.
    virtual QString FixedCaption() const = 0;

    // The prefix of the File menu's save and print items of this page ("V" gives V_Save_Item and
    // V_Print_Item), or empty where the page offers nothing to save or print.
    virtual QString ReportName() const { return {}; }
    // The lines to save or print, as the page shows them.
    virtual QStringList ReportLines() const { return {}; }
    // The font the report is printed in.
    virtual QFont ReportFont() const { return font(); }

    // A hidden page reports no size, so that the page tabs, which size themselves for their largest
    // page, do not lay out the texts of every hidden page when the window first shows. The window
    // takes its size from the page it shows (WindowSize()), never from these hints.
    QSize sizeHint() const override { return isVisible() ? QWidget::sizeHint() : QSize(); }
    QSize minimumSizeHint() const override { return isVisible() ? QWidget::minimumSizeHint() : QSize(); }

    // What the sketch window draws for this page: its objects and what its last calculation found, from
    // the values the page holds (no field is read). The empty scene where the page has nothing to draw.
    virtual SketchScene Sketch() const { return {}; }

signals:
    // What Sketch() describes may have changed: after a calculation, or a new operation or object kind.
    void SketchChanged();

protected:
    // Runs `build` (which makes the controls) now, or keeps it for EnsureBuilt().
    void BuildControlsWhen(Build when, std::function<void()> build);

    // A button of this page named `name` whose clicks run `handler` through the error display. It is
    // never the default button, so Return in a field does not press it.
    template <class Handler>
    QPushButton* AddButton(const QString& caption, const QString& name, Handler handler) {
        auto* button = new QPushButton(caption, this);
        button->setObjectName(name);
        button->setAutoDefault(false);
        connect(button, &QPushButton::clicked, this, Guarded(std::move(handler)));
        return button;
    }

private:
    std::function<void()> build_;
    std::function<void(CalcPage&)> builtHandler_;
};

} // namespace quillon
