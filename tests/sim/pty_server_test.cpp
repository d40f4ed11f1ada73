#include "sim/pty_server.h"

#include <fcntl.h>
#include <poll.h>
#include <termios.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <cerrno>
#include <chrono>
#include <memory>
#include <string>
#include <thread>
#include <vector>

namespace qv {
namespace {

using Bytes = std::vector<std::uint8_t>;
using Kind = RadioFaultKind;

const Bytes kHello = {'Q', 'V', '-', 'P', 'R', 'O', 'G'};
// How long the client waits for the radio before it gives up: only keeps a broken server from
// hanging the test, never a measure of speed.
constexpr int kPatienceMs = 5000;

Bytes Image() {
    Bytes image(1536);
    for (std::size_t i = 0; i < image.size(); ++i) image[i] = static_cast<std::uint8_t>(i * 13);
    return image;
}

// The tool's end of the line, as plain POSIX calls.
class LineClient {
  public:
    // With `makeRaw` false the line is used as the server left it.
    explicit LineClient(const std::string& path, bool makeRaw = true)
        : fd_(open(path.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC)) {
        termios line{};
        if (makeRaw && fd_ >= 0 && tcgetattr(fd_, &line) == 0) {
            cfmakeraw(&line);
            tcsetattr(fd_, TCSANOW, &line);
        }
    }
    ~LineClient() {
        if (fd_ >= 0) close(fd_);
    }
    LineClient(const LineClient&) = delete;
    LineClient& operator=(const LineClient&) = delete;

    bool IsOpen() const { return fd_ >= 0; }

    bool Send(const Bytes& bytes) {
        std::size_t done = 0;
        while (done < bytes.size()) {
            const ssize_t n = write(fd_, bytes.data() + done, bytes.size() - done);
            if (n > 0) {
                done += static_cast<std::size_t>(n);
            } else if (n < 0 && errno == EAGAIN) {
                pollfd p = {fd_, POLLOUT, 0};
                if (poll(&p, 1, kPatienceMs) <= 0) return false;
            } else if (!(n < 0 && errno == EINTR)) {
                return false;
            }
        }
        return true;
    }

    // Up to `count` bytes: fewer when the line ends or the radio keeps quiet.
    Bytes Receive(std::size_t count) {
        Bytes bytes;
        while (bytes.size() < count) {
            pollfd p = {fd_, POLLIN, 0};
            if (poll(&p, 1, kPatienceMs) <= 0) break;
            std::uint8_t buffer[256];
            const std::size_t want = std::min(sizeof buffer, count - bytes.size());
            const ssize_t n = read(fd_, buffer, want);
            if (n < 0 && (errno == EAGAIN || errno == EINTR)) continue;
            if (n <= 0) break;
            bytes.insert(bytes.end(), buffer, buffer + n);
        }
        return bytes;
    }

    Bytes Exchange(const Bytes& frame, std::size_t replyLength) {
        if (!Send(frame)) return {};
        return Receive(replyLength);
    }

    // True once reading gives end-of-file or an error, as after a hang-up.
    bool SeesLineEnd() {
        for (;;) {
            pollfd p = {fd_, POLLIN, 0};
            if (poll(&p, 1, kPatienceMs) <= 0) return false;
            std::uint8_t byte = 0;
            const ssize_t n = read(fd_, &byte, 1);
            if (n == 0 || (n < 0 && errno != EAGAIN && errno != EINTR)) return true;
        }
    }

