// diff: two set-ups compared field by field, each a *.DAT file or a radio read for it.
#include <string>
#include <vector>

#include "cli/commands.h"
#include "cli/link_session.h"
#include "cli/standard_output.h"
#include "rules/compare/setup_compare.h"
#include "rules/program/dat_file.h"

namespace qv::cli {
namespace {

constexpr Language kEnglish = Language::English;

// One side of a comparison: a *.DAT file, or a radio read for it.
struct Side {
    std::string name;
    bool radio = false;
};

ImageBytes ImageOf(const Side& side) {
    if (side.radio) return CaptureRadio(side.name);
    ImageBytes image{};
    if (const Status read = ReadDatFile(side.name, image); !read.ok()) {
        throw CommandFailed(side.name + ": " + read.Describe(kEnglish));
    }
    return image;
}

// The words after "diff", in order: a file name, or --port DEVICE (also --port=DEVICE).
std::vector<Side> SidesOf(const std::vector<std::string>& words) {
    std::vector<Side> sides;
    for (std::size_t i = 0; i < words.size(); ++i) {
        const std::string& word = words[i];
        if (word == "--port") {
            if (i + 1 >= words.size() || words[i + 1].empty()) {
                throw CommandFailed("--port needs a device path or COM1..COM8");
            }
            sides.push_back({words[++i], true});
        } else if (word.starts_with("--port=")) {
            sides.push_back({word.substr(7), true});
        } else if (word.starts_with("-")) {
            throw CommandFailed("diff does not know the option " + word);
        } else {
            sides.push_back({word, false});
        }
    }
    if (sides.size() != 2) {
        throw CommandFailed("diff compares two set-ups: give two of A.DAT or --port DEVICE");
    }
    return sides;
}

void Diff(const std::vector<std::string>& words, bool calibration) {
    const std::vector<Side> sides = SidesOf(words);
    const ImageBytes first = ImageOf(sides[0]);
    const ImageBytes second = ImageOf(sides[1]);
    const std::vector<SetupDifference> differences = CompareImages(first, second, calibration);
    if (differences.empty()) {
        PrintToStandardOutput(sides[0].name + " and " + sides[1].name + " hold the same set-up\n");
        return;
    }
    std::string text;
    for (const SetupDifference& difference : differences) {
        text += DescribeDifference(difference, sides[0].name, sides[1].name, kEnglish) + "\n";
    }
    PrintToStandardOutput(text);
    throw CommandFailed(sides[0].name + " and " + sides[1].name + " differ in " +
                        std::to_string(differences.size()) + " fields");
}

}  // namespace

void AddDiffCommand(CLI::App& app, Action& run) {
    static bool calibration = false;
    auto* diff = app.add_subcommand(
        "diff",
        "Compare two set-ups field by field: each of A and B is a *.DAT file or --port DEVICE (a "
        "radio, read for the comparison). Exit 0 when they are equal, 1 when not");
    diff->allow_extras();
    diff->footer(
        "A and B, in this order: a *.DAT file, or --port DEVICE (a device path or COM1..COM8).\n"
        "  qv7100-cli diff shop.DAT --port COM1\n"
        "  qv7100-cli diff --port /dev/ttyUSB0 --port /dev/ttyUSB1");
    diff->add_flag("--unlock-calibration", calibration,
                   "Compare the power calibration too (a write leaves it out unless calibration "
                   "access is open)");
    diff->callback([&run, diff] {
        const std::vector<std::string> words = diff->remaining();
        run = [words] { Diff(words, calibration); };
    });
}

}  // namespace qv::cli
