// The writer: one fixed layout, line by line, so that the same set-up always gives the same bytes
// and a comment can stand beside the value it is about.
#include <variant>

#include "image/held_controls.h"
#include "rules/channels/grid_rules.h"
#include "rules/setup_text/setup_text.h"
#include "rules/setup_text/setup_text_fields.h"
#include "rules/setup_text/yaml_scalar.h"

namespace qv {
namespace {

using namespace setup_text;

constexpr std::string_view kHeader =
    "# QV-7100 programming tool: a set-up as text, format 1.\n"
    "# Keys are fixed; list values are the English item texts (the Chinese ones are read too).\n";

constexpr int kSectionIndent = 2;
constexpr int kEntryIndent = 4;  // the keys of a list entry, after "  - "

// The lines of the text, and the refused values among them.
class Layout {
  public:
    // "key: value" at `indent`; `refusal` says why reading would refuse the value.
    void Value(int indent, std::string_view key, const std::string& written, std::string field,
               std::optional<SetupTextProblem> refusal) {
        std::string line(static_cast<std::size_t>(indent), ' ');
        if (entryStarts_) {
            line.replace(line.size() - 2, 2, "- ");
            entryStarts_ = false;
        }
        line += key;
        line += ": ";
        const int column = static_cast<int>(line.size()) + 1;
        line += written;
        if (refusal) {
            CutQuotedValues(*refusal);
            refusal->line = line_;
            refusal->column = column;
            refusal->field = std::move(field);
            line += "  # " +
                    CommentText(SetupTextMessage(SetupTextId::RefusedComment, Language::English,
                                                 {DescribeValue(*refusal, Language::English)}));
            refused_.push_back(std::move(*refusal));
        }
        Line(line);
    }
    // "key:", a section or a list that follows on the next lines.
    void Key(std::string_view key) { Line(std::string(key) + ":"); }
    // "key: []", a list without entries.
    void EmptyList(std::string_view key) { Line(std::string(key) + ": []"); }
    // The next value starts an entry of a list ("  - ").
    void StartEntry() { entryStarts_ = true; }
    void Line(std::string_view line) {
        text_ += line;
        text_ += '\n';
        ++line_;
    }
    void Text(std::string_view lines) {
        for (const char c : lines) line_ += c == '\n' ? 1 : 0;
        text_ += lines;
    }

    WrittenSetupText Done() && { return {std::move(text_), std::move(refused_)}; }

  private:
    std::string text_;
    std::vector<SetupTextProblem> refused_;
    int line_ = 1;  // the line the next line is
    bool entryStarts_ = false;
};

// How a field's value is written: free texts always quoted, so that a number, a "#" or nothing
// reads as the text it is; a check box as YAML's own true or false.
std::string Written(const Field& field, const std::string& value) {
    if (field.rule == Rule::DtmfCode || field.rule == Rule::EmbeddedLine ||
        field.rule == Rule::HiddenText) {
        return QuotedScalar(value);
    }
    if (field.rule == Rule::Check && (value == "true" || value == "false")) return value;
    return Scalar(value);
}

void WriteSection(Layout& layout, const Section& section, const Setup& setup) {
    layout.Key(section.key);
    for (const Field& field : section.fields) {
        const std::string value = FieldText(setup, field);
        layout.Value(kSectionIndent, field.key, Written(field, value),
                     std::string(section.key) + "." + std::string(field.key),
                     TakeField(field, value, nullptr));
    }
}

template <typename T>
std::optional<SetupTextProblem> RefusalOf(const std::variant<T, SetupTextProblem>& checked) {
    if (const SetupTextProblem* refused = std::get_if<SetupTextProblem>(&checked)) return *refused;
    return std::nullopt;
}

void WriteChannels(Layout& layout, const Setup& setup) {
    bool any = false;
    for (int row = 1; row <= kChannelCount && !any; ++row) any = ChannelInUse(setup, row);
    if (!any) {
        layout.EmptyList(kChannelsKey);
        return;
    }
    layout.Key(kChannelsKey);
    for (int row = 1; row <= kChannelCount; ++row) {
        if (!ChannelInUse(setup, row)) continue;
        const std::string label = ChannelLabel(row);
        const std::string place = std::string(kChannelsKey) + "[" + label + "]";
        layout.StartEntry();
        layout.Value(kEntryIndent, kChannelKey, Scalar(label), place, std::nullopt);
        for (const ChannelKey& key : kChannelKeys) {
            const std::string value = ChannelText(setup, row, key.column);
            layout.Value(kEntryIndent, key.key, Scalar(value), place + "." + std::string(key.key),
                         RefusalOf(ChannelCell(setup, key.column, value)));
        }
    }
}

void WriteTestFrequencies(Layout& layout, const Setup& setup) {
    const auto& table = setup.TestFrequencyTable;
    bool any = false;
    for (int i = 0; i < kTestChannels && !any; ++i)
        any = !table[0][i].empty() || !table[1][i].empty();
    if (!any) {
        layout.EmptyList(kTestFrequenciesKey);
        return;
    }
    layout.Key(kTestFrequenciesKey);
    for (int i = 0; i < kTestChannels; ++i) {
        if (table[0][i].empty() && table[1][i].empty()) continue;
        const std::string number = TestChannelText(i + 1);
        const std::string place = std::string(kTestFrequenciesKey) + "[" + number + "]";
        layout.StartEntry();
        layout.Value(kEntryIndent, kTestChannelKey, Scalar(number), place, std::nullopt);
        layout.Value(kEntryIndent, kTestRxKey, Scalar(table[0][i]),
                     place + "." + std::string(kTestRxKey),
                     RefusalOf(TestFrequency(table[0][i], false)));
        layout.Value(kEntryIndent, kTestTxKey, Scalar(table[1][i]),
                     place + "." + std::string(kTestTxKey),
                     RefusalOf(TestFrequency(table[1][i], true)));
    }
}

}  // namespace

WrittenSetupText WriteSetupText(const Setup& setup) {
    Layout layout;
    layout.Text(kHeader);
    layout.Value(0, kFormatKey, std::to_string(kSetupTextFormat), std::string(kFormatKey),
                 std::nullopt);
    const std::string band = BandText(setup);
    layout.Value(0, kBandKey, Scalar(band), std::string(kBandKey), RefusalOf(BandPosition(band)));
    const std::span<const Section> sections = Sections();
    for (std::size_t k = 0; k < sections.size(); ++k) {
        if (k == kSectionsBeforeChannels) WriteChannels(layout, setup);
        if (k == kSectionsBeforeTestFrequencies) WriteTestFrequencies(layout, setup);
        WriteSection(layout, sections[k], setup);
    }
    return std::move(layout).Done();
}

}  // namespace qv
