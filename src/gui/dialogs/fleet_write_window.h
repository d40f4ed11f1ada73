// The window that writes the set-up shown into several radios at once: a row per port COM1..COM8
// with a box to check, the device the port stands for, a progress bar and how the radio ended
// (with the backup made of it);
// whether a radio of another band is written too, verify and backup first; Start, Stop and Close,
// and a line that sums the run up. The set-up is copied when the window opens, so nothing a run
// does reaches the main window.
#pragma once

#include <QDialog>

#include <array>
#include <filesystem>
#include <vector>

#include "i18n/fleet_texts.h"
#include "i18n/language.h"
#include "link/core/port_mapping.h"
#include "link/qt/fleet_write.h"
#include "rules/program/write_options_file.h"
#include "state/program_state.h"

class QCheckBox;
class QLabel;
class QProgressBar;
class QPushButton;

namespace qv {

class FleetWriteWindow : public QDialog {
    Q_OBJECT

  public:
    FleetWriteWindow(const ProgramState& setup, const WriteOptions& options,
                     std::filesystem::path backupFolder, QWidget* parent = nullptr);
    ~FleetWriteWindow() override;

    // Radios are being written: the program waits for them before it ends.
    bool IsWriting() const { return fleet_.IsRunning(); }

  public slots:
    // Escape and the title bar's close button wait, like Close, while radios are being written.
    void reject() override;

  private:
    struct PortRow {
        QCheckBox* check = nullptr;
        QLabel* device = nullptr;
        QProgressBar* progress = nullptr;
        QLabel* result = nullptr;
        bool hasDevice = false;  // a port that stands for no device has nothing to write
    };

    void StartWriting();
    void RadioStep(std::size_t radio, CheckedWriteStep step);
    void RadioProgress(std::size_t radio, int maximum, int value);
    void RadioEnded(std::size_t radio);
    void AllEnded();
    // The line that sums the run up, for the eye and for a screen reader.
    void ShowSummary(const QString& text);
    // What may be touched: the choices and Close only while nothing runs, Stop only while it does.
    void RefreshControls();
    void ShowResult(PortRow& row, const QString& text);

    ProgramState setup_;
    Language language_;
    FleetWrite fleet_;
    std::array<PortRow, kPortCount> rows_{};
    std::vector<std::size_t> runPorts_;  // the row of each radio of the run
    QCheckBox* otherBand_ = nullptr;
    QCheckBox* verify_ = nullptr;
    QCheckBox* backupFirst_ = nullptr;
    QPushButton* start_ = nullptr;
    QPushButton* stop_ = nullptr;
    QPushButton* close_ = nullptr;
    QLabel* summary_ = nullptr;
};

}  // namespace qv
