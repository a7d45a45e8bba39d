// The 4K panel bound to a switcher on 127.0.0.2: what reaches the wire for the
// operator's keys, and what the switcher's replies light on the panel.

#include <QtTest>

#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QSlider>
#include <QTimer>

#include "audio_page.h"
#include "corvane.h"
#include "k4_frames.h"
#include "main_menu.h"
#include "model_tables.h"
#include "onlyfun.h"
#include "pattern_page.h"
#include "pip_page.h"
#include "support_page.h"
#include "panel_rig.h"
#include "zv_resources.h"

namespace {

const quint32 kIconStart[12] = {1, 12, 30, 39, 55, 64, 71, 78, 82, 88, 0, 0};
constexpr unsigned char kHeartbeat = 0x06;

QString face(const QString& set, const QString& file)
{
    return QStringLiteral("QPushButton{border-image:url(:/images/4k/%1/%2)}").arg(set, file);
}

QString wipeFace(const QString& set, int group, int icon)
{
    return face(set, QStringLiteral("special_effect/GROUP%1/SFX%2.png").arg(group).arg(icon));
}

QList<QUrl> g_openedUrls;
bool recordUrl(const QUrl& url)
{
    g_openedUrls << url;
    return true;
}

} // namespace

// Most tests share one panel (building one is the slow part under the
// sanitizers); those about a first dump or the panel's end get their own.
bool sharesThePanel()
{
    static const QSet<QByteArray> fresh = {"everyFaceHasItsPicture", "tbarSendsOnlyWhileDragged",
                                           "panelDestroyedDuringAFlash", "endOfRunIsForwardedAndTakesTheWindowsAlong",
                                           "dumpsThatAreNotApplied"};
    return !fresh.contains(QByteArray(QTest::currentTestFunction()));
}

class tst_k4_panel : public QObject
{
    Q_OBJECT

private:
    QScopedPointer<SwitcherWire> m_device;
    QPointer<Corvane> m_panel;

    QPushButton* key(const char* name) const
    {
        auto* b = m_panel->findChild<QPushButton*>(QLatin1String(name));
        if (!b)
            qFatal("no key %s", name);
        return b;
    }
    QString styleOf(const char* name) const
    {
        QWidget* w = m_panel->findChild<QWidget*>(QLatin1String(name));
        return w ? w->styleSheet() : QString();
    }
    QSlider* slider(const char* name) const { return m_panel->findChild<QSlider*>(QLatin1String(name)); }
    QList<QByteArray> commands() { return m_device->commands(); }
    QByteArray nextCommand() { return m_device->nextCommand(); }

private slots:
    void initTestCase()
    {
        zvInitResources();
        qRegisterMetaType<uint8_t>("uint8_t");
        setSupportPageOpener(&recordUrl);
        m_device.reset(new SwitcherWire);
        QVERIFY(m_device->isBound());
    }

    void init()
    {
        std::copy(std::begin(kIconStart), std::end(kIconStart), std::begin(ICON_CURRENT_INDEX));
        DEV_CHILD_TYPE = 0x69;
        updateDevStateEnable = false;
        if (!m_panel || !sharesThePanel()) {
            delete m_panel;
            commands();
            m_panel = new Corvane(nullptr);
            m_panel->DevTypeID(QStringLiteral("127.0.0.2"), 0xA5, 0xFF, QStringLiteral("0.0.0.0"), 0, 0);
            // Binding asks for the whole state first.
            QCOMPARE(nextCommand(), k4::command(0x0A));
        }
        commands();
    }

    void cleanup()
    {
        if (!sharesThePanel() || QTest::currentTestFailed())
            delete m_panel;
    }

    void cleanupTestCase() { delete m_panel; }

