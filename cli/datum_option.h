#pragma once
// --datum NAME: a datum by its exact catalogue name as the datum dialog lists
// it, made and applied as the datum dialog would. The catalogue is read from the
// data folder (--data-dir), with the user datums of --user-dir (default: the
// per-user data folder).
#include <string>
#include <vector>

#include "cli/operation.h"
#include "datums/datum_record.h"

namespace cli {

inline constexpr const char* kDefaultDatumName = "WGS84 - World Geodetic system 1984";

// The datum catalogue of the data folder and the user datums. A data-file
// problem raises RecordError with the reader's message (naming the file and line).
datums::DatumCatalogue LoadCatalogue(const Arguments& args);

// The applied datum named by option_name (default kDefaultDatumName); RecordError
// when the catalogue has no such name, listing the names that come close.
struct ChosenDatum {
    datums::DatumRecord applied;
    std::string option;  // "Standard", "Special", "Molodensky" or "UserDefined"
};
ChosenDatum ChooseDatum(const datums::DatumCatalogue& catalogue, const Arguments& args,
                        const std::string& option_name = "datum");

// The two together: the catalogue of --data-dir and --user-dir and the datum of --datum.
ChosenDatum DatumFromArguments(const Arguments& args);

// Every datum of the catalogue as the datum dialog lists it, in the order the
// name is searched: standard, special, Molodensky, user.
struct ListedDatum {
    std::string option;
    std::string name;  // what --datum, --from and --to take
    std::string ellipsoid;
    std::string area;
};
std::vector<ListedDatum> ListDatums(const datums::DatumCatalogue& catalogue);

OptionSpec DatumOptionSpec();

}  // namespace cli
