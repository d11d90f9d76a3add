#pragma once
// Steps of the start-up that StartUp and LoadSheet run, in their order.
namespace model {
struct Program;
namespace detail {
// The datum catalogue from the program's data folder; raises
// datums::DataFileError when a data file is missing or damaged.
void LoadCatalogue(Program& program);
// The user datums from the data folder's file, with its notice when rows
// cannot be read; the changed flag cleared.
void LoadUserDatumTable(Program& program);
// The setup file of the data folder into the state, or the start-up defaults
// when it cannot be read.
void ReadStartUpSetup(Program& program);
// The tables of a special mode from the program's data folder ("NorthSea.vdx",
// "ngo-data.vdx"), when the mode is chosen or restored.
void LoadNorthSeaTables(Program& program);
void LoadNgoTables(Program& program);
}  // namespace detail
}  // namespace model
