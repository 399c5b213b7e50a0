#pragma once

#include "math/GComplex.h"
#include "pages/CalcPage.h"

#include <functional>
#include <span>

class QBoxLayout;
class QGridLayout;
class QLabel;
class QLineEdit;

namespace quillon {

// A function button of the complex and quaternion pages: both apply a complex function to their first
// number (the quaternion page in the plane of the quaternion's axis) and name it in the result label.
struct FunctionButton {
    const char* caption;
    const char* name;
    const char* label;
    TComplex (*function)(TComplex);
};

// What the complex and quaternion pages share: three numbers whose fields follow each other while one is
// typed in, the label that names the last result, and the grid of function buttons.
class NumberPage : public CalcPage {
    Q_OBJECT
protected:
    using CalcPage::CalcPage;

    // A field showing "0" whose typing runs `changed` (if any) through the error display; the page
    // ignores its own writes through changeHandling_.
    QLineEdit* AddNumberField(QWidget* parent, const QString& name, std::function<void()> changed);
    // The bold, sunken label that names the last result, or why there is none.
    QLabel* AddResultLabel(QBoxLayout* page, const QString& name, const QString& initial);
    // The buttons eight to a row in a box added to `page`; a click runs `apply` with its entry. The page
    // puts its own buttons into the returned grid after them.
    QGridLayout* AddFunctionGrid(QBoxLayout* page, std::span<const FunctionButton> buttons,
                                 std::function<void(const FunctionButton&)> apply);

    QLabel* out_ = nullptr;
    // Off until start-up is done, and while the page writes into its own fields.
    bool changeHandling_ = false;
};

} // namespace quillon
