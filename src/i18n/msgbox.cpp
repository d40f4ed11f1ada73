// Style decoding and button captions of the message box.
#include "i18n/msgbox.h"

#include <array>
#include <cstddef>

#include "i18n/language.h"

namespace qv {
namespace {

constexpr int kButtonMask = 0x0F;
constexpr int kIconMask = 0xF0;
constexpr int kIconShift = 4;
constexpr int kDefaultMask = 0x300;
constexpr int kDefaultShift = 8;
constexpr int kSystemModal = 0x1000;

// Buttons by the low four bits of the style.
const std::vector<int>& ButtonsOf(int code) {
    static const std::array<std::vector<int>, 8> kButtonSets = {{
        {kIdOk},
        {kIdOk, kIdCancel},
        {kIdAbort, kIdRetry, kIdIgnore},
        {kIdYes, kIdNo, kIdCancel},
        {kIdYes, kIdNo},
        {kIdRetry, kIdCancel},
        {kIdOk},  // cancel, try again, continue: a set the tool never asks for
        {kIdSave, kIdDiscard, kIdCancel},
    }};
    if (code < 0 || static_cast<std::size_t>(code) >= kButtonSets.size()) return kButtonSets[0];
    return kButtonSets[static_cast<std::size_t>(code)];
}

// Icons by bits 4 to 7 of the style.
constexpr MsgBoxIcon kIcons[] = {MsgBoxIcon::None, MsgBoxIcon::Stop, MsgBoxIcon::Question,
                                 MsgBoxIcon::Exclamation, MsgBoxIcon::Information};

MsgBoxIcon IconOf(int code) {
    const auto index = static_cast<std::size_t>(code >> kIconShift);
    return index < std::size(kIcons) ? kIcons[index] : MsgBoxIcon::None;
}

// Button captions by identifier, one column per language flag 0, 1, 2.
struct ButtonCaptions {
    int id;
    std::array<std::string_view, 3> texts;
};

constexpr ButtonCaptions kButtonCaptions[] = {
    {kIdOk, {"确定", "OK", "確定"}},
    {kIdCancel, {"取消", "Cancel", "取消"}},
    {kIdYes, {"是", "Yes", "是"}},
    {kIdNo, {"否", "No", "否"}},
    {kIdAbort, {"放弃", "Abort", "放棄"}},
    {kIdIgnore, {"忽略", "Ignore", "忽略"}},
    {kIdRetry, {"重试", "Retry", "重試"}},
    {kIdSave, {"保存", "Save", "儲存"}},
    {kIdDiscard, {"不保存", "Discard", "不儲存"}},
};

}  // namespace

MsgBoxLayout DecodeMsgBoxStyle(int style) {
    MsgBoxLayout layout;
    layout.buttons = ButtonsOf(style & kButtonMask);
    layout.icon = IconOf(style & kIconMask);
    const int defaultButton = (style & kDefaultMask) >> kDefaultShift;
    layout.defaultButton =
        static_cast<std::size_t>(defaultButton) < layout.buttons.size() ? defaultButton : 0;
    layout.systemModal = (style & kSystemModal) != 0;
    return layout;
}

std::string_view MsgBoxButtonText(int id, int languageFlag) {
    if (languageFlag < 0 || languageFlag > 2) return {};
    for (const ButtonCaptions& row : kButtonCaptions) {
        if (row.id == id) return row.texts[static_cast<std::size_t>(languageFlag)];
    }
    return {};
}

std::string_view MsgBoxTitle(std::string_view title) {
    return title.empty() ? kApplicationTitle : title;
}

}  // namespace qv