    void everyFaceHasItsPicture()
    {
        QStringList styles;
        for (QWidget* w : m_panel->findChildren<QWidget*>())
            styles << w->styleSheet();
        // Every lit face too, and each wipe group at every icon the controller can step to.
        for (uchar ch : {1, 2, 3, 4, 9}) {
            m_panel->set_PGMCH_Style(ch);
            m_panel->set_PVWCH_Style(ch);
            for (QWidget* w : m_panel->findChildren<QWidget*>())
                styles << w->styleSheet();
        }
        for (auto lamp : {&Corvane::on_Style_btnMUTE, &Corvane::on_Style_btnSRC1, &Corvane::on_Style_btnSRC2,
                          &Corvane::on_Style_btnCH1_VOL_ADD, &Corvane::on_Style_btnCH1_VOL_SUB,
                          &Corvane::on_Style_btnCH2_VOL_ADD, &Corvane::on_Style_btnCH2_VOL_SUB,
                          &Corvane::on_Style_btnF1, &Corvane::on_Style_btnF2, &Corvane::on_Style_btnF3,
                          &Corvane::on_Style_btnF4, &Corvane::on_Style_btnF5, &Corvane::on_Style_btnF6,
                          &Corvane::on_Style_btnF7, &Corvane::on_Style_btnF8, &Corvane::on_Style_btnF9,
                          &Corvane::on_Style_btnSTILL, &Corvane::on_Style_btnPattern, &Corvane::on_Style_btnPIP,
                          &Corvane::on_Style_btnPOP, &Corvane::on_Style_btnKey1, &Corvane::on_Style_btnKey2,
                          &Corvane::on_Style_btnKey3, &Corvane::on_Style_btnCut, &Corvane::on_Style_btnAuto,
                          &Corvane::on_Style_btnFTB, &Corvane::on_Style_label_lightUP,
                          &Corvane::on_Style_label_lightDown})
            (m_panel.data()->*lamp)(true);
        for (int r = 0; r < 3; ++r)
            m_panel->on_Style_btnRate_green(r);
        m_panel->on_Style_btnTransitions_green(0);
        m_panel->on_Style_btnAFV_green();
        m_panel->on_Style_btnAUDIOMIX_green();
        for (QWidget* w : m_panel->findChildren<QWidget*>())
            styles << w->styleSheet();
        for (int g = 1; g <= 10; ++g) {
            for (quint32 icon = ICON_GROUP_Table[g - 1][0]; icon <= ICON_GROUP_Table[g - 1][1]; ++icon) {
                ICON_CURRENT_INDEX[g - 1] = icon;
                styles << Corvane::wipeFaceStyle(g, false) << Corvane::wipeFaceStyle(g, true);
            }
        }
        const QRegularExpression url(QStringLiteral("url\\(([^)]*)\\)"));
        int checked = 0;
        for (const QString& style : qAsConst(styles)) {
            auto it = url.globalMatch(style);
            while (it.hasNext()) {
                const QString path = it.next().captured(1).trimmed();
                QVERIFY2(QFile::exists(path), qPrintable(path));
                ++checked;
            }
        }
        QVERIFY(checked > 200);
    }

    void heartbeatEverySecond()
    {
        m_device->capture().takeAll();
        QVERIFY(m_device->capture().waitForCount(2, 2500));
        const QList<CapturedDatagram> got = m_device->capture().takeAll();
        QVERIFY(got.size() >= 2);
        QCOMPARE(got.at(0).data, k4::command(kHeartbeat));
        QCOMPARE(got.at(1).data, k4::command(kHeartbeat));
    }

    // ---- keys -------------------------------------------------------------

