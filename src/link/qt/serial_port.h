// The programming cable's serial port on QSerialPort: 9600 baud, 8N1, raw bytes, one notification
// per batch of received bytes.
#pragma once

#include <QByteArray>
#include <QObject>
#include <QSerialPort>
#include <QString>

#include <cstdint>
#include <optional>
#include <span>
#include <string>

#include "link/core/port_choice.h"
#include "link/core/port_mapping.h"
#include "link/core/system_roots.h"

namespace qv {

// Where the system's files are read: "/", or the folder QV7100_SYSTEM_ROOT names, which stands for
// "/" of another system (a copy of its /sys, /dev, /proc, /etc and rule folders) to diagnose it.
// Both programs look up their ports and diagnose them there.
SystemRoots SystemInUse();

// How COM1..COM8 are looked up on this system: the QV7100_COMn variables, whose values may be
// by-id or by-path names (DevicePathOfName), and the serial devices, on Linux those
// ListSerialDevices finds under `roots`.
PortLookup SystemPortLookup(const SystemRoots& roots = SystemInUse());

// The device of COM`port` on this system (see ResolveComPort); empty when there is none. The
// system's serial devices are those ListSerialDevices finds under `roots` (on Linux), and a
// QV7100_COMn variable may name its device by a by-id or by-path name as well (DevicePathOfName).
QString DeviceForComPort(int port, const SystemRoots& roots = SystemInUse());

// The port `text` names, as the port menu resolves it now: "COMn" (ComPortNumber) is port n and
// the device that stands for it, anything else a device given by its path, or by a name as
// /dev/serial/by-id or by-path lists it (the link's path).
PortName ResolvePortText(const std::string& text, const SystemRoots& roots = SystemInUse());

class SerialPort : public QObject, public PortControl {
    Q_OBJECT

  public:
    explicit SerialPort(QObject* parent = nullptr);
    ~SerialPort() override;

    // Opens `port`'s device from now on, whatever number Reopen is given, and names the port so in
    // messages. A run fixes the device its port stood for when it began: adapters plugged in or
    // pulled meanwhile may give the number another device, and a step that finds its own gone
    // fails instead of reaching another radio.
    void FixDevice(const PortName& port) { fixed_ = port; }
    // The port number's device again, looked up at every opening.
    void ReleaseDevice() { fixed_.reset(); }
    bool DeviceFixed() const { return fixed_.has_value(); }
    // The port Reopen(`number`) would open now: the number in force and its device, or the fixed
    // device.
    PortName Resolve(int number) const;

    void Reopen(int port) override;
    bool IsOpen() const override { return port_.isOpen(); }
    PortOpenError LastOpenError() const override { return lastOpenError_; }
    std::string DeviceName() const override { return Device().toStdString(); }
    // The device as the system in use shows it (SystemInUse).
    PortDiagnosis Diagnose() const override;
    // The port as messages name it: the number in force, or the device given by its path.
    PortName Name() const;
    void ApplyCommTimeouts(const CommTimeouts& timeouts) override;

    // What the system said when the port last failed to open.
    QString LastErrorText() const { return lastErrorText_; }

    // Hands `bytes` to the line at once. Nothing is written while the port is closed.
    void Write(std::span<const std::uint8_t> bytes);
    // Closes the port once what was written has left, or after a short wait for a device that
    // takes nothing more.
    void Close();

  signals:
    void BytesReceived(const QByteArray& bytes);
    // The device went away under the open port (an adapter pulled out, a line hung up). The port
    // is closed when this is emitted, always from the event loop.
    void DeviceLost();

  private:
    QString Device() const;
    void OnReadyRead();
    void OnError(QSerialPort::SerialPortError error);
    void WaitUntilWritten();

    QSerialPort port_;
    int portNumber_ = 1;  // the port a fresh program opens when no number was ever chosen
    std::optional<PortName> fixed_;
    PortOpenError lastOpenError_ = PortOpenError::None;
    QString lastErrorText_;
    unsigned openings_ = 0;     // successful opens, to tell a lost device from a later one
    bool lossPending_ = false;  // a lost device waits to be closed
};

}  // namespace qv
