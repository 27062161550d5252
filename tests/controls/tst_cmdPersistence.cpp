#include <QtTest>

#include "ControlForm.h"
#include "controls/display/cmd.h"

namespace
{

CmdPicture square(QRgb colour)
{
    QImage image(6, 4, QImage::Format_RGB32);
    image.fill(colour);
    return CmdPicture::bitmap(image);
}

CmdPicture roundIcon()
{
    QImage image(5, 5, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    image.setPixel(2, 2, qRgb(0, 0, 200));
    return CmdPicture::icon(QIcon(QPixmap::fromImage(image)), QSize(5, 5));
}

// A property's value in a form that compares: pictures by their saved text.
QVariant comparable(const QVariant &value)
{
    if (value.canConvert<CmdPicture>() && value.metaType() == QMetaType::fromType<CmdPicture>())
        return value.value<CmdPicture>().toSaved();
    return value;
}

// Every saved property of the button, by name.
QVariantMap savedProperties(const cmd &button)
{
    QVariantMap values;
    const QMetaObject &meta = cmd::staticMetaObject;
    for (int i = meta.propertyOffset(); i < meta.propertyCount(); ++i) {
        const QMetaProperty property = meta.property(i);
        if (property.isWritable() && qstrcmp(property.name(), "DisplayAsDefault") != 0)
            values.insert(property.name(), comparable(property.read(&button)));
    }
    return values;
}

} // namespace

class tst_cmdPersistence : public QObject
{
    Q_OBJECT

private slots:
    // Every property: written with a new value it announces its key once, and the same
    // value again announces nothing.
    void announcedKeys_data()
    {
        QTest::addColumn<QByteArray>("property");
        QTest::addColumn<QVariant>("value");
        QTest::addColumn<QString>("key");
        const auto row = [](const char *name, const QVariant &value, const char *key) {
            QTest::newRow(name) << QByteArray(name) << value << QString(key);
        };
        row("BackColor", quint32(0x123456), "BCOL");
        row("BackOver", quint32(0x123456), "BCOLO");
        row("ForeColor", quint32(0x123456), "FCOL");
        row("ForeOver", quint32(0x123456), "FCOLO");
        row("MaskColor", quint32(0x123456), "MCOL");
        row("ButtonType", QVariant::fromValue(Cmd::ButtonType::Oval), "BTYPE");
        row("Caption", QString("&Go"), "TX");
        row("Enabled", false, "ENAB");
        row("Font", QFont("DejaVu Serif", 14), "FONT");
        row("ColorScheme", QVariant::fromValue(Cmd::ColorScheme::FixedGrey), "COLTYPE");
        row("ShowFocusRect", false, "FOCUSR");
        row("MousePointer", short(3), "MPTR");
        row("MouseIcon", QVariant::fromValue(roundIcon()), "MICON");
        row("HandPointer", true, "HAND");
        row("SoftBevel", true, "SOFT");
        row("PictureNormal", QVariant::fromValue(square(qRgb(1, 2, 3))), "PICN");
        row("PictureOver", QVariant::fromValue(square(qRgb(1, 2, 3))), "PICO");
        row("PicturePosition", QVariant::fromValue(Cmd::PicturePosition::Behind), "PICPOS");
        row("UseMaskColor", false, "UMCOL");
        row("UseGreyscale", true, "NGREY");
        row("SpecialEffect", QVariant::fromValue(Cmd::SpecialEffect::Engraved), "FX");
        row("CheckBoxBehaviour", true, "CHECK");
        row("Value", true, "VALUE");
    }
    void announcedKeys()
    {
        QFETCH(QByteArray, property);
        QFETCH(QVariant, value);
        QFETCH(QString, key);
        ControlForm<cmd> form("Command1", QSize(75, 23));
        const QMetaProperty meta =
            cmd::staticMetaObject.property(cmd::staticMetaObject.indexOfProperty(property));
        QSignalSpy changed(form.control, meta.notifySignal());
        QVERIFY(meta.write(form.control, value));
        QVERIFY(meta.write(form.control, value));
        QCOMPARE(form.changed, QStringList{key});
        QCOMPARE(changed.count(), 1);
        QCOMPARE(comparable(meta.read(form.control)), comparable(value));
    }

    void newButtonRoundTrip()
    {
        ControlForm<cmd> form("Command1", QSize(75, 23));
        form.control->InitProperties();
        const QVariantMap placed = savedProperties(*form.control);
        form.save();
        // All at their defaults but the caption, the form's name for the button.
        QCOMPARE(form.store.keys(), QStringList{"TX"});
        QCOMPARE(form.store.ReadProperty("TX", QString()).toString(), QString("Command1"));
        QCOMPARE(form.control->ButtonType(), Cmd::ButtonType::Standard);
        QCOMPARE(form.control->BackColor(), form.control->buttonPalette().FaceColor);
        QCOMPARE(form.control->MaskColor(), quint32(0xC0C0C0));

        ControlForm<cmd> reopened("Command2", QSize(75, 23));
        reopened.store = form.store;
        reopened.load();
        QCOMPARE(savedProperties(*reopened.control), placed);
    }

