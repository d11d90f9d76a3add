#pragma once
// Every action runs its work through Guarded: a failure that escapes (an
// engine::CalcError or any other exception) is shown with its description,
// and the state and the sheet go back to what they were before the action,
// so no half-written point survives.
#include <exception>
#include <utility>

#include "model/program.h"

namespace model::detail {

template <class Work>
bool Guarded(Program& program, Work&& work) {
    CalcState saved_state = program.state;
    Sheet saved_sheet = program.sheet;
    try {
        std::forward<Work>(work)();
        return true;
    } catch (const std::exception& failure) {
        program.state = std::move(saved_state);
        program.sheet = std::move(saved_sheet);
        ReportFailure(program, failure);
        return false;
    }
}

}  // namespace model::detail
