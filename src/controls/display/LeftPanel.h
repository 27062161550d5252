#pragma once

#include <QIcon>
#include <QString>

#include "controls/core/ControlProperties.h"
#include "controls/core/UserControl.h"

class QTableWidget;

// A vertical navigation list: each row has an icon, a caption and a hidden key. A click
// makes the current row the active one (bold caption, the active icon) and sends
// ItemClick with its key and caption; adding rows never does.
class LeftPanel : public UserControl
{
    Q_OBJECT
    Q_PROPERTY(bool Enabled READ Enabled WRITE letEnabled NOTIFY EnabledChanged)

public:
    explicit LeftPanel(QWidget *parent = nullptr);

    bool Enabled() const;
    void letEnabled(bool value);

    // Appends a row and makes it current. `decorated` shades the row; `active` styles it as
    // the active row without raising ItemClick. Answers 0.
    Q_INVOKABLE int AddItem(const QString &key, const QString &caption, bool decorated = false,
                            bool active = false);
    Q_INVOKABLE void Clear();
    // The key and caption of the current row; throw VelmoError when the panel has no row.
    Q_INVOKABLE QString GetActiveKey() const;
    Q_INVOKABLE QString GetActiveCaption() const;

    void ReadProperties(const PropertyBag &bag);
    void WriteProperties(PropertyBag &bag) const;

    QTableWidget *lList() const { return m_list; }

signals:
    void ItemClick(QString &Key, QString &Caption);
    void EnabledChanged();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    static const ControlProperties<LeftPanel> &table();

    void applyEnabled(bool value);
    void setUpList();
    void clickList();
    void markRow(int row, bool active);
    QString currentCell(int column) const;

    QTableWidget *m_list;
    QIcon m_default;
    QIcon m_active;
};
