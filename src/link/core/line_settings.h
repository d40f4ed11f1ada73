// The programming cable's line: fixed settings, and the operating-system time-outs applied after
// a port is chosen from the menu.
#pragma once

namespace qv {

inline constexpr int kBaudRate = 9600;  // 8 data bits, no parity, 1 stop bit
inline constexpr int kReceiveBufferBytes = 1024;
inline constexpr int kTransmitBufferBytes = 512;

// Milliseconds, as the serial time-out record holds them.
struct CommTimeouts {
    unsigned ReadIntervalTimeout;
    unsigned ReadTotalTimeoutMultiplier;
    unsigned ReadTotalTimeoutConstant;
    unsigned WriteTotalTimeoutMultiplier;
    unsigned WriteTotalTimeoutConstant;
};

// The write constant allows the transmit buffer's time on the line (in whole seconds, which is
// none at 9600 baud) plus one second.
inline constexpr CommTimeouts kProgrammingTimeouts = {
    1, 1, 1, 1, (kTransmitBufferBytes / kBaudRate) * 10000 + 1000};

}  // namespace qv
