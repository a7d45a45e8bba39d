#include "discovery_answer.h"
#include "groupbox_right.h"
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
#include <QTimer>
#include <QUdpSocket>
#include <QtTest>

#include <algorithm>

namespace {

struct Reply
{
    QString ip;
    int type;
    QByteArray name;
};

// yy mm dd weekday hh mm ss, each in binary-coded decimal.
QByteArray bcdTime(const QDateTime &when)
{
    const QDate d = when.date();
    const QTime t = when.time();
    QByteArray out;
    for (int v : {d.year() % 100, d.month(), d.day(), d.dayOfWeek(), t.hour(), t.minute(), t.second()})
        out += char((v / 10) << 4 | (v % 10));
    return out;
}

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

    QPushButton *button(const char *image) const
    {
        const auto buttons = side->findChildren<QPushButton *>();
        for (QPushButton *b : buttons) {
            if (b->styleSheet().contains(QLatin1String(image)))
                return b;
        }
        return nullptr;
    }
};

} // namespace

Q_DECLARE_METATYPE(QList<Reply>)

class tst_search : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanup();
    void windowIsAFramelessFixedDialog();
    void onlySearchAndExitAreShown();
    void everyStoredReplyRebuildsTheSortedList_data();
    void everyStoredReplyRebuildsTheSortedList();
    void hiddenFilterButtonsSelectTheirLists_data();
    void hiddenFilterButtonsSelectTheirLists();
    void searchEmptiesTheListAndTheTable();
    void doubleClickRecordsTheDevice_data();
    void doubleClickRecordsTheDevice();
    void doubleClickOnAStaleEntryOpensNothing();
    void everyCopyOfADeviceIsFound();
    void showSearchPageCentresAndSearchesAgain();
    void exitEndsTheEventLoopWithZero();
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

void tst_search::windowIsAFramelessFixedDialog()
{
    Window win;
    QCOMPARE(win.w.objectName(), QStringLiteral("Showsearch"));
    QCOMPARE(win.w.windowTitle(), QStringLiteral("Zv-Solvenzari"));
    QCOMPARE(int(win.w.windowFlags()), 0x803);
    QCOMPARE(win.w.minimumSize(), QSize(1400, 597));
    QCOMPARE(win.w.maximumSize(), QSize(1400, 597));
    QVERIFY(!win.w.windowIcon().isNull());
    QVERIFY(win.list && win.side && win.switcher && win.cards);
    QCOMPARE(win.cards->parentWidget(), win.side);
    QCOMPARE(win.cards->geometry(), QRect(9, 187, 121, 40));
    QVERIFY(win.w.findChild<QWidget *>(QStringLiteral("widget"))->inherits("TOP_PAGE"));
}

void tst_search::onlySearchAndExitAreShown()
{
    Window win;
    win.w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&win.w));
    const auto radios = win.side->findChildren<QRadioButton *>();
    QCOMPARE(radios.size(), 5);
    for (QRadioButton *r : radios)
        QVERIFY2(!r->isVisible(), qPrintable(r->text()));
    QVERIFY(win.button("SEARCH_D.png")->isVisible());
    QVERIFY(win.button("EXIT_D.png")->isVisible());
    // "all" is checked before every search.
    for (QRadioButton *r : radios)
        QCOMPARE(r->isChecked(), r->text() == QLatin1String("all"));
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
    for (int i = 0; i < win.list->count(); ++i)
        QCOMPARE(win.list->item(i)->textAlignment(), int(Qt::AlignCenter));
}

void tst_search::hiddenFilterButtonsSelectTheirLists_data()
{
    QTest::addColumn<int>("id");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("all") << 0
                         << QStringList{"Zv-Solvenzari-Vy: 192.0.2.1", "Zv: 192.0.2.2", "Zv: 192.0.2.3",
                                        "Zv: 192.0.2.4", "Zv: 192.0.2.5", "Zv: 192.0.2.6"};
    QTest::newRow("Tesmond") << 1
                             << QStringList{"Tesmond(2021): 192.0.2.4", "Tesmond: 192.0.2.2",
                                            "TesmondP: 192.0.2.5", "TesmondS: 192.0.2.3"};
    QTest::newRow("Halvani") << 2 << QStringList{"Halvani: 192.0.2.6"};
    QTest::newRow("Quillet leaves the list as it is") << 3 << QStringList{"unchanged"};
}

void tst_search::hiddenFilterButtonsSelectTheirLists()
{
    QFETCH(int, id);
    QFETCH(QStringList, expected);
    Window win;
    win.store({{"192.0.2.1", 0x28, "Zv-Solvenzari-Vy"},
               {"192.0.2.2", 0x21, "Zv-T"},
               {"192.0.2.3", 0x24, "Zv-T"},
               {"192.0.2.4", 0x25, "Zv-T"},
               {"192.0.2.5", 0x26, "Zv-T"},
               {"192.0.2.6", 0x22, "Zv-H"}});
    win.list->clear();
    win.list->addItem(QStringLiteral("unchanged"));
    QRadioButton *radio = win.side->findChildren<QRadioButton *>().at(id);
    radio->click();
    // Which records and labels; the order follows the collation of the locale.
    std::sort(expected.begin(), expected.end(),
              [](const QString &a, const QString &b) { return QString::localeAwareCompare(a, b) < 0; });
    QCOMPARE(listTexts(win.list), expected);
}

