// The series-8 panels' PIP previews: a drag sends the position in device
// pixels, one H and one V frame per move event, inside the PIP size's area; a
// size change pulls the button back; a reported position moves it. Each row
// names the panel whose preview it drives.

#include "log_capture.h"
#include "panel_rig.h"
#include "widget_events.h"

#include "pipgro.h"
#include "pipgro_venadro.h"

#include <QSignalSpy>

using Steps = QList<QPoint>;
using Positions = QList<QPoint>;  // (H, V) sent per move event

namespace {

enum Panel { Quillet, Venadro };

// The preview in its group at the form's place: Quillet's in its 400 x 224
// program picture, Venadro's (at its large size) in the 617 x 347 upper group.
struct Preview {
    QWidget box;
    PipDragButton* pip;

    explicit Preview(Panel panel)
    {
        if (panel == Quillet) {
            pip = new PIPGro(&box);
            box.resize(400, 224);
            pip->setGeometry(80, 60, 200, 112);
        } else {
            pip = new PIPGroVenadro(&box);
            box.resize(617, 347);
            pip->setGeometry(200, 100, 308, 173);
        }
        pip->DevTypeID(QStringLiteral("127.0.0.2"), 0xA5, 0xFF, QStringLiteral("0.0.0.0"), 0, 0);
        box.show();
    }
};

// The Venadro preview's line for each drag step.
QStringList placesLogged(const QStringList& lines)
{
    return lines.filter(QStringLiteral("移动到的坐标："));
}

QByteArray positionFrame(int cmd, int value)
{
    return panelCommand(cmd, {value & 0xFF, value >> 8});
}

// A mouse event at a global point, whatever the button's place now.
void mouseAt(QWidget* w, QEvent::Type type, QPoint global, Qt::MouseButton button = Qt::LeftButton)
{
    sendMouse(w, type, w->mapFromGlobal(global), button);
}

// Press (or not), one move per step (each step a global displacement), release.
void drag(QWidget* w, const Steps& steps, bool press, Qt::MouseButton button = Qt::LeftButton)
{
    QPoint global = w->mapToGlobal(QPoint(10, 10));
    if (press)
        mouseAt(w, QEvent::MouseButtonPress, global, button);
    for (const QPoint& step : steps)
        mouseAt(w, QEvent::MouseMove, global += step, button);
    if (press)
        mouseAt(w, QEvent::MouseButtonRelease, global, button);
}

// The frames that came in, checked one by one against the expected H, V pairs.
bool sentPositions(SwitcherWire& wire, const Positions& expected)
{
    for (const QPoint& hv : expected) {
        const QByteArray h = wire.nextCommand(), v = wire.nextCommand();
        if (h != positionFrame(0xA0, hv.x()) || v != positionFrame(0xA1, hv.y())) {
            qWarning() << "expected" << hv << "got" << h.toHex(' ') << "/" << v.toHex(' ');
            return false;
        }
    }
    return wire.nothingSent();
}

} // namespace

class tst_pipgro : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { QVERIFY(m_wire.isBound()); }
    void init() { m_wire.commands(); }

    void drag_data();
    void drag();
    void sizeChangePullsBack_data();
    void sizeChangePullsBack();
    void sizeOnlyChangesNextDrag();
    void reportedPosition_data();
    void reportedPosition();

private:
    SwitcherWire m_wire;
};

