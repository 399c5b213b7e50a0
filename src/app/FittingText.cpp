#include "app/FittingText.h"

#include <QFontMetrics>
#include <QLabel>

namespace quillon {

void SetFittingText(QLabel* label, const QString& text) {
    label->setText(text);
    QFont font = label->parentWidget()->font();
    while (QFontMetrics(font).horizontalAdvance(text) > label->width() && font.pointSizeF() > 6)
        font.setPointSizeF(font.pointSizeF() - 0.5);
    label->setFont(font);
}

} // namespace quillon
