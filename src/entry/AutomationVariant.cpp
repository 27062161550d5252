#include "entry/AutomationVariant.h"

#include <QSqlDatabase>

#include <cmath>
#include <cstdlib>
#include <cstring>
#include <limits>

#include "entry/AutomationConnections.h"

namespace
{

// Automation's True is -1.
constexpr int16_t variantTrue = -1;

QString textOf(const VelmoVariant &argument)
{
    return argument.value.string ? QString::fromUtf8(argument.value.string) : QString();
}

// The argument as a number; false when it has none.
bool numberOf(const VelmoVariant &argument, double &number)
{
    switch (argument.type) {
    case VELMO_VT_EMPTY:
        number = 0;
        return true;
    case VELMO_VT_I2:
        number = argument.value.i2;
        return true;
    case VELMO_VT_I4:
        number = argument.value.i4;
        return true;
    case VELMO_VT_R8:
        number = argument.value.r8;
        return true;
    case VELMO_VT_BOOL:
        number = argument.value.boolean ? variantTrue : 0;
        return true;
    case VELMO_VT_STRING: {
        bool isNumber = false;
        number = textOf(argument).trimmed().toDouble(&isNumber);
        return isNumber;
    }
    default:
        return false;
    }
}

int32_t toShort(const VelmoVariant &argument, QVariant &value)
{
    double number = 0;
    if (!numberOf(argument, number) || std::isnan(number))
        return VELMO_E_TYPEMISMATCH;
    // Halves round to even, as automation does.
    const double rounded = std::nearbyint(number);
    if (rounded < std::numeric_limits<short>::min() || rounded > std::numeric_limits<short>::max())
        return VELMO_E_OVERFLOW;
    value = QVariant::fromValue(short(rounded));
    return VELMO_S_OK;
}

int32_t toBool(const VelmoVariant &argument, QVariant &value)
{
    if (argument.type == VELMO_VT_STRING) {
        const QString text = textOf(argument).trimmed();
        const bool isTrue = text.compare(QLatin1String("true"), Qt::CaseInsensitive) == 0;
        if (isTrue || text.compare(QLatin1String("false"), Qt::CaseInsensitive) == 0) {
            value = isTrue;
            return VELMO_S_OK;
        }
    }
    double number = 0;
    if (!numberOf(argument, number) || std::isnan(number))
        return VELMO_E_TYPEMISMATCH;
    value = number != 0;
    return VELMO_S_OK;
}

int32_t toText(const VelmoVariant &argument, QVariant &value)
{
    switch (argument.type) {
    case VELMO_VT_EMPTY:
        value = QString();
        return VELMO_S_OK;
    case VELMO_VT_STRING:
        value = textOf(argument);
        return VELMO_S_OK;
    case VELMO_VT_BOOL:
        value = argument.value.boolean ? QStringLiteral("True") : QStringLiteral("False");
        return VELMO_S_OK;
    case VELMO_VT_I2:
    case VELMO_VT_I4:
    case VELMO_VT_R8: {
        double number = 0;
        numberOf(argument, number);
        value = QString::number(number, 'g', 15);
        return VELMO_S_OK;
    }
    default:
        return VELMO_E_TYPEMISMATCH;
    }
}

int32_t toConnection(const VelmoVariant &argument, QVariant &value)
{
    // Empty stands for "no object": the host context then makes its own connection.
    if (argument.type == VELMO_VT_EMPTY) {
        value = QVariant::fromValue(QSqlDatabase());
        return VELMO_S_OK;
    }
    if (argument.type != VELMO_VT_CONNECTION)
        return VELMO_E_TYPEMISMATCH;
    value = QVariant::fromValue(AutomationConnections::connectionFor(textOf(argument)));
    return VELMO_S_OK;
}

char *copyOf(const QString &text)
{
    const QByteArray utf8 = text.toUtf8();
    char *copy = static_cast<char *>(std::malloc(size_t(utf8.size()) + 1));
    if (copy)
        std::memcpy(copy, utf8.constData(), size_t(utf8.size()) + 1);
    return copy;
}

} // namespace

int32_t AutomationVariant::toQVariant(const VelmoVariant &argument, int32_t declaredType,
                                      QVariant &value)
{
    switch (declaredType) {
    case VELMO_VT_I2:
        return toShort(argument, value);
    case VELMO_VT_BOOL:
        return toBool(argument, value);
    case VELMO_VT_STRING:
        return toText(argument, value);
    case VELMO_VT_CONNECTION:
        return toConnection(argument, value);
    default:
        return VELMO_E_TYPEMISMATCH;
    }
}

VelmoVariant AutomationVariant::fromQVariant(const QVariant &value)
{
    VelmoVariant result{};
    switch (value.typeId()) {
    case QMetaType::Short:
        result.type = VELMO_VT_I2;
        result.value.i2 = value.value<short>();
        break;
    case QMetaType::Bool:
        result.type = VELMO_VT_BOOL;
        result.value.boolean = value.toBool() ? variantTrue : 0;
        break;
    case QMetaType::QString:
        result.type = VELMO_VT_STRING;
        result.value.string = copyOf(value.toString());
        break;
    default:
        result.type = VELMO_VT_EMPTY;
        break;
    }
    return result;
}