void tst_pipgro::drag_data()
{
    QTest::addColumn<int>("panel");
    QTest::addColumn<int>("size");
    QTest::addColumn<bool>("press");
    QTest::addColumn<int>("button");
    QTest::addColumn<Steps>("steps");
    QTest::addColumn<QPoint>("end");
    QTest::addColumn<Positions>("sent");

    // Every Quillet row starts at (80, 60).
    QTest::newRow("large: to the corner, then beyond twice")
        << int(Quillet) << 2 << true << int(Qt::LeftButton) << Steps{{120, 52}, {50, 50}, {1, 0}} << QPoint(200, 112)
        << Positions{{960, 540}, {960, 540}, {960, 540}};
    QTest::newRow("large: a step inside, then top-left beyond")
        << int(Quillet) << 2 << true << int(Qt::LeftButton) << Steps{{20, 40}, {-500, -500}} << QPoint(0, 0)
        << Positions{{480, 482}, {0, 0}};
    QTest::newRow("large: the right button drags too")
        << int(Quillet) << 2 << true << int(Qt::RightButton) << Steps{{20, 40}} << QPoint(100, 100)
        << Positions{{480, 482}};
    QTest::newRow("large: a move that goes nowhere still sends")
        << int(Quillet) << 2 << true << int(Qt::LeftButton) << Steps{{0, 0}} << QPoint(80, 60) << Positions{{384, 289}};
    QTest::newRow("medium: to the corner (266, 149) and beyond")
        << int(Quillet) << 1 << true << int(Qt::LeftButton) << Steps{{186, 89}, {400, 400}} << QPoint(266, 149)
        << Positions{{1280, 720}, {1280, 720}};
    QTest::newRow("medium: x 1 is H 4")
        << int(Quillet) << 1 << true << int(Qt::LeftButton) << Steps{{-79, -60}} << QPoint(1, 0) << Positions{{4, 0}};
    QTest::newRow("medium: top-left beyond")
        << int(Quillet) << 1 << true << int(Qt::LeftButton) << Steps{{-81, -61}} << QPoint(0, 0) << Positions{{0, 0}};
    QTest::newRow("small: to the corner (300, 168) and beyond")
        << int(Quillet) << 0 << true << int(Qt::LeftButton) << Steps{{220, 108}, {1, 1}} << QPoint(300, 168)
        << Positions{{1440, 810}, {1440, 810}};
    QTest::newRow("small: top-left beyond")
        << int(Quillet) << 0 << true << int(Qt::LeftButton) << Steps{{-100, -100}} << QPoint(0, 0) << Positions{{0, 0}};
    QTest::newRow("moves without a press")
        << int(Quillet) << 2 << false << int(Qt::LeftButton) << Steps{{20, 20}, {50, 0}} << QPoint(80, 60)
        << Positions{};

    // Every Venadro row starts at (200, 100); the areas are 462 x 260, 410 x 230, 307 x 172.
    QTest::newRow("venadro small: to (462, 260), then beyond")
        << int(Venadro) << 0 << true << int(Qt::LeftButton) << Steps{{262, 160}, {5, 5}} << QPoint(462, 260)
        << Positions{{1440, 810}, {1440, 810}};
    QTest::newRow("venadro medium: to (410, 230), then beyond")
        << int(Venadro) << 1 << true << int(Qt::LeftButton) << Steps{{210, 130}, {1, 1}} << QPoint(410, 230)
        << Positions{{1280, 720}, {1280, 720}};
    QTest::newRow("venadro large: to (307, 172), then beyond")
        << int(Venadro) << 2 << true << int(Qt::LeftButton) << Steps{{107, 72}, {40, 0}} << QPoint(307, 172)
        << Positions{{960, 540}, {960, 540}};
    QTest::newRow("venadro large: (100, 100) is H 312, V 313")
        << int(Venadro) << 2 << true << int(Qt::LeftButton) << Steps{{-100, 0}} << QPoint(100, 100)
        << Positions{{312, 313}};
    QTest::newRow("venadro medium: x 1 is H 3")
        << int(Venadro) << 1 << true << int(Qt::LeftButton) << Steps{{-199, -100}} << QPoint(1, 0)
        << Positions{{3, 0}};
    QTest::newRow("venadro large: negative stops at 0")
        << int(Venadro) << 2 << true << int(Qt::LeftButton) << Steps{{-300, -150}} << QPoint(0, 0)
        << Positions{{0, 0}};
    QTest::newRow("venadro small: negative x only")
        << int(Venadro) << 0 << true << int(Qt::LeftButton) << Steps{{-201, 20}} << QPoint(0, 120)
        << Positions{{0, 373}};
    QTest::newRow("venadro: the middle button drags too")
        << int(Venadro) << 2 << true << int(Qt::MiddleButton) << Steps{{7, 3}} << QPoint(207, 103)
        << Positions{{647, 323}};
    QTest::newRow("venadro: moves without a press")
        << int(Venadro) << 2 << false << int(Qt::LeftButton) << Steps{{20, 20}} << QPoint(200, 100) << Positions{};
}

