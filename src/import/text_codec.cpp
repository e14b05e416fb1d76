#include "text_codec.h"

namespace {

// The length of the UTF-8 sequence starting at text[i], and its code point;
// 0 when the bytes there are no valid sequence.
std::size_t utf8Sequence(std::string_view text, std::size_t i, char32_t& code)
{
    const unsigned char lead = static_cast<unsigned char>(text[i]);
    std::size_t length = 0;
    if (lead < 0x80) {
        code = lead;
        return 1;
    }
    if ((lead & 0xE0) == 0xC0) {
        length = 2;
        code = lead & 0x1F;
    } else if ((lead & 0xF0) == 0xE0) {
        length = 3;
        code = lead & 0x0F;
    } else if ((lead & 0xF8) == 0xF0) {
        length = 4;
        code = lead & 0x07;
    } else {
        return 0;
    }
    if (i + length > text.size())
        return 0;
    for (std::size_t k = 1; k < length; ++k) {
        const unsigned char next = static_cast<unsigned char>(text[i + k]);
        if ((next & 0xC0) != 0x80)
            return 0;
        code = (code << 6) | (next & 0x3F);
    }
    static constexpr char32_t kSmallest[5] = {0, 0, 0x80, 0x800, 0x10000};
    if (code < kSmallest[length] || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))
        return 0;
    return length;
}

bool isUtf8(std::string_view text)
{
    char32_t code = 0;
    for (std::size_t i = 0; i < text.size();) {
        const std::size_t length = utf8Sequence(text, i, code);
        if (length == 0)
            return false;
        i += length;
    }
    return true;
}

}  // namespace

std::string latin1FromFileText(std::string_view text)
{
    if (!isUtf8(text))
        return std::string(text);
    std::string out;
    out.reserve(text.size());
    char32_t code = 0;
    for (std::size_t i = 0; i < text.size();) {
        i += utf8Sequence(text, i, code);
        out += code <= 0xFF ? static_cast<char>(code) : '?';
    }
    return out;
}

std::string utf8FromLatin1(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    for (const char c : text) {
        const unsigned char byte = static_cast<unsigned char>(c);
        if (byte < 0x80) {
            out += c;
        } else {
            out += static_cast<char>(0xC0 | (byte >> 6));
            out += static_cast<char>(0x80 | (byte & 0x3F));
        }
    }
    return out;
}
