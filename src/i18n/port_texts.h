// What the system shows about the serial ports, in Chinese and English: why a port may not work
// (permissions, another program, the braille-display service, ModemManager) with the fix, and the
// list of ports with the warning about adapters whose numbers can swap. Each text a whole sentence
// or caption; %1, %2, ... stand for the values given to PortText.
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

#include "i18n/language.h"

namespace qv {

enum class PortTextId {
    // Why a port may not work, each with its fix.
    NoPermissionOn,       // %1 the port: opens a port-open message the findings follow
    NotInGroup,           // %1 owner, %2 group, %3 mode: this user is not in the group
    GroupNeedsNewLogin,   // %1 group: joined after this login began
    OwnerOnly,            // %1 owner, %2 mode: no group opens it
    PackagedRuleWouldDo,  // the package's rule would give the cable to the user at the screen
    SeatRuleInForce,      // %1 the rule (file:line): it gives the cable to the user at the screen
    HeldBy,               // %1 the processes (HolderNamed... joined by ListSeparator)
    HolderNamed,          // %1 the process's name, %2 its number
    HolderUnnamed,        // %1 the process's number
    ListSeparator,
    BrlttyClaims,       // %1 the adapter, %2 the rule (file:line), %3 the rule file's name
    BrlttyClaimsLocal,  // %1 the adapter, %2 the rule (file:line): a rule of the administrator's
    ModemManagerCable,  // %1 where it is installed: the package's rule would tell it
    ModemManagerOther,  // %1 where it is installed, %2 the adapter's ids "1a86:7523"
    // The list of ports.
    ColumnPort,
    ColumnDevice,
    ColumnById,
    ColumnByPath,
    ColumnUsb,
    ColumnChip,
    ColumnSerial,
    NoDevices,
    SwapNoSerial,    // %1 the ports, %2 the adapter ("1a86:7523 CH340/CH341")
    SwapSameSerial,  // %1 the ports, %2 the adapter, %3 the serial number they share
    NoByPath,        // an adapter without a by-path name
    BothPorts,       // %1 the ports but the last, %2 the last: "COM1 and COM2"
    FindingsOf,      // %1 the port: heads what its diagnosis found
    NothingFound,
    // The port menu: what each COMn stands for.
    MenuNoDevice,
    MenuDeviceOf,  // %1 the device, %2 its USB adapter's chip (or its ids)
};

// The text in `language`, %1... replaced by `values` in order.
std::string PortText(PortTextId id, Language language,
                     std::initializer_list<std::string_view> values = {});

}  // namespace qv
