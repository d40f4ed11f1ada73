// backups: what the program kept of the radios' memory.
#include <string>
#include <vector>

#include "cli/commands.h"
#include "cli/link_session.h"
#include "cli/standard_output.h"
#include "cli/terminal_text.h"
#include "cli/text_columns.h"
#include "i18n/backup_texts.h"
#include "i18n/detail_texts.h"
#include "rules/backups/backup_rows.h"
#include "rules/backups/backups.h"

namespace qv::cli {
namespace {

constexpr Language kEnglish = Language::English;

void Backups() {
    const std::filesystem::path folder = UserBackupFolder();
    const BackupList list = ListBackups(folder);
    if (list.folderError != 0) {
        throw CommandFailed(
            BackupText(BackupTextId::FolderUnreadable, kEnglish,
                       {folder.string(), SystemErrorText(list.folderError, kEnglish)}));
    }
    if (list.entries.empty()) {
        PrintToStandardOutput("No backups in " + folder.string() + "\n");
        return;
    }
    std::vector<std::vector<std::string>> rows;
    const BackupRowTexts headers = BackupHeaders(kEnglish);
    rows.emplace_back(headers.begin(), headers.end());
    rows.back().push_back("File");
    for (const BackupEntry& entry : list.entries) {
        BackupRowTexts texts = BackupRow(entry, kEnglish);
        // The terminal shows the embedded line quoted, its control characters escaped.
        if (!entry.damaged) texts[kBackupEmbeddedColumn] = Quoted(entry.embeddedLine1);
        rows.emplace_back(texts.begin(), texts.end());
        rows.back().push_back(entry.path.filename().string());
    }
    PrintToStandardOutput("Backups in " + folder.string() + ", newest first:\n" +
                          TextColumns(rows));
}

}  // namespace

void AddBackupCommands(CLI::App& app, Action& run) {
    auto* backups = app.add_subcommand(
        "backups", "List the backups of radio memory that read and write keep, newest first");
    backups->callback([&run] { run = [] { Backups(); }; });
}

}  // namespace qv::cli
