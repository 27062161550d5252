#pragma once

#include <type_traits>

#include <QByteArray>
#include <QObject>
#include <QString>
#include <QVariant>

#include "SavedEnum.h"

namespace ControlPropertyDetail
{

template <typename Getter> struct GetterTraits;

template <typename Control_, typename Result> struct GetterTraits<Result (Control_::*)() const> {
    using Value = std::remove_cvref_t<Result>;
};

template <typename Control_, typename Result>
struct GetterTraits<Result (Control_::*)() const noexcept>
    : GetterTraits<Result (Control_::*)() const> {
};

// The class that declares a getter or a setter.
template <typename Member> struct MemberClass;

template <typename Control, typename Member> struct MemberClass<Member Control::*> {
    using Type = Control;
};

// The class a row's functions reach the control as: the most derived of the classes that
// declare its getter and setters, so a control's table may name what a base class declares.
template <auto... Members> struct RowOwner;

template <auto Member> struct RowOwner<Member> {
    using Type = typename MemberClass<decltype(Member)>::Type;
};

template <auto First, auto... Rest> struct RowOwner<First, Rest...> {
    using FirstClass = typename MemberClass<decltype(First)>::Type;
    using RestClass = typename RowOwner<Rest...>::Type;
    using Type =
        std::conditional_t<std::is_base_of_v<FirstClass, RestClass>, RestClass, FirstClass>;
};

// The type a value is saved as: an enumerated value as its integer, anything else as itself.
template <typename Value> struct SavedType {
    using Type = Value;
};

template <typename Value>
requires std::is_enum_v<Value>
struct SavedType<Value> {
    using Type = std::underlying_type_t<Value>;
};

template <typename To, typename From> To convert(const From &value)
{
    if constexpr (std::is_same_v<To, From>)
        return value;
    else if constexpr (std::is_enum_v<From>)
        return static_cast<To>(savedInteger(value));
    else if constexpr (std::is_enum_v<To>)
        return fromSavedInteger<To>(static_cast<std::underlying_type_t<To>>(value));
    else
        return static_cast<To>(value);
}

// One distinct address per getter: an assignment names its property by its getter.
template <auto Get> inline constexpr char getterTag = 0;

} // namespace ControlPropertyDetail

// The value type of the property that the getter Get reads.
template <auto Get>
using PropertyValue = typename ControlPropertyDetail::GetterTraits<decltype(Get)>::Value;

// One row of a control's property table, made by propertyRow() below and refined by the
// modifiers. ControlProperties runs the rows, whose functions take the control it runs them
// on; a control never calls the functions here.
struct ControlProperty {
    // The property's name: also the Q_PROPERTY whose change signal an assignment sends.
    QByteArray name;
    // The key in the form's property store.
    QString key;
    // The key the container is told has changed; empty: assignments are not announced.
    QString changeKey;
    // What a missing key loads and what is not written, in the type that is saved.
    QVariant defaultValue;
    // When valid, what is not written instead of defaultValue.
    QVariant savingDefault;
    bool saved = true;
    bool readBack = true;
    bool writtenAtDefault = false;
    bool initWithDefault = false;
    bool appliedUnchanged = false;
    bool signalsItself = false;

    const char *getter = nullptr;
    // The class the functions below take the control as.
    const QMetaObject *owner = nullptr;
    QVariant (*savedValue)(const QObject &) = nullptr;
    // Takes a pointer to a value of the property's own type.
    void (*assignValue)(QObject &, const void *) = nullptr;
    // Takes a value in the saved type.
    void (*loadValue)(QObject &, const QVariant &) = nullptr;

    // Stored under `storeKey`, and announced under it unless announcedAs() says otherwise.
    ControlProperty savedAs(const char *storeKey) const
    {
        ControlProperty copy = with(&ControlProperty::key, QString::fromLatin1(storeKey));
        return changeKey == key ? copy.with(&ControlProperty::changeKey, copy.key) : copy;
    }
    ControlProperty announcedAs(const char *key) const
    {
        return with(&ControlProperty::changeKey, QString::fromLatin1(key));
    }
    ControlProperty notAnnounced() const { return with(&ControlProperty::changeKey, QString()); }
    // Announced when assigned, but neither written nor read.
    ControlProperty notSaved() const { return with(&ControlProperty::saved, false); }
    // Written on saving, never read back on loading.
    ControlProperty writtenOnly() const { return with(&ControlProperty::readBack, false); }
    // Written even when it equals its default.
    ControlProperty alwaysWritten() const { return with(&ControlProperty::writtenAtDefault, true); }
    // Saving leaves out `value` rather than the default that a missing key loads.
    ControlProperty savedUnlessEqualTo(const QVariant &value) const
    {
        return with(&ControlProperty::savingDefault, value);
    }
    // A control newly placed on a form loads its default; the others keep their design.
    ControlProperty initialised() const { return with(&ControlProperty::initWithDefault, true); }
    // Assigning the value it already has still runs the setter, unannounced: for a setter
    // that also puts other state in order (a look, an alignment).
    ControlProperty alwaysApplied() const { return with(&ControlProperty::appliedUnchanged, true); }
    // The control sends the change signal itself on every change, typed as well as
    // assigned; an assignment sending it too would announce one change twice.
    ControlProperty signalledByControl() const
    {
        return with(&ControlProperty::signalsItself, true);
    }

private:
    template <typename Field>
    ControlProperty with(Field ControlProperty::*field, const Field &value) const
    {
        ControlProperty copy = *this;
        copy.*field = value;
        return copy;
    }
};

// A property read by Get and assigned by Set, which stores the value and does whatever an
// assignment does besides (the engine adds the early return and the announcement). Load,
// when given, is how a saved or initial value reaches the control instead of Set. The
// value is saved in the type of `defaultValue`, and an enumerated default saves its
// integer, so `short(1)` makes a 16-bit saved value and `qint32(c)` a signed colour.
// Saved and announced under its name until savedAs()/announcedAs() say otherwise.
template <auto Get, auto Set, auto Load = Set, typename Default>
ControlProperty propertyRow(const char *name, const Default &defaultValue)
{
    using namespace ControlPropertyDetail;
    using Control = typename RowOwner<Get, Set, Load>::Type;
    using Value = PropertyValue<Get>;
    using Saved = typename SavedType<Default>::Type;
    static_assert(!std::is_pointer_v<Saved>, "give a text default as a QString");

    ControlProperty row;
    row.name = name;
    row.key = QString::fromLatin1(name);
    row.changeKey = row.key;
    row.defaultValue = QVariant::fromValue(convert<Saved>(defaultValue));
    row.getter = &getterTag<Get>;
    row.owner = &Control::staticMetaObject;
    row.savedValue = [](const QObject &control) {
        return QVariant::fromValue(convert<Saved>((static_cast<const Control &>(control).*Get)()));
    };
    row.assignValue = [](QObject &control, const void *value) {
        (static_cast<Control &>(control).*Set)(*static_cast<const Value *>(value));
    };
    row.loadValue = [](QObject &control, const QVariant &saved) {
        (static_cast<Control &>(control).*Load)(convert<Value>(saved.value<Saved>()));
    };
    return row;
}