void tst_pipgro::drag()
{
    QFETCH(int, panel);
    QFETCH(int, size);
    QFETCH(bool, press);
    QFETCH(int, button);
    QFETCH(Steps, steps);
    QFETCH(QPoint, end);
    QFETCH(Positions, sent);

    Preview p{Panel(panel)};
    p.pip->setRARE_V(size);
    LogCapture log;
    QSignalSpy clicked(p.pip, &QToolButton::clicked);
    QSignalSpy pressed(p.pip, &QToolButton::pressed);

    QPoint global = p.pip->mapToGlobal(QPoint(10, 10));
    if (press) {
        mouseAt(p.pip, QEvent::MouseButtonPress, global, Qt::MouseButton(button));
        QCOMPARE(p.pip->styleSheet(), QStringLiteral("QToolButton{border:2px solid red;}"));
    }
    for (const QPoint& step : steps)
        mouseAt(p.pip, QEvent::MouseMove, global += step, Qt::MouseButton(button));
    if (press) {
        mouseAt(p.pip, QEvent::MouseButtonRelease, global, Qt::MouseButton(button));
        QCOMPARE(p.pip->styleSheet(), QStringLiteral("QToolButton{border:1px solid white;}"));
    }

    QCOMPARE(p.pip->pos(), end);
    QVERIFY(sentPositions(m_wire, sent));
    // Venadro's preview names where each step landed; Quillet's does not.
    const QStringList places = placesLogged(log.messages());
    QCOMPARE(places.size(), panel == Venadro ? sent.size() : 0);
    if (!places.isEmpty())
        QCOMPARE(places.last(), QStringLiteral("移动到的坐标： %1 , %2").arg(end.x()).arg(end.y()));
    QCOMPARE(clicked.count(), 0);
    QCOMPARE(pressed.count(), 0);
    QVERIFY(!p.pip->isDown());

    // After the release the button no longer drags.
    ::drag(p.pip, {{5, 5}}, false);
    QCOMPARE(p.pip->pos(), end);
    QVERIFY(m_wire.nothingSent());
}

void tst_pipgro::sizeChangePullsBack_data()
{
    QTest::addColumn<int>("panel");
    QTest::addColumn<QPoint>("from");
    QTest::addColumn<QList<int>>("sizes");
    QTest::addColumn<Positions>("places");
    QTest::addColumn<int>("finalSize");

    QTest::newRow("small corner: medium, large, small")
        << int(Quillet) << QPoint(300, 168) << QList<int>{1, 2, 0}
        << Positions{{266, 149}, {200, 112}, {200, 112}} << 0;
    QTest::newRow("only x outside") << int(Quillet) << QPoint(250, 20) << QList<int>{2} << Positions{{200, 20}} << 2;
    QTest::newRow("only y outside") << int(Quillet) << QPoint(20, 150) << QList<int>{1} << Positions{{20, 149}} << 1;
    QTest::newRow("inside stays")
        << int(Quillet) << QPoint(30, 40) << QList<int>{1, 2, 0} << Positions{{30, 40}, {30, 40}, {30, 40}} << 0;
    QTest::newRow("small never moves, even outside its area")
        << int(Quillet) << QPoint(390, 220) << QList<int>{0} << Positions{{390, 220}} << 0;
    QTest::newRow("a size outside the three is not taken")
        << int(Quillet) << QPoint(390, 220) << QList<int>{3, -1} << Positions{{390, 220}, {390, 220}} << 0;

    QTest::newRow("venadro: small to large pulls back, large to small stays")
        << int(Venadro) << QPoint(400, 200) << QList<int>{2, 0} << Positions{{307, 172}, {307, 172}} << 0;
    QTest::newRow("venadro: medium pulls x only") << int(Venadro) << QPoint(420, 100) << QList<int>{1}
                                                  << Positions{{410, 100}} << 1;
    QTest::newRow("venadro: small never moves") << int(Venadro) << QPoint(600, 300) << QList<int>{0}
                                                << Positions{{600, 300}} << 0;
}

