// Feeds any bytes to each of the program's file readers through the entry point the program
// itself uses, and says what did not hold afterwards. The libFuzzer targets (fuzz/) and the
// corpus regression test share it, so every input kept under tests/fuzz runs in both.
#pragma once

#include <memory>
#include <span>
#include <string>
#include <string_view>

namespace fpw::fuzzing {

// One name per reader: the fuzz target's name and its corpus folder.
std::span<const std::string_view> readerNames();

class ReaderFuzzer {
public:
    // Loads the weapon database of `shippedProgramDirectory` (designs and prices refer to it)
    // once; every input is then served from memory to a program context built once, and what
    // a reader may change is put back after each input.
    explicit ReaderFuzzer(const std::string& shippedProgramDirectory);
    ~ReaderFuzzer();
    ReaderFuzzer(const ReaderFuzzer&) = delete;
    ReaderFuzzer& operator=(const ReaderFuzzer&) = delete;

    // Reads `input` as `reader`'s file. Empty when everything held: a clean result or the
    // reader's message, and a previous state left alone on failure; else what went wrong.
    std::string run(std::string_view reader, std::string_view input);

    struct Harness;

private:
    std::unique_ptr<Harness> harness_;
};

} // namespace fpw::fuzzing
