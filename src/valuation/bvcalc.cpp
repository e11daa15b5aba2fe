#include "valuation/bvcalc.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <string_view>
#include <type_traits>
#include <utility>
#include <vector>

#include "app/numbers.h"
#include "app/programcontext.h"
#include "catalog/equipment.h"
#include "catalog/locations.h"
#include "catalog/movement.h"
#include "model/mech.h"

namespace fpw::valuation {
namespace {

using catalog::WeaponRecord;
using catalog::WeaponTable;
using model::Mech;
using model::WeaponEntry;

constexpr bool kDefensive = true;
constexpr bool kOffensive = false;
constexpr std::string_view kSeparator = "----------";
constexpr std::string_view kIndent = "     ";

// A live entry of the weapon list with its database record.
struct Weapon {
    const WeaponEntry* entry = nullptr;
    const WeaponRecord* record = nullptr;
};

// A record's BV; "not applicable" (0 or less) adds nothing rather than subtracting.
double recordBV(const WeaponRecord& record) {
    return record.battleValue > 0 ? record.battleValue : 0.0;
}

bool isAmmunition(const WeaponRecord& record) {
    return record.weaponType == catalog::weapontype::kAmmunition;
}

bool isWeaponType(const WeaponRecord& record) {
    using namespace catalog::weapontype;
    return record.weaponType == kEnergy || record.weaponType == kBallistic ||
           record.weaponType == kMissile || record.weaponType == kArtillery;
}

bool isMixedTech(const Mech& mech) {
    return mech.techBase() != catalog::kInnerSphere && mech.techBase() != catalog::kClan;
}

// Record BV plus the Artemis extra (two tenths for Artemis IV, three for Artemis V).
double valueWithArtemis(const Mech& mech, const WeaponRecord& record) {
    const double bv = recordBV(record);
    // Most records take no Artemis: told here, without the call.
    if (record.artemisCapable == 0) {
        return bv;
    }
    switch (ArtemisSetting(mech, record)) {
    case catalog::kArtemisIV:
        return bv + bv / 10 * 2;
    case catalog::kArtemisV:
        return bv + bv / 10 * 3;
    default:
        return bv;
    }
}

// An entry's share of the weapon sum: rear weapons count half unless Multi-Trac II covers
// the rear arc.
double mountedValue(const Mech& mech, const Weapon& weapon) {
    const double value = valueWithArtemis(mech, *weapon.record);
    if (weapon.entry->rearMounted && !rearArcCovered(mech)) {
        return value / 2;
    }
    return value;
}

bool isLeg(int location, const Mech& mech) {
    if (location == catalog::kLeftLeg || location == catalog::kRightLeg) {
        return true;
    }
    // A quad's front legs stand where a biped's arms are.
    return mech.mechType() == catalog::kQuad &&
           (location == catalog::kLeftArm || location == catalog::kRightArm);
}

// Engines that survive the loss of a side torso, where CASE protects the ammunition.
bool hasSturdyEngine(const Mech& mech) {
    const std::int16_t engine = mech.engineType();
    return engine == catalog::engine::kFusion || engine == catalog::engine::kLarge ||
           engine == catalog::engine::kCompact;
}

// CASE of a location; the head has no CASE setting.
std::int16_t caseAt(const Mech& mech, int location) {
    if (location < 0 || location >= model::kCaseLocations) {
        return catalog::kNoCase;
    }
    return mech.fields().caseSettings[static_cast<std::size_t>(location)];
}

// One run of the calculation: the three phases, each adding its lines as it goes.
class Calculation {
public:
    Calculation(const Mech& mech, const WeaponTable& table, const catalog::BVTables& tables,
                BVLines lines)
        : mech_(mech), table_(table), tables_(tables), recording_(lines == BVLines::Record) {}

    BVResult run() {
        if (recording_) {
            result_.lines.reserve(24, 32 + mech_.weapons().size());
        }
        gatherWeaponSums();
        const double defensive = defensivePhase();
        const double offensive = offensivePhase();
        finalPhase(defensive, offensive);
        return std::move(result_);
    }

private:
    // A line whose text has to be built; built only when the lines are recorded.
    struct Line {
        Line(std::string d, std::string v = {}) : desc(std::move(d)), value(std::move(v)) {}
        std::string desc;
        std::string value;
    };

