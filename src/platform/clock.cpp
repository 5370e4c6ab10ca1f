#include "platform/clock.h"

namespace {
class SystemClock : public Clock
{
public:
    QDateTime now() const override { return QDateTime::currentDateTime(); }
};

std::unique_ptr<Clock> &installed()
{
    static std::unique_ptr<Clock> clock = std::make_unique<SystemClock>();
    return clock;
}
} // namespace

const Clock &currentClock()
{
    return *installed();
}

void setClock(std::unique_ptr<Clock> replacement)
{
    installed() = replacement ? std::move(replacement) : std::make_unique<SystemClock>();
}

FixedClock &FixedClock::install(const QDateTime &now)
{
    auto fixed = std::make_unique<FixedClock>(now);
    FixedClock &ref = *fixed;
    setClock(std::move(fixed));
    return ref;
}
