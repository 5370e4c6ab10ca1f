#pragma once

#include <optional>

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <QStringList>

// The shop's router reports telephone events on its call monitor as text
// lines of fields separated by ";", for example
//   06.12.26 16:31:28;RING;0;01711234567;5551234;SIP0;
// followed by CALL, CONNECT and DISCONNECT lines for the same call.

// Cuts the call monitor's byte stream into lines. TCP keeps no line
// boundaries: one arrival may hold half a line or several lines.
class CallMonitorLines
{
public:
    // Takes what arrived and returns the lines it completes, in order, without
    // their line ends and without empty lines. The rest of an unfinished line
    // waits for the next arrival. A line longer than any the router sends is
    // dropped whole, up to its line end.
    QStringList feed(const QByteArray &data);

private:
    QByteArray m_pending;
    bool m_droppingLine = false; // the head of an over-long line was dropped
};

// An incoming call as a RING line announces it.
struct RingCall
{
    QString stamp;        // field 0: the time of the event, to the second
    QString connectionId; // field 2: tells calls of the same second apart
    QString caller;       // field 3: the caller's number, the customer's ContactNumber
    QString called;       // field 4: the shop's number that was dialled
};

// The call a line announces: at least five fields, the second exactly "RING".
std::optional<RingCall> parseRing(const QString &line);

// Decides which calls the till announces: each RING once, by its stamp and
// connection id.
class CallerIdentification
{
public:
    // The call to announce for a line, or nothing when the line is no RING
    // line or repeats the call announced last (same stamp and same
    // connection id). They are taken at once, so a repetition that arrives
    // while the first is still being shown is dropped. Before the first call
    // both are empty, so a RING with both fields empty is not announced.
    std::optional<RingCall> accept(const QString &line);

    const QString &lastRingStamp() const { return m_lastRingStamp; }

private:
    QString m_lastRingStamp;
    QString m_lastConnectionId;
};

// The four lines the till shows for a call, their values aligned.
QString ringMessage(const RingCall &call, const QDateTime &now);
