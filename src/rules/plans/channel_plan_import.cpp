#include "rules/plans/channel_plan_import.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <utility>
#include <variant>

#include "i18n/list_items.h"
#include "image/decimal_text.h"
#include "image/text.h"
#include "rules/channels/grid_editing.h"
#include "rules/channels/grid_rules.h"
#include "rules/plans/channel_plan_format.h"
#include "rules/plans/csv_reader.h"
#include "rules/plans/wide_encoding.h"
#include "state/bands.h"

namespace qv {
namespace {

// Cells quoted in a report are cut to this many characters.
constexpr std::size_t kShownChars = 40;

constexpr char kSeparators[] = {',', ';'};
// Without these a row means nothing: the others may be left out and count as empty.
constexpr PlanColumn kNeededColumns[] = {PlanColumn::Frequency, PlanColumn::Mode};

// Item positions of the grid's lists.
constexpr int kNoTonePosition = 0;
constexpr int kLowPower = 0;
constexpr int kHighPower = 1;
constexpr int kNarrow = 0;
constexpr int kWide = 1;
constexpr int kNotScanned = 0;
constexpr int kScanned = 1;

// A value, or the reason a row has none.
template <typename T>
using OrRefusal = std::variant<T, PlanNote>;

PlanNote Note(PlanMessageId id, std::string_view first = {}, std::string_view second = {}) {
    return {id, ShownText(first, kShownChars), ShownText(second, kShownChars)};
}

char AsciiLower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

char AsciiUpper(char c) {
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

bool SameWord(std::string_view a, std::string_view b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [](char x, char y) { return AsciiLower(x) == AsciiLower(y); });
}

bool StartsWithWord(std::string_view text, std::string_view word) {
    return text.size() >= word.size() && SameWord(text.substr(0, word.size()), word);
}

std::optional<PlanColumn> ColumnNamed(std::string_view name) {
    const std::string_view trimmed = TrimBlanks(name);
    for (std::size_t k = 0; k < kPlanColumnCount; ++k) {
        if (SameWord(trimmed, kPlanColumnNames[k])) return static_cast<PlanColumn>(k);
    }
    return std::nullopt;
}

// The separator under which the first row names more of the format's columns; "," on a tie.
char PlanSeparator(std::string_view csv) {
    char best = kSeparators[0];
    int bestNamed = -1;
    for (const char separator : kSeparators) {
        CsvReader reader(csv, separator);
        CsvRecord header;
        while (reader.Next(header) && header.Blank()) {
        }
        const auto named = static_cast<int>(
            std::count_if(header.fields.begin(), header.fields.end(),
                          [](const std::string& field) { return ColumnNamed(field).has_value(); }));
        if (named > bestNamed) {
            best = separator;
            bestNamed = named;
        }
    }
    return best;
}

// Where each column stands in the rows; nothing for a column the header lacks.
using ColumnPositions = std::array<std::optional<std::size_t>, kPlanColumnCount>;

OrRefusal<ColumnPositions> ReadHeader(const CsvRecord& header, PlanPlacement placement) {
    ColumnPositions positions;
    for (std::size_t k = 0; k < header.fields.size(); ++k) {
        const std::optional<PlanColumn> column = ColumnNamed(header.fields[k]);
        if (!column) continue;
        auto& position = positions[static_cast<std::size_t>(*column)];
        if (position) return Note(PlanMessageId::ColumnTwice, PlanColumnName(*column));
        position = k;
    }
    for (const PlanColumn needed : kNeededColumns) {
        if (!positions[static_cast<std::size_t>(needed)]) {
            return Note(PlanMessageId::MissingColumn, PlanColumnName(needed));
        }
    }
    if (placement.kind == PlanPlacement::Kind::AtLocation &&
        !positions[static_cast<std::size_t>(PlanColumn::Location)]) {
        return Note(PlanMessageId::MissingColumn, PlanColumnName(PlanColumn::Location));
    }
    return positions;
}

// A row's cells by column, without blanks around them; a column the header lacks and a cell the
// row lacks are empty.
class PlanRow {
  public:
    PlanRow(const CsvRecord& record, const ColumnPositions& positions)
        : record_(record), positions_(positions) {}

