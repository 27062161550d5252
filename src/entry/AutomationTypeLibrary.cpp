#include "entry/AutomationTypeLibrary.h"

#include <QUuid>

#include <iterator>

namespace
{

constexpr int32_t propertyKinds = VELMO_INVOKE_PROPERTYGET | VELMO_INVOKE_PROPERTYPUT;

const VelmoParameterInfo clsApiParameters[] = {
    {"iIT_LeftAY", VELMO_VT_I2, 0},      {"sIT_Clientcode", VELMO_VT_STRING, 0},
    {"sIT_Assyear", VELMO_VT_STRING, 0}, {"ciCON", VELMO_VT_CONNECTION, 0},
    {"iConnectF", VELMO_VT_STRING, 0},   {"sconString", VELMO_VT_STRING, 0},
    {"isp_check", VELMO_VT_BOOL, 0},     {"iIT_Status", VELMO_VT_STRING, 0},
    {"vAPI", VELMO_VT_BOOL, 1},          {"it_ver", VELMO_VT_STRING, 1},
};

const VelmoParameterInfo signUpParameters[] = {
    {"sAppPath", VELMO_VT_STRING, 1},
    {"sAppName", VELMO_VT_STRING, 1},
};

const VelmoMemberInfo members[] = {
    {"sFileFrom", 1, propertyKinds, VELMO_VT_I2, 0, nullptr},
    {"vPANNo", 2, propertyKinds, VELMO_VT_STRING, 0, nullptr},
    {"vpanStatus", 3, propertyKinds, VELMO_VT_STRING, 0, nullptr},
    {"vdedPanName", 4, propertyKinds, VELMO_VT_STRING, 0, nullptr},
    {"vadd1", 5, propertyKinds, VELMO_VT_STRING, 0, nullptr},
    {"vadd2", 6, propertyKinds, VELMO_VT_STRING, 0, nullptr},
    {"clsAPI", 7, VELMO_INVOKE_METHOD, VELMO_VT_EMPTY, 10, clsApiParameters},
    {"SignUp", 8, VELMO_INVOKE_METHOD, VELMO_VT_BOOL, 2, signUpParameters},
    {"EnableSignUP", 9, VELMO_INVOKE_METHOD, VELMO_VT_BOOL, 0, nullptr},
    {"Create_IT_Tbl115BAC", 10, VELMO_INVOKE_METHOD, VELMO_VT_EMPTY, 0, nullptr},
};

// Note: these identities are published; changing one breaks every registered host.
const VelmoTypeLibrary typeLibrary = {
    "VelmoITNet22SU",
    1,
    0,
    "{C65607FC-095A-4598-8901-3725B070EC15}",
    "clsVelmoITNet22SU",
    "{E6465926-9F9F-4AE2-B898-2EBCF9F85CB0}",
    "VelmoITNet22SU.clsVelmoITNet22SU",
    "_clsVelmoITNet22SU",
    "{88EA9556-252C-4D8B-BDEF-B3344D85373D}",
    VELMO_INTERFACE_DUAL | VELMO_INTERFACE_HIDDEN,
    int32_t(std::size(members)),
    members,
};

} // namespace

const VelmoTypeLibrary &AutomationTypeLibrary::library()
{
    return typeLibrary;
}

const VelmoMemberInfo *AutomationTypeLibrary::findMember(const QString &name)
{
    for (const VelmoMemberInfo &member : members) {
        if (name.compare(QLatin1String(member.name), Qt::CaseInsensitive) == 0)
            return &member;
    }
    return nullptr;
}

bool AutomationTypeLibrary::namesTheClass(const QString &classIdOrProgId)
{
    const QString text = classIdOrProgId.trimmed();
    if (text.compare(QLatin1String(typeLibrary.progId), Qt::CaseInsensitive) == 0)
        return true;
    const QUuid id = QUuid::fromString(text.startsWith(u'{') ? text : u'{' + text + u'}');
    return !id.isNull() && id == QUuid::fromString(QLatin1String(typeLibrary.classId));
}

const VelmoTypeLibrary *VelmoGetTypeLibrary(void)
{
    return &typeLibrary;
}
