// The backups of the radio's memory, newest first: date, band, kind, channels in use and line 1 of
// the embedded information, damaged ones listed as damaged. The chosen backup is opened as a file
// would be, or written into the radio as it is.
#pragma once

#include <QDialog>

#include <filesystem>
#include <vector>

#include "i18n/language.h"
#include "rules/backups/backups.h"

class QLabel;
class QPushButton;
class QTableWidget;

namespace qv {

class BackupRestoreWindow : public QDialog {
    Q_OBJECT

  public:
    enum class Choice { None, Open, WriteToRadio };

    BackupRestoreWindow(const std::filesystem::path& folder, Language language,
                        QWidget* parent = nullptr);

    Choice Chosen() const { return chosen_; }
    // The backup chosen; only after Open or Write.
    const BackupEntry& ChosenBackup() const;

  private:
    void RowChanged();
    void Choose(Choice choice);

    std::vector<BackupEntry> entries_;
    QTableWidget* list_ = nullptr;
    QPushButton* open_ = nullptr;
    QPushButton* write_ = nullptr;
    Choice chosen_ = Choice::None;
};

}  // namespace qv
