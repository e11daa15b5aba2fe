#include <algorithm>
#include <array>
#include <cmath>
#include <cstring>
#include <optional>
#include <stdexcept>
#include <vector>

#include "app/ansi.h"
#include "app/programcontext.h"
#include "app/recordcodec.h"
#include "app/wordload.h"
#include "catalog/equipment.h"
#include "catalog/generalitems.h"
#include "catalog/locations.h"
#include "io/designfile.h"

namespace fpw::io {
namespace {

using app::RecordReader;
using model::CriticalSlot;
using model::WeaponEntry;

// A value the design cannot hold: the file is damaged although it did not end early.
class BadValue : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

void require(bool condition, const char* what) {
    if (!condition) {
        throw BadValue(what);
    }
}

// The smallest weapon record (one location) and slot record (two empty strings).
constexpr std::size_t kMinWeaponBytes = 28;
constexpr std::size_t kMinSlotBytes = 28;
constexpr std::size_t kMaxStartSlot = 12;

// A slot record as the file holds it, its texts still the file's bytes: a slot is built
// once, where it is kept, and its text is taken from the file only where it cannot be
// rebuilt.
struct SlotRecord {
    model::SlotFlags flags;
    std::int16_t index = 0;
    int location = 0;
    std::string_view storedText;
    std::string_view itemID;
    std::int16_t saveCode = catalog::kNoSaveCode;
    // Set once `itemID` was found to be its general item's code and instance digits: plain
    // ASCII, the same bytes in both encodings.
    bool plainItemID = false;

    // Every flag false, no identifier, no item: a free slot, whatever text the file holds
    // (an inactive slot shows the free slot's text).
    bool isFree() const {
        return flags == model::SlotFlags{} && itemID.empty() && saveCode == catalog::kNoSaveCode;
    }
};

class Reader {
public:
    Reader(std::string_view bytes, app::ProgramContext& ctx) : in_(bytes), ctx_(ctx) {
        for (int loc = 0; loc < model::kSlotLocations; ++loc) {
            slotCounts_[static_cast<std::size_t>(loc)] = catalog::locationSlotCount(loc);
        }
    }

    RecordReader& in() { return in_; }
    // The normal slot count of location 0 to 7.
    int slotCount(int loc) const { return slotCounts_[static_cast<std::size_t>(loc)]; }

    WeaponEntry weapon() {
        // The values before the location list, the list, and the six after it, each part in
        // one read: a file that ends within one fails its read as it would value by value.
        const auto ids = in_.integers<2>();
        std::int32_t lowerBound = 0;
        const std::size_t count = in_.arrayHead(2, &lowerBound);
        require(count > 0 && lowerBound == 0, "weapon without location list");
        // Built with its location list at its size: the default single -1 would be one more
        // allocation, thrown away.
        WeaponEntry w{
            .refID = ids[0], .weaponIndex = ids[1], .locations = std::vector<std::int16_t>(count)};
        // Nearly always one location: loaded, not copied by a call.
        const char* locations = in_.take(count * sizeof(std::int16_t)).data();
        for (std::int16_t& location : w.locations) {
            location = app::loadWord<std::int16_t>(locations);
            locations += sizeof location;
        }
        const auto tail = in_.integers<6>();
        w.startCrit = tail[0];
        w.rearMounted = tail[1] != 0;
        w.baseOmni = tail[2] != 0;
        w.allocated = tail[3] != 0;
        w.turretMounted = tail[4] != 0;
        w.spread = tail[5] != 0;

        require(w.refID >= 0 && static_cast<std::size_t>(w.refID) < ctx_.weapons.size(),
                "weapon outside the database");
        require(w.weaponIndex >= 0, "negative instance number");
        const bool unplaced = w.locations.size() == 1 && w.locations[0] == -1;
        require(unplaced || std::all_of(w.locations.begin(), w.locations.end(),
                                        [](std::int16_t loc) {
                                            return loc >= 0 && loc < model::kSlotLocations;
                                        }),
                "weapon location out of range");
        require(w.startCrit >= -1 && w.startCrit < static_cast<int>(kMaxStartSlot),
                "start slot out of range");
        return w;
    }

