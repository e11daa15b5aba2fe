// The libFuzzer entry points of one reader's target; the reader is chosen at build time.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>

#include "fuzz/readerfuzzer.h"

namespace {
// The harness lives as long as the fuzzing process.
std::unique_ptr<fpw::fuzzing::ReaderFuzzer> harness;
} // namespace

extern "C" int LLVMFuzzerInitialize(int* /*argc*/, char*** argv) {
    // The reference files are built beside the fuzzer executables.
    const std::string programDirectory =
        std::filesystem::absolute((*argv)[0]).parent_path().string();
    harness = std::make_unique<fpw::fuzzing::ReaderFuzzer>(programDirectory);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string problem =
        harness->run(FPW_FUZZ_READER, {reinterpret_cast<const char*>(data), size});
    if (!problem.empty()) {
        std::fprintf(stderr, "reader %s: %s\n", FPW_FUZZ_READER, problem.c_str());
        std::abort();
    }
    return 0;
}
