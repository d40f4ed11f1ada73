// Channel plans of 48 channels: a CSV file as the radio programming tools write it, imported into
// the grid (the reading of the file, every row through the grid's rules, the new set-up), and the
// 48 channels exported (with the import that checks what the file gives back). Aim: far below one
// frame of a 60 Hz display (16.7 ms), so that the desktop applies an import at once.
#include <benchmark/benchmark.h>

#include <string>

#include "plan_of_48_rows.h"
#include "rules/plans/channel_plan_export.h"
#include "rules/plans/channel_plan_import.h"
#include "rules/plans/csv_reader.h"
#include "rules/program/startup.h"
#include "support/quiet_host.h"

namespace {

void BM_ImportPlanOf48Rows(benchmark::State& bench) {
    qv::test::QuietHost host;
    const qv::ProgramState state = qv::StartupState(host);
    const std::string csv = qv::bench::PlanOf48Rows();
    for (auto _ : bench) {
        qv::ChannelPlanImport imported = qv::ImportChannelPlan(
            state, csv, qv::PlanPlacement::FromChannel(1), qv::Language::Chinese);
        if (imported.filled.size() != 48) bench.SkipWithError("not every row was imported");
        benchmark::DoNotOptimize(imported);
    }
}
BENCHMARK(BM_ImportPlanOf48Rows);

void BM_ReadPlanOf48RowsAsCsv(benchmark::State& bench) {
    const std::string csv = qv::bench::PlanOf48Rows();
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
        qv::ImportChannelPlan(started, qv::bench::PlanOf48Rows(), qv::PlanPlacement::FromChannel(1),
                              qv::Language::Chinese)
            .setup;
    for (auto _ : bench) {
        qv::ChannelPlanExport exported = qv::ExportChannelPlan(state);
        if (!exported.notes.empty()) bench.SkipWithError("the export has notes");
        benchmark::DoNotOptimize(exported);
    }
}
BENCHMARK(BM_ExportPlanOf48Channels);

}  // namespace
