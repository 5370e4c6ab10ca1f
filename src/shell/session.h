#pragma once

#include <QString>

// Values that outlive the screens that set them, for the whole run.
struct Session
{
    // The logged-in user's name in upper case: the cashier on the till and
    // the receipt.
    QString CashierName;
    // The logged-in user's id.
    QString UserID;
    // The password typed at the last login, for the log-out check.
    QString LoginPassword;
    // The login screen serves as the log-out dialog.
    bool LogOutMode = false;
    // Which report the report-period dialog prints: "Sales" or "Purchase".
    QString ReportType;
    // The parked-order number of the till; 0 parks nothing.
    int TmpNo = 0;
};

Session &session();
