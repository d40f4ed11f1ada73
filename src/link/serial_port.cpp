#include "link/serial_port.h"

#include <QFileInfo>
#include <QSerialPortInfo>
#include <QtGlobal>

#include <cstdlib>
#include <vector>

#include "link/port_mapping.h"

#ifdef Q_OS_WIN
#include <windows.h>
#else
#include <unistd.h>
#endif

namespace qv {

QString DeviceForComPort(int port) {
    PortLookup lookup;
    lookup.environment = [](const std::string& variable) -> std::optional<std::string> {
        const QByteArray value = qgetenv(variable.c_str());
        if (value.isEmpty()) return std::nullopt;
        return value.toStdString();
    };
#ifdef Q_OS_WIN
    lookup.windows = true;
#else
    for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts()) {
        lookup.devices.push_back(info.systemLocation().toStdString());
    }
#endif
    return QString::fromStdString(ResolveComPort(port, lookup));
}

SerialPort::SerialPort(QObject* parent) : QObject(parent) {
    connect(&port_, &QSerialPort::readyRead, this, &SerialPort::OnReadyRead);
    connect(&port_, &QSerialPort::errorOccurred, this, &SerialPort::OnError);
}

SerialPort::~SerialPort() {
    Close();
}

QString SerialPort::Device() const {
    return deviceOverride_.isEmpty() ? DeviceForComPort(portNumber_) : deviceOverride_;
}

void SerialPort::Reopen(int port) {
    Close();
    if (port >= 1 && port <= kPortCount) portNumber_ = port;
    lastOpenError_ = PortOpenError::None;
    lastErrorText_.clear();
    const QString device = Device();
    if (device.isEmpty()) {
        lastOpenError_ = PortOpenError::NotFound;
        lastErrorText_ = QStringLiteral("no serial device for COM%1").arg(portNumber_);
        return;
    }
    port_.setPortName(device);
    port_.setReadBufferSize(kReceiveBufferBytes);
    if (!port_.open(QIODevice::ReadWrite)) {
        lastErrorText_ = port_.errorString();
        switch (port_.error()) {
            case QSerialPort::DeviceNotFoundError:
                lastOpenError_ = PortOpenError::NotFound;
                break;
            case QSerialPort::PermissionError:
#ifdef Q_OS_WIN
                lastOpenError_ = PortOpenError::Busy;
#else
                // Qt reports a port locked by another program as a permission error too; only a
                // device this user may not open at all is a matter of permissions.
                lastOpenError_ = ::access(device.toLocal8Bit().constData(), R_OK | W_OK) == 0
                                     ? PortOpenError::Busy
                                     : PortOpenError::NoPermission;
#endif
                break;
            default:
                lastOpenError_ = PortOpenError::Busy;
                break;
        }
        return;
    }
    port_.setBaudRate(kBaudRate);
    port_.setDataBits(QSerialPort::Data8);
    port_.setParity(QSerialPort::NoParity);
    port_.setStopBits(QSerialPort::OneStop);
    port_.setFlowControl(QSerialPort::NoFlowControl);
}

void SerialPort::ApplyCommTimeouts(const CommTimeouts& timeouts) {
#ifdef Q_OS_WIN
    const auto handle = reinterpret_cast<HANDLE>(port_.handle());
    COMMTIMEOUTS record{};
    ::GetCommTimeouts(handle, &record);
    record.ReadIntervalTimeout = timeouts.ReadIntervalTimeout;
    record.ReadTotalTimeoutMultiplier = timeouts.ReadTotalTimeoutMultiplier;
    record.ReadTotalTimeoutConstant = timeouts.ReadTotalTimeoutConstant;
    record.WriteTotalTimeoutMultiplier = timeouts.WriteTotalTimeoutMultiplier;
    record.WriteTotalTimeoutConstant = timeouts.WriteTotalTimeoutConstant;
    ::SetCommTimeouts(handle, &record);
#else
    // The other systems keep no such record on a port: reads and writes here never block.
    (void)timeouts;
#endif
}

void SerialPort::Write(std::span<const std::uint8_t> bytes) {
    if (!port_.isOpen()) return;
    port_.write(reinterpret_cast<const char*>(bytes.data()), static_cast<qint64>(bytes.size()));
    // Straight to the line rather than at the next turn of the event loop: the radio is waiting.
    port_.flush();
}

void SerialPort::Close() {
    if (!port_.isOpen()) return;
    port_.flush();
    port_.close();
}

void SerialPort::OnReadyRead() {
    const QByteArray bytes = port_.readAll();
    if (!bytes.isEmpty()) emit BytesReceived(bytes);
}

void SerialPort::OnError(QSerialPort::SerialPortError error) {
    if (error != QSerialPort::ResourceError || !port_.isOpen()) return;
    // The device is gone; a closed port stops the notifier from firing on a dead descriptor.
    port_.close();
}

}  // namespace qv
