#include "text/run_action.h"

#include <stdexcept>

#include "text/typed_input.h"

namespace text {

namespace {

// A refused input (InputRefused) has shown its own notice already.
void ReportFailure(const platform::NoticeSink& notices, const std::exception& failure) {
    if (dynamic_cast<const InputRefused*>(&failure)) return;
    platform::Show(notices, failure.what(), platform::Icon::None);
}

}  // namespace

bool RunAction(const platform::NoticeSink& notices, const std::function<void()>& action) {
    return detail::RunAction(notices, action, {});
}

namespace detail {

bool RunAction(const platform::NoticeSink& notices, const std::function<void()>& action,
               const std::function<void()>& roll_back) {
    try {
        action();
        return true;
    } catch (const std::exception& failure) {
        if (roll_back) roll_back();
        ReportFailure(notices, failure);
    } catch (...) {
        if (roll_back) roll_back();
        ReportFailure(notices, std::runtime_error("Unexpected failure"));
    }
    return false;
}

}  // namespace detail

}  // namespace text
