// The toolbar's keys and the commands they stand for.
#include <gtest/gtest.h>

#include "gui/mainwindow/toolbar_keys.h"

namespace qv {
namespace {

TEST(ToolbarKeys, AreComparedExactly) {
    EXPECT_EQ(CommandOfKey("read"), ToolbarCommand::Read);
    EXPECT_EQ(CommandOfKey("TAnMa"), ToolbarCommand::Relock);
    EXPECT_EQ(CommandOfKey("Read"), ToolbarCommand::None);
    EXPECT_EQ(CommandOfKey("tanma"), ToolbarCommand::None);
    EXPECT_EQ(CommandOfKey(""), ToolbarCommand::None);
}

}  // namespace
}  // namespace qv
