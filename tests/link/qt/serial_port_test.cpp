// The serial port on its own, on a pseudo-terminal the test holds: closing it waits for what was
// written, but never for ever.
#include <gtest/gtest.h>
#include <poll.h>
#include <pty.h>
#include <unistd.h>

#include <array>
#include <cstdint>
#include <string>
#include <thread>
#include <vector>

#include "link/qt/link_fixture.h"

namespace qv {
namespace {

// More than a pseudo-terminal holds: part of it is still in the port's hands after Write.
constexpr std::size_t kManyBytes = 256 * 1024;

class SerialPortLine : public test::LinkEndToEnd {
  protected:
    int master = -1;
    int slave = -1;  // kept open, so that the line outlives the port's own opening

    void SetUp() override {
        std::array<char, 128> name{};
        ASSERT_EQ(::openpty(&master, &slave, name.data(), nullptr, nullptr), 0);
        port.FixDevice({0, name.data()});
        port.Reopen(1);
        ASSERT_TRUE(port.IsOpen()) << port.LastErrorText().toStdString();
    }
    void TearDown() override {
        port.Close();
        ::close(master);
        ::close(slave);
        test::LinkEndToEnd::TearDown();
    }

    static std::vector<std::uint8_t> Pattern() {
        std::vector<std::uint8_t> bytes(kManyBytes);
        for (std::size_t i = 0; i < bytes.size(); ++i) {
            bytes[i] = static_cast<std::uint8_t>(i * 7 + i / 251);
        }
        return bytes;
    }
};

TEST_F(SerialPortLine, ClosingHandsEveryWrittenByteToTheLineFirst) {
    const std::vector<std::uint8_t> written = Pattern();
    port.Write(written);
    std::vector<std::uint8_t> received;
    std::thread reader([&] {
        std::vector<std::uint8_t> buffer(4096);
        while (received.size() < written.size()) {
            pollfd line = {master, POLLIN, 0};
            if (::poll(&line, 1, 10000) <= 0) return;  // nothing more is coming
            const ssize_t count = ::read(master, buffer.data(), buffer.size());
            if (count <= 0) return;
            received.insert(received.end(), buffer.begin(), buffer.begin() + count);
        }
    });
    port.Close();
    reader.join();
    EXPECT_FALSE(port.IsOpen());
    ASSERT_EQ(received.size(), written.size());
    EXPECT_TRUE(received == written);
}

// Nobody reads the far end: the bytes cannot leave, and closing gives up on them.
TEST_F(SerialPortLine, ClosingAPortWhoseLineTakesNothingMoreReturns) {
    port.Write(Pattern());
    port.Close();
    EXPECT_FALSE(port.IsOpen());
}

}  // namespace
}  // namespace qv
