// The shared record applier as a panel with a camera section and a key-page F7
// key uses it: the camera fields and the F7 mode reach their targets, grouped
// as the record groups them; a panel without them never feeds them.

#include <QtTest>

#include <QLineEdit>

#include "audio_page.h"
#include "cam_page.h"
#include "k4_frames.h"
#include "key_page.h"
#include "main_menu.h"
#include "model_tables.h"
#include "onlyfun.h"
#include "pattern_page.h"
#include "pip_page.h"
#include "pop_page.h"
#include "record_apply.h"
#include "zv_resources.h"

class tst_record_apply : public QObject
{
    Q_OBJECT

    struct Rig {
        onlyFun fun;
        PIP_PAGE pip{nullptr, &fun};
        POP_PAGE pop{nullptr, &fun};
        KEY_PAGE luma{nullptr, &fun, QStringLiteral("Luma Key")};
        KEY_PAGE chroma{nullptr, &fun, QStringLiteral("Chroma Key")};
        PATTERN_PAGE pattern{nullptr, &fun};
        CAM_PAGE cam{nullptr, &fun};
        MainMenu menu{nullptr, &fun};
        AUDIO_PAGE audio{nullptr, &fun};
        QList<int> pgm;

        DevState::RecordTargets targets(bool withCamera)
        {
            return {&fun, &pip, &pop, &luma, &chroma, &pattern, withCamera ? &cam : nullptr, &menu, &audio, withCamera};
        }
        QString address() { return cam.findChild<QLineEdit*>()->text(); }
    };

    static DevState::StateDump decode(const QByteArray& reply)
    {
        DevState::StateDump d;
        if (!DevState::decodeStateDump(reply, DevState::kVyMinDumpSize, d))
            qFatal("test dump not accepted");
        return d;
    }

private slots:
    void initTestCase()
    {
        zvInitResources();
        DEV_CHILD_TYPE = 0x28;
    }

    void cameraAndF7ModeWhenThePanelHasThem()
    {
        Rig rig;
        DevState::PanelFields fields;
        fields.pgm = [&rig](quint8 v) { rig.pgm << v; };
        DevStateGuard guard;

        const DevState::StateDump first =
            decode(k4::stateDump({{k4::rPgm, 2}, {k4::rCamMenu, 1}, {k4::rCamAddress, 7}, {k4::rF7Mode, 2}}));
        DevState::applyRecord(first.record, first.record.present, fields, rig.targets(true));
        QCOMPARE(rig.pgm, QList<int>{2});
        QCOMPARE(rig.address(), QStringLiteral("7"));
        QCOMPARE(int(rig.fun.f7Mode()), 2);

        // A change of the camera menu byte alone leaves the address as shown.
        rig.cam.set_Address_Type(99);
        const DevState::StateDump second =
            decode(k4::stateDump({{k4::rPgm, 2}, {k4::rCamMenu, 0}, {k4::rCamAddress, 7}, {k4::rF7Mode, 2}}));
        DevState::applyRecord(second.record, DevState::changedGroups(second, &first), fields, rig.targets(true));
        QCOMPARE(rig.address(), QStringLiteral("99"));
        QCOMPARE(rig.pgm, QList<int>{2});  // unchanged, not applied again

        // A change of the address byte is applied.
        const DevState::StateDump third =
            decode(k4::stateDump({{k4::rPgm, 2}, {k4::rCamMenu, 0}, {k4::rCamAddress, 8}, {k4::rF7Mode, 1}}));
        DevState::applyRecord(third.record, DevState::changedGroups(third, &second), fields, rig.targets(true));
        QCOMPARE(rig.address(), QStringLiteral("8"));
        QCOMPARE(int(rig.fun.f7Mode()), 1);
    }

    void neitherWithoutThem()
    {
        Rig rig;
        rig.cam.set_Address_Type(99);
        DevStateGuard guard;
        const DevState::StateDump d =
            decode(k4::stateDump({{k4::rCamMenu, 1}, {k4::rCamAddress, 7}, {k4::rF7Mode, 2}}));
        DevState::applyRecord(d.record, d.record.present, DevState::PanelFields{}, rig.targets(false));
        QCOMPARE(rig.address(), QStringLiteral("99"));
        QCOMPARE(int(rig.fun.f7Mode()), 0);
    }

    void tbarReport_data()
    {
        QTest::addColumn<QByteArray>("reply");
        QTest::addColumn<bool>("valid");
        QTest::addColumn<int>("lever");
        QTest::addColumn<bool>("autoLit");
        QTest::addColumn<bool>("moves");
        QTest::newRow("reverse 10") << k4::reply(0x82, QByteArray("\x00\x01\x0a", 3)) << true << 117 << true << true;
        QTest::newRow("forward end") << k4::reply(0x82, QByteArray("\x00\x00\x80", 3)) << true << 127 << false << true;
        QTest::newRow("reverse 0xFF") << k4::reply(0x82, QByteArray("\x00\x01\xff", 3)) << true << 0 << false << true;
        QTest::newRow("forward 0xFF") << k4::reply(0x82, QByteArray("\x00\x00\xff", 3)) << true << 127 << false << true;
        QTest::newRow("forward 0") << k4::reply(0x82, QByteArray("\x00\x00\x00", 3)) << true << 0 << false << true;
        QTest::newRow("direction 5") << k4::reply(0x82, QByteArray("\x00\x05\x10", 3)) << true << 16 << true << false;
        QTest::newRow("21 bytes") << k4::reply(0x82, QByteArray("\x00", 1)) << false << 0 << false << false;
        QTest::newRow("type 0x83") << k4::reply(0x83, QByteArray("\x00\x00\x10", 3)) << false << 0 << false << false;
    }
    void tbarReport()
    {
        QFETCH(QByteArray, reply);
        QFETCH(bool, valid);
        QFETCH(int, lever);
        QFETCH(bool, autoLit);
        QFETCH(bool, moves);
        DevState::TbarReport t;
        QCOMPARE(DevState::readTbarReport(reply, t), valid);
        if (!valid)
            return;
        QCOMPARE(t.moves, moves);
        if (moves)
            QCOMPARE(t.lever, lever);
        QCOMPARE(t.autoLit, autoLit);
    }
};

QTEST_MAIN(tst_record_apply)
#include "tst_record_apply.moc"