    void wipeGroupKeys_data()
    {
        QTest::addColumn<int>("group");
        QTest::addColumn<int>("code");
        QTest::addColumn<int>("first");
        const int firsts[10] = {1, 12, 30, 39, 55, 64, 71, 78, 82, 88};
        for (int g = 1; g <= 10; ++g)
            QTest::addRow("group %d", g) << g << 115 + g << firsts[g - 1];
    }
    void wipeGroupKeys()
    {
        QFETCH(int, group);
        QFETCH(int, code);
        QFETCH(int, first);
        const QByteArray name = "btnGroup" + QByteArray::number(group);

        QTest::mouseClick(key(name.constData()), Qt::LeftButton);
        QCOMPARE(nextCommand(), k4::command(0x92, uchar(code)));
        QCOMPARE(styleOf(name.constData()), wipeFace("green", group, first));

        // A second press on the selected group steps its icon; the code stays the group's.
        QTest::mouseClick(key(name.constData()), Qt::LeftButton);
        QCOMPARE(nextCommand(), k4::command(0x92, uchar(code)));
        QCOMPARE(int(ICON_CURRENT_INDEX[group - 1]), first + 1);
        QCOMPARE(styleOf(name.constData()), wipeFace("green", group, first + 1));
    }

    void wipeGroupWrapsToItsFirstIcon()
    {
        ICON_CURRENT_INDEX[9] = 102;
        QTest::mouseClick(key("btnGroup10"), Qt::LeftButton);
        QCOMPARE(nextCommand(), k4::command(0x92, 125));
        QTest::mouseClick(key("btnGroup10"), Qt::LeftButton);
        QCOMPARE(nextCommand(), k4::command(0x92, 125));
        QCOMPARE(int(ICON_CURRENT_INDEX[9]), 88);
        QCOMPARE(styleOf("btnGroup10"), wipeFace("green", 10, 88));
    }

    void patternKeyHoldsColourBar()
    {
        QPushButton* pattern = key("btn_key_pattern");
        QTest::mousePress(pattern, Qt::LeftButton);
        QCOMPARE(nextCommand(), k4::command(0x6B, 1));
        QTest::mouseRelease(pattern, Qt::LeftButton);
        QCOMPARE(nextCommand(), k4::command(0x6B, 0));
        // The acknowledgement flash ran after the release and is over.
        QCOMPARE(styleOf("btn_key_pattern"), face("default", "pattern.png"));
        QVERIFY(commands().isEmpty());
    }

    void cutFlashesBeforeItsCommand()
    {
        QElapsedTimer t;
        t.start();
        QTest::mouseClick(key("btn_cut"), Qt::LeftButton);
        QVERIFY2(t.elapsed() >= 290, "CUT went out before its 300 ms flash ended");
        QCOMPARE(nextCommand(), k4::command(0x83));
        QCOMPARE(styleOf("btn_cut"), face("default", "cut.png"));
    }

    // Presses of one key in a row: the frame of each press, and the key's face after the last.
    void keyPresses_data()
    {
        QTest::addColumn<QByteArray>("name");
        QTest::addColumn<QList<QByteArray>>("frames");
        QTest::addColumn<QString>("faceAfter");
        using k4::command;
        QTest::newRow("PGM 3") << QByteArray("btn_pgm_3") << QList<QByteArray>{command(0x80, 3)}
                               << face("red", "3 big 1.png");
        QTest::newRow("PVW bar") << QByteArray("btn_pvw_bar") << QList<QByteArray>{command(0x81, 9)}
                                 << face("green", "bar big 2.png");
        QTest::newRow("FADE") << QByteArray("btn_fade") << QList<QByteArray>{command(0x8E)} << face("green", "fade.png");
        QTest::newRow("MIX") << QByteArray("btn_mix") << QList<QByteArray>{command(0x8D)} << face("green", "mix.png");
        QTest::newRow("mute on, off") << QByteArray("btn_mute") << QList<QByteArray>{command(0xD6), command(0xD6)}
                                      << face("default", "mute.png");
        QTest::newRow("mute on") << QByteArray("btn_mute") << QList<QByteArray>{command(0xD6)}
                                 << face("green", "mute.png");
        QTest::newRow("HDR on") << QByteArray("btn_F8") << QList<QByteArray>{command(0xDF, 1)} << face("green", "f8.png");
        QTest::newRow("HDR off") << QByteArray("btn_F8") << QList<QByteArray>{command(0xDF, 0)}
                                 << face("default", "f8.png");
        QTest::newRow("HDR config cycles") << QByteArray("btn_F7")
                                           << QList<QByteArray>{command(0xE0, 2), command(0xE0, 3), command(0xE0, 1)}
                                           << face("default", "f7.png");
    }
    void keyPresses()
    {
        QFETCH(QByteArray, name);
        QFETCH(QList<QByteArray>, frames);
        QFETCH(QString, faceAfter);
        for (const QByteArray& frame : frames) {
            QTest::mouseClick(key(name.constData()), Qt::LeftButton);
            QCOMPARE(nextCommand(), frame);
        }
        QCOMPARE(styleOf(name.constData()), faceAfter);
        QVERIFY(m_device->nothingSent());
    }

