#pragma once

#include <QtUiPlugin/QDesignerCustomWidgetInterface>

#include "VelmoWidgetTable.h"

// Qt Designer's view of one control, described by its row of the widget table.
class VelmoWidgetPlugin : public QObject, public QDesignerCustomWidgetInterface
{
    Q_OBJECT
    Q_INTERFACES(QDesignerCustomWidgetInterface)

public:
    VelmoWidgetPlugin(const VelmoWidgetEntry &entry, QObject *parent);

    QString name() const override;
    QString group() const override;
    QString toolTip() const override;
    QString whatsThis() const override;
    QString includeFile() const override;
    QIcon icon() const override;
    bool isContainer() const override;
    QWidget *createWidget(QWidget *parent) override;
    QString domXml() const override;

private:
    const VelmoWidgetEntry &m_entry;
};
