// A fuzz target without libFuzzer: every input named on the command line, or every file of a
// folder named there, is handed to the target once, in name order. The test build replays the
// seed corpus this way, so a target that stops compiling or an input that crashes it fails the
// tests. Exit 0 when every input went through; 1 when none was found.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <system_error>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace {

namespace fs = std::filesystem;

// The files an argument names: itself, or the files directly in the folder it names.
std::vector<fs::path> InputsOf(const fs::path& argument) {
    std::error_code error;
    if (!fs::is_directory(argument, error)) return {argument};
    std::vector<fs::path> files;
    for (const fs::directory_entry& entry : fs::directory_iterator(argument, error)) {
        if (entry.is_regular_file(error)) files.push_back(entry.path());
    }
    std::sort(files.begin(), files.end());
    return files;
}

}  // namespace

int main(int argc, char** argv) {
    std::size_t replayed = 0;
    for (int i = 1; i < argc; ++i) {
        for (const fs::path& input : InputsOf(argv[i])) {
            std::ifstream file(input, std::ios::binary);
            if (!file) {
                std::fprintf(stderr, "%s: cannot be read\n", input.c_str());
                return 1;
            }
            const std::vector<std::uint8_t> bytes{std::istreambuf_iterator<char>(file), {}};
            // Named before it runs, so that the input of a crash is the last one named.
            std::printf("%s (%zu bytes)\n", input.c_str(), bytes.size());
            std::fflush(stdout);
            LLVMFuzzerTestOneInput(bytes.data(), bytes.size());
            ++replayed;
        }
    }
    std::printf("%zu inputs replayed\n", replayed);
    return replayed > 0 ? 0 : 1;
}
