// The radio's five programmable keys, each with a long-press and a short-press function: which
// KeyFunctionCodes entry holds each list, and which list of functions it offers. The key dialog
// shows entry k in its list Combo(k + 1) with label Label(k + 1).
#pragma once

#include <array>
#include <string_view>

#include "i18n/list_items.h"

namespace qv {

struct KeyList {
    int entry;             // KeyFunctionCodes index
    std::string_view key;  // "PF1" ...
    bool longPress;
};

// In entry order.
inline constexpr std::array<KeyList, 10> kKeyLists = {{
    {0, "PF1", true},
    {1, "PF2", true},
    {2, "PF1", false},
    {3, "PF2", false},
    {4, "KB1", true},
    {5, "KB2", true},
    {6, "KB1", false},
    {7, "KB2", false},
    {8, "KB3", true},
    {9, "KB3", false},
}};

// A long press offers all the key functions, a short press only the first ten.
constexpr ListId KeyFunctionList(const KeyList& key) {
    return key.longPress ? ListId::LongPressKey : ListId::ShortPressKey;
}

// Number of functions the list of `key` offers.
inline int KeyFunctionCount(const KeyList& key) {
    return static_cast<int>(ListItems(KeyFunctionList(key), Language::Chinese).size());
}

}  // namespace qv
