// The About window hides the main window while it is open and brings it back, in its
// place, however it is closed.
#include "ShellHandlers.h"

#include "WindowOps.h"

void ShowAboutWindow() {
    SetVisible(MainWindow(), false);
    LoadWindow(AboutWindow(), true);
}

void OnAboutWindowDestroying() {
    SetVisible(MainWindow(), true);
}

void RestoreMainWindow() {
    SetWindowState(MainWindow(), 0);
}

void ShowTrayMenu() {
    PopUpTrayMenu(MainWindow(), "菜单");
}
