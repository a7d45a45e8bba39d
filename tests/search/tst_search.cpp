// The search window: the list it builds from the stored answers, what a double click opens, and
// the network card its request goes out on. Runs in a namespace of its own.

#include "discovery_answer.h"
#include "druvela.h"
#include "kavrelo.h"
#include "lunesko.h"
#include "mirelth.h"
#include "panel_rig.h"
#include "sarnowe.h"
#include "tavrine.h"
#include "groupbox_right.h"
#include "image_button.h"
#include "model_tables.h"
#include "onlyfun.h"
#include "showsearch.h"
#include "switcher_data.h"
#include "widget_events.h"
#include "window_placement.h"
#include "zv_resources.h"

#include <QComboBox>
#include <QDialog>
#include <QIcon>
#include <QListWidget>
#include <QNetworkDatagram>
#include <QNetworkInterface>
#include <QProcess>
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

const Reply kVy{"192.0.2.1", 0x28, "Zv-Solvenzari-Vy"};

QStringList listTexts(const QListWidget* list)
{
    QStringList out;
    for (int i = 0; i < list->count(); ++i)
        out << list->item(i)->text();
    return out;
}

// Loopback alone (and the cards the test makes): anything else means the window could broadcast
// on a real network.
bool isolated()
{
    for (const QNetworkInterface& card : QNetworkInterface::allInterfaces())
        if (!(card.flags() & QNetworkInterface::IsLoopBack) && !card.name().startsWith(QLatin1String("zvt")))
            return false;
    return true;
}

bool ip(const QStringList& args)
{
    QProcess p;
    p.start(QStringLiteral("ip"), args);
    return p.waitForFinished(10000) && p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
}

// Class names of the shown top-level windows other than the search window.
QStringList openPanels()
{
    QStringList out;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (!qobject_cast<showsearch*>(w) && w->isVisible())
            out << QString::fromLatin1(w->metaObject()->className());
    return out;
}

struct Window
{
    showsearch w;
    QListWidget* list = w.findChild<QListWidget*>(QStringLiteral("listWidget"));
    SWITCHER_DATA* switcher = w.findChild<SWITCHER_DATA*>();
    QComboBox* cards = w.findChild<QComboBox*>(QStringLiteral("comboBox_network_card"));

    void store(const QList<Reply>& replies)
    {
        for (const Reply& r : replies)
            switcher->Get_Bind_Dev(QHostAddress(r.ip), discoveryAnswer(r.name, quint8(r.type)));
    }
};

// A panel as the dormant openers make them: parentless, its own controller
// bound to a device on loopback, and an end signal.
class DormantPanel : public QDialog
{
    Q_OBJECT
public:
    DormantPanel()
    {
        controller = new onlyFun(this);
        controller->DevTypeID(QStringLiteral("127.0.0.2"), 0xA5, 0xFF, QStringLiteral("0.0.0.0"), 0, 0);
        resize(300, 200);
    }
    QPointer<onlyFun> controller;
signals:
    void ExitSignals();
};

} // namespace

Q_DECLARE_METATYPE(QList<Reply>)
Q_DECLARE_METATYPE(WindowPlacement::PanelEnd)

