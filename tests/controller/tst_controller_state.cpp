// The T-bar stroke machine, the transition groups, and the device state that
// the panels hand back to the controller.

#include "wire_rig.h"

#include <QSignalSpy>
#include <QtTest>

using rig::Rig;

namespace {

constexpr quint32 k4K = 0x69;
constexpr quint32 kVy = 0x27;

QString tbar(int dir, int value)
{
    return QStringLiteral("82 %1 %2").arg(dir, 2, 16, QLatin1Char('0')).arg(value, 2, 16, QLatin1Char('0'));
}

} // namespace

class TestControllerState : public QObject
{
    Q_OBJECT

private slots:
    void tbarStrokes_data()
    {
        // Lever values; a value v >= 1000 stands for the device report
        // (dir = v / 1000 - 1, pos = v % 1000).
        QTest::addColumn<QList<int>>("moves");
        QTest::addColumn<QStringList>("frames");
        QTest::addColumn<QList<int>>("lamps");

        QTest::newRow("0 to 1 to 2: the first 1 is the start marker")
            << QList<int>{1, 2} << QStringList{tbar(0, 1), tbar(0, 2)} << QList<int>{0, 0};
        QTest::newRow("start at 5 sends the marker first")
            << QList<int>{5, 6} << QStringList{tbar(0, 1), tbar(0, 5), tbar(0, 6)} << QList<int>{0, 0, 0};
        QTest::newRow("rest straight to 127: end marker only")
            << QList<int>{127} << QStringList{tbar(0, 128)} << QList<int>{1};
        QTest::newRow("full cycle")
            << QList<int>{1, 60, 127, 126, 60, 0, 5}
            << QStringList{tbar(0, 1), tbar(0, 60), tbar(0, 128), tbar(1, 1), tbar(1, 1), tbar(1, 67), tbar(1, 128),
                           tbar(0, 1), tbar(0, 5)}
            << QList<int>{0, 0, 1, 1, 1, 1, 0, 0, 0};
        QTest::newRow("up to 60 and back without the top")
            << QList<int>{1, 60, 30, 0} << QStringList{tbar(0, 1), tbar(0, 60), tbar(0, 30), tbar(0, 0)}
            << QList<int>{0, 0, 0, 0};
        QTest::newRow("down stroke whose first value is 1")
            << QList<int>{127, 1, 0} << QStringList{tbar(0, 128), tbar(1, 126), tbar(1, 128)} << QList<int>{1, 1, 0};
        QTest::newRow("top reached twice sends one end marker")
            << QList<int>{127, 127} << QStringList{tbar(0, 128), tbar(0, 1), tbar(1, 1), tbar(1, 0)}
            << QList<int>{1, 0, 1, 1};
        QTest::newRow("device left the bar at the top, forward not started")
            << QList<int>{2127, 120} << QStringList{tbar(0, 1), tbar(1, 1), tbar(1, 7)} << QList<int>{0, 1, 1};
        QTest::newRow("device left the bar at the top, forward started")
            << QList<int>{5, 2127, 120} << QStringList{tbar(0, 1), tbar(0, 5), tbar(1, 1), tbar(1, 7)}
            << QList<int>{0, 0, 1, 1};
        QTest::newRow("device brought the bar back to the bottom")
            << QList<int>{1, 127, 1000, 10} << QStringList{tbar(0, 1), tbar(0, 128), tbar(0, 1), tbar(0, 10)}
            << QList<int>{0, 1, 0, 0};
        QTest::newRow("values off the lever's range send nothing")
            << QList<int>{-1, 128, 255} << QStringList() << QList<int>();
    }
    void tbarStrokes()
    {
        QFETCH(QList<int>, moves);
        QFETCH(QStringList, frames);
        QFETCH(QList<int>, lamps);
        Rig r(k4K);
        QSignalSpy lamp(r.fun.get(), &onlyFun::setlightStyle);
        for (int v : moves) {
            if (v >= 1000)
                r.fun->setSliderDirection(uchar(v / 1000 - 1), uchar(v % 1000));
            else
                r.fun->setslider0(v);
        }
        QCOMPARE(r.frames(), frames);
        QList<int> lit;
        for (const QList<QVariant>& args : lamp)
            lit << int(args.first().toBool());
        QCOMPARE(lit, lamps);
    }

