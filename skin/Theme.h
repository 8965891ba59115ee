// The skin's colours with the brushes and pens made from them: the one owner of every
// GDI object that the painting code uses.
#pragma once

#include <windows.h>

#include <array>

#include "Gdi.h"
#include "SkinFile.h"

class Theme {
public:
    explicit Theme(const Skin& skin);

    // False when GDI could not make every brush and pen.
    bool IsComplete() const;

    COLORREF ColourOf(Colour entry) const { return skin_.colours[Index(entry)]; }
    HBRUSH BrushOf(Colour entry) const { return brushes_[Index(entry)].get(); }
    // A pen of the skin's border width that stays inside the shape it outlines.
    HPEN PenOf(Colour entry) const { return pens_[Index(entry)].get(); }
    // The keyboard focus cue: the accent colour at twice the border width.
    HPEN FocusPen() const { return focusPen_.get(); }
    int CornerRadius() const { return skin_.cornerRadius; }
    int BorderWidth() const { return skin_.borderWidth; }

private:
    static std::size_t Index(Colour entry) { return static_cast<std::size_t>(entry); }

    Skin skin_;
    std::array<GdiObject<HBRUSH>, kColourCount> brushes_;
    std::array<GdiObject<HPEN>, kColourCount> pens_;
    GdiObject<HPEN> focusPen_;
};

// The theme of the attached skin; only called from code that runs once a skin is attached.
const Theme& ActiveTheme();