class tst_search : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanup();
    void storedAnswersAreListedSorted_data();
    void storedAnswersAreListedSorted();
    void doubleClick_data();
    void doubleClick();
    void showSearchPageCentresAndSearchesAgain();
    void dormantOpener_data();
    void dormantOpener();
    void modalDormantOpener();
    void druvelaOpener_data();
    void druvelaOpener();
    void luneskoOpenerEndsOnItsExitKey();
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
    for (QWidget* w : QApplication::topLevelWidgets())
        if (!qobject_cast<showsearch*>(w) && w->testAttribute(Qt::WA_DeleteOnClose))
            w->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void tst_search::storedAnswersAreListedSorted_data()
{
    QTest::addColumn<QList<Reply>>("replies");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("4K before Vy, whatever the order") << QList<Reply>{{"192.168.1.10", 0x27, "Zv-Solvenzari-Vy"}, {"192.168.1.9", 0x69, "Zv-Solvenzari-4K"}}
        << QStringList{"Zv-Solvenzari-4K: 192.168.1.9", "Zv-Solvenzari-Vy: 192.168.1.10"};
    QTest::newRow("addresses sorted as text") << QList<Reply>{{"10.0.0.9", 0x28, "Zv-Solvenzari-Vy"}, {"10.0.0.10", 0x27, "Zv-Solvenzari-Vy"}}
        << QStringList{"Zv-Solvenzari-Vy: 10.0.0.10", "Zv-Solvenzari-Vy: 10.0.0.9"};
    QTest::newRow("other types show their short name") << QList<Reply>{{"192.0.2.7", 0x30, "Zv-Other-Box"}, {"192.0.2.8", 0x21, "ZvTesmond"}}
        << QStringList{"Zv: 192.0.2.7", "ZvTesmond: 192.0.2.8"};
    QTest::newRow("names without Zv are left out") << QList<Reply>{{"192.0.2.5", 0x28, "Sw-Vy"}, {"192.0.2.6", 0x28, "zv-x"}, {"192.0.2.7", 0x69, "Zv-4K"}}
        << QStringList{"Zv-Solvenzari-4K: 192.0.2.7"};
    QTest::newRow("a device answering twice is listed twice") << QList<Reply>{kVy, kVy}
        << QStringList{"Zv-Solvenzari-Vy: 192.0.2.1", "Zv-Solvenzari-Vy: 192.0.2.1"};
}

void tst_search::storedAnswersAreListedSorted()
{
    QFETCH(QList<Reply>, replies);
    QFETCH(QStringList, expected);
    Window win;
    win.store(replies);
    QCOMPARE(listTexts(win.list), expected);
}

void tst_search::doubleClick_data()
{
    QTest::addColumn<QList<Reply>>("stored");
    QTest::addColumn<QString>("clicked");  // added when not listed; empty: nothing current
    QTest::addColumn<QString>("devName");
    QTest::addColumn<int>("type");
    QTest::addColumn<QStringList>("panels");
    const QString vy = QStringLiteral("Zv-Solvenzari-Vy");
    const QList<Reply> two = {{"192.0.2.50", 0x28, "Zv-Solvenzari-Vy"}, {"192.0.2.5", 0x69, "Zv-Solvenzari-4K"}};
    QTest::newRow("Vy 0x28") << QList<Reply>{kVy} << "Zv-Solvenzari-Vy: 192.0.2.1" << vy << 0x28 << QStringList{"Oriskan_NEW"};
    QTest::newRow("Vy 0x27") << QList<Reply>{{"192.0.2.1", 0x27, "Zv-V"}} << "Zv-Solvenzari-Vy: 192.0.2.1" << vy << 0x27 << QStringList{"Oriskan_NEW"};
    QTest::newRow("4K 0x69") << two << "Zv-Solvenzari-4K: 192.0.2.5" << "Zv-Solvenzari-4K" << 0x69 << QStringList{"Corvane"};
    QTest::newRow("type 0x30 opens nothing") << QList<Reply>{{"192.0.2.1", 0x30, "Zv-X"}} << "Zv: 192.0.2.1" << "Zv" << 0x30 << QStringList();
    QTest::newRow("entry without blank") << QList<Reply>{kVy} << "Zv-Solvenzari-Vy:192.0.2.1" << "before" << 7 << QStringList();
    QTest::newRow("address no longer stored") << two << "Zv-Solvenzari-Vy: 192.0.2.99" << vy << 7 << QStringList();
    QTest::newRow("nothing current") << QList<Reply>{kVy} << "" << "before" << 7 << QStringList();
    QTest::newRow("stored twice opens twice") << QList<Reply>{kVy, {"192.0.2.10", 0x28, "Zv-V"}, kVy} << "Zv-Solvenzari-Vy: 192.0.2.1" << vy << 0x28
        << QStringList{"Oriskan_NEW", "Oriskan_NEW"};
}

