// The first-generation bottom bar and its SET dialog: the switcher's main
// board at 127.0.0.2, the second (His) board at 127.0.0.3, free addresses at
// 127.0.0.4 and 127.0.0.10 to move either to. Frames are written out here by
// hand; the modal dialog is driven from a timer, its warnings answered by the
// box watcher. The dialog's place is checked against screens of other sizes by
// measuring the open dialog's controls where the placement puts them.

#include "druvela_workdata.h"
#include "face_pictures.h"
#include "panel_rig.h"
#include "plane_botton.h"
#include "widget_events.h"
#include "zv_resources.h"

#include <QApplication>
#include <QComboBox>
#include <QDesktopWidget>
#include <QDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPixmap>
#include <QPushButton>
#include <QScreen>
#include <QUdpSocket>

#include <functional>
#include <utility>

namespace {

const QString kMain = QStringLiteral("127.0.0.2");
const QString kHis = QStringLiteral("127.0.0.3");
const QString kFree = QStringLiteral("127.0.0.4");
const QString kTen = QStringLiteral("127.0.0.10");
// kTen as an operator may type it; read as octal it would be 127.0.0.8.
const QString kTenZeros = QStringLiteral("127.000.000.010");

QByteArray bytes(std::initializer_list<int> values)
{
    QByteArray out;
    for (int v : values)
        out.append(char(v));
    return out;
}

// The 33-byte address frames: byte 6 is 0 for a board answering with A5.
QByteArray addressFrame(unsigned char cmd, const QByteArray& record13)
{
    QByteArray f = testFrameHead(cmd, 0xA5, 0xFF, 0x00) + record13;
    sealTestFrame(f);
    return f;
}

QByteArray setIpFrame(std::initializer_list<int> ip)
{
    return addressFrame(0x05, bytes(ip) + QByteArray(9, '\0'));
}

QByteArray dnsFrame(std::initializer_list<int> dns)
{
    QByteArray f = testFrameHead(0x23) + bytes(dns) + bytes({0x02, 0x50, 0x3B, 0x8C});
    sealTestFrame(f);
    return f;
}

QByteArray urlFrame(int index, const QByteArray& name, const QByteArray& url, int cmd = 0x67, int a = 0xA5, int b = 0xFF)
{
    QByteArray rec = bytes({0, index, name.size()}) + name.leftJustified(16, '\0') +
                     bytes({url.size() & 0xFF, url.size() >> 8}) + url.leftJustified(768, '\0');
    QByteArray f = testFrameHead(quint8(cmd), quint8(a), quint8(b)) + rec;
    sealTestFrame(f);
    return f;
}

// The second board's address bytes in the reply tests, unlike the main board's.
constexpr int kHisA = 0x5A;
constexpr int kHisB = 0x11;

// Its settings answer: ip, subnet, gateway, the static/dynamic byte, DNS.
QByteArray settingsReply(const QByteArray& ip, int a = kHisA, int b = kHisB, int type = 0x24)
{
    QByteArray f = testFrameHead(quint8(type), quint8(a), quint8(b)) + ip + bytes({255, 255, 0, 0, 10, 1, 0, 1, 0, 1, 1, 1, 1});
    sealTestFrame(f);
    return f;
}

// True when the entry shows text without scrolling: where its first
// character is drawn does not depend on where the cursor stood when painted.
bool showsWhole(QLineEdit* e, const QString& text)
{
    e->setText(text);
    e->setCursorPosition(text.size());
    e->grab();
    e->setCursorPosition(0);
    const auto startX = [e] { return e->inputMethodQuery(Qt::ImCursorRectangle).toRect().x(); };
    const int seenFromEnd = startX();
    e->grab();
    return startX() == seenFromEnd;
}

QDialog* runningDialog()
{
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (w->objectName() == QLatin1String("_dlog") && w->isVisible())
            return qobject_cast<QDialog*>(w);
    }
    return nullptr;
}

} // namespace

class TestPlaneBotton : public QObject
{
    Q_OBJECT

private:
    SwitcherWire* m_wire = nullptr;
    UdpCapture* m_his = nullptr;
    UdpCapture* m_free = nullptr;
    UdpCapture* m_ten = nullptr;
    Druvela_workdata* m_ws = nullptr;
    QPointer<Plane_Botton> m_bar;
    QStringList m_boxTexts;
    int m_hisA = 0xA5;
    int m_hisB = 0xFF;

