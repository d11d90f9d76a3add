// The user-datum file "UserDatums.vdx" on any bytes: ReadUserDatumRows and
// LoadUserDatums, then SaveUserDatums of what was read. Invariants: reading
// never fails (a broken row is left out); LoadUserDatums of the bytes as
// the file gives the same rows; the file the program writes for those rows
// reads back to the same rows (Windows-1252 text that also reads as UTF-8
// after one more writing); SaveUserDatums succeeds and loads back.
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
    // Windows-1252 text whose bytes also form UTF-8 ("Ã¸") reads back as UTF-8 ("ø"):
    // the readers take UTF-8 first. Such a file settles after one more writing.
    if (!fuzz::ReadsAsUtf8(written))
        fuzz::Require(datums::UserDatumFileText(again) == written, "the file written reads back as other rows");
    const std::string settled = datums::UserDatumFileText(again);
    fuzz::Require(datums::UserDatumFileText(datums::ReadUserDatumRows(settled)) == settled,
                  "the file written twice does not settle");

    platform::RecordedNotices notices;
    const auto settled_rows = datums::ReadUserDatumRows(settled);
    fuzz::Require(datums::SaveUserDatums(settled_rows, folder, notices.Sink()), "SaveUserDatums failed");
    fuzz::Require(notices.notices.empty(), "SaveUserDatums showed a notice");
    fuzz::Require(datums::UserDatumFileText(datums::LoadUserDatums(folder)) == settled,
                  "the saved file reads other rows");
    return 0;
}