    std::string_view Cell(PlanColumn column) const {
        const auto& position = positions_[static_cast<std::size_t>(column)];
        if (!position || *position >= record_.fields.size()) return {};
        return TrimBlanks(record_.fields[*position]);
    }
    const CsvRecord& Record() const { return record_; }

  private:
    const CsvRecord& record_;
    const ColumnPositions& positions_;
};

// A number as spreadsheets write it, with a decimal point or a decimal comma, as a plain decimal
// number with a point; nothing for anything else.
std::optional<std::string> PlanDecimal(std::string_view cell) {
    std::string number(TrimBlanks(cell));
    std::replace(number.begin(), number.end(), ',', '.');
    if (!IsPlainDecimal(number)) return std::nullopt;
    return number;
}

// --- frequencies ---

struct Frequencies {
    std::string receive;
    std::string transmit;
};

// The transmit frequency as the row gives it, before it is typed.
OrRefusal<std::string> TransmitText(const PlanRow& row, const std::string& receive) {
    const std::string_view duplex = row.Cell(PlanColumn::Duplex);
    if (duplex == kDuplexSimplex) return receive;
    if (SameWord(duplex, kDuplexOff)) return Note(PlanMessageId::ReceiveOnly);
    const bool plus = duplex == kDuplexPlus;
    const bool minus = duplex == kDuplexMinus;
    const bool split = SameWord(duplex, kDuplexSplit);
    if (!plus && !minus && !split) return Note(PlanMessageId::UnknownDuplex, duplex);
    const std::string_view offsetCell = row.Cell(PlanColumn::Offset);
    const std::optional<std::string> offset = PlanDecimal(offsetCell);
    if (!offset) {
        return Note(PlanMessageId::NotAFrequency, PlanColumnName(PlanColumn::Offset), offsetCell);
    }
    if (split) return *offset;
    return plus ? AddDecimal(receive, *offset) : SubtractDecimal(receive, *offset);
}

// Both frequencies typed into the grid: each goes onto the channel raster on its own.
OrRefusal<Frequencies> RowFrequencies(const PlanRow& row, const Setup& setup) {
    const std::string_view band = BandAt(setup.Combo1).listText;
    const std::string_view receiveCell = row.Cell(PlanColumn::Frequency);
    const std::optional<std::string> receive = PlanDecimal(receiveCell);
    if (!receive) {
        return Note(PlanMessageId::NotAFrequency, PlanColumnName(PlanColumn::Frequency),
                    receiveCell);
    }
    const FrequencyEntry receiveEntry = EnterFrequency(setup, *receive);
    if (receiveEntry.outcome != FrequencyOutcome::Landed) {
        return Note(PlanMessageId::ReceiveOutOfBand, *receive, band);
    }
    OrRefusal<std::string> transmit = TransmitText(row, *receive);
    if (const PlanNote* refused = std::get_if<PlanNote>(&transmit)) return *refused;
    const std::string& transmitText = std::get<std::string>(transmit);
    // A plain decimal number in the band, or a difference below zero, which is not one.
    const FrequencyEntry transmitEntry = EnterFrequency(setup, transmitText);
    if (transmitEntry.outcome != FrequencyOutcome::Landed) {
        return Note(PlanMessageId::TransmitOutOfBand, transmitText, band);
    }
    return Frequencies{receiveEntry.cell, transmitEntry.cell};
}

// --- tones ---

struct TonePositions {
    int transmit = kNoTonePosition;
    int receive = kNoTonePosition;
};

// The position in the tone list of a CTCSS tone in hertz: "88.5", "88,50" and "100" name items,
// "88.55" and "199.5" none.
std::optional<int> CtcssPosition(std::string_view cell) {
    const std::optional<std::string> number = PlanDecimal(cell);
    if (!number) return std::nullopt;
    const std::size_t point = number->find('.');
    if (point != std::string::npos && point + 2 < number->size() &&
        number->find_first_not_of('0', point + 2) != std::string::npos) {
        return std::nullopt;  // finer than a tenth of a hertz
    }
    const int position = FindListItem(ListId::Tone, RoundDecimal(*number, 1));
    if (position <= kNoTonePosition) return std::nullopt;
    return position;
}

// The position in the tone list of a DCS code of up to three octal digits ("23" is 023) with the
// polarity letter of the file.
std::optional<int> DcsPosition(std::string_view cell, char polarity) {
    if (cell.empty() || cell.size() > 3 ||
        !std::all_of(cell.begin(), cell.end(), [](char c) { return c >= '0' && c <= '7'; })) {
        return std::nullopt;
    }
    std::string item = "D";
    item.append(3 - cell.size(), '0');
    item += cell;
    item += polarity == kPlanReversedPolarity ? 'I' : 'N';
    const int position = FindListItem(ListId::Tone, item);
    if (position <= kNoTonePosition) return std::nullopt;
    return position;
}

const PlanToneMode* FindToneMode(std::string_view tone, std::string_view crossMode) {
    const bool cross = SameWord(tone, kCrossTone);
    for (const PlanToneMode& mode : kPlanToneModes) {
        if (!SameWord(tone, mode.tone)) continue;
        if (!cross || SameWord(crossMode, mode.crossMode)) return &mode;
    }
    return nullptr;
}

// The list position of one side's tone: `source` is the column it stands in, `polarity` the
// letter of DtcsPolarity for this side.
OrRefusal<int> TonePosition(const PlanRow& row, std::optional<PlanColumn> source, char polarity) {
    if (!source) return kNoTonePosition;
    const std::string_view cell = row.Cell(*source);
    const bool dcs = IsDcsColumn(*source);
    const std::optional<int> position = dcs ? DcsPosition(cell, polarity) : CtcssPosition(cell);
    if (position) return *position;
    return Note(dcs ? PlanMessageId::CodeNotInList : PlanMessageId::ToneNotInList,
                PlanColumnName(*source), cell);
}

OrRefusal<TonePositions> RowTones(const PlanRow& row) {
    const std::string_view tone = row.Cell(PlanColumn::Tone);
    const std::string_view crossMode = row.Cell(PlanColumn::CrossMode);
    const PlanToneMode* mode = FindToneMode(tone, crossMode);
    if (mode == nullptr) {
        if (SameWord(tone, kCrossTone)) return Note(PlanMessageId::UnknownCrossMode, crossMode);
        return Note(PlanMessageId::UnknownToneMode, tone);
    }
    // Only a mode with a DCS side reads DtcsPolarity: transmit letter first, then receive.
    std::array<char, 2> polarity = {kPlanNormalPolarity, kPlanNormalPolarity};
    const auto usesDcs = [](std::optional<PlanColumn> source) {
        return source && IsDcsColumn(*source);
    };
    if (usesDcs(mode->transmit) || usesDcs(mode->receive)) {
        const std::string_view cell = row.Cell(PlanColumn::DtcsPolarity);
        const auto isLetter = [](char c) {
            return AsciiUpper(c) == kPlanNormalPolarity || AsciiUpper(c) == kPlanReversedPolarity;
        };
        if (cell.size() != 2 || !std::all_of(cell.begin(), cell.end(), isLetter)) {
            return Note(PlanMessageId::UnknownPolarity, cell);
        }
        polarity = {AsciiUpper(cell[0]), AsciiUpper(cell[1])};
    }
    OrRefusal<int> transmit = TonePosition(row, mode->transmit, polarity[0]);
    if (const PlanNote* refused = std::get_if<PlanNote>(&transmit)) return *refused;
    OrRefusal<int> receive = TonePosition(row, mode->receive, polarity[1]);
    if (const PlanNote* refused = std::get_if<PlanNote>(&receive)) return *refused;
    return TonePositions{std::get<int>(transmit), std::get<int>(receive)};
}

// --- the rest of the row ---

OrRefusal<int> RowBandwidth(const PlanRow& row) {
    const std::string_view mode = row.Cell(PlanColumn::Mode);
    if (SameWord(mode, kModeNarrow)) return kNarrow;
    if (SameWord(mode, kModeWide)) return kWide;
    return Note(PlanMessageId::UnknownMode, mode);
}

// A power given in watts ("5.0W", "0,5 W", "4"), or nothing.
std::optional<double> Watts(std::string_view cell) {
    std::string_view text = TrimBlanks(cell);
    if (!text.empty() && AsciiLower(text.back()) == 'w') text.remove_suffix(1);
    const std::optional<std::string> number = PlanDecimal(text);
    if (!number) return std::nullopt;
    return Val(*number);
}

// Low power when the cell says so ("Low", "Low2"), or gives fewer watts than the file's highest;
// high power otherwise.
int RowPower(const PlanRow& row, std::optional<double> highestWatts) {
    const std::string_view cell = row.Cell(PlanColumn::Power);
    if (StartsWithWord(cell, "low")) return kLowPower;
    const std::optional<double> watts = Watts(cell);
    return watts && highestWatts && *watts < *highestWatts ? kLowPower : kHighPower;
}

int RowScan(const PlanRow& row) {
    return SameWord(row.Cell(PlanColumn::Skip), kSkipScan) ? kNotScanned : kScanned;
}

// --- channels ---

// A row as the grid's list positions and frequency cells.
struct PlanChannel {
    Frequencies frequencies;
    TonePositions tones;
    int power = kHighPower;
    int bandwidth = kWide;
    int scan = kScanned;
};

OrRefusal<PlanChannel> RowChannel(const PlanRow& row, const Setup& setup,
                                  std::optional<double> highestWatts) {
    if (row.Record().quoteNotClosed) return Note(PlanMessageId::QuoteNotClosed);
    if (row.Record().quotesOutOfPlace) return Note(PlanMessageId::QuotesOutOfPlace);
    OrRefusal<Frequencies> frequencies = RowFrequencies(row, setup);
    if (const PlanNote* refused = std::get_if<PlanNote>(&frequencies)) return *refused;
    OrRefusal<TonePositions> tones = RowTones(row);
    if (const PlanNote* refused = std::get_if<PlanNote>(&tones)) return *refused;
    OrRefusal<int> bandwidth = RowBandwidth(row);
    if (const PlanNote* refused = std::get_if<PlanNote>(&bandwidth)) return *refused;
    return PlanChannel{std::get<Frequencies>(std::move(frequencies)),
                       std::get<TonePositions>(tones), RowPower(row, highestWatts),
                       std::get<int>(bandwidth), RowScan(row)};
}

// The channel as the grid takes it; the format has no busy lockout, which starts off.
ChannelEntry GridEntry(const PlanChannel& channel) {
    ChannelEntry entry;
    entry.receive = channel.frequencies.receive;
    entry.transmit = channel.frequencies.transmit;
    entry.receiveTone.position = channel.tones.receive;
    entry.transmitTone.position = channel.tones.transmit;
    entry.power = channel.power;
    entry.bandwidth = channel.bandwidth;
    entry.scan = channel.scan;
    return entry;
}

// The channel each row goes to, row by row in the order of the file.
class RowChannels {
  public:
    RowChannels(const Setup& setup, PlanPlacement placement) : placement_(placement) {
        switch (placement.kind) {
            case PlanPlacement::Kind::FirstEmpty:
                first_ = FirstEmptyChannel(setup);
                break;
            case PlanPlacement::Kind::FromChannel:
                first_ = std::clamp(placement.channel, 1, kChannelCount);
                break;
            case PlanPlacement::Kind::AtLocation:
                first_ = 1;
                break;
        }
        next_ = first_;
    }

