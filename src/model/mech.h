// The design: a mech's selections, its construction figures, armour, CASE, actuators, weapon
// list, damage state and slot lists. Setting an input through its setter recomputes every
// figure that depends on it, so no figure is ever stale.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "catalog/designtypes.h"
#include "model/critlocation.h"
#include "model/omniconfig.h"
#include "model/weaponentry.h"

namespace fpw::app {
struct ProgramContext;
}
namespace fpw::catalog {
struct WeaponRecord;
}

namespace fpw::model {

inline constexpr int kSlotLocations = 8;   // locations 0 to 7 have critical slots
inline constexpr int kArmorPositions = 11; // plus 8 to 10, the rear torso armour
inline constexpr int kCaseLocations = 7;   // every location but the head
inline constexpr int kActuators = 4;       // per arm
inline constexpr int kHeadLocation = 7;
inline constexpr int kCenterTorso = 6;

// Every stored value of a design apart from its weapon list and slot lists, in the form the
// design file keeps it. The setters of `Mech` change these with their recalculations;
// `Mech::restoreFields` puts a complete set back without any (a file reader's job).
struct MechFields {
    // identity
    std::string mechName;
    std::string mechModel;
    std::string saveFilename;
    std::string historyFile;

    // body and components
    std::int16_t tonnage = 0;
    std::int16_t mechType = 0;
    std::int16_t techBase = 0;
    std::int16_t techLevel = 0;
    std::int16_t engineType = 0;
    std::int16_t engineRating = 0;
    std::int16_t gyroType = 0;
    std::int16_t cockpitType = 0;
    std::int16_t targSysType = 0;
    std::int16_t armorType = 0;
    std::int16_t isType = 0;
    std::int16_t hsType = 0;
    std::int16_t jumpJetType = 0;
    std::int16_t physicalType = 0;
    // Two Integers the design file carries after `JumpJetType`; kept unchanged.
    std::int16_t reserved1 = 0;
    std::int16_t reserved2 = 0;

    // heat and movement
    std::int16_t hsCount = 10;
    std::int16_t hsInEngine = 0;
    std::int16_t walking = 0;
    std::int16_t running = 0;
    std::int16_t sprinting = 0;
    std::int16_t jumping = 0;

    // options
    bool tsm = false;
    bool supercharger = false;
    bool nullSigSys = false;
    bool limitCrits = false;
    bool armless = false;
    bool fractionalAccounting = false;
    bool ltTurret = false;
    bool rtTurret = false;
    bool laPhysical = false;
    bool raPhysical = false;
    std::int16_t artemisSRM = 0;
    std::int16_t artemisLRM = 0;
    std::int16_t masc = 0;
    std::int16_t superchargerLoc = 0;

    // computed slot counts
    std::int16_t tcSize = 0;
    std::int16_t mascSize = 0;
    std::int16_t physicalSize = 0;
    std::int16_t armoredSlots = 0;

    // computed tonnages
    double engineTonnage = 0;
    double cockpitTonnage = 0;
    double targSysTonnage = 0;
    double weaponTonnage = 0;
    double armorTonnage = 0;
    double isTonnage = 0;
    double jumpJetTonnage = 0;
    double gyroTonnage = 0;
    double hsTonnage = 0;
    double mascTonnage = 0;
    double caseTonnage = 0;
    double lamTonnage = 0;
    double physicalTonnage = 0;
    double superchargerTonnage = 0;
    double ltTurretTonnage = 0;
    double rtTurretTonnage = 0;
    double armoredSlotTonnage = 0;
    double artemisTonnage = 0;
    double totalTonnage = 0;
    double freeTonnage = 0;

    // other results
    std::int16_t armorPoints = 0;
    std::int16_t armorFree = 0;
    std::int32_t totalCost = 0;
    std::int32_t artemisCost = 0;
    std::int16_t battleValue = 0;
    std::int16_t maxHeat = 0;    // movement heat, null-signature heat and weapon heat
    std::int16_t weaponHeat = 0; // database heat above 0 of all live weapons

    // per location
    std::array<std::int16_t, kArmorPositions> armor{};
    std::array<std::int16_t, kCaseLocations> caseSettings{};
    std::array<bool, kActuators> laActuators{true, true, true, true};
    std::array<bool, kActuators> raActuators{true, true, true, true};

    // damage state of a unit entry
    std::array<std::int16_t, kArmorPositions> armorDamage{};
    std::array<std::int16_t, kArmorPositions> permArmorDamage{};
    std::array<std::int16_t, kSlotLocations> intDamage{};
    std::array<std::int16_t, kSlotLocations> permIntDamage{};
    std::array<bool, kSlotLocations> locDestroyed{};

