// One record sheet of a loaded design: drawn on the recording surface (the core's share of the
// work) and, with the desktop layer, written as a one-page PDF (target: 50 ms a page).
#include <filesystem>
#include <string>

#include <benchmark/benchmark.h>

#include "bench/benchsupport.h"
#include "catalog/bvdatafile.h"
#include "catalog/locations.h"
#include "catalog/plotfile.h"
#include "catalog/prices.h"
#include "catalog/weapondatabase.h"
#include "model/mech.h"
#include "recordsheet/printmech.h"
#include "recordsheet/recordingsurface.h"
#include "valuation/costcalculation.h"
#ifdef FPW_BENCH_PDF
#include "ui/recordsheet/pdfdocument.h"
#endif

namespace {

using namespace fpw;

// The shipped reference files beside the benchmark executable.
std::string programDirectory() {
    return std::filesystem::read_symlink("/proc/self/exe").parent_path().string();
}

// A 65-ton design with the reference files loaded: lasers, missiles and ammunition placed.
struct SheetDesign {
    bench::BenchContext context{programDirectory()};
    model::Mech mech{context.ctx};

    SheetDesign() {
        app::ProgramContext& ctx = context.ctx;
        catalog::LoadWeapons(ctx);
        catalog::LoadBVData(ctx);
        catalog::LoadArmorPlot(ctx);
        catalog::LoadInternalPlot(ctx);
        catalog::gResetPrices(ctx.prices);
        mech.setMechName("Thunderbolt");
        mech.setMechModel("TDR-5S");
        mech.setTechLevel(1);
        mech.setTonnage(65);
        mech.setWalking(4);
        mech.setHSCount(15);
        mech.LayDefaultSlots();
        for (int loc = 0; loc < catalog::kLocationCount; ++loc)
            mech.SetArmor(loc, 20);
        place("Large Laser", catalog::kRightTorso, 0);
        place("LRM-15", catalog::kLeftTorso, 0);
        place("LRM-15 Ammo", catalog::kLeftTorso, 3);
        place("Medium Laser", catalog::kRightArm, 4);
        place("Medium Laser", catalog::kRightArm, 5);
        place("Medium Laser", catalog::kRightArm, 6);
        place("SRM-2", catalog::kLeftArm, 4);
        place("Machine Gun", catalog::kLeftArm, 5);
        mech.RecalcAll();
        valuation::CalcTotalCost(mech);
    }

    void place(const char* name, int location, int first) {
        const int refID = catalog::findWeapon(context.ctx.weapons, name, 0);
        if (refID < 0)
            return;
        const std::int16_t instance = mech.AddWeapon(static_cast<std::int16_t>(refID));
        const auto& record = context.ctx.weapons[static_cast<std::size_t>(refID)];
        for (int s = first; s < first + std::max<int>(1, record.critSlots); ++s)
            mech.critLocation(location).PlaceItem(name, s, true, std::to_string(instance));
        mech.AlterWeapon(instance, static_cast<std::int16_t>(location),
                         static_cast<std::int16_t>(first), true);
    }
};

void BM_SheetOnRecordingSurface(benchmark::State& state) {
    SheetDesign design;
    for (auto _ : state) {
        recordsheet::RecordingSurface surface;
        recordsheet::PrintMech(design.mech, "Pilot", "4", "5", "", "", "", true, true, surface);
        benchmark::DoNotOptimize(surface.texts().size());
    }
}
BENCHMARK(BM_SheetOnRecordingSurface)->Unit(benchmark::kMillisecond);

#ifdef FPW_BENCH_PDF
void BM_SheetToPdf(benchmark::State& state) {
    SheetDesign design;
    const std::string path =
        (std::filesystem::temp_directory_path() / "fpw_sheet_bench.pdf").string();
    char name[] = "fpw_bench";
    char* argv[] = {name, nullptr};
    ui::withGuiApplication(1, argv, [&] {
        for (auto _ : state) {
            ui::PdfDocument document;
            recordsheet::PrintMech(design.mech, "Pilot", "4", "5", "", "", "", true, true,
                                   document.surface());
            std::string error;
            if (!document.save(path, error))
                state.SkipWithError(error.c_str());
        }
        return 0;
    });
    std::filesystem::remove(path);
}
BENCHMARK(BM_SheetToPdf)->Unit(benchmark::kMillisecond);
#endif

} // namespace
