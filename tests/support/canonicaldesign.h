// The canonical assault design as an editor script (tests/editor/assault.fpws): the headless
// end-to-end test runs it, the window test plays the same lines through the widgets.
#pragma once

#include <string>

namespace fpw::testing {

// The script's text; empty (and the calling test failed) when the file cannot be read.
std::string canonicalDesignScript();

} // namespace fpw::testing
