// The Tesmond and Oriskan windows: what opening asks, the window's sizes and
// moves with PIP and maximise, the T-bar's frames and lamp swaps, and the
// state decoder reaching each part without sending anything back.

#include "below_widget.h"
#include "druvela_workdata.h"
#include "edition_frames.h"
#include "firstgen_style.h"
#include "log_capture.h"
#include "middle_strip.h"
#include "plane_right.h"
#include "slider_columns.h"
#include "strip_rig.h"
#include "tesmondui.h"
#include "upper_strip.h"

#include <QComboBox>
#include <QPointer>
#include <QScreen>
#include <QSlider>
#include <QSpinBox>
#include <QSplitter>

namespace {

using Record = QMap<int, quint8>;

QStringList snapshot(const QWidget* part)
{
    QStringList s;
    for (const QPushButton* b : part->findChildren<QPushButton*>())
        s << b->objectName() + b->styleSheet();
    for (const QComboBox* c : part->findChildren<QComboBox*>())
        s << c->objectName() + QString::number(c->currentIndex());
    for (const QSpinBox* b : part->findChildren<QSpinBox*>())
        s << b->objectName() + QString::number(b->value());
    return s;
}

QPoint centred(int width)
{
    const QSize desk = FirstGenStyle::desktopSize();
    return QPoint((desk.width() - width) / 2, (desk.height() - 800) / 2);
}

} // namespace

class tst_firstgen_panels : public QObject
{
    Q_OBJECT
    StripRig rig;
    bool asked = false;  // the last panel opened asked for the state first

    template <class Panel>
    Panel* open()
    {
        auto* p = new Panel(nullptr);
        rig.wire->commands();
        p->DevTypeID(QStringLiteral("127.0.0.2"), 0xA5, 0xFF, QStringLiteral("0.0.0.0"), 0, 0);
        asked = rig.wire->nextCommand() == panelCommand(0x0A);
        return p;
    }
    static void feed(QWidget* panel, const QByteArray& reply)
    {
        emit panel->findChild<Druvela_workdata*>()->on_signals_allData(reply);
    }
    template <class T>
    static T* part(QWidget* panel)
    {
        return panel->findChild<T*>();
    }
    // Oriskan's 3 s poll would count as sent.
    static void quiet(QWidget* panel)
    {
        for (QTimer* t : part<FirstGenUpperStrip>(panel)->findChildren<QTimer*>())
            t->stop();
    }
    QWidget* make(bool oriskan) { return oriskan ? static_cast<QWidget*>(open<OriskanUI>()) : open<TesmondUI>(); }

private slots:
    void initTestCase() { QVERIFY(rig.start()); }
    void cleanup() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

    void opening_data()
    {
        QTest::addColumn<bool>("oriskan");
        QTest::newRow("Tesmond") << false;
        QTest::newRow("Oriskan") << true;
    }
    void opening()
    {
        QFETCH(bool, oriskan);
        QScopedPointer<QWidget> p(make(oriskan));
        QVERIFY(asked);
        QVERIFY(rig.wire->nothingSent());
        QCOMPARE(p->windowTitle(), QStringLiteral("Qavo"));
        QCOMPARE(p->windowFlags() & (Qt::Dialog | Qt::FramelessWindowHint), Qt::Dialog | Qt::FramelessWindowHint);
        QCOMPARE(p->objectName(), QStringLiteral("dialog"));
        QCOMPARE(p->minimumSize(), QSize(1400, 800));
        QCOMPARE(p->geometry(), QRect(centred(1400), QSize(1400, 800)));
        QVERIFY(part<Plane_Right>(p.data())->isHidden());
        QCOMPARE(p->findChild<QSplitter*>()->count(), 4);
        if (oriskan)  // its upper part polls every 3 s
            QCOMPARE(rig.wire->nextCommand(4500), panelCommand(0x0A));
    }