    template <class T = QWidget>
    static T* in(QDialog* d, const char* name)
    {
        return namedChild<T>(d, QLatin1String(name));
    }

    // Runs body on the open SET dialog, then closes the dialog. Boxes are
    // answered Yes and their texts kept, each with its buttons and parent.
    void withDialog(const std::function<void(QDialog*)>& body, bool direct = false)
    {
        QTimer boxes;
        watchBoxes(boxes, [this](QMessageBox* box) {
            const bool onlyYes = box->buttons().size() == 1 && box->button(QMessageBox::Yes);
            m_boxTexts << box->text() + (onlyYes ? "" : " (buttons)") + (box->parentWidget() == m_bar ? "" : " (parent)");
            box->button(QMessageBox::Yes)->click();
        });
        bool ran = false;
        QTimer::singleShot(0, [&] {
            QPointer<QDialog> d = runningDialog();
            ran = true;
            if (d)
                body(d);
            if (d)
                d->close();
        });
        if (direct)
            m_bar->on_btnclicked_SET();
        else
            namedChild<QPushButton>(m_bar.data(), QStringLiteral("btn_set"))->click();
        QVERIFY(ran);
    }

    // The address the next datagram of the panel reaches, and its bytes.
    QString arrivedAt(QByteArray& data)
    {
        QElapsedTimer t;
        t.start();
        while (t.elapsed() < 5000) {
            const QList<QByteArray> main = m_wire->commands();
            if (!main.isEmpty()) {
                data = main.first();
                return kMain;
            }
            for (const auto& [capture, address] :
                 {std::make_pair(m_his, kHis), std::make_pair(m_free, kFree), std::make_pair(m_ten, kTen)}) {
                const QList<CapturedDatagram> got = capture->takeAll();
                if (!got.isEmpty()) {
                    data = got.first().data;
                    return address;
                }
            }
            QTest::qWait(20);
        }
        return QString();
    }
    // Where a main-board and a His-board command go now.
    QString mainTarget()
    {
        m_ws->SendCMDCUT();
        QByteArray data;
        const QString at = arrivedAt(data);
        return data == panelCommand(0x83) ? at : QStringLiteral("wrong frame");
    }
    QString hisTarget()
    {
        m_ws->SendCMD_Read_Url(1);
        QByteArray data;
        const QString at = arrivedAt(data);
        QByteArray expected = testFrameHead(0x6A, quint8(m_hisA), quint8(m_hisB)) + bytes({1});
        sealTestFrame(expected);
        return data == expected ? at : QStringLiteral("wrong frame");
    }
    // True when nothing reached c before a marker sent now: the panel writes
    // synchronously, so anything it sent is queued first.
    static bool silent(UdpCapture* c, const QString& address)
    {
        QUdpSocket marker;
        const QByteArray tag("marker");
        marker.writeDatagram(tag, QHostAddress(address), 7000);
        QList<QByteArray> seen;
        QElapsedTimer t;
        t.start();
        while (t.elapsed() < 5000) {
            for (const CapturedDatagram& d : c->takeAll()) {
                if (d.data == tag)
                    return seen.isEmpty();
                seen << d.data;
            }
            c->waitForDatagram(50);
        }
        return false;
    }
    bool hisSilent() { return silent(m_his, kHis) && silent(m_free, kFree); }

    // The second board's own bytes from here on, and a reply as it sends it from its address.
    void hisBytes(int a, int b)
    {
        m_hisA = a;
        m_hisB = b;
        m_ws->get_HISTypeID(kHis, quint8(a), quint8(b));
    }
    void hisReply(const QByteArray& frame)
    {
        m_his->socket().writeDatagram(frame, QHostAddress(QStringLiteral("127.0.0.1")), 7000);
    }
    // Returns once every datagram sent before it has been handled: a version
    // reply from the main board behind them.
    void afterReplies()
    {
        QSignalSpy version(m_ws, &Druvela_workdata::on_signals_version_stateData);
        m_wire->reply(panelCommand(0x49, {1}));
        QTRY_COMPARE_WITH_TIMEOUT(version.count(), 1, 5000);
    }

