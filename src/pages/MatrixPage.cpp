#include "pages/MatrixPage.h"

namespace quillon {

MatrixPage::MatrixPage(QWidget* parent) : CalcPage(parent) {
    setObjectName(QStringLiteral("Matrix_TabSheet"));
}

} // namespace quillon
