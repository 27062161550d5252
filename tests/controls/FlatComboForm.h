#pragma once

#include "ControlForm.h"
#include "controls/input/OCombo1.h"
#include "controls/input/OComboReadOnly.h"

// A form holding one flat combo ("CmbCity") whose list holds Delhi, Mumbai and Madurai.
template <typename Combo> struct FlatComboForm : ControlForm<Combo> {
    FlatComboForm() : ControlForm<Combo>("CmbCity", QSize(160, 22))
    {
        for (const char *city : {"Delhi", "Mumbai", "Madurai"})
            this->control->AddItem(QString::fromLatin1(city));
    }
};

inline const QStringList comboKinds{"OCombo1", "OComboReadOnly"};

// A data table of one row per combo kind, in the column "kind".
inline void addComboKindRows()
{
    QTest::addColumn<QString>("kind");
    for (const QString &kind : comboKinds)
        QTest::newRow(qPrintable(kind)) << kind;
}

// Runs `test` with the combo kind that a data row names.
template <typename Test> void withComboKind(const QString &kind, Test test)
{
    if (kind == QLatin1String("OCombo1"))
        test.template operator()<OCombo1>();
    else
        test.template operator()<OComboReadOnly>();
}
