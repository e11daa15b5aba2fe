// The colour numbers of the settings (0x00BBGGRR, or a system colour with the top bit set)
// as Qt colours and back.
#pragma once

#include <cstdint>

#include <QColor>

namespace fpw::ui {

// A system colour is taken from the application's palette; an unknown one is the window text.
QColor toQColor(std::int32_t setting);
std::int32_t toSettingColor(const QColor& color);

} // namespace fpw::ui
