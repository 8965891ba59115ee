// The addresses that browser controls load at creation and that hyperlinks show and
// open, made from the service hosts of the build.
#pragma once

#include "ControlTable.h"
#include "text/Text.h"

// A browser's address at creation, or a hyperlink's caption.
Text AddressText(Address address);
// What a hyperlink opens.
Text LinkTarget(Address address);
