// Calibration access: the hidden click pattern that opens it and the service button's double
// click that closes it, on a clock the tests set (milliseconds since midnight).
#include <gtest/gtest.h>

#include <vector>

#include "rules/dialogs/service_access.h"

namespace qv {
namespace {

constexpr ServiceLabel P = ServiceLabel::Label14;  // priority
constexpr ServiceLabel A = ServiceLabel::Label17;  // retrace time A
constexpr ServiceLabel R = ServiceLabel::Label18;  // return channel

struct Click {
    ServiceLabel label;
    int atMs;
};

bool AccessOpen(const Session& session) {
    return session.CalibrationUnlocked && session.Form2SlidersEnabled &&
           session.ServiceButtonVisible;
}

bool AccessClosed(const Session& session) {
    return !session.CalibrationUnlocked && !session.Form2SlidersEnabled &&
           !session.ServiceButtonVisible;
}

// The clicks and the one after which access opens (-1: it stays closed).
struct Sequence {
    const char* what;
    std::vector<Click> clicks;
    int opensAt;
};

TEST(ServiceSequence, OpensAccessOnlyWhenThePatternIsCompletedInTime) {
    const Sequence cases[] = {
        {"complete", {{P, 1000}, {R, 1500}, {A, 2000}, {A, 2500}, {R, 3000}, {P, 3500}}, 5},
        {"complete at the last allowed moment",
         {{P, 1000}, {R, 1001}, {A, 1002}, {A, 1003}, {R, 1004}, {P, 6000}},
         5},
        {"too slow", {{P, 1000}, {R, 2000}, {A, 3000}, {A, 4000}, {R, 5000}, {P, 6001}}, -1},
        {"too slow, then the late click starts anew and the pattern follows",
         {{P, 1000},
          {R, 2000},
          {A, 3000},
          {A, 4000},
          {R, 5000},
          {P, 6001},
          {R, 6100},
          {A, 6200},
          {A, 6300},
          {R, 6400},
          {P, 6500}},
         10},
        {"wrong label",
         {{P, 1000}, {R, 1100}, {R, 1200}, {A, 1300}, {A, 1400}, {R, 1500}, {P, 1600}},
         -1},
        {"wrong label, then the pattern from its beginning",
         {{P, 1000},
          {R, 1100},
          {A, 1200},
          {P, 1300},
          {R, 1400},
          {A, 1500},
          {A, 1600},
          {R, 1700},
          {P, 1800}},
         8},
        {"a wrong label that begins the pattern starts it",
         {{P, 1000}, {R, 1100}, {P, 1200}, {R, 1300}, {A, 1400}, {A, 1500}, {R, 1600}, {P, 1700}},
         7},
        {"five clicks are not enough", {{P, 1000}, {R, 1100}, {A, 1200}, {A, 1300}, {R, 1400}}, -1},
        {"across midnight",
         {{P, 86'398'000}, {R, 86'399'000}, {A, 86'399'900}, {A, 100}, {R, 500}, {P, 1000}},
         5},
    };
    for (const Sequence& c : cases) {
        Session session;
        for (std::size_t k = 0; k < c.clicks.size(); ++k) {
            const Changes changes = ClickServiceLabel(session, c.clicks[k].label, c.clicks[k].atMs);
            const bool opened = static_cast<int>(k) == c.opensAt;
            EXPECT_EQ(changes, opened ? Changes(StatePart::Calibration) : Changes())
                << c.what << ", click " << k;
        }
        EXPECT_EQ(AccessOpen(session), c.opensAt >= 0) << c.what;
        if (c.opensAt < 0) {
            EXPECT_TRUE(AccessClosed(session)) << c.what;
        }
    }
}

class OpenedAccess : public ::testing::Test {
  protected:
    Session session;
    void SetUp() override {
        for (const Click& click :
             {Click{P, 1000}, {R, 1100}, {A, 1200}, {A, 1300}, {R, 1400}, {P, 1500}}) {
            ClickServiceLabel(session, click.label, click.atMs);
        }
        ASSERT_TRUE(AccessOpen(session));
    }
    // What a decoded image does to calibration access.
    void Decode() { session.CalibrationUnlocked = false; }
};

TEST_F(OpenedAccess, AFurtherClickInTimeOpensItAgain) {
    Decode();
    EXPECT_EQ(ClickServiceLabel(session, A, 5900), Changes(StatePart::Calibration));
    EXPECT_TRUE(AccessOpen(session)) << "any of the three labels";
    Decode();
    EXPECT_TRUE(ClickServiceLabel(session, R, 6001).Empty()) << "the time is over";
    EXPECT_FALSE(session.CalibrationUnlocked);
    EXPECT_TRUE(session.ServiceButtonVisible) << "a decode leaves the button";
}

TEST_F(OpenedAccess, TheServiceButtonsDoubleClickClosesItAndForgetsThePattern) {
    ClickServiceButton(session, 2000);
    EXPECT_EQ(ClickServiceButton(session, 2400), Changes(StatePart::Calibration));
    EXPECT_TRUE(AccessClosed(session));
    EXPECT_EQ(session.Form5Sequence, ServiceSequence{});
    EXPECT_TRUE(ClickServiceLabel(session, P, 2500).Empty()) << "no repeat after closing";
    EXPECT_TRUE(AccessClosed(session));
}

TEST(ServiceButton, ClicksLessThanASecondAfterTheStoredTimeClose) {
    const struct {
        const char* what;
        std::vector<int> clicksMs;
        std::vector<int> stored;  // the stored seconds after each click
        int closesAt;             // index of the closing click, -1 none
    } cases[] = {
        {"10.2 then 10.6", {10'200, 10'600}, {10, 0}, 1},
        {"10.6, 12.3, 12.5", {10'600, 12'300, 12'500}, {11, 12, 0}, 2},
        {"10.6 then 10.8: before the rounded time", {10'600, 10'800}, {11, 0}, 1},
        {"exactly a second later", {10'000, 11'000}, {10, 11}, -1},
        {"just under a second later", {10'000, 10'999}, {10, 0}, 1},
        {"a third click after closing only stores", {10'000, 10'500, 10'700}, {10, 0, 11}, 1},
        {"across midnight", {86'399'600, 200}, {86'400, 0}, 1},
        {"hours apart across midnight", {82'800'000, 3'600'000}, {82'800, 3'600}, -1},
    };
    for (const auto& c : cases) {
        Session session;
        session.CalibrationUnlocked = session.Form2SlidersEnabled = true;
        session.ServiceButtonVisible = true;
        for (std::size_t k = 0; k < c.clicksMs.size(); ++k) {
            const Changes changes = ClickServiceButton(session, c.clicksMs[k]);
            const bool closes = static_cast<int>(k) == c.closesAt;
            EXPECT_EQ(changes, closes ? Changes(StatePart::Calibration) : Changes())
                << c.what << ", click " << k;
            EXPECT_EQ(session.ServiceButtonClickSeconds, c.stored[k]) << c.what << ", click " << k;
        }
        EXPECT_EQ(AccessClosed(session), c.closesAt >= 0) << c.what;
    }
}

}  // namespace
}  // namespace qv
