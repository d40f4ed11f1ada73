// One port of the programming station as it is read from across the bench: its COMn and device,
// its state in large bold letters on a colour of its own, a bar of the radio's progress, and a
// line or two of details in the window's own font (the radio's number and lines, the step, the
// backup, what answers while it waits). The colour is never the only sign: the words say it all.
#pragma once

#include <QFrame>
#include <QString>

#include "i18n/language.h"

class QLabel;
class QProgressBar;

namespace qv {

enum class TileLook {
    Waiting,  // nothing to do: neutral
    Writing,  // a radio is being programmed: blue
    Written,  // written (and verified): green
    Failed,   // red
    Skipped,  // another band: amber
    Stopped,  // neutral
};

// What a tile shows: `state` in large letters on the colour of `look`, the radio's progress from
// 0 to 100 (0: the bar is empty), `details` under it.
struct PortView {
    TileLook look = TileLook::Waiting;
    QString state;
    int percent = 0;
    QString details;
};

class StationPortTile : public QFrame {
    Q_OBJECT

  public:
    // The tile of COM`port`, headed by `caption` (the port and the device it was resolved to for
    // the run); its parts are named for a screen reader in `language`.
    StationPortTile(int port, const QString& caption, Language language, QWidget* parent = nullptr);

    void Show(const PortView& view);

  protected:
    void resizeEvent(QResizeEvent* event) override;

  private:
    // A layout does not give a wrapped text the lines it needs unless its least height asks for
    // them: each label's height at the width it has now is its least.
    void FitHeights();

    QLabel* state_ = nullptr;
    QProgressBar* progress_ = nullptr;
    QLabel* details_ = nullptr;
};

}  // namespace qv