    // `count` weapons whose instance numbers differ.
    std::vector<WeaponEntry> weapons(std::size_t count) {
        std::vector<WeaponEntry> list;
        list.reserve(count);
        for (std::size_t i = 0; i < count; ++i) {
            WeaponEntry w = weapon();
            require(
                std::none_of(list.begin(), list.end(),
                             [&](const WeaponEntry& o) { return o.weaponIndex == w.weaponIndex; }),
                "instance number used twice");
            list.push_back(std::move(w));
        }
        return list;
    }

    // Reads and appends the next record when it is the next slot of its location and a free
    // slot (every flag false, no identifier, no save code): nearly half of all records are,
    // and they need no decoding, no checks of an item and no text. Any other record, or one
    // that does not fit into the bytes left, is left unread for slotRecord, which then reads
    // it (and refuses it where it is bad) as it reads every record.
    bool appendFreeSlot(std::array<std::vector<CriticalSlot>, model::kSlotLocations>& lists) {
        const std::string_view unread = in_.unread();
        if (unread.size() < sizeof(std::uint16_t)) {
            return false;
        }
        const std::size_t textLength = app::loadWord<std::uint16_t>(unread.data());
        const std::size_t size = sizeof(std::uint16_t) + textLength + kFreeSlotFixedBytes;
        if (unread.size() < size) {
            return false;
        }
        // The fixed part: index (bytes 0-1), location (2-3), the nine flags (4-21), the
        // identifier's length (22-23, 0) and right behind it the save code (24-25, -1). The
        // flags and the length are tested together, in three loads.
        const char* fixed = unread.data() + sizeof(std::uint16_t) + textLength;
        const std::uint64_t flagsAndLength = app::loadWord<std::uint64_t>(fixed + 4) |
                                             app::loadWord<std::uint64_t>(fixed + 12) |
                                             app::loadWord<std::uint32_t>(fixed + 20);
        if (flagsAndLength != 0 ||
            app::loadWord<std::int16_t>(fixed + 24) != catalog::kNoSaveCode) {
            return false;
        }
        const auto index = app::loadWord<std::int16_t>(fixed);
        const auto location = app::loadWord<std::int16_t>(fixed + 2);
        if (location < 0 || location >= model::kSlotLocations || index < 0 ||
            index >= slotCount(location)) {
            return false;
        }
        std::vector<CriticalSlot>& list = lists[static_cast<std::size_t>(location)];
        if (static_cast<std::size_t>(index) != list.size()) {
            return false;
        }
        in_.take(size);
        list.emplace_back().index = index;
        return true;
    }

    SlotRecord slotRecord() {
        SlotRecord r;
        r.storedText = in_.stringBytes();
        // The index, the location, the nine flags and the identifier's length in one read,
        // then the identifier and the save code behind it in another: a file that ends
        // within either fails its read as it would value by value.
        const auto fixed = in_.integers<kSlotFixedIntegers + 1>();
        r.index = fixed[0];
        r.location = fixed[1];
        r.flags.isWeapon = fixed[2] != 0;
        r.flags.isSpecial = fixed[3] != 0;
        r.flags.isLocked = fixed[4] != 0;
        r.flags.isActive = fixed[5] != 0;
        r.flags.isArmored = fixed[6] != 0;
        r.flags.isBaseArmored = fixed[7] != 0;
        r.flags.isRearMounted = fixed[8] != 0;
        r.flags.isSpread = fixed[9] != 0;
        r.flags.isTurretMounted = fixed[10] != 0;
        const auto idLength = static_cast<std::uint16_t>(fixed[kSlotFixedIntegers]);
        const std::string_view tail = in_.take(std::size_t{idLength} + sizeof r.saveCode);
        r.itemID = tail.substr(0, idLength);
        std::memcpy(&r.saveCode, tail.data() + idLength, sizeof r.saveCode);

        require(r.location >= 0 && r.location < model::kSlotLocations,
                "slot location out of range");
        require(r.index >= 0 && r.index < slotCount(r.location), "slot index out of range");
        if (r.saveCode != catalog::kNoSaveCode) {
            if (r.flags.isWeapon) {
                require(r.saveCode >= 0 &&
                            static_cast<std::size_t>(r.saveCode) < ctx_.weapons.size(),
                        "slot weapon outside the database");
            } else {
                require(catalog::isGenItemSaveCode(r.saveCode), "unknown save code");
            }
        }
        return r;
    }