void tst_search::doubleClick()
{
    QFETCH(QList<Reply>, stored);
    QFETCH(QString, clicked);
    QFETCH(QString, devName);
    QFETCH(int, type);
    QFETCH(QStringList, panels);
    Window win;
    win.w.show();
    win.store(stored);
    DEV_NAME = QStringLiteral("before");
    DEV_CHILD_TYPE = 7;
    if (clicked.isEmpty()) {
        win.list->clear();
    } else {
        if (win.list->findItems(clicked, Qt::MatchExactly).isEmpty())
            win.list->addItem(clicked);
        win.list->setCurrentItem(win.list->findItems(clicked, Qt::MatchExactly).first());
    }
    emit win.list->itemDoubleClicked(win.list->currentItem());
    QCOMPARE(DEV_NAME, devName);
    QCOMPARE(DEV_CHILD_TYPE, quint32(type));
    QCOMPARE(openPanels(), panels);
    QCOMPARE(win.w.isVisible(), panels.isEmpty());
    if (panels.size() != 1)
        return;

    // The panel's end closes it and brings the search back, empty and searching.
    QPointer<QWidget> panel;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->isVisible() && w != &win.w)
            panel = w;
    QVERIFY(QMetaObject::invokeMethod(panel, "ExitSignals"));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(panel.isNull());
    QVERIFY(win.w.isVisible());
    QCOMPARE(win.list->count(), 0);
    QCOMPARE(win.switcher->DevInfo_DATA_IDX(), 0);
}

void tst_search::showSearchPageCentresAndSearchesAgain()
{
    Window win;
    win.store({kVy});
    win.w.move(3, 4);
    const auto radios = win.w.findChildren<QRadioButton*>();
    radios.at(2)->setChecked(true);
    win.w.showSearchPage();
    QVERIFY(win.w.isVisible());
    const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
    // Wider than the offscreen screen: centred, its left edge kept on screen.
    QCOMPARE(win.w.pos(), WindowPlacement::centredOrigin(area, win.w.size()));
    QCOMPARE(win.list->count(), 0);
    QCOMPARE(win.switcher->DevInfo_DATA_IDX(), 0);
    QVERIFY(radios.at(0)->isChecked());
}

void tst_search::dormantOpener_data()
{
    QTest::addColumn<WindowPlacement::PanelEnd>("end");
    QTest::newRow("hidden, then deleted") << WindowPlacement::PanelEnd::Hide;
    QTest::newRow("closed, then deleted") << WindowPlacement::PanelEnd::Close;
}

void tst_search::dormantOpener()
{
    QFETCH(WindowPlacement::PanelEnd, end);
    Window win;
    win.w.show();
    win.store({kVy});
    QPointer<DormantPanel> panel = new DormantPanel;
    const QPoint where(17, 23);
    panel->move(where);
    WindowPlacement::showDormantPanel(panel.data(), &win.w, &DormantPanel::ExitSignals, end,
                                      [&win] { win.w.showSearchPage(); });
    QVERIFY(panel->isVisible());
    QVERIFY(!win.w.isVisible());
    QCOMPARE(panel->pos(), where);  // not centred
    QVERIFY(!panel->windowIcon().isNull());
    QCOMPARE(panel->windowIcon().pixmap(64).toImage(),
             QIcon(QStringLiteral(":/images/StyleSheet/DEVapplication.png")).pixmap(64).toImage());

    QPointer<onlyFun> controller = panel->controller;
    emit panel->ExitSignals();
    QVERIFY(!panel->isVisible());
    QVERIFY(win.w.isVisible());
    QCOMPARE(win.list->count(), 0);
    QCOMPARE(win.switcher->DevInfo_DATA_IDX(), 0);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    // The panel went with its controller, so its heartbeat timer is gone too.
    QVERIFY(panel.isNull());
    QVERIFY(controller.isNull());
}

void tst_search::modalDormantOpener()
{
    Window win;
    win.w.show();
    win.store({kVy});
    QPointer<DormantPanel> panel = new DormantPanel;
    QPointer<onlyFun> controller = panel->controller;
    bool searchHiddenWhileOpen = false;
    QTimer::singleShot(0, panel.data(), [&] {
        searchHiddenWhileOpen = panel->isVisible() && panel->isModal() && !win.w.isVisible();
        panel->reject();
    });
    WindowPlacement::execDormantPanel(panel.data(), &win.w, [&win] { win.w.showSearchPage(); });
    QVERIFY(searchHiddenWhileOpen);
    QVERIFY(panel.isNull());
    QVERIFY(controller.isNull());
    QVERIFY(win.w.isVisible());
    QCOMPARE(win.list->count(), 0);
}

