#include "editor/armor.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <functional>
#include <optional>
#include <string>

#include "app/numbers.h"
#include "app/programcontext.h"
#include "catalog/locations.h"
#include "editor/editor.h"
#include "editor/refresh.h"
#include "editor/rulesupport.h"
#include "model/mech.h"

namespace fpw::editor {

namespace {

using catalog::kCenterTorso;
using catalog::kCenterTorsoRear;
using catalog::kHead;
using catalog::kLeftArm;
using catalog::kLeftLeg;
using catalog::kLeftTorso;
using catalog::kLeftTorsoRear;
using catalog::kRightArm;
using catalog::kRightLeg;
using catalog::kRightTorso;
using catalog::kRightTorsoRear;

constexpr int kHeadMaximum = 9;
// The add-points box takes whole numbers below this.
constexpr int kPointsEntryLimit = 32001;

constexpr std::string_view kInvalidTitle = "Invalid Entry";
constexpr std::string_view kInvalidPoints = "You entered an invalid number of armor points.";

using ArmorArray = std::array<int, kArmorLocations>;

// The other half of a torso's shared maximum: front for rear and rear for front; -1 elsewhere.
int pairedSide(int loc) {
    switch (loc) {
    case kLeftTorso:
        return kLeftTorsoRear;
    case kRightTorso:
        return kRightTorsoRear;
    case kCenterTorso:
        return kCenterTorsoRear;
    case kLeftTorsoRear:
        return kLeftTorso;
    case kRightTorsoRear:
        return kRightTorso;
    case kCenterTorsoRear:
        return kCenterTorso;
    default:
        return -1;
    }
}

ArmorArray maximaOf(const model::Mech& mech) {
    ArmorArray maxima{};
    for (int loc = 0; loc < kArmorLocations; ++loc) {
        maxima[loc] = armorMaximum(mech, loc);
    }
    return maxima;
}

ArmorArray armorOf(const model::Mech& mech) {
    ArmorArray armor{};
    for (int loc = 0; loc < kArmorLocations; ++loc) {
        armor[loc] = mech.GetArmor(loc);
    }
    return armor;
}

int limitIn(const ArmorArray& armor, const ArmorArray& maxima, int loc) {
    const int other = pairedSide(loc);
    return std::max(0, maxima[loc] - (other >= 0 ? armor[other] : 0));
}

void applyArmor(model::Mech& mech, const ArmorArray& armor) {
    for (int loc = 0; loc < kArmorLocations; ++loc) {
        if (mech.GetArmor(loc) != armor[loc]) {
            mech.SetArmor(loc, static_cast<std::int16_t>(armor[loc]));
        }
    }
}

// "#0.0#": at least one decimal, at most two.
std::string tonnageText(double tons) {
    std::string text = app::formatFixed(tons, 2, false);
    if (text.size() >= 2 && text.back() == '0' && text[text.size() - 2] != '.') {
        text.pop_back();
    }
    return text;
}

// A whole number the person typed; nothing for any other text.
std::optional<int> wholeNumber(const std::string& text) {
    const std::optional<double> number = app::parseNumber(text);
    if (!number || *number != std::floor(*number) || std::fabs(*number) > 1e9) {
        return std::nullopt;
    }
    return static_cast<int>(*number);
}

Outcome refuse(Editor& editor, std::string_view text) {
    editor.user().message(text, kInvalidTitle, app::MessageIcon::Critical);
    return Outcome::Refused;
}

// Armour belongs to an omni design's base chassis: once that is locked, every variant carries
// it as it stands.
bool performArmorRule(Editor& editor, std::string_view procedure,
                      const std::function<Outcome()>& rule) {
    return editor.perform(procedure,
                          [&] { return rules::baseEditable(editor) ? rule() : Outcome::Refused; });
}

Outcome distribute(Editor& editor, int points) {
    DistributeArmor(editor.mech(), points);
    UpdateAllTonnages(editor);
    return Outcome::Accepted;
}

} // namespace

int armorMaximum(const model::Mech& mech, int loc) {
    if (loc == kHead) {
        return kHeadMaximum;
    }
    if (loc >= kLeftTorsoRear && loc <= kCenterTorsoRear) {
        return armorMaximum(mech, pairedSide(loc));
    }
    if (loc < 0 || loc >= kArmorLocations ||
        (mech.armless() && (loc == kLeftArm || loc == kRightArm))) {
        return 0;
    }
    return 2 * catalog::gGetISPoints(loc, mech.tonnage(), mech.mechType());
}

int armorLimit(const model::Mech& mech, int loc) {
    if (loc < 0 || loc >= kArmorLocations) {
        return 0;
    }
    return limitIn(armorOf(mech), maximaOf(mech), loc);
}

int maximumArmorPoints(const model::Mech& mech) {
    int total = 0;
    for (int loc = 0; loc < model::kSlotLocations; ++loc) {
        total += armorMaximum(mech, loc);
    }
    return total;
}

int mirrorLocation(int loc) {
    switch (loc) {
    case kLeftArm:
        return kRightArm;
    case kRightArm:
        return kLeftArm;
    case kLeftTorso:
        return kRightTorso;
    case kRightTorso:
        return kLeftTorso;
    case kLeftLeg:
        return kRightLeg;
    case kRightLeg:
        return kLeftLeg;
    case kLeftTorsoRear:
        return kRightTorsoRear;
    case kRightTorsoRear:
        return kLeftTorsoRear;
    default:
        return -1;
    }
}

void DistributeArmor(model::Mech& mech, int points) {
    // Shares in per cent of the whole amount asked for, in the order they are handed out.
    struct Share {
        int loc;
        int percent;
    };
    static constexpr std::array<Share, 10> kShares{{{kCenterTorso, 15},
                                                    {kLeftTorso, 10},
                                                    {kRightTorso, 10},
                                                    {kLeftArm, 11},
                                                    {kRightArm, 11},
                                                    {kLeftLeg, 14},
                                                    {kRightLeg, 14},
                                                    {kCenterTorsoRear, 5},
                                                    {kLeftTorsoRear, 3},
                                                    {kRightTorsoRear, 3}}};
    static constexpr std::array<std::array<int, 2>, 4> kPairs{{{kLeftTorso, kRightTorso},
                                                               {kLeftArm, kRightArm},
                                                               {kLeftLeg, kRightLeg},
                                                               {kLeftTorsoRear, kRightTorsoRear}}};
    const ArmorArray maxima = maximaOf(mech);
    ArmorArray armor{};
    int left = std::max(0, points);
    auto give = [&](int loc, int wanted) {
        const int room = limitIn(armor, maxima, loc) - armor[loc];
        const int given = std::clamp(wanted, 0, std::max(0, std::min(left, room)));
        armor[loc] += given;
        left -= given;
        return given;
    };

    give(kHead, kHeadMaximum);
    for (const Share& share : kShares) {
        give(share.loc, points * share.percent / 100);
    }
    if (left % 2 == 1) {
        give(kCenterTorso, 1);
    }
    for (bool placed = true; left > 0 && placed;) {
        placed = false;
        for (const auto& pair : kPairs) {
            for (const int loc : pair) {
                placed = give(loc, 1) > 0 || placed;
            }
        }
    }
    // The pairs leave the center torso out: what they could not take goes there, so that
    // every point asked for (up to the design's maximum) is placed.
    give(kCenterTorso, left);
    applyArmor(mech, armor);
}

std::string armorPointsText(int points, int maximum) {
    return std::to_string(points) + " of " + std::to_string(maximum);
}

ArmorPanel armorPanel(const Editor& editor) {
    const model::Mech& mech = editor.mech();
    const ArmorArray armor = armorOf(mech);
    const ArmorArray maxima = maximaOf(mech);
    ArmorPanel panel;
    for (int loc = 0; loc < kArmorLocations; ++loc) {
        panel.locations[loc] = ArmorLocationView{armor[loc], limitIn(armor, maxima, loc)};
    }
    const ArmorControls& controls = editor.armorControls();
    const ArmorLocationView& selected = panel.locations[controls.location];
    panel.location = controls.location;
    panel.balance = controls.balance;
    panel.sliderMax = selected.maximum;
    panel.sliderValue = std::min(selected.points, selected.maximum);
    panel.pointsText = armorPointsText(selected.points, selected.maximum);
    panel.percent = selected.maximum > 0 ? selected.points * 100 / selected.maximum : 0;
    return panel;
}

void SelectArmorLocation(Editor& editor, int loc) {
    if (loc >= 0 && loc < kArmorLocations) {
        editor.armorControls().location = loc;
        editor.notifyObservers();
    }
}

void SetBalanceArmor(Editor& editor, bool on) {
    editor.armorControls().balance = on;
    editor.notifyObservers();
}

bool SetArmorPoints(Editor& editor, int loc, int points) {
    return performArmorRule(editor, "SetArmorPoints", [&] {
        if (loc < 0 || loc >= kArmorLocations) {
            return Outcome::Refused;
        }
        model::Mech& mech = editor.mech();
        const ArmorArray maxima = maximaOf(mech);
        ArmorArray armor = armorOf(mech);
        armor[loc] = std::clamp(points, 0, limitIn(armor, maxima, loc));
        const int mirror = mirrorLocation(loc);
        if (editor.armorControls().balance && mirror >= 0) {
            armor[mirror] = std::min(armor[loc], limitIn(armor, maxima, mirror));
        }
        if (armor == armorOf(mech)) {
            return Outcome::Accepted;
        }
        applyArmor(mech, armor);
        UpdateAllTonnages(editor);
        return Outcome::Accepted;
    });
}

bool MaximumArmor(Editor& editor) {
    return performArmorRule(editor, "MaximumArmor", [&] {
        model::Mech& mech = editor.mech();
        const ArmorArray maxima = maximaOf(mech);
        ArmorArray armor = armorOf(mech);
        for (int loc = 0; loc < model::kSlotLocations; ++loc) {
            const int rear = pairedSide(loc);
            if (rear >= 0) {
                armor[rear] = std::min(armor[rear], maxima[loc]);
            }
            armor[loc] = limitIn(armor, maxima, loc);
        }
        applyArmor(mech, armor);
        UpdateAllTonnages(editor);
        return Outcome::Accepted;
    });
}

bool AddArmorPoints(Editor& editor) {
    return performArmorRule(editor, "AddArmorPoints", [&] {
        const int maximum = maximumArmorPoints(editor.mech());
        const std::optional<std::string> answer = editor.user().inputBox(
            "Enter the number of armor points to allocate. The max you can allocate is " +
                std::to_string(maximum) + " points.",
            "Enter Armor Points");
        if (!answer || answer->empty()) {
            return Outcome::Refused;
        }
        const std::optional<int> points = wholeNumber(*answer);
        if (!points || *points < 1 || *points >= kPointsEntryLimit) {
            return refuse(editor, kInvalidPoints);
        }
        if (*points > maximum) {
            return refuse(editor, "You entered a value greater than the maximum number of points "
                                  "that can be allocated.");
        }
        return distribute(editor, *points);
    });
}

bool AddArmorTonnage(Editor& editor) {
    return performArmorRule(editor, "AddArmorTonnage", [&] {
        const model::Mech& mech = editor.mech();
        const int maximum = maximumArmorPoints(mech);
        const double perTon = model::armorPointsPerTon(mech.armorType(), mech.techBase());
        const double maxTons = perTon > 0 ? maximum / perTon : 0;
        const std::optional<std::string> answer = editor.user().inputBox(
            "Enter the tonnage of armor to allocate. The max you can allocate is " +
                tonnageText(maxTons) + " tons.",
            "Enter Armor Tonnage");
        if (!answer || answer->empty()) {
            return Outcome::Refused;
        }
        const std::optional<double> tons = app::parseNumber(*answer);
        if (!tons || !std::isfinite(*tons) || *tons <= 0) {
            return refuse(editor, kInvalidPoints);
        }
        // The tolerance keeps a tonnage that gives whole points (12.5 x 16) from falling
        // just short of them.
        const double exact = std::min(*tons * perTon, 1e6);
        const int points = static_cast<int>(std::floor(exact + 1e-9));
        if (points < 1) {
            return refuse(editor, kInvalidPoints);
        }
        if (points > maximum) {
            return refuse(editor,
                          "You entered a value greater than the maximum tonnage that can be "
                          "allocated.");
        }
        return distribute(editor, points);
    });
}

} // namespace fpw::editor