void tst_pipgro::sizeChangePullsBack()
{
    QFETCH(int, panel);
    QFETCH(QPoint, from);
    QFETCH(QList<int>, sizes);
    QFETCH(Positions, places);

    Preview p{Panel(panel)};
    p.pip->setRARE_V(0);
    p.pip->move(from);
    for (int i = 0; i < sizes.size(); ++i) {
        p.pip->getPIP_SIZ(sizes[i]);
        QCOMPARE(p.pip->pos(), places[i]);
    }
    QTEST(p.pip->pipSize(), "finalSize");
    QVERIFY(m_wire.nothingSent());
}

void tst_pipgro::sizeOnlyChangesNextDrag()
{
    Preview p(Quillet);
    p.pip->move(200, 112);
    p.pip->setRARE_V(1);
    QCOMPARE(p.pip->pos(), QPoint(200, 112));
    QVERIFY(m_wire.nothingSent());

    // The Medium factors and area now: (201, 113) is inside 266 x 149.
    ::drag(p.pip, {{1, 1}}, true);
    QCOMPARE(p.pip->pos(), QPoint(201, 113));
    QVERIFY(sentPositions(m_wire, {{967, 546}}));

    // A report uses them too.
    p.pip->set_H_Vposition_Style(1280, 720);
    QCOMPARE(p.pip->pos(), QPoint(266, 149));
}

void tst_pipgro::reportedPosition_data()
{
    QTest::addColumn<int>("panel");
    QTest::addColumn<int>("size");
    QTest::addColumn<int>("h");
    QTest::addColumn<int>("v");
    QTest::addColumn<QPoint>("place");

    QTest::newRow("large corner") << int(Quillet) << 2 << 960 << 540 << QPoint(200, 112);
    QTest::newRow("large 539 truncates to 111") << int(Quillet) << 2 << 539 << 539 << QPoint(112, 111);
    QTest::newRow("medium corner") << int(Quillet) << 1 << 1280 << 720 << QPoint(266, 149);
    QTest::newRow("small corner") << int(Quillet) << 0 << 1440 << 810 << QPoint(300, 168);
    QTest::newRow("origin") << int(Quillet) << 1 << 0 << 0 << QPoint(0, 0);
    QTest::newRow("beyond the area is not clamped") << int(Quillet) << 2 << 1920 << 1080 << QPoint(400, 224);
    QTest::newRow("largest value") << int(Quillet) << 2 << 65535 << 65535 << QPoint(13653, 13592);
    QTest::newRow("venadro medium corner: 720 truncates to 229")
        << int(Venadro) << 1 << 1280 << 720 << QPoint(410, 229);
    QTest::newRow("venadro large corner") << int(Venadro) << 2 << 960 << 540 << QPoint(307, 172);
    QTest::newRow("venadro small corner") << int(Venadro) << 0 << 1440 << 810 << QPoint(462, 260);
    QTest::newRow("venadro large 100, 100") << int(Venadro) << 2 << 100 << 100 << QPoint(31, 31);
    QTest::newRow("venadro: beyond the area is not clamped") << int(Venadro) << 2 << 1920 << 1080 << QPoint(614, 344);
}

void tst_pipgro::reportedPosition()
{
    QFETCH(int, panel);
    QFETCH(int, size);
    QFETCH(int, h);
    QFETCH(int, v);
    QFETCH(QPoint, place);

    Preview p{Panel(panel)};
    p.pip->setRARE_V(size);
    p.pip->set_H_Vposition_Style(uint16_t(h), uint16_t(v));
    QCOMPARE(p.pip->pos(), place);
    QVERIFY(m_wire.nothingSent());
}

QTEST_MAIN(tst_pipgro)
#include "tst_pipgro.moc"
