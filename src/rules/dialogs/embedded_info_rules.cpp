#include "rules/dialogs/embedded_info_rules.h"

#include <utility>

#include "i18n/messages.h"
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

std::string RefusedCharactersNote(std::string_view refused, Language language) {
    std::size_t end = 0;
    std::size_t named = 0;
    // A character ends where the next one begins: at a byte that is no UTF-8 continuation byte.
    while (end < refused.size() && named < kRefusedCharactersNamed) {
        ++end;
        while (end < refused.size() && (static_cast<unsigned char>(refused[end]) & 0xC0) == 0x80) {
            ++end;
        }
        ++named;
    }
    return UnstorableCharactersMessage(refused.substr(0, end), end < refused.size(), language);
}

void LoadEmbeddedInfoDialog(Setup& setup) {
    ShowEmbeddedInfo(setup);
}

}  // namespace qv
