#pragma once

#include <cstddef>
#include <new>
#include <utility>

#include "log_entry.h"

// Room for the store's entries, taken once; each record is made the first
// time it is reached. Untouched room costs no memory, so a log of three
// entries no longer pays for ten thousand at every start.
class EntryTable {
public:
    explicit EntryTable(std::size_t capacity)
        : m_items(static_cast<LogEntry*>(
              ::operator new (capacity * sizeof(LogEntry), std::align_val_t{alignof(LogEntry)}))),
          m_capacity(capacity)
    {
    }
    ~EntryTable()
    {
        for (std::size_t i = 0; i < m_made; ++i)
            m_items[i].~LogEntry();
        ::operator delete (m_items, std::align_val_t{alignof(LogEntry)});
    }
    EntryTable(const EntryTable&) = delete;
    EntryTable& operator=(const EntryTable&) = delete;

    // Any index below the capacity, used or not, as with a plain array.
    LogEntry& operator[](std::size_t i)
    {
        if (i >= m_made)
            makeThrough(i);
        return m_items[i];
    }
    const LogEntry& operator[](std::size_t i) const
    {
        if (i >= m_made)
            makeThrough(i);
        return m_items[i];
    }
    std::size_t capacity() const { return m_capacity; }
    // Exchanges the records of two tables whole, without copying any.
    void swap(EntryTable& other) noexcept
    {
        std::swap(m_items, other.m_items);
        std::swap(m_capacity, other.m_capacity);
        std::swap(m_made, other.m_made);
    }

private:
    // Making a record is not a change anyone can see: it is the empty record
    // that was always there.
    void makeThrough(std::size_t i) const
    {
        for (; m_made <= i && m_made < m_capacity; ++m_made)
            new (m_items + m_made) LogEntry;  // its members start empty by their own initializers
    }

    LogEntry* m_items;
    std::size_t m_capacity;
    mutable std::size_t m_made = 0;
};
