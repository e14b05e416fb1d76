#include "latin1_text.h"

namespace {

// The code point of the UTF-8 sequence at text[i], advancing i past it; -1
// for a byte that starts no well-formed sequence (i then moves one byte).
long decodeOne(std::string_view text, std::size_t& i)
{
    const unsigned char lead = static_cast<unsigned char>(text[i++]);
    if (lead < 0x80)
        return lead;
    int more = lead >= 0xF0 && lead <= 0xF4 ? 3 : lead >= 0xE0 ? 2 : lead >= 0xC2 && lead < 0xE0 ? 1 : -1;
    if (more < 0)
        return -1;
    long code = lead & (0x3F >> more);
    const std::size_t start = i;
    for (int k = 0; k < more; ++k) {
        if (i >= text.size() || (static_cast<unsigned char>(text[i]) & 0xC0) != 0x80) {
            i = start;
            return -1;
        }
        code = (code << 6) | (static_cast<unsigned char>(text[i++]) & 0x3F);
    }
    // Overlong forms, surrogates and code points past the last one are no UTF-8.
    const long smallest[] = {0, 0x80, 0x800, 0x10000};
    if (code < smallest[more] || (code >= 0xD800 && code <= 0xDFFF) || code > 0x10FFFF) {
        i = start;
        return -1;
    }
    return code;
}

}  // namespace

std::optional<std::string> utf8ToLatin1(std::string_view text, std::string& missing)
{
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        const std::size_t start = i;
        const long code = decodeOne(text, i);
        if (code < 0 || code > 0xFF) {
            missing.assign(text.substr(start, i - start));
            return std::nullopt;
        }
        out += static_cast<char>(code);
    }
    return out;
}

std::string utf8ToLatin1Lossy(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        const long code = decodeOne(text, i);
        out += code < 0 || code > 0xFF ? '?' : static_cast<char>(code);
    }
    return out;
}

std::string latin1ToUtf8(std::string_view text)
{
    std::string out;
    out.reserve(text.size() + text.size() / 8);
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

bool isUtf8(std::string_view text)
{
    for (std::size_t i = 0; i < text.size();)
        if (decodeOne(text, i) < 0)
            return false;
    return true;
}

std::string latin1FromFileText(std::string_view text)
{
    return isUtf8(text) ? utf8ToLatin1Lossy(text) : std::string(text);
}

char lowerLatin1(char c)
{
    const auto u = static_cast<unsigned char>(c);
    if ((u >= 'A' && u <= 'Z') || (u >= 0xC0 && u <= 0xDE && u != 0xD7))
        return static_cast<char>(u + 0x20);
    return c;
}