    // The channel for `row`, or why it has none. Every row asks, imported or not, so that a
    // Location is claimed by the first row that names it.
    OrRefusal<int> Take(const PlanRow& row) {
        if (placement_.kind == PlanPlacement::Kind::AtLocation) return AtLocation(row);
        if (first_ > kChannelCount) return Note(PlanMessageId::NoEmptyChannel);
        if (next_ > kChannelCount) {
            const std::string last = std::to_string(kChannelCount);
            return Note(PlanMessageId::NoChannelLeft,
                        first_ == kChannelCount ? last : std::to_string(first_) + "-" + last);
        }
        return next_;
    }

    // The row given `channel` by Take was imported there.
    void Filled(int channel) {
        if (placement_.kind != PlanPlacement::Kind::AtLocation) next_ = channel + 1;
    }

  private:
    OrRefusal<int> AtLocation(const PlanRow& row) {
        const std::string_view cell = row.Cell(PlanColumn::Location);
        const bool digits =
            !cell.empty() && cell.size() <= 3 &&
            std::all_of(cell.begin(), cell.end(), [](char c) { return c >= '0' && c <= '9'; });
        const int channel = digits ? ValInt(cell) : 0;
        if (channel < 1 || channel > kChannelCount) {
            return Note(PlanMessageId::LocationNotAChannel, cell);
        }
        int& claimedOn = lineOfLocation_[static_cast<std::size_t>(channel)];
        if (claimedOn != 0) {
            return Note(PlanMessageId::LocationTwice, std::to_string(channel),
                        std::to_string(claimedOn));
        }
        claimedOn = row.Record().line;
        return channel;
    }

