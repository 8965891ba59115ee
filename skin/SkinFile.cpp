// Reading skinh.she: the binary skin that scripts/make-skin.py compiles from a readable
// source. Every byte is checked before it is used; the file is never trusted.
#include "SkinFile.h"

#include <cstdint>
#include <cstring>

namespace {

// Layout of version 1, in bytes, without padding:
//   0   5  ".SHE" and a NUL
//   5   1  version: 1
//   6   1  corner radius in pixels, 0 to 12
//   7   1  border width in pixels, 1 to 3
//   8  54  the 18 colours of enum Colour, in its order, each as red, green, blue
// A version 1 file is exactly 62 bytes long; any other length is malformed.
constexpr char kMagic[5] = {'.', 'S', 'H', 'E', '\0'};
constexpr std::uint8_t kVersion = 1;
constexpr std::size_t kVersionAt = 5;
constexpr std::size_t kRadiusAt = 6;
constexpr std::size_t kBorderAt = 7;
constexpr std::size_t kColoursAt = 8;
constexpr std::size_t kFileSize = kColoursAt + 3 * kColourCount;
constexpr int kMaxRadius = 12;
constexpr int kMinBorder = 1;
constexpr int kMaxBorder = 3;

class File {
public:
    explicit File(const char* path)
        : handle_(CreateFileA(path, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_DELETE, nullptr,
                              OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr)) {}
    File(const File&) = delete;
    File& operator=(const File&) = delete;
    ~File() {
        if (handle_ != INVALID_HANDLE_VALUE) {
            CloseHandle(handle_);
        }
    }

    bool IsOpen() const { return handle_ != INVALID_HANDLE_VALUE; }
    HANDLE get() const { return handle_; }

private:
    HANDLE handle_;
};

DWORD ParseSkin(const std::uint8_t* bytes, std::size_t size, Skin& skin) {
    if (size <= kVersionAt || std::memcmp(bytes, kMagic, sizeof kMagic) != 0) {
        return ERROR_BAD_FORMAT;
    }
    if (bytes[kVersionAt] != kVersion) {
        return ERROR_REVISION_MISMATCH;
    }
    if (size != kFileSize) {
        return ERROR_BAD_FORMAT;
    }
    const int radius = bytes[kRadiusAt];
    const int border = bytes[kBorderAt];
    if (radius > kMaxRadius || border < kMinBorder || border > kMaxBorder) {
        return ERROR_BAD_FORMAT;
    }
    skin.cornerRadius = radius;
    skin.borderWidth = border;
    for (std::size_t i = 0; i < kColourCount; ++i) {
        const std::uint8_t* rgb = bytes + kColoursAt + 3 * i;
        skin.colours[i] = RGB(rgb[0], rgb[1], rgb[2]);
    }
    return ERROR_SUCCESS;
}

} // namespace

DWORD ReadSkinFile(const char* path, Skin& skin) {
    const File file(path);
    if (!file.IsOpen()) {
        const DWORD error = GetLastError();
        return error == ERROR_PATH_NOT_FOUND ? ERROR_FILE_NOT_FOUND : error;
    }
    // One byte more than a valid file holds, so that an overlong file shows as such.
    std::uint8_t bytes[kFileSize + 1];
    std::size_t size = 0;
    while (size < sizeof bytes) {
        DWORD read = 0;
        if (!ReadFile(file.get(), bytes + size, static_cast<DWORD>(sizeof bytes - size), &read,
                      nullptr)) {
            return GetLastError();
        }
        if (read == 0) {
            break;
        }
        size += read;
    }
    return ParseSkin(bytes, size, skin);
}