    // omni base chassis (the configurations themselves live beside the fields in `Mech`)
    bool omniBaseLocked = false;
    double baseFreeTonnage = 0;
    std::string currentConfig;

    bool operator==(const MechFields&) const = default;
};

// The type codes of a design's fields that the catalogue names general items and weapons by.
catalog::DesignTypes designTypesOf(const MechFields& fields);

// Armour points one ton of this armour type gives on this tech base.
double armorPointsPerTon(std::int16_t armorType, std::int16_t techBase);

struct WeaponSums;

class Mech {
public:
    // A new design: one free weapon element, 10 heat sinks, all actuators, default slots.
    // The context (weapon table, prices, error reporter) must outlive the design.
    explicit Mech(app::ProgramContext& ctx);
    // A design that a reader is about to fill in whole (fields), with the slot lists and the
    // weapon list it read (free elements dropped, as setWeapons does): no default slots laid
    // and no figures computed, since everything is replaced.
    Mech(app::ProgramContext& ctx, std::array<CritLocation, kSlotLocations> readLists,
         std::vector<WeaponEntry> readWeapons);

    app::ProgramContext& context() const { return *ctx_; }

    // ---- whole-state access for readers and writers of design files
    const MechFields& fields() const { return f_; }
    // Puts every stored value back as given, without recalculating anything.
    void restoreFields(const MechFields& fields) { f_ = fields; }
    // Recomputes every construction figure from the inputs (after a file was read, or for
    // the editor's full refresh). `ArmoredSlotData` values are inputs and stay.
    void RecalcAll();
    // RecalcAll with new `ArmoredSlotData` values, as both in turn leave the design, with the
    // totals summed once.
    void RecalcAll(int armoredCount, int armoredSlots);
    // The same design: fields, weapon list, slot lists and omni configurations (the current
    // weapon, a scratch entry, and the views' listeners and highlights are no part of it).
    bool operator==(const Mech& other) const;
    // The type codes the catalogue names general items and weapons by.
    catalog::DesignTypes designTypes() const;

    // ---- identity
    const std::string& mechName() const { return f_.mechName; }
    void setMechName(std::string v) { f_.mechName = std::move(v); }
    const std::string& mechModel() const { return f_.mechModel; }
    void setMechModel(std::string v) { f_.mechModel = std::move(v); }
    const std::string& saveFilename() const { return f_.saveFilename; }
    void setSaveFilename(std::string v) { f_.saveFilename = std::move(v); }
    // The folder of `SaveFilename`, with its trailing separator; empty without one.
    std::string SaveFilePath() const;
    const std::string& historyFile() const { return f_.historyFile; }
    void setHistoryFile(std::string v) { f_.historyFile = std::move(v); }

    // ---- inputs; each setter runs the recalculations that depend on it
    std::int16_t tonnage() const { return f_.tonnage; }
    void setTonnage(std::int16_t v);
    std::int16_t mechType() const { return f_.mechType; }
    void setMechType(std::int16_t v);
    std::int16_t techBase() const { return f_.techBase; }
    void setTechBase(std::int16_t v);
    std::int16_t techLevel() const { return f_.techLevel; }
    void setTechLevel(std::int16_t v);
    std::int16_t engineType() const { return f_.engineType; }
    void setEngineType(std::int16_t v);
    std::int16_t gyroType() const { return f_.gyroType; }
    void setGyroType(std::int16_t v);
    std::int16_t cockpitType() const { return f_.cockpitType; }
    void setCockpitType(std::int16_t v);
    std::int16_t targSysType() const { return f_.targSysType; }
    void setTargSysType(std::int16_t v);
    std::int16_t armorType() const { return f_.armorType; }
    void setArmorType(std::int16_t v);
    std::int16_t isType() const { return f_.isType; }
    void setISType(std::int16_t v);
    std::int16_t hsType() const { return f_.hsType; }
    void setHSType(std::int16_t v);
    std::int16_t hsCount() const { return f_.hsCount; }
    void setHSCount(std::int16_t v);
    std::int16_t jumpJetType() const { return f_.jumpJetType; }
    void setJumpJetType(std::int16_t v);
    std::int16_t physicalType() const { return f_.physicalType; }
    void setPhysicalType(std::int16_t v);
    bool laPhysical() const { return f_.laPhysical; }
    void setLAPhysical(bool v);
    bool raPhysical() const { return f_.raPhysical; }
    void setRAPhysical(bool v);
    std::int16_t walking() const { return f_.walking; }
    // Also sets `Running` and `Sprinting`.
    void setWalking(std::int16_t v);
    std::int16_t jumping() const { return f_.jumping; }
    void setJumping(std::int16_t v);
    std::int16_t masc() const { return f_.masc; }
    void setMASC(std::int16_t v);
    bool supercharger() const { return f_.supercharger; }
    void setSupercharger(bool v);
    std::int16_t artemisSRM() const { return f_.artemisSRM; }
    void setArtemisSRM(std::int16_t v);
    std::int16_t artemisLRM() const { return f_.artemisLRM; }
    void setArtemisLRM(std::int16_t v);
    bool ltTurret() const { return f_.ltTurret; }
    void setLTTurret(bool v);
    bool rtTurret() const { return f_.rtTurret; }
    void setRTTurret(bool v);
    bool fractionalAccounting() const { return f_.fractionalAccounting; }
    // Recomputes every tonnage when the value changes.
    void setFractionalAccounting(bool v);
    // Null-signature heat enters `MaxHeat`, so the totals follow it.
    bool nullSigSys() const { return f_.nullSigSys; }
    void setNullSigSys(bool v);

