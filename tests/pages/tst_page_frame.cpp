// The frame all settings pages share: a frameless dialog window of its own,
// with its background, a title strip that drags it and closes it, and rows in
// one of two looks. Building a page sends nothing.

#include "audio_page.h"
#include "cam_page.h"
#include "key_page.h"
#include "my_lable.h"
#include "page_rig.h"
#include "pattern_page.h"
#include "pip_page.h"
#include "pop_page.h"
#include "source_page.h"
#include "zv_resources.h"

#include <QApplication>
#include <QGridLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>

#include <functional>

using PageFactory = std::function<QWidget*(QWidget*, onlyFun*)>;
Q_DECLARE_METATYPE(PageFactory)

class tst_page_frame : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { zvInitResources(); }

    void frame_data();
    void frame();
    void gridRows_data();
    void gridRows();
    void dragMovesAndCloseHides();
};

static void addPages()
{
    QTest::addColumn<PageFactory>("make");
    QTest::addColumn<QString>("objectName");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("strip");
    QTest::addColumn<bool>("grid");

    QTest::newRow("key") << PageFactory([](QWidget* p, onlyFun* f) {
        return new KEY_PAGE(p, f, QStringLiteral("Luma Key"));
    }) << "KEY" << "KEY" << "KEY" << true;
    QTest::newRow("audio") << PageFactory([](QWidget* p, onlyFun* f) { return new AUDIO_PAGE(p, f); })
                           << "AUDIO" << "AUDIO SETTINGS" << "AUDIO SETTINGS" << true;
    QTest::newRow("pip") << PageFactory([](QWidget* p, onlyFun* f) { return new PIP_PAGE(p, f); }) << "PIP"
                         << "PIP" << "PIP" << true;
    QTest::newRow("pop") << PageFactory([](QWidget* p, onlyFun* f) { return new POP_PAGE(p, f); }) << "POP"
                         << "POP" << "POP" << true;
    QTest::newRow("cam") << PageFactory([](QWidget* p, onlyFun* f) { return new CAM_PAGE(p, f); }) << "CAM"
                         << "CAM" << "CAM" << false;
    QTest::newRow("pattern") << PageFactory([](QWidget* p, onlyFun* f) { return new PATTERN_PAGE(p, f); })
                             << "PATTERN" << "PATTERN" << "PATTERN" << false;
    QTest::newRow("source") << PageFactory([](QWidget* p, onlyFun* f) { return new SOURCE_PAGE(p, f); })
                            << "SOURCE" << "SRC" << "SOURCE" << false;
}

void tst_page_frame::frame_data()
{
    addPages();
}

void tst_page_frame::frame()
{
    QFETCH(PageFactory, make);
    QFETCH(QString, objectName);
    QFETCH(QString, title);
    QFETCH(QString, strip);
    QFETCH(bool, grid);

    PageRig rig;
    // A parent does not make the page part of the parent's window.
    QWidget panel;
    std::unique_ptr<QWidget> page(make(&panel, rig.fun.get()));
    QVERIFY(page->isWindow());
    QCOMPARE(page->windowType(), Qt::Dialog);
    QVERIFY(page->windowFlags().testFlag(Qt::FramelessWindowHint));
    QCOMPARE(page->minimumSize(), QSize(334, 479));
    QVERIFY(page->testAttribute(Qt::WA_StyledBackground));
    QCOMPARE(page->objectName(), objectName);
    QCOMPARE(page->windowTitle(), title);
    QCOMPARE(page->styleSheet(),
             QStringLiteral("QWidget#%1{background-image:url(:/images/4k/default/childer_bk.png);};").arg(objectName));
    QVERIFY(!page->windowIcon().isNull());

    const QList<myLable*> strips = page->findChildren<myLable*>();
    QCOMPARE(strips.size(), 1);
    myLable* s = strips.first();
    QVERIFY(s->titleLabel());
    QCOMPARE(s->titleLabel()->text(), strip);
    QVERIFY(s->closeButton());
    QCOMPARE(s->alignment(), Qt::AlignCenter);
    QVERIFY(s->styleSheet().startsWith(QLatin1String("QLabel{background-color:#D9D9D9;")));
    if (grid) {
        QCOMPARE(s->minimumSize(), QSize(340, 20));
        QCOMPARE(s->maximumSize(), QSize(340, 20));
        QVERIFY(page->findChild<QGridLayout*>());
    } else {
        QCOMPARE(s->geometry(), QRect(0, 0, 250, 20));
        QVERIFY(!page->layout());
    }

    ZV_EXPECT_NO_FRAME(rig);
}

