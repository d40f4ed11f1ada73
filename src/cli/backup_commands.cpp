// backups: what the program kept of the radios' memory.
#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "cli/commands.h"
#include "cli/link_session.h"
#include "cli/standard_output.h"
#include "cli/terminal_text.h"
#include "image/text.h"
#include "rules/backups/backup_rows.h"
#include "rules/backups/backups.h"

namespace qv::cli {
namespace {

constexpr Language kEnglish = Language::English;

std::string Padded(const std::string& text, std::size_t width) {
    return text + std::string(width > CharCount(text) ? width - CharCount(text) : 0, ' ');
}

void Backups() {
    const std::filesystem::path folder = BackupsFolder();
    const std::vector<BackupEntry> entries = ListBackups(folder);
    if (entries.empty()) {
        PrintToStandardOutput("No backups in " + folder.string() + "\n");
        return;
    }
    std::vector<std::vector<std::string>> rows;
    BackupRowTexts headers = BackupHeaders(kEnglish);
    rows.emplace_back(headers.begin(), headers.end());
    rows.back().push_back("File");
    for (const BackupEntry& entry : entries) {
        BackupRowTexts texts = BackupRow(entry, kEnglish);
        // The terminal shows the embedded line quoted, its control characters escaped.
        if (!entry.damaged) texts[kBackupEmbeddedColumn] = Quoted(entry.embeddedLine1);
        rows.emplace_back(texts.begin(), texts.end());
        rows.back().push_back(entry.path.filename().string());
    }
    std::vector<std::size_t> widths(rows.front().size(), 0);
    for (const auto& row : rows) {
        for (std::size_t c = 0; c < row.size(); ++c) {
            widths[c] = std::max(widths[c], CharCount(row[c]));
        }
    }
    std::string text = "Backups in " + folder.string() + ", newest first:\n";
    for (const auto& row : rows) {
        std::string line;
        for (std::size_t c = 0; c < row.size(); ++c) line += Padded(row[c], widths[c] + 2);
        while (!line.empty() && line.back() == ' ') line.pop_back();
        text += line + "\n";
    }
    PrintToStandardOutput(text);
}

}  // namespace

void AddBackupCommands(CLI::App& app, Action& run) {
    auto* backups = app.add_subcommand(
        "backups", "List the backups of radio memory that read and write keep, newest first");
    backups->callback([&run] { run = [] { Backups(); }; });
}

}  // namespace qv::cli
