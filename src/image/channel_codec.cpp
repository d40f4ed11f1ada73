#include "image/channel_codec.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <optional>

#include "i18n/list_items.h"
#include "image/hex.h"
#include "image/text.h"

namespace qv {
namespace {

// Record bytes.
constexpr std::size_t kRxFrequency = 0;
constexpr std::size_t kTxFrequency = 4;
constexpr std::size_t kRxTone = 8;
constexpr std::size_t kTxTone = 10;
constexpr std::size_t kLockoutByte = 12;
constexpr std::size_t kPowerBandwidthByte = 13;
constexpr std::uint8_t kLockoutBit = 0x08;
constexpr std::uint8_t kBandwidthBit = 0x10;
constexpr std::uint8_t kPowerBit = 0x20;

constexpr std::uint16_t kDcsNormal = 0x2800;
constexpr std::uint16_t kDcsInverted = 0xA800;
constexpr std::uint16_t kDcsCodeMask = 0x01FF;

// First channel of each scan-bitmap byte; bit 0 is that channel, bit 7 the channel seven later.
constexpr int kScanBitmapFirstChannel[] = {33, 41, 17, 25, 1, 9};

std::string ItemText(Language cells, ListId list, int position) {
    return std::string(ListItem(list, position, cells));
}

// A two-item column counts as its second item unless the cell shows the first; an empty cell
// counts as the second item too.
bool ShowsSecondItem(std::string_view cell, ListId list) {
    return FindListItem(list, cell) != 0;
}

std::uint16_t Word(std::span<const std::uint8_t> bytes, std::size_t at) {
    return static_cast<std::uint16_t>(bytes[at] | bytes[at + 1] << 8);
}

void PutWord(std::span<std::uint8_t> bytes, std::size_t at, std::uint16_t word) {
    bytes[at] = static_cast<std::uint8_t>(word & 0xFF);
    bytes[at + 1] = static_cast<std::uint8_t>(word >> 8);
}

void SetToneCell(Setup& setup, Language cells, int row, int column, std::uint16_t word) {
    std::string text = word == kNoTone ? ItemText(cells, ListId::Tone, 0) : ToneText(word);
    // A tone outside the editor's list has no position there; its text still stands in the cell.
    setup.ChannelFlags[row][column] = FindListItem(ListId::Tone, text);
    setup.Grid1[row][column] = std::move(text);
}

void SetFlagCell(Setup& setup, Language cells, int row, int column, ListId list, bool bit) {
    const int position = bit ? 1 : 0;
    setup.Grid1[row][column] = ItemText(cells, list, position);
    setup.ChannelFlags[row][column] = position;
}

// The digits of a frequency field, hundreds of megahertz first.
constexpr std::size_t kWholeDigits = 3;
constexpr std::size_t kFractionDigits = 5;
using FrequencyDigits = std::array<std::uint8_t, kWholeDigits + kFractionDigits>;

// The digits of a frequency text placed by its point; nothing for a text the field cannot hold. A
// text of the full form "ddd.ddddd" may hold hexadecimal digits: a read copies every nibble as it
// stands, and a write gives it back so.
std::optional<FrequencyDigits> DigitsOfFrequency(std::string_view text) {
    const std::size_t point = text.find('.');
    const std::string_view whole = text.substr(0, point);
    const std::string_view fraction =
        point == std::string_view::npos ? std::string_view() : text.substr(point + 1);
    if (whole.size() > kWholeDigits || fraction.size() > kFractionDigits ||
        whole.size() + fraction.size() == 0) {
        return std::nullopt;
    }
    const bool fullForm = whole.size() == kWholeDigits && fraction.size() == kFractionDigits;
    const int digitLimit = fullForm ? 16 : 10;
    // The whole megahertz end at the point, the decimals start there.
    FrequencyDigits digits{};
    std::size_t at = kWholeDigits - whole.size();
    for (const std::string_view part : {whole, fraction}) {
        for (const char c : part) {
            const int value = HexDigitValue(c);
            if (value < 0 || value >= digitLimit) return std::nullopt;
            digits[at++] = static_cast<std::uint8_t>(value);
        }
        at = kWholeDigits;
    }
    return digits;
}

}  // namespace

bool IsBlankFrequency(std::span<const std::uint8_t, 4> bytes) {
    return std::all_of(bytes.begin(), bytes.end(), [](std::uint8_t b) { return b == 0xFF; });
}

std::string FrequencyText(std::span<const std::uint8_t, 4> bytes) {
    // 435.12500 MHz is stored as 00 25 51 43.
    return {kHexDigits[bytes[3] >> 4],  kHexDigits[bytes[3] & 0xF],
            kHexDigits[bytes[2] >> 4],  '.',
            kHexDigits[bytes[2] & 0xF], kHexDigits[bytes[1] >> 4],
            kHexDigits[bytes[1] & 0xF], kHexDigits[bytes[0] >> 4],
            kHexDigits[bytes[0] & 0xF]};
}

void PutFrequency(std::string_view text, std::span<std::uint8_t, 4> bytes) {
    std::fill(bytes.begin(), bytes.end(), std::uint8_t{0xFF});
    const std::optional<FrequencyDigits> digits = DigitsOfFrequency(text);
    // A text the field cannot hold goes as no frequency rather than as other digits.
    if (!digits) return;
    auto pair = [&](std::size_t high) {
        return static_cast<std::uint8_t>((*digits)[high] << 4 | (*digits)[high + 1]);
    };
    bytes[0] = pair(6);
    bytes[1] = pair(4);
    bytes[2] = pair(2);
    bytes[3] = pair(0);
}

std::string ToneText(std::uint16_t word) {
    const int kind = word >> 12;
    if (kind == 0x2 || kind == 0xA) {
        // The last three octal digits of the other three hexadecimal digits.
        char octal[8];
        std::snprintf(octal, sizeof octal, "%o", word & 0x0FFF);
        std::string digits(octal);
        if (digits.size() > 3) digits.erase(0, digits.size() - 3);
        return "D" + digits + (kind == 0x2 ? "N" : "I");
    }
    std::string text = std::to_string(word);
    text.insert(text.size() - 1, 1, '.');
    return text;
}

std::uint16_t ToneWord(std::string_view text) {
    if (text.empty() || FindListItem(ListId::Tone, text) == 0) return kNoTone;
    if (text.front() == 'D' && (text.back() == 'N' || text.back() == 'I')) {
        auto octalDigit = [&](std::size_t position) {
            const char c = position < text.size() ? text[position] : '0';
            return c >= '0' && c <= '9' ? c - '0' : 0;
        };
        const int code = 64 * octalDigit(1) + 8 * octalDigit(2) + octalDigit(3);
        const std::uint16_t base = text.back() == 'N' ? kDcsNormal : kDcsInverted;
        return static_cast<std::uint16_t>(base | (code & kDcsCodeMask));
    }
    // A CTCSS tone in tenths of a hertz: "67.0" is 670.
    const double tenths = std::round(Val(text) * 10.0);
    return static_cast<std::uint16_t>(std::clamp(tenths, 0.0, double{kNoTone - 1}));
}

ChannelSwitches EncodedSwitches(const Setup& setup, int row) {
    const auto& cells = setup.Grid1[row];
    return {.highPower = ShowsSecondItem(cells[kColPower], ListId::Power),
            .busyLockout = ShowsSecondItem(cells[kColBusyLockout], ListId::BusyLockout),
            .wide = ShowsSecondItem(cells[kColBandwidth], ListId::Bandwidth)};
}

bool InScanList(const Setup& setup, int row) {
    // An empty cell is not in the scan list, unlike the other list columns, and neither is an
    // empty channel, whatever its other cells hold.
    const std::string& cell = setup.Grid1[row][kColScan];
    return ChannelInUse(setup, row) && !cell.empty() && FindListItem(ListId::ScanAdd, cell) != 0;
}

void SetGrid(Setup& setup, Language language, int first, int last,
             std::span<const std::uint8_t> records) {
    for (int row = first; row <= last; ++row) {
        const auto record = records.subspan(
            static_cast<std::size_t>(row - first) * kChannelRecordBytes, kChannelRecordBytes);
        auto& cells = setup.Grid1[row];
        const auto rx = record.subspan<kRxFrequency, 4>();
        if (IsBlankFrequency(rx)) {
            // An empty channel; its ChannelFlags stay as they were.
            for (int column = kColRxFrequency; column <= kColScan; ++column) cells[column].clear();
            continue;
        }
        cells[kColRxFrequency] = FrequencyText(rx);
        const auto tx = record.subspan<kTxFrequency, 4>();
        cells[kColTxFrequency] = IsBlankFrequency(tx) ? std::string() : FrequencyText(tx);

        SetToneCell(setup, language, row, kColRxTone, Word(record, kRxTone));
        const std::uint16_t txTone = Word(record, kTxTone);
        if (txTone == kNoTone && cells[kColTxFrequency].empty()) {
            cells[kColTxTone].clear();
        } else {
            SetToneCell(setup, language, row, kColTxTone, txTone);
        }
        SetFlagCell(setup, language, row, kColBusyLockout, ListId::BusyLockout,
                    record[kLockoutByte] & kLockoutBit);
        SetFlagCell(setup, language, row, kColBandwidth, ListId::Bandwidth,
                    record[kPowerBandwidthByte] & kBandwidthBit);
        SetFlagCell(setup, language, row, kColPower, ListId::Power,
                    record[kPowerBandwidthByte] & kPowerBit);
    }
}

void EncodeChannelRow(const Setup& setup, int row,
                      std::span<std::uint8_t, kChannelRecordBytes> record) {
    const auto& cells = setup.Grid1[row];
    PutFrequency(cells[kColRxFrequency], record.subspan<kRxFrequency, 4>());
    PutFrequency(cells[kColTxFrequency], record.subspan<kTxFrequency, 4>());
    PutWord(record, kRxTone, ToneWord(cells[kColRxTone]));
    PutWord(record, kTxTone, ToneWord(cells[kColTxTone]));
    const ChannelSwitches switches = EncodedSwitches(setup, row);
    record[kLockoutByte] =
        static_cast<std::uint8_t>(0xF0 | (switches.busyLockout ? kLockoutBit : 0));
    record[kPowerBandwidthByte] = static_cast<std::uint8_t>(
        0xC0 | (switches.highPower ? kPowerBit : 0) | (switches.wide ? kBandwidthBit : 0));
    record[14] = 0xFC;
    record[15] = 0xFF;
}

void DecodeScanBitmap(std::span<const std::uint8_t> bitmap, Setup& setup, Language cells) {
    for (std::size_t k = 0; k < std::size(kScanBitmapFirstChannel); ++k) {
        for (int bit = 0; bit < 8; ++bit) {
            const int channel = kScanBitmapFirstChannel[k] + bit;
            if (!ChannelInUse(setup, channel)) {
                setup.Grid1[channel][kColScan].clear();
                continue;
            }
            SetFlagCell(setup, cells, channel, kColScan, ListId::ScanAdd, (bitmap[k] >> bit) & 1);
        }
    }
}

void EncodeScanBitmap(const Setup& setup, std::span<std::uint8_t> bitmap) {
    for (std::size_t k = 0; k < std::size(kScanBitmapFirstChannel); ++k) {
        std::uint8_t byte = 0;
        for (int bit = 0; bit < 8; ++bit) {
            if (InScanList(setup, kScanBitmapFirstChannel[k] + bit)) {
                byte = static_cast<std::uint8_t>(byte | 1 << bit);
            }
        }
        bitmap[k] = byte;
    }
}

}  // namespace qv
