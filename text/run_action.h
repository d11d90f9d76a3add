#pragma once
// The convention for run-time failures that reach a user action: the action's
// handler catches whatever escapes (an engine::CalcError from an arithmetic
// fault, a failed file or dialog operation), shows its description in a notice
// without icon under the application title, and abandons the action. The
// program never ends because of bad input or a fault.
#include <functional>
#include <tuple>

#include "platform/notices.h"

namespace text {

// Runs action; returns true when it completed, false when a failure escaped it
// and was reported through notices.
bool RunAction(const platform::NoticeSink& notices, const std::function<void()>& action);

namespace detail {
// RunAction that, on a failure, runs roll_back before the failure is shown.
bool RunAction(const platform::NoticeSink& notices, const std::function<void()>& action,
               const std::function<void()>& roll_back);
}  // namespace detail

// RunAction that leaves no half-done change: what `kept` holds is copied
// first and put back when the action fails, before the failure is shown.
template <class... Kept>
bool RunActionOrRollBack(const platform::NoticeSink& notices, const std::function<void()>& action, Kept&... kept) {
    std::tuple<Kept...> saved{kept...};
    return detail::RunAction(notices, action, [&] { std::tie(kept...) = std::move(saved); });
}

}  // namespace text
