// The cockpit change: the head's layout for each cockpit type, the command console's item in
// the head and the torso-mounted cockpit's items in the torsos.
#include <array>
#include <optional>
#include <string>

#include "catalog/equipment.h"
#include "catalog/generalitems.h"
#include "catalog/locations.h"
#include "editor/components.h"
#include "editor/editor.h"
#include "editor/refresh.h"
#include "editor/rulesupport.h"
#include "editor/slotops.h"

namespace fpw::editor {

namespace {

using catalog::cockpit::kCommandConsole;
using catalog::cockpit::kEnhancedImaging;
using catalog::cockpit::kSmall;
using catalog::cockpit::kStandard;
using catalog::cockpit::kTorsoMounted;

constexpr int kHeavyTonnage = 60;
constexpr const char* kLifeSupport = "Life Support";
constexpr const char* kSensors = "Sensors";

// The head's own entries per layout, slots 0 to 5; nullptr leaves the slot to other items.
using HeadLayout = std::array<const char*, 6>;

HeadLayout headLayout(int cockpitType) {
    switch (cockpitType) {
    case kSmall:
        return {kLifeSupport, kSensors, "Small Cockpit", nullptr, kSensors, nullptr};
    case kEnhancedImaging:
        return {kLifeSupport, kSensors, "Enhanced Imaging Cockpit",
                nullptr,      kSensors, kLifeSupport};
    case kTorsoMounted:
        return {kLifeSupport, kSensors, nullptr, nullptr, kSensors, kLifeSupport};
    default:
        return {kLifeSupport, kSensors, "Cockpit", nullptr, kSensors, kLifeSupport};
    }
}

std::string ordinal(int slot) {
    static constexpr std::array<const char*, 6> kOrdinals{"first",  "second", "third",
                                                          "fourth", "fifth",  "last"};
    return kOrdinals[static_cast<std::size_t>(slot)];
}

// The head's own cockpit entries, which a cockpit change replaces.
bool ownHeadEntry(const model::CritLocation& head, int slot) {
    return head.SlotItemId(slot) == "-1" || head.SlotBaseCode(slot) == catalog::cCP;
}

// The first slot of the layout that holds an item the rule may not move, if any.
std::optional<int> blockedSlot(const model::CritLocation& head, const HeadLayout& layout) {
    for (int slot = 0; slot < head.slotCount(); ++slot) {
        if (layout[static_cast<std::size_t>(slot)] != nullptr && head.IsLockedSlot(slot) &&
            !ownHeadEntry(head, slot)) {
            return slot;
        }
    }
    return std::nullopt;
}

// Writes the layout: its entries where they differ (an entry already in place keeps its
// armouring), and the own entries it does not use cleared.
void writeHead(Editor& editor, const HeadLayout& layout) {
    model::CritLocation& head = editor.mech().critLocation(catalog::kHead);
    head.RemoveAllOf(catalog::cCP);
    for (int slot = 0; slot < head.slotCount(); ++slot) {
        const char* text = layout[static_cast<std::size_t>(slot)];
        if (text == nullptr) {
            if (head.SlotItemId(slot) == "-1") {
                head.ClearSlot(slot);
            }
            continue;
        }
        if (head.SlotItemId(slot) == "-1" && head.SlotText(slot) == text) {
            continue;
        }
        if (head.SlotItemId(slot) != "-1") {
            UnallocateSlot(editor, catalog::kHead, slot);
        }
        model::SlotFlags flags;
        flags.isActive = flags.isLocked = flags.isSpecial = true;
        head.SetSlot(text, slot, flags, "-1");
    }
}

// The torso-mounted cockpit's items leave the torsos.
void removeTorsoParts(Editor& editor) {
    for (int loc : {catalog::kLeftTorso, catalog::kRightTorso, catalog::kCenterTorso}) {
        editor.mech().critLocation(loc).RemoveAllOf(catalog::cCP);
    }
}

// The text of a head layout refusal.
std::string blockedText(int cockpitType, bool forConsole, int slot) {
    const std::string item = " due to the " + ordinal(slot) + " item in the head being locked.";
    if (forConsole) {
        return "Unable to restore the standard cockpit, which is needed to use a command "
               "console," +
               item;
    }
    switch (cockpitType) {
    case kSmall:
        return "Unable to change to a small cockpit" + item;
    case kEnhancedImaging:
        return "Unable to change to an Enhanced Imaging cockpit" + item;
    case kTorsoMounted:
        return "Unable to restore the standard cockpit" + item;
    default:
        return "Unable to change to a standard cockpit" + item;
    }
}

Outcome placeTorsoParts(Editor& editor) {
    model::Mech& mech = editor.mech();
    constexpr const char* title = rules::kChangeCockpitTitle;
    const std::string text = "Unable to switch to a torso-mounted cockpit since there are not "
                             "enough free slots in the ";
    const model::CritLocation& ct = mech.critLocation(catalog::kCenterTorso);
    if (ct.FreeSlotCount() < 2) {
        return rules::refuse(editor, title,
                             text + "center torso to mount the cockpit and the extra sensors "
                                    "crit.");
    }
    for (int side : {catalog::kRightTorso, catalog::kLeftTorso}) {
        if (mech.critLocation(side).FreeSlotCount() < 1) {
            return rules::refuse(editor, title,
                                 text + (side == catalog::kRightTorso ? "right" : "left") +
                                     " torso to mount the extra life support crit.");
        }
    }
    for (const char* part : {"Torso-Mounted Cockpit", kSensors}) {
        rules::placeFixedEntry(editor, catalog::kCenterTorso, rules::firstFreeSlot(ct),
                               catalog::cCP, part);
    }
    for (int side : {catalog::kLeftTorso, catalog::kRightTorso}) {
        rules::placeFixedEntry(editor, side, rules::firstFreeSlot(mech.critLocation(side)),
                               catalog::cCP, kLifeSupport);
    }
    return Outcome::Accepted;
}

} // namespace

bool ChangeCockpit(Editor& editor, int cockpitType) {
    model::Mech& mech = editor.mech();
    return rules::change(
        editor, "ChangeCockpit", [&] { return mech.cockpitType() == cockpitType; },
        rules::offers(editor.choices().cockpit, catalog::cockpitName(cockpitType)),
        [&] {
            const int old = mech.cockpitType();
            const bool console = cockpitType == kCommandConsole;
            if (console && mech.tonnage() < kHeavyTonnage) {
                return rules::refuse(
                    editor, rules::kChangeCockpitTitle,
                    "Command Consoles can only be mounted on heavy or assault mechs.");
            }
            // The console works beside the standard or the enhanced imaging layout; from any other
            // the standard one is restored first.
            const bool keepsLayout = old == kStandard || old == kEnhancedImaging;
            const int layoutType = console ? (keepsLayout ? old : kStandard) : cockpitType;
            const HeadLayout layout = headLayout(layoutType);
            const model::CritLocation& head = mech.critLocation(catalog::kHead);
            if (const std::optional<int> slot = blockedSlot(head, layout)) {
                const bool restore = (console && !keepsLayout) || cockpitType == kTorsoMounted;
                return rules::refuse(
                    editor, restore ? "Unable to restore cockpit" : rules::kChangeCockpitTitle,
                    blockedText(cockpitType, console, *slot));
            }
            removeTorsoParts(editor);
            writeHead(editor, layout);
            if (console) {
                const int slot = rules::firstFreeSlot(head);
                if (slot < 0) {
                    std::string text =
                        "Unable to switch to a Command Console since there are no free "
                        "slots in the head to mount it.";
                    if (old != kStandard) {
                        text += " You must be able to switch to a standard cockpit first and then "
                                "install the command console.";
                    }
                    return rules::refuse(editor, rules::kChangeCockpitTitle, text);
                }
                rules::placeFixedEntry(editor, catalog::kHead, slot, catalog::cCP,
                                       "Command Console");
            }
            if (cockpitType == kTorsoMounted && placeTorsoParts(editor) == Outcome::Refused) {
                return Outcome::Refused;
            }
            mech.setCockpitType(static_cast<std::int16_t>(cockpitType));
            RefreshSelectedWeapons(editor);
            return rules::finish(editor);
        });
}

} // namespace fpw::editor
