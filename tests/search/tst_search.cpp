#include "discovery_answer.h"
#include "groupbox_right.h"
#include "image_button.h"
#include "model_tables.h"
#include "showsearch.h"
#include "switcher_data.h"
#include "zv_resources.h"

#include <QApplication>
#include <QComboBox>
#include <QListWidget>
#include <QNetworkDatagram>
#include <QNetworkInterface>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QUdpSocket>
#include <QtTest>

namespace {

struct Reply
{
    QString ip;
    int type;
    QByteArray name;
};

QStringList listTexts(const QListWidget *list)
{
    QStringList out;
    for (int i = 0; i < list->count(); ++i)
        out << list->item(i)->text();
    return out;
}

// The namespace of the test must hold loopback alone (and what the test adds
// itself); anything else means the window could broadcast on a real network.
bool isolated()
{
    const auto all = QNetworkInterface::allInterfaces();
    for (const QNetworkInterface &card : all) {
        if (!(card.flags() & QNetworkInterface::IsLoopBack) && !card.name().startsWith(QLatin1String("zvt")))
            return false;
    }
    return true;
}

bool ip(const QStringList &args)
{
    QProcess p;
    p.start(QStringLiteral("ip"), args);
    return p.waitForFinished(10000) && p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
}

// Top-level windows other than the search window that are shown.
QList<QWidget *> openPanels()
{
    QList<QWidget *> out;
    const auto windows = QApplication::topLevelWidgets();
    for (QWidget *w : windows) {
        if (!qobject_cast<showsearch *>(w) && w->isVisible())
            out << w;
    }
    return out;
}

struct Window
{
    showsearch w;
    QListWidget *list;
    GroupBox_right *side;
    SWITCHER_DATA *switcher;
    QComboBox *cards;

    Window()
        : list(w.findChild<QListWidget *>(QStringLiteral("listWidget")))
        , side(w.findChild<GroupBox_right *>(QStringLiteral("groupBox_rightWidget")))
        , switcher(w.findChild<SWITCHER_DATA *>())
        , cards(w.findChild<QComboBox *>(QStringLiteral("comboBox_network_card")))
    {
    }

    void store(const QList<Reply> &replies)
    {
        for (const Reply &r : replies)
            switcher->Get_Bind_Dev(QHostAddress(r.ip), discoveryAnswer(r.name, quint8(r.type)));
    }

    QPushButton *button(const char *image) const { return buttonShowing(side, image); }
};

} // namespace

Q_DECLARE_METATYPE(QList<Reply>)

class tst_search : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanup();
    void everyStoredReplyRebuildsTheSortedList_data();
    void everyStoredReplyRebuildsTheSortedList();
    void doubleClickRecordsTheDevice_data();
    void doubleClickRecordsTheDevice();
    void doubleClickOnAStaleEntryOpensNothing();
    void everyCopyOfADeviceIsFound();
    void showSearchPageCentresAndSearchesAgain();
    void cardsAreChosenAndSearchedOn();
};

void tst_search::initTestCase()
{
    if (!isolated())
        QSKIP("not inside a network namespace of its own: the search window would broadcast");
    zvInitResources();
}

