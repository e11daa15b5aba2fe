#include "editor/unallocateditems.h"

#include <algorithm>

namespace fpw::editor {

const UnallocatedItem* UnallocatedItems::find(std::string_view code) const {
    for (const UnallocatedItem& row : rows_) {
        if (row.code == code) {
            return &row;
        }
    }
    return nullptr;
}

int UnallocatedItems::count(std::string_view code) const {
    const UnallocatedItem* row = find(code);
    return row == nullptr ? 0 : row->count;
}

void UnallocatedItems::add(std::string_view code, int count, std::string name, int slotsPerItem) {
    if (count < 1) {
        return;
    }
    for (UnallocatedItem& row : rows_) {
        if (row.code == code) {
            row.count += count;
            return;
        }
    }
    rows_.push_back(UnallocatedItem{std::string(code), count, std::move(name), slotsPerItem});
}

int UnallocatedItems::take(std::string_view code, int count) {
    auto row = std::find_if(rows_.begin(), rows_.end(),
                            [&](const UnallocatedItem& r) { return r.code == code; });
    if (row == rows_.end() || count < 1) {
        return 0;
    }
    const int taken = std::min(count, row->count);
    row->count -= taken;
    if (row->count <= 0) {
        rows_.erase(row);
    }
    return taken;
}

void UnallocatedItems::remove(std::string_view code) {
    std::erase_if(rows_, [&](const UnallocatedItem& r) { return r.code == code; });
}

} // namespace fpw::editor
