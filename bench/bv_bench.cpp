// Battle Value of a typical and of a heavily armed design, lines included: the editor
// recomputes it on every change.
#include <string>
#include <vector>

#include <benchmark/benchmark.h>

#include "app/programcontext.h"
#include "app/userinteraction.h"
#include "catalog/equipment.h"
#include "catalog/locations.h"
#include "model/mech.h"
#include "valuation/bvcalc.h"

namespace {

using namespace fpw;

class Nobody : public app::UserInteraction {
public:
    void message(std::string_view, std::string_view, app::MessageIcon) override {}
    bool askYesNo(std::string_view, std::string_view) override { return false; }
    app::Answer askYesNoCancel(std::string_view, std::string_view) override {
        return app::Answer::Cancel;
    }
    std::optional<std::string> inputBox(std::string_view, std::string_view,
                                        std::string_view) override {
        return std::nullopt;
    }
    std::optional<std::string> openFileDialog(const app::FileDialogRequest&) override {
        return std::nullopt;
    }
    std::optional<std::string> saveFileDialog(const app::FileDialogRequest&) override {
        return std::nullopt;
    }
    std::optional<int> chooseFromList(std::string_view, std::string_view,
                                      const std::vector<std::string>&) override {
        return std::nullopt;
    }
    void setBusyPointer() override {}
    void setNormalPointer() override {}
    void processEvents() override {}
    void beep() override {}
};

enum Ref : std::int16_t {
    kPPC,
    kMediumLaser,
    kLRM15,
    kLRM15Ammo,
    kSRM6,
    kSRM6Ammo,
    kAMS,
    kAMSAmmo,
    kUltraAC5,
    kUltraAC5Ammo,
    kStreakSRM4,
    kClanERLargeLaser,
    kRecordCount
};

catalog::WeaponRecord record(const char* name, std::int16_t type, std::int16_t heat, double bv) {
    catalog::WeaponRecord r;
    r.name = name;
    r.weaponType = type;
    r.heat = heat;
    r.battleValue = bv;
    r.tonnage = 1;
    return r;
}

catalog::WeaponTable weaponTable() {
    using namespace catalog::weapontype;
    catalog::WeaponTable t(400, record("Unused", kEquipment, 0, 0));
    t[kPPC] = record("PPC", kEnergy, 10, 176);
    t[kMediumLaser] = record("Medium Laser", kEnergy, 3, 46);
    t[kLRM15] = record("LRM-15", kMissile, 5, 136);
    t[kLRM15Ammo] = record("LRM-15 Ammo", kAmmunition, 0, 17);
    t[kSRM6] = record("SRM-6", kMissile, 4, 59);
    t[kSRM6Ammo] = record("SRM-6 Ammo", kAmmunition, 0, 7);
    t[kAMS] = record("Anti-Missile System", kBallistic, 1, 32);
    t[kAMSAmmo] = record("AMS Ammo", kAmmunition, 0, 11);
    t[kUltraAC5] = record("Ultra AC/5", kBallistic, 1, 112);
    t[kUltraAC5Ammo] = record("Ultra AC/5 Ammo", kAmmunition, 0, 14);
    t[kStreakSRM4] = record("Streak SRM-4", kMissile, 3, 59);
    t[kClanERLargeLaser] = record("ER Large Laser", kEnergy, 12, 248);
    t[kClanERLargeLaser].techBase = catalog::kClan;
    for (const Ref ref : {kPPC, kMediumLaser, kUltraAC5, kClanERLargeLaser}) {
        t[ref].tcLinkable = 1;
    }
    for (const Ref ref : {kLRM15Ammo, kSRM6Ammo, kUltraAC5Ammo}) {
        t[ref].explosive = 1;
    }
    t[kAMS].defensiveItem = 1;
    t[kAMSAmmo].defensiveItem = 1;
    t[kLRM15].artemisCapable = 1;
    t[kLRM15].artemisClass = 1;
    t[kSRM6].artemisCapable = 1;
    t[kSRM6].artemisClass = 0;
    t[fpw::valuation::kC3SlaveRefID] = record("C3 Slave Unit", kEquipment, 0, 0);
    return t;
}

catalog::BVTables bvTables() {
    catalog::BVTables t;
    t.engineMultiplierIS = {1.5, 0.75, 0.5, 1.5, 0.75, 0.5, 1.5};
    t.engineMultiplierClan = {1.5, 1.125, 0.75, 1.5, 1.125, 0.75, 1.5};
    t.offensiveSpeedFactor = {0.44, 0.54, 0.65, 0.77, 0.88, 1.0,  1.12, 1.24, 1.37,
                              1.5,  1.63, 1.76, 1.89, 2.02, 2.16, 2.3,  2.44, 2.58,
                              2.72, 2.86, 3.0,  3.15, 3.29, 3.44, 3.59, 3.74};
    t.defensiveMovementFactor = {1.0, 1.1, 1.2, 1.3, 1.4, 1.5};
    return t;
}

struct Mounting {
    std::int16_t ref;
    std::int16_t location;
    bool rear = false;
};

struct Design {
    Nobody user;
    app::ProgramContext ctx{"/nonexistent", user};
    model::Mech mech{ctx};

