// The Halvani panel's PIP and POP settings boxes and its set-IP dialog against
// a loopback switcher at 127.0.0.2 (free addresses at 127.0.0.4 and 127.0.0.10
// to move it to): the frames each change sends, in order, and the warnings,
// answered from a timer by the box watcher.

#include "druvela_workdata.h"
#include "face_pictures.h"
#include "halvani_pip.h"
#include "halvani_pop.h"
#include "ip_dialog.h"
#include "panel_rig.h"
#include "widget_events.h"
#include "zv_resources.h"

#include <QApplication>
#include <QComboBox>
#include <QDesktopWidget>
#include <QLineEdit>
#include <QMessageBox>
#include <QPixmap>
#include <QSpinBox>

#include <memory>
#include <utility>

Q_DECLARE_METATYPE(QList<QByteArray>)

namespace {

const QString kMain = QStringLiteral("127.0.0.2");
const QString kFree = QStringLiteral("127.0.0.4");
const QString kTen = QStringLiteral("127.0.0.10");

QByteArray word(unsigned char cmd, int v)
{
    return panelCommand(cmd, {v & 0xFF, v >> 8});
}
QByteArray pipH(int v) { return word(0xA0, v); }
QByteArray pipV(int v) { return word(0xA1, v); }
QByteArray pipSize(int s) { return panelCommand(0xA2, {s}); }

QByteArray setIpFrame(std::initializer_list<int> ip)
{
    QByteArray f = testFrameHead(0x05, 0xA5, 0xFF, 0x00);
    for (int b : ip)
        f.append(char(b));
    f += QByteArray(9, '\0');
    sealTestFrame(f);
    return f;
}

// Sets a spin box's value or a combo box's index as the operator would.
void operate(QWidget* w, int value)
{
    if (auto* spin = qobject_cast<QSpinBox*>(w))
        spin->setValue(value);
    else if (auto* combo = qobject_cast<QComboBox*>(w))
        combo->setCurrentIndex(value);
}

} // namespace

class TestHalvaniPipPop : public QObject
{
    Q_OBJECT

private:
    SwitcherWire* m_wire = nullptr;
    UdpCapture* m_free = nullptr;
    UdpCapture* m_ten = nullptr;
    Druvela_workdata* m_ws = nullptr;
    std::unique_ptr<PIP> m_pip;
    std::unique_ptr<POP> m_pop;
    QStringList m_boxes;
    QMessageBox::StandardButton m_answer = QMessageBox::Yes;

    template <class T = QWidget>
    static T* w(QWidget* box, const char* name)
    {
        return namedChild<T>(box, QLatin1String(name));
    }
    // Everything sent so far is taken; the marker of nothingSent() ends it.
    void drain() { m_wire->nothingSent(); }
    // Answers every box with m_answer and keeps its text, with a note when its
    // buttons, default or parent are not Yes (or Yes and No, default Yes) over parent.
    void watch(QTimer& boxes, QWidget* parent, bool yesNo)
    {
        watchBoxes(boxes, [this, parent, yesNo](QMessageBox* box) {
            const QMessageBox::StandardButtons want = yesNo ? QMessageBox::Yes | QMessageBox::No : QMessageBox::Yes;
            QString text = box->text();
            if (box->standardButtons() != want)
                text += " (buttons)";
            if (yesNo && box->defaultButton() != box->button(QMessageBox::Yes))
                text += " (default)";
            if (box->parentWidget() != parent)
                text += " (parent)";
            m_boxes << text;
            box->button(m_answer)->click();
        });
    }
    // Where a main-board command goes now.
    QString mainTarget()
    {
        m_ws->SendCMDCUT();
        QElapsedTimer t;
        t.start();
        while (t.elapsed() < 5000) {
            if (!m_wire->commands().isEmpty())
                return kMain;
            for (const auto& [capture, address] : {std::make_pair(m_free, kFree), std::make_pair(m_ten, kTen)}) {
                if (capture->count() > 0)
                    return capture->takeAll().first().data == panelCommand(0x83) ? address : QString();
            }
            QTest::qWait(20);
        }
        return QString();
    }

private slots:
    void initTestCase()
    {
        zvInitResources();
        m_wire = new SwitcherWire;
        m_free = new UdpCapture(QHostAddress(kFree), 7000);
        m_ten = new UdpCapture(QHostAddress(kTen), 7000);
        QVERIFY(m_wire->isBound() && m_free->isBound() && m_ten->isBound());
    }
    void init()
    {
        m_ws = new Druvela_workdata;
        m_ws->get_DevTypeID(kMain, 0xA5, 0xFF);
        m_pip.reset(new PIP(nullptr, m_ws));
        m_pop.reset(new POP(nullptr, m_ws));
        m_boxes.clear();
        m_answer = QMessageBox::Yes;
        m_wire->commands();
        m_free->takeAll();
        m_ten->takeAll();
    }
    void cleanup()
    {
        m_pip.reset();
        m_pop.reset();
        delete m_ws;
        m_ws = nullptr;
    }
    void cleanupTestCase()
    {
        delete m_ten;
        delete m_free;
        delete m_wire;
    }

