// The program's two windows, made from their tables on first use.
#include "FormWindow.h"
#include "WindowTables.h"

FormWindow& MainWindow() {
    static FormWindow window(kMainWindow);
    return window;
}

FormWindow& AboutWindow() {
    static FormWindow window(kAboutWindow);
    return window;
}
