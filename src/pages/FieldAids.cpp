#include "pages/FieldAids.h"

#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QAbstractSpinBox>
#include <QComboBox>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QStyle>
#include <QToolTip>
#include <QWidget>

#include <memory>

namespace quillon {
namespace {

constexpr const char* InvalidProperty = "invalid";

// Red on both light and dark colour schemes; the frame says it even to those who do not read the text.
constexpr const char* FieldMarkRule = "QLineEdit[invalid=\"true\"] { color: #d01010; border: 1px solid #d01010; }";

// Shows the whole text of an edit that is too narrow for it, where the edit has no hint of its own.
class WholeTextHint : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::ToolTip) return false;
        auto* edit = static_cast<QLineEdit*>(watched);
        if (!edit->toolTip().isEmpty()) return false;
        const QRect room = edit->contentsRect().adjusted(4, 0, -4, 0);
        if (edit->fontMetrics().horizontalAdvance(edit->text()) <= room.width()) return false;
        QToolTip::showText(static_cast<QHelpEvent*>(event)->globalPos(), edit->text(), edit);
        return true;
    }
};

// Controls inside these are parts of one control, which takes the focus for them.
bool InsideCompound(const QWidget* widget, const QWidget* page) {
    for (const QWidget* w = widget->parentWidget(); w && w != page; w = w->parentWidget())
        if (qobject_cast<const QComboBox*>(w) || qobject_cast<const QAbstractScrollArea*>(w) ||
            qobject_cast<const QAbstractSpinBox*>(w))
            return true;
    return false;
}

} // namespace

void EnterKeyRunner::Add(QWidget* field, QAbstractButton* button) {
    buttons_.insert(field, button);
    field->installEventFilter(this);
}

bool EnterKeyRunner::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress) return QObject::eventFilter(watched, event);
    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter) return false;
    if ((key->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier) return false;
    const auto found = buttons_.constFind(watched);
    if (found == buttons_.constEnd()) return false;
    found.value()->click();
    return true;
}

void MarkField(QLineEdit* edit, bool invalid) {
    if (IsMarked(edit) == invalid) return;
    edit->setProperty(InvalidProperty, invalid);
    // The rule is installed on the first mark, not with the field: a widget with a style sheet of its
    // own is polished through the style-sheet machinery, which would cost every start for fields that
    // are never marked. Once there, the rule stays; it matches only while the property is true.
    if (edit->styleSheet().isEmpty()) {
        edit->setStyleSheet(QLatin1String(FieldMarkRule));
        return;
    }
    // A style sheet looks at dynamic properties only when the widget is polished again.
    edit->style()->unpolish(edit);
    edit->style()->polish(edit);
    edit->update();
}

bool IsMarked(const QLineEdit* edit) {
    return edit->property(InvalidProperty).toBool();
}

void MakeFieldsReadable(QWidget* page) {
    auto* hint = new WholeTextHint(page);
    for (QLineEdit* edit : page->findChildren<QLineEdit*>()) {
        if (InsideCompound(edit, page)) continue;
        edit->installEventFilter(hint);
        // setText leaves the cursor at the end, which scrolls a long number to its tail. Typing keeps
        // its cursor: textEdited comes just before the textChanged of the same change.
        auto typed = std::make_shared<bool>(false);
        QObject::connect(edit, &QLineEdit::textEdited, edit, [typed] { *typed = true; });
        QObject::connect(edit, &QLineEdit::textChanged, edit, [edit, typed] {
            if (!*typed) edit->setCursorPosition(0);
            *typed = false;
        });
    }
}

void NameButtons(QWidget* page) {
    for (QAbstractButton* button : page->findChildren<QAbstractButton*>()) {
        QString name = button->toolTip().isEmpty() ? button->text() : button->toolTip();
        button->setAccessibleName(name.remove(QLatin1Char('&')));
    }
}

void ChainTabs(QWidget* page, const QList<QWidget*>& first) {
    QList<QWidget*> chain = first;
    for (QWidget* widget : page->findChildren<QWidget*>()) {
        if (widget->isWindow() || !(widget->focusPolicy() & Qt::TabFocus) || InsideCompound(widget, page))
            continue;
        if (!chain.contains(widget)) chain << widget;
    }
    for (qsizetype i = 1; i < chain.size(); ++i)
        QWidget::setTabOrder(chain[i - 1], chain[i]);
}

} // namespace quillon
