// The skin as read from skinh.she: a palette and two metrics, checked before any of it
// is used.
#pragma once

#include <windows.h>

#include <array>
#include <cstddef>

// The palette's entries, in the order they are stored in the file (scripts/make-skin.py
// writes the same order).
enum class Colour {
    Background, // top-level windows, tab pages, labels, group boxes
    Text,
    DisabledText,
    GroupBorder,
    GroupTitle,
    Button,
    ButtonHover,
    ButtonPressed,
    ButtonBorder,
    ButtonText,
    Accent, // keyboard focus and the selected tab
    Edit,
    EditText,
    EditBorder,
    Tab,
    TabText,
    TabSelectedText,
    TabBorder,
    Count
};
constexpr std::size_t kColourCount = static_cast<std::size_t>(Colour::Count);

struct Skin {
    int cornerRadius = 0;
    int borderWidth = 1;
    std::array<COLORREF, kColourCount> colours{};
};

// Reads and checks a skin file. Returns ERROR_SUCCESS and fills `skin`, or
// ERROR_FILE_NOT_FOUND, ERROR_BAD_FORMAT (wrong magic, wrong size, a metric out of range),
// ERROR_REVISION_MISMATCH (a version this engine does not know), or the error of opening
// or reading the file; `skin` is then left as it was.
DWORD ReadSkinFile(const char* path, Skin& skin);
