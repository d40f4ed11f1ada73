// The embedded lines each radio of the programming station gets: the set-up's own, a pattern per
// line with the radio's number in it ({n}, {n:03}) from a first number on, or a roster file with a
// row per radio. A preview says what the first radio gets, or why the choice cannot be used; a
// roster is checked whole when it is chosen (a file chosen, or Enter in its field) and again at
// Start, each refusal naming its line in a message box.
#pragma once

#include <QGroupBox>
#include <QList>

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "i18n/language.h"
#include "rules/station/radio_values.h"
#include "rules/station/roster.h"
#include "state/host.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QSpinBox;

namespace qv {

class StationValuesBox : public QGroupBox {
    Q_OBJECT

  public:
    // `setupLines` are the set-up's own embedded lines; refusals are told through `messages`.
    StationValuesBox(const std::array<std::string, 2>& setupLines, Host& messages,
                     Language language, QWidget* parent = nullptr);

    // The values for each radio as chosen, checked whole, the roster read again; nothing, with
    // every reason told in a message box, when they are refused.
    std::optional<RadioValues> CheckedValues();

    // The box's controls in the order Tab reaches them.
    QList<QWidget*> TabOrder() const;

  private:
    enum class Mode { Keep, Pattern, Roster };

    Mode ChosenMode() const;
    // What the patterns and the first number say; the roster as it was read last.
    RadioValuesChoice Choice() const;
    // The fields of the way chosen can be typed in; the others wait.
    void ModeChosen();
    void BrowseRoster();
    // Reads the roster the field names; a refusal is told when `tell`, else the preview says it.
    void ReadRosterNamed(bool tell);
    void RefreshPreview();
    // `text`, then why nothing was started when `atStart`, in a message box.
    void Refuse(const QString& text, bool atStart);
    QString Problems(const std::vector<ValuesProblem>& problems) const;

    std::array<std::string, 2> setupLines_;
    Host& messages_;
    Language language_;
    QRadioButton* keep_ = nullptr;
    QRadioButton* pattern_ = nullptr;
    QRadioButton* roster_ = nullptr;
    std::array<QLineEdit*, 2> patterns_{};
    QSpinBox* first_ = nullptr;
    QLineEdit* rosterFile_ = nullptr;
    QPushButton* rosterBrowse_ = nullptr;
    QLabel* preview_ = nullptr;
    // The roster as read from `rosterRead_` when it was named last.
    QString rosterRead_;
    RosterRead read_;
};

}  // namespace qv
