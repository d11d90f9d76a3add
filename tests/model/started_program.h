#pragma once
// A program started as the user starts it: from the data files, over a fresh
// data folder of its own, in range/bearing mode or switched to datum shift,
// with the notices of the start-up cleared.
#include "model/layout.h"
#include "model/program.h"
#include "support/setup_files.h"

struct StartedProgram {
    setup_files::TempFolder folder{"twopoint_model"};
    platform::RecordedNotices recorded;
    model::Program program;

    explicit StartedProgram(bool datum_shift_mode = false) {
        program.folders = {TWOPOINT_TEST_DATA_DIR, folder.path.string()};
        program.platform.notices = recorded.Sink();
        program.platform.folders = model::FileSystemFolders();
        model::StartUp(program);
        if (datum_shift_mode) model::SwitchMode(program, 1);
        recorded.notices.clear();
    }
    model::PointRecord& P(int i) { return program.state.point[static_cast<std::size_t>(i)]; }
};
