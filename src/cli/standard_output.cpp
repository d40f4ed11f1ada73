#include "cli/standard_output.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <iostream>

#include "cli/commands.h"

namespace qv::cli {
namespace {

[[noreturn]] void Fail(int error) {
    std::clearerr(stdout);
    std::cout.clear();
    throw CommandFailed("cannot write to standard output" +
                        (error != 0 ? ": " + std::string(std::strerror(error)) : std::string()));
}

}  // namespace

void PrintToStandardOutput(const std::string& text) {
    errno = 0;
    if (std::fputs(text.c_str(), stdout) == EOF || std::fflush(stdout) != 0) Fail(errno);
}

void CheckStandardOutput() {
    // A write that failed already left its reason in errno, and nothing has run since.
    if (!std::ferror(stdout) && std::cout.good()) errno = 0;
    // The parser writes through std::cout, which hands its text on to stdout.
    std::cout.flush();
    const bool flushed = std::fflush(stdout) == 0;
    if (flushed && !std::ferror(stdout) && std::cout.good()) return;
    Fail(errno);
}

}  // namespace qv::cli