    // A slot whose save code is not the one its item identifier gives (for a weapon slot: the
    // weapon its store holds under that instance number) would be written with another code,
    // and its text spelt out, than it was read with. Item codes and instance numbers are plain
    // ASCII, so the file's bytes give the same answer as the converted text.
    static bool hasOwnSaveCode(bool isWeapon, std::string_view itemID, std::int16_t saveCode,
                               const std::vector<WeaponEntry>& weapons) {
        if (saveCode == catalog::kNoSaveCode) {
            return true;
        }
        return isWeapon ? saveCode == itemSaveCode(true, itemID, weapons)
                        : catalog::isIdentifierOfSaveCode(itemID, saveCode);
    }
    static bool hasOwnSaveCode(const SlotRecord& r, const std::vector<WeaponEntry>& weapons) {
        return hasOwnSaveCode(r.flags.isWeapon, r.itemID, r.saveCode, weapons);
    }
    // Refuses a record whose save code is not its own. A general item's identifier that
    // passes is its item's code and instance digits: marked plain ASCII, it is kept without
    // a test of its bytes.
    static void requireOwnSaveCode(SlotRecord& r, const std::vector<WeaponEntry>& weapons) {
        require(hasOwnSaveCode(r, weapons), "save code not the slot's own");
        r.plainItemID = r.saveCode != catalog::kNoSaveCode && !r.flags.isWeapon;
    }

    // Appends the record's slot to `list`: flags, index, identifier and the text the editor
    // shows for its item; the file leaves out what it can rebuild. Each text is built once,
    // where it is kept: SlotText and ItemID convert to std::string while the slot is
    // constructed in the list, so there is no free slot's text to overwrite and no temporary
    // string to move.
    void append(std::vector<CriticalSlot>& list, const SlotRecord& r) const {
        list.emplace_back(r.flags, r.index, text(r), ItemID{r.itemID, r.plainItemID});
    }
    // Makes `slot` the record's slot, whatever it held before, reusing its storage.
    void fill(CriticalSlot& slot, const SlotRecord& r) const {
        slot.flags() = r.flags;
        slot.index = r.index;
        app::assignAnsiAsUtf8(slot.itemID, r.itemID);
        text(r).assignTo(slot.text);
    }

private:
    // An item identifier of the file, kept as UTF-8. Nearly half the occupied slots hold a
    // fixed entry: its identifier is built from the constant, without a copy or a conversion;
    // one known to be plain ASCII is copied as it stands.
    struct ItemID {
        std::string_view bytes;
        bool plain = false;
        operator std::string() const {
            if (plain) {
                return std::string(bytes);
            }
            return bytes == model::kFixedEntryID ? std::string(model::kFixedEntryID)
                                                 : app::ansiAsUtf8(bytes);
        }
    };

    // A slot's text in its parts: a weapon's mounting and tech base mark before the name, or
    // the text the file holds.
    struct SlotText {
        std::string_view mount = {};
        std::string_view mark = {};
        std::string_view name = {};
        bool fromFile = false; // `name` is the file's bytes

        operator std::string() const {
            if (fromFile) {
                return app::ansiAsUtf8(name);
            }
            if (mount.empty() && mark.empty()) {
                return std::string(name);
            }
            std::string text; // one allocation at most, at the final length
            text.reserve(mount.size() + mark.size() + name.size());
            text.append(mount).append(mark).append(name);
            return text;
        }
        void assignTo(std::string& text) const {
            if (fromFile) {
                app::assignAnsiAsUtf8(text, name);
            } else if (mount.empty() && mark.empty()) {
                if (text != name) { // a free slot mostly is one already
                    text.assign(name);
                }
            } else {
                text.clear();
                text.reserve(mount.size() + mark.size() + name.size());
                text.append(mount).append(mark).append(name);
            }
        }
    };

    SlotText text(const SlotRecord& r) const {
        if (r.saveCode != catalog::kNoSaveCode && !r.flags.isWeapon) {
            return SlotText{.name = genItemNames_.name(r.saveCode)};
        }
        if (r.saveCode != catalog::kNoSaveCode) {
            return weaponText(r);
        }
        return r.flags.isActive ? SlotText{.name = r.storedText, .fromFile = true}
                                : SlotText{.name = model::kRollAgain};
    }

