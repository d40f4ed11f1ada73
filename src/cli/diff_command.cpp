// diff: two set-ups compared field by field, each a set-up file (*.DAT or text) or a radio read
// for it.
#include <string>
#include <vector>

#include "cli/commands.h"
#include "cli/link_session.h"
#include "cli/setup_files.h"
#include "cli/standard_output.h"
#include "rules/compare/setup_compare.h"

namespace qv::cli {
namespace {

constexpr Language kEnglish = Language::English;

// The exit statuses of diff beside 0 (the same) and 2 (a usage error, told by the parser's way).
constexpr int kDifferent = 1;
constexpr int kSideNotRead = 3;  // a file that could not be opened, a radio that could not be read

// One side of a comparison: a set-up file, or a radio read for it.
struct Side {
    std::string name;
    bool radio = false;
};

// What a side holds: a radio's band is the one it identified itself with, a file's the band its
// set-up holds.
struct SideSetup {
    ImageBytes image{};
    int band = 0;
};

SideSetup Read(const Side& side) {
    SideSetup read;
    if (side.radio) {
        try {
            read.image = CaptureRadio(side.name, &read.band);
        } catch (const CommandFailed& failed) {
            throw CommandFailed(failed.what(), kSideNotRead);
        }
        return read;
    }
    read.image = ReadSetupImage(side.name, kSideNotRead);
    read.band = BandOfImage(read.image);
    return read;
}

// The words after "diff", in order: a file name, or --port DEVICE (also --port=DEVICE).
std::vector<Side> SidesOf(const std::vector<std::string>& words) {
    std::vector<Side> sides;
    for (std::size_t i = 0; i < words.size(); ++i) {
        const std::string& word = words[i];
        if (word == "--port") {
            if (i + 1 >= words.size() || words[i + 1].empty()) {
                throw CLI::ValidationError("--port needs a device path or COM1..COM8");
            }
            sides.push_back({words[++i], true});
        } else if (word.starts_with("--port=")) {
            sides.push_back({word.substr(7), true});
        } else if (word.starts_with("-")) {
            throw CLI::ValidationError("diff does not know the option " + word);
        } else {
            sides.push_back({word, false});
        }
    }
    if (sides.size() != 2) {
        throw CLI::ValidationError(
            "diff compares two set-ups: give two of A.DAT, A.yaml or --port DEVICE");
    }
    return sides;
}

std::string Fields(std::size_t count) {
    return std::to_string(count) + (count == 1 ? " field" : " fields");
}

void Diff(const std::vector<Side>& sides, bool calibration) {
    const SideSetup first = Read(sides[0]);
    const SideSetup second = Read(sides[1]);
    const std::vector<SetupDifference> differences =
        CompareImages({first.image, first.band}, {second.image, second.band}, calibration);
    if (differences.empty()) {
        PrintToStandardOutput(sides[0].name + " and " + sides[1].name + " hold the same set-up\n");
        return;
    }
    std::string text;
    for (const SetupDifference& difference : differences) {
        text += DescribeDifference(difference, sides[0].name, sides[1].name, kEnglish) + "\n";
    }
    PrintToStandardOutput(text);
    throw CommandFailed(
        sides[0].name + " and " + sides[1].name + " differ in " + Fields(differences.size()),
        kDifferent);
}

}  // namespace

void AddDiffCommand(CLI::App& app, Action& run) {
    static bool calibration = false;
    auto* diff = app.add_subcommand(
        "diff",
        "Compare two set-ups field by field, the band first: each of A and B is a set-up file "
        "(*.DAT, *.yaml or *.yml) or --port DEVICE (a radio, read for the comparison)");
    diff->allow_extras();
    diff->footer(
        "A and B, in this order: a set-up file (*.DAT, or *.yaml or *.yml for a set-up as text), "
        "or --port DEVICE (a device path or COM1..COM8).\n"
        "A radio's band is the one it identifies itself with, a file's the band its set-up "
        "holds.\n"
        "Exit status: 0 the same, 1 different, 2 a usage error, 3 a file that could not be "
        "opened or a radio that could not be read.\n"
        "  qv7100-cli diff shop.DAT --port COM1\n"
        "  qv7100-cli diff --port /dev/ttyUSB0 --port /dev/ttyUSB1");
    diff->add_flag("--unlock-calibration", calibration,
                   "Compare the power calibration too (a write leaves it out unless calibration "
                   "access is open)");
    diff->callback([&run, diff] {
        const std::vector<Side> sides = SidesOf(diff->remaining());
        run = [sides] { Diff(sides, calibration); };
    });
}

}  // namespace qv::cli
