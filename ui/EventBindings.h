// Raising the events of the program's windows and controls; which handler runs for
// which event is one table in EventBindings.cpp.
#pragma once

#include "ControlTable.h"
#include "MessageLoop.h"

enum class Event { Created, Destroying, Clicked, LeftClick, RightClick, Chosen };

// The source of a window's own events.
inline constexpr int kWindowItself = 0;

// Runs the handler bound to the event, if any.
void RaiseEvent(WindowId window, int source, Event event);

// The handler of a control's character-input event, if one is bound.
CharInputHandler CharInputHandlerOf(WindowId window, int control);