    void micConfigKeyOpensAudioPage()
    {
        QSignalSpy shown(m_panel.data(), &Corvane::show_mic_cfg);
        QTest::mouseClick(key("btn_F3"), Qt::LeftButton);
        QCOMPARE(nextCommand(), k4::command(0xDD));
        QCOMPARE(shown.count(), 1);
        QCOMPARE(shown.at(0).at(0).toBool(), true);
        QVERIFY(static_cast<QWidget*>(m_panel->audioPage())->isVisible());
        QCOMPARE(styleOf("btn_F3"), face("default", "F3.png"));
    }

    void inertKeysSendNothing_data()
    {
        QTest::addColumn<QByteArray>("name");
        for (const char* n : {"btn_F4", "btn_F5", "btn_F6", "btn_F9"})
            QTest::newRow(n) << QByteArray(n);
    }
    void inertKeysSendNothing()
    {
        QFETCH(QByteArray, name);
        const QString before = styleOf(name.constData());
        QTest::mouseClick(key(name.constData()), Qt::LeftButton);
        QVERIFY(m_device->nothingSent());
        QCOMPARE(styleOf(name.constData()), before);
    }

    void afvDisablesSourceKeys()
    {
        QTest::mouseClick(key("btn_audio_afv"), Qt::LeftButton);
        QCOMPARE(nextCommand(), k4::command(0xB6, 0));
        QVERIFY(!key("btn_src1")->isEnabled());
        QVERIFY(!key("btn_src2")->isEnabled());
        QTest::mouseClick(key("btn_audio_mix"), Qt::LeftButton);
        QCOMPARE(nextCommand(), k4::command(0xB6, 1));
        QVERIFY(key("btn_src1")->isEnabled());
        m_panel->setBtnAFVorMIXStyle(2);
        QVERIFY(key("btn_src1")->isEnabled());
        QCOMPARE(styleOf("btn_audio_mix"), face("default", "mix.png"));
    }

    void tbarSendsOnlyWhileDragged()
    {
        QSlider* tbar = slider("verticalSlider_4");
        tbar->setValue(40);  // not a drag: nothing goes out
        QVERIFY(m_device->nothingSent());
        tbar->setSliderDown(true);
        tbar->setSliderPosition(60);
        QCOMPARE(nextCommand(), k4::command(0x82, QByteArray("\x00\x01", 2)));
        QCOMPARE(nextCommand(), k4::command(0x82, QByteArray("\x00\x3c", 2)));
        QCOMPARE(styleOf("btn_auto"), face("red", "auto.png"));
        QVERIFY(!key("btn_cut")->isEnabled());
        tbar->setSliderDown(false);
    }

