// Handlers of the user interface around the senders: the About button and window's
// end, the tray icon's clicks and the tray menu item "打开主窗口".
#pragma once

void ShowAboutWindow();
void OnAboutWindowDestroying();
void RestoreMainWindow();
void ShowTrayMenu();
