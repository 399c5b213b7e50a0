#include "pages/ArrowKeys.h"

#include <QKeyEvent>
#include <QWidget>

namespace quillon {

void ArrowKeyNavigator::Add(QWidget* field, const Neighbours& neighbours) {
    neighbours_.insert(field, neighbours);
    field->installEventFilter(this);
}

bool ArrowKeyNavigator::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress) return QObject::eventFilter(watched, event);
    const auto found = neighbours_.constFind(watched);
    if (found == neighbours_.constEnd()) return false;

    QWidget* target = nullptr;
    switch (static_cast<QKeyEvent*>(event)->key()) {
    case Qt::Key_Left:
        target = found->left;
        break;
    case Qt::Key_Up:
        target = found->up;
        break;
    case Qt::Key_Down:
        target = found->down;
        break;
    case Qt::Key_Right:
        target = found->right;
        break;
    default:
        return false;
    }
    // Without a neighbour the key keeps its ordinary meaning in the field.
    if (target == nullptr) return false;
    target->setFocus(Qt::OtherFocusReason);
    return true;
}

} // namespace quillon
