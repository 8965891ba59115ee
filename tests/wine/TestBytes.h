// Helpers of the WinINet tests: results as plain strings, and bodies that hold every byte
// value, NULs, CRs and LFs included.
#pragma once

#include <string>

#include "text/Text.h"

inline std::string Str(const Bytes& bytes) {
    return std::string(bytes.view());
}
inline std::string Str(const Text& text) {
    return std::string(text.view());
}

// Bytes 0..255 over and over, shifted by one every 256 bytes.
inline std::string Pattern(std::size_t size) {
    std::string bytes(size, '\0');
    for (std::size_t i = 0; i < size; ++i) {
        bytes[i] = static_cast<char>((i * 7 + i / 256) & 0xFF);
    }
    return bytes;
}
