#include "rules/dialogs/key_assignment_rules.h"

#include "image/held_controls.h"
#include "state/keys.h"

namespace qv {

Changes ChooseKeyFunction(Setup& setup, const KeyList& key, int position) {
    int& shown = setup.Form6.Combo[static_cast<std::size_t>(key.entry) + 1];
    if (position < 0 || position >= KeyFunctionCount(key) || shown == position) return {};
    shown = position;
    return StatePart::Form6;
}

Changes StoreKeyFunctions(Setup& setup) {
    for (const KeyList& key : kKeyLists) {
        const auto entry = static_cast<std::size_t>(key.entry);
        setup.KeyFunctionCodes[entry] = setup.Form6.Combo[entry + 1];
    }
    return StatePart::Form6;
}

void LoadKeyAssignmentDialog(Setup& setup) {
    for (const KeyList& key : kKeyLists) ShowKeyFunction(setup, key.entry);
}

}  // namespace qv
