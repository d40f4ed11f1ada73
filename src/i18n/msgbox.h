// Message-box styles and buttons: the style values the tool passes to LocalMsgBox, the button
// identifiers it returns, what a style value asks for, and the button captions in each language.
#pragma once

#include <string_view>
#include <vector>

namespace qv {

// Style values, as the callers use them.
inline constexpr int kStyleOk = 0;                              // OK, no icon
inline constexpr int kStyleOkStop = 16;                         // OK, stop icon
inline constexpr int kStyleYesNoQuestion = 36;                  // Yes and No, question icon
inline constexpr int kStyleYesNoQuestionDefaultNo = 292;        // No is the default
inline constexpr int kStyleOkExclamation = 48;                  // OK, exclamation icon
inline constexpr int kStyleOkInformation = 64;                  // OK, information icon
inline constexpr int kStyleYesNoInformation = 68;               // Yes and No, information icon
inline constexpr int kStyleOkCancelExclamation = 305;           // Cancel is the default
inline constexpr int kStyleOkCancelQuestionSystemModal = 4385;  // Cancel is the default
// Save, Discard and Cancel with the exclamation icon, Save the default: the question before a
// command replaces a set-up whose changes are not saved. (Button code 7 is the tool's own.)
inline constexpr int kStyleSaveDiscardCancelExclamation = 0x37;

// Identifiers of the buttons; LocalMsgBox returns the one that closed the box.
inline constexpr int kIdOk = 1;
inline constexpr int kIdCancel = 2;
inline constexpr int kIdAbort = 3;
inline constexpr int kIdRetry = 4;
inline constexpr int kIdIgnore = 5;
inline constexpr int kIdYes = 6;
inline constexpr int kIdNo = 7;
inline constexpr int kIdSave = 20;
inline constexpr int kIdDiscard = 21;

enum class MsgBoxIcon { None, Stop, Question, Exclamation, Information };

// What a style value asks of the box.
struct MsgBoxLayout {
    std::vector<int> buttons;  // button identifiers, left to right
    MsgBoxIcon icon = MsgBoxIcon::None;
    int defaultButton = 0;  // index into `buttons`
    bool systemModal = false;
};

// Decodes the standard flag bits: buttons (low four bits), icon (0x10 to 0x40), default button
// (0x100 second, 0x200 third, 0x300 fourth; the first when the box has no such button) and
// system-modal (0x1000). A button code the tool does not know gives a lone OK; an icon code it does
// not know gives no icon.
MsgBoxLayout DecodeMsgBoxStyle(int style);

// Caption of button `id` for the language flag `languageFlag`: 0 Chinese, 1 English, 2 traditional
// Chinese. Empty for any other flag or an unknown button: the platform's own caption stays.
std::string_view MsgBoxButtonText(int id, int languageFlag);

// The title a box shows: `title`, or the product name when `title` is empty. The result refers to
// `title` when that is not empty.
std::string_view MsgBoxTitle(std::string_view title);

}  // namespace qv