    void window()
    {
        QScopedPointer<TesmondUI> p(open<TesmondUI>());
        rig.wire->commands();
        auto* middle = part<FirstGenMiddleStrip>(p.data());
        auto* right = part<Plane_Right>(p.data());
        const QPoint start = p->pos();
        // PIP twice: wider once, moved once.
        middle->set_PIP_Style(1);
        middle->set_PIP_Style(1);
        QCOMPARE(p->geometry(), QRect(start - QPoint(230, 0), QSize(1800, 800)));
        QVERIFY(!right->isHidden());
        QVERIFY(part<Below_Widget>(p.data())->pipOnFlag);
        // Maximise with PIP on, then back: centred wide, side panel shown.
        p->on_Topwidge_Singnale_btnwinmax(false);
        const QSize area = QGuiApplication::screens().first()->availableGeometry().size();
        QCOMPARE(p->pos(), QPoint(0, 0));
        QCOMPARE(p->size(), area.expandedTo(QSize(1400, 800)));
        QVERIFY(p->isWinMax);
        QVERIFY(!part<FirstGenUpperStrip>(p.data())->winNormalFlag);
        // PIP while maximised: the side panel alone.
        const QRect maxed = p->geometry();
        middle->set_PIP_Style(0);
        QVERIFY(right->isHidden());
        middle->set_PIP_Style(1);
        QCOMPARE(p->geometry(), maxed);
        p->on_Topwidge_Singnale_btnwinmax(true);
        QCOMPARE(p->geometry(), QRect(centred(1800), QSize(1800, 800)));
        QVERIFY(!right->isHidden());
        QVERIFY(!p->isWinMax && !p->isNarrow);
        QVERIFY(part<FirstGenUpperStrip>(p.data())->winNormalFlag);
        // PIP off: narrow, moved back once.
        middle->set_PIP_Style(0);
        QCOMPARE(p->geometry(), QRect(centred(1800) + QPoint(230, 0), QSize(1400, 800)));
        QVERIFY(right->isHidden());
        QVERIFY(rig.wire->nothingSent());
    }

    void pictures()
    {
        QScopedPointer<OriskanUI> p(open<OriskanUI>());
        p->show();
        QVERIFY(p->grab().save(QStringLiteral("/tmp/zv_oriskan_narrow.png")));
        part<FirstGenMiddleStrip>(p.data())->set_PIP_Style(1);
        QCoreApplication::processEvents();
        QVERIFY(p->grab().save(QStringLiteral("/tmp/zv_oriskan_wide.png")));
        rig.wire->commands();
    }

    void tbar_data()
    {
        QTest::addColumn<QList<int>>("values");
        QTest::addColumn<QList<QByteArray>>("frames");
        QTest::addColumn<bool>("swapped");
        QTest::addColumn<bool>("lampLit");
        auto f = [](int dir, int pos) { return panelCommand(0x82, {dir, pos}); };
        QTest::newRow("up") << QList<int>{5, 126} << QList<QByteArray>{f(1, 5), f(1, 126)} << false << true;
        QTest::newRow("top") << QList<int>{60, 127} << QList<QByteArray>{f(1, 60), f(1, 128), f(0, 0)} << true
                             << false;
        QTest::newRow("up and down") << QList<int>{60, 127, 100, 0}
                                     << QList<QByteArray>{f(1, 60), f(1, 128), f(0, 0), f(0, 27), f(0, 128), f(1, 0)}
                                     << false << false;
        QTest::newRow("top twice") << QList<int>{127, 100, 127}
                                   << QList<QByteArray>{f(1, 128), f(0, 0), f(0, 27), f(1, 128), f(0, 0)} << true
                                   << false;
        QTest::newRow("back without the top") << QList<int>{40, 0} << QList<QByteArray>{f(1, 40), f(1, 0)} << false
                                              << false;
    }
    void tbar()
    {
        QFETCH(QList<int>, values);
        QFETCH(QList<QByteArray>, frames);
        QFETCH(bool, swapped);
        QFETCH(bool, lampLit);
        QScopedPointer<TesmondUI> p(open<TesmondUI>());
        auto* below = part<Below_Widget>(p.data());
        below->set_PGMCH_Style(1);
        below->set_PVWCH_Style(2);
        rig.wire->commands();
        QSlider* bar = part<QSlider_Right>(p.data())->findChild<QSlider*>();
        for (int v : values)
            bar->setValue(v);
        for (const QByteArray& frame : frames)
            QCOMPARE(rig.wire->nextCommand(), frame);
        QVERIFY(rig.wire->nothingSent());
        QCOMPARE(int(below->BtnPGMstate()), swapped ? 2 : 1);
        QCOMPARE(int(below->BtnPVWstate()), swapped ? 1 : 2);
        QCOMPARE(TesmondUI::autoLampLit, lampLit);
    }

