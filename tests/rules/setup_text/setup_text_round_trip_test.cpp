// A set-up as text holds everything a *.DAT file holds: random set-ups the windows could have made
// go through the text and come back as the same image, and the same text.
#include <gtest/gtest.h>

#include "image/image_codec.h"
#include "rules/channels/grid_rules.h"
#include "rules/program/decode_image.h"
#include "rules/program/startup.h"
#include "rules/setup_text/setup_text.h"
#include "support/quiet_host.h"
#include "support/random_setup.h"

namespace qv {
namespace {

constexpr int kSetups = 300;

// What the text gives back, after checking that it was taken whole.
Setup ReadBack(const std::string& text, Language cells = Language::English) {
    const SetupTextRead read = ReadSetupText(text, cells);
    EXPECT_TRUE(read.errors.empty()) << Describe(read.errors.front(), Language::English) << "\n"
                                     << text;
    EXPECT_TRUE(read.missing.empty());
    return read.ok() ? read.decoded->setup : Setup{};
}

// What `resave` makes of an image: a freshly started tool opens it and saves it again.
ProgramState Opened(const ImageBytes& image) {
    test::QuietHost host;
    ProgramState state = StartupState(host, 1);
    DecodeImageBytes(image, state, host);
    return state;
}

TEST(SetupTextRoundTrip, TextToSetupToImageGivesWhatSaveGives) {
    test::RandomSetups setups(7);
    for (int k = 0; k < kSetups; ++k) {
        const qv::Setup setup = setups.Next();
        const WrittenSetupText written = WriteSetupText(setup);
        ASSERT_TRUE(written.refused.empty())
            << Describe(written.refused.front(), Language::English) << "\n"
            << written.text;
        const qv::Setup read = ReadBack(written.text);
        ASSERT_EQ(EncodeImage(read), EncodeImage(setup)) << written.text;
        // Stable: read and written again, byte for byte the same text.
        ASSERT_EQ(WriteSetupText(read).text, written.text);
    }
}

TEST(SetupTextRoundTrip, ImageToTextToImageGivesWhatResaveGives) {
    test::RandomSetups setups(11);
    for (int k = 0; k < kSetups; ++k) {
        const ProgramState opened = Opened(EncodeImage(setups.Next()));
        const WrittenSetupText written = WriteSetupText(opened);
        ASSERT_TRUE(written.refused.empty())
            << Describe(written.refused.front(), Language::English) << "\n"
            << written.text;
        ASSERT_EQ(EncodeImage(ReadBack(written.text)), EncodeImage(opened)) << written.text;
    }
}

TEST(SetupTextRoundTrip, EveryChannelAndTestChannelInUse) {
    test::RandomSetups setups(3, 1.0);
    const qv::Setup setup = setups.Next();
    const WrittenSetupText written = WriteSetupText(setup);
    ASSERT_TRUE(written.refused.empty());
    EXPECT_EQ(EncodeImage(ReadBack(written.text)), EncodeImage(setup));
}

TEST(SetupTextRoundTrip, TheSameSetupInEitherLanguageIsTheSameText) {
    test::RandomSetups setups(5);
    qv::Setup setup = setups.Next();
    const std::string chinese =
        (SetGrid1Text(setup, Language::Chinese), WriteSetupText(setup).text);
    const std::string english =
        (SetGrid1Text(setup, Language::English), WriteSetupText(setup).text);
    EXPECT_EQ(chinese, english);
    // Read into either language, it is still the same set-up.
    EXPECT_EQ(EncodeImage(ReadBack(english, Language::Chinese)),
              EncodeImage(ReadBack(english, Language::English)));
}

TEST(SetupTextRoundTrip, ANewSetupReadsAsTheStartupValues) {
    const qv::Setup fresh = StartupSetup();
    const std::string text = WriteSetupText(fresh).text;
    EXPECT_EQ(EncodeImage(ReadBack(text)), EncodeImage(fresh));
    // Only the format and nothing else: every section is missing and keeps these values.
    const SetupTextRead bare = ReadSetupText("format: 1\n", Language::English);
    ASSERT_TRUE(bare.ok());
    EXPECT_EQ(EncodeImage(bare.decoded->setup), EncodeImage(fresh));
    EXPECT_EQ(bare.missing,
              (std::vector<std::string>{"band", "function_settings", "channels",
                                        "optional_functions", "dtmf", "keys", "test_frequencies",
                                        "embedded_info", "calibration", "hidden_texts"}));
}

}  // namespace
}  // namespace qv
