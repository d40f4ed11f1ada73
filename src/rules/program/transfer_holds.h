// What waits while a transfer runs: every control whose result would change the set-up that a
// read is about to replace or a write is sending. A file opened during a read would be replaced
// by the radio's set-up when the read ends; a band, a setting or a dialog's values taken during a
// write would be shown but not written.
//
// What edits the set-up comes back the moment the transfer has ended, so that a click or the
// digits typed into a cell right after the result appears are taken. The toolbar and the
// Programming menu, which start transfers, come back once the result has blinked out in the
// status bar (at once after a failure). The edit lock still holds what it holds.
//
// Not held: Save, which changes nothing and saves the set-up as shown when it is chosen (a user
// who started a read by mistake can still keep what was on the screen); the lock, the ports, the
// languages, help, About and Quit; Copy, Export channels, Print and Export PDF, which only read it.
#pragma once

#include <string_view>

#include "i18n/captions.h"

namespace qv {

// When a held control comes back.
enum class HoldEnds {
    WithTheTransfer,  // the moment the transfer has ended
    AfterTheResult,   // once its result has blinked out in the status bar
};

struct TransferHold {
    WindowId window;
    std::string_view control;  // the control's name in that window
    HoldEnds ends;
};

inline constexpr TransferHold kTransferHolds[] = {
    // The toolbar's buttons and what shares their commands.
    {WindowId::Form1, "mnuNew", HoldEnds::AfterTheResult},
    {WindowId::Form1, "mnuOpen", HoldEnds::AfterTheResult},
    {WindowId::Form1, "mnureadFre", HoldEnds::AfterTheResult},
    {WindowId::Form1, "mnuwriteFre", HoldEnds::AfterTheResult},
    // The service button: calibration access decides which blocks a write sends.
    {WindowId::Form1, "Toolbar1Button7", HoldEnds::AfterTheResult},
    // The Programming menu: reading, writing, comparing, writing several radios and the settings
    // dialogs.
    {WindowId::Form1, "mnupro", HoldEnds::AfterTheResult},
    // Looking for the radio opens every port, the one a transfer has open too.
    {WindowId::Form1, "mnuFindRadio", HoldEnds::AfterTheResult},
    // A station opens ports of its own; its key reaches it whatever its menu.
    {WindowId::Form1, "mnuStation", HoldEnds::AfterTheResult},
    {WindowId::Form1, "mnuImportCsv", HoldEnds::WithTheTransfer},
    {WindowId::Form1, "mnuRestoreBackup", HoldEnds::WithTheTransfer},
    // Undo, Redo and Paste also wait; the main window holds them with what else decides them.
    {WindowId::Form1, "mnuUndo", HoldEnds::WithTheTransfer},
    {WindowId::Form1, "mnuRedo", HoldEnds::WithTheTransfer},
    {WindowId::Form1, "mnuPaste", HoldEnds::WithTheTransfer},
    {WindowId::Form1, "Combo1", HoldEnds::WithTheTransfer},
    {WindowId::Form1, "Frame2", HoldEnds::WithTheTransfer},
    {WindowId::Form1, "Grid1", HoldEnds::WithTheTransfer},
    // The dialogs stay open to look at; their OK waits.
    {WindowId::Form2, "Command1", HoldEnds::WithTheTransfer},
    {WindowId::Form4, "Command1", HoldEnds::WithTheTransfer},
    {WindowId::Form5, "Command1", HoldEnds::WithTheTransfer},
    {WindowId::Form6, "Command1", HoldEnds::WithTheTransfer},
    {WindowId::Form7, "Command1", HoldEnds::WithTheTransfer},
};

}  // namespace qv
