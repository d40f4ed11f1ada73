// A full set-up as text: every channel and test channel in use, every text at its longest kind.
// Written from the set-up, read back (checked by the windows' rules, the new set-up built), and
// both through the file as Open and Save use them. Aim: far below one frame of a 60 Hz display
// (16.7 ms), so that Open and Save of a text feel as instant as of a *.DAT.
#include <benchmark/benchmark.h>

#include <unistd.h>

#include <filesystem>
#include <string>

#include "image/image_codec.h"
#include "rules/program/startup.h"
#include "rules/setup_text/setup_files.h"
#include "rules/setup_text/setup_text.h"
#include "support/quiet_host.h"
#include "support/random_setup.h"

namespace {

// Every channel and test channel in use.
const qv::Setup& FullSetup() {
    static const qv::Setup setup = qv::test::RandomSetups(42, 1.0).Next();
    return setup;
}

void BM_WriteFullSetupAsText(benchmark::State& bench) {
    for (auto _ : bench) {
        qv::WrittenSetupText written = qv::WriteSetupText(FullSetup());
        if (!written.refused.empty()) bench.SkipWithError("a value was refused");
        benchmark::DoNotOptimize(written);
    }
    bench.counters["bytes"] = static_cast<double>(qv::WriteSetupText(FullSetup()).text.size());
}
BENCHMARK(BM_WriteFullSetupAsText)->Unit(benchmark::kMicrosecond);

void BM_ReadFullSetupText(benchmark::State& bench) {
    const std::string text = qv::WriteSetupText(FullSetup()).text;
    for (auto _ : bench) {
        qv::SetupTextRead read = qv::ReadSetupText(text, qv::Language::Chinese);
        if (!read.ok()) bench.SkipWithError("the text was refused");
        benchmark::DoNotOptimize(read);
    }
}
BENCHMARK(BM_ReadFullSetupText)->Unit(benchmark::kMicrosecond);

// Open and Save as the desktop program runs them: the file, the rules, the set-up taken over.
void BM_SaveAndOpenFullSetupTextFile(benchmark::State& bench) {
    const std::filesystem::path file =
        std::filesystem::temp_directory_path() /
        ("qv-setup-text-bench-" + std::to_string(::getpid()) + ".yaml");
    qv::test::QuietHost host;
    qv::ProgramState state = qv::StartupState(host);
    for (auto _ : bench) {
        if (!qv::SaveAnySetupFile(file, FullSetup()).status.ok()) bench.SkipWithError("not saved");
        if (!qv::OpenAnySetupFile(file, state, host).ok()) bench.SkipWithError("not opened");
    }
    std::filesystem::remove(file);
}
BENCHMARK(BM_SaveAndOpenFullSetupTextFile)->Unit(benchmark::kMicrosecond);

// For comparison: the same set-up through the memory image.
void BM_EncodeAndDecodeFullSetupImage(benchmark::State& bench) {
    for (auto _ : bench) {
        const qv::ImageBytes image = qv::EncodeImage(FullSetup());
        qv::DecodedSetup decoded =
            qv::DecodeSetup(image, qv::StartupSetup(), qv::Language::Chinese);
        benchmark::DoNotOptimize(decoded);
    }
}
BENCHMARK(BM_EncodeAndDecodeFullSetupImage)->Unit(benchmark::kMicrosecond);

}  // namespace
