#include "cli/setup_files.h"

#include <cstdio>

#include "cli/commands.h"
#include "cli/terminal_text.h"
#include "rules/setup_text/setup_files.h"

namespace qv::cli {
namespace {

constexpr Language kMessages = Language::English;
// Errors of a text listed before the rest are only counted.
constexpr std::size_t kErrorsListed = 50;

// "shop.yaml:12:5: channels[G1-02].rx: ...", or "shop.yaml: ..." for the file as a whole.
std::string ProblemLine(const std::string& path, const SetupTextProblem& problem) {
    std::string place = path;
    if (problem.line > 0) place += ":" + std::to_string(problem.line);
    if (problem.column > 0) place += ":" + std::to_string(problem.column);
    return place + ": " + EscapeControls(Describe(problem, kMessages));
}

std::string Refusal(const std::string& path, const SetupFileRead& read) {
    if (!read.status.ok()) return path + ": " + read.status.Describe(kMessages);
    const SetupTextRead& text = read.text;
    std::string lines;
    for (std::size_t k = 0; k < text.errors.size() && k < kErrorsListed; ++k) {
        lines += ProblemLine(path, text.errors[k]) + "\n";
    }
    const std::size_t more =
        text.moreErrors +
        (text.errors.size() > kErrorsListed ? text.errors.size() - kErrorsListed : 0);
    if (more > 0) {
        lines +=
            SetupTextMessage(SetupTextId::MoreErrors, kMessages, {std::to_string(more)}) + "\n";
    }
    return lines + SetupTextMessage(SetupTextId::FileRefused, kMessages,
                                    {std::to_string(text.errors.size() + text.moreErrors), path});
}

void NoteMissing(const std::string& path, const SetupFileRead& read) {
    if (read.text.missing.empty()) return;
    std::string missing;
    for (const std::string& name : read.text.missing) {
        missing += (missing.empty() ? "" : ", ") + name;
    }
    std::fprintf(stderr, "qv7100-cli: note: %s: %s\n", path.c_str(),
                 SetupTextMessage(SetupTextId::MissingKept, kMessages, {missing}).c_str());
}

}  // namespace

void OpenSetup(const std::string& path, ProgramState& state, Host& host, int failureStatus) {
    const SetupFileRead read = OpenAnySetupFile(path, state, host);
    if (!read.ok()) throw CommandFailed(Refusal(path, read), failureStatus);
    NoteMissing(path, read);
}

ImageBytes ReadSetupImage(const std::string& path, int failureStatus) {
    ImageBytes image{};
    const SetupFileRead read = ReadAnySetupImage(path, image);
    if (!read.ok()) throw CommandFailed(Refusal(path, read), failureStatus);
    NoteMissing(path, read);
    return image;
}

std::string SaveSetup(const std::string& path, const Setup& setup) {
    const SetupFileSaved saved = SaveAnySetupFile(path, setup);
    if (!saved.status.ok()) throw CommandFailed(path + ": " + saved.status.Describe(kMessages));
    if (saved.refused.empty()) return {};
    std::string lines = SetupTextMessage(SetupTextId::RefusedOnSaving, kMessages,
                                         {std::to_string(saved.refused.size()), path});
    for (const SetupTextProblem& problem : saved.refused) {
        lines += "\n" + ProblemLine(path, problem);
    }
    return lines;
}

void FailOnRefusedValues(const std::string& refused) {
    if (!refused.empty()) throw CommandFailed(refused);
}

}  // namespace qv::cli
