#pragma once

#include <QString>

class QSqlRecord;

// One row of it_TBL115BAC as the sign-in flows read it.
struct AccountRow {
    double id = 0;
    QString cCodeNo;
    QString AY;
    QString FullName;
    QString FirmName;
    QString MobileNo;
    QString Pin;
    QString sPassword;
    QString sEmailId;
    QString cPassword;
    int OptFirm = 0;
    int OptAgree = 0;
    QString token;
    QString token1;
    QString mac_address;
    int RememberMe = 0;
    QString SignInDate;

    static AccountRow fromRecord(const QSqlRecord &record);
};
