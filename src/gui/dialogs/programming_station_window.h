// The programming station's window: the set-up shown is written into radio after radio, on every
// port chosen, with no click between them. Its choices: the ports (COM1..COM8, each with its
// device and chip), each radio's embedded lines, the programming log, verify, backup and radios of
// another band; Start and Stop. While it runs, each port shows its state in large letters that
// are read from across the bench, a radio's end rings a sound (one beep written, three failed),
// counters sum the run up, and a table shows the last radios of the log, earlier runs' too.
//
// It is modal, as the window that writes several radios is: the set-up it writes is the one
// shown, which cannot change while it is open. Stop first takes no more radios and lets the radios
// being written finish; pressed again ("Stop now") it ends them at once. Escape and the close box
// ask before they stop a running station.
#pragma once

#include <QDialog>

#include <array>
#include <filesystem>
#include <string>
#include <vector>

#include "gui/dialogs/station_cues.h"
#include "gui/dialogs/station_port_view.h"
#include "i18n/language.h"
#include "link/core/port_mapping.h"
#include "link/qt/programming_station.h"
#include "state/host.h"
#include "state/program_state.h"

class QCheckBox;
class QGridLayout;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace qv {

class StationCounters;
class StationLogView;
class StationPortTile;
class StationValuesBox;

class ProgrammingStationWindow : public QDialog {
    Q_OBJECT

  public:
    // `setupName` names the set-up's file in the log (empty: it came from none); backups go to
    // `backupFolder`, beside which the log lies unless another is chosen; refusals and questions
    // are asked through `messages`.
    ProgrammingStationWindow(const ProgramState& setup, std::string setupName,
                             std::filesystem::path backupFolder, Host& messages,
                             QWidget* parent = nullptr);
    ~ProgrammingStationWindow() override;

    // The station runs: the program waits for it before it ends.
    bool IsRunning() const { return station_.IsRunning(); }
    // The program is to end: no more radios are taken, the radios being written finish.
    void StopTakingRadios();

  public slots:
    // While the station runs, asks whether to stop it and close once its radios have finished.
    void reject() override;

  private:
    struct PortRow {
        QCheckBox* check = nullptr;
        QLabel* device = nullptr;
        bool hasDevice = false;  // a port that stands for no device has no radio to write
    };

    void BuildPorts(QGroupBox& box, int chosenPort);
    void BrowseLog();
    // The log the field names, or the default one when it is empty.
    std::filesystem::path LogPath() const;
    void StartStation();
    void StopPressed();
    // The bench shows a tile for each of `ports`, as resolved for the run, in its order.
    void BuildTiles(const std::vector<PortName>& ports);
    // What the words of a port need of this run.
    StationRun Run() const;
    void PortEvent(std::size_t lane, StationEvent event);
    void StationStopping();
    void StationFinished();
    void RefreshControls();
    void ShowStatus(const QString& text);
    // Why the station stopped, for the line that ends its run.
    std::string WhyStopped() const;

    ProgramState setup_;
    std::string setupName_;
    std::filesystem::path defaultLog_;
    Host& messages_;
    Language language_;
    ProgrammingStation station_;
    CuePlayer cues_;
    std::array<PortRow, kPortCount> rows_{};
    std::vector<int> lanePorts_;           // the COM number of each port of the run
    std::vector<StationPortTile*> tiles_;  // a tile each, in the same order
    StationValuesBox* values_ = nullptr;
    QLineEdit* log_ = nullptr;
    QPushButton* logBrowse_ = nullptr;
    QCheckBox* verify_ = nullptr;
    QCheckBox* backupFirst_ = nullptr;
    QCheckBox* otherBand_ = nullptr;
    QGroupBox* ports_ = nullptr;
    QGridLayout* bench_ = nullptr;
    QLabel* benchHint_ = nullptr;
    StationCounters* counters_ = nullptr;
    StationLogView* logView_ = nullptr;
    QLabel* status_ = nullptr;
    QPushButton* start_ = nullptr;
    QPushButton* stop_ = nullptr;
    QPushButton* close_ = nullptr;
    bool closeWhenFinished_ = false;
};

}  // namespace qv