void tst_search::druvelaOpener_data()
{
    QTest::addColumn<bool>("silent");
    QTest::addColumn<QString>("model");
    QTest::newRow("the panel's end signal") << false << QStringLiteral("Druvela");
    QTest::newRow("a device that never answers") << true << QStringLiteral("Druvela");
    QTest::newRow("Kavrelo: the panel's end signal") << false << QStringLiteral("Kavrelo");
    QTest::newRow("Sarnowe: the panel's end signal") << false << QStringLiteral("Sarnowe");
    QTest::newRow("Tavrine: the panel's end signal") << false << QStringLiteral("Tavrine");
    QTest::newRow("Mirelth: the panel's end signal") << false << QStringLiteral("Mirelth");
}

// The model panels' openers: shown with the program's icon where the toolkit
// puts it, the search hidden; its end closes and deletes it (controller and
// heartbeat with it) and brings the search back, empty and searching.
void tst_search::druvelaOpener()
{
    QFETCH(bool, silent);
    QFETCH(QString, model);
    Window win;
    win.w.show();
    win.store({kVy});
    QStringList boxes;
    QTimer watch;
    watchBoxes(watch, [&boxes](QMessageBox* box) {
        boxes << box->windowTitle() + QLatin1Char('/') + box->text();
        box->done(QMessageBox::Ok);
    });
    // On loopback the controller hears its own heartbeat; an address without a route stays silent.
    const QString device = silent ? QStringLiteral("192.0.2.77") : QStringLiteral("127.0.0.2");
    const auto open = model == QLatin1String("Kavrelo")   ? &showsearch::setKavreloUI
                      : model == QLatin1String("Sarnowe") ? &showsearch::setSarnoweUI
                      : model == QLatin1String("Tavrine") ? &showsearch::setTavrineUI
                      : model == QLatin1String("Mirelth") ? &showsearch::setMirelthUI
                                                          : &showsearch::setDruvelaUI;
    (win.w.*open)(device, 0xA5, 0xFF, QStringLiteral("0.0.0.0"), 0, 0);
    QCOMPARE(openPanels(), QStringList{model});
    QPointer<QWidget> panel;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (qobject_cast<Druvela*>(w) || qobject_cast<Kavrelo*>(w) || qobject_cast<Sarnowe*>(w) ||
            qobject_cast<Tavrine*>(w) || qobject_cast<Mirelth*>(w))
            panel = w;
    QVERIFY(panel);
    QVERIFY(!win.w.isVisible());
    QCOMPARE(panel->windowIcon().pixmap(64).toImage(),
             QIcon(QStringLiteral(":/images/StyleSheet/DEVapplication.png")).pixmap(64).toImage());
    QPointer<onlyFun> controller = panel->findChild<onlyFun*>();
    QVERIFY(controller && controller->heartbeatRunning());
    if (silent) {
        // The controller's check finds no answer after 5 s and says so.
        QTRY_VERIFY_WITH_TIMEOUT(win.w.isVisible(), 20000);
        QCOMPARE(boxes, QStringList{"Warning/Device offline"});
    } else {
        emit controller->ExitSignals();
        QVERIFY(boxes.isEmpty());
    }
    QVERIFY(win.w.isVisible());
    QVERIFY(!panel || !panel->isVisible());
    QCOMPARE(win.list->count(), 0);
    QCOMPARE(win.switcher->DevInfo_DATA_IDX(), 0);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(panel.isNull());
    QVERIFY(controller.isNull());
}

// The Lunesko panel's opener against a switcher on loopback: the panel asks for the state and
// keeps the heartbeat going; its EXIT key sends nothing, the panel goes with its controller, the
// search comes back, and no heartbeat follows.
void tst_search::luneskoOpenerEndsOnItsExitKey()
{
    Window win;
    win.w.show();
    win.store({kVy});
    SwitcherWire device;
    QVERIFY(device.isBound());
    win.w.setLuneskoUI(QStringLiteral("127.0.0.2"), 0xA5, 0xFF, QStringLiteral("0.0.0.0"), 0, 0);
    QCOMPARE(openPanels(), QStringList{"Lunesko"});
    QPointer<Lunesko> panel;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* p = qobject_cast<Lunesko*>(w))
            panel = p;
    QVERIFY(panel && !win.w.isVisible());
    QCOMPARE(panel->windowIcon().pixmap(64).toImage(),
             QIcon(QStringLiteral(":/images/StyleSheet/DEVapplication.png")).pixmap(64).toImage());
    QCOMPARE(device.nextCommand(), panelCommand(0x0A));
    bool heartbeat = false;
    auto heartbeatSeen = [&device, &heartbeat] {
        for (const CapturedDatagram& d : device.capture().takeAll())
            heartbeat = heartbeat || d.data == panelCommand(0x06);
        return heartbeat;
    };
    QTRY_VERIFY_WITH_TIMEOUT(heartbeatSeen(), 5000);

    QTest::mouseClick(panel->findChild<QPushButton*>(QStringLiteral("btn_exit")), Qt::LeftButton);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(panel.isNull());
    QVERIFY(win.w.isVisible());
    QCOMPARE(win.list->count(), 0);
    QVERIFY(device.nothingSent());
    // Longer than the heartbeat's period: nothing more reaches the switcher.
    device.capture().takeAll();
    QVERIFY(!device.capture().waitForDatagram(2500));
}

