#pragma once

#include "pages/CalcPage.h"

namespace quillon {

// Points, lines, planes and spheres: two objects and the report of their relations.
class GeometryPage : public CalcPage {
    Q_OBJECT
public:
    explicit GeometryPage(QWidget* parent = nullptr);

    QString FixedCaption() const override { return QStringLiteral("Punkt, Gerade,Ebene"); }
    int CaptionText() const override { return 19; }
    QString ReportName() const override { return QStringLiteral("PLE"); }
};

} // namespace quillon
