#pragma once
// Every action runs its work through Guarded: a failure that escapes (an
// engine::CalcError or any other exception) is shown with its description,
// and the state and the sheet go back to what they were before the action,
// so no half-written point survives.
#include "model/program.h"
#include "text/run_action.h"

namespace model::detail {

inline bool Guarded(Program& program, const std::function<void()>& work) {
    return text::RunActionOrRollBack(program.platform.notices, work, program.state, program.sheet);
}

}  // namespace model::detail
