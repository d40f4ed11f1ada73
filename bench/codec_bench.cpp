// DecodeImage and EncodeImage on a set-up with all 48 channels in use: the image's bytes, as a read
// brings them, decoded and applied, and the set-up encoded to bytes.
#include <benchmark/benchmark.h>

#include <cstdio>

#include "image/image_codec.h"
#include "rules/program/decode_image.h"
#include "rules/program/startup.h"
#include "support/quiet_host.h"

namespace {

using qv::test::QuietHost;

qv::ProgramState FullSetup(QuietHost& host) {
    qv::ProgramState state = qv::StartupState(host);
    static const char* const kTones[] = {"67.0", "D023N", "关闭", "254.1", "D754I", "100.0"};
    for (int row = 1; row <= qv::kChannelCount; ++row) {
        char frequency[16];
        std::snprintf(frequency, sizeof frequency, "%03d.%05d", 400 + row, 12500 + row * 625);
        state.Grid1[row] = {state.Grid1[row][0],       frequency,
                            kTones[row % 6],           frequency,
                            kTones[(row + 1) % 6],     row % 2 ? "高" : "低",
                            row % 3 ? "关闭" : "载波", "宽带",
                            row % 4 ? "有" : "无"};
    }
    for (auto& code : state.DtmfCodes) code = "0123456789ABCD*#";
    for (auto& frequency : state.TestFrequencyTable[0]) frequency = "435.12500";
    state.EmbeddedInfo = {"QV-7100 benchmark line one", "line two"};
    return state;
}

void BM_DecodeThenEncode(benchmark::State& bench) {
    QuietHost host;
    const qv::ImageBytes image = qv::EncodeImage(FullSetup(host));
    qv::ProgramState state = qv::StartupState(host);
    for (auto _ : bench) {
        const qv::Status status = qv::DecodeImage(image, state, host);
        benchmark::DoNotOptimize(status);
        qv::ImageBytes again = qv::EncodeImage(state);
        benchmark::DoNotOptimize(again);
    }
}
BENCHMARK(BM_DecodeThenEncode);

void BM_Decode(benchmark::State& bench) {
    QuietHost host;
    const qv::ImageBytes image = qv::EncodeImage(FullSetup(host));
    qv::ProgramState state = qv::StartupState(host);
    for (auto _ : bench) {
        const qv::Status status = qv::DecodeImage(image, state, host);
        benchmark::DoNotOptimize(status);
    }
}
BENCHMARK(BM_Decode);

void BM_Encode(benchmark::State& bench) {
    QuietHost host;
    const qv::ProgramState state = FullSetup(host);
    for (auto _ : bench) {
        qv::ImageBytes image = qv::EncodeImage(state);
        benchmark::DoNotOptimize(image);
    }
}
BENCHMARK(BM_Encode);

}  // namespace
