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

namespace {

// C0 controls and DEL are one byte each; C1 controls (U+0080..U+009F) are 0xC2 0x80..0x9F.
std::size_t ControlCharacterLength(std::string_view utf8, std::size_t at) {
    const auto byte = static_cast<unsigned char>(utf8[at]);
    if (byte < 0x20 || byte == 0x7F) return 1;
    if (byte == 0xC2 && at + 1 < utf8.size() && static_cast<unsigned char>(utf8[at + 1]) <= 0x9F) {
        return 2;
    }
    return 0;
}

}  // namespace

std::optional<EmbeddedLineFault> CheckEmbeddedLine(std::string_view text) {
    StorableSplit split = SplitStorable(text);
    for (std::size_t at = 0; at < split.kept.size();) {
        const std::size_t control = ControlCharacterLength(split.kept, at);
        if (control == 0) {
            ++at;
            continue;
        }
        const std::string character = split.kept.substr(at, control);
        if (split.refused.find(character) == std::string::npos) split.refused += character;
        at += control;
    }
    EmbeddedLineFault fault{CharCount(text), std::move(split.refused)};
    if (fault.refused.empty() && !fault.TooLong()) return std::nullopt;
    return fault;
}

}  // namespace qv
