#pragma once
#include <vector>

#include "shell/startup_settings.h"

namespace lumena {

class TFormScreen;

// Plays the intro entries in order on the backdrop; a click or a key skips
// the rest.
void PlayIntro(TFormScreen& screen, const std::vector<IntroEntry>& entries);

}  // namespace lumena
