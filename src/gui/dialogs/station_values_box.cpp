#include "gui/dialogs/station_values_box.h"

#include <QButtonGroup>
#include <QDir>
#include <QFileDialog>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>

#include "gui/shell/captions.h"
#include "gui/shell/local_path.h"
#include "gui/shell/window_texts.h"
#include "i18n/msgbox.h"

namespace qv {
namespace {

using Id = StationWindowTextId;

// Room enough for any first number a box of radios starts from.
constexpr int kLargestFirstNumber = 999999;

}  // namespace

StationValuesBox::StationValuesBox(const std::array<std::string, 2>& setupLines, Host& messages,
                                   Language language, QWidget* parent)
    : QGroupBox(WindowText(Id::Lines, language), parent),
      setupLines_(setupLines),
      messages_(messages),
      language_(language) {
    setObjectName(QStringLiteral("fraLines"));
    setAccessibleName(title());

    keep_ = new QRadioButton(WindowText(Id::KeepLines, language));
    keep_->setObjectName(QStringLiteral("optKeepLines"));
    pattern_ = new QRadioButton(WindowText(Id::PatternLines, language));
    pattern_->setObjectName(QStringLiteral("optPatternLines"));
    roster_ = new QRadioButton(WindowText(Id::RosterLines, language));
    roster_->setObjectName(QStringLiteral("optRosterLines"));
    auto* modes = new QButtonGroup(this);
    for (QRadioButton* mode : {keep_, pattern_, roster_}) {
        mode->setAccessibleName(WithoutAccelerator(mode->text()));
        modes->addButton(mode);
    }
    keep_->setChecked(true);

    auto* grid = new QGridLayout(this);
    // The fields of a way stand under it, set in by the width of a radio button's circle.
    grid->setColumnMinimumWidth(0, keep_->sizeHint().height());
    grid->setColumnStretch(2, 1);
    grid->addWidget(keep_, 0, 0, 1, 4);
    grid->addWidget(pattern_, 1, 0, 1, 4);
    const Id lineCaptions[] = {Id::LineOne, Id::LineTwo};
    for (std::size_t line = 0; line < patterns_.size(); ++line) {
        auto* caption = new QLabel(WindowText(lineCaptions[line], language));
        caption->setObjectName(QStringLiteral("lblLine%1").arg(line + 1));
        QLineEdit*& field = patterns_[line];
        field = new QLineEdit;
        field->setObjectName(QStringLiteral("txtLine%1").arg(line + 1));
        field->setAccessibleName(FieldName(caption->text()));
        caption->setBuddy(field);
        const int row = 2 + static_cast<int>(line);
        grid->addWidget(caption, row, 1);
        grid->addWidget(field, row, 2, 1, 2);
        connect(field, &QLineEdit::textEdited, this, &StationValuesBox::RefreshPreview);
    }
    auto* firstCaption = new QLabel(WindowText(Id::FirstNumber, language));
    firstCaption->setObjectName(QStringLiteral("lblFirst"));
    first_ = new QSpinBox;
    first_->setObjectName(QStringLiteral("spnFirst"));
    first_->setRange(0, kLargestFirstNumber);
    first_->setValue(1);
    first_->setAccessibleName(FieldName(firstCaption->text()));
    firstCaption->setBuddy(first_);
    auto* hint = new QLabel(WindowText(Id::PatternHint, language));
    hint->setObjectName(QStringLiteral("lblPatternHint"));
    hint->setWordWrap(true);
    grid->addWidget(firstCaption, 4, 1);
    grid->addWidget(first_, 4, 2, Qt::AlignLeft);
    grid->addWidget(hint, 5, 1, 1, 3);
    connect(first_, &QSpinBox::valueChanged, this, &StationValuesBox::RefreshPreview);

    grid->addWidget(roster_, 6, 0, 1, 4);
    auto* rosterCaption = new QLabel(WindowText(Id::RosterFile, language));
    rosterCaption->setObjectName(QStringLiteral("lblRoster"));
    rosterFile_ = new QLineEdit;
    rosterFile_->setObjectName(QStringLiteral("txtRoster"));
    rosterFile_->setAccessibleName(FieldName(rosterCaption->text()));
    rosterCaption->setBuddy(rosterFile_);
    rosterBrowse_ = new QPushButton(WindowText(Id::RosterBrowse, language));
    rosterBrowse_->setObjectName(QStringLiteral("cmdRosterBrowse"));
    rosterBrowse_->setAccessibleName(WithoutAccelerator(rosterBrowse_->text()));
    rosterBrowse_->setAutoDefault(false);
    grid->addWidget(rosterCaption, 7, 1);
    grid->addWidget(rosterFile_, 7, 2);
    grid->addWidget(rosterBrowse_, 7, 3);
    // Enter in the field is choosing the file: it is checked and a refusal told; leaving the
    // field only shows in the preview what is wrong with it.
    connect(rosterFile_, &QLineEdit::returnPressed, this, [this] { ReadRosterNamed(true); });
    connect(rosterFile_, &QLineEdit::editingFinished, this, [this] {
        if (rosterFile_->text() != rosterRead_) ReadRosterNamed(false);
    });
    connect(rosterBrowse_, &QPushButton::clicked, this, &StationValuesBox::BrowseRoster);

    preview_ = new QLabel;
    preview_->setObjectName(QStringLiteral("lblPreview"));
    preview_->setAccessibleName(WindowText(Id::PreviewName, language));
    preview_->setWordWrap(true);
    preview_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    grid->addWidget(preview_, 8, 0, 1, 4);

    connect(modes, &QButtonGroup::buttonClicked, this, &StationValuesBox::ModeChosen);
    ModeChosen();
}

QList<QWidget*> StationValuesBox::TabOrder() const {
    return {keep_,  pattern_, patterns_[0], patterns_[1],
            first_, roster_,  rosterFile_,  rosterBrowse_};
}

StationValuesBox::Mode StationValuesBox::ChosenMode() const {
    if (pattern_->isChecked()) return Mode::Pattern;
    if (roster_->isChecked()) return Mode::Roster;
    return Mode::Keep;
}

RadioValuesChoice StationValuesBox::Choice() const {
    RadioValuesChoice choice;
    switch (ChosenMode()) {
        case Mode::Keep:
            break;
        case Mode::Pattern:
            for (std::size_t line = 0; line < patterns_.size(); ++line) {
                choice.patterns[line] = patterns_[line]->text().toStdString();
            }
            choice.first = first_->value();
            break;
        case Mode::Roster:
            choice.roster = read_.roster;
            break;
    }
    return choice;
}

void StationValuesBox::ModeChosen() {
    const Mode mode = ChosenMode();
    for (QWidget* field : {static_cast<QWidget*>(patterns_[0]), static_cast<QWidget*>(patterns_[1]),
                           static_cast<QWidget*>(first_)}) {
        field->setEnabled(mode == Mode::Pattern);
    }
    rosterFile_->setEnabled(mode == Mode::Roster);
    rosterBrowse_->setEnabled(mode == Mode::Roster);
    RefreshPreview();
}

void StationValuesBox::BrowseRoster() {
    QFileDialog dialog(this);
    dialog.setObjectName(QStringLiteral("dlgRoster"));
    dialog.setWindowTitle(WindowText(Id::RosterDialogTitle, language_));
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setNameFilter(WindowText(Id::RosterFilter, language_));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return;
    rosterFile_->setText(QDir::toNativeSeparators(dialog.selectedFiles().front()));
    ReadRosterNamed(true);
}

void StationValuesBox::ReadRosterNamed(bool tell) {
    rosterRead_ = rosterFile_->text();
    read_ = rosterRead_.isEmpty() ? RosterRead{} : ReadRosterFile(LocalPath(rosterRead_));
    RefreshPreview();
    if (tell && !rosterRead_.isEmpty() && !read_.roster) {
        Refuse(WindowText(Id::RosterRefused, language_,
                          {rosterRead_.toStdString(), Problems(read_.problems).toStdString()}),
               false);
    }
}

QString StationValuesBox::Problems(const std::vector<ValuesProblem>& problems) const {
    QStringList lines;
    for (const ValuesProblem& problem : problems) {
        lines << ToQString(DescribeValuesProblem(problem, language_));
    }
    return lines.join(QLatin1Char('\n'));
}

void StationValuesBox::RefreshPreview() {
    QString text;
    const RadioValuesChoice choice = Choice();
    std::vector<ValuesProblem> problems;
    std::optional<RadioValues> values;
    if (ChosenMode() == Mode::Roster && rosterRead_.isEmpty()) {
        text = WindowText(Id::ChooseRoster, language_);
    } else if (ChosenMode() == Mode::Roster && !read_.roster) {
        problems = read_.problems;
    } else {
        values = RadioValues::Make(choice, std::nullopt, problems);
    }
    if (!problems.empty()) text = ToQString(DescribeValuesProblem(problems.front(), language_));
    if (values) {
        // The first radio's lines: each given, or the set-up's own.
        const RadioLines lines = values->At(0).value_or(RadioLines{});
        std::array<std::string, 2> shown;
        for (std::size_t line = 0; line < shown.size(); ++line) {
            shown[line] = lines[line].value_or(setupLines_[line]);
        }
        if (const std::optional<std::size_t> rows = values->RosterRows()) {
            text = WindowText(Id::PreviewRoster, language_,
                              {std::to_string(*rows), shown[0], shown[1]});
        } else {
            text = WindowText(values->Vary() ? Id::PreviewFirst : Id::PreviewEvery, language_,
                              {shown[0], shown[1]});
        }
    }
    preview_->setText(text);
    preview_->setAccessibleDescription(text);
}

std::optional<RadioValues> StationValuesBox::CheckedValues() {
    std::vector<ValuesProblem> problems;
    switch (ChosenMode()) {
        case Mode::Keep:
            return RadioValues{};
        case Mode::Pattern:
            break;
        case Mode::Roster:
            if (rosterFile_->text().isEmpty()) {
                RefreshPreview();
                Refuse(WindowText(Id::ChooseRoster, language_), true);
                return std::nullopt;
            }
            // The file as it is now: it may have been changed since it was chosen.
            ReadRosterNamed(false);
            if (!read_.roster) {
                Refuse(
                    WindowText(Id::RosterRefused, language_,
                               {rosterRead_.toStdString(), Problems(read_.problems).toStdString()}),
                    true);
                return std::nullopt;
            }
            break;
    }
    std::optional<RadioValues> values = RadioValues::Make(Choice(), std::nullopt, problems);
    if (!values) {
        Refuse(WindowText(Id::ValuesRefused, language_, {Problems(problems).toStdString()}), true);
    }
    return values;
}

void StationValuesBox::Refuse(const QString& text, bool atStart) {
    QString told = text;
    if (atStart) told += QStringLiteral("\n\n") + WindowText(Id::NotStarted, language_);
    messages_.LocalMsgBox(told.toStdString(), kStyleOkStop, "");
}

}  // namespace qv
