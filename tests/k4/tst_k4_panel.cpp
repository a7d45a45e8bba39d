// The 4K panel bound to a switcher on 127.0.0.2: what reaches the wire for the
// operator's keys, and what the switcher's replies light on the panel.

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

#include <QTimer>
#include <QtTest>

namespace {

const quint32 kIconStart[12] = {1, 12, 30, 39, 55, 64, 71, 78, 82, 88, 0, 0};

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

class tst_k4_panel : public QObject
{
    Q_OBJECT

private:
    // Those about a first dump, the T-bar's drag or the panel's end get a panel of their own.
    PanelFixture<Corvane> m_rig{{"everyFaceHasItsPicture", "tbarSendsOnlyWhileDragged",
                                 "endOfRunIsForwardedAndTakesTheWindowsAlong", "firstWholeDumpAppliesEverything"}};
    QScopedPointer<SwitcherWire> m_device;
    QPointer<Corvane>& m_panel = m_rig.panel;

    QPushButton* key(const char* name) const { return m_rig.w(name); }
    QString styleOf(const char* name) const { return m_rig.face(name); }
    QSlider* slider(const char* name) const { return m_rig.w<QSlider>(name); }
    QList<QByteArray> commands() { return m_device->commands(); }
    QByteArray nextCommand() { return m_device->nextCommand(); }

private slots:
    void initTestCase()
    {
        zvInitResources();
        qRegisterMetaType<uint8_t>("uint8_t");
        setSupportPageOpener(&recordUrl);
        m_device.reset(m_rig.wire = new SwitcherWire);
        QVERIFY(m_device->isBound());
    }
    void init()
    {
        std::copy(std::begin(kIconStart), std::end(kIconStart), std::begin(ICON_CURRENT_INDEX));
        QVERIFY(m_rig.init(0x69));
    }
    void cleanup()
    {
        QVERIFY(!updateDevStateEnable);
        m_rig.cleanup();
    }
    void cleanupTestCase() { delete m_panel; }

