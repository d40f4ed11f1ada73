// The main window's menu bar as data: every item in order with its control name, its command and
// the keys that reach it.
#pragma once

#include <array>
#include <string_view>

namespace qv {

enum class MenuCommand {
    Separator,
    New,
    Open,
    Save,
    Quit,
    Read,
    Write,
    OptionalFunctions,
    Keys,
    EmbeddedInformation,
    Debug,
    TestFrequencies,
    Lock,
    Port,
    Chinese,
    English,
    Help,
    About,
};

struct MenuItem {
    std::string_view menu;  // the menu's control name
    std::string_view name;  // the item's control name
    MenuCommand command;
    std::string_view shortcut = {};
    int port = 0;  // for the port items
    bool checkable = false;
    bool visible = true;
};

inline constexpr std::array<std::string_view, 6> kMenus = {"mnuFile", "mnupro",      "mnuset",
                                                           "mnucom",  "mnuLanguage", "mnuhelp"};

inline constexpr MenuItem kMenuItems[] = {
    {"mnuFile", "mnuNew", MenuCommand::New},
    {"mnuFile", "mnuOpen", MenuCommand::Open},
    {"mnuFile", "mnuAssave", MenuCommand::Save},
    {"mnuFile", "", MenuCommand::Separator},
    {"mnuFile", "mnuQuit", MenuCommand::Quit},
    {"mnupro", "mnureadFre", MenuCommand::Read, "Ctrl+R"},
    {"mnupro", "mnuwriteFre", MenuCommand::Write, "Ctrl+W"},
    {"mnupro", "", MenuCommand::Separator},
    {"mnupro", "mnudtmf", MenuCommand::OptionalFunctions},
    {"mnupro", "Key_enactment", MenuCommand::Keys},
    {"mnupro", "mnusetin", MenuCommand::EmbeddedInformation},
    {"mnupro", "mnudebug", MenuCommand::Debug},
    {"mnupro", "mnutestfre", MenuCommand::TestFrequencies},
    {"mnuset", "mnulock", MenuCommand::Lock, {}, 0, true},
    {"mnucom", "mnucom1", MenuCommand::Port, {}, 1, true},
    {"mnucom", "mnucom2", MenuCommand::Port, {}, 2, true},
    {"mnucom", "mnucom3", MenuCommand::Port, {}, 3, true},
    {"mnucom", "mnucom4", MenuCommand::Port, {}, 4, true},
    {"mnucom", "mnucom5", MenuCommand::Port, {}, 5, true},
    {"mnucom", "mnucom6", MenuCommand::Port, {}, 6, true},
    {"mnucom", "mnucom7", MenuCommand::Port, {}, 7, true},
    {"mnucom", "mnucom8", MenuCommand::Port, {}, 8, true},
    {"mnuLanguage", "mnuChinese", MenuCommand::Chinese},
    {"mnuLanguage", "mnuEnglish", MenuCommand::English},
    // Created hidden and never shown; the F1 key reaches it through a shortcut of the window.
    {"mnuhelp", "mnumainhelp", MenuCommand::Help, "F1", 0, false, false},
    {"mnuhelp", "mnuabout", MenuCommand::About},
};

}  // namespace qv