    // A weapon slot's text: its mounting, the tech base mark of a mixed design, the name. Kept
    // apart from `text`, whose common cases stay short.
    SlotText weaponText(const SlotRecord& r) const {
        // The reader has checked the code, so the name is there.
        const catalog::SaveIdxName name =
            *catalog::saveIdxNameParts(types_, ctx_.weapons, r.saveCode, true);
        // Views of known length, so that picking one measures no text.
        static constexpr std::string_view kRear = "(R) ";
        static constexpr std::string_view kTurret = "(T) ";
        const std::string_view mount = r.flags.isRearMounted     ? kRear
                                       : r.flags.isTurretMounted ? kTurret
                                                                 : std::string_view{};
        return SlotText{.mount = mount, .mark = name.mark, .name = name.name};
    }

public:
    // The design's types, which name the general items; set once they are read.
    void setTypes(const catalog::DesignTypes& types) {
        types_ = types;
        genItemNames_ = catalog::GenItemNames(types);
    }

private:
    // A slot record's index, location and nine flags.
    static constexpr std::size_t kSlotFixedIntegers = 11;
    // A free slot's record behind its text: those, an empty identifier's length and the
    // save code.
    static constexpr std::size_t kFreeSlotFixedBytes = (kSlotFixedIntegers + 2) * 2;

    RecordReader in_;
    app::ProgramContext& ctx_;
    std::array<int, model::kSlotLocations> slotCounts_{};
    catalog::DesignTypes types_;
    catalog::GenItemNames genItemNames_;
};

// Tonnages feed every later sum: a NaN or an infinity would spread through all of them.
template <typename In> double finiteDouble(In& in) {
    const double value = in.doubleValue();
    require(std::isfinite(value), "a figure that is not a number");
    return value;
}

// The scalar block: 44 Integers and Booleans, 21 Doubles and one Long.
constexpr std::size_t kScalarBytes = 44 * 2 + 21 * 8 + 4;

// The values of a block whose bytes were taken from the file as a whole, one after another
// without a check each: the block's size is the sum of what readScalarValues reads.
class BlockValues {
public:
    explicit BlockValues(std::string_view block) : next_(block.data()) {}
    std::int16_t integer() { return next<std::int16_t>(); }
    bool boolean() { return integer() != 0; }
    std::int32_t longValue() { return next<std::int32_t>(); }
    double doubleValue() { return next<double>(); }

private:
    template <typename T> T next() {
        const T value = app::loadWord<T>(next_);
        next_ += sizeof value;
        return value;
    }
    const char* next_;
};

template <typename In> void readScalarValues(In& in, model::MechFields& f) {
    f.tonnage = in.integer();
    f.totalTonnage = finiteDouble(in);
    f.freeTonnage = finiteDouble(in);
    f.walking = in.integer();
    f.running = in.integer();
    f.sprinting = in.integer();
    f.jumping = in.integer();
    f.techBase = in.integer();
    f.techLevel = in.integer();
    f.mechType = in.integer();
    f.engineType = in.integer();
    f.cockpitType = in.integer();
    f.targSysType = in.integer();
    f.armorType = in.integer();
    f.isType = in.integer();
    f.hsType = in.integer();
    f.gyroType = in.integer();
    f.jumpJetType = in.integer();
    f.reserved1 = in.integer();
    f.reserved2 = in.integer();
    f.tsm = in.boolean();
    f.masc = in.integer();
    f.supercharger = in.boolean();
    f.nullSigSys = in.boolean();
    f.tcSize = in.integer();
    f.mascSize = in.integer();
    f.hsInEngine = in.integer();
    f.hsCount = in.integer();
    f.limitCrits = in.boolean();
    f.superchargerLoc = in.integer();
    f.physicalType = in.integer();
    f.laPhysical = in.boolean();
    f.raPhysical = in.boolean();
    f.armorPoints = in.integer();
    f.armorFree = in.integer();
    f.maxHeat = in.integer();
    f.weaponHeat = in.integer();
    f.totalCost = in.longValue();
    f.battleValue = in.integer();
    f.engineRating = in.integer();
    f.engineTonnage = finiteDouble(in);
    f.cockpitTonnage = finiteDouble(in);
    f.targSysTonnage = finiteDouble(in);
    f.weaponTonnage = finiteDouble(in);
    f.armorTonnage = finiteDouble(in);
    f.isTonnage = finiteDouble(in);
    f.jumpJetTonnage = finiteDouble(in);
    f.gyroTonnage = finiteDouble(in);
    f.hsTonnage = finiteDouble(in);
    f.mascTonnage = finiteDouble(in);
    f.armoredSlotTonnage = finiteDouble(in);
    f.caseTonnage = finiteDouble(in);
    f.lamTonnage = finiteDouble(in);
    f.physicalTonnage = finiteDouble(in);
    f.superchargerTonnage = finiteDouble(in);
    f.baseFreeTonnage = finiteDouble(in);
    f.omniBaseLocked = in.boolean();
    f.artemisSRM = in.integer();
    f.artemisLRM = in.integer();
    f.artemisTonnage = finiteDouble(in);
    f.ltTurret = in.boolean();
    f.rtTurret = in.boolean();
    f.ltTurretTonnage = finiteDouble(in);
    f.rtTurretTonnage = finiteDouble(in);
    f.armless = in.boolean();
    f.fractionalAccounting = in.boolean();
}

void readScalars(RecordReader& in, model::MechFields& f) {
    // 67 values: taken in one piece where the file holds them all. A file that ends within
    // them is read value by value, so that a bad value before its end is still what fails.
    if (in.remaining() >= kScalarBytes) {
        BlockValues block(in.take(kScalarBytes));
        readScalarValues(block, f);
    } else {
        readScalarValues(in, f);
    }
}

// Free slots at the end of `list` up to `length`, each at its place.
void padWithFreeSlots(std::vector<CriticalSlot>& list, std::size_t length) {
    while (list.size() < length) {
        const auto index = static_cast<std::int16_t>(list.size());
        list.emplace_back().index = index;
    }
}

// Puts the record's slot at its place in a list being read. The records come in slot order,
// so nearly every one is appended, built once where it is kept; a place a record skips
// holds a free slot, and a later record for a place already filled replaces its slot.
void placeSlot(std::vector<CriticalSlot>& list, const Reader& reader, const SlotRecord& r) {
    const auto position = static_cast<std::size_t>(r.index);
    if (position < list.size()) {
        reader.fill(list[position], r);
        return;
    }
    if (position > list.size()) {
        padWithFreeSlots(list, position);
    }
    // Nearly half the records are free slots: a new slot is one already, with nothing to
    // build or convert.
    if (r.isFree()) {
        list.emplace_back().index = r.index;
        return;
    }
    reader.append(list, r);
}

// The design's slot lists while the file is read, each as long as its last filled place and
// with room for the location's full length.
struct ReadSlotLists {
    std::array<std::vector<CriticalSlot>, model::kSlotLocations> lists;

