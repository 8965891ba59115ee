// The two windows of the program as data.
#pragma once

#include "ControlTable.h"

extern const WindowDefinition kMainWindow;
extern const WindowDefinition kAboutWindow;
