// The toolbar's keys and the commands they stand for.
#include "gui/mainwindow/command_table.h"

#include <gtest/gtest.h>

namespace qv {
namespace {

TEST(ToolbarKeys, AreComparedExactly) {
    EXPECT_EQ(CommandOfToolbarKey("read"), Command::Read);
    EXPECT_EQ(CommandOfToolbarKey("TAnMa"), Command::Relock);
    EXPECT_EQ(CommandOfToolbarKey("Read"), std::nullopt);
    EXPECT_EQ(CommandOfToolbarKey("tanma"), std::nullopt);
    EXPECT_EQ(CommandOfToolbarKey(""), std::nullopt);
}

}  // namespace
}  // namespace qv
