// The system's request to end the program reaches the event loop instead of cutting it off.
#include "gui/shell/termination_signals.h"

#include <gtest/gtest.h>

#include <QSignalSpy>
#include <QTest>

#include <csignal>

namespace qv {
namespace {

TEST(TerminationSignals, EachSignalBecomesOneSignalOfTheEventLoop) {
    TerminationSignals terminations;
    QSignalSpy received(&terminations, &TerminationSignals::Received);
    for (const int signal : {SIGTERM, SIGHUP, SIGINT}) {
        ASSERT_EQ(std::raise(signal), 0);
    }
    ASSERT_TRUE(QTest::qWaitFor([&] { return received.count() == 3; }));
}

}  // namespace
}  // namespace qv
