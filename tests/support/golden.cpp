#include "support/golden.h"

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <vector>

#include <gtest/gtest.h>

#include "support/tempdir.h"

namespace fpw::testing {

namespace {

std::vector<std::string> linesOf(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        lines.push_back(line);
    }
    lines.emplace_back("(end of text)");
    return lines;
}

} // namespace

void expectMatchesGolden(const std::string& actual, const std::string& goldenPath) {
    if (std::getenv("FPW_UPDATE_GOLDEN") != nullptr) {
        std::ofstream(goldenPath, std::ios::binary) << actual;
        return;
    }
    const std::string expected = readFile(goldenPath);
    if (actual == expected) {
        return;
    }
    const std::vector<std::string> want = linesOf(expected);
    const std::vector<std::string> got = linesOf(actual);
    const auto [w, g] = std::mismatch(want.begin(), want.end() - 1, got.begin(), got.end() - 1);
    ADD_FAILURE() << goldenPath << " differs from line " << (w - want.begin() + 1)
                  << ":\n  expected: " << *w << "\n  actual:   " << *g
                  << "\n(FPW_UPDATE_GOLDEN=1 rewrites the file)";
}

} // namespace fpw::testing
