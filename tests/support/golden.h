// Golden files: long expected outputs kept as files beside the tests and compared whole.
// With FPW_UPDATE_GOLDEN set in the environment the comparison rewrites the file instead;
// check every rewritten file by hand before committing it.
#pragma once

#include <string>

namespace fpw::testing {

// Compares `actual` with the file's contents; on a difference the failure names the first
// differing line of both.
void expectMatchesGolden(const std::string& actual, const std::string& goldenPath);

} // namespace fpw::testing
