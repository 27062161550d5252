#include <VelmoITNet22SU/clsVelmoITNet22SU.h>

#include <QApplication>

#include "entry/AutomationApplication.h"
#include "entry/InitHostContext.h"
#include "entry/SignInSwitch.h"
#include "platform/SecureProtocols.h"
#include "service/DeploymentConfig.h"
#include "service/HttpGetText.h"
#include "signin/FrmSignUp.h"
#include "store/AccountTable.h"
#include "store/HostContext.h"

clsVelmoITNet22SU::clsVelmoITNet22SU(QObject *parent) : QObject(parent) {}

clsVelmoITNet22SU::~clsVelmoITNet22SU() = default;

void clsVelmoITNet22SU::clsAPI(short iIT_LeftAY, const QString &sIT_Clientcode,
                               const QString &sIT_Assyear, QSqlDatabase ciCON,
                               const QString &iConnectF, const QString &sconString, bool isp_check,
                               const QString &iIT_Status, bool vAPI, const QString &it_ver)
{
    Q_UNUSED(iIT_LeftAY);
    Q_UNUSED(iConnectF);
    Q_UNUSED(isp_check);
    Q_UNUSED(iIT_Status);
    InitHostContext(sIT_Clientcode, sIT_Assyear, ciCON, sconString, vAPI, it_ver);
}

bool clsVelmoITNet22SU::SignUp(const QString &sAppPath, const QString &sAppName)
{
    ensureAutomationApplication();
    if (!qobject_cast<QApplication *>(QCoreApplication::instance()))
        throw VelmoError(QStringLiteral("The sign-in window needs a QApplication; the host "
                                        "created a QCoreApplication."));
    {
        FrmSignUp window;
        window.Menu(sAppPath, sAppName);
    }
    return mdlPublicVar::hostContext().IsSignedIn;
}

bool clsVelmoITNet22SU::EnableSignUP()
{
    try {
        SecureProtocols::ensureAccountServiceProtocols();
        return signInSwitchIsOn(HttpGetText(DeploymentConfig::statusFileUrl()));
    } catch (...) {
        return false;
    }
}

void clsVelmoITNet22SU::Create_IT_Tbl115BAC()
{
    CreateAccountTable();
}
