// Brushes and pens for every palette entry, made once when the skin is attached and
// kept for the life of the process.
#include "Theme.h"

Theme::Theme(const Skin& skin)
    : skin_(skin), focusPen_(CreatePen(PS_INSIDEFRAME, 2 * skin.borderWidth,
                                       skin.colours[static_cast<std::size_t>(Colour::Accent)])) {
    for (std::size_t i = 0; i < kColourCount; ++i) {
        brushes_[i] = GdiObject<HBRUSH>(CreateSolidBrush(skin.colours[i]));
        pens_[i] = GdiObject<HPEN>(CreatePen(PS_INSIDEFRAME, skin.borderWidth, skin.colours[i]));
    }
}

bool Theme::IsComplete() const {
    if (!focusPen_) {
        return false;
    }
    for (std::size_t i = 0; i < kColourCount; ++i) {
        if (!brushes_[i] || !pens_[i]) {
            return false;
        }
    }
    return true;
}
