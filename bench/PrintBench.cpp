// `qlptool print` and `qlptool export` of a 100 000-part plan as a whole process: wall time
// and peak memory.

#include "ExHeadlessView.h"
#include "KORVANEXDoc.h"
#include "support/SavedByChild.h"
#include "support/ScatteredParts.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <filesystem>
#include <memory>
#include <spawn.h>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace {

namespace fs = std::filesystem;

constexpr int kParts = 100000;
constexpr int kMapWidth = 50;
constexpr int kMapHeight = 28;

// The view benchmarks' 100 000 parts on their 50 m × 28 m sheet.
void SavePlan(const fs::path& file) {
    CExHeadlessView view(100, kMapWidth, kMapHeight);
    ExActiveViewScope active(&view);
    CKORVANEXDoc doc;
    doc.ViewSettings().mapWidth = kMapWidth;
    doc.ViewSettings().mapHeight = kMapHeight;
    AddScatteredParts(doc, kParts, kMapWidth, kMapHeight);
    doc.OnSaveDocument(file);
}

const fs::path& GeneratedPlan() {
    static const fs::path path = SavedByChild("qp-bench-print-100k.qlp", SavePlan);
    return path;
}

// Runs the tool and waits for it; its peak resident memory in KiB, -1 when it failed. The peak
// also counts what the child shared with this process before its exec, so this process is kept
// small: the plan is made in a child of its own.
long RunTool(const std::vector<std::string>& arguments) {
    std::vector<char*> argv;
    for (const std::string& argument : arguments) {
        argv.push_back(const_cast<char*>(argument.c_str()));
    }
    argv.push_back(nullptr);
    pid_t pid = 0;
    if (posix_spawn(&pid, argv[0], nullptr, nullptr, argv.data(), environ) != 0) {
        return -1;
    }
    int status = 0;
    rusage usage{};
    if (wait4(pid, &status, 0, &usage) != pid || !WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        return -1;
    }
    return usage.ru_maxrss;
}

// Times the tool over the benchmark's iterations and reports its peak memory and the size of
// the file it wrote.
void MeasureTool(benchmark::State& state, const std::vector<std::string>& arguments,
                 const fs::path& output) {
    long peak = 0;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        peak = RunTool(arguments);
        state.SetIterationTime(
            std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
        if (peak < 0) {
            state.SkipWithError("qlptool failed");
            return;
        }
    }
    state.counters["peak_MiB"] = static_cast<double>(peak) / 1024;
    state.counters["file_MiB"] = static_cast<double>(fs::file_size(output)) / (1024 * 1024);
}

void BM_QlptoolPrint(benchmark::State& state, const char* scale) {
    const fs::path pdf = fs::temp_directory_path() / "qp-bench-print.pdf";
    MeasureTool(state,
                {QLPTOOL_PATH, "print", GeneratedPlan().string(), pdf.string(), "--scale", scale},
                pdf);
}
BENCHMARK_CAPTURE(BM_QlptoolPrint, fit, "fit")
    ->UseManualTime()
    ->Iterations(3)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_QlptoolPrint, one_fiftieth, "50")
    ->UseManualTime()
    ->Iterations(3)
    ->Unit(benchmark::kMillisecond);

// `qlptool export` of the same plan as a PDF of the default picture size.
void BM_QlptoolExportPdf(benchmark::State& state) {
    const fs::path pdf = fs::temp_directory_path() / "qp-bench-export.pdf";
    MeasureTool(state, {QLPTOOL_PATH, "export", GeneratedPlan().string(), pdf.string()}, pdf);
}
BENCHMARK(BM_QlptoolExportPdf)->UseManualTime()->Iterations(3)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