    void panelDestroyedDuringAFlash_data()
    {
        QTest::addColumn<QByteArray>("name");
        for (const char* n : {"btn_cut", "btn_src1"})
            QTest::newRow(n) << QByteArray(n);
    }
    void panelDestroyedDuringAFlash()
    {
        QFETCH(QByteArray, name);
        QPushButton* k = key(name.constData());
        QTimer::singleShot(100, m_panel.data(), [this] { delete m_panel; });
        k->click();  // returns once the flash's wait is over
        QVERIFY(m_panel.isNull());
        // The panel's controller went with it: the key's command never leaves.
        QVERIFY(m_device->nothingSent());
    }

    void helpLinkOpensSupportPageOnly()
    {
        g_openedUrls.clear();
        QTest::mouseClick(key("btn_help"), Qt::LeftButton);
        QCOMPARE(g_openedUrls.size(), 1);
        QCOMPARE(g_openedUrls.at(0), supportPageUrl());
        QVERIFY(m_device->nothingSent());
    }

    void settingsKeyAndBack()
    {
        m_panel->show();
        QTest::mouseClick(key("btnSet"), Qt::LeftButton);
        QVERIFY(!m_panel->isVisible());
        QVERIFY(m_panel->mainMenu()->isVisible());
        emit m_panel->mainMenu()->goBack();
        QVERIFY(m_panel->isVisible());
        QVERIFY(!m_panel->mainMenu()->isVisible());
    }

    void endOfRunIsForwardedAndTakesTheWindowsAlong()
    {
        QSignalSpy ended(m_panel.data(), &Corvane::ExitSignals);
        emit m_panel->controller()->ExitSignals();
        QCOMPARE(ended.count(), 1);
        QPointer<QWidget> menu(m_panel->mainMenu());
        QPointer<QWidget> audio(static_cast<QWidget*>(m_panel->audioPage()));
        m_panel->show();
        m_panel->close();  // deletes itself
        QTRY_VERIFY(m_panel.isNull());
        QVERIFY(menu.isNull());
        QVERIFY(audio.isNull());
    }

    void ftbBlinksUntilPressedAgain()
    {
        QTest::mouseClick(key("btn_ftb"), Qt::LeftButton);
        QCOMPARE(nextCommand(), k4::command(0x85));
        QVERIFY(m_panel->ftbBlinking());
        QTRY_COMPARE_WITH_TIMEOUT(styleOf("btn_ftb"), face("red", "FTB.png"), 1500);
        QTRY_COMPARE_WITH_TIMEOUT(styleOf("btn_ftb"), face("default", "FTB.png"), 1500);
        QTest::mouseClick(key("btn_ftb"), Qt::LeftButton);
        QVERIFY(!m_panel->ftbBlinking());
        QCOMPARE(styleOf("btn_ftb"), face("default", "FTB.png"));
    }

    // ---- replies ----------------------------------------------------------

    void dumpLightsKeysAndSendsNothing()
    {
        using namespace k4;
        // A state dump as the switcher sends it, over the wire.
        const QByteArray dump = stateDump({{rPgm, 3}, {rPvw, 9}, {rAudioMode, 0}, {rCh1Level, 40}, {rCh2Level, 70},
                                           {rMaster, 90}, {rTrans, 4}, {rWipe, 34}, {rGroup1, 5}, {rGroup1 + 1, 20},
                                           {rGroup1 + 2, 34}, {rGroup1 + 9, 90}, {rStill, 1}, {rRate, 1},
                                           {rMute, 255}, {rHdr, 0x05}});
        QSignalSpy applied(m_panel->controller(), &onlyFun::getDateSignals);
        m_device->reply(dump);
        QVERIFY(applied.wait(2000));

        QCOMPARE(styleOf("btn_pgm_3"), face("red", "3 big 1.png"));
        QCOMPARE(styleOf("btn_pvw_bar"), face("green", "bar big 2.png"));
        QCOMPARE(styleOf("btn_audio_afv"), face("green", "AFV.png"));
        QCOMPARE(slider("verticalSlider_1")->value(), 40);
        QCOMPARE(slider("verticalSlider_master")->value(), 90);
        // Group bytes are stored less one; the wipe byte picks the lit group.
        QCOMPARE(styleOf("btnGroup1"), wipeFace("default", 1, 4));
        QCOMPARE(styleOf("btnGroup2"), wipeFace("default", 2, 19));
        QCOMPARE(styleOf("btnGroup3"), wipeFace("green", 3, 33));
        QCOMPARE(styleOf("btnGroup10"), wipeFace("default", 10, 89));
        QCOMPARE(styleOf("btn_rate2"), face("green", "Rate 2.png"));
        QCOMPARE(styleOf("btn_mute"), face("green", "mute.png"));
        QCOMPARE(styleOf("btn_F8"), face("green", "f8.png"));
        QVERIFY(!updateDevStateEnable);

        QVERIFY2(m_device->nothingSent(), "applying the switcher's state sent a command back");
    }