    void configuredRoundTrip()
    {
        ControlForm<cmd> form("Command1", QSize(90, 40));
        cmd &button = *form.control;
        button.InitProperties();
        button.letButtonType(Cmd::ButtonType::TintedFlat);
        button.letCaption("&Save");
        button.letFont(QFont("DejaVu Sans", 10, QFont::Bold));
        button.letColorScheme(Cmd::ColorScheme::Custom);
        button.letShowFocusRect(false);
        button.letBackColor(0x00FF00);
        button.letBackOver(0x0000FF);
        button.letForeColor(0x111111);
        button.letForeOver(0x111111);
        button.letMaskColor(0xFF00FF);
        button.letMousePointer(2);
        button.letPictureNormal(square(qRgb(10, 20, 30)));
        button.letPictureOver(roundIcon());
        button.letUseMaskColor(false);
        button.letSoftBevel(true);
        button.letPicturePosition(Cmd::PicturePosition::Top);
        button.letUseGreyscale(true);
        button.letSpecialEffect(Cmd::SpecialEffect::Shadow);
        button.letHandPointer(true);
        button.letCheckBoxBehaviour(true);
        button.letValue(true);
        button.letEnabled(false);
        const QVariantMap configured = savedProperties(button);
        form.save();
        // In loading order; the hover text colour follows the text colour and is left out.
        QCOMPARE(form.store.keys(),
                 (QStringList{"BTYPE", "TX", "ENAB", "FONT", "COLTYPE", "FOCUSR", "BCOL", "BCOLO",
                              "FCOL", "MCOL", "MPTR", "PICN", "PICH", "UMCOL", "SOFT", "PICPOS",
                              "NGREY", "FX", "HAND", "CHECK", "VALUE"}));
        QCOMPARE(form.store.ReadProperty("BTYPE", 0).toInt(), 5);
        QCOMPARE(form.store.ReadProperty("BCOLO", qint64(0)).toLongLong(), 0x0000FF);
        QCOMPARE(form.store.ReadProperty("PICPOS", 0).toInt(), 2);

        ControlForm<cmd> reopened("Command2", QSize(90, 40));
        QVERIFY(reopened.store.loadJson(form.store.toJson()));
        reopened.load();
        QCOMPARE(savedProperties(*reopened.control), configured);
        QVERIFY(!reopened.control->isEnabled());
        QCOMPARE(reopened.control->accessKey(), QChar('s'));
        QCOMPARE(reopened.control->cursor().shape(), Qt::BitmapCursor);
    }

    // Missing keys load their defaults; the hover colours default to the colours read.
    void missingKeys()
    {
        ControlForm<cmd> form("Command1", QSize(75, 23));
        form.store.WriteProperty("BCOL", qint64(0x123456));
        form.store.WriteProperty("FCOL", qint64(0x654321));
        form.load();
        QCOMPARE(form.control->BackOver(), quint32(0x123456));
        QCOMPARE(form.control->ForeOver(), quint32(0x654321));
        QCOMPARE(form.control->Caption(), QString());
        QCOMPARE(form.control->ButtonType(), Cmd::ButtonType::Standard);
        QVERIFY(form.control->UseMaskColor());
        QCOMPARE(form.control->MaskColor(), quint32(0xC0C0C0));
    }

    void readOnlyProperties()
    {
        ControlForm<cmd> form("Command1", QSize(75, 23));
        QCOMPARE(form.control->property("Version").toString(), QString("2.0.6 B"));
        QCOMPARE(form.control->property("hwnd").value<quintptr>(), quintptr(form.control->winId()));
        QVERIFY(!form.control->setProperty("Version", QString("3")));
    }

    // HandPointer shows the library's hand; False shows the arrow.
    void handPointer()
    {
        ControlForm<cmd> form("Command1", QSize(75, 23));
        form.control->letHandPointer(true);
        const QCursor hand = form.control->cursor();
        QCOMPARE(hand.shape(), Qt::BitmapCursor);
        QCOMPARE(hand.pixmap().size(), QSize(32, 32));
        form.control->letHandPointer(false);
        QCOMPARE(form.control->cursor().shape(), Qt::ArrowCursor);
    }
};

QTEST_MAIN(tst_cmdPersistence)
#include "tst_cmdPersistence.moc"
