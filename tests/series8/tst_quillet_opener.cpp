// The search window's dormant Quillet opener: the search hides, the panel
// shows where the toolkit puts it with the program's icon, and asks the
// switcher for its state once. Runs in a namespace of its own.

#include "panel_rig.h"
#include "quillet.h"
#include "showsearch.h"
#include "zv_resources.h"

#include <QIcon>
#include <QNetworkInterface>

namespace {

// Loopback alone: anything else means the search window could broadcast on a real network.
bool isolated()
{
    for (const QNetworkInterface& card : QNetworkInterface::allInterfaces())
        if (!(card.flags() & QNetworkInterface::IsLoopBack))
            return false;
    return true;
}

} // namespace

class tst_quillet_opener : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        if (!isolated())
            QSKIP("not inside a network namespace of its own: the search window would broadcast");
        zvInitResources();
    }

    void opensThePanelInsteadOfTheSearch()
    {
        SwitcherWire wire;
        QVERIFY(wire.isBound());
        showsearch search;
        search.show();
        wire.commands();

        search.setQuilletUI(QStringLiteral("127.0.0.2"), 0xA5, 0xFF, QStringLiteral("0.0.0.0"), 0, 0);
        QScopedPointer<Quillet> panel;
        for (QWidget* w : QApplication::topLevelWidgets())
            if (auto* q = qobject_cast<Quillet*>(w))
                panel.reset(q);
        QVERIFY(panel);
        QVERIFY(panel->isVisible());
        QVERIFY(!search.isVisible());
        QVERIFY(!panel->parent());
        // Shown where the toolkit puts it: nothing moved it.
        QVERIFY(!panel->testAttribute(Qt::WA_Moved));
        QCOMPARE(panel->windowIcon().pixmap(64).toImage(),
                 QIcon(QStringLiteral(":/images/StyleSheet/DEVapplication.png")).pixmap(64).toImage());

        QCOMPARE(wire.nextCommand(), panelCommand(0x0A));
        QVERIFY(wire.nothingSent());
    }
};

QTEST_MAIN(tst_quillet_opener)
#include "tst_quillet_opener.moc"
