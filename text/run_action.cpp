#include "text/run_action.h"

#include <exception>

namespace text {

bool RunAction(const platform::NoticeSink& notices, const std::function<void()>& action) {
    try {
        action();
        return true;
    } catch (const std::exception& failure) {
        platform::Show(notices, failure.what(), platform::Icon::None);
    } catch (...) {
        platform::Show(notices, "Unexpected failure", platform::Icon::None);
    }
    return false;
}

}  // namespace text
