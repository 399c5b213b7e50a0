#include "pages/GeometryPage.h"

namespace quillon {

GeometryPage::GeometryPage(QWidget* parent) : CalcPage(parent) {
    setObjectName(QStringLiteral("TabSheet2"));
}

} // namespace quillon
