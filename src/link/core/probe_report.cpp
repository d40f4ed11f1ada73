#include "link/core/probe_report.h"

#include <cstdio>
#include <utility>

#include "i18n/detect_texts.h"
#include "link/core/protocol.h"
#include "state/bands.h"

namespace qv {
namespace {

std::string HexByte(std::uint8_t byte) {
    char text[8];
    std::snprintf(text, sizeof text, "%02x", byte);
    return text;
}

}  // namespace

std::string PrintableBytes(std::span<const std::uint8_t> bytes) {
    std::string text;
    for (const std::uint8_t byte : bytes) {
        if (byte == '\\') {
            text += "\\\\";
        } else if (byte >= 0x20 && byte < 0x7F) {
            text += static_cast<char>(byte);
        } else {
            text += "\\x" + HexByte(byte);
        }
    }
    return text;
}

std::string ProbeAnswerText(const ProbeResult& probe, const PortName& port, Language language) {
    switch (probe.answer) {
        case ProbeAnswer::ThisModel:
            if (probe.band)
                return DetectText(DetectTextId::ThisModel, language,
                                  {BandAt(*probe.band).listText});
            return DetectText(
                DetectTextId::ThisModelUnknownBand, language,
                {"0x" + HexByte(probe.received.size() > protocol::kIdentificationBandByte
                                    ? probe.received[protocol::kIdentificationBandByte]
                                    : 0)});
        case ProbeAnswer::OtherModel:
            return DetectText(DetectTextId::OtherModel, language, {PrintableBytes(probe.received)});
        case ProbeAnswer::Nothing:
            if (!probe.received.empty()) {
                return DetectText(DetectTextId::NoAnswerButBytes, language,
                                  {PrintableBytes(probe.received)});
            }
            return DetectText(
                probe.acknowledged ? DetectTextId::NoIdentification : DetectTextId::NothingAnswered,
                language);
        case ProbeAnswer::PortNotOpen:
            return PortOpenMessage(probe.portError, port, language);
        case ProbeAnswer::PortLost:
            return DetectText(DetectTextId::DeviceLost, language);
    }
    return {};
}

std::string ProbeReportLine(const ProbeResult& probe, const PortName& port, Language language) {
    const std::string answer =
        probe.answer == ProbeAnswer::PortNotOpen
            ? PortOpenMessage(probe.portError, port, language, probe.diagnosis)
            : ProbeAnswerText(probe, port, language);
    return DetectText(DetectTextId::PortAnswer, language, {PortLabel(port), answer});
}

std::string PortStatusText(const ProbeResult& answer, const PortName& port, Language language) {
    static constexpr std::pair<PortOpenError, DetectTextId> kNotOpen[] = {
        {PortOpenError::None, DetectTextId::StatusHeld},
        {PortOpenError::Busy, DetectTextId::StatusHeld},
        {PortOpenError::NoPermission, DetectTextId::StatusNoPermission},
        {PortOpenError::NotFound, DetectTextId::StatusNoSuchDevice},
        {PortOpenError::NotSerial, DetectTextId::StatusNotSerial},
    };
    std::string text;
    switch (answer.answer) {
        case ProbeAnswer::ThisModel:
            text = ProbeAnswerText(answer, port, language);
            break;
        case ProbeAnswer::OtherModel:
            text = DetectText(DetectTextId::OtherModelShort, language);
            break;
        case ProbeAnswer::Nothing:
            text = DetectText(answer.acknowledged ? DetectTextId::NoIdentification
                                                  : DetectTextId::NothingAnswered,
                              language);
            break;
        case ProbeAnswer::PortNotOpen:
            for (const auto& [error, id] : kNotOpen) {
                if (error == answer.portError) text = DetectText(id, language);
            }
            break;
        case ProbeAnswer::PortLost:
            text = DetectText(DetectTextId::StatusDeviceGone, language);
            break;
    }
    return DetectText(DetectTextId::PortAnswer, language, {PortShortName(port), text});
}

}  // namespace qv
