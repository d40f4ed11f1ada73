// The function-settings frame of the main window: six lists, each beside its label. The lists
// have no rules of their own: each holds a position that the codec writes into the image.
#pragma once

#include <array>
#include <string_view>

#include "i18n/list_items.h"
#include "state/changes.h"
#include "state/program_state.h"

namespace qv {

struct SettingsList {
    std::string_view label;  // control names
    std::string_view list;
    int Setup::*position;
    ListId items;
};

// From top to bottom.
inline constexpr std::array<SettingsList, 6> kSettingsLists = {{
    {"Label4", "Combo2", &Setup::Combo2, ListId::VoiceLanguage},
    {"Label5", "Combo3", &Setup::Combo3, ListId::TimeOut},
    {"Label1", "Combo4", &Setup::Combo4, ListId::TimeOutWarn},
    {"Label6", "Combo9", &Setup::Combo9, ListId::SquelchLevel},
    {"Label7", "Combo6", &Setup::Combo6, ListId::BatterySave},
    {"Label8", "Combo7", &Setup::Combo7, ListId::KeyBeep},
}};

// The user chose `position` in one of the lists.
Changes ChooseSetting(Setup& setup, const SettingsList& list, int position);

}  // namespace qv
