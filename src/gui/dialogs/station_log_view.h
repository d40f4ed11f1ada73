// The last radios of the programming log in a table, the newest on top: those of earlier runs as
// the log's file holds them when it is chosen, then each radio of this run as it ends. A line of
// the file that is no row of the log is left out and named under the table; a file that is no log
// or cannot be read is said so, and nothing blocks.
#pragma once

#include <QString>
#include <QWidget>

#include <filesystem>

#include "i18n/language.h"
#include "rules/station/station_log.h"

class QLabel;
class QTableWidget;

namespace qv {

// How a radio ended and what its read-back found, in words of the window's language.
QString ResultText(StationResult result, Language language);
QString VerifyText(StationVerify verify, Language language);

class StationLogView : public QWidget {
    Q_OBJECT

  public:
    explicit StationLogView(Language language, QWidget* parent = nullptr);

    // Shows the last radios of the log at `log`.
    void Load(const std::filesystem::path& log);
    // A radio of this run as it ended, `detail` in the window's language; `inLog` false when its
    // line could not be added to the log.
    void Add(const StationLogRow& row, const std::string& detail, bool inLog);

    QTableWidget* Table() const { return table_; }

  private:
    void InsertOnTop(const StationLogRow& row, const QString& detail);
    // The line under the table: what it shows, and what of the file could not be read.
    void RefreshNote();

    Language language_;
    std::filesystem::path log_;
    QTableWidget* table_ = nullptr;
    QLabel* note_ = nullptr;
    QString fileProblem_;  // the file is no log, or cannot be read
    QString unread_;       // lines of the file that are no rows of it
};

}  // namespace qv