  private:
    int fd_;
};

std::unique_ptr<PtyServer> Started(RadioFault fault, bool paced) {
    auto server = std::make_unique<PtyServer>(VirtualRadio(Image(), 4, fault), paced);
    std::string error;
    EXPECT_TRUE(server->Start(&error)) << error;
    return server;
}

TEST(PtyServer, StartsOnceAndStopsAnyTime) {
    PtyServer idle(VirtualRadio({}, 0), false);
    idle.Stop();  // before Start

    PtyServer server(VirtualRadio({}, 0), false);
    std::string error;
    ASSERT_TRUE(server.Start(&error)) << error;
    EXPECT_EQ(server.DevicePath().rfind("/dev/", 0), 0u) << server.DevicePath();
    EXPECT_FALSE(server.Start(&error));
    EXPECT_FALSE(error.empty());
    server.Stop();
    server.Stop();
    EXPECT_EQ(server.Snapshot().sessions, 0);
}

// The device can be opened and closed again and again, as the tool does for every transfer. The
// line is raw from the start, so even a client that leaves it alone sees the replies unchanged.
TEST(PtyServer, AnswersAcrossReopens) {
    const auto server = Started({}, false);
    for (int round = 0; round < 3; ++round) {
        SCOPED_TRACE(round);
        LineClient tool(server->DevicePath(), round > 0);
        ASSERT_TRUE(tool.IsOpen());
        EXPECT_EQ(tool.Exchange(kHello, 1), Bytes{0x06});
        if (round < 2) {
            ASSERT_TRUE(tool.Send({0x45}));
        }
    }
    const RadioRecord record = server->Snapshot();
    EXPECT_EQ(record.sessions, 3);
    EXPECT_EQ(record.endsReceived, 2);
}

// A short read and write over the line, with and without the line's pace, whole replies or
// split: the bytes that arrive are the same.
TEST(PtyServer, CarriesReadsAndWrites) {
    struct Case {
        bool paced;
        RadioFault fault;
    };
    const Case cases[] = {
        {false, {}}, {true, {}}, {false, {Kind::SplitReplies, 0}}, {true, {Kind::SplitReplies, 0}}};
    const Bytes image = Image();
    const Bytes data = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16};
    for (const Case& c : cases) {
        SCOPED_TRACE(RadioFaultName(c.fault) + (c.paced ? " paced" : " unpaced"));
        const auto server = Started(c.fault, c.paced);
        {
            LineClient tool(server->DevicePath());
            ASSERT_TRUE(tool.IsOpen());
            EXPECT_EQ(tool.Exchange(kHello, 1), Bytes{0x06});
            EXPECT_EQ(tool.Exchange({0x02}, 8), (Bytes{'Q', 'V', '7', '1', '0', 53, 0x01, 0x00}));
            EXPECT_EQ(tool.Exchange({0x06}, 1), Bytes{0x06});

            Bytes block = {'W', 0x00, 0x50, 0x40};
            block.insert(block.end(), image.begin() + 0x40, image.begin() + 0x80);
            EXPECT_EQ(tool.Exchange({'R', 0x00, 0x50, 0x40}, 68), block);
            EXPECT_EQ(tool.Exchange({0x06}, 1), Bytes{0x06});

            Bytes frame = {'W', 0x01, 0xB8, 0x10};
            frame.insert(frame.end(), data.begin(), data.end());
            EXPECT_EQ(tool.Exchange(frame, 1), Bytes{0x06});
            ASSERT_TRUE(tool.Send({0x45}));
            EXPECT_EQ(tool.Exchange(kHello, 1), Bytes{0x06});  // the end byte has been taken
        }
        const RadioRecord record = server->Snapshot();
        EXPECT_EQ(record.blocksRead, std::vector<std::uint16_t>{0x0050});
        EXPECT_EQ(record.blocksWritten, std::vector<std::uint16_t>{0x01B8});
        EXPECT_EQ(Bytes(record.memory.begin() + 0x01B8, record.memory.begin() + 0x01C8), data);
        EXPECT_EQ(record.endsReceived, 1);
    }
}

// After a pulled cable the tool still gets the last reply, then the line is dead.
TEST(PtyServer, CablePulledEndsTheLine) {
    for (const bool paced : {false, true}) {
        SCOPED_TRACE(paced);
        const auto server = Started({Kind::CablePulled, 1}, paced);
        LineClient tool(server->DevicePath());
        ASSERT_TRUE(tool.IsOpen());
        EXPECT_EQ(tool.Exchange(kHello, 1), Bytes{0x06});
        EXPECT_EQ(tool.Exchange({0x02}, 8).size(), 8u);
        EXPECT_EQ(tool.Exchange({0x06}, 1), Bytes{0x06});
        EXPECT_EQ(tool.Exchange({'R', 0x00, 0x10, 0x40}, 68).size(), 68u);

        EXPECT_TRUE(tool.SeesLineEnd());
        EXPECT_FALSE(tool.Send({0x06}));
        EXPECT_TRUE(server->Snapshot().hungUp);
        server->Stop();
    }
}

// Stop ends the line also while the radio is busy: in the middle of a paced reply, or stuck
// with replies the tool does not read.
TEST(PtyServer, StopsWhileBusy) {
    struct Case {
        const char* name;
        bool paced;
        int requests;
    };
    const Case cases[] = {{"paced reply under way", true, 1}, {"tool not reading", false, 1500}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        auto server = Started({}, c.paced);
        LineClient tool(server->DevicePath());
        ASSERT_TRUE(tool.IsOpen());
        Bytes wire = kHello;
        wire.insert(wire.end(), {0x02, 0x06});
        for (int i = 0; i < c.requests; ++i) wire.insert(wire.end(), {'R', 0x00, 0x10, 0x40});
        ASSERT_TRUE(tool.Send(wire));
        for (int wait = 0; wait < kPatienceMs && server->Snapshot().blocksRead.empty(); ++wait) {
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        }
        server->Stop();
        EXPECT_TRUE(tool.SeesLineEnd());
        server.reset();
    }
}

}  // namespace
}  // namespace qv