    // Every control of d, with d's top-left at origin, lies inside area.
    static void controlsInside(QDialog* d, const QPoint& origin, const QRect& area)
    {
        QVERIFY(area.contains(QRect(origin, d->size())));
        const QList<QWidget*> controls = d->findChildren<QWidget*>();
        QVERIFY(controls.size() > 20);
        for (const QWidget* w : controls) {
            // The index box's list is a window of its own, shown below the box when opened.
            if (w->window() != d)
                continue;
            const QRect at(w->mapTo(d, QPoint()) + origin, w->size());
            QVERIFY2(area.contains(at), qPrintable(w->objectName() + w->metaObject()->className()));
        }
    }

private slots:
    void initTestCase()
    {
        zvInitResources();
        m_wire = new SwitcherWire;
        m_his = new UdpCapture(QHostAddress(kHis), 7000);
        m_free = new UdpCapture(QHostAddress(kFree), 7000);
        m_ten = new UdpCapture(QHostAddress(kTen), 7000);
        QVERIFY(m_wire->isBound() && m_his->isBound() && m_free->isBound() && m_ten->isBound());
    }
    void init()
    {
        m_ws = new Druvela_workdata;
        m_ws->get_DevTypeID(kMain, 0xA5, 0xFF);
        m_hisA = 0xA5;
        m_hisB = 0xFF;
        m_ws->get_HISTypeID(kHis, 0xA5, 0xFF);
        m_bar = new Plane_Botton(nullptr, m_ws);
        m_boxTexts.clear();
        m_wire->commands();
        m_his->takeAll();
        m_free->takeAll();
        m_ten->takeAll();
    }
    void cleanup()
    {
        delete m_bar.data();
        delete m_ws;
        m_ws = nullptr;
    }
    void cleanupTestCase()
    {
        delete m_ten;
        delete m_free;
        delete m_his;
        delete m_wire;
    }

    void barAndDialogLook()
    {
        QCOMPARE(m_bar->objectName(), QStringLiteral("bwidgt"));
        QVERIFY(m_bar->winNormalFlag);
        auto* set = namedChild<QPushButton>(m_bar.data(), QStringLiteral("btn_set"));
        QCOMPARE(set->size(), QSize(20, 20));
        QVERIFY(m_wire->nothingSent());
        withDialog([this, set](QDialog* d) {
            QCOMPARE(d->windowFlags() & (Qt::Dialog | Qt::FramelessWindowHint), Qt::Dialog | Qt::FramelessWindowHint);
            QVERIFY(d->parent() == nullptr);
            QVERIFY(d->isModal());
            QCOMPARE(in<QLineEdit>(d, "lineIP")->text(), kMain);
            QCOMPARE(in<QLineEdit>(d, "lineHisIP")->text(), kHis);
            QCOMPARE(in<QComboBox>(d, "comboBox_urlIndex")->currentIndex(), -1);
            QCOMPARE(in<QComboBox>(d, "comboBox_urlIndex")->count(), 8);
            // Each address entry has its validator, owned by the dialog.
            for (const char* name : {"lineIP", "lineHisIP", "lineHisSubnet", "lineHisGateway", "lineHisDNS"})
                QVERIFY2(in<QLineEdit>(d, name)->validator() && in<QLineEdit>(d, name)->validator()->parent() == d, name);
            QVERIFY(m_bar->findChildren<QValidator*>().isEmpty());
            QStringList sheets{m_bar->styleSheet(), d->styleSheet()};
            for (const QWidget* w : d->findChildren<QWidget*>())
                sheets << w->styleSheet();
            sheets << set->styleSheet();
            for (const QString& p : picturesIn(sheets.join(QString())))
                QVERIFY2(!QPixmap(p).isNull(), qPrintable(p));
            d->grab().save(QStringLiteral("/tmp/zv_set_dialog.png"));
        });
        QVERIFY(m_boxTexts.isEmpty());
        QVERIFY(m_wire->nothingSent());
    }

    // The dialog opens at its place for the panel's state and is gone when its loop ends.
    void dialogPlaceAndDeletion_data()
    {
        QTest::addColumn<bool>("normal");
        QTest::addRow("normal size") << true;
        QTest::addRow("full screen") << false;
    }
    void dialogPlaceAndDeletion()
    {
        QFETCH(bool, normal);
        m_bar->winNormalFlag = normal;
        const QRect desk = QApplication::desktop()->geometry();
        const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
        QPointer<QDialog> seen;
        for (int round = 0; round < 2; ++round) {
            withDialog([&](QDialog* d) {
                seen = d;
                QCOMPARE(d->pos(), Plane_Botton::setDialogOrigin(desk.size(), normal, area, d->size()));
                controlsInside(d, d->pos(), area);
            });
            QVERIFY(seen.isNull());
            QVERIFY(!runningDialog());
        }
    }

