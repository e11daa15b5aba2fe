// The disk, except that one chosen operation of a save fails: for tests that prove a failed
// save leaves the old file as it was.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "app/filelayer.h"

namespace fpw::testing {

class FaultyFileLayer : public app::FileLayer {
public:
    // The operation (counted from 1 over create, each write, flush, close and rename) that
    // fails; 0 lets every one through.
    int failAt = 0;
    // The operations seen since the last `reset`, by name.
    std::vector<std::string> operations;

    void reset(int failingOperation);
    std::unique_ptr<app::OutputFile> create(const std::string& path) override;
    bool rename(const std::string& from, const std::string& to, std::string& error) override;
    void remove(const std::string& path) override;

    // Counts `name` and says whether it may go through.
    bool allow(const std::string& name);
};

} // namespace fpw::testing