    Design(std::int16_t tonnage, std::int16_t walking, std::int16_t jumping,
           const std::vector<Mounting>& mountings) {
        ctx.weapons = weaponTable();
        ctx.bvTables = bvTables();
        ctx.bvDataLoaded = true;
        mech.setTonnage(tonnage);
        mech.setWalking(walking);
        mech.setJumping(jumping);
        for (int loc = 0; loc < model::kArmorPositions; ++loc) {
            mech.SetArmor(loc, static_cast<std::int16_t>(tonnage / 5 + 4));
        }
        std::vector<model::WeaponEntry> list;
        std::int16_t index = 0;
        for (const Mounting& m : mountings) {
            model::WeaponEntry e;
            e.refID = m.ref;
            e.weaponIndex = index++;
            e.locations = {m.location};
            e.allocated = true;
            e.rearMounted = m.rear;
            list.push_back(e);
        }
        mech.setWeapons(list);
    }
};

// A 65-ton trooper: PPC, LRM-15 with Artemis IV, three medium lasers, an AMS and ammunition.
void BM_BattleValueTypical(benchmark::State& state) {
    using namespace catalog;
    Design d(65, 4, 4,
             {{kPPC, kRightArm},
              {kLRM15, kLeftTorso},
              {kLRM15Ammo, kLeftTorso},
              {kLRM15Ammo, kLeftTorso},
              {kMediumLaser, kCenterTorso},
              {kMediumLaser, kLeftArm},
              {kMediumLaser, kCenterTorso, true},
              {kAMS, kHead},
              {kAMSAmmo, kRightTorso}});
    d.mech.setArtemisLRM(kArtemisIV);
    d.mech.SetCase(kLeftTorso, kStandardCase);
    d.mech.setHSCount(14);
    for (auto _ : state) {
        benchmark::DoNotOptimize(valuation::CalcBV(d.mech));
    }
}
BENCHMARK(BM_BattleValueTypical);

// A 100-ton mixed-tech assault design of 44 entries with a targeting computer, Artemis on
// both launcher classes, C3, rear weapons and explosive ammunition across an XL engine.
void BM_BattleValueHeavilyArmed(benchmark::State& state) {
    using namespace catalog;
    std::vector<Mounting> m;
    const std::int16_t locations[] = {kLeftArm, kLeftTorso, kRightTorso, kRightArm, kCenterTorso};
    for (int i = 0; i < 8; ++i) {
        const std::int16_t loc = locations[i % 5];
        m.push_back({kMediumLaser, loc, i % 3 == 0});
        m.push_back({kSRM6, loc});
        m.push_back({kSRM6Ammo, loc});
        m.push_back({static_cast<std::int16_t>(i % 2 ? kUltraAC5 : kClanERLargeLaser), loc});
        m.push_back({static_cast<std::int16_t>(i % 2 ? kUltraAC5Ammo : kStreakSRM4), loc});
    }
    m.push_back({kLRM15, kLeftTorso});
    m.push_back({kLRM15Ammo, kLeftLeg});
    m.push_back({kAMS, kHead});
    m.push_back({valuation::kC3SlaveRefID, kHead});
    Design d(100, 3, 0, m);
    d.mech.setTechBase(kMixedTech);
    d.mech.setEngineType(engine::kXL);
    d.mech.setTargSysType(targeting::kTargetingComputer);
    d.mech.setArtemisLRM(kArtemisV);
    d.mech.setArtemisSRM(kArtemisIV);
    d.mech.setHSType(heatsink::kDouble);
    d.mech.setHSCount(25);
    d.mech.SetCase(kLeftTorso, kCaseII);
    for (auto _ : state) {
        benchmark::DoNotOptimize(valuation::CalcBV(d.mech));
    }
}
BENCHMARK(BM_BattleValueHeavilyArmed);

} // namespace
