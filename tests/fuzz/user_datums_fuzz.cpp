// The user-datum file "UserDatums.vdx" on any bytes: ReadUserDatumFile and
// LoadUserDatumFile, then SaveUserDatums of what was read. Invariants: reading
// never fails (a broken row is left out of the rows); LoadUserDatumFile of the
// bytes as the file gives the same rows; the file the program writes for those rows
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
    const auto rows = datums::ReadUserDatumFile(bytes).rows;
    const std::string written = datums::UserDatumFileText(rows);

    const std::string& folder = fuzz::FreshFolder();
    std::ofstream(std::filesystem::path(folder) / datums::kUserDatumFileName, std::ios::binary) << bytes;
    platform::RecordedNotices notices;
    fuzz::Require(datums::UserDatumFileText(datums::LoadUserDatumFile(folder, notices.Sink()).rows) == written,
                  "LoadUserDatumFile reads other rows than ReadUserDatumFile");

    const auto again = datums::ReadUserDatumFile(written).rows;
    fuzz::Require(again.size() == rows.size(), "the file written holds another number of rows");
    // Windows-1252 text whose bytes also form UTF-8 ("Ã¸") reads back as UTF-8 ("ø"):
    // the readers take UTF-8 first. Such a file settles after one more writing.
    if (!fuzz::ReadsAsUtf8(written))
        fuzz::Require(datums::UserDatumFileText(again) == written, "the file written reads back as other rows");
    const std::string settled = datums::UserDatumFileText(again);
    fuzz::Require(datums::UserDatumFileText(datums::ReadUserDatumFile(settled).rows) == settled,
                  "the file written twice does not settle");

    notices.notices.clear();
    const auto settled_rows = datums::ReadUserDatumFile(settled).rows;
    fuzz::Require(datums::SaveUserDatums(settled_rows, folder, notices.Sink()), "SaveUserDatums failed");
    fuzz::Require(notices.notices.empty(), "SaveUserDatums showed a notice");
    fuzz::Require(datums::UserDatumFileText(datums::LoadUserDatumFile(folder, notices.Sink()).rows) == settled,
                  "the saved file reads other rows");
    return 0;
}
