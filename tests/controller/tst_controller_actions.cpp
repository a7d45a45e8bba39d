// Operator actions -> the command each one reaches and its value, with the
// reply guard raised and lowered.

#include "my_button.h"
#include "wire_rig.h"

#include <QElapsedTimer>
#include <QLabel>
#include <QSignalSpy>
#include <QtTest>

#include <functional>
#include <vector>

using rig::Rig;
using F = onlyFun;

namespace {

constexpr quint32 k4K = 0x69;
constexpr quint32 kVy = 0x27;
constexpr quint32 kNoRow = 0x31; // 0x30 (48) has a row

struct Action
{
    const char* name;
    quint32 type;
    std::function<void(F&)> act;
    QStringList expected;      // with the guard lowered
    QStringList expectedGuard; // with the guard raised
};

// Keys that always send: the same frames whatever the guard says.
Action key(const char* name, std::function<void(F&)> act, QStringList frames, quint32 type = k4K)
{
    return {name, type, std::move(act), frames, frames};
}

// Guarded value changes and page keys.
Action guarded(const char* name, std::function<void(F&)> act, QStringList frames, quint32 type = k4K)
{
    return {name, type, std::move(act), frames, {}};
}

// Slots without arguments, called in order.
std::function<void(F&)> seq(std::initializer_list<void (F::*)()> calls)
{
    return [v = std::vector<void (F::*)()>(calls)](F& f) {
        for (auto slot : v)
            (f.*slot)();
    };
}

const std::vector<Action>& actions()
{
    static const std::vector<Action> table = {
        key("PGM 3", [](F& f) { f.m_on_btnGrp_PGM_clicked(3); }, {"80 03"}),
        key("PVW 2", [](F& f) { f.m_on_btnGrp_PVW_clicked(2); }, {"81 02"}),
        key("CUT, AUTO, FTB", seq({&F::m_on_btnCut_clicked, &F::m_on_btnAuto_clicked, &F::m_on_btn_ftb_clicked}),
            {"83", "84", "85"}),
        key("rate 2", [](F& f) { f.m_on_btnGrp_Rate_clicked(2); }, {"b1 02"}),
        key("STILL, data 0 and 1",
            seq({&F::m_on_btn_still_clicked, &F::m_on_btn_still_clicked_data1, &F::m_on_btn_still_clicked_data2}),
            {"cf", "cf 00", "cf 01"}),
        guarded("faders 1, 2, 3, master",
                [](F& f) {
                    f.m_on_verticalSlider_1_valueChanged(55);
                    f.m_on_verticalSlider_2_valueChanged(100);
                    f.m_on_verticalSlider_3_valueChanged(7);
                    f.m_on_verticalSlider_master_valueChanged(0);
                },
                {"b8 00 37", "b8 01 64", "b8 02 07", "b8 03 00"}),
        key("channel keys",
            seq({&F::m_on_btn_ch1_clicked, &F::m_on_btn_ch2_clicked, &F::m_on_btn_ch3_clicked,
                 &F::m_on_btn_master_clicked}),
            {"b3 00", "b3 01", "b3 02", "b3 03"}),
        key("AFV/MIX toggle twice, then panel id 1",
            [](F& f) { f.m_on_btn_afv_mix_clicked(); f.m_on_btn_afv_mix_clicked(); f.m_on_btn_AFVorMIX_clicked(1); },
            {"b6 01", "b6 00", "b6 01"}),
        key("mute, line, mic",
            seq({&F::m_on_btn_ADUIO_MUTE_clicked, &F::m_on_btn_lnge_cfg_clicked, &F::m_on_btn_mic_cfg_clicked}),
            {"d6", "dc", "dd"}),
        key("playback keys", seq({&F::btn_btnPlay_Pause_clicked, &F::btn_btnPrv_clicked, &F::btn_btnNext_clicked}),
            {"51", "54", "55"}),
        key("PAUSE while not recording", seq({&F::m_on_btn_pause_clicked}), {}),
        key("USB and SSD ask for the state after a second", seq({&F::btn_btnUSB_clicked, &F::btn_btnSSD_clicked}),
            {"52", "0a", "53", "0a"}, kVy),
        key("menu keys press and release",
            seq({&F::on_btnclicked_MenuUP_Pressed, &F::on_btnclicked_MenuUP_Released, &F::on_btnclicked_Menu_Pressed,
                 &F::on_btnclicked_Menu_Released, &F::on_btnclicked_MenuDOWN_Pressed,
                 &F::on_btnclicked_MenuDOWN_Released, &F::on_btnclicked_MenuLEFT_Pressed,
                 &F::on_btnclicked_MenuLEFT_Released, &F::on_btnclicked_MenuRIGHT_Pressed,
                 &F::on_btnclicked_MenuRIGHT_Released}),
            {"d9 41 01", "d9 41 00", "d9 6b 01", "d9 6b 00", "d9 42 01", "d9 42 00", "d9 6c 01", "d9 6c 00", "d9 6d 01",
             "d9 6d 00"}),
        key("function PIP then LUMA twice: PIP cleared without a command",
            [](F& f) { for (int id : {1, 3, 3}) f.m_on_btnGrp_Function_clicked(uchar(id)); },
            {"86 01", "8b 01", "8b 00"}),
        key("function POP, CHROMA, PATTERN; ids 0 and 6 send nothing",
            [](F& f) { for (int id : {2, 4, 5, 0, 6}) f.m_on_btnGrp_Function_clicked(uchar(id)); },
            {"a7 01", "8c 01", "da 01"}),
        key("F7 by mode: chroma, luma, none",
            [](F& f) { for (int m : {2, 1, 7}) { f.set_btnF7_state(uchar(m)); f.m_on_btnF7_clicked(); } },
            {"8c 01", "8b 01"}, kVy),
        key("pattern key press and release",
            seq({&F::btn_pattern_pressed, &F::btn_pattern_released}), {"6b 01", "6b 00"}),
        key("AUX, HDR ON, camera menu, camera group toggles",
            seq({&F::m_on_btn_aux_clicked, &F::m_on_btn_hdr_on_clicked, &F::m_on_btn_cam_meun_clicked,
                 &F::m_on_btn_grpsw_clicked, &F::m_on_btn_grpsw_clicked}),
            {"c8 01", "df 01", "70 01", "76 01", "76 00"}),
        key("HDR ON after the device reported on sends off",
            [](F& f) { f.setHDR_ON_Style(1); f.m_on_btn_hdr_on_clicked(); }, {"df 00"}),
        key("DP/HDMI", seq({&F::m_on_btn_DPorHDMI_clicked}), {"af 01"}),
        guarded("HDR CFG key from 1, 2, 3; list 0 then key",
                [](F& f) { for (int i = 0; i < 3; ++i) f.m_on_btn_hdr_cfg_clicked();
                           f.m_on_btn_hdr_cfg_valueChanged(0); f.m_on_btn_hdr_cfg_clicked(); },
                {"e0 02", "e0 03", "e0 01", "e0 00", "e0 01"}),
        guarded("resolution key on 4K wraps 4 -> 0",
                [](F& f) { PGM_CURRENT_VAL = 4; f.m_on_btn_reso_clicked(); f.m_on_btn_reso_clicked(); },
                {"a3 07", "a3 0b"}),
        guarded("resolution list index 3 and out-of-range indexes",
                [](F& f) { for (int i : {3, 5, -1}) f.PGM_currentIndexChanged(i); }, {"a3 0d"}),
        key("camera group 4 and keypad 9", [](F& f) { f.m_on_btnGrp_Cam_clicked(4); f.m_on_btnGrp_Cal_clicked(9); },
            {"af 04", "7c 09"}),
        key("zoom and focus keys",
            seq({&F::m_on_btn_z_add_pressed, &F::m_on_btn_z_add_released, &F::m_on_btn_z_sub_pressed,
                 &F::m_on_btn_z_sub_released, &F::m_on_btn_focus_add_pressed, &F::m_on_btn_focus_add_released,
                 &F::m_on_btn_focus_sub_pressed, &F::m_on_btn_focus_sub_released}),
            {"72 01", "72 00", "73 01", "73 00", "77 01", "77 00", "78 01", "78 00"}),
        key("keypad and presets",
            seq({&F::m_on_btn_cal_cam_clicked, &F::m_on_btn_cal_nom_clicked, &F::m_on_btn_set_preset_clicked,
                 &F::m_on_btn_clear_preset_clicked, &F::m_on_btn_goto_preset_clicked, &F::m_on_btn_set_preset_pressed,
                 &F::m_on_btn_set_preset_released, &F::m_on_btn_goto_preset_pressed,
                 &F::m_on_btn_goto_preset_released}),
            {"7e", "7f", "79", "7a", "7b", "79 01", "79 00", "7b 01", "7b 00"}),
        key("reset, SYNC. STATUS, SET", seq({&F::btnReset_clicked, &F::m_on_btn_ds_clicked, &F::m_on_btnSet_clicked}),
            {"0b", "0a", "49"}),
        guarded("GPI 1 and 6; an empty list sends nothing",
                [](F& f) { f.GPI1_CurrentIndexChanged(2); f.GPI6_CurrentIndexChanged(3);
                           f.GPI3_CurrentIndexChanged(-1); },
                {"6e 00 02", "6e 05 03"}),
        guarded("fan mode and speed",
            [](F& f) { f.setFAN_mod(1); f.setFAN_speed(1920); f.setFAN_mod(-1); }, {"6c 01", "6d 80 07"}),
        guarded("stream rate, video quality, read entry",
                [](F& f) { f.setStreamRtmpRate(3); f.setVideoQuality(2); f.readStreamData(1); f.setVideoQuality(-1); },
                {"e0:31 01 03", "e0:31 00 02", "e0:6a 01"}),
        guarded("PIP positions say nothing while the size re-ranges them",
                [](F& f) { { ScopedFlag resizing(pipSizeFalg); f.setSpboxHPosition(10); f.setSpboxVPosition(10); }
                           f.setCoboxSize(1); },
                {"a2 01"}),
        // The positions say nothing while the controls are disabled.
        guarded("POP window key twice, positions follow the window",
                [](F& f) { f.setPOP_SpboxHPosition(100); f.setlwindowindex(); f.setPOP_SpboxHPosition(300);
                           f.setlwindowindex(); f.setPOP_SpboxVPosition(300); },
                {"a8 02", "ac 2c 01", "a8 01"}),
        guarded("POP positions: nothing while disabled, then the POP command once cut mode 1 enables them",
                [](F& f) { f.set_POP_WIN_Style(1); f.setPOP_SpboxHPosition(10); f.POP_CUT_WindowMode(1);
                           f.setPOP_SpboxHPosition(10); },
                {"ac 0a 00"}),
        guarded("POP window 7 enables the positions, which drive nothing",
                [](F& f) { f.set_POP_WIN_Style(7); f.setPOP_SpboxHPosition(10); }, {}),
        guarded("Window key after the device reported window 2 goes back to 1",
                [](F& f) { f.set_POP_WIN_Style(2); f.setlwindowindex(); }, {"a8 01"}),
        guarded("POP window 2 drives the PIP position commands",
                [](F& f) { f.set_POP_WIN_Style(2); f.setPOP_SpboxHPosition(258); f.setPOP_SpboxVPosition(3); },
                {"a0 02 01", "a1 03 00"}),
        guarded("joystick point", [](F& f) { f.getJoystickPoint(10, 64); }, {"b5 0a 40"}),
        guarded("IP save without and with DNS",
                [](F& f) { f.btnSaveIP_clicked("127.0.0.2", "255.255.255.0", "127.0.0.1", 1);
                           f.btnSaveIP_clicked_DNS("127.0.0.2", "255.0.0.0", "127.0.0.1", "127.0.0.53", 0); },
                {"05 7f 00 00 02 ff ff ff 00 7f 00 00 01 01", "05 7f 00 00 02 ff 00 00 00 7f 00 00 01 00 7f 00 00 35"}),
        guarded("IP save refuses three parts, a part above 255, letters, an empty part, a sign, a trailing dot",
                [](F& f) {
                    for (const char* ip : {"127.0.0", "127.0.0.300", "127.0..2", "+127.0.0.2", "127.0.0.2."})
                        f.btnSaveIP_clicked(ip, "255.255.255.0", "127.0.0.1", 1);
                    f.btnSaveIP_clicked("127.0.0.2", "255.x.255.0", "127.0.0.1", 1);
                    for (const char* dns : {"8.8", "8.8.8.256"})
                        f.btnSaveIP_clicked_DNS("127.0.0.2", "255.0.0.0", "127.0.0.1", dns, 0);
                },
                {}),
        key("SRC on a model without a row sends nothing",
            seq({&F::m_on_btn_src1_clicked, &F::m_on_btn_src2_clicked, &F::m_on_btn_src3_clicked}), {}, kNoRow),
        key("SRC2 on the Vy edition steps through its table",
            [](F& f) { for (int i = 0; i < 7; ++i) f.m_on_btn_src2_clicked(); },
            {"ba 03", "ba 04", "ba 05", "ba 06", "ba 07", "ba 08", "ba 00"}, kVy),
        key("SRC1 seven presses on the 4K edition", [](F& f) { for (int i = 0; i < 7; ++i) f.m_on_btn_src1_clicked(); },
            {"b9 01", "b9 02", "b9 03", "b9 04", "b9 05", "b9 06", "b9 00"}),
        // 42 is not in the table: the index stays.
        key("SRC1 continues after the device's source",
            [](F& f) { f.set_CH1_Style(5); f.m_on_btn_src1_clicked(); f.set_CH1_Style(42); f.m_on_btn_src1_clicked();
                       f.set_CH3_Style(2); f.m_on_btn_src3_clicked(); },
            {"b9 06", "b9 00", "bb 03"}),
    };
    return table;
}

} // namespace