    void repeatedDumpTouchesNothing()
    {
        const QByteArray dump = k4::stateDump({{k4::rPgm, 2}, {k4::rRate, 0}});
        m_panel->getDate(dump);
        QCOMPARE(styleOf("btn_pgm_2"), face("red", "2 big 2.png"));
        m_panel->set_PGMCH_Style(4);
        m_panel->set_Rate_Style(2);
        m_panel->getDate(dump);
        QCOMPARE(styleOf("btn_pgm_4"), face("red", "4 big 1.png"));
        QCOMPARE(styleOf("btn_rate3"), face("green", "Rate 3.png"));
        // A change is applied.
        m_panel->getDate(k4::stateDump({{k4::rPgm, 1}, {k4::rRate, 0}}));
        QCOMPARE(styleOf("btn_pgm_1"), face("red", "1 big 1.png"));
        QCOMPARE(styleOf("btn_rate3"), face("green", "Rate 3.png"));
    }

    void muteFollowsOnlyZeroAnd255_data()
    {
        QTest::addColumn<QList<int>>("bytes");
        QTest::addColumn<bool>("lit");
        QTest::newRow("128 first") << QList<int>{128} << false;
        QTest::newRow("0 then 255") << QList<int>{0, 255} << true;
        QTest::newRow("255 then 5") << QList<int>{255, 5} << true;
        QTest::newRow("255 then 0") << QList<int>{255, 0} << false;
        QTest::newRow("1 first") << QList<int>{1} << false;
    }
    void muteFollowsOnlyZeroAnd255()
    {
        QFETCH(QList<int>, bytes);
        QFETCH(bool, lit);
        m_panel->getDate(k4::stateDump({{k4::rMute, 0}}));
        for (int b : bytes)
            m_panel->getDate(k4::stateDump({{k4::rMute, uchar(b)}}));
        QCOMPARE(m_panel->muteOn(), lit);
        QCOMPARE(styleOf("btn_mute"), face(lit ? "green" : "default", "mute.png"));
    }

    void dumpsThatAreNotApplied_data()
    {
        QTest::addColumn<QByteArray>("dump");
        QTest::newRow("110 bytes") << k4::stateDump({{k4::rPgm, 3}}, 110);
        QTest::newRow("record status 1") << k4::stateDump({{k4::rPgm, 3}}, 140, 1);
        QTest::newRow("header only") << k4::stateDump({{k4::rPgm, 3}}, 20);
        QByteArray wrongType = k4::stateDump({{k4::rPgm, 3}});
        wrongType[16] = char(0x0B);
        QTest::newRow("type 0x0B") << wrongType;
    }
    void dumpsThatAreNotApplied()
    {
        QFETCH(QByteArray, dump);
        m_panel->getDate(dump);
        QCOMPARE(styleOf("btn_pgm_3"), face("default", "3 big 1.png"));
        QVERIFY(!m_panel->hasPreviousDump());
        // The next whole dump is still the first one and is applied whole.
        m_panel->getDate(k4::stateDump({{k4::rPgm, 3}}, 111));
        QCOMPARE(styleOf("btn_pgm_3"), face("red", "3 big 1.png"));
        QVERIFY(m_panel->hasPreviousDump());
    }

