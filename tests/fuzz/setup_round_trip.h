#pragma once
// The setup file the program writes for a record reads back to itself.
#include <string>

#include "fuzz_input.h"
#include "model/setup_file.h"

namespace fuzz {

inline void RequireSetupRoundTrip(const model::SetupRecord& record, const std::string& what) {
    const std::string written = model::EncodeSetup(record);
    model::SetupRecord again;
    const model::SetupReadResult result = model::DecodeSetup(written, again);
    Require(result.status == model::SetupReadStatus::Ok, what + " does not read back: " + result.problem);
    // Windows-1252 text whose bytes also form UTF-8 ("Ã¸") reads back as UTF-8 ("ø").
    if (!ReadsAsUtf8(written)) Require(model::EncodeSetup(again) == written, what + " reads back as another file");
}

}  // namespace fuzz
