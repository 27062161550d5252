#pragma once

#include "FlatCombo.h"

// The flat combo box whose drop-down list only lets the user pick an item.
class OComboReadOnly : public FlatCombo
{
    Q_OBJECT

public:
    explicit OComboReadOnly(QWidget *parent = nullptr) : FlatCombo(FlatComboKinds::picking, parent)
    {
    }
};