    void everyFaceHasItsPicture()
    {
        QStringList styles;
        // Every face, lit and unlit, and each wipe group at every icon the controller can step to.
        for (uchar ch : {1, 2, 3, 4, 9}) {
            m_panel->set_PGMCH_Style(ch);
            m_panel->set_PVWCH_Style(ch);
            for (QWidget* w : m_panel->findChildren<QWidget*>())
                styles << w->styleSheet();
        }
        using C = Corvane;
        for (auto lamp : {&C::on_Style_btnMUTE, &C::on_Style_btnSRC1, &C::on_Style_btnSRC2, &C::on_Style_btnCH1_VOL_ADD,
                          &C::on_Style_btnCH1_VOL_SUB, &C::on_Style_btnCH2_VOL_ADD, &C::on_Style_btnCH2_VOL_SUB,
                          &C::on_Style_btnF1, &C::on_Style_btnF2, &C::on_Style_btnF3, &C::on_Style_btnF4,
                          &C::on_Style_btnF5, &C::on_Style_btnF6, &C::on_Style_btnF7, &C::on_Style_btnF8,
                          &C::on_Style_btnF9, &C::on_Style_btnSTILL, &C::on_Style_btnPattern, &C::on_Style_btnPIP,
                          &C::on_Style_btnPOP, &C::on_Style_btnKey1, &C::on_Style_btnKey2, &C::on_Style_btnKey3,
                          &C::on_Style_btnCut, &C::on_Style_btnAuto, &C::on_Style_btnFTB, &C::on_Style_label_lightUP,
                          &C::on_Style_label_lightDown})
            (m_panel.data()->*lamp)(true);
        for (int r : {0, 1, 2})
            m_panel->on_Style_btnRate_green(r);
        m_panel->on_Style_btnTransitions_green(0);
        m_panel->on_Style_btnAFV_green();
        m_panel->on_Style_btnAUDIOMIX_green();
        for (QWidget* w : m_panel->findChildren<QWidget*>())
            styles << w->styleSheet();
        for (int g = 1; g <= 10; ++g)
            for (quint32 icon = ICON_GROUP_Table[g - 1][0]; icon <= ICON_GROUP_Table[g - 1][1]; ++icon) {
                ICON_CURRENT_INDEX[g - 1] = icon;
                styles << Corvane::wipeFaceStyle(g, false) << Corvane::wipeFaceStyle(g, true);
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

    // ---- keys -------------------------------------------------------------

    // The first press selects the group at its current icon, a second steps it; the code stays the group's.
    void wipeGroupKeys_data()
    {
        QTest::addColumn<int>("group");
        QTest::addColumn<int>("icon");
        QTest::addColumn<int>("stepped");
        for (int g = 1; g <= 10; ++g)
            QTest::addRow("group %d", g) << g << int(kIconStart[g - 1]) << int(kIconStart[g - 1]) + 1;
        QTest::newRow("group 10 wraps to its first icon") << 10 << 102 << 88;
    }
    void wipeGroupKeys()
    {
        QFETCH(int, group);
        QFETCH(int, icon);
        QFETCH(int, stepped);
        const QByteArray name = "btnGroup" + QByteArray::number(group);
        ICON_CURRENT_INDEX[group - 1] = quint32(icon);
        for (int at : {icon, stepped}) {
            QTest::mouseClick(key(name.constData()), Qt::LeftButton);
            QCOMPARE(nextCommand(), k4::command(0x92, uchar(115 + group)));
            QCOMPARE(styleOf(name.constData()), wipeFace("green", group, at));
        }
        QCOMPARE(int(ICON_CURRENT_INDEX[group - 1]), stepped);
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

    // Presses of one key in a row: the frame of each press, and the key's face after the last.
    void keyPresses_data()
    {
        QTest::addColumn<QByteArray>("name");
        QTest::addColumn<QList<QByteArray>>("frames");
        QTest::addColumn<QString>("faceAfter");
        using k4::command;
        auto row = [](const char* tag, const char* name, QList<QByteArray> frames, const QString& after) {
            QTest::newRow(tag) << QByteArray(name) << frames << after;
        };
        row("PGM 3", "btn_pgm_3", {command(0x80, 3)}, face("red", "3 big 1.png"));
        row("PVW bar", "btn_pvw_bar", {command(0x81, 9)}, face("green", "bar big 2.png"));
        row("FADE", "btn_fade", {command(0x8E)}, face("green", "fade.png"));
        row("MIX", "btn_mix", {command(0x8D)}, face("green", "mix.png"));
        row("CUT", "btn_cut", {command(0x83)}, face("default", "cut.png"));
        row("mute on, off", "btn_mute", {command(0xD6), command(0xD6)}, face("default", "mute.png"));
        row("mute on", "btn_mute", {command(0xD6)}, face("green", "mute.png"));
        row("HDR on", "btn_F8", {command(0xDF, 1)}, face("green", "f8.png"));
        row("HDR off", "btn_F8", {command(0xDF, 0)}, face("default", "f8.png"));
        row("HDR config cycles", "btn_F7", {command(0xE0, 2), command(0xE0, 3), command(0xE0, 1)},
            face("default", "f7.png"));
        // Keys without a function on this model send nothing and keep their face.
        for (const char* n : {"btn_F4", "btn_F5", "btn_F6", "btn_F9"})
            row(n, n, {}, QString());
    }
    void keyPresses()
    {
        QFETCH(QByteArray, name);
        QFETCH(QList<QByteArray>, frames);
        QFETCH(QString, faceAfter);
        const QString before = styleOf(name.constData());
        for (const QByteArray& frame : frames) {
            QTest::mouseClick(key(name.constData()), Qt::LeftButton);
            QCOMPARE(nextCommand(), frame);
        }
        QCOMPARE(styleOf(name.constData()), faceAfter.isNull() ? before : faceAfter);
        QVERIFY(m_device->nothingSent());
    }

    void micConfigKeyOpensAudioPage()
    {
        QSignalSpy shown(m_panel.data(), &Corvane::show_mic_cfg);
        QTest::mouseClick(key("btn_F3"), Qt::LeftButton);
        QCOMPARE(nextCommand(), k4::command(0xDD));
        QCOMPARE(shown.count(), 1);
        QVERIFY(shown.at(0).at(0).toBool() && static_cast<QWidget*>(m_panel->audioPage())->isVisible());
    }

    void afvDisablesSourceKeys()
    {
        QTest::mouseClick(key("btn_audio_afv"), Qt::LeftButton);
        QCOMPARE(nextCommand(), k4::command(0xB6, 0));
        QVERIFY(!key("btn_src1")->isEnabled() && !key("btn_src2")->isEnabled());
        // A mode the panel does not know unlights both and keeps the enabling.
        QTest::mouseClick(key("btn_audio_mix"), Qt::LeftButton);
        QCOMPARE(nextCommand(), k4::command(0xB6, 1));
        m_panel->setBtnAFVorMIXStyle(2);
        QVERIFY(key("btn_src1")->isEnabled() && !styleOf("btn_audio_mix").contains("green"));
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

    void helpLinkOpensSupportPageOnly()
    {
        g_openedUrls.clear();
        QTest::mouseClick(key("btn_help"), Qt::LeftButton);
        QCOMPARE(g_openedUrls, QList<QUrl>{supportPageUrl()});
        QVERIFY(m_device->nothingSent());
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
        QVERIFY(menu.isNull() && audio.isNull());
    }

    void ftbBlinksUntilPressedAgain()
    {
        QTest::mouseClick(key("btn_ftb"), Qt::LeftButton);
        QCOMPARE(nextCommand(), k4::command(0x85));
        QTRY_COMPARE_WITH_TIMEOUT(styleOf("btn_ftb"), face("red", "FTB.png"), 10000);
        QTest::mouseClick(key("btn_ftb"), Qt::LeftButton);
        QVERIFY(!m_panel->ftbBlinking());
        QCOMPARE(styleOf("btn_ftb"), face("default", "FTB.png"));
    }

    // ---- replies ----------------------------------------------------------

    void dumpLightsKeysAndSendsNothing()
    {
        using namespace k4;
        // Over the wire. Group bytes are stored less one; the wipe byte picks the lit group.
        const QByteArray dump = stateDump({{rPgm, 3}, {rPvw, 9}, {rCh1Level, 40}, {rMaster, 90}, {rTrans, 4},
                                           {rWipe, 34}, {rGroup1, 5}, {rGroup1 + 2, 34}, {rRate, 1}, {rHdr, 0x05}});
        QSignalSpy applied(m_panel->controller(), &onlyFun::getDateSignals);
        m_device->reply(dump);
        QVERIFY(applied.wait(10000));
        QCOMPARE(styleOf("btn_pgm_3"), face("red", "3 big 1.png"));
        QCOMPARE(styleOf("btn_pvw_bar"), face("green", "bar big 2.png"));
        QCOMPARE(slider("verticalSlider_1")->value(), 40);
        QCOMPARE(slider("verticalSlider_master")->value(), 90);
        QCOMPARE(styleOf("btnGroup1"), wipeFace("default", 1, 4));
        QCOMPARE(styleOf("btnGroup3"), wipeFace("green", 3, 33));
        QCOMPARE(styleOf("btn_rate2"), face("green", "Rate 2.png"));
        QCOMPARE(styleOf("btn_F8"), face("green", "f8.png"));
        QVERIFY2(m_device->nothingSent(), "applying the switcher's state sent a command back");
        // The same dump again touches nothing.
        m_panel->set_PGMCH_Style(4);
        m_panel->getDate(dump);
        QCOMPARE(styleOf("btn_pgm_4"), face("red", "4 big 1.png"));
        // A zero group byte names no picture.
        m_panel->getDate(stateDump({{rTrans, 4}, {rWipe, 0}, {rGroup1, 0}}));
        QCOMPARE(styleOf("btnGroup1"), wipeFace("green", 1, -1));
    }

    void muteFollowsOnlyZeroAnd255_data()
    {
        QTest::addColumn<QList<int>>("bytes");
        QTest::addColumn<bool>("lit");
        QTest::newRow("128 first") << QList<int>{128} << false;
        QTest::newRow("0 then 255") << QList<int>{0, 255} << true;
        QTest::newRow("255 then 5") << QList<int>{255, 5} << true;
        QTest::newRow("255 then 0") << QList<int>{255, 0} << false;
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

    // On a fresh panel: a dump one byte short is dropped and not kept for comparison;
    // the next whole one is the first and is applied whole.
    void firstWholeDumpAppliesEverything()
    {
        m_panel->getDate(k4::stateDump({{k4::rPgm, 3}}, DevState::minDumpSize(DevState::kThroughHdr) - 1));
        QCOMPARE(styleOf("btn_pgm_3"), face("default", "3 big 1.png"));
        QVERIFY(!m_panel->hasPreviousDump());
        m_panel->getDate(k4::stateDump({{k4::rPgm, 3}}, DevState::minDumpSize(DevState::kThroughHdr)));
        QCOMPARE(styleOf("btn_pgm_3"), face("red", "3 big 1.png"));
        QVERIFY(m_panel->hasPreviousDump());
    }

    // This panel's differences in the record: no camera, no F7 mode, the status for one model only.
    void recordDifferences()
    {
        QSignalSpy f7(m_panel->controller(), &onlyFun::setF7Widget);
        QSignalSpy cam(m_panel->controller(), &onlyFun::set_CAMMENU_StyleSignals);
        const quint32 recAndStream = (1u << 1) | (1u << 10);
        using namespace k4;
        m_panel->getDate(stateDump({{rCamMenu, 1}, {rCamAddress, 7}, {rF7Mode, 2}}, 140, 0, recAndStream));
        QCOMPARE(f7.count() + cam.count() + int(m_panel->controller()->f7Mode()), 0);
        QVERIFY(!m_panel->controller()->recording() && !m_panel->controller()->streaming());
        DEV_CHILD_TYPE = HardwareID_Table[4][HW_TYPE];
        m_panel->getDate(stateDump({{rPgm, 1}}, 140, 0, recAndStream));
        QVERIFY(m_panel->controller()->recording() && m_panel->controller()->streaming());
    }

    void functionPagesFollowTheDevice()
    {
        m_panel->set_Function_Enable(5, false, false, false, false, true);
        QVERIFY(static_cast<QWidget*>(m_panel->patternPage())->isVisible());
        QCOMPARE(styleOf("btn_key3"), face("green", "pattern.png"));
        m_panel->set_Function_Enable(1, true, false, false, false, false);
        QVERIFY(!static_cast<QWidget*>(m_panel->patternPage())->isVisible());
        QVERIFY(static_cast<QWidget*>(m_panel->pipPage())->isVisible());
    }

    void tbarAndPopReplies()
    {
        slider("verticalSlider_4")->setValue(10);
        m_panel->getTXSliderDate(k4::command(0x82, QByteArray("\x00\x01\x40", 3)));
        QCOMPARE(slider("verticalSlider_4")->value(), 63);
        QVERIFY(styleOf("btn_auto").contains("red") && styleOf("label_lightUP").contains("green/on.png"));
        // The lever moved by the switcher is not sent back, and CUT keeps its state.
        QVERIFY(key("btn_cut")->isEnabled() && m_device->nothingSent());
        m_panel->getPOPWinState(k4::command(0x6F, QByteArray("\x00\x01", 2)));
        QVERIFY(m_panel->controller()->popControlsEnabled());
        m_panel->getPOPWinState(k4::command(0x6F, QByteArray("\x00\x00", 2)));
        QVERIFY(!m_panel->controller()->popControlsEnabled());
    }
};

QTEST_MAIN(tst_k4_panel)
#include "tst_k4_panel.moc"