    PlanPlacement placement_;
    int first_ = 1;
    int next_ = 1;
    // The line of the row that named each Location first; 0 for none yet.
    std::array<int, kChannelCount + 1> lineOfLocation_{};
};

}  // namespace

int FirstEmptyChannel(const Setup& setup) {
    for (int row = 1; row <= kChannelCount; ++row) {
        if (!ChannelInUse(setup, row)) return row;
    }
    return kChannelCount + 1;
}

ChannelPlanImport ImportChannelPlan(const Setup& setup, std::string_view csv,
                                    PlanPlacement placement, Language cells) {
    ChannelPlanImport result;
    result.setup = setup;
    if (const std::optional<WideEncoding> wide = DetectWideEncoding(csv)) {
        result.refused = Note(PlanMessageId::NotUtf8, EncodingName(*wide));
        return result;
    }
    CsvReader reader(csv, PlanSeparator(csv));
    CsvRecord header;
    bool headerFound = false;
    while (!headerFound && reader.Next(header)) headerFound = !header.Blank();
    if (!headerFound) {
        result.refused = Note(PlanMessageId::NoHeaderRow);
        return result;
    }
    const OrRefusal<ColumnPositions> columns = ReadHeader(header, placement);
    if (const PlanNote* refused = std::get_if<PlanNote>(&columns)) {
        result.refused = *refused;
        return result;
    }
    const ColumnPositions& positions = std::get<ColumnPositions>(columns);

    // Blank rows are no channels: spreadsheets leave them between and after the rows.
    std::vector<CsvRecord> records;
    for (CsvRecord record; reader.Next(record);) {
        if (!record.Blank()) records.push_back(std::move(record));
    }
    std::optional<double> highestWatts;
    for (const CsvRecord& record : records) {
        const std::optional<double> watts =
            Watts(PlanRow(record, positions).Cell(PlanColumn::Power));
        if (watts && (!highestWatts || *watts > *highestWatts)) highestWatts = watts;
    }

    RowChannels channels(setup, placement);
    for (const CsvRecord& record : records) {
        const PlanRow row(record, positions);
        OrRefusal<PlanChannel> imported = RowChannel(row, setup, highestWatts);
        OrRefusal<int> channel = channels.Take(row);
        if (std::holds_alternative<PlanChannel>(imported)) {
            if (const PlanNote* none = std::get_if<PlanNote>(&channel)) imported = *none;
        }
        if (const PlanNote* refused = std::get_if<PlanNote>(&imported)) {
            result.skipped.push_back(
                {record.line, ShownText(row.Cell(PlanColumn::Location), kShownChars), *refused});
            continue;
        }
        const int taken = std::get<int>(channel);
        if (ChannelInUse(setup, taken)) result.replaced.push_back(taken);
        PlaceChannel(result.setup, taken, GridEntry(std::get<PlanChannel>(imported)), cells);
        result.filled.push_back(taken);
        channels.Filled(taken);
    }
    std::sort(result.filled.begin(), result.filled.end());
    std::sort(result.replaced.begin(), result.replaced.end());
    return result;
}

}  // namespace qv
