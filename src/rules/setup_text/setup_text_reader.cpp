// The reader: the text is checked as bytes (size, UTF-8, tabs in the indentation), parsed by
// yaml-cpp, and walked along the layout of the format. yaml-cpp keeps a key given twice and turns
// every value into text; the walk refuses the one and checks the other by the rules of the
// windows.
#include <yaml-cpp/yaml.h>

#include <algorithm>
#include <map>
#include <string_view>
#include <utility>
#include <variant>

#include "image/held_controls.h"
#include "rules/channels/grid_editing.h"
#include "rules/program/startup.h"
#include "rules/setup_text/setup_text.h"
#include "rules/setup_text/setup_text_fields.h"
#include "rules/setup_text/text_bytes.h"
#include "rules/setup_text/yaml_document.h"

namespace qv {
namespace {

using namespace setup_text;

// Errors kept before they are put in order; beyond them only counted.
constexpr std::size_t kErrorsCollected = 4 * kMostErrorsKept;

class Errors {
  public:
    explicit Errors(const TextPlaces& places) : places_(places) {}
    Place At(const YAML::Mark& mark) const { return places_.Of(mark); }
    void Add(Place place, std::string field, SetupTextProblem problem) {
        problem.line = place.line;
        problem.column = place.column;
        problem.field = std::move(field);
        CutQuotedValues(problem);
        if (kept_.size() < kErrorsCollected) {
            kept_.push_back(std::move(problem));
        } else {
            ++dropped_;
        }
    }
    void Add(Place place, std::string field, SetupTextId id, std::vector<std::string> values = {}) {
        SetupTextProblem problem;
        problem.id = id;
        problem.values = std::move(values);
        Add(place, std::move(field), std::move(problem));
    }
    bool Any() const { return !kept_.empty(); }
    std::size_t Count() const { return kept_.size(); }

    void MoveInto(SetupTextRead& read) && {
        std::stable_sort(kept_.begin(), kept_.end(), [](const auto& a, const auto& b) {
            return std::pair(a.line, a.column) < std::pair(b.line, b.column);
        });
        read.moreErrors = dropped_;
        if (kept_.size() > kMostErrorsKept) {
            read.moreErrors += kept_.size() - kMostErrorsKept;
            kept_.resize(kMostErrorsKept);
        }
        read.errors = std::move(kept_);
    }

