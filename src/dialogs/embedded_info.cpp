#include "dialogs/embedded_info.h"

namespace qv {

void LoadForm7(ProgramState& state) {
    state.Form7.Text1 = state.EmbeddedInfo[0];
    state.Form7.Text2 = state.EmbeddedInfo[1];
}

}  // namespace qv
