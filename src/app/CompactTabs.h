#pragma once

class QTabWidget;

namespace quillon {

// Narrower tabs, so that every caption of a fixed-size window fits in every language without the
// tab bar's scroll arrows.
void CompactTabs(QTabWidget* tabs);

} // namespace quillon
