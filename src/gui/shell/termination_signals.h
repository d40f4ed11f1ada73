// The system's request to end the program (SIGTERM when the session ends or a service manager
// stops it, SIGHUP when its terminal goes, SIGINT for Ctrl+C in it), turned into a signal of the
// event loop: the program then ends as the application's quit ends it, after a transfer that
// runs, instead of being cut off in the middle of writing a radio.
#pragma once

#include <QObject>

class QSocketNotifier;

namespace qv {

class TerminationSignals : public QObject {
    Q_OBJECT

  public:
    // Catches the three signals while it lives; one object at a time.
    explicit TerminationSignals(QObject* parent = nullptr);
    ~TerminationSignals() override;
    TerminationSignals(const TerminationSignals&) = delete;
    TerminationSignals& operator=(const TerminationSignals&) = delete;

  signals:
    // In the event loop, once for each signal received.
    void Received();

  private:
    void Take();

    QSocketNotifier* notifier_ = nullptr;
};

}  // namespace qv