void tst_search::searchEmptiesTheListAndTheTable()
{
    Window win;
    QSignalSpy scan(win.side, &GroupBox_right::btnScan_clicked);
    win.store({{"192.0.2.1", 0x28, "Zv-Solvenzari-Vy"}, {"192.0.2.2", 0x69, "Zv-Solvenzari-4K"}});
    QCOMPARE(win.list->count(), 2);
    QTest::mouseClick(win.button("SEARCH_D.png"), Qt::LeftButton);
    QCOMPARE(scan.count(), 1);
    QCOMPARE(win.list->count(), 0);
    QCOMPARE(win.switcher->DevInfo_DATA_IDX(), 0);
    // A reply after the new search is listed on its own.
    win.store({{"192.0.2.3", 0x28, "Zv-Solvenzari-Vy"}});
    QCOMPARE(listTexts(win.list), QStringList{"Zv-Solvenzari-Vy: 192.0.2.3"});
}

void tst_search::doubleClickRecordsTheDevice_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<QByteArray>("name");
    QTest::addColumn<QString>("devName");
    QTest::addColumn<QString>("panelClass");
    QTest::newRow("Vy 0x28") << 0x28 << QByteArray("Zv-Solvenzari-Vy") << "Zv-Solvenzari-Vy" << "Oriskan_NEW";
    QTest::newRow("Vy 0x27") << 0x27 << QByteArray("Zv-Solvenzari-Vy") << "Zv-Solvenzari-Vy" << "Oriskan_NEW";
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
    win.store({{"192.0.2.1", 0x28, "Zv-Solvenzari-Vy"},
               {"192.0.2.10", 0x28, "Zv-Solvenzari-Vy"},
               {"192.0.2.1", 0x28, "Zv-Solvenzari-Vy"}});
    QCOMPARE(showsearch::recordsAt(*win.switcher, QStringLiteral("192.0.2.1")), (QList<int>{0, 2}));
    QCOMPARE(showsearch::recordsAt(*win.switcher, QStringLiteral("192.0.2.10")), QList<int>{1});
    QCOMPARE(showsearch::recordsAt(*win.switcher, QStringLiteral("192.0.2.")), QList<int>());
    const DevInfo_DATA &rec = win.switcher->devInfo(0);
    QCOMPARE(rec.byteA, quint8(0xA5));
    QCOMPARE(rec.byteB, quint8(0xFF));
    QCOMPARE(QHostAddress(rec.hisIp).toString(), QStringLiteral("0.0.0.0"));

    // A device stored twice opens two panels.
    win.w.show();
    const auto entries = win.list->findItems(QStringLiteral("Zv-Solvenzari-Vy: 192.0.2.1"), Qt::MatchExactly);
    QCOMPARE(entries.size(), 2);
    win.list->setCurrentItem(entries.first());
    emit win.list->itemDoubleClicked(entries.first());
    QCOMPARE(openPanels().size(), 2);
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

void tst_search::exitEndsTheEventLoopWithZero()
{
    Window win;
    win.w.show();
    QEventLoop loop;
    QTimer::singleShot(0, win.button("EXIT_D.png"), [&] { QTest::mouseClick(win.button("EXIT_D.png"), Qt::LeftButton); });
    QTimer::singleShot(5000, &loop, [&] { loop.exit(42); });
    QCOMPARE(loop.exec(), 0);
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

    const QDateTime before = QDateTime::currentDateTime();
    Window win;
    QCOMPARE(win.cards->count(), 4);
    QStringList listed;
    for (int i = 0; i < win.cards->count(); ++i)
        listed << win.cards->itemText(i);
    QCOMPARE(listed, order);
    QCOMPARE(win.cards->currentText(), laterUp);

    QTRY_VERIFY(upper.hasPendingDatagrams());
    const QNetworkDatagram request = upper.receiveDatagram();
    const QByteArray bytes = request.data();
    QCOMPARE(bytes.size(), 27);
    QCOMPARE(bytes.left(7), QByteArray::fromHex("a56c1b0081ff01"));
    QCOMPARE(bytes.mid(7, 9), QByteArray(9, '\0'));
    QCOMPARE(quint8(bytes.at(16)), quint8(0xFF));
    QCOMPARE(quint8(bytes.at(26)), quint8(0xAE));
    int sum = 0;
    for (int i = 0; i < 24; ++i)
        sum += quint8(bytes.at(i));
    QCOMPARE(quint8(bytes.at(24)) | quint8(bytes.at(25)) << 8, sum & 0xFFFF);
    bool bcdAtStart = false;
    for (const QDateTime &when : {before, before.addSecs(1), before.addSecs(2)})
        bcdAtStart = bcdAtStart || bytes.mid(17, 7) == bcdTime(when);
    QVERIFY2(bcdAtStart, bytes.toHex(' ').constData());
    QTest::qWait(200);
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
    QTest::qWait(300);
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
