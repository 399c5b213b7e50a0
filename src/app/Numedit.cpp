#include "app/Numedit.h"

namespace quillon {

int TNumEdit::Number() const {
    bool ok = false;
    const int value = text().trimmed().toInt(&ok, 10);
    return ok ? value : 0;
}

void TNumEdit::SetNumber(int value) {
    setText(QString::number(value));
}

} // namespace quillon
