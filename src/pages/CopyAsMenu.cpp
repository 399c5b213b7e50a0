#include "pages/CopyAsMenu.h"

#include "pages/CalcPage.h"
#include "pages/ErrorDisplay.h"
#include "pages/Mnemonics.h"

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QLineEdit>
#include <QMenu>

#include <memory>

namespace quillon {
namespace {

void CopyToClipboard(const CopyValue& value, const CopyForm& form) {
    QApplication::clipboard()->setText(QString::fromStdString(CopyText(value, form)));
}

QString Caption(const CopyForm& form) {
    return form.text >= 0 ? Tx(form.text) : QString::fromUtf8(form.name);
}

void ShowMenu(QLineEdit* field, const std::shared_ptr<const CopyReader>& read, const QPoint& globalPosition) {
    // The field's own entries stay as they are; the sub-menu goes first, with a separator below it.
    QMenu* menu = field->createStandardContextMenu();
    menu->setAttribute(Qt::WA_DeleteOnClose);
    QString taken; // the letters of the field's own entries
    for (const QAction* action : menu->actions())
        if (const QChar letter = MnemonicOf(action->text()); !letter.isNull()) taken += letter;
    auto* copyAs = new QMenu(WithMnemonics({Tx(820)}, taken).value(0), menu);
    copyAs->setObjectName(QStringLiteral("CopyAs_Menu"));
    QList<std::pair<QAction*, QString>> items;
    for (const CopyForm& form : CopyForms()) {
        QAction* action = copyAs->addAction(QString());
        items.append({action, Caption(form)});
        action->setObjectName(QStringLiteral("CopyAs%1_Action").arg(QLatin1String(form.id)));
        QObject::connect(action, &QAction::triggered, field,
                         Guarded([read, &form] { CopyToClipboard((*read)(), form); }));
    }
    SetMenuTexts(items);
    QAction* first = menu->actions().value(0);
    menu->insertMenu(first, copyAs);
    menu->insertSeparator(first);
    menu->popup(globalPosition);
}

// Watches one field and its parent: a disabled field (a result such as x of A*x = b) gets no context
// menu event itself, Qt hands it on to the parent.
class CopyAsHandler : public QObject {
public:
    CopyAsHandler(QLineEdit* field, std::shared_ptr<const CopyReader> read)
        : QObject(field), field_(field), read_(std::move(read)) {
        field->installEventFilter(this);
        if (QWidget* parent = field->parentWidget()) parent->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::ContextMenu) return false;
        const auto* e = static_cast<QContextMenuEvent*>(event);
        const bool ours = watched == field_ ? field_->isEnabled()
                                            : !field_->isEnabled() && field_->isVisible() &&
                                                  field_->geometry().contains(e->pos());
        if (ours) ShowMenu(field_, read_, e->globalPos());
        return ours;
    }

private:
    QLineEdit* field_;
    std::shared_ptr<const CopyReader> read_;
};

} // namespace

void AddCopyAsMenu(std::span<QLineEdit* const> fields, CopyReader read) {
    auto shared = std::make_shared<const CopyReader>(std::move(read));
    for (QLineEdit* field : fields)
        new CopyAsHandler(field, shared);
}

void AddCopyAsMenu(const std::array<QLineEdit*, 3>& edits, VectorCell& cell) {
    AddCopyAsMenu(edits, [edits, &cell] {
        ReadVectorEdits(edits[0], edits[1], edits[2], cell);
        return CopyOf(cell.value);
    });
}

} // namespace quillon