    void boxesStartQuietAndLoadTheirPictures()
    {
        QVERIFY(m_wire->nothingSent());
        auto* pipWindow = w<QPushButton>(m_pip.get(), "btn_window");
        QCOMPARE(pipWindow->text(), QStringLiteral("---"));
        QVERIFY(!pipWindow->isEnabled());
        for (const char* name : {"comboBox_size", "comboBox_borderEnable", "comboBox_borderColor"})
            QCOMPARE(w<QComboBox>(m_pip.get(), name)->currentIndex(), -1);
        QCOMPARE(w<QSpinBox>(m_pip.get(), "spinBoxHPosition")->maximum(), 960);
        QCOMPARE(w<QSpinBox>(m_pip.get(), "spinBoxVPosition")->maximum(), 540);
        QCOMPARE(w<QPushButton>(m_pop.get(), "btn_window")->text(), QStringLiteral("---"));
        QCOMPARE(w<QPushButton>(m_pop.get(), "btn_borderEnable")->text(), QStringLiteral("On"));
        QCOMPARE(w<QPushButton>(m_pop.get(), "btn_size")->text(), QStringLiteral("Large"));
        QVERIFY(!w<QPushButton>(m_pop.get(), "btn_size")->isEnabled());
        QCOMPARE(int(m_pop->POP_WindowMode()), 0);
        for (QWidget* box : {static_cast<QWidget*>(m_pip.get()), static_cast<QWidget*>(m_pop.get())}) {
            box->resize(250, 350);
            QStringList sheets{box->styleSheet()};
            for (const QWidget* c : box->findChildren<QWidget*>())
                sheets << c->styleSheet();
            const QStringList pictures = picturesIn(sheets.join(QString()));
            QVERIFY(pictures.contains(QStringLiteral(":/images/StyleSheet/toright.png")));
            for (const QString& p : pictures)
                QVERIFY2(!QPixmap(p).isNull(), qPrintable(p));
            box->grab().save(QStringLiteral("/tmp/zv_halvani_%1.png").arg(box->metaObject()->className()));
        }
    }

