// The USB-to-serial chips of programming cables, by their USB vendor and product ids: what names
// a chip to the user, and what the packaged udev rule (data/udev) gives the user access to.
#pragma once

#include <span>
#include <string_view>

namespace qv {

struct UsbChip {
    std::string_view vid;  // four lower-case hexadecimal digits, as sysfs shows them
    std::string_view pid;
    std::string_view name;  // "CH340/CH341", "PL2303", "CP210x", "FTDI FT232R", ...
};

// Every chip the tool knows, one row per vendor and product id.
std::span<const UsbChip> KnownUsbChips();

// The chip of `vid`:`pid` (lower-case hexadecimal); empty when it is none of the known ones.
std::string_view UsbChipName(std::string_view vid, std::string_view pid);

}  // namespace qv