    void tbarSilentWhileAReplyMovesIt()
    {
        Rig r(k4K);
        QSignalSpy autoLamp(r.fun.get(), &onlyFun::m_on_Style_btnAuto);
        QSignalSpy lamp(r.fun.get(), &onlyFun::setlightStyle);
        {
            DevStateGuard replying;
            r.fun->setslider0(40);
            r.fun->setslider0(127);
        }
        QCOMPARE(r.frames(), QStringList());
        QCOMPARE(autoLamp.count(), 0);
        QCOMPARE(lamp.count(), 0);
        // The machine did not move either: the next stroke starts from rest, with its
        // marker first. The AUTO lamp lights while the lever is off both ends.
        for (int v : {0, 1, 64, 127})
            r.fun->setslider0(v);
        QCOMPARE(r.frames(), (QStringList{tbar(0, 1), tbar(0, 0), tbar(0, 1), tbar(0, 64), tbar(0, 128)}));
        QStringList lit;
        for (const QList<QVariant>& args : autoLamp)
            lit << args.first().toString();
        QCOMPARE(lit, (QStringList{"false", "true", "true", "false"}));
    }

    void transitions_data()
    {
        QTest::addColumn<quint32>("type");
        QTest::addColumn<QList<int>>("ids"); // -1: the device reports every group byte as 0
        QTest::addColumn<QStringList>("frames");
        QTest::addColumn<QList<int>>("icons"); // the icon emitted per click

        QTest::newRow("4K: group 4 selects, then advances; group 1 selects only")
            << k4K << QList<int>{5, 5, 2} << QStringList{"92 77", "92 77", "92 74"} << QList<int>{39, 40, 1};
        QTest::newRow("4K: every group's code")
            << k4K << QList<int>{2, 3, 4, 5, 6, 7, 8, 9, 10, 11}
            << QStringList{"92 74", "92 75", "92 76", "92 77", "92 78", "92 79", "92 7a", "92 7b", "92 7c", "92 7d"}
            << QList<int>{1, 12, 30, 39, 55, 64, 71, 78, 82, 88};
        QTest::newRow("4K: group 8 wraps from its last icon")
            << k4K << QList<int>{9, 9, 9, 9, 9} << QStringList{"92 7b", "92 7b", "92 7b", "92 7b", "92 7b"}
            << QList<int>{78, 79, 80, 81, 78};
        QTest::newRow("MIX and FADE carry no code; a group after them selects")
            << k4K << QList<int>{5, 0, 5, 1, 5} << QStringList{"92 77", "8d", "92 77", "8e", "92 77"}
            << QList<int>{39, 0, 39, 0, 39};
        QTest::newRow("4K: group byte 0 from the device: the key starts at the group's first icon")
            << k4K << QList<int>{-1, 5, 5} << QStringList{"92 77", "92 77"} << QList<int>{39, 40};
        QTest::newRow("ids past the last group do nothing") << k4K << QList<int>{12, 255} << QStringList()
                                                            << QList<int>();
        QTest::newRow("Vy: four groups with their own codes")
            << kVy << QList<int>{2, 3, 4, 5} << QStringList{"92 25", "92 23", "92 29", "92 27"}
            << QList<int>{1, 12, 30, 39};
        QTest::newRow("Vy: a repeated group key advances like on 4K")
            << kVy << QList<int>{3, 3, 3} << QStringList{"92 23", "92 23", "92 23"} << QList<int>{12, 13, 14};
        QTest::newRow("Vy: groups without a wipe code send nothing")
            << kVy << QList<int>{6, 7, 11, 0} << QStringList{"8d"} << QList<int>{0};
    }
    void transitions()
    {
        QFETCH(quint32, type);
        QFETCH(QList<int>, ids);
        QFETCH(QStringList, frames);
        QFETCH(QList<int>, icons);
        Rig r(type);
        QSignalSpy icon(r.fun.get(), &onlyFun::Send_ICON_CURRENT_INDEX);
        for (int id : ids) {
            if (id < 0)
                r.fun->set_Trans_Style(4, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0);
            else
                r.fun->m_on_btnGrp_TRANSITONS_clicked(uchar(id));
        }
        QCOMPARE(r.frames(), frames);
        QList<int> got;
        for (const QList<QVariant>& args : icon)
            got << int(args.at(1).value<uint8_t>());
        QCOMPARE(got, icons);
    }