    // A size from each state, with positions above and inside the new range:
    // clamped positions leave first (H, then V), then the size.
    void pipSizeChange_data()
    {
        QTest::addColumn<int>("from");
        QTest::addColumn<int>("h");
        QTest::addColumn<int>("v");
        QTest::addColumn<int>("to");
        QTest::addColumn<QList<QByteArray>>("frames");
        using L = QList<QByteArray>;
        QTest::addRow("none to Small") << -1 << 900 << 500 << 0 << L{pipSize(0)};
        QTest::addRow("none to Large") << -1 << 960 << 540 << 2 << L{pipSize(2)};
        QTest::addRow("Small to Large, both above") << 0 << 1200 << 700 << 2 << L{pipH(960), pipV(540), pipSize(2)};
        QTest::addRow("Small to Large, H above") << 0 << 1200 << 500 << 2 << L{pipH(960), pipSize(2)};
        QTest::addRow("Small to Large, V above") << 0 << 900 << 800 << 2 << L{pipV(540), pipSize(2)};
        QTest::addRow("Small to Medium, both above") << 0 << 1440 << 810 << 1 << L{pipH(1280), pipV(720), pipSize(1)};
        QTest::addRow("Small to Medium, inside") << 0 << 1280 << 720 << 1 << L{pipSize(1)};
        QTest::addRow("Medium to Large, both above") << 1 << 1000 << 600 << 2 << L{pipH(960), pipV(540), pipSize(2)};
        QTest::addRow("Medium to Small") << 1 << 1280 << 720 << 0 << L{pipSize(0)};
        QTest::addRow("Large to Medium") << 2 << 960 << 540 << 1 << L{pipSize(1)};
        QTest::addRow("Large to Small") << 2 << 0 << 0 << 0 << L{pipSize(0)};
    }
    void pipSizeChange()
    {
        QFETCH(int, from);
        QFETCH(int, h);
        QFETCH(int, v);
        QFETCH(int, to);
        QFETCH(QList<QByteArray>, frames);
        auto* size = w<QComboBox>(m_pip.get(), "comboBox_size");
        auto* hBox = w<QSpinBox>(m_pip.get(), "spinBoxHPosition");
        auto* vBox = w<QSpinBox>(m_pip.get(), "spinBoxVPosition");
        size->setCurrentIndex(from);
        hBox->setValue(h);
        vBox->setValue(v);
        QCOMPARE(hBox->value(), h);
        QCOMPARE(vBox->value(), v);
        drain();
        size->setCurrentIndex(to);
        for (const QByteArray& f : frames)
            QCOMPARE(m_wire->nextCommand(), f);
        QVERIFY(m_wire->nothingSent());
        const int hMax[] = {1440, 1280, 960}, vMax[] = {810, 720, 540};
        QCOMPARE(hBox->maximum(), hMax[to]);
        QCOMPARE(vBox->maximum(), vMax[to]);
    }

    // Changes sent as they are, with no condition (POP positions aside).
    void changeSends_data()
    {
        QTest::addColumn<bool>("pop");
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("value");
        QTest::addColumn<QByteArray>("frame");
        QTest::addRow("PIP H before any size") << false << "spinBoxHPosition" << 500 << pipH(500);
        QTest::addRow("PIP V before any size") << false << "spinBoxVPosition" << 300 << pipV(300);
        QTest::addRow("PIP border on") << false << "comboBox_borderEnable" << 1 << panelCommand(0x9D, {1});
        QTest::addRow("PIP border off") << false << "comboBox_borderEnable" << 0 << panelCommand(0x9D, {0});
        QTest::addRow("PIP width") << false << "spinBoxBorderWidth" << 6 << panelCommand(0x9F, {6});
        QTest::addRow("PIP width clamped") << false << "spinBoxBorderWidth" << 9 << panelCommand(0x9F, {7});
        QTest::addRow("PIP colour") << false << "comboBox_borderColor" << 3 << panelCommand(0x9E, {3});
        QTest::addRow("POP width, no window") << true << "spinBoxBorderWidth" << 4 << panelCommand(0xAB, {4});
        QTest::addRow("POP colour, no window") << true << "comboBox_borderColor" << 2 << panelCommand(0xAA, {2});
    }
    void changeSends()
    {
        QFETCH(bool, pop);
        QFETCH(QString, name);
        QFETCH(int, value);
        QFETCH(QByteArray, frame);
        QWidget* box = pop ? static_cast<QWidget*>(m_pop.get()) : m_pip.get();
        operate(namedChild(box, name), value);
        QCOMPARE(m_wire->nextCommand(), frame);
        QVERIFY(m_wire->nothingSent());
    }

