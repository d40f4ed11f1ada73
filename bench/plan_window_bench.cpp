// A channel plan of 48 rows applied in the desktop program and taken back, each up to the
// repainted grid: the import as OK applies it (every row through the grid's rules, the new set-up,
// the step of the history, the windows refreshed, the grid repainted), and Undo of it (the set-up
// before put back, the windows refreshed, the grid repainted). Aim: under one frame of a 60 Hz
// display (16.7 ms). Runs the real main window under whatever Qt platform is set (offscreen by
// default).
//
// Run: build/release/bench/plan_window_bench [Google Benchmark options]
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QTableView>
#include <QTemporaryDir>

#include <memory>

#include "gui/mainwindow/main_window.h"
#include "gui/shell/program.h"
#include "plan_of_48_rows.h"
#include "rules/plans/channel_plan_import.h"
#include "support/program_folder.h"

namespace {

struct Desktop {
    QTemporaryDir folder;
    std::unique_ptr<qv::Program> program;
    std::unique_ptr<qv::MainWindow> window;
    QWidget* grid = nullptr;

    Desktop() {
        program = std::make_unique<qv::Program>(qv::test::ProgramPathsIn(folder.path()));
        window = std::make_unique<qv::MainWindow>(*program);
        window->show();
        grid = window->findChild<QTableView*>(QStringLiteral("Grid1"))->viewport();
        QApplication::processEvents();
    }

    // What OK of the import window does, up to the repainted grid.
    void Import(const std::string& csv) {
        qv::ProgramState& state = program->State();
        qv::ChannelPlanImport imported = qv::ImportChannelPlan(
            state, csv, qv::PlanPlacement::FromChannel(1), qv::Language::Chinese);
        static_cast<qv::Setup&>(state) = std::move(imported.setup);
        program->Changed(qv::StatePart::Grid);
        grid->repaint();
    }
};

// Made and ended by main, within the application's lifetime.
Desktop* theDesktop = nullptr;

Desktop& TheDesktop() {
    return *theDesktop;
}

void BM_ImportPlanOf48RowsWithRepaint(benchmark::State& bench) {
    Desktop& desktop = TheDesktop();
    QUndoStack& steps = desktop.program->History().Stack();
    const std::string csv = qv::bench::PlanOf48Rows();
    for (auto _ : bench) {
        desktop.Import(csv);
        bench.PauseTiming();
        steps.undo();  // the grid empty again for the next import
        QApplication::processEvents();
        bench.ResumeTiming();
    }
}
BENCHMARK(BM_ImportPlanOf48RowsWithRepaint)->Unit(benchmark::kMicrosecond);

void BM_UndoImportOfPlanOf48RowsWithRepaint(benchmark::State& bench) {
    Desktop& desktop = TheDesktop();
    QUndoStack& steps = desktop.program->History().Stack();
    desktop.Import(qv::bench::PlanOf48Rows());
    for (auto _ : bench) {
        steps.undo();
        desktop.grid->repaint();
        bench.PauseTiming();
        steps.redo();
        QApplication::processEvents();
        bench.ResumeTiming();
    }
}
BENCHMARK(BM_UndoImportOfPlanOf48RowsWithRepaint)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    {
        Desktop desktop;
        theDesktop = &desktop;
        benchmark::RunSpecifiedBenchmarks();
        theDesktop = nullptr;
    }
    benchmark::Shutdown();
    return 0;
}
