// Runs before the typed character reaches the box, so the count is of the text before
// it: the character being typed is assumed to cost one.
#include "MessageCounter.h"

#include "Escape.h"
#include "ui/MainWindowControls.h"
#include "ui/WindowOps.h"

std::optional<int> OnMessageCharInput(int code) {
    using namespace main_window;
    if (code >= 123) {
        return 0;
    }
    const FormWindow& window = MainWindow();
    SetText(window.Control(标签4), CounterText(GetText(window.Control(编辑框4))));
    return std::nullopt;
}
