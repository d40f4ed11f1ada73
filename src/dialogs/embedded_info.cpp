#include "dialogs/embedded_info.h"

#include "image/held_controls.h"

namespace qv {

void LoadForm7(Setup& setup) {
    ShowEmbeddedInfo(setup);
}

}  // namespace qv
