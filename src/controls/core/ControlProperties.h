#pragma once

#include <initializer_list>
#include <vector>

#include <QObject>
#include <QtGlobal>

#include "ControlProperty.h"
#include "UserControl.h"
#include "platform/PropertyBag.h"

// Sends the change signal of the Q_PROPERTY `name` of `object`, if it has one.
void emitPropertyChangeSignal(QObject &object, const QByteArray &name);

// The property table of one control type, and the one place that places, loads, saves
// and assigns its properties. Rows run in table order, which is the order of the saved
// form; a control lists each property once:
//
//     static const ControlProperties<Dial> table{
//         propertyRow<&Dial::Caption, &Dial::applyCaption>("Caption", QString()),
//         propertyRow<&Dial::Needle, &Dial::applyNeedle>("Needle", Shape::Thin).savedAs("NDL"),
//     };
//     void Dial::letCaption(const QString &v) { table.assign<&Dial::Caption>(*this, v); }
template <typename Control> class ControlProperties
{
public:
    using Row = ControlProperty;

    ControlProperties(std::initializer_list<Row> rows) : m_rows(rows)
    {
        for (const Row &row : m_rows)
            if (!Control::staticMetaObject.inherits(row.owner))
                qFatal("%s: the property row %s belongs to %s",
                       Control::staticMetaObject.className(), row.name.constData(),
                       row.owner->className());
    }

    // A control newly placed on a form: the initialised properties load their defaults.
    void init(Control &control) const
    {
        for (const Row &row : m_rows)
            if (row.initWithDefault)
                row.loadValue(control, row.defaultValue);
    }

    // Loading from the form's store: a missing key, or a value that cannot take the saved
    // type, loads the default.
    void read(Control &control, const PropertyBag &bag) const
    {
        for (const Row &row : m_rows)
            if (row.saved && row.readBack)
                row.loadValue(control, bag.ReadProperty(row.key, row.defaultValue));
    }

    // Saving: a value equal to its default is left out unless the row is always written.
    void write(const Control &control, PropertyBag &bag) const
    {
        for (const Row &row : m_rows) {
            if (!row.saved)
                continue;
            if (row.writtenAtDefault)
                bag.WriteProperty(row.key, row.savedValue(control));
            else
                bag.WriteProperty(row.key, row.savedValue(control),
                                  row.savingDefault.isValid() ? row.savingDefault
                                                              : row.defaultValue);
        }
    }

    // Assigns the property that Get reads and announces it, unless it already has the
    // value: then nothing is done (but for an always applied row) and the answer is false.
    template <auto Get> bool assign(Control &control, const PropertyValue<Get> &value) const
    {
        const bool changed = !((control.*Get)() == value);
        const Row &row = rowOf(&ControlPropertyDetail::getterTag<Get>);
        if (changed || row.appliedUnchanged)
            row.assignValue(control, &value);
        if (!changed)
            return false;
        if (!row.changeKey.isEmpty())
            static_cast<UserControl &>(control).PropertyChanged(row.changeKey);
        if (!row.signalsItself)
            emitPropertyChangeSignal(control, row.name);
        return true;
    }

private:
    const Row &rowOf(const char *getter) const
    {
        for (const Row &row : m_rows)
            if (row.getter == getter)
                return row;
        qFatal("%s: an assignment names a getter that its property table lacks",
               Control::staticMetaObject.className());
    }

    std::vector<Row> m_rows;
};

// Defines Control::letName(Type) as an assignment through the control's property table,
// which the static member function `tableFunction` returns: the early return on an
// unchanged value and the announcement stay in the engine.
#define CONTROL_PROPERTY_LET(Control, tableFunction, Name, Type)                                   \
    void Control::let##Name(Type value)                                                            \
    {                                                                                              \
        Control::tableFunction().template assign<&Control::Name>(*this, value);                    \
    }
