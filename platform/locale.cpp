#include "platform/locale.h"

namespace platform {

namespace {
// Read and written only on the user-interface thread.
NumberLocale current_locale;
}  // namespace

NumberLocale CurrentNumberLocale() { return current_locale; }

void SetNumberLocale(NumberLocale locale) { current_locale = locale; }

}  // namespace platform
