// The general error report: what a handler did not catch is shown in one modal box and the
// program goes on.
#pragma once
#include <string>

#include "core/ui.h"

namespace kakipo {

// The message as shown: a "." is added when its last byte sorts after ".", so a sentence ending in
// a letter, digit or Japanese character gets one and one ending in "." or "!" does not.
std::string errorBoxText(const std::string& message);

// Title = the window title, error icon, OK.
void reportError(MessageBoxes& ui, const std::string& windowTitle, const std::string& message);

}  // namespace kakipo