    void autoLampLatch()
    {
        QScopedPointer<TesmondUI> p(open<TesmondUI>());
        auto* below = part<Below_Widget>(p.data());
        auto* key = below->findChild<QPushButton*>(QStringLiteral("btn_auto"));
        QSlider* bar = part<QSlider_Right>(p.data())->findChild<QSlider*>();
        below->on_Style_btnAuto(false);
        const QString unlit = key->styleSheet();
        bar->setValue(40);
        const QString lit = key->styleSheet();
        QVERIFY(lit != unlit);
        below->on_Style_btnAuto(false);  // as AUTO's own handler does
        bar->setValue(50);
        QCOMPARE(key->styleSheet(), unlit);
        bar->setValue(127);
        QCOMPARE(key->styleSheet(), unlit);
        bar->setValue(90);
        QCOMPARE(key->styleSheet(), lit);
        bar->setValue(0);
        rig.wire->commands();
    }

    void decoder_data()
    {
        QTest::addColumn<bool>("oriskan");
        QTest::addColumn<Record>("record");
        QTest::addColumn<QByteArray>("partClass");
        const QByteArray below("Below_Widget"), middle("FirstGenMiddleStrip"), upper("FirstGenUpperStrip"),
            right("Plane_Right");
        struct Row {
            const char* name;
            Record record;
            QByteArray part;
        };
        const Row rows[] = {
            {"PGM", {{0, 2}}, below},          {"PVW", {{1, 3}}, below},
            {"audio mode", {{2, 1}}, middle},  {"ch1 source", {{4, 4}}, middle},
            {"ch1 volume", {{5, 50}}, middle}, {"ch2 source", {{7, 5}}, middle},
            {"ch2 volume", {{8, 60}}, middle}, {"transition", {{11, 2}}, middle},
            {"wipe", {{11, 4}, {12, 2}}, middle}, {"FTB", {{23, 1}}, upper},
            {"PIP", {{24, 1}}, middle},        {"border on", {{25, 1}}, right},
            {"border colour", {{26, 2}}, right}, {"border width", {{27, 5}}, right},
            {"size", {{28, 1}}, right},        {"H position", {{30, 10}}, right},
            {"V position", {{32, 10}}, right}, {"STILL", {{33, 1}}, middle},
            {"rate", {{34, 2}}, below},        {"mute", {{38, 255}}, upper},
        };
        for (bool oriskan : {false, true})
            for (const Row& r : rows)
                QTest::newRow(qPrintable(QString::fromLatin1(oriskan ? "Oriskan " : "Tesmond ") + r.name))
                    << oriskan << r.record << r.part;
        QTest::newRow("Oriskan recording") << true << Record{{145, 0x08}} << upper;
        QTest::newRow("Oriskan streaming") << true << Record{{146, 0x04}} << upper;
        QTest::newRow("Oriskan rotate") << true << Record{{147, 0x40}} << upper;
    }
    void decoder()
    {
        QFETCH(bool, oriskan);
        QFETCH(Record, record);
        QFETCH(QByteArray, partClass);
        QScopedPointer<QWidget> p(make(oriskan));
        quiet(p.data());
        feed(p.data(), EditionFrames::stateDump({{27, 2}}, 0, 0, 170));
        rig.wire->commands();
        QWidget* parts[] = {part<Below_Widget>(p.data()), part<FirstGenMiddleStrip>(p.data()),
                            part<FirstGenUpperStrip>(p.data()), part<Plane_Right>(p.data())};
        QList<QStringList> before;
        for (QWidget* w : parts)
            before << snapshot(w);
        Record full = record;
        if (!full.contains(27))
            full[27] = 2;
        feed(p.data(), EditionFrames::stateDump(full, 0, 0, 170));
        int expected = -1;
        for (int i = 0; i < 4; ++i)
            if (parts[i]->inherits(partClass.constData()))
                expected = i;
        // The fade to black starts blinking on its timer.
        QTRY_VERIFY_WITH_TIMEOUT(snapshot(parts[expected]) != before[expected], 3000);
        for (int i = 0; i < 4; ++i)
            if (i != expected)
                QCOMPARE(snapshot(parts[i]), before[i]);
        QVERIFY(rig.wire->nothingSent());
    }

