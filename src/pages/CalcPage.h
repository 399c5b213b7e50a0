#pragma once

#include "pages/ErrorDisplay.h"
#include "text/AllText.h"

#include <QPushButton>
#include <QString>
#include <QWidget>

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

    // Restores this page's keys and writes the values into its fields.
    virtual void ReadSettings(const IniFile& ini) { (void)ini; }
    // Takes over the fields first where the page does so, then stores its keys. May throw the
    // evaluation error of a field; the keys stored before it stay stored.
    virtual void WriteSettings(IniFile& ini) { (void)ini; }
    // Copies the current language's texts into the page's controls.
    virtual void ApplyTexts() {}
    // The page's own start-up steps, run after the settings are read and the texts applied.
    virtual void StartUp() {}

protected:
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
};

} // namespace quillon