    explicit ReadSlotLists(const Reader& reader) {
        for (int loc = 0; loc < model::kSlotLocations; ++loc) {
            lists[static_cast<std::size_t>(loc)].reserve(
                static_cast<std::size_t>(reader.slotCount(loc)));
        }
    }

    void place(const Reader& reader, const SlotRecord& r) {
        placeSlot(lists[static_cast<std::size_t>(r.location)], reader, r);
    }
};

// The slot lists at the length the design had, taken out of `read`: limit crits shortens
// light designs, and a list is never shorter than the slots the file fills.
std::array<model::CritLocation, model::kSlotLocations>
readLists(const model::MechFields& f, const Reader& reader, ReadSlotLists& read) {
    const auto list = [&](int loc) {
        std::vector<CriticalSlot>& slots = read.lists[static_cast<std::size_t>(loc)];
        const int normal = reader.slotCount(loc);
        const int length =
            normal - (f.limitCrits ? catalog::gGetLimitedCritSlots(f.tonnage, loc) : 0);
        padWithFreeSlots(slots, static_cast<std::size_t>(std::max(length, 0)));
        return model::CritLocation(loc, normal, std::move(slots));
    };
    static_assert(model::kSlotLocations == 8);
    return {list(0), list(1), list(2), list(3), list(4), list(5), list(6), list(7)};
}

// Figures the file does not carry, so that cost and Battle Value of the design are right.
// `stored` is the set read from the file, completed here.
void recomputeMissingFigures(model::Mech& mech, model::MechFields& stored) {
    // The weapon figures include the Artemis cost; the physical weapon setter its size.
    mech.CalcWeaponTonnage();
    mech.setPhysicalType(stored.physicalType);
    stored.physicalSize = mech.fields().physicalSize;
    stored.artemisCost = mech.fields().artemisCost;
    int armored = 0;
    for (const model::CritLocation& list : mech.critLocations()) {
        armored += static_cast<int>(
            std::count_if(list.slots().begin(), list.slots().end(), [](const CriticalSlot& slot) {
                return slot.isActive && slot.isArmored;
            }));
    }
    stored.armoredSlots = static_cast<std::int16_t>(armored);
    mech.restoreFields(stored);
}

// The slot lists of each configuration while its records are read. Every place the file keeps
// no record for is the base chassis slot there, so each list ends as long as the base chassis
// location. Built in one pass, each slot once where it is kept: the records come in slot
// order, so nearly every one is appended after the base chassis slots it skips.
class ConfigurationSlots {
public:
    explicit ConfigurationSlots(const model::OmniCritLocationStorage& base) : store_(base) {
        for (std::size_t loc = 0; loc < base_.size(); ++loc) {
            base_[loc] = &base.GetLoc(static_cast<int>(loc)).slots();
        }
    }