void tst_search::cleanup()
{
    // Whatever an opener built has no parent; closing ends it.
    const auto windows = QApplication::topLevelWidgets();
    for (QWidget *w : windows) {
        if (!qobject_cast<showsearch *>(w) && w->testAttribute(Qt::WA_DeleteOnClose))
            w->close();
    }
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void tst_search::everyStoredReplyRebuildsTheSortedList_data()
{
    QTest::addColumn<QList<Reply>>("replies");
    QTest::addColumn<QStringList>("expected");

    QTest::newRow("4K before Vy, whatever the arrival order")
        << QList<Reply>{{"192.168.1.10", 0x27, "Zv-Solvenzari-Vy"}, {"192.168.1.9", 0x69, "Zv-Solvenzari-4K"}}
        << QStringList{"Zv-Solvenzari-4K: 192.168.1.9", "Zv-Solvenzari-Vy: 192.168.1.10"};
    QTest::newRow("both Vy types, addresses sorted as text")
        << QList<Reply>{{"10.0.0.9", 0x28, "Zv-Solvenzari-Vy"}, {"10.0.0.10", 0x27, "Zv-Solvenzari-Vy"}}
        << QStringList{"Zv-Solvenzari-Vy: 10.0.0.10", "Zv-Solvenzari-Vy: 10.0.0.9"};
    QTest::newRow("another type shows its short name")
        << QList<Reply>{{"192.0.2.7", 0x30, "Zv-Other-Box"}, {"192.0.2.8", 0x21, "ZvTesmond"}}
        << QStringList{"Zv: 192.0.2.7", "ZvTesmond: 192.0.2.8"};
    QTest::newRow("a name without Zv is not listed")
        << QList<Reply>{{"192.0.2.5", 0x28, "Sw-Solvenzari-Vy"}, {"192.0.2.6", 0x28, "zv-lower"},
                        {"192.0.2.7", 0x69, "Zv-Solvenzari-4K"}}
        << QStringList{"Zv-Solvenzari-4K: 192.0.2.7"};
    QTest::newRow("a device answering twice is listed twice")
        << QList<Reply>{{"192.0.2.9", 0x69, "Zv-Solvenzari-4K"}, {"192.0.2.9", 0x69, "Zv-Solvenzari-4K"}}
        << QStringList{"Zv-Solvenzari-4K: 192.0.2.9", "Zv-Solvenzari-4K: 192.0.2.9"};
}

void tst_search::everyStoredReplyRebuildsTheSortedList()
{
    QFETCH(QList<Reply>, replies);
    QFETCH(QStringList, expected);
    Window win;
    QSignalSpy stored(win.switcher, &SWITCHER_DATA::sigend_datapack);
    win.store(replies);
    QCOMPARE(stored.count(), expected.size());
    QCOMPARE(listTexts(win.list), expected);
}

void tst_search::doubleClickRecordsTheDevice_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<QByteArray>("name");
    QTest::addColumn<QString>("devName");
    QTest::addColumn<QString>("panelClass");
    QTest::newRow("Vy 0x28") << 0x28 << QByteArray("Zv-Solvenzari-Vy") << "Zv-Solvenzari-Vy" << "Oriskan_NEW";
    QTest::newRow("4K 0x69") << 0x69 << QByteArray("Zv-Solvenzari-4K") << "Zv-Solvenzari-4K" << "Corvane";
    QTest::newRow("type 0x30 opens nothing") << 0x30 << QByteArray("Zv-X") << "Zv" << QString();
}

void tst_search::doubleClickRecordsTheDevice()
{
    QFETCH(int, type);
    QFETCH(QByteArray, name);
    QFETCH(QString, devName);
    QFETCH(QString, panelClass);
    Window win;
    win.w.show();
    win.store({{"192.0.2.50", 0x28, "Zv-Solvenzari-Vy"}, {"192.168.1.10", type, name}});
    DEV_NAME = QStringLiteral("before");
    DEV_CHILD_TYPE = 0;
    const auto found = win.list->findItems(QStringLiteral("192.168.1.10"), Qt::MatchEndsWith);
    QCOMPARE(found.size(), 1);
    win.list->setCurrentItem(found.first());
    emit win.list->itemDoubleClicked(found.first());
    QCOMPARE(DEV_NAME, devName);
    QCOMPARE(DEV_CHILD_TYPE, quint32(type));

    const QList<QWidget *> panels = openPanels();
    if (panelClass.isEmpty()) {
        QVERIFY(panels.isEmpty());
        QVERIFY(win.w.isVisible());
        return;
    }
    QCOMPARE(panels.size(), 1);
    QPointer<QWidget> panel = panels.first();
    QVERIFY2(panel->inherits(panelClass.toLatin1().constData()), panel->metaObject()->className());
    QVERIFY(panel->isVisible());
    QVERIFY(!win.w.isVisible());

    // The panel's end closes it and brings the search back, empty and searching.
    win.store({{"192.0.2.51", 0x28, "Zv-Solvenzari-Vy"}});
    QVERIFY(QMetaObject::invokeMethod(panel, "ExitSignals"));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(panel.isNull());
    QVERIFY(win.w.isVisible());
    QCOMPARE(win.list->count(), 0);
    QCOMPARE(win.switcher->DevInfo_DATA_IDX(), 0);
}

