// A top-level window of the program built from its definition: it creates the controls
// from the table, raises the bound events, switches tab pages and can run modally.
#pragma once

#include <map>
#include <memory>
#include <vector>

#include "ControlTable.h"
#include "Window.h"

class BrowserHost;
class TrayIcon;

class FormWindow : public Window {
public:
    explicit FormWindow(const WindowDefinition& definition);
    ~FormWindow() override;

    const WindowDefinition& Definition() const { return definition_; }
    HWND Control(int id) const;
    BrowserHost* Browser(int id) const;

    // Creates and shows the window; a modal one returns when it has been closed.
    bool Load(bool modal);

    // 0 normal, 1 centred, 2 minimised, 3 maximised; applied at creation and when set on a
    // visible window.
    int state = 1;

private:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    bool CreateFrame();
    void CreateControls();
    void SelectPage(int page);
    void Close();
    const ControlRow* RowOf(HWND control) const;

    const WindowDefinition& definition_;
    std::map<int, HWND> controls_;
    std::vector<std::unique_ptr<Window>> controlObjects_;
    std::map<int, BrowserHost*> browsers_;
    std::vector<TrayIcon*> trayIcons_;
    std::vector<std::pair<HWND, bool>> disabledWhileModal_;
};

// The program's two windows.
FormWindow& MainWindow();
FormWindow& AboutWindow();
