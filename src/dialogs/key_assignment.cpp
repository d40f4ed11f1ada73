#include "dialogs/key_assignment.h"

#include "image/held_controls.h"
#include "state/keys.h"

namespace qv {

void LoadForm6(Setup& setup) {
    for (const KeyList& key : kKeyLists) ShowKeyFunction(setup, key.entry);
}

}  // namespace qv
