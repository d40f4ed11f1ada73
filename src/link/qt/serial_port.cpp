#include "link/qt/serial_port.h"

#include <QDeadlineTimer>
#include <QFileInfo>
#include <QSerialPortInfo>
#include <QtGlobal>

#include <chrono>
#include <cstdlib>
#include <thread>
#include <vector>

#include "link/core/port_diagnosis.h"
#include "link/core/port_mapping.h"
#include "link/core/serial_devices.h"

#ifdef Q_OS_WIN
#include <windows.h>
#else
#include <poll.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <termios.h>
#include <unistd.h>
#endif

namespace qv {
namespace {

// Bounds the wait for written bytes when the port closes. The tool's last frame is one byte, a
// millisecond at 9600 baud; a device that takes nothing in this time takes nothing more.
constexpr int kCloseWaitMs = 500;

#ifndef Q_OS_WIN
bool IsCharacterDevice(const QString& device) {
    struct stat info {};
    return ::stat(device.toLocal8Bit().constData(), &info) == 0 && S_ISCHR(info.st_mode);
}

// The far end of the line has gone: the descriptor reports a hang-up or an error.
bool HungUp(int handle) {
    pollfd line = {handle, POLLIN, 0};
    return ::poll(&line, 1, 0) > 0 && (line.revents & (POLLHUP | POLLERR | POLLNVAL)) != 0;
}
#endif

PortOpenError OpenErrorOf(QSerialPort::SerialPortError error,
                          [[maybe_unused]] const QString& device) {
    switch (error) {
        case QSerialPort::DeviceNotFoundError:
            return PortOpenError::NotFound;
        case QSerialPort::PermissionError:
#ifdef Q_OS_WIN
            return PortOpenError::Busy;
#else
            // Qt reports a port locked by another program as a permission error too; only a
            // device this user may not open at all is a matter of permissions.
            return ::access(device.toLocal8Bit().constData(), R_OK | W_OK) == 0
                       ? PortOpenError::Busy
                       : PortOpenError::NoPermission;
#endif
        case QSerialPort::UnsupportedOperationError:
            // The device opened but refused the line settings: a file, /dev/null, ...
            return PortOpenError::NotSerial;
        default:
#ifdef Q_OS_WIN
            return PortOpenError::Busy;
#else
            return IsCharacterDevice(device) ? PortOpenError::Busy : PortOpenError::NotSerial;
#endif
    }
}

}  // namespace

SystemRoots SystemInUse() {
    const QByteArray root = qgetenv("QV7100_SYSTEM_ROOT");
    return root.isEmpty() ? SystemRoots{} : SystemRoots::Under(root.toStdString());
}

PortLookup SystemPortLookup(const SystemRoots& roots) {
    PortLookup lookup;
    lookup.environment =
        [dev = roots.dev](const std::string& variable) -> std::optional<std::string> {
        const QByteArray value = qgetenv(variable.c_str());
        if (value.isEmpty()) return std::nullopt;
        return DevicePathOfName(value.toStdString(), dev);
    };
#if defined(Q_OS_WIN)
    lookup.windows = true;
#elif defined(Q_OS_LINUX)
    // The list `qv7100-cli ports` shows, so that its COM numbers are the ones a read opens.
    for (const SerialDevice& device : ListSerialDevices(roots)) {
        lookup.devices.push_back(device.device);
    }
#else
    for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts()) {
        lookup.devices.push_back(info.systemLocation().toStdString());
    }
#endif
    return lookup;
}

QString DeviceForComPort(int port, const SystemRoots& roots) {
    return QString::fromStdString(ResolveComPort(port, SystemPortLookup(roots)));
}

PortName ResolvePortText(const std::string& text, const SystemRoots& roots) {
    if (const std::optional<int> number = ComPortNumber(text)) {
        return {*number, DeviceForComPort(*number, roots).toStdString()};
    }
    return {0, DevicePathOfName(text, roots.dev)};
}

SerialPort::SerialPort(QObject* parent) : QObject(parent) {
    connect(&port_, &QSerialPort::readyRead, this, &SerialPort::OnReadyRead);
    connect(&port_, &QSerialPort::errorOccurred, this, &SerialPort::OnError);
}

SerialPort::~SerialPort() {
    Close();
}

