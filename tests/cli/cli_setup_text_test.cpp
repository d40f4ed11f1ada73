// qv7100-cli with set-ups as text: convert, show --yaml, and every command that takes a set-up
// file taking a *.yaml as well, run as a user runs them.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "cli_fixture.h"
#include "image/image_codec.h"
#include "rules/compare/setup_compare.h"
#include "rules/program/dat_file.h"
#include "rules/program/startup.h"
#include "rules/setup_text/setup_text.h"
#include "sim/pty_server.h"
#include "sim/radio_shelf.h"
#include "support/random_setup.h"
#include "support/scripted_host.h"

namespace qv {
namespace {

namespace fs = std::filesystem;

using test::Contains;
using Result = test::CliResult;

class CliSetupText : public test::CliProcess {
  protected:
    // A *.DAT of a set-up the windows could have made, and its image.
    fs::path DatFile(const std::string& name, std::uint32_t seed, ImageBytes* image = nullptr) {
        const ImageBytes bytes = EncodeImage(test::RandomSetups(seed).Next());
        std::ofstream(dir / name, std::ios::binary)
            << kDatSignature << std::string(bytes.begin(), bytes.end());
        if (image != nullptr) *image = bytes;
        return dir / name;
    }
    fs::path TextFile(const std::string& name, const std::string& text) {
        std::ofstream(dir / name, std::ios::binary) << text;
        return dir / name;
    }
    std::string Arg(const fs::path& path) { return path.string(); }
};

TEST_F(CliSetupText, ConvertBothWaysGivesWhatResaveGives) {
    for (std::uint32_t seed = 1; seed <= 5; ++seed) {
        const fs::path dat = DatFile("shop.DAT", seed);
        ASSERT_EQ(Run("resave " + Arg(dat) + " " + Arg(dir / "resaved.DAT")).exitCode, 0);
        const Result toText = Run("convert " + Arg(dat) + " " + Arg(dir / "shop.yaml"));
        ASSERT_EQ(toText.exitCode, 0) << toText.err;
        EXPECT_EQ(toText.out, "Converted " + Arg(dat) + " into " + Arg(dir / "shop.yaml") + "\n");
        const Result back = Run("convert " + Arg(dir / "shop.yaml") + " " + Arg(dir / "back.DAT"));
        ASSERT_EQ(back.exitCode, 0) << back.err;
        EXPECT_EQ(Read(dir / "back.DAT"), Read(dir / "resaved.DAT")) << seed;
        // Stable: the text converted to text again is the same, byte for byte, and so is what
        // show --yaml prints.
        ASSERT_EQ(Run("convert " + Arg(dir / "shop.yaml") + " " + Arg(dir / "again.yml")).exitCode,
                  0);
        EXPECT_EQ(Read(dir / "again.yml"), Read(dir / "shop.yaml"));
        EXPECT_EQ(Run("show --yaml " + Arg(dat)).out, Read(dir / "shop.yaml"));
    }
}

TEST_F(CliSetupText, ABadTextIsRefusedWithItsLinesAndNothingIsWritten) {
    const fs::path text = TextFile("bad.yaml",
                                   "format: 1\n"
                                   "band: 400-470MHz\n"
                                   "channels:\n"
                                   "  - channel: G1-01\n"
                                   "    rx: 480.00000\n"
                                   "    pwoer: Low\n");
    for (const std::string& command :
         {"convert " + Arg(text) + " " + Arg(dir / "out.DAT"),
          "resave " + Arg(text) + " " + Arg(dir / "out.DAT"),
          "import-csv " + Arg(text) + " " + Arg(TextFile("plan.csv", "Frequency,Mode\n")) + " " +
              Arg(dir / "out.DAT")}) {
        const Result result = Run(command);
        EXPECT_EQ(result.exitCode, 1) << command;
        EXPECT_EQ(result.err,
                  "qv7100-cli: " + Arg(text) +
                      ":5:9: channels[G1-01].rx: 480.00000 is outside the band 400-470MHz (from "
                      "400 MHz up to, not including, 470 MHz)\n"
                      "qv7100-cli: " +
                      Arg(text) +
                      ":6:5: channels: unknown key \"pwoer\": did you mean \"power\"?\n"
                      "qv7100-cli: " +
                      Arg(text) +
                      " cannot be opened: 2 errors were found, and nothing was changed.\n")
            << command;
        EXPECT_FALSE(fs::exists(dir / "out.DAT")) << command;
    }
    // diff tells a side that could not be read by its own status.
    EXPECT_EQ(Run("diff " + Arg(text) + " " + Arg(DatFile("a.DAT", 1))).exitCode, 3);
}

TEST_F(CliSetupText, ValuesTheWindowsRefuseAreWrittenWithCommentsAndFailTheConversion) {
    // A file of another tool: channel 1 above the band it names.
    test::ScriptedHost host;
    ProgramState state = StartupState(host, 1);
    state.Grid1[1] = {"G1-01", "471.12500", "Off",  "471.12500", "Off",
                      "Hight", "Off",       "Wide", "Have"};
    const ImageBytes image = EncodeImage(state);
    std::ofstream(dir / "foreign.DAT", std::ios::binary)
        << kDatSignature << std::string(image.begin(), image.end());
    const Result result = Run("convert " + Arg(dir / "foreign.DAT") + " " + Arg(dir / "f.yaml"));
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(result.out,
              "Converted " + Arg(dir / "foreign.DAT") + " into " + Arg(dir / "f.yaml") + "\n");
    EXPECT_TRUE(Contains(result.err,
                         "f.yaml was saved, but 2 values in it are ones the windows "
                         "refuse"))
        << result.err;
    EXPECT_TRUE(Contains(result.err, "f.yaml:14:9: channels[G1-01].rx: 471.12500 is outside"))
        << result.err;
    EXPECT_TRUE(Contains(result.err, "f.yaml:16:9: channels[G1-01].tx: 471.12500 is outside"))
        << result.err;
    EXPECT_TRUE(Contains(Read(dir / "f.yaml"), "    rx: 471.12500  # refused on reading: "));
    // show --yaml prints the same text: the comments say it.
    const Result shown = Run("show --yaml " + Arg(dir / "foreign.DAT"));
    EXPECT_EQ(shown.exitCode, 0);
    EXPECT_EQ(shown.out, Read(dir / "f.yaml"));
    EXPECT_EQ(Run("convert " + Arg(dir / "f.yaml") + " " + Arg(dir / "back.DAT")).exitCode, 1);
    EXPECT_FALSE(fs::exists(dir / "back.DAT"));
}

TEST_F(CliSetupText, TheKindsAreTheNamesAndAnUnknownNameIsAUsageError) {
    const fs::path dat = DatFile("shop.DAT", 2);
    const Result unknown = Run("convert " + Arg(dat) + " " + Arg(dir / "shop.txt"));
    EXPECT_EQ(unknown.exitCode, 2);
    EXPECT_TRUE(Contains(unknown.err, "is neither a *.DAT file nor a set-up as text"))
        << unknown.err;
    EXPECT_FALSE(fs::exists(dir / "shop.txt"));
    // In any case of the extension.
    EXPECT_EQ(Run("convert " + Arg(dat) + " " + Arg(dir / "shop.YML")).exitCode, 0);
    EXPECT_TRUE(Contains(Read(dir / "shop.YML"), "format: 1\n"));
    // A text named .DAT is no memory image.
    ASSERT_EQ(Run("convert " + Arg(dat) + " " + Arg(dir / "text.yaml")).exitCode, 0);
    fs::copy_file(dir / "text.yaml", dir / "text.DAT");
    const Result misnamed = Run("show " + Arg(dir / "text.DAT"));
    EXPECT_EQ(misnamed.exitCode, 1);
    EXPECT_TRUE(Contains(misnamed.err, "Document type not to open.")) << misnamed.err;
    // An output that is the input is refused as for every command.
    EXPECT_EQ(Run("convert " + Arg(dir / "text.yaml") + " " + Arg(dir / "text.yaml")).exitCode, 1);
}

TEST_F(CliSetupText, AMissingSectionIsNotedAndKeepsTheValuesOfANewSetup) {
    const fs::path text = TextFile("bare.yaml", "format: 1\nband: 600-620MHz\nkeys: {}\n");
    const Result result = Run("convert " + Arg(text) + " " + Arg(dir / "bare.DAT"));
    ASSERT_EQ(result.exitCode, 0) << result.err;
    EXPECT_TRUE(Contains(result.err, "qv7100-cli: note: " + Arg(text) +
                                         ": not in the file, kept as in a new set-up: "
                                         "function_settings, channels, optional_functions, dtmf, "
                                         "keys.pf1_long, keys.pf1_short,"))
        << result.err;
    test::ScriptedHost host;
    ProgramState fresh = StartupState(host, 1);
    fresh.Combo1 = fresh.BandIndex = 5;
    const ImageBytes image = EncodeImage(fresh);
    EXPECT_EQ(Read(dir / "bare.DAT"),
              std::string(kDatSignature) + std::string(image.begin(), image.end()));
}

TEST_F(CliSetupText, EveryCommandThatTakesASetupTakesAText) {
    ImageBytes image{};
    const fs::path dat = DatFile("shop.DAT", 3, &image);
    ASSERT_EQ(Run("convert " + Arg(dat) + " " + Arg(dir / "shop.yaml")).exitCode, 0);
    const fs::path text = dir / "shop.yaml";
    // new, resave, show, diff, import-csv and export-csv.
    ASSERT_EQ(Run("new " + Arg(dir / "new.yaml")).exitCode, 0);
    test::ScriptedHost host;
    EXPECT_EQ(Read(dir / "new.yaml"), WriteSetupText(StartupState(host, 1)).text);
    EXPECT_EQ(Run("resave " + Arg(text) + " " + Arg(dir / "re.DAT")).exitCode, 0);
    // The same report after its first line, which names the file.
    const auto report = [this](const fs::path& file) {
        const std::string out = Run("show " + Arg(file)).out;
        return out.substr(out.find('\n'));
    };
    EXPECT_EQ(report(text), report(dat));
    const Result same = Run("diff " + Arg(text) + " " + Arg(dat));
    EXPECT_EQ(same.exitCode, 0) << same.err;
    EXPECT_EQ(Run("diff " + Arg(text) + " " + Arg(dir / "new.yaml")).exitCode, 1);
    ASSERT_EQ(Run("export-csv " + Arg(text) + " " + Arg(dir / "plan.csv")).exitCode, 0);
    const Result imported =
        Run("import-csv " + Arg(dir / "new.yaml") + " " +
            Arg(TextFile("two.csv", "Location,Frequency,Mode\n1,435.000,FM\n7,436.125,NFM\n")) +
            " " + Arg(dir / "imported.yaml") + " --at-location");
    EXPECT_EQ(imported.exitCode, 0) << imported.err;
    EXPECT_TRUE(Contains(Read(dir / "imported.yaml"),
                         "channels:\n  - channel: G1-01\n    rx: 435.00000\n"));
    EXPECT_TRUE(Contains(Read(dir / "imported.yaml"), "  - channel: G1-07\n    rx: 436.12500\n"));

    // read and write through the virtual radio; simulate --image takes a text too.
    PtyServer radio(VirtualRadio(image, 0, RadioFault{}), false);
    ASSERT_TRUE(radio.Start(nullptr));
    const Result read = Run("read --port " + radio.DevicePath() + " " + Arg(dir / "read.yaml"));
    ASSERT_EQ(read.exitCode, 0) << read.err;
    EXPECT_EQ(Run("diff " + Arg(dir / "read.yaml") + " " + Arg(dat)).exitCode, 0);
    const Result written =
        Run("write --yes --port " + radio.DevicePath() + " " + Arg(dir / "new.yaml"));
    EXPECT_EQ(written.exitCode, 0) << written.err;
    const Result compared = Run("diff --port " + radio.DevicePath() + " " + Arg(dir / "new.yaml"));
    EXPECT_EQ(compared.exitCode, 0) << compared.out << compared.err;
    radio.Stop();
}

// The station writes a set-up as text into each radio that comes, as it writes a *.DAT.
TEST_F(CliSetupText, TheStationWritesATextIntoTheRadiosThatCome) {
    ImageBytes image{};
    const fs::path dat = DatFile("shop.DAT", 4, &image);
    ASSERT_EQ(Run("convert " + Arg(dat) + " " + Arg(dir / "shop.yaml")).exitCode, 0);
    std::vector<VirtualRadio> radios;
    radios.emplace_back(EncodeImage(test::RandomSetups(9).Next()), BandOfImage(image));
    constexpr ShelfTime kSecond = 1'000'000'000;
    PtyServer shelf(RadioShelf(std::move(radios), {.present = kSecond, .gap = 2 * kSecond}), false);
    ASSERT_TRUE(shelf.Start(nullptr));
    const Result result =
        Run("station " + Arg(dir / "shop.yaml") + " --port " + shelf.DevicePath() +
            " --count 1 --yes --no-backup --log " + Arg(dir / "log.csv"));
    shelf.Stop();
    EXPECT_EQ(result.exitCode, 0) << result.out << result.err;
    const std::vector<ShelfRadioRecord> written = shelf.ShelfSnapshot();
    ASSERT_EQ(written.size(), 1u);
    EXPECT_EQ(written[0].record.blocksWritten.size(), 88u);
    // What the radio holds after the write is what the *.DAT of the same set-up would have put
    // there: every block a write sends, the calibration block excepted.
    const auto held = written[0].record.ImagePart();
    for (std::size_t at = 0; at < 0x170; ++at) ASSERT_EQ(held[at], image[at]) << at;
}

}  // namespace
}  // namespace qv
