#include "model/criticalslot.h"

namespace fpw::model {

std::string baseCode(std::string_view itemID) {
    std::size_t end = itemID.size();
    while (end > 0 && itemID[end - 1] >= '0' && itemID[end - 1] <= '9') {
        --end;
    }
    return std::string(itemID.substr(0, end));
}

} // namespace fpw::model
