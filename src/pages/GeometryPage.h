#pragma once

#include "pages/CalcPage.h"

namespace quillon {

// Points, lines, planes and spheres: two objects and the report of their relations.
class GeometryPage : public CalcPage {
    Q_OBJECT
public:
    explicit GeometryPage(QWidget* parent = nullptr);
};

} // namespace quillon
