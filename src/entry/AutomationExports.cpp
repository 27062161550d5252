// The C entry points of the automation layer (see VelmoAutomation.h).
#include <VelmoITNet22SU/VelmoAutomation.h>

#include <VelmoITNet22SU/clsVelmoITNet22SU.h>

#include <cstdlib>

#include "entry/AutomationApplication.h"
#include "entry/AutomationError.h"
#include "entry/AutomationInvoke.h"
#include "entry/AutomationTypeLibrary.h"
#include "entry/AutomationVariant.h"

struct VelmoObject {
    clsVelmoITNet22SU instance;
};

using AutomationError::failed;
using AutomationError::succeeded;

int32_t VelmoCreateInstance(const char *classIdOrProgId, VelmoObject **object)
{
    if (!object)
        return failed(VELMO_E_POINTER, QStringLiteral("No place given for the object"));
    *object = nullptr;
    const QString name = QString::fromUtf8(classIdOrProgId ? classIdOrProgId : "");
    if (!AutomationTypeLibrary::namesTheClass(name))
        return failed(VELMO_E_CLASSNOTAVAILABLE,
                      QStringLiteral("Class not available: '%1'").arg(name));
    try {
        ensureAutomationApplication();
        *object = new VelmoObject;
    } catch (const std::exception &error) {
        return failed(VELMO_E_FAIL, QString::fromUtf8(error.what()));
    }
    return succeeded();
}

int32_t VelmoInvoke(VelmoObject *object, const char *memberName, int32_t invokeKind,
                    const VelmoVariant *arguments, int32_t argumentCount, VelmoVariant *result)
{
    if (result)
        *result = VelmoVariant{};
    if (!object || !memberName || argumentCount < 0 || (argumentCount > 0 && !arguments))
        return failed(VELMO_E_INVALIDARG, QStringLiteral("Missing object, name or arguments"));
    try {
        QVariant value;
        QString message;
        const int32_t code =
            AutomationInvoke::invoke(object->instance, QString::fromUtf8(memberName), invokeKind,
                                     std::span(arguments, size_t(argumentCount)), value, message);
        if (code != VELMO_S_OK)
            return failed(code, message);
        if (result)
            *result = AutomationVariant::fromQVariant(value);
    } catch (const std::exception &error) {
        return failed(VELMO_E_FAIL, QString::fromUtf8(error.what()));
    } catch (...) {
        return failed(VELMO_E_FAIL, QStringLiteral("Unexpected failure"));
    }
    return succeeded();
}

void VelmoRelease(VelmoObject *object)
{
    delete object;
}

void VelmoVariantClear(VelmoVariant *variant)
{
    if (!variant)
        return;
    if (variant->type == VELMO_VT_STRING)
        std::free(variant->value.string);
    *variant = VelmoVariant{};
}

const char *VelmoErrorMessage(void)
{
    return AutomationError::lastMessage();
}
