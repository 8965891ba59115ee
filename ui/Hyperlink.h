// A hyperlink control of our own (SysLink is Unicode-only): a caption centred on button
// face that opens its target on a left click and shows hover and opened colours.
#pragma once

#include "Window.h"
#include "text/Text.h"

class Hyperlink : public Window {
public:
    static constexpr COLORREF kNormalColor = RGB(0, 0, 255);
    static constexpr COLORREF kHoverColor = RGB(49, 106, 197);
    static constexpr COLORREF kOpenedColor = RGB(128, 0, 0);

    HWND Create(HWND parent, int id, const RECT& bounds, DWORD style, bool sunkenBorder,
                const Text& caption, const Text& target);

private:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void Paint();
    void SetHover(bool hover);
    void Open();

    Text target_;
    HFONT font_ = nullptr;
    bool hover_ = false;
    bool opened_ = false;
};
