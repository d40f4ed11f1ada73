#include "link/qt/transfer_driver.h"

#include "image/image_codec.h"
#include "rules/channels/band_rules.h"
#include "rules/program/decode_image.h"

namespace qv {

TransferDriver::TransferDriver(ProgramState& state, Host& host, SerialPort& port,
                               TransferView& view, QObject* parent)
    : QObject(parent), state_(state), host_(host), port_(port), view_(view) {
    timer1_.setInterval(kWatchdogMs);
    timer2_.setInterval(kBlinkMs);
    connect(&timer1_, &QTimer::timeout, this, [this] { engine_.OnTimer1Tick(); });
    connect(&timer2_, &QTimer::timeout, this, [this] { engine_.OnTimer2Tick(); });
    connect(&port_, &SerialPort::BytesReceived, this, [this](const QByteArray& bytes) {
        engine_.OnBytesReceived(std::span(reinterpret_cast<const std::uint8_t*>(bytes.constData()),
                                          static_cast<std::size_t>(bytes.size())));
    });
    connect(&port_, &SerialPort::DeviceLost, this, [this] { engine_.OnPortLost(); });
}

void TransferDriver::OpenCom() {
    port_.Reopen(state_.CommPortNumber);
}

void TransferDriver::SetTimer1Running(bool running) {
    if (running) {
        timer1_.start();
    } else {
        timer1_.stop();
    }
}

void TransferDriver::SetTimer2Running(bool running) {
    if (running) {
        timer2_.start();
    } else {
        timer2_.stop();
    }
}

ImageBytes TransferDriver::EncodeImage() {
    if (imageToWrite_) return *imageToWrite_;
    return qv::EncodeImage(state_);
}

bool TransferDriver::DecodeImage(std::span<const std::uint8_t> image) {
    if (!qv::DecodeImage(image, state_, host_).ok()) return false;
    StateChanged(kDecodedImageChanges);
    return true;
}

void TransferDriver::SelectBand(int position) {
    StateChanged(ForceBand(state_, host_, position));
}

void TransferDriver::StateChanged(Changes changes) {
    if (stateChanged_ && !changes.Empty()) stateChanged_(changes);
}

void TransferDriver::SetTransferControlsEnabled(bool enabled) {
    view_.SetTransferControlsEnabled(enabled);
}

void TransferDriver::EnableBandFrameAndFocus() {
    state_.Frame1Enabled = true;
    StateChanged(StatePart::Lock);
    view_.EnableBandFrameAndFocus();
}

}  // namespace qv
