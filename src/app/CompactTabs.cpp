#include "app/CompactTabs.h"

#include <QProxyStyle>
#include <QTabBar>
#include <QTabWidget>

namespace quillon {

namespace {

// The platform's tabs with less room beside each caption.
class CompactTabStyle : public QProxyStyle {
public:
    using QProxyStyle::QProxyStyle;
    int pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* widget) const override {
        if (metric == PM_TabBarTabHSpace) return 10;
        return QProxyStyle::pixelMetric(metric, option, widget);
    }
};

} // namespace

void CompactTabs(QTabWidget* tabs) {
    tabs->setUsesScrollButtons(false);
    tabs->tabBar()->setExpanding(false);
    auto* style = new CompactTabStyle;
    style->setParent(tabs->tabBar());
    tabs->tabBar()->setStyle(style);
}

} // namespace quillon
