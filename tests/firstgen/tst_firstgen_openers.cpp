// The search window's Tesmond and Oriskan openers: the panel shows in place of
// the search with the program's icon, asks for the state once, and its return
// key brings the search back and deletes it, so nothing polls afterwards.
// The Halvani opener runs its panel modally, and returns once its return key
// has ended the run, the panel deleted and the search back.
// The search window broadcasts as soon as it exists: run in a namespace only.

#include "halvaniui.h"
#include "panel_rig.h"
#include "showsearch.h"
#include "tesmondui.h"
#include "upper_strip.h"
#include "zv_resources.h"

#include <QIcon>
#include <QNetworkInterface>

namespace {

bool isolated()
{
    for (const QNetworkInterface& card : QNetworkInterface::allInterfaces())
        if (!(card.flags() & QNetworkInterface::IsLoopBack))
            return false;
    return true;
}

QWidget* openedPanel()
{
    for (QWidget* w : QApplication::topLevelWidgets())
        if (qobject_cast<TesmondUI*>(w) || qobject_cast<OriskanUI*>(w))
            return w;
    return nullptr;
}

using Opener = void (showsearch::*)(QString, uchar, uchar, QString, uchar, uchar);

} // namespace

Q_DECLARE_METATYPE(Opener)

class tst_firstgen_openers : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        if (!isolated())
            QSKIP("not inside a network namespace of its own: the search window would broadcast");
        zvInitResources();
    }

    void opensAndReturns_data()
    {
        QTest::addColumn<Opener>("opener");
        QTest::newRow("Tesmond") << Opener(&showsearch::setTesmondUI);
        QTest::newRow("Oriskan") << Opener(&showsearch::setOriskanUI);
    }
    void opensAndReturns()
    {
        QFETCH(Opener, opener);
        SwitcherWire wire;
        QVERIFY(wire.isBound());
        showsearch search;
        search.show();
        wire.commands();

        (search.*opener)(QStringLiteral("127.0.0.2"), 0xA5, 0xFF, QStringLiteral("0.0.0.0"), 0, 0);
        QPointer<QWidget> panel(openedPanel());
        QVERIFY(panel);
        QVERIFY(panel->isVisible());
        QVERIFY(!panel->parent());
        QVERIFY(!search.isVisible());
        QCOMPARE(panel->windowIcon().pixmap(64).toImage(),
                 QIcon(QStringLiteral(":/images/StyleSheet/DEVapplication.png")).pixmap(64).toImage());
        QCOMPARE(wire.nextCommand(), panelCommand(0x0A));
        QVERIFY(wire.nothingSent());

        emit panel->findChild<FirstGenUpperStrip*>()->on_Singnals_returnloginwin();
        QVERIFY(search.isVisible());
        QTRY_VERIFY_WITH_TIMEOUT(!panel, 5000);
        wire.commands();
        QTest::qWait(4000);
        for (const QByteArray& c : wire.commands())
            QVERIFY(c.size() <= 16 || quint8(c.at(16)) != 0x0A);
    }

    void halvaniRunsModally()
    {
        SwitcherWire wire;
        QVERIFY(wire.isBound());
        showsearch search;
        search.show();
        QPointer<HalvaniUI> panel;
        bool runningInstead = false, sentNothing = false;
        QString target;
        QTimer::singleShot(0, [&] {
            for (QWidget* w : QApplication::topLevelWidgets())
                if (auto* p = qobject_cast<HalvaniUI*>(w))
                    panel = p;
            if (!panel)
                return;
            runningInstead = panel->isVisible() && panel->isModal() && !panel->parent() && !search.isVisible() &&
                             panel->windowIcon().pixmap(64).toImage() ==
                                 QIcon(QStringLiteral(":/images/StyleSheet/DEVapplication.png")).pixmap(64).toImage();
            sentNothing = wire.nothingSent();
            QTest::mouseClick(panel->findChild<QPushButton*>(QStringLiteral("btn_return")), Qt::LeftButton);
        });
        bool forced = false;  // a run the return key could not end still ends
        QTimer::singleShot(10000, &search, [&] {
            forced = panel;
            if (panel)
                panel->reject();
        });
        search.setHalvaniUI(QStringLiteral("127.0.0.2"), 0xA5, 0xFF);
        QVERIFY(runningInstead);
        QVERIFY(sentNothing);
        QVERIFY(!forced);
        QVERIFY(!panel);
        QVERIFY(search.isVisible());
    }
};

QTEST_MAIN(tst_firstgen_openers)
#include "tst_firstgen_openers.moc"
