#include "rules/program/write_options_file.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>

namespace qv {
namespace {

namespace fs = std::filesystem;

class WriteOptionsFile : public ::testing::Test {
  protected:
    fs::path path;

    void SetUp() override {
        path = fs::temp_directory_path() /
               ("qv-write-options-" + std::to_string(::getpid()) + "-" + std::to_string(++count));
        fs::remove(path);
    }
    void TearDown() override { fs::remove(path); }
    void Put(const std::string& text) { std::ofstream(path, std::ios::binary) << text; }

    static inline int count = 0;
};

TEST_F(WriteOptionsFile, WhatIsWrittenIsReadBack) {
    for (const WriteOptions options : {WriteOptions{true, false}, WriteOptions{false, true}}) {
        ASSERT_TRUE(WriteWriteOptionsFile(path, options).ok());
        EXPECT_EQ(ReadWriteOptions(path), options);
    }
}

// A missing or damaged file starts the program with verify off and the backup on, and a value it
// cannot read leaves that one setting at its default.
TEST_F(WriteOptionsFile, MissingOrDamagedReadsAsTheDefaults) {
    EXPECT_EQ(ReadWriteOptions(path), WriteOptions{});
    struct Case {
        const char* text;
        WriteOptions expected;
    };
    const Case cases[] = {
        {"\xff\xfe garbage\n", {}},
        {"verify-after-write=maybe\nbackup-before-write=no\n", {false, false}},
        {" verify-after-write = yes \r\nsomething-newer=1\n", {true, true}},
        {"verify-after-write", {}},
    };
    for (const Case& c : cases) {
        Put(c.text);
        EXPECT_EQ(ReadWriteOptions(path), c.expected) << c.text;
    }
}

}  // namespace
}  // namespace qv
