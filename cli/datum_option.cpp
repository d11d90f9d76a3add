#include "cli/datum_option.h"

#include "cli/data_dir.h"
#include "datums/catalogue.h"

namespace cli {

datums::DatumCatalogue LoadCatalogue(const Arguments& args) {
    try {
        return datums::LoadDatumCatalogue(DataDirectory(args));
    } catch (const datums::DataFileError& e) {
        throw RecordError(e.what());
    }
}

ChosenDatum ChooseDatum(const datums::DatumCatalogue& catalogue, const Arguments& args,
                        const std::string& option_name) {
    const std::string name = args.GetOr(option_name, kDefaultDatumName);
    auto found = datums::FindDatumByName(catalogue, name);
    if (!found) throw RecordError("--" + option_name + ": no datum named \"" + name + "\" in the catalogue");
    ChosenDatum chosen{found->made, found->option};
    datums::ApplyDatumRecord(chosen.option, chosen.applied);
    return chosen;
}

ChosenDatum DatumFromArguments(const Arguments& args) { return ChooseDatum(LoadCatalogue(args), args); }

OptionSpec DatumOptionSpec() {
    return {"datum", true, "datum by its catalogue name (default \"WGS84 - World Geodetic system 1984\")"};
}

}  // namespace cli