    void def(std::string_view desc, std::string_view value = {}) { add(desc, value, kDefensive); }
    void off(std::string_view desc, std::string_view value = {}) { add(desc, value, kOffensive); }
    template <typename MakeLine>
    requires std::is_invocable_r_v<Line, MakeLine>
    void def(MakeLine&& make) { addBuilt(make, kDefensive); }
    template <typename MakeLine>
    requires std::is_invocable_r_v<Line, MakeLine>
    void off(MakeLine&& make) { addBuilt(make, kOffensive); }

    template <typename MakeLine> void addBuilt(MakeLine& make, bool defensive) {
        if (recording_) {
            const Line line = make();
            add(line.desc, line.value, defensive);
        }
    }
    void add(std::string_view desc, std::string_view value, bool defensive) {
        if (recording_) {
            result_.lines.AddItem(desc, value, defensive);
        }
    }

    void gatherWeaponSums();
    void countExplosiveTon(int loc, bool clan, bool sturdyEngine);

    double defensivePhase();
    double armorBV();
    double structureBV();
    double defensiveItems();
    double explosiveAmmoPenalty();
    double heatPenalty();
    double movementFactor();

    double offensivePhase();
    double weaponSum();
    double physicalWeapons() const;
    double linkedWeaponSum() const;
    double variableRangeSum() const;
    double heatAdjusted(double rating);

    void finalPhase(double defensive, double offensive);
    double c3Base() const;

    // Calls `visit` with every live entry of the weapon list and its record, in list order. An
    // entry whose index lies outside the table (a damaged design) is left out, so it counts
    // for nothing. Walked in place: the calculation runs for every design of a batch.
    template <typename Visit> void forEachWeapon(Visit&& visit) const {
        for (const WeaponEntry& entry : mech_.weapons()) {
            if (entry.refID >= 0 && static_cast<std::size_t>(entry.refID) < table_.size()) {
                visit(Weapon{&entry, &table_[static_cast<std::size_t>(entry.refID)]});
            }
        }
    }

