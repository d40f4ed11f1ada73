// The main window's commands as data: every menu item and toolbar button, each command once, in
// menu order, with its control name, its place on the toolbar and the keys that reach it. A
// command on both the menu bar and the toolbar is one action: the button and the item do the same,
// are enabled together and carry the same caption.
#pragma once

#include <array>
#include <optional>
#include <string_view>

namespace qv {

enum class Command {
    Separator,
    New,
    Open,
    Save,
    ImportChannels,
    ExportChannels,
    RestoreFromBackup,
    Print,
    ExportPdf,
    Quit,
    Undo,
    Redo,
    Copy,
    Paste,
    Read,
    Write,
    VerifyAfterWrite,
    BackupBeforeWrite,
    CompareWithRadio,
    WriteSeveralRadios,
    ProgrammingStation,
    OptionalFunctions,
    Keys,
    EmbeddedInformation,
    Debug,
    TestFrequencies,
    Lock,
    FindRadio,
    Port,
    Chinese,
    English,
    Help,
    About,
    Relock,  // the service button: a double click closes calibration access
};

// Where a command sits on the toolbar.
struct ToolbarPlace {
    int number = 0;             // 1-based, as the tooltips count the buttons; 0: not on the toolbar
    std::string_view key = {};  // the name the button is known by
};

struct CommandRow {
    std::string_view menu = {};  // the menu's control name; empty for a toolbar-only command
    std::string_view name = {};  // the action's control name; empty for a separator
    Command command = Command::Separator;
    ToolbarPlace button = {};
    std::string_view shortcut = {};
    std::string_view alternateShortcut = {};  // a second key that does the same
    int port = 0;                             // for the port items
    bool checkable = false;
    bool visible = true;  // at start
};

inline constexpr std::array<std::string_view, 7> kMenus = {
    "mnuFile", "mnuEdit", "mnupro", "mnuset", "mnucom", "mnuLanguage", "mnuhelp"};

inline constexpr CommandRow kCommands[] = {
    {.menu = "mnuFile", .name = "mnuNew", .command = Command::New, .button = {1, "new"}},
    {.menu = "mnuFile", .name = "mnuOpen", .command = Command::Open, .button = {2, "open"}},
    {.menu = "mnuFile", .name = "mnuAssave", .command = Command::Save, .button = {3, "save"}},
    {.menu = "mnuFile"},
    {.menu = "mnuFile", .name = "mnuImportCsv", .command = Command::ImportChannels},
    {.menu = "mnuFile", .name = "mnuExportCsv", .command = Command::ExportChannels},
    {.menu = "mnuFile"},
    {.menu = "mnuFile", .name = "mnuRestoreBackup", .command = Command::RestoreFromBackup},
    {.menu = "mnuFile"},
    {.menu = "mnuFile", .name = "mnuPrint", .command = Command::Print, .shortcut = "Ctrl+P"},
    {.menu = "mnuFile", .name = "mnuExportPdf", .command = Command::ExportPdf},
    {.menu = "mnuFile"},
    {.menu = "mnuFile", .name = "mnuQuit", .command = Command::Quit},
    {.menu = "mnuEdit",
     .name = "mnuUndo",
     .command = Command::Undo,
     .button = {9, "undo"},
     .shortcut = "Ctrl+Z"},
    {.menu = "mnuEdit",
     .name = "mnuRedo",
     .command = Command::Redo,
     .button = {10, "redo"},
     .shortcut = "Ctrl+Y",
     .alternateShortcut = "Ctrl+Shift+Z"},
    {.menu = "mnuEdit"},
    {.menu = "mnuEdit", .name = "mnuCopy", .command = Command::Copy, .shortcut = "Ctrl+C"},
    {.menu = "mnuEdit", .name = "mnuPaste", .command = Command::Paste, .shortcut = "Ctrl+V"},
    {.menu = "mnupro",
     .name = "mnureadFre",
     .command = Command::Read,
     .button = {5, "read"},
     .shortcut = "Ctrl+R"},
    {.menu = "mnupro",
     .name = "mnuwriteFre",
     .command = Command::Write,
     .button = {6, "write"},
     .shortcut = "Ctrl+W"},
    {.menu = "mnupro",
     .name = "mnuVerifyWrite",
     .command = Command::VerifyAfterWrite,
     .checkable = true},
    {.menu = "mnupro",
     .name = "mnuBackupFirst",
     .command = Command::BackupBeforeWrite,
     .checkable = true},
    {.menu = "mnupro"},
    {.menu = "mnupro", .name = "mnuCompare", .command = Command::CompareWithRadio},
    {.menu = "mnupro", .name = "mnuFleetWrite", .command = Command::WriteSeveralRadios},
    {.menu = "mnupro",
     .name = "mnuStation",
     .command = Command::ProgrammingStation,
     .shortcut = "Ctrl+T"},
    {.menu = "mnupro"},
    {.menu = "mnupro", .name = "mnudtmf", .command = Command::OptionalFunctions},
    {.menu = "mnupro", .name = "Key_enactment", .command = Command::Keys},
    {.menu = "mnupro", .name = "mnusetin", .command = Command::EmbeddedInformation},
    {.menu = "mnupro", .name = "mnudebug", .command = Command::Debug},
    {.menu = "mnupro", .name = "mnutestfre", .command = Command::TestFrequencies},
    {.menu = "mnuset", .name = "mnulock", .command = Command::Lock, .checkable = true},
    // Every port that stands for a device asked at once who answers; the radio's port chosen.
    {.menu = "mnucom", .name = "mnuFindRadio", .command = Command::FindRadio, .shortcut = "Ctrl+F"},
    {.menu = "mnucom"},
    {.menu = "mnucom", .name = "mnucom1", .command = Command::Port, .port = 1, .checkable = true},
    {.menu = "mnucom", .name = "mnucom2", .command = Command::Port, .port = 2, .checkable = true},
    {.menu = "mnucom", .name = "mnucom3", .command = Command::Port, .port = 3, .checkable = true},
    {.menu = "mnucom", .name = "mnucom4", .command = Command::Port, .port = 4, .checkable = true},
    {.menu = "mnucom", .name = "mnucom5", .command = Command::Port, .port = 5, .checkable = true},
    {.menu = "mnucom", .name = "mnucom6", .command = Command::Port, .port = 6, .checkable = true},
    {.menu = "mnucom", .name = "mnucom7", .command = Command::Port, .port = 7, .checkable = true},
    {.menu = "mnucom", .name = "mnucom8", .command = Command::Port, .port = 8, .checkable = true},
    {.menu = "mnuLanguage", .name = "mnuChinese", .command = Command::Chinese},
    {.menu = "mnuLanguage", .name = "mnuEnglish", .command = Command::English},
    // Created hidden and never shown; the F1 key reaches it through a shortcut of the window.
    {.menu = "mnuhelp",
     .name = "mnumainhelp",
     .command = Command::Help,
     .shortcut = "F1",
     .visible = false},
    {.menu = "mnuhelp", .name = "mnuabout", .command = Command::About},
    // Shown by the service sequence of the optional-functions dialog; no menu reaches it, so it is
    // named as the toolbar button it only is.
    {.name = "Toolbar1Button7",
     .command = Command::Relock,
     .button = {7, "TAnMa"},
     .visible = false},
};

// The toolbar's buttons are numbered 1 to kToolbarButtons; a number that no command holds (4, 8) is
// a separator.
inline constexpr int kToolbarButtons = 10;

// The command on toolbar button `number`; none for a separator.
constexpr const CommandRow* ToolbarButton(int number) {
    for (const CommandRow& row : kCommands) {
        if (row.button.number == number) return &row;
    }
    return nullptr;
}

// The command of the toolbar button with `key`, compared exactly; none for any other key.
constexpr std::optional<Command> CommandOfToolbarKey(std::string_view key) {
    for (const CommandRow& row : kCommands) {
        if (!row.button.key.empty() && row.button.key == key) return row.command;
    }
    return std::nullopt;
}

namespace command_table_checks {

// Every command but a separator or a port item is one action, so it is listed once.
constexpr bool EachCommandOnce() {
    for (const CommandRow& a : kCommands) {
        int count = 0;
        for (const CommandRow& b : kCommands) count += static_cast<int>(a.command == b.command);
        if (a.command != Command::Separator && a.command != Command::Port && count != 1) {
            return false;
        }
    }
    return true;
}

// Each toolbar number is held once, by a command with a key, within the toolbar.
constexpr bool ToolbarNumbersOnce() {
    for (const CommandRow& row : kCommands) {
        if (row.button.number == 0) continue;
        if (row.button.number > kToolbarButtons || row.button.key.empty() ||
            ToolbarButton(row.button.number) != &row) {
            return false;
        }
    }
    return true;
}

// No two commands answer to the same key.
constexpr bool KeysOnce() {
    for (const CommandRow& a : kCommands) {
        for (const std::string_view key : {a.shortcut, a.alternateShortcut}) {
            if (key.empty()) continue;
            int count = 0;
            for (const CommandRow& b : kCommands) {
                count += static_cast<int>(b.shortcut == key) +
                         static_cast<int>(b.alternateShortcut == key);
            }
            if (count != 1) return false;
        }
    }
    return true;
}

static_assert(EachCommandOnce());
static_assert(ToolbarNumbersOnce());
static_assert(KeysOnce());

}  // namespace command_table_checks

}  // namespace qv
