#pragma once

#include <QObject>
#include <QSqlDatabase>
#include <QString>

#include <VelmoITNet22SU/VelmoError.h>

// The library's only creatable class. C++ hosts call it directly; name-based
// callers reach the same members through the meta-object system.
// clsAPI, SignUp and Create_IT_Tbl115BAC throw VelmoError on failure.
class Q_DECL_EXPORT clsVelmoITNet22SU : public QObject
{
    Q_OBJECT
    Q_PROPERTY(short sFileFrom READ sFileFrom WRITE setSFileFrom)
    Q_PROPERTY(QString vPANNo READ vPANNo WRITE setVPANNo)
    Q_PROPERTY(QString vpanStatus READ vpanStatus WRITE setVpanStatus)
    Q_PROPERTY(QString vdedPanName READ vdedPanName WRITE setVdedPanName)
    Q_PROPERTY(QString vadd1 READ vadd1 WRITE setVadd1)
    Q_PROPERTY(QString vadd2 READ vadd2 WRITE setVadd2)

public:
    explicit clsVelmoITNet22SU(QObject *parent = nullptr);
    ~clsVelmoITNet22SU() override;

    short sFileFrom() const { return m_sFileFrom; }
    void setSFileFrom(short value) { m_sFileFrom = value; }
    QString vPANNo() const { return m_vPANNo; }
    void setVPANNo(const QString &value) { m_vPANNo = value; }
    QString vpanStatus() const { return m_vpanStatus; }
    void setVpanStatus(const QString &value) { m_vpanStatus = value; }
    QString vdedPanName() const { return m_vdedPanName; }
    void setVdedPanName(const QString &value) { m_vdedPanName = value; }
    QString vadd1() const { return m_vadd1; }
    void setVadd1(const QString &value) { m_vadd1 = value; }
    QString vadd2() const { return m_vadd2; }
    void setVadd2(const QString &value) { m_vadd2 = value; }

    // Hands over the host's connection and identifying values. iIT_LeftAY,
    // iConnectF, isp_check and iIT_Status are accepted for the host's sake only.
    Q_INVOKABLE void clsAPI(short iIT_LeftAY, const QString &sIT_Clientcode,
                            const QString &sIT_Assyear, QSqlDatabase ciCON,
                            const QString &iConnectF, const QString &sconString, bool isp_check,
                            const QString &iIT_Status, bool vAPI = false,
                            const QString &it_ver = QString());

    // Opens the sign-in window modally; true when the user has signed in.
    Q_INVOKABLE bool SignUp(const QString &sAppPath = QString(),
                            const QString &sAppName = QStringLiteral("Velmo IT"));

    // Whether online sign-in is switched on; never throws.
    Q_INVOKABLE bool EnableSignUP();

    // Creates the account table or brings it up to date.
    Q_INVOKABLE void Create_IT_Tbl115BAC();

private:
    short m_sFileFrom = 0;
    QString m_vPANNo;
    QString m_vpanStatus;
    QString m_vdedPanName;
    QString m_vadd1;
    QString m_vadd2;
};
