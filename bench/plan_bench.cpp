// Channel plans of 48 channels: a CSV file as the radio programming tools write it, imported into
// the grid (the reading of the file, every row through the grid's rules, the new set-up), and the
// 48 channels exported (with the import that checks what the file gives back). Aim: far below one
// frame of a 60 Hz display (16.7 ms), so that the desktop applies an import at once.
#include <benchmark/benchmark.h>

#include <string>

#include "rules/plans/channel_plan_export.h"
#include "rules/plans/channel_plan_import.h"
#include "rules/plans/csv_reader.h"
#include "rules/program/startup.h"
#include "support/quiet_host.h"

namespace {

// 48 rows in every tone mode and duplex kind, the way the other tools write them.
std::string PlanOf48Rows() {
    static const char* const kTones[] = {
        ",88.5,88.5,023,NN,023,Tone->Tone",       "Tone,88.5,88.5,023,NN,023,Tone->Tone",
        "TSQL,88.5,100.0,023,NN,023,Tone->Tone",  "DTCS,88.5,88.5,754,RN,023,Tone->Tone",
        "Cross,151.4,88.5,023,NR,032,Tone->DTCS", "Cross,88.5,186.2,246,RN,023,DTCS->Tone",
    };
    static const char* const kDuplex[] = {",0.000000", "+,5.000000", "-,7.600000",
                                          "split,401.012500"};
    std::string csv =
        "Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,DtcsCode,DtcsPolarity,"
        "RxDtcsCode,CrossMode,Mode,TStep,Skip,Power,Comment,URCALL,RPT1CALL,RPT2CALL,DVCODE\r\n";
    for (int row = 1; row <= qv::kChannelCount; ++row) {
        const int kilohertz = 440000 + 125 * row;
        csv += std::to_string(row) + ",Ch " + std::to_string(row) + "," +
               std::to_string(kilohertz / 1000) + "." +
               std::to_string(kilohertz % 1000 + 1000).substr(1) + "000," + kDuplex[row % 4] + "," +
               kTones[row % 6] + "," + (row % 2 ? "FM" : "NFM") + ",12.50," + (row % 5 ? "" : "S") +
               "," + (row % 3 ? "High" : "Low") + ",Roof antenna,,,,\r\n";
    }
    return csv;
}

void BM_ImportPlanOf48Rows(benchmark::State& bench) {
    qv::test::QuietHost host;
    const qv::ProgramState state = qv::StartupState(host);
    const std::string csv = PlanOf48Rows();
    for (auto _ : bench) {
        qv::ChannelPlanImport imported =
            qv::ImportChannelPlan(state, csv, 1, qv::Language::Chinese);
        if (imported.filled.size() != 48) bench.SkipWithError("not every row was imported");
        benchmark::DoNotOptimize(imported);
    }
}
BENCHMARK(BM_ImportPlanOf48Rows);

void BM_ReadPlanOf48RowsAsCsv(benchmark::State& bench) {
    const std::string csv = PlanOf48Rows();
    for (auto _ : bench) {
        qv::CsvReader reader(csv, ',');
        qv::CsvRecord record;
        int records = 0;
        while (reader.Next(record)) ++records;
        benchmark::DoNotOptimize(records);
    }
}
BENCHMARK(BM_ReadPlanOf48RowsAsCsv);

void BM_ExportPlanOf48Channels(benchmark::State& bench) {
    qv::test::QuietHost host;
    const qv::ProgramState started = qv::StartupState(host);
    const qv::Setup state =
        qv::ImportChannelPlan(started, PlanOf48Rows(), 1, qv::Language::Chinese).setup;
    for (auto _ : bench) {
        qv::ChannelPlanExport exported = qv::ExportChannelPlan(state);
        if (!exported.notes.empty()) bench.SkipWithError("the export has notes");
        benchmark::DoNotOptimize(exported);
    }
}
BENCHMARK(BM_ExportPlanOf48Channels);

}  // namespace