    // Empty lists with room for a configuration.
    void begin() {
        for (std::size_t loc = 0; loc < lists_.size(); ++loc) {
            lists_[loc].reserve(base_[loc]->size());
        }
    }

    // Puts the record's slot at its place; a later record for a place already filled
    // replaces its slot. False (nothing placed) for a place beyond the base chassis location,
    // or for a slot the base chassis fixes: a file written from this configuration would leave
    // it out and the base chassis slot would be read in its place.
    bool place(const Reader& reader, const SlotRecord& r) {
        const auto loc = static_cast<std::size_t>(r.location);
        std::vector<CriticalSlot>& list = lists_[loc];
        const auto position = static_cast<std::size_t>(r.index);
        if (position >= base_[loc]->size()) {
            return false;
        }
        copyBaseSlots(loc, position);
        placeSlot(list, reader, r);
        return configurationKeeps(store_, r.location, list[position]);
    }

    // Completes each list with the base chassis slots after its last record and hands the
    // lists to the configuration's store, named after it.
    void moveInto(model::OmniConfig& config) {
        config.slots.setConfigName(config.name);
        for (std::size_t loc = 0; loc < lists_.size(); ++loc) {
            copyBaseSlots(loc, base_[loc]->size());
            config.slots.setLocation(static_cast<int>(loc), std::move(lists_[loc]));
        }
    }

private:
    // The base chassis slots from the end of the list up to `end`.
    void copyBaseSlots(std::size_t loc, std::size_t end) {
        std::vector<CriticalSlot>& list = lists_[loc];
        const std::vector<CriticalSlot>& base = *base_[loc];
        for (std::size_t i = list.size(); i < end; ++i) {
            list.push_back(base[i]);
        }
    }

