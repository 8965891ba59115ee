// The program's one escape rule: bytes outside "*,-./@_", digits and ASCII letters become
// "%" and two upper-case hex digits. The counter measures with it; the senders encode with it.
#pragma once

#include "text/Text.h"

Text EscapeForCount(const Text& text);

// What the counter label shows for a message: 159 minus its escaped length.
Text CounterText(const Text& message);
