#pragma once
// The user's number locale as far as the program needs it: the decimal
// separator shown on screen. The desktop program sets it at start-up from the
// system locale; twopoint-calc sets it from --locale-comma; tests set it freely.
// Files always use a point and never consult this.

namespace platform {

struct NumberLocale {
    char decimal_separator = '.';
};

// The locale in effect; a point until SetNumberLocale is called.
NumberLocale CurrentNumberLocale();
void SetNumberLocale(NumberLocale locale);

}  // namespace platform
