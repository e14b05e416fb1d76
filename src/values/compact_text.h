#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>
#include <utility>

#include "fixed_text.h"

// A text with the same width and the same cut as FixedText<Width>, for the
// long fields that mostly hold a few dozen characters: a short text lives in
// the record itself, a longer one in a buffer of its own sized to it (kept
// for reuse when the text is set again). A 512-wide field costs 64 bytes
// instead of 512 until it holds more than fits inside.
template <std::size_t Width>
class CompactText {
    static_assert(Width >= 2 && Width <= 0xFFFF);

public:
    static constexpr std::size_t capacity = Width - 1;
    // Characters kept inside the record before a buffer is needed.
    static constexpr std::size_t localCapacity = 51;

    CompactText() { m_local[0] = '\0'; }
    CompactText(std::string_view text)  // NOLINT: implicit on purpose, as FixedText
    {
        m_local[0] = '\0';
        set(text);
    }
    CompactText(const CompactText& other)
    {
        m_local[0] = '\0';
        store(other.view());
    }
    CompactText(CompactText&& other) noexcept : m_heap(other.m_heap), m_size(other.m_size), m_room(other.m_room)
    {
        std::memcpy(m_local, other.m_local, sizeof m_local);
        other.m_heap = nullptr;
        other.m_room = 0;
        other.clear();
    }
    CompactText& operator=(const CompactText& other)
    {
        if (this != &other)
            store(other.view());
        return *this;
    }
    CompactText& operator=(CompactText&& other) noexcept
    {
        // The buffers change hands, so moving records around the store
        // neither allocates nor frees.
        if (this != &other) {
            std::swap(m_heap, other.m_heap);
            std::swap(m_room, other.m_room);
            m_size = other.m_size;
            std::memcpy(m_local, other.m_local, sizeof m_local);
            other.clear();
        }
        return *this;
    }
    ~CompactText() { std::free(m_heap); }

    void set(std::string_view text) { store(text.substr(0, keptLength(text, capacity))); }
    // For text known to hold no NUL: the same cut to the width, without looking for one.
    void setPlain(std::string_view text) { store(text.substr(0, capacity)); }
    CompactText& operator=(std::string_view text)
    {
        set(text);
        return *this;
    }

    const char* c_str() const { return isLocal() ? m_local : m_heap; }
    std::string_view view() const { return std::string_view(c_str(), m_size); }
    std::string str() const { return std::string(view()); }
    std::size_t size() const { return m_size; }
    bool empty() const { return m_size == 0; }
    char operator[](std::size_t i) const { return c_str()[i]; }
    void clear()
    {
        m_size = 0;
        m_local[0] = '\0';
    }

    friend bool operator==(const CompactText& a, std::string_view b) { return a.view() == b; }

private:
    bool isLocal() const { return m_size <= localCapacity; }

    // text is already cut to the width.
    void store(std::string_view text)
    {
        const std::size_t n = text.size();
        char* target = m_local;
        if (n > localCapacity) {
            if (n + 1 > m_room && !grow(n + 1)) {
                // No memory for the rest: keep what fits rather than nothing.
                store(text.substr(0, localCapacity));
                return;
            }
            target = m_heap;
        }
        // memmove: the text may be this one's own.
        if (n > 0)
            std::memmove(target, text.data(), n);
        target[n] = '\0';
        m_size = static_cast<std::uint16_t>(n);
    }
    bool grow(std::size_t needed)
    {
        std::size_t room = (needed + 63) / 64 * 64;
        if (room > Width)
            room = Width;
        char* bigger = static_cast<char*>(std::malloc(room));
        if (bigger == nullptr)
            return false;
        // Never the text being stored: a text of this one's own is no longer
        // than the room it already has.
        std::free(m_heap);
        m_heap = bigger;
        m_room = static_cast<std::uint16_t>(room);
        return true;
    }
    char* m_heap = nullptr;
    std::uint16_t m_size = 0;
    std::uint16_t m_room = 0;  // bytes in m_heap
    char m_local[localCapacity + 1];
};