void tst_search::doubleClickOnAStaleEntryOpensNothing()
{
    Window win;
    win.w.show();
    win.store({{"192.0.2.1", 0x30, "Zv-X"}});
    DEV_CHILD_TYPE = 7;
    // An entry without blank, and one whose address is no longer stored.
    win.list->addItem(QStringLiteral("Zv-Solvenzari-Vy:192.0.2.1"));
    win.list->setCurrentRow(win.list->count() - 1);
    DEV_NAME = QStringLiteral("before");
    emit win.list->itemDoubleClicked(win.list->currentItem());
    QCOMPARE(DEV_NAME, QStringLiteral("before"));
    win.list->addItem(QStringLiteral("Zv-Solvenzari-Vy: 192.0.2.99"));
    win.list->setCurrentRow(win.list->count() - 1);
    emit win.list->itemDoubleClicked(win.list->currentItem());
    QCOMPARE(DEV_NAME, QStringLiteral("Zv-Solvenzari-Vy"));
    QCOMPARE(DEV_CHILD_TYPE, quint32(7));
    // Nothing current: nothing happens.
    win.list->clear();
    emit win.list->itemDoubleClicked(nullptr);
    QVERIFY(win.w.isVisible());
}

void tst_search::everyCopyOfADeviceIsFound()
{
    Window win;
    // Type 0x27 opens the same panel as 0x28.
    win.store({{"192.0.2.1", 0x27, "Zv-Solvenzari-Vy"},
               {"192.0.2.10", 0x28, "Zv-Solvenzari-Vy"},
               {"192.0.2.1", 0x27, "Zv-Solvenzari-Vy"}});
    QCOMPARE(showsearch::recordsAt(*win.switcher, QStringLiteral("192.0.2.1")), (QList<int>{0, 2}));
    QCOMPARE(showsearch::recordsAt(*win.switcher, QStringLiteral("192.0.2.10")), QList<int>{1});
    QCOMPARE(showsearch::recordsAt(*win.switcher, QStringLiteral("192.0.2.")), QList<int>());

    // A device stored twice opens two panels.
    win.w.show();
    const auto entries = win.list->findItems(QStringLiteral("Zv-Solvenzari-Vy: 192.0.2.1"), Qt::MatchExactly);
    QCOMPARE(entries.size(), 2);
    win.list->setCurrentItem(entries.first());
    emit win.list->itemDoubleClicked(entries.first());
    const QList<QWidget *> panels = openPanels();
    QCOMPARE(panels.size(), 2);
    QVERIFY(panels.at(0)->inherits("Oriskan_NEW") && panels.at(1)->inherits("Oriskan_NEW"));
}

void tst_search::showSearchPageCentresAndSearchesAgain()
{
    Window win;
    win.store({{"192.0.2.1", 0x28, "Zv-Solvenzari-Vy"}});
    win.w.hide();
    win.w.move(3, 4);
    const auto radios = win.side->findChildren<QRadioButton *>();
    radios.at(2)->setChecked(true);
    win.w.showSearchPage();
    QVERIFY(win.w.isVisible());
    const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
    QCOMPARE(win.w.pos(), QPoint((area.width() - 1400) / 2, (area.height() - 597) / 2));
    QCOMPARE(win.list->count(), 0);
    QCOMPARE(win.switcher->DevInfo_DATA_IDX(), 0);
    QVERIFY(radios.at(0)->isChecked());
}