void tst_page_frame::gridRows_data()
{
    addPages();
}

// Grid pages: labels 100 x 16 in column 0, controls 137 x 40 in column 1, the
// grid inset 25, 0, 25, 9. Fixed pages: rows every 40 pixels from y 55.
void tst_page_frame::gridRows()
{
    QFETCH(PageFactory, make);
    QFETCH(QString, objectName);
    QFETCH(bool, grid);

    PageRig rig;
    std::unique_ptr<QWidget> page(make(nullptr, rig.fun.get()));
    if (grid) {
        auto* g = page->findChild<QGridLayout*>();
        QVERIFY(g);
        QCOMPARE(g->contentsMargins(), QMargins(25, 0, 25, 9));
        QVERIFY(g->rowCount() >= 3);
        for (int r = 0; r < g->rowCount(); ++r) {
            QWidget* label = g->itemAtPosition(r, 0)->widget();
            QWidget* control = g->itemAtPosition(r, 1)->widget();
            QVERIFY(qobject_cast<QLabel*>(label));
            // The POP page's window row takes what the grid gives it.
            if (objectName == QLatin1String("POP") && r == 0)
                continue;
            QCOMPARE(label->maximumSize(), QSize(100, 16));
            QCOMPARE(control->maximumSize(), QSize(137, 40));
        }
    } else {
        int rows = 0;
        for (QLabel* l : page->findChildren<QLabel*>(QString(), Qt::FindDirectChildrenOnly)) {
            if (qobject_cast<myLable*>(l))
                continue;
            QCOMPARE(l->x(), 25);
            QCOMPARE((l->y() - 55) % 40, 0);
            QCOMPARE(l->width(), 120);
            QCOMPARE(l->styleSheet(), QStringLiteral("font-weight:600; color:#ffffff"));
            ++rows;
        }
        QVERIFY(rows >= 4);
    }
}

static void sendMouse(QWidget* w, QEvent::Type type, const QPoint& global, Qt::MouseButtons buttons)
{
    QMouseEvent e(type, w->mapFromGlobal(global), global,
                  type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton, buttons, Qt::NoModifier);
    QApplication::sendEvent(w, &e);
}

void tst_page_frame::dragMovesAndCloseHides()
{
    PageRig rig;
    PIP_PAGE page(nullptr, rig.fun.get());
    page.move(100, 100);
    page.show();
    QVERIFY(QTest::qWaitForWindowExposed(&page));
    myLable* strip = page.findChild<myLable*>();
    const QPoint start = page.pos();
    const QPoint grab = strip->mapToGlobal(QPoint(20, 10));

    sendMouse(strip, QEvent::MouseButtonPress, grab, Qt::LeftButton);
    sendMouse(strip, QEvent::MouseMove, grab + QPoint(30, 0), Qt::LeftButton);
    QTRY_COMPARE(page.pos(), start + QPoint(30, 0));
    sendMouse(strip, QEvent::MouseButtonRelease, grab + QPoint(30, 0), Qt::NoButton);
    sendMouse(strip, QEvent::MouseMove, grab + QPoint(80, 40), Qt::NoButton);
    QCoreApplication::processEvents();
    QCOMPARE(page.pos(), start + QPoint(30, 0));

    strip->closeButton()->click();
    QVERIFY(!page.isVisible());
    page.show();
    QVERIFY(page.isVisible());
    ZV_EXPECT_NO_FRAME(rig);
}

QTEST_MAIN(tst_page_frame)
#include "tst_page_frame.moc"
