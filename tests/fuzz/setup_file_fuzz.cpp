// The setup file "Polvant.ini" on any bytes: DecodeSetup alone, then the
// whole start-up with the bytes as the default setup file, then the
// shut-down. Invariants: a file is read or refused with a stated problem; a
// file read (also a damaged one, as far as it could be) is written again in a
// form that reads back to itself; the
// start-up never fails and shows no empty, NaN or infinite value; whatever
// state the start-up leaves is written as a file that reads back.
#include <fstream>
#include <sstream>
#include <string>

#include "cli/session.h"
#include "fuzz_folders.h"
#include "fuzz_input.h"
#include "model/setup_file.h"
#include "setup_round_trip.h"
#include "support/sheet_checks.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    model::SetupRecord record = model::CaptureSetup(model::CalcState{});
    const model::SetupReadResult result = model::DecodeSetup(bytes, record);
    if (result.status == model::SetupReadStatus::Ok) fuzz::RequireSetupRoundTrip(record, "a file read");
    else if (result.status == model::SetupReadStatus::Damaged) fuzz::RequireSetupRoundTrip(record, "a damaged file read");
    if (result.status != model::SetupReadStatus::Ok)
        fuzz::Require(!result.problem.empty(), "a damaged or refused file without its problem");

    const std::string& folder = fuzz::FreshFolder();
    std::ofstream(model::DefaultSetupPath(folder), std::ios::binary) << bytes;
    std::ostringstream out;
    cli::Session session(out);
    session.Install(TWOPOINT_FUZZ_DATA_DIR, folder);
    model::StartUp(session.program);
    if (const auto bad = checks::BadValueRow(session.program.sheet)) fuzz::Fail("after the start-up " + *bad);
    fuzz::RequireSetupRoundTrip(model::CaptureSetup(session.program.state), "the state after the start-up");
    model::ShutDown(session.program);
    return 0;
}
