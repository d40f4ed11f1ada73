#include "rules/dialogs/embedded_info_rules.h"

#include <utility>

#include "image/held_controls.h"
#include "image/text.h"

namespace qv {

bool EmbeddedInfoKeyAccepted(std::string_view boxText, TypedKey key, bool textSelected) {
    const bool full = CharCount(boxText) >= static_cast<std::size_t>(kEmbeddedInfoChars);
    return !full || key == TypedKey::Backspace || textSelected;
}

Changes EditEmbeddedInfo(Setup& setup, int box, std::string text) {
    if (box != 0 && box != 1) return {};
    std::string& shown = box == 0 ? setup.Form7.Text1 : setup.Form7.Text2;
    if (shown == text) return {};
    shown = std::move(text);
    return StatePart::Form7;
}

Changes StoreEmbeddedInfo(Setup& setup) {
    setup.EmbeddedInfo[0] = setup.Form7.Text1;
    setup.EmbeddedInfo[1] = setup.Form7.Text2;
    return StatePart::Form7;
}

void LoadEmbeddedInfoDialog(Setup& setup) {
    ShowEmbeddedInfo(setup);
}

}  // namespace qv
