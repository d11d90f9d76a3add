// Script actions whose dialogs the program does not have yet: each line says
// so, and the session goes on. An action leaves this list when its own
// cli/session_*.cpp registers it.
#include "cli/operation.h"
#include "cli/session.h"

namespace cli {
namespace {

SessionAction NotYet(const std::string& action) {
    return [action](Session&, const std::string&) {
        throw RecordError("the action '" + action + "' is not available yet");
    };
}

const bool registered = RegisterSessionAction("report", NotYet("report"));

}  // namespace
}  // namespace cli
