#include "ui/services/settingscolor.h"

#include <QApplication>
#include <QPalette>

namespace fpw::ui {
namespace {

constexpr std::uint32_t kSystemColorFlag = 0x80000000u;

// The system colour indices the settings can name, and the palette role that plays each part.
QPalette::ColorRole systemRole(std::uint32_t index) {
    switch (index) {
    case 5: // window background
        return QPalette::Base;
    case 13: // selection
        return QPalette::Highlight;
    case 14: // selected text
        return QPalette::HighlightedText;
    case 15: // button face
        return QPalette::Button;
    case 18: // button text
        return QPalette::ButtonText;
    default: // 8, the window text, and everything else
        return QPalette::WindowText;
    }
}

} // namespace

QColor toQColor(std::int32_t setting) {
    const auto bits = static_cast<std::uint32_t>(setting);
    if ((bits & kSystemColorFlag) != 0) {
        return QApplication::palette().color(systemRole(bits & 0xFFu));
    }
    return QColor(static_cast<int>(bits & 0xFFu), static_cast<int>((bits >> 8) & 0xFFu),
                  static_cast<int>((bits >> 16) & 0xFFu));
}

std::int32_t toSettingColor(const QColor& color) {
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(color.red()) |
                                     (static_cast<std::uint32_t>(color.green()) << 8) |
                                     (static_cast<std::uint32_t>(color.blue()) << 16));
}

} // namespace fpw::ui
