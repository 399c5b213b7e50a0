#include "pages/CalcPage.h"

namespace quillon {

void CalcPage::EnsureBuilt() {
    if (!build_) return;
    const std::function<void()> build = std::move(build_);
    build_ = nullptr;
    build();
    if (builtHandler_) builtHandler_(*this);
}

void CalcPage::setVisible(bool visible) {
    if (visible) EnsureBuilt();
    QWidget::setVisible(visible);
}

void CalcPage::BuildControlsWhen(Build when, std::function<void()> build) {
    if (when == Build::Now)
        build();
    else
        build_ = std::move(build);
}

} // namespace quillon
