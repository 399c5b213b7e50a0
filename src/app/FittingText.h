#pragma once

class QLabel;
class QString;

namespace quillon {

// Sets a one-line label's text; a text longer than the label (some languages need more room than the
// dialog has) gets its font made smaller, down to 6 points, until it fits.
void SetFittingText(QLabel* label, const QString& text);

} // namespace quillon
