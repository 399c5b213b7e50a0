#pragma once

#include "pages/CalcPage.h"

namespace quillon {

// 3x3 matrices: the operations of the tool bar and the information report.
class MatrixPage : public CalcPage {
    Q_OBJECT
public:
    explicit MatrixPage(QWidget* parent = nullptr);

    QString FixedCaption() const override { return QStringLiteral("Matrix"); }
    int CaptionText() const override { return 29; }
    QSize WindowSize() const override { return {617, 495}; }
    QString ReportName() const override { return QStringLiteral("Matrix"); }
};

} // namespace quillon
