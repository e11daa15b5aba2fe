#include "support/golden.h"

#include <cstdlib>
#include <fstream>
#include <sstream>

#include <gtest/gtest.h>

namespace fpw::testing {

namespace {

std::string readAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

std::string lineAt(const std::string& text, int n) {
    std::istringstream in(text);
    std::string line;
    for (int i = 0; i <= n; ++i) {
        if (!std::getline(in, line)) {
            return "(end of text)";
        }
    }
    return line;
}

int firstDifferentLine(const std::string& a, const std::string& b) {
    std::istringstream ia(a), ib(b);
    std::string la, lb;
    for (int n = 0;; ++n) {
        const bool moreA = static_cast<bool>(std::getline(ia, la));
        const bool moreB = static_cast<bool>(std::getline(ib, lb));
        if (!moreA || !moreB || la != lb) {
            return n;
        }
    }
}

} // namespace

void expectMatchesGolden(const std::string& actual, const std::string& goldenPath) {
    if (std::getenv("FPW_UPDATE_GOLDEN") != nullptr) {
        std::ofstream(goldenPath, std::ios::binary) << actual;
        return;
    }
    const std::string expected = readAll(goldenPath);
    if (actual == expected) {
        return;
    }
    const int n = firstDifferentLine(actual, expected);
    ADD_FAILURE() << goldenPath << " differs from line " << (n + 1)
                  << ":\n  expected: " << lineAt(expected, n)
                  << "\n  actual:   " << lineAt(actual, n)
                  << "\n(FPW_UPDATE_GOLDEN=1 rewrites the file)";
}

} // namespace fpw::testing
