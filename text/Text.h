// Text and Bytes: the two value types every part of the program passes around.
// Text holds code-page bytes without NUL; Bytes holds any bytes. Positions are 1-based.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

class Text {
public:
    Text() = default;
    // A C string, or any bytes cut at their first NUL: a Text never holds one.
    Text(const char* text) : bytes_(text ? text : "") {}
    explicit Text(std::string_view bytes) : bytes_(bytes.substr(0, bytes.find('\0'))) {}

    const char* c_str() const { return bytes_.c_str(); }
    std::string_view view() const { return bytes_; }
    std::int32_t size() const { return static_cast<std::int32_t>(bytes_.size()); }
    bool empty() const { return bytes_.empty(); }
    unsigned char at(std::int32_t index) const { return static_cast<unsigned char>(bytes_[index]); }

    friend bool operator==(const Text&, const Text&) = default;

private:
    friend class TextBuilder;
    std::string bytes_;
};

class Bytes {
public:
    Bytes() = default;
    explicit Bytes(std::string_view bytes) : bytes_(bytes) {}

    const char* data() const { return bytes_.data(); }
    char* data() { return bytes_.data(); }
    std::string_view view() const { return bytes_; }
    std::int32_t size() const { return static_cast<std::int32_t>(bytes_.size()); }

    friend bool operator==(const Bytes&, const Bytes&) = default;

private:
    friend class TextBuilder;
    std::string bytes_;
};

// Builds Text and Bytes values in one allocation from parts measured up front.
class TextBuilder {
public:
    static std::string_view Part(const Text& text) { return text.bytes_; }
    static std::string_view Part(const char* text) { return text; }
    static std::string_view Part(const Bytes& bytes) { return bytes.bytes_; }

    template <class Value, class... Parts> static Value Join(const Parts&... parts) {
        static_assert(sizeof...(parts) > 0);
        const std::string_view views[] = {Part(parts)...};
        std::size_t total = 0;
        for (std::string_view view : views) {
            total += view.size();
        }
        Value result;
        result.bytes_.reserve(total);
        for (std::string_view view : views) {
            result.bytes_.append(view);
        }
        return result;
    }

    static Bytes Append(Bytes&& accumulated, const Bytes& piece) {
        accumulated.bytes_.append(piece.bytes_);
        return std::move(accumulated);
    }
};

// Joining and measuring.
// Parts are Text values or C strings; all of them are passed in one call.
template <class... Parts> Text TextConcat(const Parts&... parts) {
    return TextBuilder::Join<Text>(parts...);
}
template <class... Parts> Bytes BytesConcat(const Parts&... parts) {
    return TextBuilder::Join<Bytes>(parts...);
}
// Appends in place: a read loop that accumulates pieces stays linear in the total size.
inline Bytes BytesConcat(Bytes&& accumulated, const Bytes& piece) {
    return TextBuilder::Append(std::move(accumulated), piece);
}
inline std::int32_t TextLength(const Text& text) {
    return text.size();
}
inline std::int32_t BytesLength(const Bytes& bytes) {
    return bytes.size();
}

// Comparing and searching.
inline constexpr std::int32_t kCaseMappingFailed = 2147483647;
std::int32_t TextCompare(const Text& a, const Text& b, bool caseSensitive = true);
std::int32_t TextFind(const Text& text, const Text& pattern, std::optional<std::int32_t> start,
                      bool ignoreCase);

// Builders and conversions.
Text BlankText(std::int32_t count);
Bytes BlankBytes(std::int32_t count);
Bytes BytesLeft(const Bytes& bytes, std::int32_t count);
Text BytesToText(const Bytes& bytes);
