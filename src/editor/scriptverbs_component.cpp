#include "editor/script.h"
#include "editor/scriptverbs.h"

namespace fpw::editor::script {

void registerComponentVerbs(VerbTable& table) {
    (void)table;
}

} // namespace fpw::editor::script