    // Stored without recalculation: nothing is computed from them.
    bool armless() const { return f_.armless; }
    void setArmless(bool v) { f_.armless = v; }
    bool tsm() const { return f_.tsm; }
    void setTSM(bool v) { f_.tsm = v; }
    bool limitCrits() const { return f_.limitCrits; }
    void setLimitCrits(bool v) { f_.limitCrits = v; }
    std::int16_t superchargerLoc() const { return f_.superchargerLoc; }
    void setSuperchargerLoc(std::int16_t v) { f_.superchargerLoc = v; }

    // ---- per location. Indices outside their range are reported to the error reporter
    // ("Mech.<operation>", 9 "Subscript out of range"); a getter then answers 0 / false and a
    // setter changes nothing.
    std::int16_t GetArmor(int loc) const; // 0 to 10
    void SetArmor(int loc, std::int16_t value);
    std::int16_t GetCASE(int loc) const; // 0 to 6
    void SetCase(int loc, std::int16_t value);
    bool GetLAActuator(int i) const; // 0 to 3
    void SetLAActuator(int i, bool value);
    bool GetRAActuator(int i) const;
    void SetRAActuator(int i, bool value);

    // ---- damage state (units)
    std::int16_t GetArmorDamage(int loc) const; // 0 to 10
    void SetArmorDamage(int loc, std::int16_t value);
    std::int16_t GetPermArmorDamage(int loc) const;
    void SetPermArmorDamage(int loc, std::int16_t value);
    std::int16_t GetIntDamage(int loc) const; // 0 to 7
    void SetInternalDamage(int loc, std::int16_t value);
    std::int16_t GetPermIntDamage(int loc) const;
    void SetPermInternalDamage(int loc, std::int16_t value);
    bool IsLocDestroyed(int loc) const; // 0 to 7
    void SetDestroyLocStatus(int loc, bool value);
    // Heat sinks lost in destroyed locations: the "cHS" items there, in the unit of `HSCount`.
    int HSDestroyed() const;

    // ---- computed figures (read only)
    std::int16_t engineRating() const { return f_.engineRating; }
    std::int16_t hsInEngine() const { return f_.hsInEngine; }
    std::int16_t running() const { return f_.running; }
    std::int16_t sprinting() const { return f_.sprinting; }
    std::int16_t tcSize() const { return f_.tcSize; }
    std::int16_t mascSize() const { return f_.mascSize; }
    std::int16_t physicalSize() const { return f_.physicalSize; }
    std::int16_t armoredSlots() const { return f_.armoredSlots; }
    double engineTonnage() const { return f_.engineTonnage; }
    double cockpitTonnage() const { return f_.cockpitTonnage; }
    double targSysTonnage() const { return f_.targSysTonnage; }
    double weaponTonnage() const { return f_.weaponTonnage; }
    double armorTonnage() const { return f_.armorTonnage; }
    double isTonnage() const { return f_.isTonnage; }
    double jumpJetTonnage() const { return f_.jumpJetTonnage; }
    double gyroTonnage() const { return f_.gyroTonnage; }
    double hsTonnage() const { return f_.hsTonnage; }
    double mascTonnage() const { return f_.mascTonnage; }
    double caseTonnage() const { return f_.caseTonnage; }
    double lamTonnage() const { return f_.lamTonnage; }
    double physicalTonnage() const { return f_.physicalTonnage; }
    double superchargerTonnage() const { return f_.superchargerTonnage; }
    double ltTurretTonnage() const { return f_.ltTurretTonnage; }
    double rtTurretTonnage() const { return f_.rtTurretTonnage; }
    double armoredSlotTonnage() const { return f_.armoredSlotTonnage; }
    double artemisTonnage() const { return f_.artemisTonnage; }
    double totalTonnage() const { return f_.totalTonnage; }
    double freeTonnage() const { return f_.freeTonnage; }
    std::int16_t armorPoints() const { return f_.armorPoints; }
    std::int16_t armorFree() const { return f_.armorFree; }
    std::int32_t artemisCost() const { return f_.artemisCost; }
    std::int16_t weaponHeat() const { return f_.weaponHeat; }

