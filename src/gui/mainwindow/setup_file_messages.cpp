#include "gui/mainwindow/setup_file_messages.h"

#include "i18n/msgbox.h"

namespace qv {
namespace {

// The dialog's filter of *.DAT files: the product name, then the pattern.
const QString kDatFilter = QStringLiteral("QV-7100(*.DAT)");
// A box lists this many errors, and counts the rest.
constexpr std::size_t kErrorsListed = 20;

QString TextFilter(Language language, const char* patterns) {
    return QString::fromStdString(SetupTextMessage(SetupTextId::FilterName, language)) +
           QStringLiteral(" (") + QLatin1String(patterns) + QStringLiteral(")");
}

// "line 12, column 5: channels[G1-02].rx: ..."
std::string ProblemLine(const SetupTextProblem& problem, Language language) {
    const std::string place = DescribePlace(problem, language);
    const std::string what = Describe(problem, language);
    if (place.empty()) return what;
    return place + (language == Language::English ? ": " : "：") + what;
}

std::string ProblemLines(const std::vector<SetupTextProblem>& problems, std::size_t more,
                         Language language) {
    std::string lines;
    for (std::size_t k = 0; k < problems.size() && k < kErrorsListed; ++k) {
        lines += (lines.empty() ? "" : "\n") + ProblemLine(problems[k], language);
    }
    if (problems.size() > kErrorsListed) more += problems.size() - kErrorsListed;
    if (more > 0) {
        lines += "\n" + SetupTextMessage(SetupTextId::MoreErrors, language, {std::to_string(more)});
    }
    return lines;
}

}  // namespace

QStringList OpenSetupFilters(Language language) {
    return {kDatFilter, TextFilter(language, "*.yaml *.yml")};
}

QStringList SaveSetupFilters(Language language) {
    return {kDatFilter, TextFilter(language, "*.yaml")};
}

QString SuffixOfFilter(const QString& filter) {
    return filter.contains(QStringLiteral("*.yaml")) ? QStringLiteral("yaml")
                                                     : QStringLiteral("DAT");
}

void TellSetupFileRefused(Host& host, const std::string& file, const SetupFileRead& read,
                          Language language) {
    if (!read.status.ok()) {
        host.LocalMsgBox(read.status.Describe(language), kStyleOkStop, "");
        return;
    }
    const SetupTextRead& text = read.text;
    host.LocalMsgBoxWithDetails(
        SetupTextMessage(SetupTextId::FileRefused, language,
                         {std::to_string(text.errors.size() + text.moreErrors), file}),
        ProblemLines(text.errors, text.moreErrors, language), kStyleOkStop, "");
}

void TellMissingSections(Host& host, const std::vector<std::string>& missing, Language language) {
    if (missing.empty()) return;
    std::string names;
    for (const std::string& name : missing) names += (names.empty() ? "" : ", ") + name;
    host.LocalMsgBox(SetupTextMessage(SetupTextId::MissingKept, language, {names}),
                     kStyleOkInformation, "");
}

void TellRefusedValues(Host& host, const std::string& file,
                       const std::vector<SetupTextProblem>& refused, Language language) {
    if (refused.empty()) return;
    host.LocalMsgBoxWithDetails(SetupTextMessage(SetupTextId::RefusedOnSaving, language,
                                                 {std::to_string(refused.size()), file}),
                                ProblemLines(refused, 0, language), kStyleOkExclamation, "");
}

}  // namespace qv
