// The engine wired to a recording host and to a scripted radio that answers every frame the way
// a healthy radio does, unless a test puts another reply in its place.
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "link/core/recording_link_host.h"
#include "link/core/transfer_engine.h"

namespace qv::test {

inline const Bytes kAck = {0x06};
inline const Bytes kRequestIdentification = {0x02};
inline const Bytes kEnd = {0x45};

inline Bytes AsciiBytes(std::string_view text) {
    return Bytes(text.begin(), text.end());
}
inline const Bytes kHandshake = AsciiBytes("QV-PROG");

inline Bytes Concat(Bytes head, const Bytes& tail) {
    head.insert(head.end(), tail.begin(), tail.end());
    return head;
}

// "QV710", the band byte, two more bytes.
inline Bytes Identification(std::uint8_t bandByte = 33) {
    return Concat(AsciiBytes("QV710"), {bandByte, 0x00, 0x00});
}

inline std::uint8_t High(int address) {
    return static_cast<std::uint8_t>(address >> 8);
}
inline std::uint8_t Low(int address) {
    return static_cast<std::uint8_t>(address & 0xFF);
}

inline Bytes ReadRequest(int address) {
    return {'R', High(address), Low(address), 0x40};
}

// The 64 bytes the scripted radio holds at `address`, different for every block.
inline Bytes RadioData(int address) {
    Bytes data;
    for (int i = 0; i < 64; ++i) {
        data.push_back(static_cast<std::uint8_t>((address + i) ^ (address >> 4)));
    }
    return data;
}

inline Bytes ReadBlock(int address) {
    return Concat({'W', High(address), Low(address), 0x40}, RadioData(address));
}

// The frame that writes the fixed image's bytes for `address` onward.
inline Bytes WriteFrame(int address) {
    Bytes frame = {'W', High(address), Low(address), 0x10};
    for (int i = 0; i < 16; ++i) frame.push_back(FixedImageByte(address - 0x10 + i));
    return frame;
}

inline std::vector<int> ReadAddresses() {
    std::vector<int> addresses;
    for (int address = 0x0010; address < 0x0600; address += 0x40) addresses.push_back(address);
    return addresses;
}

struct LinkRig {
    RecordingLinkHost host;
    TransferEngine engine{host};
    std::uint8_t radioBandByte = 33;
    std::size_t replyPieceLength = 0;           // 0: every reply in one piece
    std::map<std::string, Bytes> replyInstead;  // by Hex(frame); an empty reply is silence
    std::size_t answered = 0;

    Bytes RadioReplyTo(const Bytes& frame) const {
        if (const auto replaced = replyInstead.find(Hex(frame)); replaced != replyInstead.end()) {
            return replaced->second;
        }
        if (frame == kHandshake) return kAck;
        if (frame == kRequestIdentification) return Identification(radioBandByte);
        if (frame == kAck) return kAck;
        if (frame.size() == 4 && frame[0] == 'R') return ReadBlock(frame[1] * 256 + frame[2]);
        if (frame.size() == 20 && frame[0] == 'W') return kAck;
        return {};
    }

    void Receive(const Bytes& bytes) {
        const std::size_t piece = replyPieceLength == 0 ? bytes.size() : replyPieceLength;
        for (std::size_t at = 0; at < bytes.size(); at += piece) {
            const std::size_t end = std::min(bytes.size(), at + piece);
            engine.OnBytesReceived(std::span(bytes).subspan(at, end - at));
        }
    }

    // Lets the radio answer every frame written so far, and the frames those answers bring,
    // until the engine stops writing.
    void RunRadio() {
        while (answered < host.writes.size()) Receive(RadioReplyTo(host.writes[answered++]));
    }

    // Forgets the frames written so far, so that RunRadio answers only later ones.
    void IgnoreWrittenFrames() { answered = host.writes.size(); }

    void TickTimer1(int ticks) {
        for (int i = 0; i < ticks; ++i) engine.OnTimer1Tick();
    }
    void TickTimer2(int ticks) {
        for (int i = 0; i < ticks; ++i) engine.OnTimer2Tick();
    }
};

}  // namespace qv::test
