#include "entry/AutomationInvoke.h"

#include <QMetaMethod>

#include <exception>

#include "entry/AutomationTypeLibrary.h"
#include "entry/AutomationVariant.h"

namespace
{

constexpr int32_t propertyKinds = VELMO_INVOKE_PROPERTYGET | VELMO_INVOKE_PROPERTYPUT;
constexpr int maximumArguments = 10;

QString nameOf(const VelmoMemberInfo &member)
{
    return QString::fromLatin1(member.name);
}

int32_t coerce(const VelmoVariant &argument, const char *name, int32_t declaredType,
               QVariant &value, QString &message)
{
    const int32_t code = AutomationVariant::toQVariant(argument, declaredType, value);
    if (code == VELMO_E_OVERFLOW)
        message = QStringLiteral("Overflow in argument '%1'").arg(QLatin1String(name));
    else if (code != VELMO_S_OK)
        message = QStringLiteral("Type mismatch in argument '%1'").arg(QLatin1String(name));
    return code;
}

int32_t accessProperty(QObject &target, const VelmoMemberInfo &member, int32_t invokeKind,
                       std::span<const VelmoVariant> arguments, QVariant &result, QString &message)
{
    if (invokeKind & VELMO_INVOKE_PROPERTYPUT) {
        if (arguments.size() != 1) {
            message = QStringLiteral("'%1' is set with exactly one value").arg(nameOf(member));
            return VELMO_E_BADPARAMCOUNT;
        }
        QVariant value;
        const int32_t code = coerce(arguments[0], member.name, member.type, value, message);
        if (code == VELMO_S_OK)
            target.setProperty(member.name, value);
        return code;
    }
    if (!arguments.empty()) {
        message = QStringLiteral("'%1' takes no arguments").arg(nameOf(member));
        return VELMO_E_BADPARAMCOUNT;
    }
    result = target.property(member.name);
    return VELMO_S_OK;
}

// moc gives each operation one overload per number of trailing defaults left out.
QMetaMethod overloadTaking(const QObject &target, const VelmoMemberInfo &member, int count)
{
    const QMetaObject *meta = target.metaObject();
    for (int index = 0; index < meta->methodCount(); ++index) {
        const QMetaMethod method = meta->method(index);
        if (method.name() == member.name && method.parameterCount() == count)
            return method;
    }
    return QMetaMethod();
}

int32_t callOperation(QObject &target, const VelmoMemberInfo &member,
                      std::span<const VelmoVariant> arguments, QVariant &result, QString &message)
{
    const int count = int(arguments.size());
    if (count > member.parameterCount) {
        message = QStringLiteral("Too many arguments for '%1'").arg(nameOf(member));
        return VELMO_E_BADPARAMCOUNT;
    }
    if (count < member.parameterCount && !member.parameters[count].isOptional) {
        message = QStringLiteral("Argument '%1' of '%2' is not optional")
                      .arg(QLatin1String(member.parameters[count].name), nameOf(member));
        return VELMO_E_PARAMNOTOPTIONAL;
    }
    const QMetaMethod method = overloadTaking(target, member, count);
    if (!method.isValid()) {
        message = QStringLiteral("'%1' cannot be called with %2 arguments")
                      .arg(nameOf(member))
                      .arg(count);
        return VELMO_E_BADPARAMCOUNT;
    }

    QVariant values[maximumArguments];
    QGenericArgument passed[maximumArguments];
    for (int i = 0; i < count; ++i) {
        const VelmoParameterInfo &parameter = member.parameters[i];
        const int32_t code =
            coerce(arguments[i], parameter.name, parameter.type, values[i], message);
        if (code != VELMO_S_OK)
            return code;
        passed[i] = QGenericArgument(values[i].typeName(), values[i].constData());
    }
    const bool hasResult = method.returnMetaType().id() != QMetaType::Void;
    if (hasResult)
        result = QVariant(method.returnMetaType());
    const QGenericReturnArgument returned =
        hasResult ? QGenericReturnArgument(method.typeName(), result.data())
                  : QGenericReturnArgument();
    try {
        method.invoke(&target, Qt::DirectConnection, returned, passed[0], passed[1], passed[2],
                      passed[3], passed[4], passed[5], passed[6], passed[7], passed[8], passed[9]);
    } catch (const std::exception &error) {
        message = QString::fromUtf8(error.what());
        return VELMO_E_EXCEPTION;
    }
    return VELMO_S_OK;
}

} // namespace

int32_t AutomationInvoke::invoke(QObject &target, const QString &memberName, int32_t invokeKind,
                                 std::span<const VelmoVariant> arguments, QVariant &result,
                                 QString &message)
{
    result = QVariant();
    const VelmoMemberInfo *member = AutomationTypeLibrary::findMember(memberName);
    if (!member) {
        message = QStringLiteral("Unknown name '%1'").arg(memberName);
        return VELMO_E_UNKNOWNNAME;
    }
    const int32_t accepted = member->invokeKinds == propertyKinds
                                 ? propertyKinds | VELMO_INVOKE_METHOD
                                 : VELMO_INVOKE_METHOD | VELMO_INVOKE_PROPERTYGET;
    if (!(invokeKind & accepted) ||
        (member->invokeKinds != propertyKinds && (invokeKind & VELMO_INVOKE_PROPERTYPUT))) {
        message = QStringLiteral("'%1' cannot be called that way").arg(nameOf(*member));
        return VELMO_E_MEMBERNOTFOUND;
    }
    if (member->invokeKinds == propertyKinds)
        return accessProperty(target, *member, invokeKind, arguments, result, message);
    return callOperation(target, *member, arguments, result, message);
}
