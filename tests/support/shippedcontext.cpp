#include "support/shippedcontext.h"

#include <filesystem>

#include <gtest/gtest.h>

#include "catalog/bvdatafile.h"
#include "catalog/prices.h"
#include "catalog/weapondatabase.h"

namespace fpw::testing {

std::string builtProgramDirectory() {
    return std::filesystem::read_symlink("/proc/self/exe").parent_path().string();
}

void loadShippedData(app::ProgramContext& ctx) {
    EXPECT_TRUE(catalog::LoadWeapons(ctx)) << "the shipped weapon database did not load";
    catalog::LoadBVData(ctx);
    catalog::gResetPrices(ctx.prices);
}

ShippedContext::ShippedContext() : ctx(builtProgramDirectory(), user) {
    loadShippedData(ctx);
}

} // namespace fpw::testing
