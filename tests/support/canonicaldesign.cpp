#include "support/canonicaldesign.h"

#include <gtest/gtest.h>

#include "support/tempdir.h"

namespace fpw::testing {

std::string canonicalDesignScript() {
    const std::string path = std::string(FPW_TESTS_SOURCE_DIR) + "/editor/assault.fpws";
    std::string text = readFile(path);
    EXPECT_FALSE(text.empty()) << "cannot read " << path;
    return text;
}

} // namespace fpw::testing
