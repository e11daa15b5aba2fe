#include "progressbar.h"

#include <sstream>

#include <gtest/gtest.h>

namespace fpw::cli {
namespace {

// The bar is drawn in place on one line and leaves the line empty when it goes, so that the
// prompt after a run does not start behind it; switched off it writes nothing at all.
TEST(ProgressBar, DrawsInPlaceAndLeavesTheLineEmpty) {
    std::ostringstream shown;
    {
        ProgressBar bar(shown, 4, true);
        bar.update(1);
        bar.update(4);
    }
    EXPECT_EQ(shown.str(), "\r[##########                              ] 1/4"
                           "\r[########################################] 4/4"
                           "\r\033[K");

    std::ostringstream silent;
    {
        ProgressBar bar(silent, 4, false);
        bar.update(1);
        bar.clear();
        bar.update(4);
    }
    EXPECT_EQ(silent.str(), "");
}

} // namespace
} // namespace fpw::cli
