#include "till/callmonitor.h"

#include <utility>

#include "platform/locale.h"

namespace {
// A router that never ends a line must not make the till hoard memory; no
// real call-monitor line comes near this.
constexpr qsizetype LongestLine = 64 * 1024;

constexpr qsizetype ConnectionIdField = 2;
constexpr qsizetype CallerField = 3;
constexpr qsizetype CalledField = 4;
} // namespace

QStringList CallMonitorLines::feed(const QByteArray &data)
{
    m_pending += data;
    QStringList lines;
    qsizetype start = 0;
    for (qsizetype end = m_pending.indexOf('\n'); end >= 0; end = m_pending.indexOf('\n', start)) {
        QByteArray line = m_pending.mid(start, end - start);
        start = end + 1;
        // The end of an over-long line: all of it goes, not just its head.
        if (std::exchange(m_droppingLine, false) || line.size() > LongestLine)
            continue;
        if (line.endsWith('\r'))
            line.chop(1);
        if (!line.isEmpty())
            lines << QString::fromUtf8(line);
    }
    m_pending.remove(0, start);
    if (m_pending.size() > LongestLine) {
        m_pending.clear();
        m_droppingLine = true;
    }
    return lines;
}

std::optional<RingCall> parseRing(const QString &line)
{
    const QStringList fields = line.split(u';');
    if (fields.size() <= CalledField || fields.at(1) != QLatin1String("RING"))
        return std::nullopt;
    return RingCall{fields.at(0), fields.at(ConnectionIdField), fields.at(CallerField), fields.at(CalledField)};
}

std::optional<RingCall> CallerIdentification::accept(const QString &line)
{
    auto call = parseRing(line);
    if (!call || (call->stamp == m_lastRingStamp && call->connectionId == m_lastConnectionId))
        return std::nullopt;
    m_lastRingStamp = call->stamp;
    m_lastConnectionId = call->connectionId;
    return call;
}

QString ringMessage(const RingCall &call, const QDateTime &now)
{
    // The blanks line the values up under one another.
    return QStringList{QStringLiteral("Anrufer:      ") + call.caller, QStringLiteral("I-Nummer:   ") + call.called,
                       QStringLiteral("Datum:        ") + de::shortDate(now.date()),
                       QStringLiteral("Uhrzeit:       ") + de::clockTime(now.time())}
        .join(QStringLiteral("\r\n"));
}
