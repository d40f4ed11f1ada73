// The one YAML document of a text, as yaml-cpp reads it, and places in the text as people count
// them.
#pragma once

#include <yaml-cpp/yaml.h>

#include <cstddef>
#include <optional>
#include <string_view>
#include <vector>

#include "rules/setup_text/setup_text_problem.h"

namespace qv::setup_text {

// Lines and columns from 1, a column counted in characters (yaml-cpp counts bytes).
struct Place {
    int line = 0;
    int column = 0;
};

class TextPlaces {
  public:
    explicit TextPlaces(std::string_view text);
    // Nothing ({0, 0}) for a mark yaml-cpp did not set.
    Place Of(const YAML::Mark& mark) const;
    // The byte a mark stands at, or the end of the text.
    std::size_t Offset(const YAML::Mark& mark) const;

  private:
    std::string_view text_;
    std::vector<std::size_t> lineStarts_;
};

struct YamlDocument {
    YAML::Node root;
    std::optional<SetupTextProblem> problem;  // why the text holds no one document
};

// The text's only document. An empty text, a second document and what yaml-cpp cannot read are
// problems at their places.
YamlDocument LoadOneDocument(std::string_view text, const TextPlaces& places);

}  // namespace qv::setup_text
