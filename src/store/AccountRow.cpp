#include "store/AccountRow.h"

#include <QSqlRecord>
#include <QVariant>

AccountRow AccountRow::fromRecord(const QSqlRecord &record)
{
    const auto text = [&record](const char *name) { return record.value(name).toString(); };
    const auto number = [&record](const char *name) { return record.value(name).toInt(); };
    AccountRow row;
    row.id = record.value("id").toDouble();
    row.cCodeNo = text("cCodeNo");
    row.AY = text("AY");
    row.FullName = text("FullName");
    row.FirmName = text("FirmName");
    row.MobileNo = text("MobileNo");
    row.Pin = text("Pin");
    row.sPassword = text("sPassword");
    row.sEmailId = text("sEmailId");
    row.cPassword = text("cPassword");
    row.OptFirm = number("OptFirm");
    row.OptAgree = number("OptAgree");
    row.token = text("token");
    row.token1 = text("token1");
    row.mac_address = text("mac_address");
    row.RememberMe = number("RememberMe");
    row.SignInDate = text("SignInDate");
    return row;
}