// Two veth pairs in the test's own namespace: zvt0/zvt1 up with an address each in different
// halves of 192.0.2.0/24, zvt2/zvt3 down. The box lists all four, prefers the last running one,
// and the first search goes to that card's broadcast address only.
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
    for (const QNetworkInterface& card : QNetworkInterface::allInterfaces())
        if (card.name().startsWith(QLatin1String("zvt")))
            order << card.name();
    QCOMPARE(order.size(), 4);
    const bool zeroLater = order.indexOf(QStringLiteral("zvt0")) > order.indexOf(QStringLiteral("zvt1"));
    const QString laterUp = zeroLater ? QStringLiteral("zvt0") : QStringLiteral("zvt1");
    const QString earlierUp = zeroLater ? QStringLiteral("zvt1") : QStringLiteral("zvt0");
    QVERIFY(ip({"addr", "add", "192.0.2.129/25", "dev", laterUp}));
    QVERIFY(ip({"addr", "add", "192.0.2.1/25", "dev", earlierUp}));
    QVERIFY(ip({"link", "set", "zvt0", "up"}) && ip({"link", "set", "zvt1", "up"}));
    for (const char* name : {"zvt0", "zvt1"})
        QTRY_VERIFY(QNetworkInterface::interfaceFromName(QLatin1String(name)).flags() & QNetworkInterface::IsRunning);

    QUdpSocket upper, lower;
    QVERIFY(upper.bind(QHostAddress(QStringLiteral("192.0.2.255")), 7000, QUdpSocket::ShareAddress));
    QVERIFY(lower.bind(QHostAddress(QStringLiteral("192.0.2.127")), 7000, QUdpSocket::ShareAddress));

    Window win;
    QStringList listed;
    for (int i = 0; i < win.cards->count(); ++i)
        listed << win.cards->itemText(i);
    QCOMPARE(listed, order);
    QCOMPARE(win.cards->currentText(), laterUp);

    // The request's bytes are checked where it is built; here only where it goes.
    QTRY_VERIFY(upper.hasPendingDatagrams());
    const QNetworkDatagram request = upper.receiveDatagram();
    QCOMPARE(request.data().size(), 27);
    QTest::qWait(100);
    QVERIFY(!lower.hasPendingDatagrams());

    // The answer of a switcher on that card is listed.
    QUdpSocket device;
    device.writeDatagram(discoveryAnswer("Zv-Solvenzari-Vy", 0x28), request.senderAddress(), quint16(request.senderPort()));
    QTRY_COMPARE(win.list->count(), 1);
    QVERIFY(win.list->item(0)->text().startsWith(QLatin1String("Zv-Solvenzari-Vy: 192.0.2.")));

    // Another card sends nothing until Search is pressed, then only there.
    while (upper.hasPendingDatagrams())
        upper.receiveDatagram();
    win.cards->setCurrentText(earlierUp);
    QTest::qWait(100);
    QVERIFY(!lower.hasPendingDatagrams());
    QCOMPARE(win.list->count(), 1);
    QTest::mouseClick(buttonShowing(&win.w, "SEARCH_D.png"), Qt::LeftButton);
    QCOMPARE(win.list->count(), 0);
    QTRY_VERIFY(lower.hasPendingDatagrams());
    QCOMPARE(lower.receiveDatagram().data().size(), 27);
    QVERIFY(!upper.hasPendingDatagrams());
}

QTEST_MAIN(tst_search)
#include "tst_search.moc"
