// Reading a set-up as text with care: every wrong value, key and byte is refused with its line,
// column and field, and a text with any error gives no set-up at all.
#include <gtest/gtest.h>

#include <set>
#include <utility>

#include "image/text.h"
#include "rules/program/startup.h"
#include "rules/setup_text/setup_text.h"
#include "state/option_entries.h"

namespace qv {
namespace {

constexpr std::string_view kSample =
    "format: 1\n"
    "band: 400-470MHz\n"
    "function_settings:\n"
    "  time_out: 30 S\n"
    "channels:\n"
    "  - channel: G1-01\n"
    "    rx: 435.12500\n"
    "    rx_tone: 67.0\n"
    "    tx: 435.12500\n"
    "    tx_tone: D023N\n"
    "    power: Hight\n"
    "    busy_lock: \"Off\"\n"
    "    bandwidth: Wide\n"
    "    scan: Have\n"
    "  - channel: G1-02\n"
    "    rx: 436.00625\n"
    "optional_functions:\n"
    "  cancel_operation: true\n"
    "  scan_receive_delay: 5\n"
    "dtmf:\n"
    "  code_1: \"*0#\"\n"
    "keys:\n"
    "  pf1_long: Alarm\n"
    "test_frequencies:\n"
    "  - test_channel: 01\n"
    "    rx: 435.00000\n"
    "embedded_info:\n"
    "  line_1: \"Shop\"\n"
    "calibration:\n"
    "  high_power: 200\n";

// Line and column (from 1, in characters) of the first `marker` in `text`.
std::pair<int, int> PlaceOf(std::string_view text, std::string_view marker) {
    const std::size_t at = text.find(marker);
    EXPECT_NE(at, std::string_view::npos) << marker;
    const std::string_view before = text.substr(0, at);
    const std::size_t lineStart = before.rfind('\n') + 1;  // npos + 1 is 0
    const int line = 1 + static_cast<int>(std::count(before.begin(), before.end(), '\n'));
    return {line, 1 + static_cast<int>(CharCount(before.substr(lineStart)))};
}

TEST(SetupTextBadFiles, TheSampleReads) {
    const SetupTextRead read = ReadSetupText(kSample, Language::English);
    ASSERT_TRUE(read.ok()) << Describe(read.errors.front(), Language::English);
    EXPECT_EQ(read.decoded->setup.Grid1[2][kColTxFrequency], "436.00625");
    EXPECT_EQ(read.decoded->setup.OptionText[option_text::kScanReceiveDelay], "5");
}

struct BadFile {
    const char* name;
    std::string_view replace;  // in the sample, its first occurrence
    std::string_view with;
    std::string_view at;  // where the error points, its first occurrence in the edited text
    std::string field;
    SetupTextId id;
};

TEST(SetupTextBadFiles, EachIsRefusedWithItsPlaceAndNothingIsTaken) {
    const BadFile cases[] = {
        {"a list value", "power: Hight", "power: Hi", "Hi", "channels[G1-01].power",
         SetupTextId::NotAnItem},
        {"a misspelt key", "power: Hight", "pwoer: Hight", "pwoer", "channels",
         SetupTextId::UnknownKeyNear},
        {"an unknown section", "keys:", "colours: red\nkeys:", "colours", "",
         SetupTextId::UnknownKey},
        {"a tab in the indentation", "  time_out", "\ttime_out", "\t", "",
         SetupTextId::TabIndentation},
        {"a channel twice", "channel: G1-02", "channel: G1-01", "G1-01\n    rx: 436",
         "channels[G1-01]", SetupTextId::ChannelTwice},
        {"a key twice", "    rx: 436.00625\n", "    rx: 436.00625\n    rx: 437.00000\n", "rx: 437",
         "channels.rx", SetupTextId::KeyTwice},
        {"a value of another band", "436.00625", "480.00000", "480.00000", "channels[G1-02].rx",
         SetupTextId::OutOfBand},
        {"an invalid UTF-8 byte", "\"Shop\"", "\"Sh\xFFop\"", "\xFF", "", SetupTextId::NotUtf8},
        {"a frequency off the raster", "436.00625", "436.00700", "436.00700", "channels[G1-02].rx",
         SetupTextId::OffRaster},
        {"more decimals than the grid keeps", "436.00625", "436.006251", "436.006251",
         "channels[G1-02].rx", SetupTextId::OffRaster},
        {"not a frequency", "436.00625", "43x.1", "43x.1", "channels[G1-02].rx",
         SetupTextId::NotAFrequency},
        {"an empty frequency", "    rx: 436.00625\n", "    rx: 436.00625\n    tx: \"\"\n", "\"\"",
         "channels[G1-02].tx", SetupTextId::FrequencyEmpty},
        {"a tone above the list", "rx_tone: 67.0", "rx_tone: 300.0", "300.0",
         "channels[G1-01].rx_tone", SetupTextId::NotATone},
        {"a tone with two decimals", "rx_tone: 67.0", "rx_tone: 88.55", "88.55",
         "channels[G1-01].rx_tone", SetupTextId::NotATone},
        {"a DCS code the radio lacks", "D023N", "D024N", "D024N", "channels[G1-01].tx_tone",
         SetupTextId::NotATone},
        {"a DTMF code with a letter the radio lacks", "\"*0#\"", "\"*0#E\"", "\"*0#E\"",
         "dtmf.code_1", SetupTextId::NotDtmf},
        {"a DTMF code in lower case", "\"*0#\"", "\"*0#a\"", "\"*0#a\"", "dtmf.code_1",
         SetupTextId::NotDtmf},
        {"a DTMF code too long", "\"*0#\"", "\"12345678901234567\"", "\"1234", "dtmf.code_1",
         SetupTextId::TooLong},
        {"an embedded line too long", "\"Shop\"", "\"123456789012345678901234567890123\"", "\"1234",
         "embedded_info.line_1", SetupTextId::TooLong},
        {"a character the radio cannot keep", "\"Shop\"", "\"Shop 中\"", "\"Shop 中\"",
         "embedded_info.line_1", SetupTextId::CharactersNotStored},
        {"a level past its limit", "high_power: 200", "high_power: 256", "256",
         "calibration.high_power", SetupTextId::NotAWholeNumber},
        {"a delay past its limit", "scan_receive_delay: 5", "scan_receive_delay: 301", "301",
         "optional_functions.scan_receive_delay", SetupTextId::NotAWholeNumber},
        {"a check box neither true nor false", "cancel_operation: true", "cancel_operation: maybe",
         "maybe", "optional_functions.cancel_operation", SetupTextId::NotTrueOrFalse},
        {"a short press given a long-press function", "pf1_long: Alarm", "pf1_short: Alarm",
         "Alarm", "keys.pf1_short", SetupTextId::NotAnItem},
        {"no format", "format: 1\n", "", "band", "format", SetupTextId::FormatMissing},
        {"a later format", "format: 1", "format: 2", "2", "format", SetupTextId::FormatUnknown},
        {"a second document", "  high_power: 200\n", "  high_power: 200\n---\nband: x\n", "---", "",
         SetupTextId::SecondDocument},
        // yaml-cpp would read empty documents there for ever.
        {"a comma that begins a value", "format: 1\n", ",\nformat: 1\n", ",", "",
         SetupTextId::StrayComma},
        {"a comma after the document", "format: 1\n", "{format: 1}\n,\n", ",", "",
         SetupTextId::StrayComma},
        // yaml-cpp finds the list unclosed where the next section begins.
        {"not YAML", "scan_receive_delay: 5", "scan_receive_delay: [5", ":\n  code_1", "",
         SetupTextId::NotYaml},
        {"a list where a value belongs", "high_power: 200", "high_power: [1, 2]", "[1, 2]",
         "calibration.high_power", SetupTextId::NotAValue},
        {"a value where a section belongs", "calibration:\n  high_power: 200\n",
         "calibration: 200\n", "200", "calibration", SetupTextId::NotASection},
        {"a section where a list belongs",
         "test_frequencies:\n  - test_channel: 01\n    rx: 435.00000\n",
         "test_frequencies:\n  test_channel: 01\n", "test_channel", "test_frequencies",
         SetupTextId::NotAList},
        {"a channel that does not exist", "G1-02", "G4-01", "G4-01", "channels.channel",
         SetupTextId::UnknownChannel},
        {"a channel without a receive frequency", "  - channel: G1-02\n    rx: 436.00625\n",
         "  - channel: G1-02\n    power: Low\n", "channel: G1-02", "channels[G1-02]",
         SetupTextId::FieldMissing},
        {"a test channel that does not exist", "test_channel: 01", "test_channel: 17", "17",
         "test_frequencies.test_channel", SetupTextId::UnknownTestChannel},
        {"a test frequency the image cannot hold", "rx: 435.00000", "rx: 1000.00000", "1000.00000",
         "test_frequencies[01].rx", SetupTextId::TestFrequencyOutOfField},
        // A wrong band is the one error: the channels are not also outside it.
        {"a band the radio lacks", "band: 400-470MHz", "band: 400-480MHz", "400-480MHz", "band",
         SetupTextId::NotAnItem},
    };
    for (const BadFile& c : cases) {
        std::string text(kSample);
        const std::size_t at = text.find(c.replace);
        ASSERT_NE(at, std::string::npos) << c.name;
        text.replace(at, c.replace.size(), c.with);
        const SetupTextRead read = ReadSetupText(text, Language::English);
        EXPECT_FALSE(read.decoded.has_value()) << c.name << ": nothing is taken";
        EXPECT_TRUE(read.missing.empty()) << c.name;
        ASSERT_EQ(read.errors.size(), 1u)
            << c.name << ": "
            << (read.errors.empty()
                    ? ""
                    : Describe(read.errors[1 % read.errors.size()], Language::English));
        const SetupTextProblem& error = read.errors.front();
        const auto [line, column] = PlaceOf(text, c.at);
        EXPECT_EQ(error.line, line) << c.name << ": " << Describe(error, Language::English);
        if (c.id != SetupTextId::FormatMissing) {
            EXPECT_EQ(error.column, column) << c.name << ": " << Describe(error, Language::English);
        }
        EXPECT_EQ(error.field, c.field) << c.name;
        EXPECT_EQ(error.id, c.id) << c.name << ": " << Describe(error, Language::English);
    }
}

TEST(SetupTextBadFiles, TheMessagesNameFieldValueAndWhatIsAllowedInEitherLanguage) {
    const auto error = [](std::string_view replace, const std::string& with) {
        std::string text(kSample);
        text.replace(text.find(replace), replace.size(), with);
        const SetupTextRead read = ReadSetupText(text, Language::English);
        EXPECT_EQ(read.errors.size(), 1u);
        return read.errors.empty() ? SetupTextProblem{} : read.errors.front();
    };
    const SetupTextProblem power = error("power: Hight", "power: Hi");
    EXPECT_EQ(Describe(power, Language::English),
              "channels[G1-01].power: \"Hi\" is not an item of its list: Low, Hight");
    EXPECT_EQ(Describe(power, Language::Chinese),
              "channels[G1-01].power：“Hi”不是该列表的选项：低, 高");
    EXPECT_EQ(DescribePlace(power, Language::English), "line 11, column 12");
    EXPECT_EQ(DescribePlace(power, Language::Chinese), "第 11 行第 12 列");
    EXPECT_EQ(Describe(error("436.00625", "480.00000"), Language::English),
              "channels[G1-02].rx: 480.00000 is outside the band 400-470MHz (from 400 MHz up to, "
              "not including, 470 MHz)");
    EXPECT_EQ(Describe(error("time_out: 30 S", "time_out: 31 S"), Language::English),
              "function_settings.time_out: \"31 S\" is not an item of its list: 15 S, 30 S, 45 S, "
              "…, 570 S, 585 S, 600 S");
    EXPECT_EQ(Describe(error("power: Hight", "pwoer: Hight"), Language::English),
              "channels: unknown key \"pwoer\": did you mean \"power\"?");
    EXPECT_EQ(Describe(error("  - channel: G1-02", "  - colour: red\n    channel: G1-02"),
                       Language::English),
              "channels: unknown key \"colour\"; the keys here are: channel, rx, rx_tone, tx, "
              "tx_tone, power, busy_lock, bandwidth, scan");
    // A long value is named, not repeated.
    EXPECT_EQ(
        Describe(error("power: Hight", "power: " + std::string(5000, 'x')), Language::English),
        "channels[G1-01].power: \"" + std::string(60, 'x') +
            "…\" is not an item of its list: Low, Hight");
    EXPECT_EQ(Describe(error("scan_receive_delay: 5", "scan_receive_delay: [5"), Language::Chinese),
              "不是有效的 YAML：缺少与 [ 对应的 ]");
}

TEST(SetupTextBadFiles, ChineseItemsAreReadTooAndAMissingKeyIsReported) {
    std::string text(kSample);
    text.replace(text.find("power: Hight"), 12, "power: 低");
    text.replace(text.find("busy_lock: \"Off\""), 16, "busy_lock: 载波");
    const SetupTextRead read = ReadSetupText(text, Language::English);
    ASSERT_TRUE(read.ok());
    EXPECT_EQ(read.decoded->setup.Grid1[1][kColPower], "Low");
    EXPECT_EQ(read.decoded->setup.Grid1[1][kColBusyLockout], "Carrow");
    EXPECT_EQ(read.missing.front(), "function_settings.voice_prompts");
    EXPECT_NE(std::find(read.missing.begin(), read.missing.end(), "hidden_texts"),
              read.missing.end());
    // A channel given only its receive frequency is one typed into an empty row.
    const qv::Setup& setup = read.decoded->setup;
    EXPECT_EQ(std::vector<std::string>(setup.Grid1[2].begin() + 1, setup.Grid1[2].end()),
              (std::vector<std::string>{"436.00625", "Off", "436.00625", "Off", "Hight", "Off",
                                        "Wide", "Have"}));
}

TEST(SetupTextBadFiles, EveryErrorIsNamedInTheOrderOfTheFile) {
    std::string text(kSample);
    text.replace(text.find("high_power: 200"), 15, "high_power: 999");
    text.replace(text.find("power: Hight"), 12, "power: Hi");
    text.replace(text.find("436.00625"), 9, "480");
    const SetupTextRead read = ReadSetupText(text, Language::English);
    ASSERT_EQ(read.errors.size(), 3u);
    EXPECT_EQ(read.errors[0].field, "channels[G1-01].power");
    EXPECT_EQ(read.errors[1].field, "channels[G1-02].rx");
    EXPECT_EQ(read.errors[2].field, "calibration.high_power");
}

TEST(SetupTextBadFiles, AFileTooLargeIsRefusedBeforeItIsParsed) {
    const std::string text = std::string(kSample) + std::string(kLargestSetupTextBytes, '#');
    const SetupTextRead read = ReadSetupText(text, Language::English);
    ASSERT_EQ(read.errors.size(), 1u);
    EXPECT_EQ(read.errors[0].id, SetupTextId::FileTooLarge);
    EXPECT_EQ(read.errors[0].line, 0);
}

TEST(SetupTextBadFiles, ManyErrorsAreCountedBeyondThoseKept) {
    std::string text = "format: 1\n";
    for (std::size_t k = 0; k < 3 * kMostErrorsKept; ++k) text += "x" + std::to_string(k) + ": 1\n";
    const SetupTextRead read = ReadSetupText(text, Language::English);
    EXPECT_EQ(read.errors.size(), kMostErrorsKept);
    EXPECT_EQ(read.moreErrors, 2 * kMostErrorsKept);
    EXPECT_EQ(read.errors.front().line, 2);
}

// A set-up opened from a file of another tool may hold what the windows refuse: the text says so
// beside each such value, and reading it back refuses exactly those.
TEST(SetupTextBadFiles, ValuesTheWindowsRefuseAreWrittenWithACommentAndReadAsErrors) {
    qv::Setup foreign = StartupSetup();
    foreign.Grid1[1] = {"G1-01", "471.12500", "D23N", "435.12600", "6553.5",
                        "High",  "Off",       "Wide", "Have"};
    foreign.Grid1[2] = {"G1-02", "4A3.12500", "关闭", "", "", "高", "关闭", "宽带", "有"};
    foreign.Combo3 = kNoSelection;
    foreign.OptionValue[option_value::kFirstDigitDelayMs] = 110;
    foreign.DtmfCodes[0] = "12E";
    foreign.EmbeddedInfo[1] = std::string(40, 'x');
    foreign.TestFrequencyTable[1][4] = "435.00100";
    const WrittenSetupText written = WriteSetupText(foreign);
    std::set<std::pair<int, std::string>> refused;
    for (const SetupTextProblem& problem : written.refused) {
        refused.emplace(problem.line, problem.field);
    }
    EXPECT_EQ(refused, (std::set<std::pair<int, std::string>>{
                           {7, "function_settings.time_out"},
                           {14, "channels[G1-01].rx"},
                           {15, "channels[G1-01].rx_tone"},
                           {16, "channels[G1-01].tx"},
                           {17, "channels[G1-01].tx_tone"},
                           {23, "channels[G1-02].rx"},
                           {25, "channels[G1-02].tx"},
                           {53, "dtmf.first_digit_delay"},
                           {59, "dtmf.code_1"},
                           {80, "test_frequencies[05].rx"},
                           {81, "test_frequencies[05].tx"},
                           {84, "embedded_info.line_2"},
                       }))
        << written.text;
    std::set<std::pair<int, std::string>> errors;
    for (const SetupTextProblem& error : ReadSetupText(written.text, Language::English).errors) {
        errors.emplace(error.line, error.field);
    }
    EXPECT_EQ(errors, refused);
    // Each such line says why.
    std::vector<std::string> lines;
    for (std::size_t start = 0, end; start < written.text.size(); start = end + 1) {
        end = written.text.find('\n', start);
        lines.push_back(written.text.substr(start, end - start));
    }
    for (const SetupTextProblem& problem : written.refused) {
        EXPECT_NE(lines[problem.line - 1].find("  # refused on reading: "), std::string::npos)
            << lines[problem.line - 1];
    }
    EXPECT_EQ(lines[13],
              "    rx: 471.12500  # refused on reading: 471.12500 is outside the band 400-470MHz "
              "(from 400 MHz up to, not including, 470 MHz)");
}

}  // namespace
}  // namespace qv
