#pragma once

#include <memory>

#include <QDateTime>

// The one place the program asks for the date and time. A sale carries the
// day it is stored on and the screens follow the clock past midnight; tests
// give the program a clock they set, so that they can cross midnight.
class Clock
{
public:
    virtual ~Clock() = default;
    virtual QDateTime now() const = 0;
};

// The clock in use: the system's unless a test installed another.
const Clock &currentClock();
// Installs a clock; nullptr goes back to the system's.
void setClock(std::unique_ptr<Clock> replacement);

// A clock that stands still until it is set: for tests.
class FixedClock : public Clock
{
public:
    explicit FixedClock(const QDateTime &now) : m_now(now) {}
    // Installs a fixed clock at the given moment and returns it.
    static FixedClock &install(const QDateTime &now);

    QDateTime now() const override { return m_now; }
    void set(const QDateTime &now) { m_now = now; }

private:
    QDateTime m_now;
};
