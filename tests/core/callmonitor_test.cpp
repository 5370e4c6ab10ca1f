#include <gtest/gtest.h>

#include <QDateTime>

#include "till/callmonitor.h"
#include "till/phonenumber.h"

TEST(CallMonitorLines, JoinsPiecesAndSplitsArrivalsAtLineEnds)
{
    CallMonitorLines lines;
    EXPECT_EQ(lines.feed("06.12.26 16:31:28;RI"), QStringList());
    EXPECT_EQ(lines.feed("NG;0;0171;555;SIP0;\r"), QStringList());
    EXPECT_EQ(lines.feed("\n"), QStringList{"06.12.26 16:31:28;RING;0;0171;555;SIP0;"});
    EXPECT_EQ(lines.feed("a;CALL\nb;CONNECT\r\n\r\nc;DISC"), (QStringList{"a;CALL", "b;CONNECT"}));
    EXPECT_EQ(lines.feed("ONNECT\n"), QStringList{"c;DISCONNECT"});

    // A line longer than 64 KiB goes whole, also a RING in its tail, whether
    // its end comes in a later arrival or in the same one.
    const QByteArray junk(64 * 1024 + 1, 'x');
    EXPECT_EQ(lines.feed(junk), QStringList());
    EXPECT_EQ(lines.feed(";t9;RING;0;0171;555;SIP0;\nd;CALL\n"), QStringList{"d;CALL"});
    EXPECT_EQ(lines.feed(junk + ";t9;RING;0;0171;555;\ne;CALL\n"), QStringList{"e;CALL"});
}

TEST(CallerIdentification, AnnouncesEachRingOnceByStampAndConnection)
{
    // The same ring again, another stamp and numbers read from it: see the
    // till's ring tests.
    CallerIdentification calls;
    // Not a ring: too few fields, another event, the word in lower case; an
    // empty stamp and connection match those of a till that announced nothing.
    for (const char *line :
         {"t1;RING;0;0171", "t1;CALL;0;0171;555;SIP0;", "t1;ring;0;0171;555;SIP0;", ";RING;;0171;555;SIP0;"})
        EXPECT_FALSE(calls.accept(line)) << line;
    // Five fields are enough; six are read the same.
    const auto five = calls.accept("t1;RING;0;0171;555");
    ASSERT_TRUE(five);
    EXPECT_EQ(five->called, "555");
    EXPECT_FALSE(calls.accept("t1;RING;0;0171;555;SIP0;"));
    // A second caller in the same second comes on another connection.
    EXPECT_TRUE(calls.accept("t1;RING;1;0302222;555;SIP0;"));
    EXPECT_TRUE(calls.accept(";RING;0;0171;555;SIP0;"));
}

TEST(PhoneNumbers, MatchByTheirDigits)
{
    EXPECT_EQ(phoneDigits("0171 2345678"), "01712345678");
    EXPECT_EQ(phoneDigits(" (030) 123-45/6 "), "030123456");
    EXPECT_EQ(phoneDigits("+49 171 2345678"), "01712345678");
    EXPECT_EQ(phoneDigits("+41 44 1234"), "41441234");
    EXPECT_EQ(phoneDigits(""), "");
}

TEST(CallerIdentification, MessageLinesUpCallerNumberDateAndTime)
{
    const RingCall call{"t1", "0", "01711234567", "5551234"};
    EXPECT_EQ(ringMessage(call, QDateTime(QDate(2026, 12, 6), QTime(16, 31, 28))),
              "Anrufer:      01711234567\r\nI-Nummer:   5551234\r\nDatum:        06.12.2026\r\n"
              "Uhrzeit:       16:31:28");
}
