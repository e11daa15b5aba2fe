#include "ui/slotboard/slotdrag.h"

#include <QMimeData>
#include <QStringList>

namespace fpw::ui {
namespace {

const QString kWeaponsFormat = QStringLiteral("application/x-forgeplanwork-weapons");
const QString kItemFormat = QStringLiteral("application/x-forgeplanwork-item");

} // namespace

QMimeData* weaponDragData(const std::vector<std::int16_t>& weapons) {
    QStringList numbers;
    for (std::int16_t weapon : weapons) {
        numbers << QString::number(weapon);
    }
    auto* data = new QMimeData;
    data->setData(kWeaponsFormat, numbers.join(',').toUtf8());
    return data;
}

QMimeData* itemDragData(const std::string& code) {
    auto* data = new QMimeData;
    data->setData(kItemFormat, QByteArray::fromStdString(code));
    return data;
}

std::optional<SlotDrag> readSlotDrag(const QMimeData* data) {
    if (data == nullptr) {
        return std::nullopt;
    }
    if (data->hasFormat(kItemFormat)) {
        SlotDrag drag;
        drag.itemCode = data->data(kItemFormat).toStdString();
        if (drag.itemCode.empty()) {
            return std::nullopt;
        }
        return drag;
    }
    if (!data->hasFormat(kWeaponsFormat)) {
        return std::nullopt;
    }
    SlotDrag drag;
    const QStringList numbers = QString::fromUtf8(data->data(kWeaponsFormat)).split(',');
    for (const QString& number : numbers) {
        bool ok = false;
        const int weapon = number.toInt(&ok);
        // Foreign or damaged data is no drag of ours.
        if (!ok || weapon < 0 || weapon > INT16_MAX) {
            return std::nullopt;
        }
        drag.weapons.push_back(static_cast<std::int16_t>(weapon));
    }
    if (drag.weapons.empty()) {
        return std::nullopt;
    }
    return drag;
}

} // namespace fpw::ui
