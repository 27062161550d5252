#include <QtTest>

#include "ControlForm.h"
#include "controls/core/ControlProperties.h"
#include "platform/HostColor.h"

enum class Needle : qint16 { Thin = 0, Broad = 1, Arrow = 2 };

// A small control described by a property table. Its design-time values differ from the
// defaults, so that whatever the engine leaves alone shows; `log` records how values
// reached it: the property's name, or "load Limit" for the one property with a load of
// its own.
class Gauge : public UserControl
{
    Q_OBJECT
    Q_PROPERTY(QString Caption READ Caption WRITE letCaption NOTIFY CaptionChanged)
    Q_PROPERTY(int Limit READ Limit WRITE letLimit NOTIFY LimitChanged)
    Q_PROPERTY(Needle NeedleKind READ NeedleKind WRITE letNeedleKind NOTIFY NeedleKindChanged)
    Q_PROPERTY(quint32 FaceColor READ FaceColor WRITE letFaceColor NOTIFY FaceColorChanged)
    Q_PROPERTY(float Scale READ Scale WRITE letScale NOTIFY ScaleChanged)
    Q_PROPERTY(QString Note READ Note WRITE letNote NOTIFY NoteChanged)
    Q_PROPERTY(QString Picture READ Picture WRITE letPicture NOTIFY PictureChanged)
    Q_PROPERTY(QString Warning READ Warning WRITE letWarning NOTIFY WarningChanged)
    Q_PROPERTY(int Lamp READ Lamp WRITE letLamp NOTIFY LampChanged)

public:
    using UserControl::UserControl;

    QString Caption() const { return m_caption; }
    void letCaption(const QString &value) { table().assign<&Gauge::Caption>(*this, value); }
    int Limit() const { return m_limit; }
    void letLimit(int value) { table().assign<&Gauge::Limit>(*this, value); }
    Needle NeedleKind() const { return m_needle; }
    void letNeedleKind(Needle value) { table().assign<&Gauge::NeedleKind>(*this, value); }
    quint32 FaceColor() const { return m_faceColor; }
    void letFaceColor(quint32 value) { table().assign<&Gauge::FaceColor>(*this, value); }
    float Scale() const { return m_scale; }
    void letScale(float value) { table().assign<&Gauge::Scale>(*this, value); }
    QString Note() const { return m_note; }
    void letNote(const QString &value) { table().assign<&Gauge::Note>(*this, value); }
    QString Picture() const { return m_picture; }
    void letPicture(const QString &value) { table().assign<&Gauge::Picture>(*this, value); }
    QString Warning() const { return m_warning; }
    void letWarning(const QString &value) { table().assign<&Gauge::Warning>(*this, value); }
    int Lamp() const { return m_lamp; }
    void letLamp(int value) { table().assign<&Gauge::Lamp>(*this, value); }

    void InitProperties() { table().init(*this); }
    void ReadProperties(const PropertyBag &bag) { table().read(*this, bag); }
    void WriteProperties(PropertyBag &bag) const { table().write(*this, bag); }

    QStringList log;

signals:
    void CaptionChanged();
    void LimitChanged();
    void NeedleKindChanged();
    void FaceColorChanged();
    void ScaleChanged();
    void NoteChanged();
    void PictureChanged();
    void WarningChanged();
    void LampChanged();

private:
    static const ControlProperties<Gauge> &table();

    void applyCaption(const QString &value) { keep(m_caption, value, "Caption"); }
    void applyLimit(int value) { keep(m_limit, value, "Limit"); }
    void loadLimit(int value) { keep(m_limit, value, "load Limit"); }
    void applyNeedle(Needle value) { keep(m_needle, value, "NeedleKind"); }
    void applyFaceColor(quint32 value) { keep(m_faceColor, value, "FaceColor"); }
    void applyScale(float value) { keep(m_scale, value, "Scale"); }
    void applyNote(const QString &value) { keep(m_note, value, "Note"); }
    void applyPicture(const QString &value) { keep(m_picture, value, "Picture"); }
    void applyWarning(const QString &value) { keep(m_warning, value, "Warning"); }
    void applyLamp(int value) { keep(m_lamp, value, "Lamp"); }
    template <typename Value> void keep(Value &field, const Value &value, const char *how)
    {
        field = value;
        log << how;
    }

    QString m_caption = "design";
    int m_limit = -1;
    Needle m_needle = Needle::Broad;
    quint32 m_faceColor = 7;
    float m_scale = 1;
    QString m_note;
    QString m_picture = "design.png";
    QString m_warning;
    int m_lamp = 3;
};

const ControlProperties<Gauge> &Gauge::table()
{
    static const ControlProperties<Gauge> table{
        propertyRow<&Gauge::Caption, &Gauge::applyCaption>("Caption", QString()),
        propertyRow<&Gauge::Limit, &Gauge::applyLimit, &Gauge::loadLimit>("Limit", 100)
            .savedAs("LIM")
            .initialised()
            .alwaysWritten(),
        propertyRow<&Gauge::NeedleKind, &Gauge::applyNeedle>("NeedleKind", Needle::Thin)
            .savedAs("Needle"),
        propertyRow<&Gauge::FaceColor, &Gauge::applyFaceColor>("FaceColor",
                                                               qint32(HostColor::window))
            .savedAs("FCOL")
            .initialised(),
        propertyRow<&Gauge::Scale, &Gauge::applyScale>("Scale", 1.5f).notAnnounced(),
        propertyRow<&Gauge::Note, &Gauge::applyNote>("Note", QString()).writtenOnly(),
        propertyRow<&Gauge::Picture, &Gauge::applyPicture>("Picture", QString())
            .savedAs("PICH")
            .announcedAs("PICO"),
        propertyRow<&Gauge::Warning, &Gauge::applyWarning>("Warning", QString()).notSaved(),
        propertyRow<&Gauge::Lamp, &Gauge::applyLamp>("Lamp", 0).alwaysApplied(),
    };
    return table;
}

