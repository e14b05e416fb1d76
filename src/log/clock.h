#pragma once

#include "../values/calendar.h"

class Clock {
public:
    virtual ~Clock() = default;
    virtual CalendarDate today() const = 0;
};

// The machine's local date.
class SystemClock : public Clock {
public:
    CalendarDate today() const override;
};

class FixedClock : public Clock {
public:
    explicit FixedClock(CalendarDate date) : m_date(date) {}
    CalendarDate today() const override { return m_date; }

private:
    CalendarDate m_date;
};
