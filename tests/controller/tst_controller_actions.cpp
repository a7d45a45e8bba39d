// Operator actions -> the exact command bytes the switcher receives, with the
// reply guard raised and lowered.

#include "controller_rig.h"
#include "my_button.h"

#include <QElapsedTimer>
#include <QLabel>
#include <QSignalSpy>
#include <QtTest>

#include <functional>
#include <vector>

using rig::Rig;

namespace {

constexpr quint32 k4K = 0x69;
constexpr quint32 kVy = 0x27;
constexpr quint32 kNoRow = 0x31; // 0x30 (48) has a row

struct Action
{
    const char* name;
    quint32 type;
    std::function<void(onlyFun&)> act;
    QStringList expected;      // with the guard lowered
    QStringList expectedGuard; // with the guard raised
};

QStringList L(std::initializer_list<const char*> items)
{
    QStringList out;
    for (const char* s : items)
        out << QString::fromLatin1(s);
    return out;
}

// Keys that always send: the same bytes whatever the guard says.
Action key(const char* name, std::function<void(onlyFun&)> act, QStringList frames, quint32 type = k4K)
{
    return {name, type, std::move(act), frames, frames};
}

// Guarded value changes and page keys: nothing while a reply is applied.
Action guarded(const char* name, std::function<void(onlyFun&)> act, QStringList frames, quint32 type = k4K)
{
    return {name, type, std::move(act), frames, QStringList()};
}

const std::vector<Action>& actions()
{
    static const std::vector<Action> table = {
        key("PGM 3", [](onlyFun& f) { f.m_on_btnGrp_PGM_clicked(3); }, L({"80 03"})),
        key("PVW 2", [](onlyFun& f) { f.m_on_btnGrp_PVW_clicked(2); }, L({"81 02"})),
        key("CUT", [](onlyFun& f) { f.m_on_btnCut_clicked(); }, L({"83"})),
        key("AUTO", [](onlyFun& f) { f.m_on_btnAuto_clicked(); }, L({"84"})),
        key("FTB", [](onlyFun& f) { f.m_on_btn_ftb_clicked(); }, L({"85"})),
        key("rate 2", [](onlyFun& f) { f.m_on_btnGrp_Rate_clicked(2); }, L({"b1 02"})),
        key("STILL", [](onlyFun& f) { f.m_on_btn_still_clicked(); }, L({"cf"})),
        key("STILL data 0 and 1",
            [](onlyFun& f) {
                f.m_on_btn_still_clicked_data1();
                f.m_on_btn_still_clicked_data2();
            },
            L({"cf 00", "cf 01"})),
        guarded("fader 1 at 55", [](onlyFun& f) { f.m_on_verticalSlider_1_valueChanged(55); }, L({"b8 00 37"})),
        guarded("fader 2 at 100", [](onlyFun& f) { f.m_on_verticalSlider_2_valueChanged(100); }, L({"b8 01 64"})),
        guarded("fader 3 at 7", [](onlyFun& f) { f.m_on_verticalSlider_3_valueChanged(7); }, L({"b8 02 07"})),
        guarded("master fader at 0", [](onlyFun& f) { f.m_on_verticalSlider_master_valueChanged(0); },
                L({"b8 03 00"})),
        key("channel keys",
            [](onlyFun& f) {
                f.m_on_btn_ch1_clicked();
                f.m_on_btn_ch2_clicked();
                f.m_on_btn_ch3_clicked();
                f.m_on_btn_master_clicked();
            },
            L({"b3 00", "b3 01", "b3 02", "b3 03"})),
        key("AFV/MIX toggle twice, then panel id 1",
            [](onlyFun& f) {
                f.m_on_btn_afv_mix_clicked();
                f.m_on_btn_afv_mix_clicked();
                f.m_on_btn_AFVorMIX_clicked(1);
            },
            L({"b6 01", "b6 00", "b6 01"})),
        key("mute, line, mic",
            [](onlyFun& f) {
                f.m_on_btn_ADUIO_MUTE_clicked();
                f.m_on_btn_lnge_cfg_clicked();
                f.m_on_btn_mic_cfg_clicked();
            },
            L({"d6", "dc", "dd"})),
        key("playback keys",
            [](onlyFun& f) {
                f.btn_btnPlay_Pause_clicked();
                f.btn_btnPrv_clicked();
                f.btn_btnNext_clicked();
            },
            L({"51", "54", "55"})),
        key("PAUSE while not recording", [](onlyFun& f) { f.m_on_btn_pause_clicked(); }, QStringList()),
        key("menu keys press and release",
            [](onlyFun& f) {
                f.on_btnclicked_MenuUP_Pressed();
                f.on_btnclicked_MenuUP_Released();
                f.on_btnclicked_Menu_Pressed();
                f.on_btnclicked_Menu_Released();
                f.on_btnclicked_MenuDOWN_Pressed();
                f.on_btnclicked_MenuDOWN_Released();
                f.on_btnclicked_MenuLEFT_Pressed();
                f.on_btnclicked_MenuLEFT_Released();
                f.on_btnclicked_MenuRIGHT_Pressed();
                f.on_btnclicked_MenuRIGHT_Released();
            },
            L({"d9 41 01", "d9 41 00", "d9 6b 01", "d9 6b 00", "d9 42 01", "d9 42 00", "d9 6c 01", "d9 6c 00",
               "d9 6d 01", "d9 6d 00"})),
        key("function PIP then LUMA: PIP cleared without a command",
            [](onlyFun& f) {
                f.m_on_btnGrp_Function_clicked(1);
                f.m_on_btnGrp_Function_clicked(3);
                f.m_on_btnGrp_Function_clicked(3);
            },
            L({"86 01", "8b 01", "8b 00"})),
        key("function POP, CHROMA, PATTERN",
            [](onlyFun& f) {
                f.m_on_btnGrp_Function_clicked(2);
                f.m_on_btnGrp_Function_clicked(4);
                f.m_on_btnGrp_Function_clicked(5);
            },
            L({"a7 01", "8c 01", "da 01"})),
        key("function ids 0 and 6 send nothing",
            [](onlyFun& f) {
                f.m_on_btnGrp_Function_clicked(0);
                f.m_on_btnGrp_Function_clicked(6);
            },
            QStringList()),
        key("F7 by mode: chroma, luma, none",
            [](onlyFun& f) {
                f.set_btnF7_state(2);
                f.m_on_btnF7_clicked();
                f.set_btnF7_state(1);
                f.m_on_btnF7_clicked();
                f.set_btnF7_state(7);
                f.m_on_btnF7_clicked();
            },
            L({"8c 01", "8b 01"}), kVy),
        key("pattern key press and release",
            [](onlyFun& f) {
                f.btn_pattern_pressed();
                f.btn_pattern_released();
            },
            L({"6b 01", "6b 00"})),
        key("AUX, HDR ON, camera menu, camera group toggles",
            [](onlyFun& f) {
                f.m_on_btn_aux_clicked();
                f.m_on_btn_hdr_on_clicked();
                f.m_on_btn_cam_meun_clicked();
                f.m_on_btn_grpsw_clicked();
                f.m_on_btn_grpsw_clicked();
            },
            L({"c8 01", "df 01", "70 01", "76 01", "76 00"})),
        key("HDR ON after the device reported on sends off",
            [](onlyFun& f) {
                f.setHDR_ON_Style(1);
                f.m_on_btn_hdr_on_clicked();
            },
            L({"df 00"})),
        key("DP/HDMI", [](onlyFun& f) { f.m_on_btn_DPorHDMI_clicked(); }, L({"af 01"})),
        guarded("HDR CFG key from 1, 2, 3",
                [](onlyFun& f) {
                    f.m_on_btn_hdr_cfg_clicked();
                    f.m_on_btn_hdr_cfg_clicked();
                    f.m_on_btn_hdr_cfg_clicked();
                },
                L({"e0 02", "e0 03", "e0 01"})),
        guarded("HDR CFG list 0 then key sends 1",
                [](onlyFun& f) {
                    f.m_on_btn_hdr_cfg_valueChanged(0);
                    f.m_on_btn_hdr_cfg_clicked();
                },
                L({"e0 00", "e0 01"})),
        guarded("resolution key on 4K wraps 4 -> 0",
                [](onlyFun& f) {
                    PGM_CURRENT_VAL = 4;
                    f.m_on_btn_reso_clicked();
                    f.m_on_btn_reso_clicked();
                },
                L({"a3 07", "a3 0b"})),
        guarded("resolution list index 3 and out-of-range indexes",
                [](onlyFun& f) {
                    f.PGM_currentIndexChanged(3);
                    f.PGM_currentIndexChanged(5);
                    f.PGM_currentIndexChanged(-1);
                },
                L({"a3 0d"})),
        key("camera keys",
            [](onlyFun& f) {
                f.m_on_btnGrp_Cam_clicked(4);
                f.m_on_btn_z_add_pressed();
                f.m_on_btn_z_add_released();
                f.m_on_btn_z_sub_pressed();
                f.m_on_btn_z_sub_released();
                f.m_on_btn_focus_add_pressed();
                f.m_on_btn_focus_add_released();
                f.m_on_btn_focus_sub_pressed();
                f.m_on_btn_focus_sub_released();
            },
            L({"af 04", "72 01", "72 00", "73 01", "73 00", "77 01", "77 00", "78 01", "78 00"})),
        key("keypad and presets",
            [](onlyFun& f) {
                f.m_on_btnGrp_Cal_clicked(9);
                f.m_on_btn_cal_cam_clicked();
                f.m_on_btn_cal_nom_clicked();
                f.m_on_btn_set_preset_clicked();
                f.m_on_btn_clear_preset_clicked();
                f.m_on_btn_goto_preset_clicked();
                f.m_on_btn_set_preset_pressed();
                f.m_on_btn_set_preset_released();
                f.m_on_btn_goto_preset_pressed();
                f.m_on_btn_goto_preset_released();
            },
            L({"7c 09", "7e", "7f", "79", "7a", "7b", "79 01", "79 00", "7b 01", "7b 00"})),
        key("reset", [](onlyFun& f) { f.btnReset_clicked(); }, L({"0b"})),
        key("SYNC. STATUS", [](onlyFun& f) { f.m_on_btn_ds_clicked(); }, L({"0a"})),
        key("SET asks for the version", [](onlyFun& f) { f.m_on_btnSet_clicked(); }, L({"49"})),
        guarded("GPI 1 and 6; an empty list sends nothing",
                [](onlyFun& f) {
                    f.GPI1_CurrentIndexChanged(2);
                    f.GPI6_CurrentIndexChanged(3);
                    f.GPI3_CurrentIndexChanged(-1);
                },
                L({"6e 00 02", "6e 05 03"})),
        guarded("fan mode and speed",
                [](onlyFun& f) {
                    f.setFAN_mod(1);
                    f.setFAN_speed(1920);
                    f.setFAN_mod(-1);
                },
                L({"6c 01", "6d 80 07"})),
        guarded("stream rate, video quality, read entry",
                [](onlyFun& f) {
                    f.setStreamRtmpRate(3);
                    f.setVideoQuality(2);
                    f.readStreamData(1);
                    f.setVideoQuality(-1);
                },
                L({"31 01 03", "31 00 02", "6a 01"})),
        guarded("PIP positions say nothing while the size re-ranges them",
                [](onlyFun& f) {
                    pipSizeFalg = true;
                    f.setSpboxHPosition(10);
                    f.setSpboxVPosition(10);
                    pipSizeFalg = false;
                    f.setCoboxSize(1);
                },
                L({"a2 01"})),
        guarded("POP window key twice, positions follow the window",
                [](onlyFun& f) {
                    f.setPOP_SpboxHPosition(100); // controls still disabled
                    f.setlwindowindex();
                    f.setPOP_SpboxHPosition(300);
                    f.setlwindowindex();
                    f.setPOP_SpboxVPosition(300);
                },
                L({"a8 02", "ac 2c 01", "a8 01"})),
        guarded("POP window 2 drives the PIP position commands",
                [](onlyFun& f) {
                    f.set_POP_WIN_Style(2);
                    f.setPOP_SpboxHPosition(258);
                    f.setPOP_SpboxVPosition(3);
                },
                L({"a0 02 01", "a1 03 00"})),
        guarded("joystick point", [](onlyFun& f) { f.getJoystickPoint(10, 64); }, L({"b5 0a 40"})),
        guarded("IP save without DNS",
                [](onlyFun& f) {
                    f.btnSaveIP_clicked(QStringLiteral("127.0.0.2"), QStringLiteral("255.255.255.0"),
                                        QStringLiteral("127.0.0.1"), 1);
                },
                L({"05 7f 00 00 02 ff ff ff 00 7f 00 00 01 01"})),
        guarded("IP save with DNS",
                [](onlyFun& f) {
                    f.btnSaveIP_clicked_DNS(QStringLiteral("127.0.0.2"), QStringLiteral("255.0.0.0"),
                                            QStringLiteral("127.0.0.1"), QStringLiteral("127.0.0.53"), 0);
                },
                L({"05 7f 00 00 02 ff 00 00 00 7f 00 00 01 00 7f 00 00 35"})),
        guarded("IP save refuses three parts, a part above 255, letters, an empty part",
                [](onlyFun& f) {
                    f.btnSaveIP_clicked(QStringLiteral("127.0.0"), QStringLiteral("255.255.255.0"),
                                        QStringLiteral("127.0.0.1"), 1);
                    f.btnSaveIP_clicked(QStringLiteral("127.0.0.300"), QStringLiteral("255.255.255.0"),
                                        QStringLiteral("127.0.0.1"), 1);
                    f.btnSaveIP_clicked(QStringLiteral("127.0.0.2"), QStringLiteral("255.x.255.0"),
                                        QStringLiteral("127.0.0.1"), 1);
                    f.btnSaveIP_clicked(QStringLiteral("127.0..2"), QStringLiteral("255.255.255.0"),
                                        QStringLiteral("127.0.0.1"), 1);
                    f.btnSaveIP_clicked_DNS(QStringLiteral("127.0.0.2"), QStringLiteral("255.0.0.0"),
                                            QStringLiteral("127.0.0.1"), QStringLiteral("8.8"), 0);
                    f.btnSaveIP_clicked_DNS(QStringLiteral("127.0.0.2"), QStringLiteral("255.0.0.0"),
                                            QStringLiteral("127.0.0.1"), QStringLiteral("8.8.8.256"), 0);
                },
                QStringList()),
        key("SRC on a model without a row sends nothing",
            [](onlyFun& f) {
                f.m_on_btn_src1_clicked();
                f.m_on_btn_src2_clicked();
                f.m_on_btn_src3_clicked();
            },
            QStringList(), kNoRow),
        key("SRC2 on the Vy edition steps through its table",
            [](onlyFun& f) {
                for (int i = 0; i < 7; ++i)
                    f.m_on_btn_src2_clicked();
            },
            L({"ba 03", "ba 04", "ba 05", "ba 06", "ba 07", "ba 08", "ba 00"}), kVy),
        key("SRC1 seven presses on the 4K edition",
            [](onlyFun& f) {
                for (int i = 0; i < 7; ++i)
                    f.m_on_btn_src1_clicked();
            },
            L({"b9 01", "b9 02", "b9 03", "b9 04", "b9 05", "b9 06", "b9 00"})),
        key("SRC1 continues after the device's source",
            [](onlyFun& f) {
                f.set_CH1_Style(5);
                f.m_on_btn_src1_clicked();
                f.set_CH1_Style(42); // not in the table: index stays
                f.m_on_btn_src1_clicked();
                f.set_CH3_Style(2);
                f.m_on_btn_src3_clicked();
            },
            L({"b9 06", "b9 00", "bb 03"})),
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
        QCOMPARE(r.initial, QStringList{QStringLiteral("0a")});

        updateDevStateEnable = guard;
        a.act(*r.fun);
        QCOMPARE(updateDevStateEnable, guard);
        QCOMPARE(r.frames(), guard ? a.expectedGuard : a.expected);
    }

    void firstFramesGoToTheDevice()
    {
        Rig r(k4K);
        r.fun->m_on_btnCut_clicked();
        const QList<QByteArray> f = r.rawFrames(1);
        QCOMPARE(f.size(), 1);
        QCOMPARE(f.first(), QByteArray::fromHex("a56c1400a5ff01000000000000000000834d03ae"));
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
            onlyFun& f = *r.fun;
            {
                DevStateGuard replying; // the device's level arrives through the fader
                ch == 1 ? f.m_on_verticalSlider_1_valueChanged(start) : f.m_on_verticalSlider_2_valueChanged(start);
            }
            QCOMPARE(r.frames(), QStringList());

            // The panel's fader follows the emitted level; its echo must not go out again.
            QSignalSpy vol(&f, ch == 1 ? &onlyFun::setSlider1Vol : &onlyFun::setSlider2Vol);
            auto echo = QObject::connect(&f, ch == 1 ? &onlyFun::setSlider1Vol : &onlyFun::setSlider2Vol,
                                         [&f, ch](uint8_t v) {
                                             ch == 1 ? f.m_on_verticalSlider_1_valueChanged(v)
                                                     : f.m_on_verticalSlider_2_valueChanged(v);
                                         });
            if (ch == 1)
                up ? f.m_on_btn_ch1_vol_add_clicked() : f.m_on_btn_ch1_vol_sub_clicked();
            else
                up ? f.m_on_btn_ch2_vol_add_clicked() : f.m_on_btn_ch2_vol_sub_clicked();
            QObject::disconnect(echo);

            QCOMPARE(vol.count(), 1);
            QCOMPARE(int(vol.first().first().value<uint8_t>()), level);
            QCOMPARE(r.frames(), QStringList{QStringLiteral("b8 %1 %2").arg(ch - 1, 2, 10, QLatin1Char('0'))
                                                 .arg(level, 2, 16, QLatin1Char('0'))});
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
        QCOMPARE(r.frames(), QStringList{QStringLiteral("b8 00 05")});
    }

    void functionGroupSignals()
    {
        Rig r(k4K);
        QSignalSpy spy(r.fun.get(), &onlyFun::set_Function_EnableSignals);
        r.fun->m_on_btnGrp_Function_clicked(1);
        r.fun->m_on_btnGrp_Function_clicked(3);
        r.fun->m_on_btnGrp_Function_clicked(0);
        QCOMPARE(spy.count(), 3);
        const QList<QVariant> afterLuma = spy.at(1);
        QCOMPARE(int(afterLuma.at(0).value<uint8_t>()), 3);
        QCOMPARE(afterLuma.mid(1), (QList<QVariant>{false, false, true, false, false}));
        const QList<QVariant> idZero = spy.at(2);
        QCOMPARE(int(idZero.at(0).value<uint8_t>()), 0);
        QCOMPARE(idZero.mid(1), (QList<QVariant>{false, false, true, false, false}));
    }

    void togglesEmitBeforeSending()
    {
        Rig r(k4K);
        QStringList order;
        QObject::connect(r.fun.get(), &onlyFun::setHDR_ON_EnableSignals, [&](bool on) {
            order << QStringLiteral("signal %1").arg(on);
            order << r.frames();
        });
        r.fun->m_on_btn_hdr_on_clicked();
        order << r.frames();
        QCOMPARE(order, (QStringList{QStringLiteral("signal 1"), QStringLiteral("df 01")}));

        QSignalSpy menu(r.fun.get(), &onlyFun::set_CAMMENU_StyleSignals);
        r.fun->m_on_btn_cam_meun_clicked();
        r.fun->m_on_btn_cam_meun_clicked();
        QCOMPARE(menu.count(), 2);
        QCOMPARE(int(menu.at(0).at(0).value<uint8_t>()), 1);
        QCOMPARE(int(menu.at(0).at(1).value<uint8_t>()), 1);
        QCOMPARE(int(menu.at(1).at(0).value<uint8_t>()), 0);
        QCOMPARE(int(menu.at(1).at(1).value<uint8_t>()), 0);
    }

    void popKeysTellThePage()
    {
        Rig r(k4K);
        QSignalSpy text(r.fun.get(), &onlyFun::setWinText);
        QSignalSpy border(r.fun.get(), &onlyFun::setWinBorderText);
        r.fun->setlwindowindex();
        QVERIFY(r.fun->popControlsEnabled());
        r.fun->setlwindowindex();
        QVERIFY(!r.fun->popControlsEnabled());
        r.fun->setbtnBorder_Enable();
        r.fun->setbtnBorder_Enable();
        QCOMPARE(text.count(), 2);
        QCOMPARE(text.at(0).at(0).toString(), QStringLiteral("2"));
        QCOMPARE(text.at(1).at(0).toString(), QStringLiteral("1"));
        QCOMPARE(border.count(), 2);
        QCOMPARE(border.at(0).at(0).toString(), QStringLiteral("ON"));
        QCOMPARE(border.at(1).at(0).toString(), QStringLiteral("OFF"));
    }

    void recorderKeysAskForTheStateAfterASecond()
    {
        Rig r(kVy);
        QSignalSpy pause(r.fun.get(), &onlyFun::m_on_Style_btnPause_Signals);
        QElapsedTimer t;
        t.start();
        r.fun->m_on_btn_rec_clicked(); // on
        QVERIFY(t.elapsed() >= 1000);
        QCOMPARE(r.frames(), (QStringList{QStringLiteral("b2 01"), QStringLiteral("0a")}));
        QVERIFY(r.fun->recording());
        QCOMPARE(pause.count(), 0);

        r.fun->m_on_btn_pause_clicked();
        QVERIFY(r.fun->paused());
        QCOMPARE(r.frames(), (QStringList{QStringLiteral("c7"), QStringLiteral("0a")}));

        r.fun->m_on_btn_rec_clicked(); // off: the pause lamp goes out first
        QCOMPARE(pause.count(), 1);
        QCOMPARE(pause.first().first().toBool(), false);
        QVERIFY(!r.fun->paused());
        QCOMPARE(r.frames(), (QStringList{QStringLiteral("b2 00"), QStringLiteral("0a")}));

        t.restart();
        r.fun->m_on_btn_pause_clicked(); // not recording: no frame, no wait
        QVERIFY(t.elapsed() < 500);
        QCOMPARE(r.frames(), QStringList());
    }

    void storageKeysWaitToo()
    {
        Rig r(kVy);
        QElapsedTimer t;
        t.start();
        r.fun->btn_btnUSB_clicked();
        r.fun->btn_btnSSD_clicked();
        QVERIFY(t.elapsed() >= 2000);
        QCOMPARE(r.frames(), (QStringList{QStringLiteral("52"), QStringLiteral("0a"), QStringLiteral("53"),
                                          QStringLiteral("0a")}));
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
        QCOMPARE(r.frames(), (QStringList{QStringLiteral("87 01"), QStringLiteral("83"), QStringLiteral("0a")}));
    }

    void streamIndexSelectsThenReads()
    {
        Rig r(k4K);
        r.fun->setStreamIndex(3);
        const QList<QByteArray> f = r.rawFrames(2);
        QCOMPARE(f.size(), 2);
        QCOMPARE(f.at(0), switcherFrame(0xE0, 0xFF, 0x6C, bytesOf({0x00, 0x03})));
        QCOMPARE(f.at(1), switcherFrame(0xE0, 0xFF, 0x6A, bytesOf({0x03})));

        {
            DevStateGuard replying; // the device's index: only read it back
            r.fun->setStreamIndex(1);
        }
        QCOMPARE(r.frames(), QStringList{QStringLiteral("6a 01")});

        r.fun->setStreamIndex(-1); // empty list
        QCOMPARE(r.frames(), QStringList());
    }

    void bottomButtons()
    {
        Rig r(0x60);
        QWidget panel;
        auto* set = new MyButton(&panel);
        auto* sync = new MyButton(&panel);
        auto* exit = new MyButton(&panel);
        auto* version = new QLabel(&panel);
        r.fun->setBottonFun(set, sync, exit, version);
        QCOMPARE(version->text(), QStringLiteral("V2.0.2"));

        QSignalSpy exits(r.fun.get(), &onlyFun::ExitSignals);
        set->click();
        sync->click();
        QCOMPARE(r.frames(), (QStringList{QStringLiteral("49"), QStringLiteral("0a")}));
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
        QCOMPARE(onlyFun::ValueChgInRange(value, 2, 0, 10, up, wrap), result);
    }

    void refusedIpKeepsTheTarget()
    {
        Rig r(k4K);
        r.fun->btnSaveIP_clicked(QStringLiteral("127.0.0.300"), QStringLiteral("255.255.255.0"),
                                 QStringLiteral("127.0.0.1"), 1);
        QCOMPARE(r.fun->link()->on_DevIP(), QStringLiteral("127.0.0.2"));
        r.fun->m_on_btnCut_clicked();
        QCOMPARE(r.frames(), QStringList{QStringLiteral("83")});
    }

    void modelTables_data()
    {
        QTest::addColumn<quint32>("type");
        QTest::addColumn<int>("srcLen");
        QTest::addColumn<quint32>("maxpgm");
        QTest::addColumn<bool>("pgm2");
        QTest::newRow("Vy 0x27") << quint32(0x27) << 7 << quint32(7) << false;
        QTest::newRow("Vy 0x28") << quint32(0x28) << 7 << quint32(7) << false;
        QTest::newRow("4K 0x69") << quint32(0x69) << 7 << quint32(5) << true;
        QTest::newRow("12 inputs 0x04") << quint32(0x04) << 13 << quint32(7) << false;
    }

    void modelTables()
    {
        QFETCH(quint32, type);
        QFETCH(int, srcLen);
        QFETCH(quint32, maxpgm);
        QFETCH(bool, pgm2);
        Rig r(type);
        QVERIFY(r.fun->sourceTable() != nullptr);
        QCOMPARE(r.fun->sourceTableLength(), srcLen);
        QCOMPARE(Maxpgm, maxpgm);
        QCOMPARE(PGM_TABLE_POINT, pgm2 ? PGM_TABLE_2 : PGM_TABLE_1);
    }

    void typeWithoutRowKeepsThePreviousResolutionTable()
    {
        rig::resetGlobals(kNoRow);
        PGM_TABLE_POINT = PGM_TABLE_2;
        Maxpgm = 5;
        onlyFun f(nullptr);
        rig::stopTimers(&f);
        QVERIFY(f.sourceTable() == nullptr);
        QCOMPARE(PGM_TABLE_POINT, PGM_TABLE_2);
        QCOMPARE(Maxpgm, quint32(5));
    }
};

QTEST_MAIN(TestControllerActions)
#include "tst_controller_actions.moc"
