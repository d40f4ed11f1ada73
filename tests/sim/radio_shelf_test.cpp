// A shelf of virtual radios taking turns on one line: who hears the tool's bytes and when, told
// with made-up times.
#include "sim/radio_shelf.h"

#include <gtest/gtest.h>

#include <vector>

namespace qv {
namespace {

using Bytes = std::vector<std::uint8_t>;

const Bytes kHello = {'Q', 'V', '-', 'P', 'R', 'O', 'G'};
constexpr ShelfTime kSecond = 1'000'000'000;

VirtualRadio Radio(int band, RadioFault fault = {}) {
    return VirtualRadio(Bytes(1520, static_cast<std::uint8_t>(band)), band, fault);
}

// The acknowledgement of a handshake sent at `at`, or nothing when no radio answered.
bool Answered(RadioShelf& shelf, ShelfTime at) {
    const std::vector<RadioReply> replies = shelf.Receive(kHello, at);
    shelf.Receive(Bytes{0x45}, at);
    return !replies.empty() && replies.front().bytes == Bytes{0x06};
}

TEST(RadioShelf, EachRadioStaysAWhileAfterItsFirstAnswerThenTheLineIsEmptyForTheGap) {
    std::vector<VirtualRadio> radios;
    radios.push_back(Radio(0));
    radios.push_back(Radio(2));
    RadioShelf shelf(std::move(radios), {.present = 3 * kSecond, .gap = 2 * kSecond});
    shelf.Open(10 * kSecond);
    EXPECT_FALSE(Answered(shelf, 9 * kSecond)) << "before the line opened";
    // A radio that answers waits for the tool, however long it takes to ask.
    EXPECT_TRUE(Answered(shelf, 20 * kSecond));
    EXPECT_TRUE(Answered(shelf, 22 * kSecond));
    EXPECT_FALSE(Answered(shelf, 23 * kSecond)) << "gone 3 s after its first answer";
    EXPECT_FALSE(Answered(shelf, 24 * kSecond)) << "the gap";
    EXPECT_TRUE(Answered(shelf, 25 * kSecond)) << "the next radio came at the gap's end";
    EXPECT_EQ(shelf.Current().Band(), 2);
    EXPECT_TRUE(Answered(shelf, 27 * kSecond));
    EXPECT_FALSE(Answered(shelf, 28 * kSecond)) << "the last radio is gone for good";
    EXPECT_FALSE(Answered(shelf, 100 * kSecond));

    const std::vector<ShelfRadioRecord> records = shelf.Records();
    ASSERT_EQ(records.size(), 2u);
    EXPECT_EQ(records[0].came, 10 * kSecond);
    EXPECT_EQ(records[0].firstAnswer, 20 * kSecond);
    EXPECT_EQ(records[0].gone, 23 * kSecond);
    EXPECT_EQ(records[0].handshakes, (std::vector<ShelfTime>{20 * kSecond, 22 * kSecond}));
    EXPECT_EQ(records[0].record.sessions, 2);
    EXPECT_EQ(records[1].came, 25 * kSecond);
    EXPECT_EQ(records[1].band, 2);
    EXPECT_EQ(records[1].record.sessions, 2) << "bytes sent to an empty line reach no radio";
}

// A silent radio never answers: it stays for the time a radio stays, from when it came.
TEST(RadioShelf, ASilentRadioLeavesAfterItsTimeFromWhenItCame) {
    std::vector<VirtualRadio> radios;
    radios.push_back(Radio(0, {RadioFaultKind::Silent, 0}));
    radios.push_back(Radio(1));
    RadioShelf shelf(std::move(radios), {.present = 3 * kSecond, .gap = 1 * kSecond});
    shelf.Open(0);
    EXPECT_FALSE(Answered(shelf, 1 * kSecond));
    EXPECT_FALSE(Answered(shelf, 3 * kSecond));
    EXPECT_TRUE(Answered(shelf, 4 * kSecond));
    const std::vector<ShelfRadioRecord> records = shelf.Records();
    EXPECT_EQ(records[0].gone, 3 * kSecond);
    EXPECT_FALSE(records[0].firstAnswer);
    EXPECT_EQ(records[0].record.sessions, 1) << "it heard the handshake, and kept silent";
    EXPECT_EQ(records[1].came, 4 * kSecond);
}

TEST(RadioShelf, OneRadioAloneIsThereForGood) {
    RadioShelf shelf(Radio(3));
    shelf.Open(0);
    EXPECT_TRUE(Answered(shelf, 1 * kSecond));
    EXPECT_TRUE(Answered(shelf, 1000 * kSecond));
    EXPECT_FALSE(shelf.Records()[0].gone);
}

}  // namespace
}  // namespace qv