    void transitionIconsSurviveThePanel()
    {
        {
            Rig r(k4K);
            r.fun->m_on_btnGrp_TRANSITONS_clicked(2);
            r.fun->m_on_btnGrp_TRANSITONS_clicked(2);
        }
        QCOMPARE(ICON_CURRENT_INDEX[0], quint32(2));
    }

    void deviceTransitionState()
    {
        Rig r(k4K);
        QSignalSpy spy(r.fun.get(), &onlyFun::Send_Trans_Style);
        r.fun->set_Trans_Style(4, 13, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1);
        for (int i = 0; i < 10; ++i)
            QCOMPARE(ICON_CURRENT_INDEX[i], quint32(0));
        QCOMPARE(r.fun->selectedIcon(), quint32(12));
        QCOMPARE(spy.count(), 1);

        // The device reports group 2 at icon 13: a press on group 2 advances it.
        r.fun->set_Trans_Style(4, 14, 2, 14, 31, 40, 56, 65, 72, 79, 83, 89);
        QSignalSpy icon(r.fun.get(), &onlyFun::Send_ICON_CURRENT_INDEX);
        r.fun->m_on_btnGrp_TRANSITONS_clicked(3);
        QCOMPARE(int(icon.first().at(1).value<uint8_t>()), 14);
    }

    void recorderState_data()
    {
        QTest::addColumn<bool>("recordingBefore");
        QTest::addColumn<QList<int>>("args");
        QTest::addColumn<QStringList>("signals_");
        QTest::addColumn<QList<bool>>("after"); // recording, paused, streaming

        QTest::newRow("recording and paused")
            << false << QList<int>{1, 2, 0} << QStringList{"rec 1", "pause 1", "stream 0"}
                << QList<bool>{true, true, false};
        QTest::newRow("pause value 1 is not paused")
            << false << QList<int>{1, 1, 0} << QStringList{"rec 1", "pause 0", "stream 0"}
                << QList<bool>{true, false, false};
        QTest::newRow("stopped, streaming")
            << true << QList<int>{0, 2, 1} << QStringList{"rec 0", "stream 1"} << QList<bool>{false, false, true};
        QTest::newRow("odd values while recording")
            << true << QList<int>{5, 2, 7} << QStringList{"pause 0"} << QList<bool>{true, false, false};
        QTest::newRow("odd values while stopped")
            << false << QList<int>{5, 2, 7} << QStringList() << QList<bool>{false, false, false};
    }
    void recorderState()
    {
        QFETCH(bool, recordingBefore);
        QFETCH(QList<int>, args);
        QFETCH(QStringList, signals_);
        QFETCH(QList<bool>, after);
        Rig r(kVy);
        if (recordingBefore)
            r.fun->setRecStreamEnable(1, 2, 9);
        QStringList got;
        const auto log = [&got](const char* what) {
            return [&got, what](bool b) { got << QStringLiteral("%1 %2").arg(what).arg(b); };
        };
        QObject::connect(r.fun.get(), &onlyFun::m_on_Style_btnRec_Signals, log("rec"));
        QObject::connect(r.fun.get(), &onlyFun::m_on_Style_btnPause_Signals, log("pause"));
        QObject::connect(r.fun.get(), &onlyFun::m_on_Style_btnStream_Signals, log("stream"));
        r.fun->setRecStreamEnable(uchar(args[0]), uchar(args[1]), uchar(args[2]));
        QCOMPARE(got, signals_);
        QCOMPARE((QList<bool>{r.fun->recording(), r.fun->paused(), r.fun->streaming()}), after);
        QCOMPARE(r.frames(), QStringList());
    }

