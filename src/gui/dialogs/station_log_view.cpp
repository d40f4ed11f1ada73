#include "gui/dialogs/station_log_view.h"

#include <QHeaderView>
#include <QLabel>
#include <QScrollBar>
#include <QTableWidget>
#include <QVBoxLayout>

#include <string>

#include "gui/shell/captions.h"
#include "gui/shell/local_path.h"
#include "gui/shell/read_only_table.h"
#include "gui/shell/window_texts.h"
#include "i18n/detail_texts.h"
#include "rules/station/recent_station_log.h"

namespace qv {
namespace {

using Id = StationWindowTextId;

// As many radios as a bench looks back on.
constexpr int kShownRadios = 20;
// Of them, as many are in sight at once.
constexpr int kRowsShown = 4;
// Of the lines that are no rows of the log, as many are named.
constexpr std::size_t kLinesNamed = 10;

constexpr Id kColumns[] = {Id::ColumnTime,    Id::ColumnPort,    Id::ColumnRadio,  Id::ColumnBand,
                           Id::ColumnLineOne, Id::ColumnLineTwo, Id::ColumnResult, Id::ColumnVerify,
                           Id::ColumnBackup,  Id::ColumnDetail};

struct ResultWord {
    StationResult result;
    Id word;
};
constexpr ResultWord kResultWords[] = {
    {StationResult::Written, Id::ResultWritten},
    {StationResult::Failed, Id::ResultFailed},
    {StationResult::Skipped, Id::ResultSkipped},
};

struct VerifyWord {
    StationVerify verify;
    Id word;
};
constexpr VerifyWord kVerifyWords[] = {
    {StationVerify::Verified, Id::VerifyVerified},
    {StationVerify::Differs, Id::VerifyDiffers},
    {StationVerify::NotChecked, Id::VerifyNotChecked},
};

template <typename Row, std::size_t N, typename Value>
Id WordOf(const Row (&rows)[N], Value value, Value Row::*field) {
    for (const Row& row : rows) {
        if (row.*field == value) return row.word;
    }
    return rows[0].word;
}

// "2024-05-01 16:03:22" of the log's "2024-05-01T16:03:22+02:00"; any other text as it is.
QString ShownTime(const std::string& time) {
    QString text = ToQString(time);
    if (text.size() >= 19 && text[10] == QLatin1Char('T')) {
        text.truncate(19);
        text[10] = QLatin1Char(' ');
    }
    return text;
}

}  // namespace

QString ResultText(StationResult result, Language language) {
    return WindowText(WordOf(kResultWords, result, &ResultWord::result), language);
}

QString VerifyText(StationVerify verify, Language language) {
    return WindowText(WordOf(kVerifyWords, verify, &VerifyWord::verify), language);
}

StationLogView::StationLogView(Language language, QWidget* parent)
    : QWidget(parent), language_(language) {
    auto* caption = new QLabel(WindowText(Id::Table, language));
    caption->setObjectName(QStringLiteral("lblLog"));
    QStringList headers;
    for (const Id column : kColumns) headers << WindowText(column, language);
    table_ = NewReadOnlyTable(QStringLiteral("grdLog"), FieldName(caption->text()), headers, 0);
    table_->horizontalHeader()->setStretchLastSection(true);
    // A line a radio: the table shows as many as it can.
    table_->verticalHeader()->setDefaultSectionSize(table_->fontMetrics().height() + 6);
    // The last few radios show, the rest scroll: the bench above takes the window's height.
    table_->setFixedHeight(table_->horizontalHeader()->sizeHint().height() +
                           table_->verticalHeader()->defaultSectionSize() * kRowsShown +
                           table_->horizontalScrollBar()->sizeHint().height() +
                           2 * table_->frameWidth());
    caption->setBuddy(table_);
    note_ = new QLabel;
    note_->setObjectName(QStringLiteral("lblLogNote"));
    note_->setWordWrap(true);
    note_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    note_->setAccessibleName(FieldName(WindowText(Id::LogFile, language)));

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(caption);
    layout->addWidget(table_, 1);
    layout->addWidget(note_);
}

void StationLogView::Load(const std::filesystem::path& log) {
    log_ = log;
    table_->setRowCount(0);
    fileProblem_.clear();
    unread_.clear();
    const RecentStationLog recent = ReadRecentStationLog(log, kShownRadios);
    const std::string file = QtPath(log).toStdString();
    switch (recent.found) {
        case RecentStationLog::Found::Nothing:
        case RecentStationLog::Found::Log:
            break;
        case RecentStationLog::Found::NotALog:
            fileProblem_ =
                WindowText(StationTextId::LogIsAnotherFile, language_, {file, recent.firstLine});
            break;
        case RecentStationLog::Found::Unreadable:
            fileProblem_ = WindowText(Id::LogUnreadable, language_,
                                      {file, SystemErrorText(recent.error, language_)});
            break;
    }
    for (const StationLogRow& row : recent.rows) InsertOnTop(row, ToQString(row.detail));
    if (recent.leftOut > 0 && recent.endOnly) {
        unread_ = WindowText(Id::LogEndUnread, language_, {std::to_string(recent.leftOut)});
    } else if (recent.leftOut > 0) {
        QStringList lines;
        for (std::size_t i = 0; i < recent.leftOutLines.size() && i < kLinesNamed; ++i) {
            lines << QString::number(recent.leftOutLines[i]);
        }
        if (recent.leftOutLines.size() > kLinesNamed) lines << QStringLiteral("…");
        unread_ = WindowText(
            Id::LogLinesUnread, language_,
            {std::to_string(recent.leftOut),
             lines
                 .join(language_ == Language::English ? QStringLiteral(", ") : QStringLiteral("、"))
                 .toStdString()});
    }
    table_->resizeColumnsToContents();
    RefreshNote();
}

void StationLogView::Add(const StationLogRow& row, const std::string& detail, bool inLog) {
    QString shown = ToQString(detail);
    if (!inLog) {
        shown = (shown.isEmpty() ? QString() : shown + QLatin1Char(' ')) +
                WindowText(Id::NotInLog, language_);
    }
    InsertOnTop(row, shown);
    table_->resizeColumnsToContents();
    RefreshNote();
}

void StationLogView::InsertOnTop(const StationLogRow& row, const QString& detail) {
    table_->insertRow(0);
    const QStringList cells = {
        ShownTime(row.time),
        ToQString(row.port),
        QString::number(row.radio),
        ToQString(row.band),
        ToQString(row.line1),
        ToQString(row.line2),
        ResultText(row.result, language_),
        VerifyText(row.verify, language_),
        ToQString(row.backup),
        detail,
    };
    SetRowTexts(*table_, 0, cells);
    while (table_->rowCount() > kShownRadios) table_->removeRow(table_->rowCount() - 1);
}

void StationLogView::RefreshNote() {
    const std::string file = QtPath(log_).toStdString();
    QString text = fileProblem_;
    if (text.isEmpty()) {
        text = table_->rowCount() == 0 ? WindowText(Id::LogEmpty, language_, {file})
                                       : WindowText(Id::LogShown, language_,
                                                    {std::to_string(table_->rowCount()), file});
    }
    if (!unread_.isEmpty()) text += QLatin1Char('\n') + unread_;
    note_->setText(text);
    note_->setAccessibleDescription(text);
}

}  // namespace qv
