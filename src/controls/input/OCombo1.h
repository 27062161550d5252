#pragma once

#include "FlatCombo.h"

// The flat combo box that takes typing and completes the typed text from its list.
class OCombo1 : public FlatCombo
{
    Q_OBJECT

public:
    explicit OCombo1(QWidget *parent = nullptr) : FlatCombo(FlatComboKinds::typing, parent) {}
};