class TestControllerActions : public QObject
{
    Q_OBJECT

private slots:
    void actionFrames_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<bool>("guard");
        for (int i = 0; i < int(actions().size()); ++i) {
            QTest::addRow("%s", actions()[i].name) << i << false;
            QTest::addRow("%s (reply being applied)", actions()[i].name) << i << true;
        }
    }
    void actionFrames()
    {
        QFETCH(int, row);
        QFETCH(bool, guard);
        const Action& a = actions()[size_t(row)];
        Rig r(a.type);
        QVERIFY(r.capture.isBound());
        QCOMPARE(r.initial, QStringList{"0a"});
        updateDevStateEnable = guard;
        a.act(*r.fun);
        QCOMPARE(updateDevStateEnable, guard);
        QCOMPARE(r.frames(), guard ? a.expectedGuard : a.expected);
    }

    void volumeKeys_data()
    {
        QTest::addColumn<int>("start");
        QTest::addColumn<bool>("up");
        QTest::addColumn<int>("level");
        QTest::newRow("3 down gives 0") << 3 << false << 0;
        QTest::newRow("50 down gives 45") << 50 << false << 45;
        QTest::newRow("0 down stays 0") << 0 << false << 0;
        QTest::newRow("94 up gives 99") << 94 << true << 99;
        QTest::newRow("97 up gives 100") << 97 << true << 100;
    }
    void volumeKeys()
    {
        QFETCH(int, start);
        QFETCH(bool, up);
        QFETCH(int, level);
        for (int ch = 1; ch <= 2; ++ch) {
            Rig r(k4K);
            F& f = *r.fun;
            const auto fader = [&f, ch](int v) {
                ch == 1 ? f.m_on_verticalSlider_1_valueChanged(v) : f.m_on_verticalSlider_2_valueChanged(v);
            };
            {
                DevStateGuard replying; // the device's level arrives through the fader
                fader(start);
            }
            // The panel's fader follows the emitted level; its echo must not go out again.
            const auto signal = ch == 1 ? &F::setSlider1Vol : &F::setSlider2Vol;
            QSignalSpy vol(&f, signal);
            auto echo = QObject::connect(&f, signal, [&](uint8_t v) { fader(v); });
            if (ch == 1)
                up ? f.m_on_btn_ch1_vol_add_clicked() : f.m_on_btn_ch1_vol_sub_clicked();
            else
                up ? f.m_on_btn_ch2_vol_add_clicked() : f.m_on_btn_ch2_vol_sub_clicked();
            QObject::disconnect(echo);
            QCOMPARE(vol.count(), 1);
            QCOMPARE(int(vol.first().first().value<uint8_t>()), level);
            const QString sent = QStringLiteral("b8 0%1 %2").arg(ch - 1).arg(level, 2, 16, QLatin1Char('0'));
            QCOMPARE(r.frames(), QStringList{sent});
            QCOMPARE(updateDevStateEnable, false);
            QCOMPARE(int(ch == 1 ? f.ch1Level() : f.ch2Level()), level);
        }
    }

    void volumeKeyInsideAReplyKeepsTheGuardRaised()
    {
        Rig r(k4K);
        DevStateGuard replying;
        r.fun->m_on_btn_ch1_vol_add_clicked();
        QVERIFY(updateDevStateEnable);
        r.fun->m_on_verticalSlider_1_valueChanged(80); // a fader moved by the same reply
        QCOMPARE(r.frames(), QStringList{"b8 00 05"});
    }

    void functionGroupSignals()
    {
        Rig r(k4K);
        QSignalSpy spy(r.fun.get(), &F::set_Function_EnableSignals);
        for (int id : {1, 3, 0})
            r.fun->m_on_btnGrp_Function_clicked(uchar(id));
        // PIP then LUMA: LUMA shown alone; id 0 leaves it so.
        const QList<QVariant> flags{false, false, true, false, false};
        QCOMPARE(spy.at(1), QList<QVariant>{QVariant::fromValue(uint8_t(3))} + flags);
        QCOMPARE(spy.at(2), QList<QVariant>{QVariant::fromValue(uint8_t(0))} + flags);
    }

    void togglesEmitBeforeSending()
    {
        Rig r(k4K);
        QStringList order;
        QObject::connect(r.fun.get(), &F::setHDR_ON_EnableSignals, [&](bool on) {
            order << QStringLiteral("signal %1").arg(on) << r.frames();
        });
        r.fun->m_on_btn_hdr_on_clicked();
        order << r.frames();
        QCOMPARE(order, (QStringList{"signal 1", "df 01"}));
    }

    void recorderKeysAskForTheStateAfterASecond()
    {
        Rig r(kVy);
        QSignalSpy pause(r.fun.get(), &F::m_on_Style_btnPause_Signals);
        QElapsedTimer t;
        t.start();
        r.fun->m_on_btn_rec_clicked(); // on
        QVERIFY(t.elapsed() >= 1000);
        QCOMPARE(r.frames(), (QStringList{"b2 01", "0a"}));
        QVERIFY(r.fun->recording());

        r.fun->m_on_btn_pause_clicked();
        QVERIFY(r.fun->paused());
        QCOMPARE(r.frames(), (QStringList{"c7", "0a"}));
        QCOMPARE(pause.count(), 0);

        r.fun->m_on_btn_rec_clicked(); // off: the pause lamp goes out first
        QCOMPARE(pause.count(), 1);
        QCOMPARE(pause.first().first().toBool(), false);
        QVERIFY(!r.fun->paused());
        QCOMPARE(r.frames(), (QStringList{"b2 00", "0a"}));

        t.restart();
        r.fun->m_on_btn_pause_clicked(); // not recording: no frame, no wait of a second
        QVERIFY(t.elapsed() < 900);
        QCOMPARE(r.frames(), QStringList());
    }

    void repliesArriveDuringTheRecorderWait()
    {
        Rig r(kVy);
        // A reply applied in the middle of the wait must not swallow the read-back.
        QTimer::singleShot(300, r.fun.get(), [&r] {
            DevStateGuard replying;
            r.fun->m_on_verticalSlider_1_valueChanged(40);
        });
        QTimer::singleShot(400, r.fun.get(), [&r] { r.fun->m_on_btnCut_clicked(); });
        r.fun->m_on_btn_stream_clicked();
        QCOMPARE(r.frames(), (QStringList{"87 01", "83", "0a"}));
    }

    void bottomButtons()
    {
        Rig r(0x60);
        QWidget panel;
        auto* set = new MyButton(&panel);
        auto* sync = new MyButton(&panel);
        auto* exit = new MyButton(&panel);
        r.fun->setBottonFun(set, sync, exit, new QLabel(&panel));
        QSignalSpy exits(r.fun.get(), &F::ExitSignals);
        set->click();
        sync->click();
        QCOMPARE(r.frames(), (QStringList{"49", "0a"}));
        exit->click();
        QCOMPARE(exits.count(), 1);
        QCOMPARE(r.frames(), QStringList());
    }

    void valueChgInRange_data()
    {
        QTest::addColumn<int>("value");
        QTest::addColumn<bool>("up");
        QTest::addColumn<bool>("wrap");
        QTest::addColumn<int>("result");
        QTest::newRow("up inside") << 5 << true << false << 7;
        QTest::newRow("up past max stops") << 9 << true << false << 10;
        QTest::newRow("up past max wraps") << 9 << true << true << 0;
        QTest::newRow("down past min stops") << 1 << false << false << 0;
        QTest::newRow("down past min wraps") << 1 << false << true << 10;
    }
    void valueChgInRange()
    {
        QFETCH(int, value);
        QFETCH(bool, up);
        QFETCH(bool, wrap);
        QFETCH(int, result);
        QCOMPARE(F::ValueChgInRange(value, 2, 0, 10, up, wrap), result);
    }

    void refusedIpKeepsTheTarget()
    {
        Rig r(k4K);
        r.fun->btnSaveIP_clicked("127.0.0.300", "255.255.255.0", "127.0.0.1", 1);
        QCOMPARE(r.fun->link()->on_DevIP(), QStringLiteral("127.0.0.2"));
        r.fun->m_on_btnCut_clicked();
        QCOMPARE(r.frames(), QStringList{"83"});
    }

    void modelTables_data()
    {
        QTest::addColumn<quint32>("type");
        QTest::addColumn<int>("srcLen");
        QTest::addColumn<quint32>("maxpgm");
        QTest::addColumn<bool>("pgm2");
        QTest::newRow("Vy 0x28") << quint32(0x28) << 7 << quint32(7) << false;
        QTest::newRow("4K 0x69") << quint32(0x69) << 7 << quint32(5) << true;
        QTest::newRow("12 inputs 0x04") << quint32(0x04) << 13 << quint32(7) << false;
        // A type without a row leaves the previous resolution table in place.
        QTest::newRow("no row") << kNoRow << -1 << quint32(5) << true;
    }
    void modelTables()
    {
        QFETCH(quint32, type);
        QFETCH(int, srcLen);
        QFETCH(quint32, maxpgm);
        QFETCH(bool, pgm2);
        rig::resetGlobals(type);
        PGM_TABLE_POINT = PGM_TABLE_2;
        Maxpgm = 5;
        F f(nullptr);
        rig::stopTimers(&f);
        QCOMPARE(f.sourceTable() == nullptr, srcLen < 0);
        if (srcLen >= 0)
            QCOMPARE(f.sourceTableLength(), srcLen);
        QCOMPARE(Maxpgm, maxpgm);
        QCOMPARE(PGM_TABLE_POINT, pgm2 ? PGM_TABLE_2 : PGM_TABLE_1);
    }
};

QTEST_MAIN(TestControllerActions)
#include "tst_controller_actions.moc"
