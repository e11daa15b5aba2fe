#include "equipmentdriver.h"

#include <QListWidget>
#include <QPushButton>
#include <QTest>

namespace fpw::testing {
namespace {

// Makes the row the list's only selection and presses the button; false when no row fits.
template <typename Fits>
bool selectAndPress(QWidget& window, const char* listName, const char* buttonName, Fits fits) {
    auto* list = window.findChild<QListWidget*>(listName);
    auto* button = window.findChild<QPushButton*>(buttonName);
    if (list == nullptr || button == nullptr) {
        return false;
    }
    for (int i = 0; i < list->count(); ++i) {
        if (fits(list->item(i)->text())) {
            list->setCurrentRow(i, QItemSelectionModel::ClearAndSelect);
            QTest::mouseClick(button, Qt::LeftButton);
            return true;
        }
    }
    return false;
}

} // namespace

bool addWeaponThroughPanel(QWidget& window, const QString& text) {
    return selectAndPress(window, "availableWeaponsList", "addWeaponButton",
                          [&](const QString& row) { return row == text; });
}

bool removeWeaponThroughPanel(QWidget& window, const QString& text) {
    return selectAndPress(window, "selectedEquipmentList", "removeWeaponButton",
                          [&](const QString& row) { return row.startsWith(text); });
}

} // namespace fpw::testing