    void zeroGroupByteNamesNoPicture()
    {
        m_panel->getDate(k4::stateDump({{k4::rTrans, 4}, {k4::rWipe, 0}, {k4::rGroup1, 0}}));
        QCOMPARE(styleOf("btnGroup1"), wipeFace("green", 1, -1));
    }

    void recordStatusOnlyForTheFifthRowType()
    {
        // W bit 1: recording; bit 10: streaming.
        const QByteArray dump = k4::stateDump({}, 140, 0, (1u << 1) | (1u << 10));
        m_panel->getDate(dump);
        QVERIFY(!m_panel->controller()->recording());
        QVERIFY(!m_panel->controller()->streaming());

        DEV_CHILD_TYPE = HardwareID_Table[4][HW_TYPE];
        m_panel->getDate(k4::stateDump({{k4::rPgm, 1}}, 140, 0, (1u << 1) | (1u << 10)));
        QVERIFY(m_panel->controller()->recording());
        QVERIFY(m_panel->controller()->streaming());
    }

    void cameraFieldsAndF7ModeAreNotRead()
    {
        QSignalSpy f7(m_panel->controller(), &onlyFun::setF7Widget);
        QSignalSpy cam(m_panel->controller(), &onlyFun::set_CAMMENU_StyleSignals);
        m_panel->getDate(k4::stateDump({{k4::rCamMenu, 1}, {k4::rCamAddress, 7}, {k4::rF7Mode, 2}}));
        QCOMPARE(f7.count(), 0);
        QCOMPARE(cam.count(), 0);
        QCOMPARE(int(m_panel->controller()->f7Mode()), 0);
    }

    void functionPagesFollowTheDevice()
    {
        m_panel->set_Function_Enable(5, false, false, false, false, true);
        QVERIFY(static_cast<QWidget*>(m_panel->patternPage())->isVisible());
        QCOMPARE(styleOf("btn_key3"), face("green", "pattern.png"));
        m_panel->set_Function_Enable(1, true, false, false, false, false);
        QVERIFY(!static_cast<QWidget*>(m_panel->patternPage())->isVisible());
        QVERIFY(static_cast<QWidget*>(m_panel->pipPage())->isVisible());
        QCOMPARE(styleOf("btn_pip"), face("green", "pip.png"));
        QCOMPARE(styleOf("btn_key3"), face("default", "pattern.png"));
    }

    // The decoding itself is tst_record_apply's; here the panel's lever, lamps and AUTO follow it.
    void tbarReply()
    {
        slider("verticalSlider_4")->setValue(10);
        commands();
        m_panel->getTXSliderDate(k4::reply(0x82, QByteArray("\x00\x01\x40", 3)));
        QCOMPARE(slider("verticalSlider_4")->value(), 63);
        QCOMPARE(styleOf("btn_auto"), face("red", "auto.png"));
        QVERIFY(styleOf("label_lightUP").contains("green/on.png"));
        QVERIFY(!styleOf("label_lightDown").contains("green/on.png"));
        // The lever moved by the switcher is not sent back, and CUT/AUTO keep their state.
        QVERIFY(key("btn_cut")->isEnabled());
        QVERIFY(m_device->nothingSent());
    }

    void popWindowReplyEnablesPopFields()
    {
        m_panel->getPOPWinState(k4::reply(0x6F, QByteArray("\x00\x01", 2)));
        QVERIFY(m_panel->controller()->popControlsEnabled());
        m_panel->getPOPWinState(k4::reply(0x6F, QByteArray("\x00\x00", 2)));
        QVERIFY(!m_panel->controller()->popControlsEnabled());
    }
};

QTEST_MAIN(tst_k4_panel)
#include "tst_k4_panel.moc"