    // Screens the offscreen platform cannot be: the open dialog's controls are
    // measured where the placement would put them. The formula's place stays
    // where the dialog fits; elsewhere it moves only until it touches the edge.
    void dialogOnOtherScreens_data()
    {
        QTest::addColumn<QSize>("desktop");
        QTest::addColumn<QRect>("available");
        QTest::addColumn<bool>("normal");
        QTest::addColumn<bool>("formulaKept");
        const QSize fullHd(1920, 1080), laptop(1366, 768);
        QTest::addRow("1920x1080, normal") << fullHd << QRect({0, 0}, fullHd) << true << false;
        QTest::addRow("1920x1080, maximised") << fullHd << QRect({0, 0}, fullHd) << false << true;
        QTest::addRow("1920x1080 over a task bar, normal") << fullHd << QRect(0, 0, 1920, 1040) << true << false;
        QTest::addRow("1366x768, normal") << laptop << QRect({0, 0}, laptop) << true << false;
        QTest::addRow("1366x768, maximised") << laptop << QRect({0, 0}, laptop) << false << false;
        QTest::addRow("1366x768 under a top bar, maximised") << laptop << QRect(0, 27, 1366, 741) << false << false;
        QTest::addRow("2560x1600, normal") << QSize(2560, 1600) << QRect(0, 0, 2560, 1600) << true << true;
    }
    void dialogOnOtherScreens()
    {
        QFETCH(QSize, desktop);
        QFETCH(QRect, available);
        QFETCH(bool, normal);
        QFETCH(bool, formulaKept);
        const int x = (desktop.width() - 110) / 8;
        const QPoint formula = normal ? QPoint(x - 120, desktop.height() / 2 + 360) : QPoint(x - 160, desktop.height() / 2 - 40);
        withDialog([&](QDialog* d) {
            const QPoint at = Plane_Botton::setDialogOrigin(desktop, normal, available, d->size());
            controlsInside(d, at, available);
            QCOMPARE(at == formula, formulaKept);
            const QRect placed(at, d->size());
            QVERIFY(at.x() == formula.x() || placed.left() == available.left() || placed.right() == available.right());
            QVERIFY(at.y() == formula.y() || placed.top() == available.top() || placed.bottom() == available.bottom());
        });
    }

    // Every address entry shows "255.255.255.255" whole, whatever the font.
    void addressEntriesShowAWholeAddress_data()
    {
        QTest::addColumn<int>("pixelSize");
        for (int px : {11, 16, 24})
            QTest::addRow("%d px", px) << px;
    }
    void addressEntriesShowAWholeAddress()
    {
        QFETCH(int, pixelSize);
        struct FontBack
        {
            QFont font = QApplication::font();
            ~FontBack() { QApplication::setFont(font); }
        } back;
        QFont font = back.font;
        font.setPixelSize(pixelSize);
        QApplication::setFont(font);
        withDialog([&](QDialog* d) {
            for (const char* name : {"lineIP", "lineHisIP", "lineHisSubnet", "lineHisGateway", "lineHisDNS"}) {
                auto* entry = in<QLineEdit>(d, name);
                QCOMPARE(entry->font().pixelSize(), pixelSize);
                QVERIFY2(showsWhole(entry, QStringLiteral("255.255.255.255")), name);
            }
            // The check sees a cut address: the name entry keeps its fixed width.
            if (pixelSize > 11)
                QVERIFY(!showsWhole(in<QLineEdit>(d, "lineUrlName"), QStringLiteral("255.255.255.255")));
        });
    }

    // The bar deleted while its dialog runs: the loop ends, the dialog goes with it.
    void barDeletedWhileDialogRuns()
    {
        QPointer<QDialog> seen;
        withDialog(
            [&](QDialog* d) {
                seen = d;
                delete m_bar.data();
            },
            true);
        QVERIFY(m_bar.isNull());
        QVERIFY(seen.isNull());
        QVERIFY(!runningDialog());
    }

