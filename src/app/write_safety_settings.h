#pragma once

#include "app/app_settings.h"
#include "stack/write_safety.h"

namespace lmk17 {

// What the desktop program does before every write, from its settings: a
// backup, the changes listed and asked (unless turned off), and a question
// when the transmitter already holds the configuration.
WriteSafety WriteSafetyFromSettings(const AppSettings& settings);

}  // namespace lmk17