    // Battle Value and cost are computed by the valuation and stored here.
    std::int16_t battleValue() const { return f_.battleValue; }
    void storeBattleValue(std::int16_t v) { f_.battleValue = v; }
    std::int32_t totalCost() const { return f_.totalCost; }
    void storeTotalCost(std::int32_t v) { f_.totalCost = v; }

    // Movement heat, null-signature heat and weapon heat; stores and returns it.
    std::int16_t MaxHeat();
    // The stored result of the last `MaxHeat` (kept current by every input change).
    std::int16_t maxHeatValue() const { return f_.maxHeat; }
    // Sums the component tonnages into `TotalTonnage` and `FreeTonnage`.
    void CalcTotalTonnage();
    // Recomputes the turret weights (also done after every weapon change).
    void CalcTurretTonnage();
    // Slots the targeting computer would need now (0 for other targeting systems); stores
    // nothing.
    std::int16_t DetermineTCSize() const;
    // Half a ton per armoured slot: `ArmoredSlotTonnage` = count / 2, `ArmoredSlots` = slots.
    void ArmoredSlotData(int count, int slots);

    // ---- weapon list
    // Adds a weapon of database record `refID` and returns its new instance number. With
    // `recalculate` false the weapon figures wait for the caller's next weapon change or
    // `CalcWeaponTonnage`. `added` receives the new entry. A `refID` outside the weapon table
    // is reported ("Mech.AddWeapon") and gives -1 with nothing added.
    std::int16_t AddWeapon(std::int16_t refID, bool recalculate = true,
                           WeaponEntry* added = nullptr);
    // Frees the live entry with that instance number and compacts the list; nothing happens
    // when there is none.
    void RemoveWeapon(std::int16_t weaponIndex);
    // Places (location, start slot, allocated) or unplaces a weapon. Nothing happens for an
    // unknown instance number; a location outside 0 to 7 is reported and changes nothing.
    void AlterWeapon(std::int16_t weaponIndex, std::int16_t location, std::int16_t startSlot,
                     bool placed);
    // Number of live entries.
    int WeaponCount() const;
    // Copies the n-th live entry (from 1) into the current weapon; false when there is none.
    bool TSetWeaponGlobal(int n);
    // Copies the live entry with that instance number into the current weapon.
    bool TSetWeaponIdxGlobal(std::int16_t weaponIndex);
    // Writes the current weapon back over the live entry with that instance number, which
    // keeps its instance number; nothing happens when there is none or the current weapon
    // names no record of the weapon table.
    void UpdateGlobalWeaponIdx(std::int16_t weaponIndex);
    // The current weapon: the entry the lookups copy out and the update writes back.
    WeaponEntry& currentWeapon() { return current_; }
    const WeaponEntry& currentWeapon() const { return current_; }
    // True unless an ammunition-using weapon lacks compatible ammunition.
    bool ValidAmmo() const;
    // The elements as stored, free ones included (at least one element).
    const std::vector<WeaponEntry>& weapons() const { return weapons_; }
    // Replaces the list (a file reader, a configuration switch): free elements are dropped
    // and an empty list becomes the single free element; weapon figures follow.
    void setWeapons(std::vector<WeaponEntry> list);
    // Removes free elements (an empty result is the single free element).
    void CompactWeapons();
    // Weapon weight, heat, targeting computer, Artemis and turrets from the weapon list.
    void CalcWeaponTonnage();

    // ---- slot lists
    // The list of location 0 to 7. Outside that range the request is reported and an empty
    // list of no location answers, so that a wrong index never writes into another location.
    CritLocation& critLocation(int loc);
    const CritLocation& critLocation(int loc) const;
    std::array<CritLocation, kSlotLocations>& critLocations() { return crits_; }
    const std::array<CritLocation, kSlotLocations>& critLocations() const { return crits_; }
    // Location of the first slot list holding the targeting computer "cTS"; 0 when none.
    int FindTC() const;
    // Lays the default slot contents of the current body type, engine and gyro.
    void LayDefaultSlots();

