// qv7100-cli run as a separate process, as a user runs it: a folder of the test's own for its
// files and its backups, the exit code and both outputs.
#pragma once

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

namespace qv::test {

struct CliResult {
    int exitCode;
    std::string out;
    std::string err;
};

inline bool Contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

class CliProcess : public ::testing::Test {
  protected:
    std::filesystem::path dir;

    void SetUp() override {
        dir = std::filesystem::temp_directory_path() /
              ("qv-cli-" + std::to_string(::getpid()) + "-" +
               ::testing::UnitTest::GetInstance()->current_test_info()->test_suite_name() + "-" +
               ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::remove_all(dir);
        std::filesystem::create_directories(dir);
        // Reads and writes keep backups: in a folder of the test, never in the user's own.
        ::setenv("XDG_DATA_HOME", (dir / "data").c_str(), 1);
    }
    void TearDown() override { std::filesystem::remove_all(dir); }

    static std::string Read(const std::filesystem::path& path) {
        std::ifstream file(path, std::ios::binary);
        return {std::istreambuf_iterator<char>(file), {}};
    }

    // Standard input is no terminal, as for a script. Standard output goes to `output` when one
    // is named (and is then not read back); `wrapper` is a command that runs the program.
    CliResult Run(const std::string& arguments, const std::string& output = "",
                  const std::string& wrapper = "") const {
        const std::string out = output.empty() ? (dir / "out").string() : output;
        const std::string command = wrapper + std::string(QV7100_CLI) + " " + arguments +
                                    " </dev/null >" + out + " 2>" + (dir / "err").string();
        const int status = std::system(command.c_str());
        return {WIFEXITED(status) ? WEXITSTATUS(status) : -1,
                output.empty() ? Read(dir / "out") : std::string(), Read(dir / "err")};
    }
};

}  // namespace qv::test
