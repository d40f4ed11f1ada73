// A serial port as the user is told about it: the name a message gives it, and why it did not open.
// The port menu, a read or write that finds its port closed, and the command line say the same.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "i18n/language.h"
#include "link/core/port_diagnosis.h"

namespace qv {

enum class PortOpenError {
    None,
    Busy,          // held by another program
    NoPermission,  // the system refuses this user the device
    NotFound,      // no such device
    NotSerial,     // a file, a folder or a device that is no serial port
};

// What names a port: its number in the port menu and its device.
struct PortName {
    int number = 0;      // 1..8 for COM1..COM8; 0 for a device given by its path
    std::string device;  // empty when the system has no device for the number

    friend bool operator==(const PortName&, const PortName&) = default;
};

// "COM2 (/dev/ttyUSB1)", "COM2" when it has no device (or is the device itself, on Windows), and
// the device alone for a device given by its path.
std::string PortLabel(const PortName& port);

// "COM2" for a port of the menu, the device alone for one given by its path: the port as the user
// chose it, as a backup's name carries it.
std::string PortShortName(const PortName& port);

// Why `port` did not open, in `language`: no such port, no permission (with how to get it), held
// by another program, not a serial device.
std::string PortOpenMessage(PortOpenError error, const PortName& port, Language language);

// As above, then a paragraph for each thing `diagnosis` found. A port refused for lack of
// permission is then told its own group and fix in place of the general hint.
std::string PortOpenMessage(PortOpenError error, const PortName& port, Language language,
                            const PortDiagnosis& diagnosis);

// What `diagnosis` found that keeps a port from working, in `language`: for each finding its
// sentences with the fix, in the order permission, other programs, brltty, ModemManager; none
// when it found nothing.
std::vector<std::string> DiagnosisFindings(const PortDiagnosis& diagnosis, Language language);

// An adapter as the findings name it: "1a86:7523 CH340/CH341", or the ids alone.
std::string AdapterName(const UsbAdapter& usb);

// What a port of the menu stands for, beside its "COMn": "/dev/ttyUSB0 (CH340/CH341)" for a USB
// adapter (its ids in place of a chip the tool does not know), the device alone for any other,
// "(no device)" when `device` is empty: the number stands for none.
std::string PortMenuDevice(const std::string& device, const std::optional<UsbAdapter>& usb,
                           Language language);

}  // namespace qv
