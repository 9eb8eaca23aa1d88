#pragma once

#include "rules/Nakyma.h"

// The one screen-wide pointer: the hourglass stays until the default comes back,
// however many steps asked for it.
void AsetaNaytonOsoitin(Osoitin osoitin);
