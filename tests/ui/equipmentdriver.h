// Drives the editor window's equipment panel as a player does, finding its controls by their
// object names: for tests that build a design through the widgets alone.
#pragma once

#include <QString>

class QWidget;

namespace fpw::testing {

// Selects the row of the available list whose text is exactly `text` (with its "(C) " or
// "(IS) " on a mixed design) and presses Add. False when no row shows that text.
bool addWeaponThroughPanel(QWidget& window, const QString& text);
// Selects the design's first entry whose text starts with `text` and presses Remove. False
// when no entry starts so.
bool removeWeaponThroughPanel(QWidget& window, const QString& text);

} // namespace fpw::testing