    const model::OmniCritLocationStorage& store_;
    std::array<const std::vector<CriticalSlot>*, model::kSlotLocations> base_{};
    std::array<std::vector<CriticalSlot>, model::kSlotLocations> lists_;
};

// Reads the section into `omni`, a new state, filled where it is kept rather than moved there.
void readOmniSection(Reader& reader, std::string& currentConfig, model::OmniState& omni) {
    RecordReader& in = reader.in();
    model::OmniBaseChassis& base = omni.base;
    base.weapons = reader.weapons(in.lastIndexPrefix(kMinWeaponBytes));
    base.values.hsCount = in.integer();
    base.values.jumping = in.integer();
    base.values.physicalType = in.integer();
    base.values.laPhysical = in.integer() != 0;
    base.values.raPhysical = in.integer() != 0;
    base.values.targSysType = in.integer();
    base.values.artemisLRM = in.integer();
    base.values.artemisSRM = in.integer();
    for (auto& value : base.caseSettings) {
        value = in.integer();
    }
    for (std::size_t i = 0; i < base.laActuators.size(); ++i) {
        base.laActuators[i] = in.integer() != 0;
        base.raActuators[i] = in.integer() != 0;
    }

    const std::string baseName(model::kBaseConfigName);
    base.slots.setConfigName(baseName);
    for (int loc = 0; loc < model::kSlotLocations; ++loc) {
        const std::int16_t last = in.integer();
        require(last >= -1 && last < reader.slotCount(loc), "base slot count");
        const std::size_t length = in.checkedCount(last + 1, kMinSlotBytes);
        std::vector<CriticalSlot> slots;
        slots.reserve(length);
        // A record that fails a check is placed no more, but the rest of the location is
        // still read: a file that also ends early within it says so rather than naming the
        // bad value.
        bool bad = false;
        for (std::size_t i = length; i > 0; --i) {
            const SlotRecord r = reader.slotRecord();
            // The lock marks each base item armoured as it then stood. One armoured only
            // since would be written again by every configuration that takes it over.
            bad = bad || !Reader::hasOwnSaveCode(r, base.weapons) || r.location != loc ||
                  r.index > last ||
                  (r.flags.isLocked && !r.flags.isBaseArmored && r.flags.isArmored);
            if (!bad) {
                placeSlot(slots, reader, r);
            }
        }
        require(!bad, "base chassis slot out of place or not its own");
        padWithFreeSlots(slots, length);
        base.slots.setLocation(loc, std::move(slots));
    }

    const std::size_t count = in.lastIndexPrefix(model::kConfigNameWidth);
    omni.configs.resize(count);
    for (model::OmniConfig& config : omni.configs) {
        config.name = in.header(model::kConfigNameWidth);
        require(!config.name.empty(), "configuration without name");
        require(model::findOmniConfig(omni.configs, config.name) == &config - omni.configs.data(),
                "configuration name used twice");
    }
    // The slots come before the weapons their save codes name: each code is checked once its
    // configuration's weapons are read, in the order of the slots.
    struct PendingCode {
        std::size_t config;
        bool isWeapon;
        std::string_view itemID;
        std::int16_t saveCode;
    };
    std::vector<PendingCode> pending;
    ConfigurationSlots slots(base.slots);
    for (model::OmniConfig& config : omni.configs) {
        const std::size_t configIndex = static_cast<std::size_t>(&config - omni.configs.data());
        slots.begin();
        bool bad = false; // as for the base chassis: the whole list is read first
        const std::size_t records = in.lastIndexPrefix(kMinSlotBytes);
        // Room for every record of the configuration at once: the list is not grown step by
        // step. The count is bounded by the bytes left in the file.
        pending.reserve(pending.size() + records);
        for (std::size_t i = records; i > 0; --i) {
            const SlotRecord r = reader.slotRecord();
            if (r.saveCode != catalog::kNoSaveCode) {
                pending.push_back(PendingCode{configIndex, r.flags.isWeapon, r.itemID, r.saveCode});
            }
            bad = bad || !slots.place(reader, r);
        }
        require(!bad, "configuration slot out of place or kept by the base chassis");
        slots.moveInto(config);
    }
    auto nextPending = pending.begin();
    for (model::OmniConfig& config : omni.configs) {
        const std::size_t configIndex = static_cast<std::size_t>(&config - omni.configs.data());
        config.weapons.setConfigName(config.name);
        const std::size_t weapons = in.checkedCount(in.integer(), kMinWeaponBytes);
        config.weapons.reserve(weapons);
        for (std::size_t i = 0; i < weapons; ++i) {
            require(config.weapons.Add(reader.weapon()), "instance number used twice");
        }
        for (; nextPending != pending.end() && nextPending->config == configIndex; ++nextPending) {
            require(Reader::hasOwnSaveCode(nextPending->isWeapon, nextPending->itemID,
                                           nextPending->saveCode, config.weapons.weapons()),
                    "save code not the slot's own");
        }
    }
    for (model::OmniConfig& config : omni.configs) {
        config.values.hsCount = in.integer();
    }
    for (model::OmniConfig& config : omni.configs) {
        config.values.jumping = in.integer();
    }
    for (model::OmniConfig& config : omni.configs) {
        config.values.physicalType = in.integer();
        config.values.laPhysical = in.integer() != 0;
        config.values.raPhysical = in.integer() != 0;
    }
    for (model::OmniConfig& config : omni.configs) {
        config.values.targSysType = in.integer();
    }
    for (model::OmniConfig& config : omni.configs) {
        config.values.artemisLRM = in.integer();
        config.values.artemisSRM = in.integer();
    }
    for (model::OmniConfig& config : omni.configs) {
        config.caseSettings.setConfigName(config.name);
        for (int loc = 0; loc < model::OmniCASE::kLocations; ++loc) {
            config.caseSettings.Add(loc, in.integer());
        }
    }
    for (model::OmniConfig& config : omni.configs) {
        config.actuators.setConfigName(config.name);
        for (int i = 0; i < model::OmniActuators::kActuators; ++i) {
            config.actuators.SetActuator(0, i, in.integer() != 0);
            config.actuators.SetActuator(1, i, in.integer() != 0);
        }
    }

    if (!omni.configs.empty()) {
        const int current = model::findOmniConfig(omni.configs, currentConfig);
        currentConfig = omni.configs[current < 0 ? 0 : static_cast<std::size_t>(current)].name;
    }
}

} // namespace

DesignFileResult parseDesignFile(std::string_view bytes, app::ProgramContext& ctx) {
    DesignFileResult result;
    // The header text padded with blanks to its width.
    const std::string_view header = bytes.substr(0, kDesignFileHeaderWidth);
    if (header.size() != kDesignFileHeaderWidth || !header.starts_with(kDesignFileHeader) ||
        header.find_first_not_of(' ', kDesignFileHeader.size()) != std::string_view::npos) {
        result.status = DesignFileResult::Status::IncorrectHeader;
        result.message = incorrectHeaderMessage();
        return result;
    }
    Reader reader(bytes.substr(kDesignFileHeaderWidth), ctx);
    RecordReader& in = reader.in();
    try {
        const std::int16_t version = in.integer();
        if (version != kDesignFileVersion) {
            result.status = DesignFileResult::Status::IncorrectVersion;
            result.message = incorrectVersionMessage(version);
            return result;
        }
        // The values a new design has where the file holds none (the damage state).
        model::MechFields f;
        f.mechName = in.string();
        f.mechModel = in.string();
        f.historyFile = in.string();
        f.currentConfig = in.string();
        readScalars(in, f);
        // Fixed runs of values each in one read.
        const auto actuators = in.integers<2 * model::kActuators>();
        for (std::size_t i = 0; i < model::kActuators; ++i) {
            f.laActuators[i] = actuators[i] != 0;
            f.raActuators[i] = actuators[model::kActuators + i] != 0;
        }
        std::vector<WeaponEntry> weapons = reader.weapons(in.lastIndexPrefix(kMinWeaponBytes));
        f.armor = in.integers<model::kArmorPositions>();
        reader.setTypes(model::designTypesOf(f));
        ReadSlotLists slots(reader);
        for (std::size_t i = in.lastIndexPrefix(kMinSlotBytes); i > 0; --i) {
            if (reader.appendFreeSlot(slots.lists)) {
                continue;
            }
            SlotRecord r = reader.slotRecord();
            Reader::requireOwnSaveCode(r, weapons);
            slots.place(reader, r);
        }
        f.caseSettings = in.integers<model::kCaseLocations>();
        // A plain design's omni state is a new design's: nothing to build, move or destroy.
        std::optional<model::OmniState> omni;
        if (f.omniBaseLocked && f.mechType == catalog::kOmniMech) {
            readOmniSection(reader, f.currentConfig, omni.emplace());
        }
        require(in.atEnd(), "bytes after the end of the design");

        // The design is built only from a file that read to its end.
        model::Mech& mech =
            result.mech.emplace(ctx, readLists(f, reader, slots), std::move(weapons));
        if (omni) {
            mech.restoreOmniState(std::move(*omni));
        }
        mech.restoreFields(f);
        recomputeMissingFigures(mech, f);
    } catch (const app::ReadError& error) {
        // The codec says which: the file ended early, or a count it cannot hold.
        const bool ended = std::string_view(error.what()) == app::kInputPastEndText;
        result.status = DesignFileResult::Status::Damaged;
        result.failure = ended ? app::Failure{app::failure::kInputPastEndOfFile,
                                              std::string(app::kInputPastEndText)}
                               : app::Failure{app::failure::kBadFileFormat, "Bad file format"};
    } catch (const BadValue&) {
        result.status = DesignFileResult::Status::Damaged;
        result.failure = app::Failure{app::failure::kBadFileFormat, "Bad file format"};
    }
    return result;
}

} // namespace fpw::io
