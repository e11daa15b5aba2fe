#include "valuation/bvrules.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <string>
#include <string_view>

#include "app/numbers.h"
#include "catalog/equipment.h"
#include "model/mech.h"

namespace fpw::valuation {
namespace {

bool contains(const std::string& text, std::string_view word) {
    return text.find(word) != std::string::npos;
}

} // namespace

// app::toInteger of a whole number: nothing to round, only the saturation to the 16-bit range
// is left, without the trip through a double.
std::int16_t saturatedInteger(int value) {
    return static_cast<std::int16_t>(std::clamp<int>(
        value, std::numeric_limits<std::int16_t>::min(), std::numeric_limits<std::int16_t>::max()));
}

int heatBeforeWeapons(const model::Mech& mech) {
    const int jumping = mech.jumping();
    const bool standardJets = mech.jumpJetType() == catalog::jumpjet::kStandard;
    const std::int16_t engine = mech.engineType();
    int heat = 0;
    if (engine == catalog::engine::kXXL || engine == catalog::engine::kLargeXXL) {
        if (jumping <= 0) {
            heat = 4;
        } else if (standardJets) {
            heat = jumping > 3 ? 2 * jumping : 6;
        } else {
            heat = jumping > 6 ? jumping : 3;
        }
    } else if (jumping <= 0) {
        heat = 2;
    } else if (standardJets) {
        heat = jumping >= 4 ? jumping : 3;
    } else {
        heat = jumping > 6 ? app::RoundUp(jumping / 2.0) : 3;
    }
    if (mech.nullSigSys()) {
        heat += 10;
    }
    return heat;
}

int withWeaponHeat(int heat, const catalog::WeaponRecord& record) {
    if (contains(record.name, "Ultra")) {
        return heat + 2 * record.heat;
    }
    if (contains(record.name, "Streak")) {
        // Streak launchers fire only on a lock, so half their heat counts; the running
        // total is converted to a whole number at each of them.
        return app::toInteger(heat + record.heat / 2.0);
    }
    return heat + record.heat;
}

bool rearArcCovered(const model::Mech& mech) {
    return mech.targSysType() == catalog::targeting::kMultiTracII;
}

std::int16_t MaxHeatForBV(const model::Mech& mech, const catalog::WeaponTable& weapons) {
    int heat = heatBeforeWeapons(mech);
    const bool rearCounts = rearArcCovered(mech);
    for (const model::WeaponEntry& entry : mech.weapons()) {
        if (entry.refID < 0 || static_cast<std::size_t>(entry.refID) >= weapons.size()) {
            continue;
        }
        const catalog::WeaponRecord& record = weapons[static_cast<std::size_t>(entry.refID)];
        if (addsHeat(entry, record, rearCounts)) {
            heat = withWeaponHeat(heat, record);
        }
    }
    return saturatedInteger(heat);
}

int heatSinkDissipation(const model::Mech& mech) {
    using namespace catalog::heatsink;
    const std::int16_t type = mech.hsType();
    const bool doubleStrength =
        type == kDouble || type == kCompact || type == kLaser || type == kClanDouble;
    return doubleStrength ? mech.hsCount() * 2 : mech.hsCount();
}

std::int16_t HeatDissipation(const model::Mech& mech) {
    int dissipation = heatSinkDissipation(mech);
    for (const model::WeaponEntry& entry : mech.weapons()) {
        if (dissipatesHeat(entry)) {
            ++dissipation;
        }
    }
    return saturatedInteger(dissipation);
}

double DefensiveMovementFactor(const catalog::BVTables& tables, int modifier) {
    const auto& table = tables.defensiveMovementFactor;
    const int last = static_cast<int>(table.size()) - 1;
    if (modifier <= 0) {
        return table[0];
    }
    if (modifier <= last) {
        return table[static_cast<std::size_t>(modifier)];
    }
    const double step =
        table[static_cast<std::size_t>(last)] - table[static_cast<std::size_t>(last - 1)];
    return table[static_cast<std::size_t>(last)] + step * (modifier - last);
}

double OffensiveSpeedFactor(const catalog::BVTables& tables, int speedRating) {
    const auto& table = tables.offensiveSpeedFactor;
    if (speedRating <= 0) {
        return table[0];
    }
    if (speedRating < static_cast<int>(table.size())) {
        return table[static_cast<std::size_t>(speedRating)];
    }
    return app::roundTwoDecimals(std::pow((speedRating - 5) / 10.0 + 1, 1.2));
}

std::int16_t ArtemisSetting(const model::Mech& mech, const catalog::WeaponRecord& record) {
    if (record.artemisCapable == 0) {
        return catalog::kNoArtemis;
    }
    switch (record.artemisClass) {
    case 0:
        return mech.artemisSRM();
    case 1:
        return mech.artemisLRM();
    default:
        return catalog::kNoArtemis;
    }
}

int effectiveRunningMP(const model::Mech& mech) {
    if (mech.armorType() == catalog::armor::kHardened) {
        return mech.walking() + app::RoundUp(mech.walking() / 2.0) - 1;
    }
    return mech.running();
}

std::optional<int> enhancedMP(const model::Mech& mech) {
    const int w = mech.walking();
    const bool masc = mech.masc() != 0;
    const bool supercharger = mech.supercharger();
    const bool tsm = mech.tsm();
    if (masc && supercharger) {
        return static_cast<int>(std::floor(2.5 * w));
    }
    if (masc) {
        return 2 * w;
    }
    if (supercharger && tsm) {
        // Triple-strength myomer adds one walking MP and the supercharger doubles that; the
        // running MP of the boosted walk would be doubled twice over.
        return 2 * (w + 1);
    }
    if (supercharger) {
        return 2 * w;
    }
    if (tsm) {
        return (w + 1) + app::RoundUp((w + 1) / 2.0);
    }
    return std::nullopt;
}

} // namespace fpw::valuation
