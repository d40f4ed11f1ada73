#include "rules/setup_text/yaml_document.h"

#include <yaml-cpp/eventhandler.h>

#include <algorithm>
#include <sstream>
#include <string>

#include "image/text.h"

namespace qv::setup_text {
namespace {

// Takes note of where each document starts, and of nothing else.
class DocumentStarts : public YAML::EventHandler {
  public:
    std::vector<YAML::Mark> starts;

    void OnDocumentStart(const YAML::Mark& mark) override { starts.push_back(mark); }
    void OnDocumentEnd() override {}
    void OnNull(const YAML::Mark&, YAML::anchor_t) override {}
    void OnAlias(const YAML::Mark&, YAML::anchor_t) override {}
    void OnScalar(const YAML::Mark&, const std::string&, YAML::anchor_t,
                  const std::string&) override {}
    void OnSequenceStart(const YAML::Mark&, const std::string&, YAML::anchor_t,
                         YAML::EmitterStyle::value) override {}
    void OnSequenceEnd() override {}
    void OnMapStart(const YAML::Mark&, const std::string&, YAML::anchor_t,
                    YAML::EmitterStyle::value) override {}
    void OnMapEnd() override {}
};

SetupTextProblem Problem(Place place, SetupTextId id, std::vector<std::string> values = {}) {
    SetupTextProblem problem;
    problem.line = place.line;
    problem.column = place.column;
    problem.id = id;
    problem.values = std::move(values);
    return problem;
}

}  // namespace

TextPlaces::TextPlaces(std::string_view text) : text_(text) {
    lineStarts_.push_back(0);
    for (std::size_t at = text.find('\n'); at != std::string_view::npos;
         at = text.find('\n', at + 1)) {
        lineStarts_.push_back(at + 1);
    }
}

Place TextPlaces::Of(const YAML::Mark& mark) const {
    if (mark.line < 0 || static_cast<std::size_t>(mark.line) >= lineStarts_.size()) return {};
    const std::size_t start = lineStarts_[static_cast<std::size_t>(mark.line)];
    const std::string_view before =
        text_.substr(start, static_cast<std::size_t>(std::max(0, mark.column)));
    return {mark.line + 1, static_cast<int>(CharCount(before)) + 1};
}

std::size_t TextPlaces::Offset(const YAML::Mark& mark) const {
    if (mark.line < 0 || static_cast<std::size_t>(mark.line) >= lineStarts_.size()) {
        return text_.size();
    }
    return std::min(text_.size(), lineStarts_[static_cast<std::size_t>(mark.line)] +
                                      static_cast<std::size_t>(std::max(0, mark.column)));
}

YamlDocument LoadOneDocument(std::string_view text, const TextPlaces& places) {
    YamlDocument document;
    // The documents are counted first, two at most: yaml-cpp 0.7 meets a comma that begins a
    // value outside [ ] and { } (never valid YAML) without moving past it, and reads one empty
    // document after another there for ever.
    DocumentStarts documents;
    try {
        std::istringstream stream{std::string(text)};
        YAML::Parser parser(stream);
        for (int read = 0; read < 2 && parser.HandleNextDocument(documents); ++read) {
        }
    } catch (const YAML::Exception& e) {
        document.problem = Problem(places.Of(e.mark), SetupTextId::NotYaml, {e.msg});
        return document;
    }
    if (documents.starts.empty()) {
        document.problem = Problem({}, SetupTextId::NotASetup);
        return document;
    }
    if (documents.starts.size() > 1) {
        const YAML::Mark& second = documents.starts[1];
        const std::size_t at = text.find_first_not_of(" \t\r\n", places.Offset(second));
        const bool comma = at != std::string_view::npos && text[at] == ',';
        document.problem = Problem(places.Of(second),
                                   comma ? SetupTextId::StrayComma : SetupTextId::SecondDocument);
        return document;
    }
    try {
        document.root = YAML::Load(std::string(text));
    } catch (const YAML::Exception& e) {
        document.problem = Problem(places.Of(e.mark), SetupTextId::NotYaml, {e.msg});
    }
    return document;
}

}  // namespace qv::setup_text
