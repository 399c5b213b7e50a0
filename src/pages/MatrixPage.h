#pragma once

#include "pages/CalcPage.h"

namespace quillon {

// 3x3 matrices: the operations of the tool bar and the information report.
class MatrixPage : public CalcPage {
    Q_OBJECT
public:
    explicit MatrixPage(QWidget* parent = nullptr);
};

} // namespace quillon
