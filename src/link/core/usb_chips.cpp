#include "link/core/usb_chips.h"

namespace qv {
namespace {

// The chips of the common programming cables. data/udev/70-qv7100-cable.rules names the same
// ids; a test holds the two together.
constexpr UsbChip kChips[] = {
    {"1a86", "7523", "CH340/CH341"}, {"1a86", "7522", "CH340/CH341"},
    {"1a86", "5523", "CH340/CH341"}, {"067b", "2303", "PL2303"},
    {"067b", "23a3", "PL2303GC"},    {"067b", "23b3", "PL2303GB"},
    {"067b", "23c3", "PL2303GT"},    {"067b", "23d3", "PL2303GL"},
    {"067b", "23e3", "PL2303GE"},    {"067b", "23f3", "PL2303GS"},
    {"10c4", "ea60", "CP210x"},      {"10c4", "ea70", "CP210x"},
    {"10c4", "ea71", "CP210x"},      {"0403", "6001", "FTDI FT232R"},
    {"0403", "6010", "FTDI FT2232"}, {"0403", "6011", "FTDI FT4232"},
    {"0403", "6014", "FTDI FT232H"}, {"0403", "6015", "FTDI FT-X"},
};

}  // namespace

std::span<const UsbChip> KnownUsbChips() {
    return kChips;
}

std::string_view UsbChipName(std::string_view vid, std::string_view pid) {
    for (const UsbChip& chip : kChips) {
        if (chip.vid == vid && chip.pid == pid) return chip.name;
    }
    return {};
}

}  // namespace qv
