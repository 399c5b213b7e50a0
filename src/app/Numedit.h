#pragma once

#include <QLineEdit>

namespace quillon {

// An edit with an integer Number: the text read as a decimal integer, 0 when it is not one.
// No key filtering and no range check.
class TNumEdit : public QLineEdit {
    Q_OBJECT
public:
    using QLineEdit::QLineEdit;

    int Number() const;
    void SetNumber(int value);
};

} // namespace quillon