    void deviceStateDrivesTheToggles()
    {
        Rig r(kVy);
        r.fun->set_AFVorMIX_Style(1);
        r.fun->set_AFVorMIX_Style(7); // ignored
        r.fun->m_on_btn_afv_mix_clicked();
        r.fun->set_aux_state(1);
        r.fun->m_on_btn_aux_clicked();
        r.fun->setGROUPStyle(1);
        r.fun->setGROUPStyle(3); // ignored
        r.fun->m_on_btn_grpsw_clicked();
        r.fun->set_CAMMENU_Style(1, 4);
        r.fun->m_on_btn_cam_meun_clicked();
        r.fun->set_CAMMENU_Style(9, 4); // not stored
        r.fun->m_on_btn_cam_meun_clicked();
        r.fun->setRecStreamEnable(0, 0, 1);
        QCOMPARE(r.frames(), (QStringList{"b6 00", "c8 00", "76 00", "70 00", "70 01"}));
        r.fun->m_on_btn_stream_clicked();
        QCOMPARE(r.frames(), (QStringList{"87 00", "0a"}));
    }

    void stateSignals()
    {
        Rig r(kVy);
        QSignalSpy afv(r.fun.get(), &onlyFun::AFV_MIX_Enable_Signals);
        QSignalSpy hdr(r.fun.get(), &onlyFun::setHDR_ON_EnableSignals);
        QSignalSpy f7(r.fun.get(), &onlyFun::setF7Widget);
        for (int v : {2, 1}) // 2 is no AFV/MIX value
            r.fun->set_AFVorMIX_Style(uchar(v));
        for (int v : {4, 1}) // nor 4 an HDR state
            r.fun->setHDR_ON_Style(uchar(v));
        r.fun->set_FUNCTION_Style(0, 0, 1, 1, 0);
        r.fun->set_btnF7_state(9);
        QCOMPARE(afv.count(), 1);
        QCOMPARE(hdr.count(), 1);
        QVERIFY(r.fun->hdrOn());
        // F7 shows its mode with the LUMA and CHROMA states the function record gave.
        QCOMPARE(f7.count(), 1);
        QCOMPARE(f7.first(), (QList<QVariant>{QVariant::fromValue(uint8_t(9)), true, true}));
        QCOMPARE(r.fun->f7Mode(), uint8_t(9));
    }

    void functionState_data()
    {
        QTest::addColumn<QList<int>>("args");
        QTest::addColumn<int>("shown");
        QTest::addColumn<QList<bool>>("flags");
        QTest::addColumn<QString>("pipPress"); // what a PIP key press sends afterwards

        QTest::newRow("PIP and LUMA on: LUMA shown")
            << QList<int>{1, 0, 1, 0, 0} << 3 << QList<bool>{true, false, true, false, false} << "86 00";
        QTest::newRow("PIP value 2: not stored, shown 0, flag true")
            << QList<int>{2, 0, 0, 0, 0} << 0 << QList<bool>{true, false, false, false, false} << "86 01";
        QTest::newRow("the last one on wins") << QList<int>{0, 1, 0, 1, 1} << 5
                                              << QList<bool>{false, true, false, true, true} << "86 01";
        QTest::newRow("all off") << QList<int>{0, 0, 0, 0, 0} << 0 << QList<bool>{false, false, false, false, false}
                                 << "86 01";
    }
    void functionState()
    {
        QFETCH(QList<int>, args);
        QFETCH(int, shown);
        QFETCH(QList<bool>, flags);
        QFETCH(QString, pipPress);
        Rig r(k4K);
        QSignalSpy spy(r.fun.get(), &onlyFun::set_Function_EnableSignals);
        r.fun->set_FUNCTION_Style(uchar(args[0]), uchar(args[1]), uchar(args[2]), uchar(args[3]), uchar(args[4]));
        QCOMPARE(spy.count(), 1);
        QCOMPARE(int(spy.first().at(0).value<uint8_t>()), shown);
        QList<bool> got;
        for (int i = 1; i <= 5; ++i)
            got << spy.first().at(i).toBool();
        QCOMPARE(got, flags);
        r.fun->m_on_btnGrp_Function_clicked(1);
        QCOMPARE(r.frames(), QStringList{pipPress});
    }
};

QTEST_MAIN(TestControllerState)
#include "tst_controller_state.moc"