    const Mech& mech_;
    const WeaponTable& table_;
    const catalog::BVTables& tables_;
    bool recording_;
    // Taken from the weapon list before the phases start.
    std::int16_t maxHeat_ = 0;
    std::int16_t dissipation_ = 0;
    std::int16_t defensiveItems_ = 0;
    bool anyDefensiveItem_ = false;
    int explosiveTons20_ = 0; // tons of explosive ammunition that cost 20 points each
    int explosiveTons5_ = 0;  // tons behind CASE II in the XL regime
    double weaponSum_ = 0;
    bool carriesC3_ = false;
    BVResult result_;
};

// ---- the weapon list

// Every sum the phases take from the weapon list, in one walk over it: the calculation runs
// for every design of a batch, and one walk costs less than one per sum. Each sum still adds
// its terms in list order, as a walk of its own would.
void Calculation::gatherWeaponSums() {
    int heat = heatBeforeWeapons(mech_);
    int dissipation = heatSinkDissipation(mech_);
    const bool clan = mech_.techBase() == catalog::kClan;
    const bool sturdyEngine = hasSturdyEngine(mech_);
    const bool rearCounts = rearArcCovered(mech_);
    for (const WeaponEntry& entry : mech_.weapons()) {
        // Counted by position, whether the table holds the record or not.
        dissipation += dissipatesHeat(entry) ? 1 : 0;
        // An entry whose index lies outside the table (a damaged design) counts for nothing.
        if (entry.refID < 0 || static_cast<std::size_t>(entry.refID) >= table_.size()) {
            continue;
        }
        const WeaponRecord& record = table_[static_cast<std::size_t>(entry.refID)];
        if (addsHeat(entry, record, rearCounts)) {
            heat = withWeaponHeat(heat, record);
        }
        if (record.defensiveItem != 0) {
            defensiveItems_ = app::toInteger(defensiveItems_ + recordBV(record));
            anyDefensiveItem_ = true;
        } else {
            weaponSum_ += mountedValue(mech_, Weapon{&entry, &record});
            carriesC3_ =
                carriesC3_ || entry.refID == kC3MasterRefID || entry.refID == kImprovedC3RefID;
        }
        if (isAmmunition(record) && record.explosive != 0) {
            countExplosiveTon(entry.GetLoc(0), clan, sturdyEngine);
        }
    }
    maxHeat_ = saturatedInteger(heat);
    dissipation_ = saturatedInteger(dissipation);
}

// ---- the defensive phase

double Calculation::defensivePhase() {
    double total = armorBV();
    total += structureBV();
    total += mech_.tonnage();
    def([&] { return Line{"Add tonnage:", std::to_string(mech_.tonnage())}; });
    total += defensiveItems();
    total -= explosiveAmmoPenalty();
    total -= heatPenalty();

    const std::int16_t cockpit = mech_.cockpitType();
    if (cockpit == catalog::cockpit::kCommandConsole) {
        total += 25;
        def("Add 25 points for a Command Console", "25");
    }
    if (mech_.gyroType() == catalog::gyro::kHeavyDuty) {
        total += 30;
        def("Add 30 points for Heavy Duty Gyro", "30");
    }
    const int armoredSlots = mech_.armoredSlots();
    total += armoredSlots * 5;
    def([&] {
        return Line{"Add 5 points per armored critical slot: (5 * " + std::to_string(armoredSlots) +
                        ")",
                    std::to_string(armoredSlots * 5)};
    });
    if (cockpit == catalog::cockpit::kEnhancedImaging) {
        total -= 25;
        def("Subtract 25 points due to increased pilot vulnerability caused by Enhanced Imaging "
            "Cockpit",
            "- 25");
    }
    if (cockpit == catalog::cockpit::kTorsoMounted) {
        const int armor = mech_.fields().armor[catalog::kCenterTorso] +
                          mech_.fields().armor[catalog::kCenterTorsoRear];
        total += armor;
        def([&] {
            return Line{
                "Add Center Torso and Center Torso (Rear) armor due to Torso-Mounted Cockpit",
                std::to_string(armor)};
        });
    }
    def(kSeparator);
    def([&] { return Line{"Base Defensive Battle Value", numberText(total)}; });
    def("");

    const double factor = movementFactor();
    if (mech_.nullSigSys()) {
        const double added = 3.0 / 2;
        const double modified = factor + added;
        def([&] {
            return Line{"Add " + numberText(added) +
                        " to defensive movement factor due to Null Sig System: (" +
                        numberText(factor) + " + " + numberText(added) +
                        ") = " + numberText(modified)};
        });
        def([&] {
            return Line{"Multiply (Base BattleValue * Modified defensive movement factor) : (" +
                        numberText(total) + " * " + numberText(modified) + ")"};
        });
        total *= modified;
    } else {
        def([&] {
            return Line{"Multiply (Base BattleValue * Defensive movement factor) : (" +
                        numberText(total) + " * " + numberText(factor) + ")"};
        });
        total *= factor;
    }
    result_.defensiveBV = total;
    def(kSeparator);
    def([&] { return Line{"Total Defensive BV", numberText(total)}; });
    return total;
}

double Calculation::armorBV() {
    const int points = mech_.armorPoints();
    if (mech_.armorType() == catalog::armor::kHardened) {
        def([&] {
            return Line{"Add (armor factor * 4) due to hardened: ",
                        std::to_string(points) + " * 4"};
        });
        return points * 4.0;
    }
    def([&] { return Line{"Add (armor factor * 2): ", std::to_string(points) + " * 2"}; });
    return points * 2.0;
}

double Calculation::structureBV() {
    int points = 0;
    for (int loc = 0; loc < catalog::kSlotLocationCount; ++loc) {
        points += catalog::gGetISPoints(loc, mech_.tonnage(), mech_.mechType());
    }
    const int raw = points;
    if (mech_.isType() == catalog::structure::kReinforced) {
        points = app::toInteger(points * 2.0);
        def([&] {
            return Line{"Double internal structure battle value due to reinforced IS: ",
                        std::to_string(raw) + " * 2 = " + std::to_string(points)};
        });
    } else if (mech_.isType() == catalog::structure::kComposite) {
        points = app::toInteger(points / 2.0);
        def([&] {
            return Line{"Divide internal structure battle value in half due to composite IS: ",
                        std::to_string(raw) + " / 2 = " + std::to_string(points)};
        });
    } else {
        def([&] { return Line{"Internal Structure battle value: ", std::to_string(raw)}; });
    }

    const int engine = mech_.engineType();
    const auto& multipliers = mech_.techBase() == catalog::kClan ? tables_.engineMultiplierClan
                                                                 : tables_.engineMultiplierIS;
    // An engine code outside the table (a damaged design) gives the structure no value.
    const double multiplier = engine >= 0 && engine < static_cast<int>(multipliers.size())
                                  ? multipliers[static_cast<std::size_t>(engine)]
                                  : 0.0;
    def([&] {
        return Line{"Add (internal structure * EngineMultiplier): ",
                    std::to_string(points) + " * " + numberText(multiplier)};
    });
    return app::roundAsFormatted(points * multiplier, 4);
}

double Calculation::defensiveItems() {
    if (anyDefensiveItem_ && recording_) {
        def("Add BV of all defensive items");
        forEachWeapon([&](const Weapon& weapon) {
            const WeaponRecord& record = *weapon.record;
            if (record.defensiveItem != 0) {
                def(std::string(kIndent) + record.name, numberText(recordBV(record)));
            }
        });
    }
    return defensiveItems_;
}

// One ton of explosive ammunition at `loc`, counted at the rate that applies there.
void Calculation::countExplosiveTon(int loc, bool clan, bool sturdyEngine) {
    if (loc < 0 || loc >= catalog::kSlotLocationCount) {
        return; // not placed yet
    }
    const bool legCTHead =
        isLeg(loc, mech_) || loc == catalog::kCenterTorso || loc == catalog::kHead;
    if (clan) {
        explosiveTons20_ += legCTHead ? 1 : 0;
    } else if (sturdyEngine) {
        if (legCTHead) {
            ++explosiveTons20_;
        } else if (loc == catalog::kLeftTorso || loc == catalog::kRightTorso) {
            explosiveTons20_ += caseAt(mech_, loc) == catalog::kNoCase ? 1 : 0;
        } else {
            const int torso = loc == catalog::kLeftArm ? catalog::kLeftTorso : catalog::kRightTorso;
            explosiveTons20_ += caseAt(mech_, loc) <= 0 && caseAt(mech_, torso) <= 0 ? 1 : 0;
        }
    } else if (caseAt(mech_, loc) == catalog::kCaseII) {
        ++explosiveTons5_;
    } else {
        ++explosiveTons20_;
    }
}

double Calculation::explosiveAmmoPenalty() {
    const int tons20 = explosiveTons20_;
    const int tons5 = explosiveTons5_;
    const bool clan = mech_.techBase() == catalog::kClan;
    const bool sturdyEngine = hasSturdyEngine(mech_);
    // Most designs carry no unprotected ammunition: no conversion for nothing.
    const std::int16_t points20 = tons20 > 0 ? app::toInteger(tons20 * 20.0) : std::int16_t{0};
    const std::int16_t points5 = tons5 > 0 ? app::toInteger(tons5 * 5.0) : std::int16_t{0};
    if (tons20 > 0) {
        std::string_view desc;
        if (clan) {
            desc = "Subtract 20 points per ton of explosive ammo in CT, Legs or Head: ";
        } else if (sturdyEngine) {
            desc = "Subtract 20 points per ton of explosive ammo in CT, Legs or Head or Un-CASEd "
                   "torsos or Arms attached to Un-CASEd torsos: ";
        } else {
            desc = "Subtract 20 points per ton of explosive ammo anywhere in the mech not "
                   "protected by CASE II: ";
        }
        def([&] {
            return Line{std::string(desc) + std::to_string(tons20) + " * 20",
                        "- " + std::to_string(points20)};
        });
    }
    if (tons5 > 0) {
        def([&] {
            return Line{"Subtract 5 points per ton of explosive ammo anywhere in the mech "
                        "protected by CASE "
                        "II: " +
                            std::to_string(tons5) + " * 5",
                        "- " + std::to_string(points5)};
        });
    }
    return static_cast<double>(points20) + points5;
}

double Calculation::heatPenalty() {
    const int excess = (maxHeat_ - dissipation_) * 5;
    if (excess < 1) {
        def("Heat Dissipation is greater than Max Possible Heat, no heat modification needed");
        return 0;
    }
    def([&] {
        return Line{"Subtract ((MaxHeat - MaxHeatDissipation) * 5): (" + std::to_string(maxHeat_) +
                        " - " + std::to_string(dissipation_) + ") * 5",
                    "- " + std::to_string(excess)};
    });
    return excess;
}

double Calculation::movementFactor() {
    int modifier = catalog::TMM(effectiveRunningMP(mech_));
    if (mech_.jumping() > 0) {
        modifier = std::max(modifier, catalog::TMM(mech_.jumping()) + 1);
    }
    if (const auto mp = enhancedMP(mech_)) {
        modifier = std::max<int>(modifier, catalog::TMM(*mp));
    }
    const double factor = DefensiveMovementFactor(tables_, modifier);
    def([&] {
        return Line{"Max target modifier of " + std::to_string(modifier) +
                    " = defensive movement factor of " + numberText(factor)};
    });
    return factor;
}

// ---- the offensive phase

double Calculation::offensivePhase() {
    double rating = weaponSum();
    rating += physicalWeapons();

    if (mech_.targSysType() == catalog::targeting::kTargetingComputer) {
        const double added = app::roundAsFormatted(linkedWeaponSum() / 5, 4);
        rating += added;
        off([&] {
            return Line{
                "Add 20% of BV of all weapons linked to Targeting Computer. Use 1/2 BV for rear "
                "mounted weapons.",
                numberText(added)};
        });
    }
    if (mech_.cockpitType() == catalog::cockpit::kEnhancedImaging) {
        const double added = app::roundAsFormatted(linkedWeaponSum() / 20, 4);
        rating += added;
        off([&] {
            return Line{
                "Add additional 5% of BV of all weapons as if they were linked to a Targeting "
                "Computer, due to Enhanced Imaging Cockpit. Use 1/2 BV for rear mounted weapons.",
                numberText(added)};
        });
    }
    if (mech_.targSysType() == catalog::targeting::kVariableRange) {
        const double added = app::roundAsFormatted(variableRangeSum() / 10, 4);
        rating += added;
        off([&] {
            return Line{"Add additional 10% of BV of all weapons due to Variable-Range Targeting "
                        "System. Use "
                        "1/2 BV for rear mounted weapons.",
                        numberText(added)};
        });
    }
    off(kSeparator);
    off([&] { return Line{"Base Weapon Rating", numberText(rating)}; });

    rating = heatAdjusted(rating);

    const int speed = effectiveRunningMP(mech_) + mech_.jumping() + (mech_.masc() != 0 ? 1 : 0) +
                      (mech_.supercharger() ? 1 : 0) + (mech_.tsm() ? 1 : 0);
    const double factor = OffensiveSpeedFactor(tables_, speed);
    off([&] {
        return Line{"Offensive speed rating of " + std::to_string(speed) + " = " +
                    numberText(factor) + " speed factor multiplier"};
    });
    off([&] {
        return Line{"Multiply (Base Weapon Rating * Offensive Speed Factor): (" +
                    numberText(rating) + " * " + numberText(factor) + ")"};
    });
    const double total = rating * factor;
    result_.offensiveBV = total;
    off(kSeparator);
    off([&] { return Line{"Total Offensive BV", numberText(total)}; });
    return total;
}

double Calculation::weaponSum() {
    off(rearArcCovered(mech_)
            ? "Add BV of all non-defensive items. Use full BV for rear mounted "
              "weapons due to Multi-Trac II"
            : "Add BV of all non-defensive items. 1/2 BV for rear mounted weapons");
    if (!recording_) {
        return weaponSum_;
    }
    // Entries of the same record and arc share a line.
    struct Group {
        std::int16_t refID = 0;
        bool rear = false;
        const WeaponRecord* record = nullptr;
        int count = 0;
        double value = 0;
    };
    std::vector<Group> groups;
    groups.reserve(mech_.weapons().size());
    forEachWeapon([&](const Weapon& weapon) {
        if (weapon.record->defensiveItem != 0) {
            return;
        }
        const std::int16_t refID = weapon.entry->refID;
        const bool rear = weapon.entry->rearMounted;
        auto group = std::find_if(groups.begin(), groups.end(), [&](const Group& g) {
            return g.refID == refID && g.rear == rear;
        });
        if (group == groups.end()) {
            groups.push_back(Group{refID, rear, weapon.record, 0, 0});
            group = groups.end() - 1;
        }
        ++group->count;
        group->value += mountedValue(mech_, weapon);
    });
    const bool mixed = isMixedTech(mech_);
    for (const Group& group : groups) {
        std::string name = std::string(kIndent) + "(" + std::to_string(group.count) + ") ";
        if (mixed) {
            name += group.record->techBase == catalog::kClan ? "(C) " : "(IS) ";
        }
        name += group.record->name;
        switch (ArtemisSetting(mech_, *group.record)) {
        case catalog::kArtemisIV:
            name += " w/ Artemis IV";
            break;
        case catalog::kArtemisV:
            name += " w/ Artemis V";
            break;
        default:
            break;
        }
        if (group.rear) {
            name += "(R)";
        }
        off(name, std::to_string(app::toInteger(group.value)));
    }
    return weaponSum_;
}

double Calculation::physicalWeapons() const {
    double multiplier = 0;
    switch (mech_.physicalType()) {
    case catalog::physical::kHatchet:
    case catalog::physical::kClaw:
        multiplier = 1;
        break;
    case catalog::physical::kMace:
        multiplier = 2;
        break;
    case catalog::physical::kSword:
        multiplier = 0.5;
        break;
    default:
        return 0;
    }
    const double damage = app::toInteger(mech_.tonnage() / 5.0 * multiplier);
    const int arms = (mech_.laPhysical() ? 1 : 0) + (mech_.raPhysical() ? 1 : 0);
    return arms * 1.5 * damage;
}

// The weapons a targeting computer links to: front ones at full BV, rear ones at half rounded
// up; ammunition and defensive items never count, nor the Artemis extra.
double Calculation::linkedWeaponSum() const {
    double sum = 0;
    forEachWeapon([&](const Weapon& weapon) {
        const WeaponRecord& record = *weapon.record;
        if (record.tcLinkable == 0 || record.defensiveItem != 0 || isAmmunition(record)) {
            return;
        }
        const double bv = recordBV(record);
        sum += weapon.entry->rearMounted ? app::RoundUp(bv / 2) : bv;
    });
    return sum;
}

// Every weapon (energy, ballistic, missile, artillery) that is not a defensive item.
double Calculation::variableRangeSum() const {
    double sum = 0;
    forEachWeapon([&](const Weapon& weapon) {
        const WeaponRecord& record = *weapon.record;
        if (!isWeaponType(record) || record.defensiveItem != 0) {
            return;
        }
        const double bv = recordBV(record);
        sum += weapon.entry->rearMounted ? app::RoundUp(bv / 2) : bv;
    });
    return sum;
}

double Calculation::heatAdjusted(double rating) {
    if (!(dissipation_ < maxHeat_)) {
        off("Max Heat Dissipation is larger than Max Heat Generation. No weapon BV modification "
            "required.");
        return rating;
    }
    const double x = (dissipation_ * rating) / maxHeat_;
    const double y = (rating - x) / 2;
    const double adjusted = x + y;
    off("Max Heat Dissipation is smaller than Max Heat Generation. Adjust base weapon rating as "
        "follows:");
    off("     X = (HeatDissipation * Base Weapon Rating) / Max Heat");
    off("     Y = (Base Weapon Rating - X) / 2");
    off("     Adjusted Base Weapon Rating = X + Y");
    off([&] {
        return Line{"     X = (" + std::to_string(dissipation_) + " * " + numberText(rating) +
                        ") / " + std::to_string(maxHeat_),
                    numberText(x)};
    });
    off([&] {
        return Line{"     Y = (" + numberText(rating) + " - " + numberText(x) + ") / 2",
                    numberText(y)};
    });
    off([&] {
        return Line{"     Adjusted Base Weapon Rating = " + numberText(x) + " + " + numberText(y),
                    numberText(adjusted)};
    });
    return adjusted;
}

// ---- the final phase

// What C3 links: every non-defensive entry that is neither artillery nor ammunition, at its
// share of the weapon sum.
double Calculation::c3Base() const {
    double sum = 0;
    forEachWeapon([&](const Weapon& weapon) {
        const WeaponRecord& record = *weapon.record;
        if (record.defensiveItem != 0 || isAmmunition(record) ||
            record.weaponType == catalog::weapontype::kArtillery) {
            return;
        }
        sum += mountedValue(mech_, weapon);
    });
    return sum;
}

void Calculation::finalPhase(double defensive, double offensive) {
    double total = defensive + offensive;
    off("Add Defensive Battle value and Offensive Battle Value");
    off([&] {
        return Line{std::string(kIndent) + numberText(defensive) + " + " + numberText(offensive) +
                    " = " + numberText(total)};
    });
    off(kSeparator);

    const std::int16_t cockpit = mech_.cockpitType();
    if (cockpit == catalog::cockpit::kCommandConsole) {
        total += 200;
        off("Add 200 points for a Command Console", "200");
    }
    if (carriesC3_) {
        const std::int16_t added = app::RoundHalfUp(c3Base() * 35 / 100);
        total += added;
        off([&] {
            return Line{
                rearArcCovered(mech_)
                    ? "Add 35% of BV of all non-artillery weapons due to C(3). Use full BV for "
                      "rear "
                      "mounted weapons due to Multi-Trac II. Add nothing for ammo. Round to "
                      "nearest "
                      "whole number."
                    : "Add 35% of BV of all non-artillery weapons due to C(3). Use 1/2 BV for rear "
                      "mounted weapons. Add nothing for ammo. Round to nearest whole number.",
                std::to_string(added)};
        });
    }
    result_.rawBattleValue = total;

    std::string_view multiplierLine;
    double factor = 1;
    if (cockpit == catalog::cockpit::kSmall) {
        multiplierLine = "Mutiply Battle Value by .98 for modified pilot skill due to a Small "
                         "Cockpit: (";
        factor = 98.0 / 100;
    } else if (cockpit == catalog::cockpit::kTorsoMounted) {
        multiplierLine = "Mutiply Battle Value by .98 for modified pilot skill due to a "
                         "Torso-Mounted Cockpit (";
        factor = 98.0 / 100;
    } else if (cockpit == catalog::cockpit::kEnhancedImaging) {
        multiplierLine = "Mutiply Battle Value by 1.02 for modified pilot skill due to an "
                         "Enhanced Imaging Cockpit (";
        factor = 102.0 / 100;
    }
    if (!multiplierLine.empty()) {
        const double multiplied = total * factor;
        off([&] {
            return Line{std::string(multiplierLine) + numberText(total) + " * " +
                            numberText(factor) + ")",
                        numberText(multiplied)};
        });
        total = multiplied;
    }

    result_.battleValue = app::RoundHalfUp(total);
    off("");
    off("Round Total Battle Value to nearest whole number to get final Battle Value");
    off("");
    off([&] { return Line{"Final Battle Value:", std::to_string(result_.battleValue)}; });
}

} // namespace

std::optional<BVResult> CalcBV(model::Mech& mech, BVLines lines) {
    const app::ProgramContext& ctx = mech.context();
    if (!ctx.bvDataLoaded) {
        return std::nullopt;
    }
    BVResult result = Calculation(mech, ctx.weapons, ctx.bvTables, lines).run();
    mech.storeBattleValue(result.battleValue);
    return result;
}

} // namespace fpw::valuation
