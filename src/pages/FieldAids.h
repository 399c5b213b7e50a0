#pragma once

#include <QHash>
#include <QList>
#include <QObject>

class QAbstractButton;
class QLineEdit;
class QWidget;

// Small aids every page gives its fields: Return runs the page's calculation, a field whose text is not
// taken is marked, written texts show their beginning, and the focus chain follows the page's reading order.

namespace quillon {

// Return or Enter in a field clicks its button (through the button's own guarded handler) and goes no
// further, so that no default button of a surrounding window reacts as well.
class EnterKeyRunner : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

    void Add(QWidget* field, QAbstractButton* button);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QHash<QObject*, QAbstractButton*> buttons_;
};

// Sets the edit's dynamic property `invalid` (its text is not taken); a marked edit's frame and text are
// drawn red by a style rule the edit gets when it is first marked.
void MarkField(QLineEdit* edit, bool invalid);
bool IsMarked(const QLineEdit* edit);

// For every edit below `page`: a text the program writes shows its beginning (a sign and the leading
// digits, not the exponent's tail), and where the text is wider than the edit and the edit has no hint
// of its own, hovering shows the whole text.
void MakeFieldsReadable(QWidget* page);

// Names every button below `page` for screen readers by its hint, or by its caption where it has none.
// Run after the page's texts are set; names the page sets afterwards win.
void NameButtons(QWidget* page);

// Tab goes through `first` in this order, then through the page's other controls in the order they were
// made.
void ChainTabs(QWidget* page, const QList<QWidget*>& first);

} // namespace quillon
