// A browser control: Internet Explorer's WebBrowser object in-place active inside a
// child window of ours, with the small OLE container that it needs.
#pragma once

#include <exdisp.h>
#include <ole2.h>

#include <memory>

#include "ComPtr.h"
#include "Window.h"
#include "text/Text.h"

class BrowserHost : public Window {
public:
    BrowserHost();
    ~BrowserHost() override;

    // Creates the host window and the browser inside it; the host alone when the browser
    // cannot be created.
    HWND Create(HWND parent, int id, const RECT& bounds, DWORD style);

    // Starts loading the address and returns at once.
    void Navigate(const Text& address);

private:
    class Site;

    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void Embed();
    void Release();

    std::unique_ptr<Site> site_;
    ComPtr<IOleObject> object_;
    ComPtr<IWebBrowser2> browser_;
};
