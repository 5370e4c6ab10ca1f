#include <gtest/gtest.h>

#include "data/passwords.h"
#include "support/fixture.h"

TEST(Passwords, OnlyTheSameLettersVerifyAndNothingElseCounts)
{
    const QString stored = passwords::hash(QStringLiteral("Grüße7"));
    ASSERT_FALSE(stored.isEmpty());
    EXPECT_FALSE(stored.contains(QStringLiteral("Grüße7"))) << "the password itself is never stored";
    EXPECT_TRUE(passwords::verify(stored, QStringLiteral("Grüße7")));
    for (const char *other : {"grüße7", "GRÜSSE7", "Grusse7", "Grüße7 ", "Grüße", ""})
        EXPECT_FALSE(passwords::verify(stored, QString::fromUtf8(other))) << other;

    // Two users with the same password do not get the same hash.
    EXPECT_NE(passwords::hash(QStringLiteral("Grüße7")), stored);

    // A stored value that is no hash of ours lets nobody in, not even with
    // its own text: an empty one, a damaged one, a password kept as plain text.
    for (const QString &damaged : {QString(), stored.left(stored.size() - 5), QStringLiteral("Kasse7")}) {
        EXPECT_FALSE(passwords::verify(damaged, damaged)) << damaged.toStdString();
        EXPECT_FALSE(passwords::verify(damaged, QString())) << damaged.toStdString();
        EXPECT_FALSE(passwords::verify(damaged, QStringLiteral("Grüße7"))) << damaged.toStdString();
    }
}
