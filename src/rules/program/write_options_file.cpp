#include "rules/program/write_options_file.h"

#include <fstream>
#include <sstream>
#include <string>
#include <string_view>

#include "rules/program/safe_save.h"

namespace qv {
namespace {

struct OptionRow {
    std::string_view name;
    bool WriteOptions::*value;
};

constexpr OptionRow kOptionRows[] = {
    {"verify-after-write", &WriteOptions::verifyAfterWrite},
    {"backup-before-write", &WriteOptions::backupBeforeWrite},
};

std::string_view Trimmed(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t' || text.back() == '\r')) {
        text.remove_suffix(1);
    }
    return text;
}

}  // namespace

WriteOptions ReadWriteOptions(const std::filesystem::path& path) {
    WriteOptions options;
    std::ifstream file(path, std::ios::binary);
    std::string line;
    while (file && std::getline(file, line)) {
        const std::size_t equals = line.find('=');
        if (equals == std::string::npos) continue;
        const std::string_view name = Trimmed(std::string_view(line).substr(0, equals));
        const std::string_view value = Trimmed(std::string_view(line).substr(equals + 1));
        for (const OptionRow& row : kOptionRows) {
            if (name != row.name) continue;
            // Anything but a plain yes or no leaves the default: a damaged file changes nothing.
            if (value == "yes") options.*row.value = true;
            if (value == "no") options.*row.value = false;
        }
    }
    return options;
}

Status WriteWriteOptionsFile(const std::filesystem::path& path, const WriteOptions& options) {
    std::string text;
    for (const OptionRow& row : kOptionRows) {
        text += std::string(row.name) + "=" + (options.*row.value ? "yes" : "no") + "\n";
    }
    return ReplaceFileContents(
        path, std::span(reinterpret_cast<const std::uint8_t*>(text.data()), text.size()));
}

}  // namespace qv