QString SerialPort::Device() const {
    return fixed_ ? QString::fromStdString(fixed_->device) : DeviceForComPort(portNumber_);
}

PortName SerialPort::Name() const {
    return fixed_ ? *fixed_ : PortName{portNumber_, DeviceName()};
}

PortDiagnosis SerialPort::Diagnose() const {
    const SystemRoots roots = SystemInUse();
    const std::optional<SerialDevice> device = DescribeSerialDevice(DeviceName(), roots);
    return device ? DiagnosePort(*device, roots) : PortDiagnosis{};
}

PortName SerialPort::Resolve(int number) const {
    if (fixed_) return *fixed_;
    const int port = number >= 1 && number <= kPortCount ? number : portNumber_;
    return {port, DeviceForComPort(port).toStdString()};
}

void SerialPort::Reopen(int port) {
    Close();
    if (port >= 1 && port <= kPortCount) portNumber_ = port;
    lastOpenError_ = PortOpenError::None;
    lastErrorText_.clear();
    const QString device = Device();
    if (device.isEmpty()) {
        lastOpenError_ = PortOpenError::NotFound;
        lastErrorText_ = QStringLiteral("no serial device for %1")
                             .arg(QString::fromStdString(PortLabel(Name())));
        return;
    }
    port_.setPortName(device);
    port_.setReadBufferSize(kReceiveBufferBytes);
    if (!port_.open(QIODevice::ReadWrite)) {
        lastErrorText_ = port_.errorString();
        lastOpenError_ = OpenErrorOf(port_.error(), device);
        return;
    }
    ++openings_;
    lossPending_ = false;
    port_.setBaudRate(kBaudRate);
    port_.setDataBits(QSerialPort::Data8);
    port_.setParity(QSerialPort::NoParity);
    port_.setStopBits(QSerialPort::OneStop);
    port_.setFlowControl(QSerialPort::NoFlowControl);
    // Bytes that waited on the line (a late reply to a transfer that gave up) would be taken for
    // the radio's answer to the next handshake.
    port_.clear(QSerialPort::Input);
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
    WaitUntilWritten();
    port_.close();
}

void SerialPort::WaitUntilWritten() {
    const QDeadlineTimer deadline(kCloseWaitMs);
    // What QSerialPort still holds goes to the system first...
    while (port_.bytesToWrite() > 0 && !deadline.hasExpired()) {
        if (!port_.waitForBytesWritten(static_cast<int>(deadline.remainingTime()))) break;
    }
#ifndef Q_OS_WIN
    // ...then the system's queue to the line. tcdrain could wait for ever on a device that takes
    // nothing more, so it only comes once that queue is empty; bytes still queued at the deadline
    // are dropped, or closing would wait for them in turn.
    const int line = port_.handle();
    for (;;) {
        int queued = 0;
        if (::ioctl(line, TIOCOUTQ, &queued) != 0) return;  // the device is gone
        if (queued == 0) {
            ::tcdrain(line);
            return;
        }
        if (deadline.hasExpired()) {
            ::tcflush(line, TCOFLUSH);
            return;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
#endif
}

void SerialPort::OnReadyRead() {
    const QByteArray bytes = port_.readAll();
    if (!bytes.isEmpty()) emit BytesReceived(bytes);
}

void SerialPort::OnError(QSerialPort::SerialPortError error) {
    if (!port_.isOpen() || lossPending_) return;
    // An unplugged adapter may come as a resource error; a hung-up line (a pseudo-terminal whose
    // far end closed, a USB adapter on Linux) comes as failing reads and writes on a descriptor
    // that reports the hang-up, again and again until the port is closed.
    bool gone = error == QSerialPort::ResourceError;
#ifndef Q_OS_WIN
    gone = gone || ((error == QSerialPort::ReadError || error == QSerialPort::WriteError) &&
                    HungUp(port_.handle()));
#endif
    if (!gone) return;
    // Closed from the event loop: closing inside QSerialPort's notification would delete the
    // notifier that is calling. A port opened again meanwhile is left alone.
    lossPending_ = true;
    QMetaObject::invokeMethod(
        this,
        [this, opening = openings_] {
            if (opening != openings_ || !port_.isOpen()) return;
            lossPending_ = false;
            port_.close();
            emit DeviceLost();
        },
        Qt::QueuedConnection);
}

}  // namespace qv
