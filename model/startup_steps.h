#pragma once
// Steps of the start-up that LoadSheet runs in its order.
namespace model {
struct Program;
namespace detail {
// The datum catalogue from the program's data folder (the user datums join it
// through their own file).
void LoadCatalogue(Program& program);
// The setup file of the data folder into the state, or the start-up defaults
// when it cannot be read.
void ReadStartUpSetup(Program& program);
// The North Sea tables of a restored special mode.
void LoadNorthSeaTables(Program& program);
}  // namespace detail
}  // namespace model
