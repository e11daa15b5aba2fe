#include "ui/editor/choicecontrols.h"

#include <algorithm>

#include <QAbstractButton>
#include <QComboBox>
#include <QFormLayout>
#include <QLabel>
#include <QSignalBlocker>
#include <QSpinBox>

#include "ui/services/qtuserinteraction.h"

namespace fpw::ui {

void showChoices(QComboBox* combo, const editor::ChoiceList& choices) {
    const QSignalBlocker blocker(combo);
    QStringList items;
    for (const std::string& item : choices.items) {
        items << toQString(item);
    }
    // Refilling an unchanged list would reset the popup's scroll position on every action.
    QStringList shown;
    for (int i = 0; i < combo->count(); ++i) {
        shown << combo->itemText(i);
    }
    if (shown != items) {
        combo->clear();
        combo->addItems(items);
    }
    combo->setCurrentIndex(combo->findText(toQString(choices.selected)));
    combo->setEnabled(choices.enabled);
    setShownWithCaption(combo, choices.visible);
}

void showOption(QAbstractButton* box, const editor::OptionState& state, bool checked) {
    const QSignalBlocker blocker(box);
    box->setChecked(checked);
    box->setEnabled(state.enabled);
    box->setVisible(state.visible);
}

void showValue(QSpinBox* spin, int minimum, int maximum, int value, bool enabled) {
    const QSignalBlocker blocker(spin);
    // The stored value is shown as it is even when the bounds would not let a player choose it.
    spin->setRange(std::min(minimum, value), std::max({minimum, maximum, value}));
    spin->setValue(value);
    spin->setEnabled(enabled);
}

void setShownWithCaption(QWidget* control, bool visible) {
    control->setVisible(visible);
    for (QLabel* label : control->parentWidget()->findChildren<QLabel*>()) {
        if (label->buddy() == control) {
            label->setVisible(visible);
        }
    }
}

} // namespace fpw::ui
