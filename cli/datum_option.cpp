#include "cli/datum_option.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <iostream>

#include "cli/data_dir.h"
#include "datums/catalogue.h"
#include "datums/user_datums.h"
#include "model/program.h"
#include "platform/safe_files.h"

namespace cli {

namespace {

// The rows of the user-datum file that can be read. A batch run leaves the
// file as it is (the desktop program keeps a copy of a damaged one), but says
// on standard error which rows it could not load, so that a datum name that is
// not found later has its reason beside it.
std::vector<datums::DatumEntry> LoadUserDatumRows(const std::string& folder) {
    const std::string path = (std::filesystem::path(folder) / datums::kUserDatumFileName).string();
    const platform::FileRead file = platform::ReadRegularFile(path);
    if (file.status == platform::ReadStatus::Missing) return {};
    if (file.status == platform::ReadStatus::Failed) {
        std::cerr << "twopoint-calc: user datums not loaded: " << file.problem << '\n';
        return {};
    }
    datums::UserDatumFileRead read = datums::ReadUserDatumFile(file.bytes);
    for (const std::string& problem : read.problems)
        std::cerr << "twopoint-calc: " << path << ": " << problem << ", row not loaded\n";
    return std::move(read.rows);
}

}  // namespace

datums::DatumCatalogue LoadCatalogue(const Arguments& args) {
    try {
        auto catalogue = datums::LoadDatumCatalogue(DataDirectory(args));
        catalogue.UserDatums = LoadUserDatumRows(args.GetOr("user-dir", model::DefaultUserDataFolder()));
        return catalogue;
    } catch (const datums::DataFileError& e) {
        throw RecordError(e.what());
    }
}

std::vector<ListedDatum> ListDatums(const datums::DatumCatalogue& catalogue) {
    std::vector<ListedDatum> list;
    for (const auto& row : catalogue.StandardDatums)
        list.push_back({datums::kOptionStandard, row.Name, row.Ellipsoid, row.Area});
    for (const auto& row : catalogue.SpecialDatums)
        list.push_back({datums::kOptionSpecial, row.Name, row.Ellipsoid, row.Area});
    for (const auto& row : catalogue.MolodenskyDatums)
        list.push_back({datums::kOptionMolodensky, datums::ListedName(row), row.Ellipsoid, row.Area});
    for (const auto& row : catalogue.UserDatums)
        list.push_back({datums::kOptionUserDefined, datums::ListedName(row), row.Ellipsoid, row.Area});
    return list;
}

namespace {

std::string Lower(const std::string& text) {
    std::string lower = text;
    for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return lower;
}

std::size_t EditDistance(const std::string& a, const std::string& b) {
    std::vector<std::size_t> row(b.size() + 1);
    for (std::size_t j = 0; j <= b.size(); ++j) row[j] = j;
    for (std::size_t i = 1; i <= a.size(); ++i) {
        std::size_t diagonal = row[0];
        row[0] = i;
        for (std::size_t j = 1; j <= b.size(); ++j) {
            const std::size_t above = row[j];
            row[j] = std::min({row[j] + 1, row[j - 1] + 1, diagonal + (a[i - 1] == b[j - 1] ? 0 : 1)});
            diagonal = above;
        }
    }
    return row[b.size()];
}

// Names that differ only in case or blanks, hold the typed text, or lie a few edits away.
std::vector<std::string> CloseNames(const datums::DatumCatalogue& catalogue, const std::string& typed) {
    const std::string wanted = Lower(typed);
    std::vector<std::pair<std::size_t, std::string>> scored;
    for (const auto& datum : ListDatums(catalogue)) {
        const std::string name = Lower(datum.name);
        std::size_t score = EditDistance(wanted, name);
        if (!wanted.empty() && name.find(wanted) != std::string::npos) score = std::min<std::size_t>(score, 1);
        if (score <= std::max<std::size_t>(2, wanted.size() / 4)) scored.emplace_back(score, datum.name);
    }
    std::stable_sort(scored.begin(), scored.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    std::vector<std::string> names;
    for (std::size_t k = 0; k < scored.size() && k < 5; ++k) names.push_back(scored[k].second);
    return names;
}

}  // namespace

ChosenDatum ChooseDatum(const datums::DatumCatalogue& catalogue, const Arguments& args,
                        const std::string& option_name) {
    const std::string name = args.GetOr(option_name, kDefaultDatumName);
    auto found = datums::FindDatumByName(catalogue, name);
    if (!found) {
        std::string message = "--" + option_name + ": no datum named \"" + name + "\" in the catalogue";
        const auto close = CloseNames(catalogue, name);
        for (std::size_t k = 0; k < close.size(); ++k)
            message += (k == 0 ? "; close names: \"" : ", \"") + close[k] + "\"";
        if (close.empty()) message += " (twopoint-calc datums lists every name)";
        throw RecordError(message);
    }
    ChosenDatum chosen{found->made, found->option};
    datums::ApplyDatumRecord(chosen.option, chosen.applied);
    return chosen;
}

ChosenDatum DatumFromArguments(const Arguments& args) { return ChooseDatum(LoadCatalogue(args), args); }

OptionSpec DatumOptionSpec() {
    return {"datum", true, "datum by its catalogue name (default \"WGS84 - World Geodetic system 1984\")"};
}

}  // namespace cli
