#include "VelmoWidgetPlugin.h"

#include <QIcon>
#include <QWidget>

VelmoWidgetPlugin::VelmoWidgetPlugin(const VelmoWidgetEntry &entry, QObject *parent)
    : QObject(parent), m_entry(entry)
{
}

QString VelmoWidgetPlugin::name() const
{
    return QLatin1String(m_entry.className);
}

QString VelmoWidgetPlugin::group() const
{
    return QStringLiteral("Velmo");
}

QString VelmoWidgetPlugin::toolTip() const
{
    return QLatin1String(m_entry.toolTip);
}

QString VelmoWidgetPlugin::whatsThis() const
{
    return toolTip();
}

QString VelmoWidgetPlugin::includeFile() const
{
    return QLatin1String(m_entry.includeFile);
}

QIcon VelmoWidgetPlugin::icon() const
{
    return QIcon();
}

bool VelmoWidgetPlugin::isContainer() const
{
    return false;
}

QWidget *VelmoWidgetPlugin::createWidget(QWidget *parent)
{
    return m_entry.create(parent);
}

QString VelmoWidgetPlugin::domXml() const
{
    // The name Designer gives a new control, and its size on the form.
    QString objectName = name();
    objectName[0] = objectName[0].toLower();
    return QStringLiteral("<ui language=\"c++\"><widget class=\"%1\" name=\"%2\">"
                          "<property name=\"geometry\"><rect><x>0</x><y>0</y>"
                          "<width>%3</width><height>%4</height></rect></property>"
                          "</widget></ui>")
        .arg(name(), objectName)
        .arg(m_entry.size.width())
        .arg(m_entry.size.height());
}