  private:
    const TextPlaces& places_;
    std::vector<SetupTextProblem> kept_;
    std::size_t dropped_ = 0;
};

// The number of single-character edits between two keys.
std::size_t EditDistance(std::string_view a, std::string_view b) {
    std::vector<std::size_t> row(b.size() + 1);
    for (std::size_t j = 0; j <= b.size(); ++j) row[j] = j;
    for (std::size_t i = 1; i <= a.size(); ++i) {
        std::size_t diagonal = row[0];
        row[0] = i;
        for (std::size_t j = 1; j <= b.size(); ++j) {
            const std::size_t above = row[j];
            row[j] = std::min({row[j] + 1, row[j - 1] + 1, diagonal + (a[i - 1] != b[j - 1])});
            diagonal = above;
        }
    }
    return row[b.size()];
}

// A key and its value, as they stand in a mapping.
struct KeyedValue {
    YAML::Node key;
    YAML::Node value;
};

// The place of a value; a value left empty stands where its key does.
Place ValuePlace(const KeyedValue& keyed, const Errors& errors) {
    return errors.At(keyed.value.IsNull() ? keyed.key.Mark() : keyed.value.Mark());
}

// The text of a value; nothing for a mapping or a list. A value left empty ("key:", "~") is an
// empty text.
std::optional<std::string> TextOf(const YAML::Node& node) {
    if (node.IsScalar()) return node.Scalar();
    if (node.IsNull()) return std::string();
    return std::nullopt;
}

// The values of a mapping by key, each of `keys` once; a key not among them, and a key given a
// second time, is an error.
std::map<std::string_view, KeyedValue> KeyedValues(const YAML::Node& mapping,
                                                   std::span<const std::string_view> keys,
                                                   const std::string& field, Errors& errors) {
    std::map<std::string_view, KeyedValue> values;
    const auto inField = [&field](std::string_view key) {
        return field.empty() ? std::string(key) : field + "." + std::string(key);
    };
    for (const auto& pair : mapping) {
        const std::string name = pair.first.IsScalar() ? pair.first.Scalar() : std::string("?");
        const Place place = errors.At(pair.first.Mark());
        const auto known = std::find(keys.begin(), keys.end(), name);
        if (known == keys.end()) {
            std::string_view nearest;
            std::size_t distance = 3;  // no more than two edits away
            std::string all;
            for (const std::string_view key : keys) {
                all += (all.empty() ? "" : ", ") + std::string(key);
                // A name far longer than any key is no misspelling of one.
                if (name.size() > key.size() + distance) continue;
                const std::size_t edits = EditDistance(name, key);
                if (edits < distance) {
                    distance = edits;
                    nearest = key;
                }
            }
            if (!nearest.empty()) {
                errors.Add(place, field, SetupTextId::UnknownKeyNear, {name, std::string(nearest)});
            } else {
                errors.Add(place, field, SetupTextId::UnknownKey, {name, all});
            }
            continue;
        }
        const auto [at, inserted] = values.emplace(*known, KeyedValue{pair.first, pair.second});
        if (!inserted) {
            errors.Add(place, inField(*known), SetupTextId::KeyTwice,
                       {name, std::to_string(errors.At(at->second.key.Mark()).line)});
        }
    }
    return values;
}

// The text of a keyed value, or an error when it is a mapping or a list.
std::optional<std::string> ValueText(const KeyedValue& keyed, const std::string& field,
                                     Errors& errors) {
    std::optional<std::string> text = TextOf(keyed.value);
    if (!text) errors.Add(ValuePlace(keyed, errors), field, SetupTextId::NotAValue);
    return text;
}

// Whether a node holds a mapping; an empty value counts as one without keys.
bool IsMappingOrEmpty(const YAML::Node& node, Place place, const std::string& field,
                      Errors& errors) {
    if (node.IsMap() || node.IsNull()) return true;
    errors.Add(place, field, SetupTextId::NotASection);
    return false;
}

bool IsListOrEmpty(const YAML::Node& node, Place place, const std::string& field, Errors& errors) {
    if (node.IsSequence() || node.IsNull()) return true;
    errors.Add(place, field, SetupTextId::NotAList);
    return false;
}

class SetupReader {
  public:
    SetupReader(Language cells, Errors& errors, SetupTextRead& read)
        : cells_(cells), errors_(errors), read_(read), setup_(StartupSetup()) {}

    void Read(const YAML::Node& document) {
        if (!document.IsMap()) {
            errors_.Add(errors_.At(document.Mark()), {}, SetupTextId::NotASetup);
            return;
        }
        const std::vector<std::string_view> keys = DocumentKeys();
        const auto values = KeyedValues(document, keys, {}, errors_);
        if (!ReadFormat(values, errors_.At(document.Mark()))) return;
        const std::span<const Section> sections = Sections();
        for (const std::string_view key : keys) {
            if (key == kFormatKey) continue;
            const auto found = values.find(key);
            if (found == values.end()) {
                read_.missing.emplace_back(key);
                continue;
            }
            const KeyedValue& keyed = found->second;
            if (key == kBandKey) {
                ReadBand(keyed);
            } else if (key == kChannelsKey) {
                ReadChannels(keyed);
            } else if (key == kTestFrequenciesKey) {
                ReadTestFrequencies(keyed);
            } else {
                for (const Section& section : sections) {
                    if (section.key == key) ReadSection(section, keyed);
                }
            }
        }
    }

    DecodedSetup Done() && {
        DecodedSetup decoded{std::move(setup_), {}};
        // Taking the set-up over chooses the priority mode and channel, rules and all, as
        // opening a file does.
        decoded.choices.priorityMode = decoded.setup.Form5.Combo11;
        decoded.choices.priorityChannel = decoded.setup.Form5.Combo12;
        return decoded;
    }

  private:
    bool ReadFormat(const std::map<std::string_view, KeyedValue>& values, Place document) {
        const auto found = values.find(kFormatKey);
        if (found == values.end()) {
            errors_.Add(document, std::string(kFormatKey), SetupTextId::FormatMissing);
            return false;
        }
        const std::string field(kFormatKey);
        const std::optional<std::string> format = ValueText(found->second, field, errors_);
        if (!format) return false;
        if (*format != std::to_string(kSetupTextFormat)) {
            errors_.Add(ValuePlace(found->second, errors_), field, SetupTextId::FormatUnknown,
                        {*format});
            return false;
        }
        return true;
    }

