// The POP page: the controller's POP rules decide what its controls send and
// when the position fields are usable; the page follows the controller's
// three signals and the device state.

#include "page_rig.h"
#include "pop_page.h"
#include "zv_resources.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>

class tst_pop_page : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { zvInitResources(); }

    void startState();
    void enablingFollowsController_data();
    void enablingFollowsController();
    void windowKeyToggles();
    void positionsFollowWindowMode_data();
    void positionsFollowWindowMode();
    void positionsSilentAfterWindowOne();
    void windowTwoClickKeepsPopCommands();
    void borderKey();
    void borderWidthAndColour_data();
    void borderWidthAndColour();
    void deviceState_data();
    void deviceState();
    void nothingWhileReplyApplied();
};

struct PopControls
{
    explicit PopControls(POP_PAGE& p)
        : window(p.findChild<QPushButton*>(QStringLiteral("btn_window"))),
          h(p.findChild<QSpinBox*>(QStringLiteral("spinBoxHPosition"))),
          v(p.findChild<QSpinBox*>(QStringLiteral("spinBoxVPosition"))),
          size(p.findChild<QPushButton*>(QStringLiteral("btn_size"))),
          border(p.findChild<QPushButton*>(QStringLiteral("btn_borderEnable"))),
          width(p.findChild<QSpinBox*>(QStringLiteral("spinBoxBorderWidth"))),
          colour(p.findChild<QComboBox*>(QStringLiteral("comboBox_borderColor"))),
          hLabel(labelWithText(&p, QStringLiteral("H Position"))),
          vLabel(labelWithText(&p, QStringLiteral("V Position")))
    {
    }
    QPushButton* window;
    QSpinBox* h;
    QSpinBox* v;
    QPushButton* size;
    QPushButton* border;
    QSpinBox* width;
    QComboBox* colour;
    QLabel* hLabel;
    QLabel* vLabel;
};

static bool grey(const QLabel* l)
{
    return l->styleSheet().endsWith(QLatin1String("color:#787878"));
}

static bool white(const QLabel* l)
{
    return l->styleSheet().endsWith(QLatin1String("color:#ffffff;"));
}

void tst_pop_page::startState()
{
    PageRig rig;
    POP_PAGE page(nullptr, rig.fun.get());
    PopControls c(page);
    QVERIFY(c.hLabel && c.vLabel);
    QCOMPARE(c.window->text(), QStringLiteral("1"));
    QVERIFY(c.window->isEnabled());
    QVERIFY(!c.h->isEnabled() && !c.v->isEnabled());
    QVERIFY(white(c.hLabel) && white(c.vLabel));
    QCOMPARE(c.size->text(), QStringLiteral("Large"));
    QVERIFY(!c.size->isEnabled());
    QCOMPARE(c.border->text(), QStringLiteral("ON"));
    QCOMPARE(c.width->value(), 2);
    QCOMPARE(c.width->maximum(), 7);
    QCOMPARE(c.colour->currentIndex(), -1);
    QCOMPARE(c.h->maximum(), 960);
    QCOMPARE(c.v->maximum(), 540);
    ZV_EXPECT_NO_FRAME(rig);
}

void tst_pop_page::enablingFollowsController_data()
{
    QTest::addColumn<int>("deviceWindow");  // 0: no state record
    QTest::addColumn<int>("cutMode");       // -1: no POP window reply
    QTest::addColumn<bool>("enabled");

    QTest::newRow("cut mode 1") << 0 << 1 << true;
    QTest::newRow("cut mode 0, window 1") << 0 << 0 << false;
    QTest::newRow("device window 2") << 2 << -1 << true;
    QTest::newRow("device window 1, no cut") << 1 << -1 << false;
    QTest::newRow("device window 3") << 3 << -1 << true;
    QTest::newRow("device window 2, then cut 0") << 2 << 0 << true;
}

void tst_pop_page::enablingFollowsController()
{
    QFETCH(int, deviceWindow);
    QFETCH(int, cutMode);
    QFETCH(bool, enabled);

    PageRig rig;
    POP_PAGE page(nullptr, rig.fun.get());
    PopControls c(page);
    {
        DevStateGuard applying;
        if (deviceWindow)
            rig.fun->set_POP_WIN_Style(uchar(deviceWindow));
        if (cutMode >= 0)
            rig.fun->POP_CUT_WindowMode(uchar(cutMode));
    }
    QCOMPARE(c.h->isEnabled(), enabled);
    QCOMPARE(c.v->isEnabled(), enabled);
    QCOMPARE(white(c.hLabel), enabled);
    QCOMPARE(grey(c.vLabel), !enabled);
    if (deviceWindow == 1 || deviceWindow == 2)
        QCOMPARE(c.window->text(), QString::number(deviceWindow));
    ZV_EXPECT_NO_FRAME(rig);
}

