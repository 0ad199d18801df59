#pragma once

#include <string>

namespace qtview {

// Whether a window can be shown at all. When not, `why` says so in one line,
// with how to run the program without a screen.
bool displayAvailable(std::string& why);

}  // namespace qtview