    void ReadBand(const KeyedValue& keyed) {
        const std::string field(kBandKey);
        const std::optional<std::string> text = ValueText(keyed, field, errors_);
        if (!text) {
            bandKnown_ = false;
            return;
        }
        std::variant<int, SetupTextProblem> band = BandPosition(*text);
        if (auto* refused = std::get_if<SetupTextProblem>(&band)) {
            errors_.Add(ValuePlace(keyed, errors_), field, std::move(*refused));
            bandKnown_ = false;
            return;
        }
        setup_.Combo1 = setup_.BandIndex = std::get<int>(band);
    }

    void ReadSection(const Section& section, const KeyedValue& keyed) {
        const std::string field(section.key);
        if (!IsMappingOrEmpty(keyed.value, ValuePlace(keyed, errors_), field, errors_)) return;
        std::vector<std::string_view> keys;
        for (const Field& row : section.fields) keys.push_back(row.key);
        const auto values = KeyedValues(keyed.value, keys, field, errors_);
        for (const Field& row : section.fields) {
            const std::string name = field + "." + std::string(row.key);
            const auto found = values.find(row.key);
            if (found == values.end()) {
                read_.missing.push_back(name);
                continue;
            }
            const std::optional<std::string> text = ValueText(found->second, name, errors_);
            if (!text) continue;
            if (std::optional<SetupTextProblem> refused = TakeField(row, *text, &setup_)) {
                errors_.Add(ValuePlace(found->second, errors_), name, std::move(*refused));
            }
        }
    }

    // The value of an entry's key, or the error that it is missing.
    std::optional<std::pair<std::string, Place>> EntryText(
        const std::map<std::string_view, KeyedValue>& values, std::string_view key,
        const std::string& field, Place entry, bool needed) {
        const auto found = values.find(key);
        if (found == values.end()) {
            if (needed) errors_.Add(entry, field, SetupTextId::FieldMissing, {std::string(key)});
            return std::nullopt;
        }
        const std::string name = field + "." + std::string(key);
        std::optional<std::string> text = ValueText(found->second, name, errors_);
        if (!text) return std::nullopt;
        return std::pair(std::move(*text), ValuePlace(found->second, errors_));
    }

    // The entries of a list section, each a mapping of `keys`, with its place and values.
    template <typename EachEntry>
    void ReadEntries(const KeyedValue& keyed, std::string_view listKey,
                     std::span<const std::string_view> keys, EachEntry each) {
        const std::string field(listKey);
        if (!IsListOrEmpty(keyed.value, ValuePlace(keyed, errors_), field, errors_)) return;
        for (const YAML::Node& item : keyed.value) {
            const Place place = errors_.At(item.Mark());
            if (!IsMappingOrEmpty(item, place, field, errors_)) continue;
            each(place, KeyedValues(item, keys, field, errors_));
        }
    }

    void ReadChannels(const KeyedValue& keyed) {
        std::vector<std::string_view> keys = {kChannelKey};
        for (const ChannelKey& key : kChannelKeys) keys.push_back(key.key);
        std::array<int, kChannelCount + 1> lineOf{};
        ReadEntries(keyed, kChannelsKey, keys, [&](Place place, const auto& values) {
            const std::string list(kChannelsKey);
            const auto label = EntryText(values, kChannelKey, list, place, true);
            if (!label) return;
            const int row = ChannelOfLabel(label->first);
            if (row == 0) {
                errors_.Add(label->second, list + "." + std::string(kChannelKey),
                            SetupTextId::UnknownChannel, {label->first});
                return;
            }
            const std::string field = list + "[" + label->first + "]";
            if (lineOf[row] != 0) {
                errors_.Add(label->second, field, SetupTextId::ChannelTwice,
                            {label->first, std::to_string(lineOf[row])});
                return;
            }
            lineOf[row] = label->second.line;
            ReadChannel(row, field, place, values);
        });
    }

