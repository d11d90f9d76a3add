// Speed of the whole program's work per user action. Targets: one geographic
// edit with its recompute in range/bearing mode under 50 us; the same in
// datum-shift mode (shift through WGS84, deviations, EGM96 geoid rows) under
// 100 us; a start-up (catalogue files, setup file, first recompute) under 50 ms.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>
#include <unistd.h>

#include "model/actions.h"
#include "model/dialogs.h"
#include "model/program.h"

namespace {

namespace fs = std::filesystem;

// A program started headless on the built data files, with a fresh data folder.
struct StartedProgram {
    fs::path user_folder;
    model::Program program;
    model::MemorySettings settings;

    StartedProgram() {
        user_folder = fs::temp_directory_path() / ("twopoint-bench-" + std::to_string(::getpid()));
        fs::create_directories(user_folder);
        Install(program);
    }
    ~StartedProgram() {
        std::error_code ignored;
        fs::remove_all(user_folder, ignored);
    }
    void Install(model::Program& p) {
        p.folders.program_data = TWOPOINT_TEST_DATA_DIR;
        p.folders.user_data = user_folder.string();
        p.platform.notices.show = [](const platform::Notice&) {};
        p.platform.settings = settings.Store();
        p.platform.folders = model::FileSystemFolders();
    }
};

// The geographic dialog of point i as a user fills it: open, type, leave the boxes, OK.
void EditGeographic(model::Program& program, int i, int k) {
    model::GeographicDialog dialog = model::OpenGeographicDialog(program, i);
    dialog.latitude = std::to_string(56 + k % 5) + " " + std::to_string(k % 60) + " 12.5N";
    model::LeaveLatitude(program, dialog);
    dialog.longitude = std::to_string(1 + k % 7) + " " + std::to_string((7 * k) % 60) + " 3.25E";
    model::LeaveLongitude(program, dialog);
    dialog.height = std::to_string(k % 100);
    model::GeographicDialogOK(program, dialog);
    model::CloseDialog(program);
}

void BM_GeographicEditRangeBearing(benchmark::State& state) {
    StartedProgram started;
    model::StartUp(started.program);
    int k = 0;
    for (auto _ : state) {
        EditGeographic(started.program, k & 1, k);
        ++k;
    }
    benchmark::DoNotOptimize(started.program.state.pub_TrueDist);
}
BENCHMARK(BM_GeographicEditRangeBearing)->Unit(benchmark::kMicrosecond);

void BM_GeographicEditDatumShift(benchmark::State& state) {
    StartedProgram started;
    model::StartUp(started.program);
    model::MenuCommand(started.program, "mnuModeMode(1)");
    int k = 0;
    for (auto _ : state) {
        EditGeographic(started.program, 0, k);
        ++k;
    }
    benchmark::DoNotOptimize(started.program.state.point[1].pub_Lat);
}
BENCHMARK(BM_GeographicEditDatumShift)->Unit(benchmark::kMicrosecond);

void BM_StartUp(benchmark::State& state) {
    StartedProgram started;
    for (auto _ : state) {
        model::Program program;
        started.Install(program);
        model::StartUp(program);
        benchmark::DoNotOptimize(program.sheet);
    }
}
BENCHMARK(BM_StartUp)->Unit(benchmark::kMillisecond);

}  // namespace
