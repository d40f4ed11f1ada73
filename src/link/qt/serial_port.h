// The programming cable's serial port on QSerialPort: 9600 baud, 8N1, raw bytes, one notification
// per batch of received bytes.
#pragma once

#include <QByteArray>
#include <QObject>
#include <QSerialPort>
#include <QString>

#include <cstdint>
#include <span>
#include <string>

#include "link/core/port_choice.h"

namespace qv {

// The device of COM`port` on this system (see ResolveComPort); empty when there is none.
QString DeviceForComPort(int port);

class SerialPort : public QObject, public PortControl {
    Q_OBJECT

  public:
    explicit SerialPort(QObject* parent = nullptr);
    ~SerialPort() override;

    // A device used instead of the port number's (the command line's --port /dev/...).
    void SetDeviceOverride(const QString& device) { deviceOverride_ = device; }

    void Reopen(int port) override;
    bool IsOpen() const override { return port_.isOpen(); }
    PortOpenError LastOpenError() const override { return lastOpenError_; }
    std::string DeviceName() const override { return Device().toStdString(); }
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
    QString deviceOverride_;
    PortOpenError lastOpenError_ = PortOpenError::None;
    QString lastErrorText_;
    unsigned openings_ = 0;     // successful opens, to tell a lost device from a later one
    bool lossPending_ = false;  // a lost device waits to be closed
};

}  // namespace qv
