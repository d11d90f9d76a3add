// datums: every datum the program knows, by the exact name --datum, --from and
// --to take, with its kind, ellipsoid and area.
#include <ostream>

#include "cli/datum_option.h"
#include "cli/operation.h"

namespace {

int Run(const cli::Arguments& args, std::istream&, std::ostream& out) {
    const auto catalogue = cli::LoadCatalogue(args);
    out << "# name\tkind\tellipsoid\tarea\n";
    for (const auto& datum : cli::ListDatums(catalogue))
        out << datum.name << '\t' << datum.option << '\t' << datum.ellipsoid << '\t' << datum.area << '\n';
    return 0;
}

const bool registered = cli::Register({
    "datums", "(none)", "name TAB kind TAB ellipsoid TAB area, one datum a line", {},
    "Lists the standard, special, Molodensky and user datums (of --user-dir) by their exact names.", Run});

}  // namespace