// Two veth pairs in the test's own namespace: zvt0/zvt1 up with an address
// each in different halves of 192.0.2.0/24, zvt2/zvt3 down. The box lists all
// four, prefers the last running one, and the first search goes to that
// card's broadcast address only.
void tst_search::cardsAreChosenAndSearchedOn()
{
    if (!ip({"link", "add", "zvt0", "type", "veth", "peer", "name", "zvt1"}))
        QSKIP("cannot make interfaces in this namespace");
    QVERIFY(ip({"link", "add", "zvt2", "type", "veth", "peer", "name", "zvt3"}));
    auto removeLinks = qScopeGuard([] {
        ip({"link", "del", "zvt0"});
        ip({"link", "del", "zvt2"});
    });
    QVERIFY(isolated());

    QStringList order;
    for (const QNetworkInterface &card : QNetworkInterface::allInterfaces()) {
        if (card.name().startsWith(QLatin1String("zvt")))
            order << card.name();
    }
    QCOMPARE(order.size(), 4);
    const QString laterUp = order.indexOf(QStringLiteral("zvt0")) > order.indexOf(QStringLiteral("zvt1"))
                                ? QStringLiteral("zvt0") : QStringLiteral("zvt1");
    const QString earlierUp = laterUp == QLatin1String("zvt0") ? QStringLiteral("zvt1") : QStringLiteral("zvt0");
    QVERIFY(ip({"addr", "add", "192.0.2.129/25", "dev", laterUp}));
    QVERIFY(ip({"addr", "add", "192.0.2.1/25", "dev", earlierUp}));
    QVERIFY(ip({"link", "set", "zvt0", "up"}));
    QVERIFY(ip({"link", "set", "zvt1", "up"}));
    QTRY_VERIFY(QNetworkInterface::interfaceFromName(QStringLiteral("zvt0")).flags() & QNetworkInterface::IsRunning);
    QTRY_VERIFY(QNetworkInterface::interfaceFromName(QStringLiteral("zvt1")).flags() & QNetworkInterface::IsRunning);

    QUdpSocket upper, lower;
    QVERIFY(upper.bind(QHostAddress(QStringLiteral("192.0.2.255")), 7000, QUdpSocket::ShareAddress));
    QVERIFY(lower.bind(QHostAddress(QStringLiteral("192.0.2.127")), 7000, QUdpSocket::ShareAddress));

    Window win;
    QCOMPARE(win.cards->count(), 4);
    QStringList listed;
    for (int i = 0; i < win.cards->count(); ++i)
        listed << win.cards->itemText(i);
    QCOMPARE(listed, order);
    QCOMPARE(win.cards->currentText(), laterUp);

    QTRY_VERIFY(upper.hasPendingDatagrams());
    const QNetworkDatagram request = upper.receiveDatagram();
    // The request's bytes are checked where it is built; here only where it goes.
    QCOMPARE(request.data().size(), 27);
    QTest::qWait(100);
    QVERIFY(!lower.hasPendingDatagrams());

    // The answer of a switcher on that card is listed.
    QUdpSocket device;
    device.writeDatagram(discoveryAnswer("Zv-Solvenzari-Vy", 0x28), request.senderAddress(),
                         quint16(request.senderPort()));
    QTRY_COMPARE(win.list->count(), 1);
    QVERIFY2(win.list->item(0)->text().startsWith(QLatin1String("Zv-Solvenzari-Vy: 192.0.2.")),
             qPrintable(win.list->item(0)->text()));

    // Another card sends nothing until Search is pressed, then only there.
    while (upper.hasPendingDatagrams())
        upper.receiveDatagram();
    win.cards->setCurrentText(earlierUp);
    QTest::qWait(100);
    QVERIFY(!lower.hasPendingDatagrams());
    QCOMPARE(win.list->count(), 1);
    QTest::mouseClick(win.button("SEARCH_D.png"), Qt::LeftButton);
    QCOMPARE(win.list->count(), 0);
    QTRY_VERIFY(lower.hasPendingDatagrams());
    QCOMPARE(lower.receiveDatagram().data().size(), 27);
    QVERIFY(!upper.hasPendingDatagrams());
}

QTEST_MAIN(tst_search)
#include "tst_search.moc"
