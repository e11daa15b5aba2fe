// Reading the weapon database at start-up: a few hundred records, read once.
#include <filesystem>
#include <random>
#include <string>

#include <benchmark/benchmark.h>

#include "app/files.h"
#include "app/programcontext.h"
#include "bench/benchsupport.h"
#include "catalog/weapondatabase.h"

namespace {

using namespace fpw;

// Records of the size the shipped database has: names, a few codes and manufacturers.
catalog::WeaponTable makeTable(int count) {
    catalog::WeaponTable table;
    for (int i = 0; i < count; ++i) {
        catalog::WeaponRecord r;
        r.name = "Extended Range Large Laser " + std::to_string(i);
        r.weaponType = static_cast<std::int16_t>(i % 6);
        r.techBase = static_cast<std::int16_t>(i % 2);
        r.tonnage = 0.5 * (i % 30);
        r.damagePer = i % 3 == 0 ? "Missile" : "-1";
        r.ammoCodes = {static_cast<std::int16_t>(i), static_cast<std::int16_t>(i + 1)};
        r.hasManufacturers = true;
        r.manufacturers = {"Defiance Industries", "Kallon Industries", "Zeus Werke"};
        r.ammoPrintName = "ER Large Laser";
        r.muxName = "IS.ERLargeLaser";
        table.push_back(r);
    }
    return table;
}

void BM_ParseWeaponDatabase(benchmark::State& state) {
    const std::string bytes = catalog::writeWeaponDatabase(makeTable(500));
    for (auto _ : state) {
        auto parsed = catalog::parseWeaponDatabase(bytes);
        benchmark::DoNotOptimize(parsed.value.data());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) *
                            static_cast<std::int64_t>(bytes.size()));
}
BENCHMARK(BM_ParseWeaponDatabase)->Unit(benchmark::kMicrosecond);

void BM_LoadWeaponsFromFile(benchmark::State& state) {
    const auto directory = std::filesystem::temp_directory_path() /
                           ("fpw-bench-" + std::to_string(std::random_device{}()));
    std::filesystem::create_directories(directory);
    bench::BenchContext context(directory.string());
    app::ProgramContext& ctx = context.ctx;
    app::writeFileAtomically(ctx.programFile(catalog::kWeaponDatabaseFile),
                             catalog::writeWeaponDatabase(makeTable(500)));
    for (auto _ : state) {
        if (!catalog::LoadWeapons(ctx)) {
            state.SkipWithError("the database did not load");
            break;
        }
        benchmark::DoNotOptimize(ctx.weapons.data());
    }
    std::filesystem::remove_all(directory);
}
BENCHMARK(BM_LoadWeaponsFromFile)->Unit(benchmark::kMicrosecond);

} // namespace
