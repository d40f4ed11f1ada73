#include "sim/virtual_radio.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <stdexcept>
#include <string>
#include <vector>

namespace qv {
namespace {

using Bytes = std::vector<std::uint8_t>;
using Kind = RadioFaultKind;

const Bytes kHello = {'Q', 'V', '-', 'P', 'R', 'O', 'G'};

Bytes operator+(Bytes a, const Bytes& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

Bytes ReadRequest(std::uint16_t address) {
    return {'R', static_cast<std::uint8_t>(address >> 8), static_cast<std::uint8_t>(address), 0x40};
}

Bytes WriteFrame(std::uint16_t address, const Bytes& data) {
    Bytes frame = {'W', static_cast<std::uint8_t>(address >> 8), static_cast<std::uint8_t>(address),
                   static_cast<std::uint8_t>(data.size())};
    return frame + data;
}

// What a tool sends for a read of the first `blocks` blocks.
Bytes ReadSession(int blocks) {
    Bytes wire = kHello + Bytes{0x02, 0x06};
    for (int i = 0; i < blocks; ++i) {
        wire = wire + ReadRequest(static_cast<std::uint16_t>(0x0010 + 64 * i)) + Bytes{0x06};
    }
    return wire + Bytes{0x45};
}

Bytes Filled(std::size_t n, std::uint8_t seed) {
    Bytes data(n);
    for (std::size_t i = 0; i < n; ++i) data[i] = static_cast<std::uint8_t>(seed + 7 * i);
    return data;
}

// What a tool sends for a write of `addresses`, 16 bytes each.
Bytes WriteSession(const std::vector<std::uint16_t>& addresses) {
    Bytes wire = kHello + Bytes{0x02, 0x06};
    for (const std::uint16_t a : addresses) wire = wire + WriteFrame(a, Filled(16, 0x80));
    return wire + Bytes{0x45};
}

Bytes Replies(const std::vector<RadioReply>& replies) {
    Bytes all;
    for (const RadioReply& r : replies) all = all + r.bytes;
    return all;
}

std::string Hex(const Bytes& bytes) {
    std::string text;
    for (const std::uint8_t b : bytes) {
        char digits[3];
        std::snprintf(digits, sizeof digits, "%02X", b);
        text += digits;
    }
    return text;
}

// One reply in a few characters: "06", "QV710/8/33" (model, length, band byte), "W0050" (a read
// block by the address it names), with "|split" and "|hangup" for the delivery flags.
std::string Summary(const RadioReply& reply) {
    const Bytes& b = reply.bytes;
    std::string text;
    if (b.size() == 68 && b[0] == 'W') {
        text = "W" + Hex({b[1], b[2]});
    } else if (b.size() >= 6 && b[0] == 'Q') {
        text = std::string(b.begin(), b.begin() + 5) + "/" + std::to_string(b.size()) + "/" +
               std::to_string(b[5]);
    } else {
        text = Hex(b);
    }
    if (reply.byteByByte) text += "|split";
    if (reply.hangUpAfter) text += "|hangup";
    return text;
}

std::vector<std::string> Summaries(const std::vector<RadioReply>& replies) {
    std::vector<std::string> texts;
    for (const RadioReply& r : replies) texts.push_back(Summary(r));
    return texts;
}

// The addresses the tool writes, leaving out what the radio keeps for itself.
std::vector<std::uint16_t> FullWriteAddresses() {
    std::vector<std::uint16_t> addresses;
    for (std::uint16_t a = 0x0010; a < 0x0600; a += 16) {
        if (a == 0x0180) {
            addresses.push_back(0x01B8);
            a = 0x01F0;
            continue;
        }
        addresses.push_back(a);
    }
    return addresses;
}

TEST(VirtualRadio, ServesAWholeRead) {
    const Bytes image = Filled(1536, 0x11);
    VirtualRadio radio(image, 2);

    const std::vector<RadioReply> replies = radio.Receive(ReadSession(24));

    ASSERT_EQ(replies.size(), 3u + 2 * 24);
    EXPECT_EQ(replies[0].bytes, Bytes{0x06});
    EXPECT_EQ(replies[1].bytes, (Bytes{'Q', 'V', '7', '1', '0', 43, 0x01, 0x00}));
    EXPECT_EQ(replies[2].bytes, Bytes{0x06});
    for (std::size_t i = 0; i < 24; ++i) {
        SCOPED_TRACE(i);
        const std::uint16_t address = static_cast<std::uint16_t>(0x0010 + 64 * i);
        const Bytes expected = Bytes{'W', static_cast<std::uint8_t>(address >> 8),
                                     static_cast<std::uint8_t>(address), 0x40} +
                               Bytes(image.begin() + 64 * i, image.begin() + 64 * (i + 1));
        EXPECT_EQ(replies[3 + 2 * i].bytes, expected);
        EXPECT_EQ(replies[3 + 2 * i].frameLength, 4u);
        EXPECT_EQ(replies[4 + 2 * i].bytes, Bytes{0x06});
    }
    const RadioRecord& record = radio.Record();
    EXPECT_EQ(record.sessions, 1);
    EXPECT_EQ(record.endsReceived, 1);
    ASSERT_EQ(record.blocksRead.size(), 24u);
    EXPECT_EQ(record.blocksRead.front(), 0x0010);
    EXPECT_EQ(record.blocksRead.back(), 0x05D0);
    EXPECT_TRUE(record.blocksWritten.empty());
    EXPECT_FALSE(record.hungUp);
}

TEST(VirtualRadio, StoresAWholeWriteAndKeepsWhatIsLeftOut) {
    const Bytes image = Filled(1520, 0x33);
    VirtualRadio radio(image, 0);
    const std::vector<std::uint16_t> addresses = FullWriteAddresses();
    ASSERT_EQ(addresses.size(), 88u);

    const std::vector<RadioReply> replies = radio.Receive(WriteSession(addresses));

    ASSERT_EQ(replies.size(), 3u + 88);
    for (std::size_t i = 3; i < replies.size(); ++i) {
        EXPECT_EQ(replies[i].bytes, Bytes{0x06});
        EXPECT_EQ(replies[i].frameLength, 20u);
    }
    const RadioRecord& record = radio.Record();
    EXPECT_EQ(record.blocksWritten, addresses);
    EXPECT_EQ(record.endsReceived, 1);
    const Bytes written = Filled(16, 0x80);
    for (std::size_t a = 0; a < record.memory.size(); ++a) {
        const bool leftOut =
            a < 0x0010 || (a >= 0x0180 && a < 0x01B8) || (a >= 0x01C8 && a < 0x0200) || a >= 0x0600;
        const std::uint8_t before = a < 0x0010 || a >= 0x0600 ? 0xFF : image[a - 0x0010];
        const std::size_t inBlock = a >= 0x01B8 && a < 0x01C8 ? a - 0x01B8 : a % 16;
        const std::uint8_t expected = leftOut ? before : written[inBlock];
        ASSERT_EQ(record.memory[a], expected) << "address " << a;
    }
    EXPECT_EQ(record.ImagePart().size(), 1520u);
    EXPECT_EQ(record.ImagePart()[0x0180 - 0x0010], image[0x0180 - 0x0010]);
}

TEST(VirtualRadio, PlacesTheImageFromTheFirstAddress) {
    struct Case {
        std::size_t imageLength;
        std::size_t lastImageAddress;  // past the end
    };
    const Case cases[] = {{1520, 0x0600}, {1536, 0x0610}, {2000, 0x0610}, {0, 0x0010}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.imageLength);
        const Bytes image = Filled(c.imageLength, 0x05);
        const VirtualRadio radio(image, 5);
        const auto& memory = radio.Record().memory;
        for (std::size_t a = 0; a < memory.size(); ++a) {
            const bool inImage = a >= 0x0010 && a < c.lastImageAddress;
            ASSERT_EQ(memory[a], inImage ? image[a - 0x0010] : 0xFF) << "address " << a;
        }
    }
}

TEST(VirtualRadio, RejectsBandOutsideTheList) {
    for (const int band : {-1, 6}) EXPECT_THROW(VirtualRadio({}, band), std::invalid_argument);
}

TEST(VirtualRadio, ReadsAndWritesStopAtTheEndOfMemory) {
    VirtualRadio radio(Filled(1536, 0x01), 0);
    radio.Receive(kHello);

    const auto read = radio.Receive(ReadRequest(0x05F0));
    ASSERT_EQ(read.size(), 1u);
    ASSERT_EQ(read[0].bytes.size(), 68u);
    EXPECT_EQ(Bytes(read[0].bytes.begin() + 4, read[0].bytes.begin() + 36),
              Bytes(radio.Record().memory.begin() + 0x05F0, radio.Record().memory.end()));
    EXPECT_EQ(Bytes(read[0].bytes.begin() + 36, read[0].bytes.end()), Bytes(32, 0xFF));

    EXPECT_EQ(Replies(radio.Receive(WriteFrame(0x0608, Filled(16, 0x40)))), Bytes{0x06});
    const auto& memory = radio.Record().memory;
    EXPECT_EQ(Bytes(memory.begin() + 0x0608, memory.end()), Filled(8, 0x40));
}

// The tool writes a frame byte by byte, and the line may cut anywhere: the radio answers the same
// however the bytes come.
TEST(VirtualRadio, AnswersTheSameWhateverThePieces) {
    const Bytes wire = ReadSession(3) + WriteSession({0x0010, 0x01B8});
    VirtualRadio whole(Filled(1536, 0x22), 1);
    const std::vector<RadioReply> expected = whole.Receive(wire);

    for (const std::size_t piece : {1u, 2u, 3u, 5u, 19u, 21u}) {
        SCOPED_TRACE(piece);
        VirtualRadio radio(Filled(1536, 0x22), 1);
        std::vector<RadioReply> replies;
        for (std::size_t at = 0; at < wire.size(); at += piece) {
            const std::size_t n = std::min(piece, wire.size() - at);
            for (RadioReply& r : radio.Receive(std::span(wire).subspan(at, n))) {
                replies.push_back(std::move(r));
            }
        }
        EXPECT_EQ(Summaries(replies), Summaries(expected));
        EXPECT_EQ(Replies(replies), Replies(expected));
        EXPECT_EQ(radio.Record().memory, whole.Record().memory);
        EXPECT_EQ(radio.Record().blocksRead, whole.Record().blocksRead);
        EXPECT_EQ(radio.Record().blocksWritten, whole.Record().blocksWritten);
        EXPECT_EQ(radio.Record().received, wire);
    }
}

// The transcript holds every byte the tool sent, whatever the radio made of it, up to a dead line.
TEST(VirtualRadio, RecordsEveryByteFromTheTool) {
    const struct {
        const char* name;
        RadioFault fault;
        Bytes wire;
        Bytes received;
    } cases[] = {
        {"a probe", {}, kHello + Bytes{0x02, 0x45}, kHello + Bytes{0x02, 0x45}},
        {"noise and commands outside a session",
         {},
         Bytes{0x00, 0x02} + kHello + Bytes{0x45, 0x06},
         Bytes{0x00, 0x02} + kHello + Bytes{0x45, 0x06}},
        {"a silent radio", {Kind::Silent, 0}, ReadSession(1), ReadSession(1)},
        {"a line that went dead",
         {Kind::CablePulled, 1},
         ReadSession(2) + kHello,
         kHello + Bytes{0x02, 0x06} + ReadRequest(0x0010)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        VirtualRadio radio({}, 0, c.fault);
        radio.Receive(c.wire);
        EXPECT_EQ(Hex(radio.Record().received), Hex(c.received));
    }
}

TEST(VirtualRadio, HoldsAnUnfinishedFrame) {
    VirtualRadio radio(Filled(1536, 0x22), 1);
    EXPECT_FALSE(radio.MidFrame());
    EXPECT_TRUE(radio.Receive(Bytes{'Q', 'V'}).empty());
    EXPECT_TRUE(radio.MidFrame());
    radio.Receive(Bytes{'-', 'P', 'R', 'O', 'G'});
    EXPECT_FALSE(radio.MidFrame());
    EXPECT_TRUE(radio.Receive(Bytes{'W', 0x00, 0x10, 0x10, 0xAA}).empty());
    EXPECT_TRUE(radio.MidFrame());
}

// Outside a session only a handshake is heard; whatever else comes is dropped, and the radio
// picks up at the next handshake.
TEST(VirtualRadio, FindsTheNextHandshake) {
    struct Case {
        const char* name;
        Bytes wire;
        std::string replies;  // hexadecimal
        int sessions;
    };
    const Bytes identification = {'Q', 'V', '7', '1', '0', 63, 0x01, 0x00};
    const Case cases[] = {
        {"noise before", Bytes{0x00, 0xFF, 'x'} + kHello, "06", 1},
        {"handshake cut short", Bytes{'Q', 'V', '-', 'P'} + kHello, "06", 1},
        {"handshake restarted",
         Bytes{'Q', 'V', '-', 'P', 'R', 'O', 'Q', 'V', '-', 'P', 'R', 'O', 'G'}, "06", 1},
        {"doubled first letter", Bytes{'Q'} + kHello, "06", 1},
        {"commands without a session", Bytes{0x02, 0x06} + ReadRequest(0x0010), "", 0},
        {"session ended", kHello + Bytes{0x45, 0x02, 0x06}, "06", 1},
        {"noise inside a session", kHello + Bytes{0x33, 0x00, 0x02}, "06" + Hex(identification), 1},
        {"handshake inside a session", kHello + Bytes{0x02} + kHello,
         "06" + Hex(identification) + "06", 2},
        {"lower case", Bytes{'q', 'v', '-', 'p', 'r', 'o', 'g'}, "", 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        VirtualRadio radio({}, 3);
        EXPECT_EQ(Hex(Replies(radio.Receive(c.wire))), c.replies);
        EXPECT_EQ(radio.Record().sessions, c.sessions);
    }
}

TEST(VirtualRadio, FaultsShapeTheReplies) {
    struct Case {
        RadioFault fault;
        Bytes wire;
        std::vector<std::string> replies;
    };
    const std::vector<std::uint16_t> three = {0x0010, 0x0020, 0x0030};
    const Case cases[] = {
        {{Kind::None, 0},
         ReadSession(3),
         {"06", "QV710/8/33", "06", "W0010", "06", "W0050", "06", "W0090", "06"}},
        {{Kind::None, 0}, WriteSession(three), {"06", "QV710/8/33", "06", "06", "06", "06"}},
        {{Kind::Silent, 0}, ReadSession(3) + WriteSession(three), {}},
        {{Kind::WrongModel, 0}, ReadSession(0), {"06", "QV711/8/33", "06"}},
        {{Kind::WrongIdentificationLength, 0}, ReadSession(0), {"06", "QV710/9/33", "06"}},
        {{Kind::NoReplyToBlock, 2},
         ReadSession(3),
         {"06", "QV710/8/33", "06", "W0010", "06", "06", "W0090", "06"}},
        {{Kind::NoReplyToBlock, 2}, WriteSession(three), {"06", "QV710/8/33", "06", "06", "06"}},
        // Block numbers count again from 1 in each session.
        {{Kind::NoReplyToBlock, 1},
         ReadSession(1) + ReadSession(1),
         {"06", "QV710/8/33", "06", "06", "06", "QV710/8/33", "06", "06"}},
        {{Kind::WrongAddressForBlock, 2},
         ReadSession(3),
         {"06", "QV710/8/33", "06", "W0010", "06", "W0090", "06", "W0090", "06"}},
        {{Kind::WrongAddressForBlock, 2},
         WriteSession(three),
         {"06", "QV710/8/33", "06", "06", "15", "06"}},
        {{Kind::GarbageAfterAck, 0}, ReadSession(1), {"0600", "QV710/8/33", "06", "W0010", "06"}},
        {{Kind::GarbageAfterAck, 2},
         ReadSession(3),
         {"06", "QV710/8/33", "06", "W0010", "06", "W0050", "0600", "W0090", "06"}},
        {{Kind::GarbageAfterAck, 2},
         WriteSession(three),
         {"06", "QV710/8/33", "06", "06", "0600", "06"}},
        {{Kind::SplitReplies, 0},
         ReadSession(1),
         {"06|split", "QV710/8/33|split", "06|split", "W0010|split", "06|split"}},
        // Nothing is heard once the line is dead, not even a new handshake.
        {{Kind::CablePulled, 2},
         ReadSession(3) + ReadSession(1),
         {"06", "QV710/8/33", "06", "W0010", "06", "W0050|hangup"}},
        {{Kind::CablePulled, 2},
         WriteSession(three) + ReadSession(1),
         {"06", "QV710/8/33", "06", "06", "06|hangup"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(RadioFaultName(c.fault));
        VirtualRadio radio({}, 0, c.fault);
        EXPECT_EQ(Summaries(radio.Receive(c.wire)), c.replies);
        const bool pulled = c.fault.kind == Kind::CablePulled;
        EXPECT_EQ(radio.Record().hungUp, pulled);
        EXPECT_EQ(radio.Record().endsReceived, pulled ? 0 : radio.Record().sessions);
    }
}

// A block the radio does not acknowledge is not stored, though it was heard.
TEST(VirtualRadio, KeepsMemoryOfRefusedWrites) {
    for (const RadioFault fault :
         {RadioFault{Kind::NoReplyToBlock, 1}, RadioFault{Kind::WrongAddressForBlock, 1}}) {
        SCOPED_TRACE(RadioFaultName(fault));
        VirtualRadio radio(Filled(1520, 0x44), 0, fault);
        const auto before = radio.Record().memory;
        radio.Receive(WriteSession({0x0010, 0x0020}));
        const auto& after = radio.Record().memory;
        EXPECT_EQ(Bytes(after.begin() + 0x10, after.begin() + 0x20),
                  Bytes(before.begin() + 0x10, before.begin() + 0x20));
        EXPECT_EQ(Bytes(after.begin() + 0x20, after.begin() + 0x30), Filled(16, 0x80));
        EXPECT_EQ(radio.Record().blocksWritten, (std::vector<std::uint16_t>{0x0010, 0x0020}));
    }
}

// The radio that says it stored a block and did not: the tool hears an acknowledgement as for any
// other block, and only a read-back can tell.
TEST(VirtualRadio, ADroppedBlockIsAcknowledgedButNotStored) {
    VirtualRadio healthy(Filled(1520, 0x44), 0);
    VirtualRadio dropping(Filled(1520, 0x44), 0, RadioFault{Kind::DropsBlock, 2});
    const Bytes session = WriteSession({0x0010, 0x0020, 0x0030});
    EXPECT_EQ(Summaries(dropping.Receive(session)), Summaries(healthy.Receive(session)));
    const auto& before = healthy.Record().memory;
    const auto& after = dropping.Record().memory;
    EXPECT_EQ(Bytes(after.begin() + 0x10, after.begin() + 0x20),
              Bytes(before.begin() + 0x10, before.begin() + 0x20));
    const Bytes image = Filled(1520, 0x44);
    // Address 0x0020 is image byte 0x10.
    EXPECT_EQ(Bytes(after.begin() + 0x20, after.begin() + 0x30),
              Bytes(image.begin() + 0x10, image.begin() + 0x20));
    EXPECT_EQ(Bytes(before.begin() + 0x20, before.begin() + 0x30), Filled(16, 0x80));
    EXPECT_EQ(Bytes(after.begin() + 0x30, after.begin() + 0x40),
              Bytes(before.begin() + 0x30, before.begin() + 0x40));
}

}  // namespace
}  // namespace qv
