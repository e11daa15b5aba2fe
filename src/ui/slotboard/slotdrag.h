// What a row dragged from an unallocated list carries to a slot: the weapons' instance numbers
// or one general item's code, as MIME data private to the editor window.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

class QMimeData;

namespace fpw::ui {

struct SlotDrag {
    std::vector<std::int16_t> weapons; // instance numbers, in list order
    std::string itemCode;              // set for an unallocated item row
};

// Data for a drag of unallocated weapons or of one item row; the caller owns the result.
QMimeData* weaponDragData(const std::vector<std::int16_t>& weapons);
QMimeData* itemDragData(const std::string& code);
// What a drag carries; nothing for data that no unallocated list wrote.
std::optional<SlotDrag> readSlotDrag(const QMimeData* data);

} // namespace fpw::ui
