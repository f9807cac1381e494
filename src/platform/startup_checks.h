// The desktop's own checks before the splash: a display, and a screen wide
// enough for the windows.
#pragma once

#include <string>

#include "store/user_interface.h"

namespace baltu::platform {

// The warning for screens narrower than 800 pixels.
std::string narrowScreenWarning();

// A display must be there; a screen narrower than 800 pixels asks whether to go
// on (OK/Cancel, Cancel by default). False when the program must end.
bool runPlatformChecks(store::UserInterface& ui);
// The same for a known screen width (no screen: width 0 and `hasScreen` false).
bool runPlatformChecks(store::UserInterface& ui, bool hasScreen, int screenWidth);

// True when a windowing system can be reached (checked before Qt opens one).
bool displayAvailable();

}  // namespace baltu::platform