class tst_ControlProperties : public QObject
{
    Q_OBJECT

private slots:
    // One row per property: `value` differs from both the design value and the default;
    // `saved` is how the store holds it, in the type it is saved as; `applications` is how
    // often the setter runs when the value is assigned twice.
    void eachProperty_data()
    {
        QTest::addColumn<QByteArray>("name");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("changeKey");
        QTest::addColumn<QVariant>("value");
        QTest::addColumn<QVariant>("saved");
        QTest::addColumn<bool>("readBack");
        QTest::addColumn<bool>("writtenAtDefault");
        QTest::addColumn<int>("applications");
        const auto row = [](const char *name, const char *key, const char *changeKey,
                            const QVariant &value, const QVariant &saved, bool readBack = true,
                            bool writtenAtDefault = false, int applications = 1) {
            QTest::newRow(name) << QByteArray(name) << QString(key) << QString(changeKey) << value
                                << saved << readBack << writtenAtDefault << applications;
        };
        row("Caption", "Caption", "Caption", QString("Dial A"), QString("Dial A"));
        row("Limit", "LIM", "LIM", 250, 250, true, true);
        row("NeedleKind", "Needle", "Needle", QVariant::fromValue(Needle::Arrow),
            QVariant::fromValue(qint16(2)));
        row("FaceColor", "FCOL", "FCOL", quint32(HostColor::systemColourFlag + 18),
            qint32(HostColor::systemColourFlag + 18));
        row("Scale", "Scale", "", 2.25f, 2.25f);
        row("Note", "Note", "Note", QString("kept"), QString("kept"), false);
        row("Picture", "PICH", "PICO", QString("eye.png"), QString("eye.png"));
        row("Warning", "", "Warning", QString("check"), QVariant());
        row("Lamp", "Lamp", "Lamp", 5, 5, true, false, 2);
    }
    void eachProperty()
    {
        QFETCH(QByteArray, name);
        QFETCH(QString, key);
        QFETCH(QString, changeKey);
        QFETCH(QVariant, value);
        QFETCH(QVariant, saved);
        QFETCH(bool, readBack);
        QFETCH(bool, writtenAtDefault);
        QFETCH(int, applications);
        const QStringList announced = changeKey.isEmpty() ? QStringList() : QStringList{changeKey};

        ControlForm<Gauge> form("Gauge", QSize(100, 30));
        const QMetaProperty metaProperty =
            form.control->metaObject()->property(form.control->metaObject()->indexOfProperty(name));
        QSignalSpy changeSignal(form.control, metaProperty.notifySignal());
        for (int assignment = 0; assignment < 2; ++assignment)
            QVERIFY(form.control->setProperty(name.constData(), value));
        QCOMPARE(form.control->property(name.constData()), value);
        QCOMPARE(form.changed, announced);
        QCOMPARE(changeSignal.size(), 1);
        QCOMPARE(form.control->log.count(QString(name)), applications);

        form.save();
        if (key.isEmpty()) {
            QVERIFY(!form.store.contains(QString(name)));
            return;
        }
        const QVariant stored = form.store.ReadProperty(key, QVariant());
        QCOMPARE(stored, saved);
        QCOMPARE(stored.metaType().name(), saved.metaType().name());

        // Through the saved text, with the key spelt in another case.
        PropertyBag written;
        written.WriteProperty(key.toLower(), saved);
        PropertyBag reopened;
        QVERIFY(reopened.loadJson(written.toJson()));
        Gauge loaded;
        loaded.ReadProperties(reopened);
        QCOMPARE(loaded.property(name.constData()),
                 readBack ? value : Gauge().property(name.constData()));
        QCOMPARE(form.changed, announced);

        // A missing key loads the default, which is then not written again.
        Gauge empty;
        empty.ReadProperties(PropertyBag());
        PropertyBag resaved;
        empty.WriteProperties(resaved);
        QCOMPARE(resaved.contains(key), writtenAtDefault);
    }

    void placesSavesAndLoadsInTableOrder()
    {
        Gauge placed;
        placed.InitProperties();
        QCOMPARE(placed.log, (QStringList{"load Limit", "FaceColor"}));
        QCOMPARE(placed.Limit(), 100);
        QCOMPARE(placed.FaceColor(), HostColor::window);
        QCOMPARE(placed.Caption(), QString("design"));

        Gauge configured;
        configured.letWarning("not saved");
        configured.letPicture("eye.png");
        configured.letNote("kept");
        configured.letScale(2.25f);
        configured.letFaceColor(12);
        configured.letNeedleKind(Needle::Arrow);
        configured.letLimit(250);
        configured.letCaption("Dial A");
        PropertyBag bag;
        configured.WriteProperties(bag);
        QCOMPARE(bag.keys(), (QStringList{"Caption", "LIM", "Needle", "FCOL", "Scale", "Note",
                                          "PICH", "Lamp"}));

        Gauge loaded;
        loaded.ReadProperties(bag);
        QCOMPARE(loaded.log, (QStringList{"Caption", "load Limit", "NeedleKind", "FaceColor",
                                          "Scale", "Picture", "Lamp"}));
    }
};

QTEST_MAIN(tst_ControlProperties)
#include "tst_ControlProperties.moc"
