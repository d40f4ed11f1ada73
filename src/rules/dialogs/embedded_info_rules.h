// The embedded-information dialog (Form7): its load step, and typing into it. Each line goes into
// 32 bytes of the image, one byte per character, so typing stops at 32 characters; Backspace always
// works and a selection can be typed over. Text that arrives without typing (pasted or dropped) is
// kept whole: the codec writes its first 32 characters. Characters the radio cannot store are
// refused wherever they come from (typed, an input method, pasted, dropped): the boxes keep the
// others and a note names the refused ones, so what a box shows is what the radio gets.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "i18n/language.h"
#include "state/changes.h"
#include "state/program_state.h"

namespace qv {

enum class TypedKey {
    Character,  // a key that types a character (an input method's typed text counts as one)
    Backspace,
};

// Whether a key typed into a box that holds `boxText` goes in: not when the box already holds 32
// or more characters, the key is not Backspace and no text is selected.
bool EmbeddedInfoKeyAccepted(std::string_view boxText, TypedKey key, bool textSelected);

// The text of box `box` (0 for Text1, 1 for Text2) is now `text`, as the user left it.
Changes EditEmbeddedInfo(Setup& setup, int box, std::string text);

// OK: both boxes become the held embedded information, unchanged and unchecked.
Changes StoreEmbeddedInfo(Setup& setup);

// The note for characters a box refused (`refused` as SplitStorable gives them): it names the
// first kRefusedCharactersNamed of them and says when there were more.
inline constexpr std::size_t kRefusedCharactersNamed = 12;
std::string RefusedCharactersNote(std::string_view refused, Language language);

void LoadEmbeddedInfoDialog(Setup& setup);

// What keeps a text from going into an embedded line as it stands, when it does not come from the
// boxes (a line given for each radio of a station): more characters than the line holds, or
// characters the radio cannot store. A control character (a line break from a spreadsheet's cell,
// a tab) is refused too: a line is one line of the radio's display.
struct EmbeddedLineFault {
    std::size_t characters = 0;  // how many the text has
    std::string refused;         // the characters refused, each once

    bool TooLong() const { return characters > static_cast<std::size_t>(kEmbeddedInfoChars); }
};

// Nothing when `text` goes into an embedded line whole and as it is.
std::optional<EmbeddedLineFault> CheckEmbeddedLine(std::string_view text);

}  // namespace qv
