// Filling the editor's selection controls from what the editor offers, without the filling
// itself reaching the handlers.
#pragma once

#include <span>
#include <string_view>

#include <QString>

#include "catalog/equipment.h"
#include "editor/componentchoices.h"

class QAbstractButton;
class QComboBox;
class QSpinBox;
class QWidget;

namespace fpw::ui {

// The list's entries, the stored value selected (none when it is missing), enabled and shown
// as the editor says. Signals are blocked while it fills.
void showChoices(QComboBox* combo, const editor::ChoiceList& choices);
void showOption(QAbstractButton* box, const editor::OptionState& state, bool checked);
void showValue(QSpinBox* spin, int minimum, int maximum, int value, bool enabled = true);

// The catalogue code of a list entry; -1 for a text the vocabulary does not hold.
template <typename Row> int codeOf(std::span<const Row> table, const QString& text) {
    const QByteArray utf8 = text.toUtf8();
    const std::string_view name(utf8.constData(), static_cast<std::size_t>(utf8.size()));
    for (const Row& row : table) {
        if (row.shortName == name) {
            return row.code;
        }
    }
    return -1;
}

// A control and its caption: the caption's buddy, shown and hidden with it.
void setShownWithCaption(QWidget* control, bool visible);

} // namespace fpw::ui
