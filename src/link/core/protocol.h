// The programming protocol's constants, shared by the tool's transfer engine and the virtual
// radio. Frames carry radio addresses high byte first.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

namespace qv::protocol {

inline constexpr std::string_view kHandshake = "QV-PROG";  // 51 56 2D 50 52 4F 47
inline constexpr std::uint8_t kAck = 0x06;
inline constexpr std::uint8_t kRequestIdentification = 0x02;
inline constexpr std::uint8_t kEndOfProgramming = 0x45;  // "E"
inline constexpr std::uint8_t kReadCommand = 0x52;       // "R" a_hi a_lo 0x40
inline constexpr std::uint8_t kWriteCommand = 0x57;      // "W" a_hi a_lo len + data (both ways)

inline constexpr std::string_view kModel = "QV710";  // inside the 8-byte identification
inline constexpr std::size_t kIdentificationLength = 8;
inline constexpr std::size_t kIdentificationBandByte = 5;  // 0-based: the sixth byte

// The band byte's value is the band's identification byte (state/bands.h).

inline constexpr std::uint16_t kFirstAddress = 0x0010;  // image byte 0
inline constexpr std::uint16_t kReadEnd = 0x0600;       // reads run 0x0010..0x060F
inline constexpr std::size_t kReadBlockLength = 64;     // 24 blocks
inline constexpr std::size_t kReadImageLength = 1536;
inline constexpr std::uint16_t kWriteEnd = 0x0600;  // writes run 0x0010..0x05FF
inline constexpr std::size_t kWriteBlockLength = 16;
inline constexpr std::size_t kWriteFrameLength = 4 + kWriteBlockLength;
inline constexpr std::size_t kReadReplyLength = 4 + kReadBlockLength;

// The radio keeps its own values at these addresses: a write leaves out 0x0190..0x01B7 and
// 0x01C8..0x01FF always, and the calibration block 0x0180..0x018F unless calibration access is
// open. The block at 0x01B8 is the only one off the 16-byte grid.
inline constexpr std::uint16_t kCalibrationBlock = 0x0180;
inline constexpr std::uint16_t kAfterCalibrationBlock = 0x0190;
inline constexpr std::uint16_t kModelBlock = 0x01B8;
inline constexpr std::uint16_t kAfterModelBlock = 0x01C8;
inline constexpr std::uint16_t kAfterReservedArea = 0x0200;

// Size of the virtual radio's memory, from address 0.
inline constexpr std::size_t kRadioMemorySize = 0x0610;

}  // namespace qv::protocol
