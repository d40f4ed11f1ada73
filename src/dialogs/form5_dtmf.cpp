#include "dialogs/form5_dtmf.h"

#include <algorithm>
#include <utility>

#include "i18n/language.h"
#include "i18n/messages.h"
#include "i18n/msgbox.h"

namespace qv {
namespace {

constexpr std::string_view kDtmfKeys = "ABCD0123456789#*";

// Characters, not bytes: a UTF-8 continuation byte starts no character.
std::size_t CharacterCount(std::string_view text) {
    return static_cast<std::size_t>(std::count_if(text.begin(), text.end(), [](char c) {
        return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    }));
}

}  // namespace

char DtmfCellKey(char key) {
    if (key >= 'a' && key <= 'z') key = static_cast<char>(key - 'a' + 'A');
    if (key == kKeyBackspace || key == kKeyEnter) return key;
    return kDtmfKeys.find(key) != std::string_view::npos ? key : '\0';
}

std::string DtmfCellText(std::string_view text) {
    std::string kept;
    for (const char c : text) {
        const char key = DtmfCellKey(c);
        if (key != '\0' && key != kKeyBackspace && key != kKeyEnter) kept.push_back(key);
    }
    return kept;
}

Changes EditDtmfCode(Setup& setup, int row, std::string code) {
    if (row < 1 || row > kDtmfCodeRows) return {};
    setup.Form5.mfgrid1[static_cast<std::size_t>(row)][1] = std::move(code);
    return StatePart::Form5;
}

void WarnAboutDtmfCode(Host& host, std::string_view code) {
    if (CharacterCount(code) <= kDtmfCodeChars) return;
    // One wording in both languages.
    host.LocalMsgBox(std::string(MessageText(MessageId::DtmfCodeTooLong, Language::Chinese)),
                     kStyleOkStop, "");
}

}  // namespace qv