void tst_pop_page::windowKeyToggles()
{
    PageRig rig;
    POP_PAGE page(nullptr, rig.fun.get());
    PopControls c(page);

    c.window->click();
    QCOMPARE(c.window->text(), QStringLiteral("2"));
    ZV_EXPECT_ONE_FRAME(rig, 0xA8, bytes({2}));
    QVERIFY(!c.h->isEnabled());  // only the device's report enables the fields

    c.window->click();
    QCOMPARE(c.window->text(), QStringLiteral("1"));
    ZV_EXPECT_ONE_FRAME(rig, 0xA8, bytes({1}));
}

void tst_pop_page::positionsFollowWindowMode_data()
{
    QTest::addColumn<int>("deviceWindow");
    QTest::addColumn<int>("hCmd");
    QTest::addColumn<int>("vCmd");

    QTest::newRow("window 1 moves the POP window") << 1 << 0xAC << 0xAD;
    QTest::newRow("window 2 moves the PIP window") << 2 << 0xA0 << 0xA1;
}

void tst_pop_page::positionsFollowWindowMode()
{
    QFETCH(int, deviceWindow);
    QFETCH(int, hCmd);
    QFETCH(int, vCmd);

    PageRig rig;
    POP_PAGE page(nullptr, rig.fun.get());
    PopControls c(page);
    {
        DevStateGuard applying;
        rig.fun->POP_CUT_WindowMode(1);
        rig.fun->set_POP_WIN_Style(uchar(deviceWindow));
    }
    QVERIFY(c.h->isEnabled());
    c.h->setValue(700);
    ZV_EXPECT_ONE_FRAME(rig, hCmd, bytes({0xBC, 0x02}));
    c.v->stepBy(1);
    ZV_EXPECT_ONE_FRAME(rig, vCmd, bytes({10, 0}));
}

// A click to window 1 clears the controller's enabling while the page keeps
// the fields usable: they then send nothing until the device reports again.
void tst_pop_page::positionsSilentAfterWindowOne()
{
    PageRig rig;
    POP_PAGE page(nullptr, rig.fun.get());
    PopControls c(page);
    {
        DevStateGuard applying;
        rig.fun->POP_CUT_WindowMode(1);
    }
    c.window->click();
    c.window->click();
    const QList<SentFrame> sent = rig.frames();
    QCOMPARE(sent.size(), 2);
    QCOMPARE(sent.at(0).data, bytes({2}));
    QCOMPARE(sent.at(1).data, bytes({1}));
    QVERIFY(c.h->isEnabled());
    c.h->setValue(300);
    ZV_EXPECT_NO_FRAME(rig);

    // The next device report restores the rule.
    {
        DevStateGuard applying;
        rig.fun->POP_CUT_WindowMode(1);
    }
    c.h->setValue(310);
    ZV_EXPECT_ONE_FRAME(rig, 0xAC, bytes({0x36, 0x01}));
}

// The Window key does not change the window mode: until the device reports
// window 2, the positions still move the POP window.
void tst_pop_page::windowTwoClickKeepsPopCommands()
{
    PageRig rig;
    POP_PAGE page(nullptr, rig.fun.get());
    PopControls c(page);
    {
        DevStateGuard applying;
        rig.fun->POP_CUT_WindowMode(1);
    }
    c.window->click();
    ZV_EXPECT_ONE_FRAME(rig, 0xA8, bytes({2}));
    c.v->setValue(520);
    ZV_EXPECT_ONE_FRAME(rig, 0xAD, bytes({0x08, 0x02}));
    {
        DevStateGuard applying;
        rig.fun->set_POP_WIN_Style(2);
    }
    c.v->setValue(530);
    ZV_EXPECT_ONE_FRAME(rig, 0xA1, bytes({0x12, 0x02}));
}

