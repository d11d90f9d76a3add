#pragma once
// --datum NAME: a datum by its exact catalogue name as the datum dialog lists
// it, made and applied as the datum dialog would. The catalogue is read from the
// data folder (--data-dir); user datums join it when the user-datum file is read.
#include <string>

#include "cli/operation.h"
#include "datums/datum_record.h"

namespace cli {

inline constexpr const char* kDefaultDatumName = "WGS84 - World Geodetic system 1984";

// The datum catalogue of the data folder. A data-file problem raises RecordError
// with the reader's message (naming the file and line).
datums::DatumCatalogue LoadCatalogue(const Arguments& args);

// The applied datum named by option_name (default kDefaultDatumName); RecordError
// when the catalogue has no such name.
struct ChosenDatum {
    datums::DatumRecord applied;
    std::string option;  // "Standard", "Special", "Molodensky" or "UserDefined"
};
ChosenDatum ChooseDatum(const datums::DatumCatalogue& catalogue, const Arguments& args,
                        const std::string& option_name = "datum");

// The two together: the catalogue of --data-dir and the datum of --datum.
ChosenDatum DatumFromArguments(const Arguments& args);

OptionSpec DatumOptionSpec();

}  // namespace cli
