#include "dialogs/key_assignment.h"

namespace qv {

void LoadForm6(ProgramState& state) {
    for (int entry = 0; entry < kKeyEntries; ++entry) {
        state.Form6.Combo[entry + 1] = state.KeyFunctionCodes[entry];
    }
}

}  // namespace qv
