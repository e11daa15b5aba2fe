#include "bench/benchsupport.h"

#include <utility>

namespace fpw::bench {

BenchContext::BenchContext(std::string programDir) : ctx(std::move(programDir), user) {}

} // namespace fpw::bench
