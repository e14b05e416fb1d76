#pragma once

#include <cstddef>
#include <cstring>
#include <string>
#include <string_view>

// Copies n bytes through the C library's memcpy. The wide texts call it
// rather than an inline copy: bounded by their width, an inline memcpy
// becomes "rep movs", several times slower for the short texts of a log.
void copyTextBytes(char* to, const char* from, std::size_t n);

// A NUL-terminated 8-bit text of a fixed width, as the log's records keep
// them. Setting a text cuts it to the width minus one, so the record never
// holds more than its field can store and never needs the heap.
template <std::size_t Width>
class FixedText {
    static_assert(Width >= 2);

public:
    static constexpr std::size_t capacity = Width - 1;

    FixedText() { m_text[0] = '\0'; }
    FixedText(std::string_view text) { set(text); }  // NOLINT: implicit on purpose

    void set(std::string_view text)
    {
        std::size_t n = text.size() < capacity ? text.size() : capacity;
        if (n == 0) {
            m_text[0] = '\0';
            return;
        }
        // A NUL inside the source ends the text, as it would in a C string.
        if (const void* nul = std::memchr(text.data(), '\0', n))
            n = static_cast<std::size_t>(static_cast<const char*>(nul) - text.data());
        std::memcpy(m_text, text.data(), n);
        m_text[n] = '\0';
    }
    // For text known to hold no NUL (a line of a file already cut at its
    // first NUL): the same cut to the width, without looking for one.
    void setPlain(std::string_view text)
    {
        std::size_t n = text.size() < capacity ? text.size() : capacity;
        if constexpr (Width > 64) {
            copyTextBytes(m_text, text.data(), n);
        } else if (n > 0) {
            std::memcpy(m_text, text.data(), n);
        }
        m_text[n] = '\0';
    }
    FixedText& operator=(std::string_view text)
    {
        set(text);
        return *this;
    }

    const char* c_str() const { return m_text; }
    std::string_view view() const { return std::string_view(m_text); }
    std::string str() const { return std::string(m_text); }
    std::size_t size() const { return std::strlen(m_text); }
    bool empty() const { return m_text[0] == '\0'; }
    char operator[](std::size_t i) const { return m_text[i]; }
    void clear() { m_text[0] = '\0'; }
    // Direct access for the few in-place edits (swapping the parts of a date).
    char* data() { return m_text; }

    friend bool operator==(const FixedText& a, std::string_view b) { return a.view() == b; }

private:
    char m_text[Width];
};
