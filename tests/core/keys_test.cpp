#include <memory>

#include <gtest/gtest.h>

#include "data/datacontrol.h"
#include "masterdata/keys.h"
#include "support/fixture.h"
#include "support/rawconnection.h"

// How keys are proposed and how a missing, bad or taken key is refused is
// shown through the editors.

using Keys = DatabaseTest;

TEST(KeyParsing, OnlyWholeNumbersAboveZeroAreKeys)
{
    EXPECT_EQ(parseKey("7"), 7);
    EXPECT_EQ(parseKey(" 12 "), 12);
    // The last are digits of another script.
    for (const char *bad : {"", "0", "-3", "1 2", "12a", "1,5", "١٢"})
        EXPECT_FALSE(parseKey(QString::fromUtf8(bad))) << bad;
}

TEST_F(Keys, AStoredRowKeepsItsOwnKeyButCannotTakeAnothers)
{
    exec("INSERT INTO Supplier (SupplierID, SupplierName) VALUES (1, 'Alt'), (2, 'Neu')");
    DataControl suppliers(QStringLiteral("Supplier"));
    ASSERT_TRUE(suppliers.refresh());
    const KeyColumn key{"Supplier", "SupplierID"};
    QString error;
    suppliers->moveFirst();
    suppliers->setText("SupplierName", "Alt 2");
    EXPECT_TRUE(storeKeyedRow(suppliers.recordset(), key, &error)) << error.toStdString();

    suppliers->setText("SupplierID", "2");
    EXPECT_FALSE(storeKeyedRow(suppliers.recordset(), key, &error));
    EXPECT_EQ(error, "Die ID 2 ist bereits vergeben. Es wurde nichts gespeichert.");
    EXPECT_EQ(scalar("SELECT group_concat(SupplierID || SupplierName) FROM Supplier").toString(), "1Alt 2,2Neu");
}

// However a row is refused, the user reads once that nothing was stored: the
// database's own reason for a lock says so already.
TEST_F(Keys, ARefusalSaysOnceThatNothingWasStored)
{
    reopenWaitingBriefly();
    ASSERT_FALSE(HasFatalFailure());
    const QString path = m_db->path();
    exec("INSERT INTO Supplier (SupplierID, SupplierName) VALUES (1, 'Alt')");
    // A refusal in the database's own words.
    exec("CREATE TRIGGER refuse BEFORE UPDATE OF SupplierName ON Supplier WHEN new.SupplierName = 'Voll'"
         " BEGIN SELECT RAISE(ABORT, 'Datenträger voll'); END");
    const KeyColumn key{"Supplier", "SupplierID"};

    struct Case
    {
        const char *otherProgram; // what another program holds meanwhile, if anything
        QString typedName;
        QString reason;
    };
    const Case cases[] = {
        {"BEGIN IMMEDIATE; INSERT INTO Temp (tmpno) VALUES (1);", "Neu",
         "Die Datenbank hat den Datensatz abgelehnt: " + Database::inUseMessage()},
        {nullptr, "Voll",
         "Die Datenbank hat den Datensatz abgelehnt: Die Daten konnten nicht gespeichert werden (Datenträger voll). "
         "Es wurde nichts gespeichert."},
    };
    for (const Case &c : cases) {
        DataControl suppliers(QStringLiteral("Supplier"));
        ASSERT_TRUE(suppliers.refresh());
        suppliers->moveFirst();
        suppliers->setText("SupplierName", c.typedName);
        QString error;
        {
            std::unique_ptr<RawConnection> other;
            if (c.otherProgram) {
                other = std::make_unique<RawConnection>(path);
                ASSERT_TRUE(other->exec(c.otherProgram)) << other->error().toStdString();
            }
            EXPECT_FALSE(storeKeyedRow(suppliers.recordset(), key, &error));
        }
        EXPECT_EQ(error, c.reason);
        EXPECT_EQ(error.count("Es wurde nichts gespeichert."), 1) << error.toStdString();
        EXPECT_EQ(scalar("SELECT SupplierName FROM Supplier").toString(), "Alt");
    }
}
