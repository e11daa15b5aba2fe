#include "editor/script.h"
#include "editor/scriptverbs.h"

namespace fpw::editor::script {

void registerGeneralVerbs(VerbTable& table) {
    (void)table;
}

} // namespace fpw::editor::script
