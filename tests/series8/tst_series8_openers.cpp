// The search window's dormant series-8 openers: the search hides, the panel
// shows where the toolkit puts it with the program's icon, and a panel given
// a device asks the switcher for its state once. The Pelimor window opens
// from the search window's hidden radio button. Runs in a namespace of its own.

#include "panel_rig.h"
#include "pelimor.h"
#include "quillet.h"
#include "showsearch.h"
#include "venadro.h"
#include "zv_resources.h"

#include <QIcon>
#include <QNetworkInterface>
#include <QRadioButton>

namespace {

// Loopback alone: anything else means the search window could broadcast on a real network.
bool isolated()
{
    for (const QNetworkInterface& card : QNetworkInterface::allInterfaces())
        if (!(card.flags() & QNetworkInterface::IsLoopBack))
            return false;
    return true;
}

// The one top-level window of class T, taken over by the caller.
template <class T>
T* opened()
{
    T* found = nullptr;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* t = qobject_cast<T*>(w))
            found = t;
    return found;
}

bool hasTheProgramsIcon(QWidget* w)
{
    return w->windowIcon().pixmap(64).toImage() ==
           QIcon(QStringLiteral(":/images/StyleSheet/DEVapplication.png")).pixmap(64).toImage();
}

using Opener = void (showsearch::*)(QString, uchar, uchar, QString, uchar, uchar);

} // namespace

Q_DECLARE_METATYPE(Opener)

class tst_series8_openers : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        if (!isolated())
            QSKIP("not inside a network namespace of its own: the search window would broadcast");
        zvInitResources();
    }

    void opensThePanelInsteadOfTheSearch_data()
    {
        QTest::addColumn<Opener>("opener");
        QTest::addColumn<QByteArray>("panelClass");
        QTest::newRow("Quillet") << Opener(&showsearch::setQuilletUI) << QByteArray("Quillet");
        QTest::newRow("Venadro") << Opener(&showsearch::setVenadroUI) << QByteArray("Venadro");
    }

    void opensThePanelInsteadOfTheSearch()
    {
        QFETCH(Opener, opener);
        QFETCH(QByteArray, panelClass);
        SwitcherWire wire;
        QVERIFY(wire.isBound());
        showsearch search;
        search.show();
        wire.commands();

        (search.*opener)(QStringLiteral("127.0.0.2"), 0xA5, 0xFF, QStringLiteral("0.0.0.0"), 0, 0);
        QScopedPointer<QWidget> panel(panelClass == "Quillet" ? static_cast<QWidget*>(opened<Quillet>())
                                                              : opened<Venadro>());
        QVERIFY(panel);
        QVERIFY(panel->isVisible());
        QVERIFY(!search.isVisible());
        QVERIFY(!panel->parent());
        // Shown where the toolkit puts it: nothing moved it.
        QVERIFY(!panel->testAttribute(Qt::WA_Moved));
        QVERIFY(hasTheProgramsIcon(panel.data()));

        QCOMPARE(wire.nextCommand(), panelCommand(0x0A));
        QVERIFY(wire.nothingSent());
    }

    void pelimorOpensFromItsHiddenRadioButton()
    {
        SwitcherWire wire;
        QVERIFY(wire.isBound());
        showsearch search;
        search.show();
        wire.commands();
        QRadioButton* radio = nullptr;
        for (QRadioButton* r : search.findChildren<QRadioButton*>())
            if (r->text() == QLatin1String("Pelimor"))
                radio = r;
        QVERIFY(radio);
        QVERIFY(!radio->isVisible());
        QVERIFY(!opened<Pelimor>());

        radio->click();
        QScopedPointer<Pelimor> panel(opened<Pelimor>());
        QVERIFY(panel);
        QVERIFY(panel->isVisible());
        QVERIFY(!search.isVisible());
        QVERIFY(!panel->parent());
        QVERIFY(!panel->testAttribute(Qt::WA_Moved));
        QVERIFY(hasTheProgramsIcon(panel.data()));
        // Given no device, it asks nothing.
        QVERIFY(wire.nothingSent());
    }
};

QTEST_MAIN(tst_series8_openers)
#include "tst_series8_openers.moc"