void tst_pop_page::borderKey()
{
    PageRig rig;
    POP_PAGE page(nullptr, rig.fun.get());
    PopControls c(page);

    // The button starts on "ON" while the controller's toggle starts off.
    c.border->click();
    QCOMPARE(c.border->text(), QStringLiteral("ON"));
    ZV_EXPECT_ONE_FRAME(rig, 0xA9, bytes({1}));
    c.border->click();
    QCOMPARE(c.border->text(), QStringLiteral("OFF"));
    ZV_EXPECT_ONE_FRAME(rig, 0xA9, bytes({0}));

    // The device state changes the text only.
    {
        DevStateGuard applying;
        page.set_BorderEnable_Style(1);
    }
    QCOMPARE(c.border->text(), QStringLiteral("ON"));
    ZV_EXPECT_NO_FRAME(rig);
    c.border->click();
    ZV_EXPECT_ONE_FRAME(rig, 0xA9, bytes({1}));
}

void tst_pop_page::borderWidthAndColour_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<int>("value");
    QTest::addColumn<int>("cmd");

    QTest::newRow("width 7") << "spinBoxBorderWidth" << 7 << 0xAB;
    QTest::newRow("width 3") << "spinBoxBorderWidth" << 3 << 0xAB;
    QTest::newRow("colour red") << "comboBox_borderColor" << 1 << 0xAA;
    QTest::newRow("colour white") << "comboBox_borderColor" << 0 << 0xAA;
}

void tst_pop_page::borderWidthAndColour()
{
    QFETCH(QString, control);
    QFETCH(int, value);
    QFETCH(int, cmd);

    PageRig rig;
    POP_PAGE page(nullptr, rig.fun.get());
    QVERIFY(setControl(&page, control, value));
    ZV_EXPECT_ONE_FRAME(rig, cmd, bytes({value}));
}

void tst_pop_page::deviceState_data()
{
    // POP fields of the state record: enable, colour, width, size, H (hi, lo), V (hi, lo).
    QTest::addColumn<QByteArray>("record");
    QTest::addColumn<QString>("borderText");
    QTest::addColumn<int>("colourShown");
    QTest::addColumn<int>("widthShown");
    QTest::addColumn<int>("hShown");
    QTest::addColumn<int>("vShown");

    QTest::newRow("in range") << bytes({0, 2, 5, 2, 0x01, 0x2C, 0x00, 0xC8}) << "OFF" << 2 << 5 << 300 << 200;
    QTest::newRow("held to the ranges") << bytes({1, 3, 7, 0, 0x04, 0x00, 0x03, 0x00}) << "ON" << 3 << 7 << 960
                                        << 540;
    QTest::newRow("out of domain ignored") << bytes({2, 4, 8, 9, 0x00, 0x00, 0x00, 0x00}) << "ON" << -1 << 2 << 0
                                           << 0;
    QTest::newRow("width below 2 ignored") << bytes({0, 0, 1, 1, 0x00, 0x0A, 0x00, 0x14}) << "OFF" << 0 << 2 << 10
                                           << 20;
}

void tst_pop_page::deviceState()
{
    QFETCH(QByteArray, record);
    QFETCH(QString, borderText);
    QFETCH(int, colourShown);
    QFETCH(int, widthShown);
    QFETCH(int, hShown);
    QFETCH(int, vShown);

    PageRig rig;
    POP_PAGE page(nullptr, rig.fun.get());
    PopControls c(page);
    applyWindowRecord(page, record);
    QCOMPARE(c.border->text(), borderText);
    QCOMPARE(c.colour->currentIndex(), colourShown);
    QCOMPARE(c.width->value(), widthShown);
    QCOMPARE(c.size->text(), QStringLiteral("Large"));
    QCOMPARE(c.h->value(), hShown);
    QCOMPARE(c.v->value(), vShown);
    ZV_EXPECT_NO_FRAME(rig);
}

void tst_pop_page::nothingWhileReplyApplied()
{
    PageRig rig;
    POP_PAGE page(nullptr, rig.fun.get());
    PopControls c(page);
    {
        DevStateGuard applying;
        rig.fun->POP_CUT_WindowMode(1);
        c.window->click();
        c.border->click();
        c.h->setValue(100);
        c.v->setValue(100);
        c.width->setValue(4);
        c.colour->setCurrentIndex(2);
    }
    QCOMPARE(c.window->text(), QStringLiteral("1"));
    QCOMPARE(c.border->text(), QStringLiteral("ON"));
    ZV_EXPECT_NO_FRAME(rig);
}

QTEST_MAIN(tst_pop_page)
#include "tst_pop_page.moc"