    void ReadChannel(int row, const std::string& field, Place place,
                     const std::map<std::string_view, KeyedValue>& values) {
        const std::size_t before = errors_.Count();
        // A channel typed into an empty row: what is not given is what typing its receive
        // frequency leaves.
        ChannelEntry entry;
        bool receiveGiven = false;
        bool transmitGiven = false;
        for (const ChannelKey& key : kChannelKeys) {
            const bool receive = key.column == kColRxFrequency;
            const auto text = EntryText(values, key.key, field, place, receive);
            if (!text) continue;
            std::variant<CellValue, SetupTextProblem> cell =
                ChannelCell(setup_, key.column, text->first);
            if (auto* refused = std::get_if<SetupTextProblem>(&cell)) {
                // A wrong band makes every frequency seem outside it: the band is the error.
                if (bandKnown_ || refused->id != SetupTextId::OutOfBand) {
                    errors_.Add(text->second, field + "." + std::string(key.key),
                                std::move(*refused));
                }
                continue;
            }
            CellValue& value = std::get<CellValue>(cell);
            const ToneEntry tone{value.position, value.text};
            switch (key.column) {
                case kColRxFrequency:
                    entry.receive = std::move(value.text);
                    receiveGiven = true;
                    break;
                case kColTxFrequency:
                    entry.transmit = std::move(value.text);
                    transmitGiven = true;
                    break;
                case kColRxTone:
                    entry.receiveTone = tone;
                    break;
                case kColTxTone:
                    entry.transmitTone = tone;
                    break;
                case kColPower:
                    entry.power = value.position;
                    break;
                case kColBusyLockout:
                    entry.busyLockout = value.position;
                    break;
                case kColBandwidth:
                    entry.bandwidth = value.position;
                    break;
                case kColScan:
                    entry.scan = value.position;
                    break;
                default:
                    break;
            }
        }
        if (errors_.Count() != before || !receiveGiven) return;
        if (!transmitGiven) entry.transmit = entry.receive;
        PlaceChannel(setup_, row, entry, cells_);
    }

    void ReadTestFrequencies(const KeyedValue& keyed) {
        const std::string_view keys[] = {kTestChannelKey, kTestRxKey, kTestTxKey};
        std::array<int, kTestChannels + 1> lineOf{};
        ReadEntries(keyed, kTestFrequenciesKey, keys, [&](Place place, const auto& values) {
            const std::string list(kTestFrequenciesKey);
            const auto number = EntryText(values, kTestChannelKey, list, place, true);
            if (!number) return;
            const int channel = TestChannelOfText(number->first);
            if (channel == 0) {
                errors_.Add(number->second, list + "." + std::string(kTestChannelKey),
                            SetupTextId::UnknownTestChannel, {number->first});
                return;
            }
            const std::string field = list + "[" + TestChannelText(channel) + "]";
            if (lineOf[channel] != 0) {
                errors_.Add(number->second, field, SetupTextId::TestChannelTwice,
                            {number->first, std::to_string(lineOf[channel])});
                return;
            }
            lineOf[channel] = number->second.line;
            const auto frequency = [&](std::string_view key, bool transmit,
                                       std::string& into) -> bool {
                const auto text = EntryText(values, key, field, place, !transmit);
                if (!text) return false;
                std::variant<std::string, SetupTextProblem> cell =
                    TestFrequency(text->first, transmit);
                if (auto* refused = std::get_if<SetupTextProblem>(&cell)) {
                    errors_.Add(text->second, field + "." + std::string(key), std::move(*refused));
                    return false;
                }
                into = std::get<std::string>(std::move(cell));
                return true;
            };
            std::string receive;
            std::string transmit;
            const bool receiveGiven = frequency(kTestRxKey, false, receive);
            // As in the window, the transmit frequency follows the receive frequency typed.
            if (!frequency(kTestTxKey, true, transmit) && values.find(kTestTxKey) == values.end()) {
                transmit = receive;
            }
            if (!receiveGiven) return;
            setup_.TestFrequencyTable[0][channel - 1] = receive;
            setup_.TestFrequencyTable[1][channel - 1] = transmit;
            ShowTestChannel(setup_, channel);
        });
    }

    Language cells_;
    Errors& errors_;
    SetupTextRead& read_;
    Setup setup_;
    bool bandKnown_ = true;
};

}  // namespace

SetupTextRead ReadSetupText(std::string_view text, Language cells) {
    SetupTextRead read;
    const TextPlaces places(text);
    Errors errors(places);
    if (std::optional<SetupTextProblem> refused = CheckTextBytes(text)) {
        errors.Add({refused->line, refused->column}, {}, std::move(*refused));
        std::move(errors).MoveInto(read);
        return read;
    }
    YamlDocument document = LoadOneDocument(text, places);
    if (document.problem) {
        errors.Add({document.problem->line, document.problem->column}, {},
                   std::move(*document.problem));
    } else {
        try {
            SetupReader reader(cells, errors, read);
            reader.Read(document.root);
            if (!errors.Any()) read.decoded = std::move(reader).Done();
        } catch (const YAML::Exception& e) {
            errors.Add(places.Of(e.mark), {}, SetupTextId::NotYaml, {e.msg});
        }
    }
    if (errors.Any()) {
        read.decoded.reset();
        read.missing.clear();
    }
    std::move(errors).MoveInto(read);
    return read;
}

}  // namespace qv