    // ---- omni configurations (mech_omni.cpp)
    // Locks the base chassis of an Omni-Mech: occupied slots become locked base entries
    // (armour and structure slots excepted) and the base values, weapons, CASE, actuators,
    // slots and free tonnage are kept. False, with nothing changed, when already locked or
    // not an Omni-Mech.
    bool LockBaseOmni();
    // Appends a configuration initialised from the base chassis under the name trimmed and
    // cut to 25 characters. False when unlocked, or the name is empty or taken (case ignored).
    bool AddNewVariant(std::string_view name);
    // Stores the present state into the configuration named `CurrentConfig` (case ignored);
    // false when there is none.
    bool SaveCurrentConfig();
    // Makes the named configuration (case ignored) current and loads it through the setters,
    // storing the current one first when asked. False, with nothing changed, when unknown.
    bool ChangeOmniConfig(std::string_view name, bool storeFirst);
    // Removes the configuration with exactly this name; refused (false) for an unknown name
    // and for the last configuration.
    bool DeleteOmniConfig(std::string_view name);
    // Sets `CurrentConfig` without loading anything: to the configuration's stored name when
    // one matches as `ChangeOmniConfig` matches, else to `name` as given.
    void SetInitialOmniConfig(std::string name);
    const std::string& currentConfig() const { return f_.currentConfig; }
    int OmniConfigCount() const { return static_cast<int>(omni_.configs.size()); }
    // The i-th name from 0; empty outside (a design without configurations has one empty name).
    std::string GetOmniConfigName(int i) const;
    // True when any configuration stores a weapon of that database record.
    bool TOmniWeaponPresent(std::int16_t refID) const;
    // Copies the named configuration's weapon with that instance number into the current
    // weapon; false when there is none.
    bool TSetOmniWeaponIdxGlobal(std::int16_t weaponIndex, std::string_view configName);

    bool omniBaseLocked() const { return f_.omniBaseLocked; }
    double baseFreeTonnage() const { return f_.baseFreeTonnage; }
    std::int16_t omniBaseHSCount() const { return omni_.base.values.hsCount; }
    std::int16_t baseOmniHeatSinks() const { return omni_.base.values.hsCount; }
    std::int16_t omniBaseJumping() const { return omni_.base.values.jumping; }
    std::int16_t omniBasePhysicalType() const { return omni_.base.values.physicalType; }
    bool omniBaseLAPhysical() const { return omni_.base.values.laPhysical; }
    bool omniBaseRAPhysical() const { return omni_.base.values.raPhysical; }
    std::int16_t omniBaseTargSysType() const { return omni_.base.values.targSysType; }
    std::int16_t omniBaseArtemisLRM() const { return omni_.base.values.artemisLRM; }
    std::int16_t omniBaseArtemisSRM() const { return omni_.base.values.artemisSRM; }
    std::int16_t OmniBaseGetCase(int loc) const; // 0 to 6

    // The base chassis and the configurations; a file reader puts them back unchanged.
    const OmniState& omniState() const { return omni_; }
    void restoreOmniState(OmniState state) { omni_ = std::move(state); }

private:
    OmniPodValues currentPodValues() const;
    bool checkIndex(const char* procedure, int index, int count) const;
    // The weapon-table record of an entry; nullptr for a free element or an index outside
    // the table.
    const catalog::WeaponRecord* record(const WeaponEntry& w) const;

    void CalcEngineRating();
    void CalcEngineTonnage();
    void CalcGyroTonnage();
    void CalcCockpitTonnage();
    void CalcISTonnage();
    void CalcArmorTonnage();
    void CalcHSInEngine();
    void CalcHSTonnage();
    void CalcJumpJetTonnage();
    void CalcMASC();
    void CalcSuperchargerTonnage();
    void CalcTargSysTonnage();
    void CalcCASETonnage();
    void CalcPhysical();
    void CalcLAMTonnage();
    void CalcArtemis();
    void CalcTotals();
    // The weapon list's sums in one pass, and the figures taken from them.
    WeaponSums weaponSums() const;
    void storeArtemis(const WeaponSums& sums);
    void storeTurrets(const WeaponSums& sums);

    app::ProgramContext* ctx_;
    MechFields f_;
    // The single free element, made in place rather than copied from a list.
    std::vector<WeaponEntry> weapons_ = std::vector<WeaponEntry>(1);
    WeaponEntry current_;
    std::array<CritLocation, kSlotLocations> crits_;
    // Answers an out-of-range `critLocation` request; holds nothing.
    mutable CritLocation nowhere_{-1, 0};
    OmniState omni_;
};

} // namespace fpw::model
