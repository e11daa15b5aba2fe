#include "support/canonicaldesign.h"

#include <fstream>
#include <sstream>

#include <gtest/gtest.h>

namespace fpw::testing {

std::string canonicalDesignScript() {
    const std::string path = std::string(FPW_TESTS_SOURCE_DIR) + "/editor/assault.fpws";
    std::ifstream file(path, std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    EXPECT_FALSE(text.str().empty()) << "cannot read " << path;
    return text.str();
}

} // namespace fpw::testing