    void shortReplies_data()
    {
        QTest::addColumn<bool>("oriskan");
        QTest::addColumn<int>("size");
        QTest::addColumn<int>("need");
        QTest::newRow("Tesmond 59") << false << 59 << 60;
        QTest::newRow("Oriskan 168") << true << 168 << 169;
        QTest::newRow("Oriskan 60") << true << 60 << 169;
    }
    void shortReplies()
    {
        QFETCH(bool, oriskan);
        QFETCH(int, size);
        QFETCH(int, need);
        QScopedPointer<QWidget> p(make(oriskan));
        auto* below = part<Below_Widget>(p.data());
        const QStringList before = snapshot(p.data());
        const QSize sizeBefore = p->size();
        feed(p.data(), EditionFrames::stateDump({{0, 2}, {1, 3}, {24, 1}, {33, 1}, {38, 255}}, 0, 0, size));
        QCOMPARE(snapshot(p.data()), before);
        QCOMPARE(int(below->BtnPGMstate()), 0);
        QCOMPARE(p->size(), sizeBefore);
        // At the panel's need it is applied.
        feed(p.data(), EditionFrames::stateDump({{0, 2}}, 0, 0, need));
        QCOMPARE(int(below->BtnPGMstate()), 2);
    }

    void pipReplyWidensBeforeTheSidePanelIsFilled()
    {
        QScopedPointer<TesmondUI> p(open<TesmondUI>());
        rig.wire->commands();
        auto* size = part<Plane_Right>(p.data())->findChild<QComboBox*>(QStringLiteral("comboBox_size"));
        QVERIFY(size);
        const int sizeBefore = size->currentIndex();
        int widthAtPip = 0, sizeAtPip = -2;
        // After the window's own slot.
        connect(part<FirstGenMiddleStrip>(p.data()), &FirstGenMiddleStrip::on_Singnale_btnPIP, p.data(), [&] {
            widthAtPip = p->width();
            sizeAtPip = size->currentIndex();
        });
        const QPoint start = p->pos();
        const QByteArray reply = EditionFrames::stateDump({{24, 1}, {25, 1}, {28, 2}, {27, 2}});
        feed(p.data(), reply);
        QCOMPARE(widthAtPip, 1800);
        QCOMPARE(sizeAtPip, sizeBefore);
        QCOMPARE(size->currentIndex(), 2);
        QCOMPARE(p->pos(), start - QPoint(230, 0));
        feed(p.data(), reply);
        QCOMPARE(p->pos(), start - QPoint(230, 0));
        QCOMPARE(p->width(), 1800);
        QVERIFY(rig.wire->nothingSent());
    }

    void everyReplyAppliedWhole()
    {
        QScopedPointer<TesmondUI> p(open<TesmondUI>());
        auto* below = part<Below_Widget>(p.data());
        const QByteArray reply = EditionFrames::stateDump({{0, 2}, {27, 2}});
        feed(p.data(), reply);
        below->set_PGMCH_Style(3);  // as a PGM key would
        feed(p.data(), reply);
        QCOMPARE(int(below->BtnPGMstate()), 2);
    }

    void endToEndWithoutEcho()
    {
        QScopedPointer<OriskanUI> p(open<OriskanUI>());
        quiet(p.data());
        auto* middle = part<FirstGenMiddleStrip>(p.data());
        const QSpinBox* vol = middle->findChildren<QSpinBox*>().value(0);
        QVERIFY(vol);
        LogCapture log;
        const QByteArray reply = EditionFrames::stateDump({{5, 77}, {8, 77}, {4, 4}, {24, 1}, {28, 1}, {27, 3}}, 0, 0, 170);
        rig.wire->reply(reply);
        QTRY_COMPARE_WITH_TIMEOUT(vol->value(), 77, 5000);
        QVERIFY(log.messages().contains(QStringLiteral("data ") + QString::fromLatin1(reply.toHex(' '))));
        QVERIFY(rig.wire->nothingSent());
    }

    void deletedDuringAuto()
    {
        QPointer<TesmondUI> p(open<TesmondUI>());
        QTimer::singleShot(100, p.data(), [&] { delete p.data(); });
        part<Below_Widget>(p.data())->on_btnAuto_clicked();
        QVERIFY(!p);
        QPointer<TesmondUI> q(open<TesmondUI>());
        QTimer::singleShot(100, q.data(), [&] { delete q.data(); });
        q->btnAuto_and_slider();
        QVERIFY(!q);
        rig.wire->commands();
    }
};

QTEST_MAIN(tst_firstgen_panels)
#include "tst_firstgen_panels.moc"
