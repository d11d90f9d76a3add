// The user-datum file "UserDatums.vdx" on any bytes: ReadUserDatumRows and
// LoadUserDatums, then SaveUserDatums of what was read. Invariants: reading
// never fails (a broken row ends the table); LoadUserDatums of the bytes as
// the file gives the same rows; the file the program writes for those rows
// reads back to the same rows; SaveUserDatums succeeds.
#include <fstream>
#include <string>

#include "datums/user_datums.h"
#include "fuzz_folders.h"
#include "fuzz_input.h"
#include "platform/notices.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto rows = datums::ReadUserDatumRows(bytes);
    const std::string written = datums::UserDatumFileText(rows);

    const std::string& folder = fuzz::FreshFolder();
    std::ofstream(std::filesystem::path(folder) / datums::kUserDatumFileName, std::ios::binary) << bytes;
    fuzz::Require(datums::UserDatumFileText(datums::LoadUserDatums(folder)) == written,
                  "LoadUserDatums reads other rows than ReadUserDatumRows");

    const auto again = datums::ReadUserDatumRows(written);
    fuzz::Require(again.size() == rows.size(), "the file written holds another number of rows");
    fuzz::Require(datums::UserDatumFileText(again) == written, "the file written reads back as other rows");

    platform::RecordedNotices notices;
    fuzz::Require(datums::SaveUserDatums(again, folder, notices.Sink()), "SaveUserDatums failed");
    fuzz::Require(notices.notices.empty(), "SaveUserDatums showed a notice");
    fuzz::Require(datums::UserDatumFileText(datums::LoadUserDatums(folder)) == datums::UserDatumFileText(again),
                  "the saved file reads other rows");
    return 0;
}