    void setIp_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("warns");
        QTest::addColumn<QByteArray>("frame");
        QTest::addColumn<QString>("target");  // where the panel's next command goes
        QTest::addRow("empty") << "" << true << QByteArray() << kMain;
        QTest::addRow("three parts") << "127.0.0" << false << QByteArray() << kMain;
        QTest::addRow("trailing dot") << "127.0.0." << false << QByteArray() << kMain;
        QTest::addRow("part above 255") << "127.0.0.256" << false << QByteArray() << kMain;
        QTest::addRow("five parts") << "127.0.0.4.1" << false << QByteArray() << kMain;
        QTest::addRow("0.0.0.0") << "0.0.0.0" << true << QByteArray() << kMain;
        QTest::addRow("000.0.0.0") << "000.0.0.0" << true << QByteArray() << kMain;
        QTest::addRow("full address") << kFree << false << setIpFrame({127, 0, 0, 4}) << kFree;
        QTest::addRow("leading zeros") << kTenZeros << false << setIpFrame({127, 0, 0, 10}) << kTen;
    }
    void setIp()
    {
        QFETCH(QString, text);
        QFETCH(bool, warns);
        QFETCH(QByteArray, frame);
        QFETCH(QString, target);
        withDialog([&](QDialog* d) {
            in<QLineEdit>(d, "lineIP")->setText(text);
            in<QPushButton>(d, "btn_setIP")->click();
            QCOMPARE(m_boxTexts, warns ? QStringList{"Text cannot be empty"} : QStringList());
            if (frame.isEmpty())
                QVERIFY(m_wire->nothingSent());
            else
                QCOMPARE(m_wire->nextCommand(), frame);
            // The dialog stays, the entry keeps its text.
            QVERIFY(d->isVisible());
            QCOMPARE(in<QLineEdit>(d, "lineIP")->text(), text);
        });
        // The dialog shows the address again as it was typed.
        const QString shown = frame.isEmpty() ? kMain : text;
        QCOMPARE(m_ws->on_DevIP(), shown);
        QCOMPARE(mainTarget(), target);
        withDialog([&](QDialog* d) { QCOMPARE(in<QLineEdit>(d, "lineIP")->text(), shown); });
        QVERIFY(m_his->count() == 0);
    }

    void readHisStatus()
    {
        withDialog([](QDialog* d) { in<QPushButton>(d, "btn_readHis")->click(); });
        QVERIFY(m_his->waitForDatagram());
        QCOMPARE(m_his->takeAll().first().data, addressFrame(0x24, QByteArray(13, '\0')));
        QVERIFY(m_wire->nothingSent());
    }

    void setHisIp_data()
    {
        QTest::addColumn<QString>("ip");
        QTest::addColumn<QString>("subnet");
        QTest::addColumn<QString>("gateway");
        QTest::addColumn<QByteArray>("record");
        QTest::addColumn<QString>("target");  // where the next His-board command goes, when sent
        const QByteArray none;
        QTest::addRow("full") << kFree << "255.255.255.0" << "127.0.0.1"
                              << bytes({127, 0, 0, 4, 255, 255, 255, 0, 127, 0, 0, 1, 0}) << kFree;
        QTest::addRow("ip with leading zeros") << kTenZeros << "255.255.255.0" << "127.0.0.1"
                                               << bytes({127, 0, 0, 10, 255, 255, 255, 0, 127, 0, 0, 1, 0}) << kTen;
        QTest::addRow("zero gateway") << kFree << "255.0.0.0" << "0.0.0.0"
                                      << bytes({127, 0, 0, 4, 255, 0, 0, 0, 0, 0, 0, 0, 0}) << kFree;
        QTest::addRow("gateway empty") << kFree << "255.255.255.0" << "" << none << kHis;
        QTest::addRow("ip empty") << "" << "255.255.255.0" << "127.0.0.1" << none << kHis;
        QTest::addRow("ip 0.0.0.0") << "0.0.0.0" << "255.255.255.0" << "127.0.0.1" << none << kHis;
        QTest::addRow("ip 000.0.0.0") << "000.0.0.0" << "255.255.255.0" << "127.0.0.1" << none << kHis;
        QTest::addRow("subnet three parts") << kFree << "255.255.255" << "127.0.0.1" << none << kHis;
        QTest::addRow("ip trailing dot") << "127.0.0." << "255.255.255.0" << "127.0.0.1" << none << kHis;
        QTest::addRow("gateway above 255") << kFree << "255.255.255.0" << "127.0.0.300" << none << kHis;
    }
    void setHisIp()
    {
        QFETCH(QString, ip);
        QFETCH(QString, subnet);
        QFETCH(QString, gateway);
        QFETCH(QByteArray, record);
        QFETCH(QString, target);
        withDialog([&](QDialog* d) {
            in<QLineEdit>(d, "lineHisIP")->setText(ip);
            in<QLineEdit>(d, "lineHisSubnet")->setText(subnet);
            in<QLineEdit>(d, "lineHisGateway")->setText(gateway);
            in<QPushButton>(d, "btn_setHisIP")->click();
            if (record.isEmpty()) {
                QVERIFY(hisSilent());
            } else {
                QVERIFY(m_his->waitForDatagram());
                QCOMPARE(m_his->takeAll().first().data, addressFrame(0x05, record));
            }
        });
        QVERIFY(m_boxTexts.isEmpty());
        QVERIFY(m_wire->nothingSent());
        const bool sent = !record.isEmpty();
        // Kept as typed; the board moves to the address bytes the command carried.
        QCOMPARE(m_ws->on_HIS_IP(), sent ? ip : kHis);
        QCOMPARE(hisTarget(), target);
        if (sent) {
            withDialog([&](QDialog* d) {
                QCOMPARE(in<QLineEdit>(d, "lineHisIP")->text(), ip);
                QCOMPARE(in<QLineEdit>(d, "lineHisSubnet")->text(), subnet);
                QCOMPARE(in<QLineEdit>(d, "lineHisGateway")->text(), gateway);
            });
        }
    }

    void setDns_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QByteArray>("frame");
        QTest::addRow("full") << "8.8.4.4" << dnsFrame({8, 8, 4, 4});
        QTest::addRow("zero") << "0.0.0.0" << dnsFrame({0, 0, 0, 0});
        QTest::addRow("three parts") << "8.8.8" << QByteArray();
        QTest::addRow("trailing dot") << "8.8.8." << QByteArray();
        QTest::addRow("empty") << "" << QByteArray();
    }
    void setDns()
    {
        QFETCH(QString, text);
        QFETCH(QByteArray, frame);
        withDialog([&](QDialog* d) {
            in<QLineEdit>(d, "lineHisDNS")->setText(text);
            in<QPushButton>(d, "btn_setDNS")->click();
            if (frame.isEmpty()) {
                QVERIFY(hisSilent());
            } else {
                QVERIFY(m_his->waitForDatagram());
                QCOMPARE(m_his->takeAll().first().data, frame);
            }
        });
        QVERIFY(m_boxTexts.isEmpty());
        QCOMPARE(m_ws->on_HIS_DNS(), frame.isEmpty() ? QString() : text);
    }

    void setUrl_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("url");
        QTest::addColumn<QString>("warning");
        QTest::addColumn<QByteArray>("frame");
        const QString n16(16, 'n'), u768(768, 'u');
        QTest::addRow("plain") << 0 << "cam" << "rtmp://host/live" << QString()
                               << urlFrame(0, "cam", "rtmp://host/live");
        QTest::addRow("empty texts") << 3 << "" << "" << QString() << urlFrame(3, "", "");
        QTest::addRow("16 and 768 bytes") << 7 << n16 << u768 << QString() << urlFrame(7, n16.toLatin1(), u768.toLatin1());
        QTest::addRow("name 17 bytes") << 1 << n16 + "n" << "x" << "OtherName Text Errors" << QByteArray();
        QTest::addRow("url 769 bytes") << 1 << "cam" << u768 + "u" << "Url Text Errors" << QByteArray();
        QTest::addRow("both too long") << 1 << n16 + "n" << u768 + "u" << "OtherName Text Errors" << QByteArray();
        QTest::addRow("outside Latin-1") << 2 << QString::fromUtf8("Caf\u20ac") << QString::fromUtf8("r\u00e9")
                                         << QString() << urlFrame(2, "Caf?", "r\xe9");
        QTest::addRow("17 with a wide character") << 1 << n16 + QString::fromUtf8("\u20ac") << "x"
                                                  << "OtherName Text Errors" << QByteArray();
        QTest::addRow("no index") << -1 << "cam" << "x" << QString() << QByteArray();
    }
    void setUrl()
    {
        QFETCH(int, index);
        QFETCH(QString, name);
        QFETCH(QString, url);
        QFETCH(QString, warning);
        QFETCH(QByteArray, frame);
        withDialog([&](QDialog* d) {
            in<QComboBox>(d, "comboBox_urlIndex")->setCurrentIndex(index);
            in<QLineEdit>(d, "lineUrlName")->setText(name);
            in<QLineEdit>(d, "lineUrl")->setText(url);
            in<QPushButton>(d, "btn_setUrl")->click();
            QCOMPARE(m_boxTexts, warning.isEmpty() ? QStringList() : QStringList{warning});
            if (frame.isEmpty()) {
                QVERIFY(hisSilent());
            } else {
                QVERIFY(m_his->waitForDatagram());
                const QByteArray got = m_his->takeAll().first().data;
                QCOMPARE(got.size(), 809);
                QCOMPARE(got, frame);
            }
            QCOMPARE(in<QLineEdit>(d, "lineUrlName")->text(), name);
        });
        QVERIFY(m_wire->nothingSent());
    }

    void readUrl_data()
    {
        QTest::addColumn<int>("index");
        QTest::addRow("none") << -1;
        QTest::addRow("first") << 0;
        QTest::addRow("last") << 7;
    }
    void readUrl()
    {
        QFETCH(int, index);
        withDialog([&](QDialog* d) {
            in<QComboBox>(d, "comboBox_urlIndex")->setCurrentIndex(index);
            in<QPushButton>(d, "btn_readUrl")->click();
            if (index < 0) {
                QVERIFY(hisSilent());
            } else {
                QVERIFY(m_his->waitForDatagram());
                QCOMPARE(m_his->takeAll().first().data, panelCommand(0x6A, {index}));
            }
        });
    }

    // No reply is read as second-board records: a full-state reply changes no entry.
    void fullStateReplyChangesNothing()
    {
        m_ws->get_HIS_INFO(kHis, "255.255.255.0", "127.0.0.1", "8.8.4.4");
        QSignalSpy state(m_ws, &Druvela_workdata::on_signals_allData);
        withDialog([&](QDialog* d) {
            in<QComboBox>(d, "comboBox_urlIndex")->setCurrentIndex(5);
            in<QLineEdit>(d, "lineUrlName")->setText("cam");
            QByteArray record(60, '\0');
            for (int i = 0; i < record.size(); ++i)
                record[i] = char(i * 7 + 1);
            m_wire->reply(panelCommand(0x0A, record));
            QVERIFY(state.wait(5000));
            QCOMPARE(in<QLineEdit>(d, "lineHisIP")->text(), kHis);
            QCOMPARE(in<QLineEdit>(d, "lineHisSubnet")->text(), QStringLiteral("255.255.255.0"));
            QCOMPARE(in<QLineEdit>(d, "lineHisGateway")->text(), QStringLiteral("127.0.0.1"));
            QCOMPARE(in<QLineEdit>(d, "lineHisDNS")->text(), QStringLiteral("8.8.4.4"));
            QCOMPARE(in<QComboBox>(d, "comboBox_urlIndex")->currentIndex(), 5);
            QCOMPARE(in<QLineEdit>(d, "lineUrlName")->text(), QStringLiteral("cam"));
            QCOMPARE(in<QLineEdit>(d, "lineUrl")->text(), QString());
        });
        QCOMPARE(m_ws->on_HIS_IP(), kHis);
        QCOMPARE(hisTarget(), kHis);
    }

    // The second board's answers to its reads, sent from its address; every
    // other datagram leaves the entries and the target as they were.
    void hisReplies_data()
    {
        QTest::addColumn<QByteArray>("reply");
        QTest::addColumn<QStringList>("his");  // the four entries afterwards, the first also the target
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("url");
        const QStringList before{kHis, "255.255.255.0", "127.0.0.1", "8.8.4.4"};
        const QStringList read{kFree, "255.255.0.0", "10.1.0.1", "1.1.1.1"};
        const QByteArray free = bytes({127, 0, 0, 4});
        const QString keep = QStringLiteral("keep");
        QTest::addRow("settings") << settingsReply(free) << read << 5 << keep << keep;
        QTest::addRow("settings, one byte short") << settingsReply(free).left(33) << before << 5 << keep << keep;
        QTest::addRow("settings, main board's bytes") << settingsReply(free, 0xA5, 0xFF) << before << 5 << keep << keep;
        QTest::addRow("settings layout, type 0x05") << settingsReply(free, kHisA, kHisB, 0x05) << before << 5 << keep << keep;
        QTest::addRow("settings layout, full state type") << settingsReply(free, kHisA, kHisB, 0x0A) << before << 5 << keep << keep;
        QTest::addRow("url entry") << urlFrame(2, "cam", "rtmp://x", 0x6A, kHisA, kHisB) << before << 2 << "cam" << "rtmp://x";
        QTest::addRow("url entry, index 8") << urlFrame(8, QByteArray("c\0am", 4), "\xe9", 0x6A, kHisA, kHisB) << before << -1 << "cam"
                                            << QString::fromUtf8("\u00e9");
        QTest::addRow("url entry, cut inside the URL") << urlFrame(2, "cam", "rtmp://x", 0x6A, kHisA, kHisB).left(17 + 21 + 7)
                                                       << before << 5 << keep << keep;
        QTest::addRow("url entry, Set Url's type") << urlFrame(2, "cam", "rtmp://x", 0x67, kHisA, kHisB) << before << 5 << keep << keep;
        QTest::addRow("stream board's entry") << urlFrame(2, "cam", "rtmp://x", 0x6A, 0xE0, 0xFF) << before << 5 << keep << keep;
    }
    void hisReplies()
    {
        QFETCH(QByteArray, reply);
        QFETCH(QStringList, his);
        QFETCH(int, index);
        QFETCH(QString, name);
        QFETCH(QString, url);
        hisBytes(kHisA, kHisB);
        m_ws->get_HIS_INFO(kHis, "255.255.255.0", "127.0.0.1", "8.8.4.4");
        withDialog([&](QDialog* d) {
            in<QComboBox>(d, "comboBox_urlIndex")->setCurrentIndex(5);
            in<QLineEdit>(d, "lineUrlName")->setText("keep");
            in<QLineEdit>(d, "lineUrl")->setText("keep");
            hisReply(reply);
            afterReplies();
            const QStringList entries{in<QLineEdit>(d, "lineHisIP")->text(), in<QLineEdit>(d, "lineHisSubnet")->text(),
                                      in<QLineEdit>(d, "lineHisGateway")->text(), in<QLineEdit>(d, "lineHisDNS")->text()};
            QCOMPARE(entries, his);
            QCOMPARE(in<QComboBox>(d, "comboBox_urlIndex")->currentIndex(), index);
            QCOMPARE(in<QLineEdit>(d, "lineUrlName")->text(), name);
            QCOMPARE(in<QLineEdit>(d, "lineUrl")->text(), url);
        });
        QCOMPARE((QStringList{m_ws->on_HIS_IP(), m_ws->on_HIS_Subnet(), m_ws->on_HIS_Gateway(), m_ws->on_HIS_DNS()}), his);
        QCOMPARE(hisTarget(), his.first());
        // Showing a reply sends nothing.
        QVERIFY(m_wire->nothingSent());
    }

    // Before the dialog opens and after it closes, the answers change nothing.
    void hisRepliesWithNoDialog()
    {
        hisBytes(kHisA, kHisB);
        m_ws->get_HIS_INFO(kHis, "255.255.255.0", "127.0.0.1", "8.8.4.4");
        withDialog([](QDialog*) {});
        hisReply(settingsReply(bytes({127, 0, 0, 4})));
        hisReply(urlFrame(2, "cam", "rtmp://x", 0x6A, kHisA, kHisB));
        afterReplies();
        QCOMPARE(m_ws->on_HIS_IP(), kHis);
        QCOMPARE(hisTarget(), kHis);
        withDialog([&](QDialog* d) {
            QCOMPARE(in<QLineEdit>(d, "lineHisIP")->text(), kHis);
            QCOMPARE(in<QLineEdit>(d, "lineHisDNS")->text(), QStringLiteral("8.8.4.4"));
            QCOMPARE(in<QComboBox>(d, "comboBox_urlIndex")->currentIndex(), -1);
            QCOMPARE(in<QLineEdit>(d, "lineUrlName")->text(), QString());
        });
    }
};

QTEST_MAIN(TestPlaneBotton)
#include "tst_plane_botton.moc"