    // The arrows keep the width within 2..7.
    void borderWidthArrows_data()
    {
        QTest::addColumn<bool>("pop");
        QTest::addRow("PIP") << false;
        QTest::addRow("POP") << true;
    }
    void borderWidthArrows()
    {
        QFETCH(bool, pop);
        auto* width = w<QSpinBox>(pop ? static_cast<QWidget*>(m_pop.get()) : m_pip.get(), "spinBoxBorderWidth");
        const unsigned char cmd = pop ? 0xAB : 0x9F;
        width->stepDown();
        QVERIFY(m_wire->nothingSent());
        width->stepUp();
        QCOMPARE(m_wire->nextCommand(), panelCommand(cmd, {3}));
        width->setValue(7);
        drain();
        width->stepUp();
        QVERIFY(m_wire->nothingSent());
        QCOMPARE(width->value(), 7);
    }

    // Before a window is chosen a position warns, whatever the answer, and keeps its value.
    void popPositionBeforeWindow_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("yes");
        QTest::addRow("H, Yes") << "spinBoxHPosition" << true;
        QTest::addRow("H, No") << "spinBoxHPosition" << false;
        QTest::addRow("V, Yes") << "spinBoxVPosition" << true;
        QTest::addRow("V, No") << "spinBoxVPosition" << false;
    }
    void popPositionBeforeWindow()
    {
        QFETCH(QString, name);
        QFETCH(bool, yes);
        m_answer = yes ? QMessageBox::Yes : QMessageBox::No;
        QTimer boxes;
        watch(boxes, m_pop.get(), true);
        auto* spin = namedChild<QSpinBox>(m_pop.get(), name);
        spin->setValue(120);
        QCOMPARE(m_boxes, QStringList{"please choose Window source"});
        QCOMPARE(spin->value(), 120);
        QVERIFY(m_wire->nothingSent());
        QCOMPARE(int(m_pop->POP_WindowMode()), 0);
        // The next change warns again, from the kept value.
        spin->stepUp();
        QCOMPARE(m_boxes.size(), 2);
        QCOMPARE(spin->value(), 130);
        QVERIFY(m_wire->nothingSent());
    }

    void popWindowAlternates()
    {
        auto* window = w<QPushButton>(m_pop.get(), "btn_window");
        const int expected[] = {1, 2, 1, 2};
        for (int i = 0; i < 4; ++i) {
            window->click();
            QCOMPARE(m_wire->nextCommand(), panelCommand(0xA8, {expected[i]}));
            QCOMPARE(window->text(), QString::number(expected[i]));
            QCOMPARE(int(m_pop->POP_WindowMode()), expected[i] == 1 ? 1 : 0);
        }
        // Chosen for good: positions go out at once, after window 2 too.
        w<QSpinBox>(m_pop.get(), "spinBoxHPosition")->setValue(950);
        QCOMPARE(m_wire->nextCommand(), word(0xAC, 950));
        w<QSpinBox>(m_pop.get(), "spinBoxVPosition")->setValue(540);
        QCOMPARE(m_wire->nextCommand(), word(0xAD, 540));
        QVERIFY(m_wire->nothingSent());
    }

    // The button first reads "On" with the border off: its first click sends 1 and still reads "On".
    void popBorderButton()
    {
        auto* border = w<QPushButton>(m_pop.get(), "btn_borderEnable");
        const int sent[] = {1, 0, 1};
        const char* shown[] = {"On", "Off", "On"};
        for (int i = 0; i < 3; ++i) {
            border->click();
            QCOMPARE(m_wire->nextCommand(), panelCommand(0xA9, {sent[i]}));
            QCOMPARE(border->text(), QString::fromLatin1(shown[i]));
        }
        QVERIFY(m_wire->nothingSent());
    }

    void ipDialogOk_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("warns");
        QTest::addColumn<QByteArray>("frame");
        QTest::addColumn<QString>("target");  // where the panel's next command goes
        QTest::addRow("empty") << "" << true << QByteArray() << kMain;
        QTest::addRow("0.0.0.0") << "0.0.0.0" << true << QByteArray() << kMain;
        QTest::addRow("000.0.0.0") << "000.0.0.0" << true << QByteArray() << kMain;
        QTest::addRow("0.00.000.0") << "0.00.000.0" << true << QByteArray() << kMain;
        QTest::addRow("three parts") << "10.0.0" << false << QByteArray() << kMain;
        QTest::addRow("trailing dot") << "10.0.0." << false << QByteArray() << kMain;
        QTest::addRow("part above 255") << "10.0.0.256" << false << QByteArray() << kMain;
        QTest::addRow("full address") << kFree << false << setIpFrame({127, 0, 0, 4}) << kFree;
        // Read as octal the text would be 127.0.0.8.
        QTest::addRow("leading zeros") << "127.000.000.010" << false << setIpFrame({127, 0, 0, 10}) << kTen;
    }
    void ipDialogOk()
    {
        QFETCH(QString, text);
        QFETCH(bool, warns);
        QFETCH(QByteArray, frame);
        QFETCH(QString, target);
        QWidget panel;
        auto* dialog = new IPDialog(&panel, m_ws);
        QTimer boxes;
        watch(boxes, dialog, false);
        dialog->show();
        auto* entry = w<QLineEdit>(dialog, "lineIP");
        QCOMPARE(entry->text(), kMain);
        QVERIFY(entry->validator() && entry->validator()->parent() == dialog);
        entry->setText(text);
        w<QPushButton>(dialog, "btn_ok")->click();
        QCOMPARE(m_boxes, warns ? QStringList{"Text cannot be empty"} : QStringList());
        if (frame.isEmpty())
            QVERIFY(m_wire->nothingSent());
        else
            QCOMPARE(m_wire->nextCommand(), frame);
        QVERIFY(dialog->isVisible());
        QCOMPARE(mainTarget(), target);
        w<QPushButton>(dialog, "btn_close")->click();
        QVERIFY(!dialog->isVisible());
        QCOMPARE(dialog->result(), int(QDialog::Rejected));
        // The next dialog shows the address as it was typed.
        IPDialog next(&panel, m_ws);
        QCOMPARE(w<QLineEdit>(&next, "lineIP")->text(), frame.isEmpty() ? kMain : text);
    }

    // Centred on the desktop, 270 x 90, wherever the panel stands.
    void ipDialogPlace_data()
    {
        QTest::addColumn<QPoint>("panelAt");
        QTest::addRow("panel at the origin") << QPoint(0, 0);
        QTest::addRow("panel moved") << QPoint(300, 200);
    }
    void ipDialogPlace()
    {
        QFETCH(QPoint, panelAt);
        QWidget panel;
        panel.move(panelAt);
        panel.show();
        IPDialog dialog(&panel, m_ws);
        dialog.show();
        const QRect desk = QApplication::desktop()->geometry();
        QCOMPARE(dialog.geometry(), QRect((desk.width() - 270) / 2, (desk.height() - 90) / 2, 270, 90));
        QCOMPARE(dialog.minimumSize(), QSize(270, 90));
        QCOMPARE(dialog.maximumSize(), QSize(270, 90));
        QVERIFY(!(dialog.windowFlags() & Qt::FramelessWindowHint));
        dialog.grab().save(QStringLiteral("/tmp/zv_ip_dialog.png"));
    }

    void ipDialogPrefillShownUnchanged_data()
    {
        QTest::addColumn<QString>("address");
        QTest::addRow("empty") << "";
        QTest::addRow("no address") << "switcher.local";
        QTest::addRow("five parts") << "1.2.3.4.5";
    }
    void ipDialogPrefillShownUnchanged()
    {
        QFETCH(QString, address);
        m_ws->get_DevTypeID(address, 0xA5, 0xFF);
        IPDialog dialog(nullptr, m_ws);
        QCOMPARE(w<QLineEdit>(&dialog, "lineIP")->text(), address);
        QVERIFY(m_boxes.isEmpty());
    }
};

QTEST_MAIN(TestHalvaniPipPop)
#include "tst_halvani_pip_pop.moc"
