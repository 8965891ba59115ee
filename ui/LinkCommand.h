// The command line that opens a link through the ".htm" handler when the shell cannot
// open it: the handler's command cut before its "%1" placeholder, a blank, the target.
#pragma once

#include "text/Text.h"

Text LinkFallbackCommand(const Text& htmOpenCommand, const Text& target);
