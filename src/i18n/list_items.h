// Item texts of every drop-down list, in both languages, by list and position. Lists whose texts
// are the same in both languages return the same items for either language.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "i18n/language.h"

namespace qv {

enum class ListId {
    // Main window. The band list Combo1 reads the same in both languages; its texts stand in the
    // band table.
    VoiceLanguage,  // Combo2
    TimeOut,        // Combo3, 15 to 600 seconds
    TimeOutWarn,    // Combo4
    SquelchLevel,   // Combo9
    BatterySave,    // Combo6
    KeyBeep,        // Combo7
    Tone,           // Combo8, the channel grid's tone editor: off, 50 CTCSS, 105 DCS N, 105 DCS I
    Power,          // Combo5(5)
    BusyLockout,    // Combo5(6)
    Bandwidth,      // Combo5(7)
    ScanAdd,        // Combo5(8)
    // Optional-functions dialog (Form5), named after what each list sets.
    DtmfRate,         // Combo0
    CurrentChannel,   // Combo1
    CallAnswer,       // Combo2
    WorkGroup,        // Combo3
    PttId,            // Combo4
    VoxFunction,      // Combo6
    VoxGain,          // Combo7
    VoxDelay,         // Combo8
    VoxVolume,        // Combo9
    RemoteAlarm,      // Combo10
    PriorityMode,     // Combo11
    PriorityChannel,  // Combo12
    RetraceTimeA,     // Combo13
    RetraceTimeB,     // Combo14
    ReturnChannel,    // Combo15
    FirstDigitTime,   // Combo16
    StarHashTone,     // Combo17
    FirstDigitDelay,  // Combo18
    DKey,             // Combo19
    DtmfSidetone,     // Combo20
    AutoReset,        // Combo21
    GroupCallCode,    // Combo22
    // Key-assignment dialog (Form6).
    LongPressKey,   // Combo1, 2, 5, 6, 9: 13 functions
    ShortPressKey,  // Combo3, 4, 7, 8, 10: the first 10 functions
};

const std::vector<std::string>& ListItems(ListId list, Language language);

// The item at `position`, or an empty text when the list has no such item.
std::string_view ListItem(ListId list, int position, Language language);

// Position of `text` among the items in either language; -1 when it is not an item.
int FindListItem(ListId list, std::string_view text);

}  // namespace qv
