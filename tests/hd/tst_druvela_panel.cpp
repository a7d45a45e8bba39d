// The Druvela panel bound to a switcher on 127.0.0.2: what reaches the wire for
// the operator's keys (and when, for the keys that flash first), and what the
// switcher's replies light on the panel. No model number is given for this
// panel: it runs as type 105 and, where the type matters, as 104.

#include "audio_page.h"
#include "cam_page.h"
#include "druvela.h"
#include "edition_frames.h"
#include "family_panel_tests.h"
#include "key_page.h"
#include "main_menu.h"
#include "pip_page.h"
#include "widget_events.h"

#include <QComboBox>
#include <QElapsedTimer>
#include <QGroupBox>
#include <QSpinBox>
#include <QTimer>
#include <QtTest>

namespace {

using namespace familytest;

constexpr unsigned char kType = 105;

QByteArray dump(const Bytes& record, quint32 w = 0, int size = 120, quint8 status = 0)
{
    return EditionFrames::stateDump(record, w, 0, size, status);
}

} // namespace

class tst_druvela_panel : public QObject, private PanelKit<Druvela>
{
    Q_OBJECT

public:
    tst_druvela_panel()
        : PanelKit({"openAsksStateThenHeartbeats", "deleteDuringFlash", "deleteAfterStreamIndexDump",
                    "endOfRunForwardedAndCloseOnlyHides", "formAndConstruction"})
    {
    }

private:
    // Clicks a key whose own slot waits: what it shows, and whether anything
    // went out, at the first event the wait lets through.
    struct During {
        QString face;
        bool quiet = false;
        bool seen = false;
    };
    During clickAndLook(const char* name)
    {
        During d;
        QTimer::singleShot(0, this, [this, name, &d] {
            d.seen = true;
            d.face = styleOf(name);
            d.quiet = m_device->nothingSent();
        });
        QTest::mouseClick(key(name), Qt::LeftButton);
        return d;
    }

private slots:
    void initTestCase()
    {
        // The heartbeat is answered; any message box would fail the test (the rig's box watcher).
        QVERIFY(bindSwitcher());
    }
    void init() { QVERIFY(freshPanel(kType)); }
    void cleanup() { QVERIFY(!updateDevStateEnable); m_rig.cleanup(); }
    void cleanupTestCase() { delete m_panel; }

    // ---- opening and construction -------------------------------------------

    void openAsksStateThenHeartbeats()
    {
        // The fixture saw the state request come first; the heartbeat follows every second.
        QElapsedTimer t;
        t.start();
        bool heartbeat = false;
        while (!heartbeat && t.elapsed() < 5000) {
            for (const CapturedDatagram& d : m_device->capture().takeAll())
                heartbeat = heartbeat || d.data == panelCommand(0x06);
            if (!heartbeat)
                m_device->capture().waitForDatagram(500);
        }
        QVERIFY(heartbeat);
        QVERIFY(m_device->nothingSent());
    }

    void formAndConstruction()
    {
        QCOMPARE(m_panel->objectName(), QStringLiteral("Druvela"));
        QCOMPARE(m_panel->size(), QSize(1280, 720));
        QCOMPARE(m_panel->windowTitle(), QStringLiteral("Qavo"));
        QCOMPARE(int(m_panel->windowFlags() & (Qt::Dialog | Qt::FramelessWindowHint)), 0x803);
        QVERIFY(!m_panel->testAttribute(Qt::WA_DeleteOnClose));
        QCOMPARE(slider("verticalSlider_4")->maximum(), 127);
        QCOMPARE(slider("verticalSlider_master")->maximum(), 100);
        QCOMPARE(m_rig.w<QGroupBox>("groupBox_2")->styleSheet(), QStringLiteral("border:0px;"));
        // AFV at start: the channel and source keys wait for MIX; the camera keys for the camera menu.
        QCOMPARE(styleOf("btn_afv_mix"), face('b', ":/images/green/AFV.bmp"));
        for (const char* n : {"btn_ch1", "btn_ch2", "btn_src1", "btn_src2", "btn_1", "btn_6", "btn_z_add"})
            QVERIFY2(!key(n)->isEnabled(), n);
        QVERIFY(key("btn_master")->isEnabled());
        QCOMPARE(styleOf("btn_null1"), face('c', ":/images/Druvela/white/NULL.bmp"));
        QCOMPARE(styleOf("btn_null4"), face('c', ":/images/Druvela/white/EXIT.bmp"));
        QCOMPARE(styleOf("btnGroup4"), sfx("white", 4, 39));
        // The key windows carry names the controller's key rules ignore; the last one made is kept.
        QCOMPARE(fun()->keyName(), QStringLiteral("CHROMA"));
    }

    void everyFaceHasItsPicture()
    {
        QStringList styles;
        using D = Druvela;
        for (bool on : {false, true}) {
            for (auto lamp : {&D::on_Style_btnCH1, &D::on_Style_btnCH2, &D::on_Style_btnMASTER, &D::on_Style_btnSRC1,
                              &D::on_Style_btnSRC2, &D::on_Style_btnAFV, &D::on_Style_btnRec, &D::on_Style_btnPause,
                              &D::on_Style_btnStream, &D::on_Style_btnLNGE, &D::on_Style_btnMIC, &D::on_Style_btnAux,
                              &D::on_Style_btnSTILL, &D::on_Style_btnCamMeun, &D::on_Style_btnPIP, &D::on_Style_btnPOP,
                              &D::on_Style_btnKey1, &D::on_Style_btnKey2, &D::on_Style_btnKey3, &D::on_Style_btnFTB,
                              &D::on_Style_btnCut, &D::on_Style_btnAuto, &D::on_Style_btn_z_add,
                              &D::on_Style_btn_z_sub})
                (m_panel.data()->*lamp)(on);
            for (QWidget* w : m_panel->findChildren<QWidget*>())
                styles << w->styleSheet();
        }
        for (int id : {1, 2, 3, 4, 5, 6, 9}) {
            m_panel->on_Style_btnpgm_red(id);
            m_panel->on_Style_btnpvw_green(id);
            if (id <= 6)
                m_panel->on_Style_btnCam_green(id);
            if (id <= 3)
                m_panel->on_Style_btnRate_green(id - 1);
        }
        m_panel->on_Style_btnTransitions_green(0);
        m_panel->on_Style_btnTransitions_green(1);
        for (QWidget* w : m_panel->findChildren<QWidget*>())
            styles << w->styleSheet();
        // Every effect a group's folder holds, as the controller steps through it or the device names it.
        const int last[10] = {11, 29, 38, 54, 63, 70, 77, 81, 87, 102};
        for (int g = 1; g <= 10; ++g)
            for (quint32 icon = ICON_GROUP_Table[g - 1][0]; icon <= quint32(last[g - 1]); ++icon) {
                ICON_CURRENT_INDEX[g - 1] = icon;
                styles << m_panel->wipeFaceStyle(g, false) << m_panel->wipeFaceStyle(g, true);
            }
        const QRegularExpression url(QStringLiteral("url\\(([^)]*)\\)"));
        QSet<QString> checked;
        for (const QString& style : qAsConst(styles)) {
            auto it = url.globalMatch(style);
            while (it.hasNext()) {
                const QString path = it.next().captured(1).trimmed();
                QVERIFY2(QFile::exists(path), qPrintable(path));
                checked.insert(path);
            }
        }
        QVERIFY2(checked.size() > 280, qPrintable(QString::number(checked.size())));
        // A picture of the panel with every key at a face, to look at.
        m_panel->set_AFVorMIX_Enable(true);
        m_panel->set_CAMMENU_Style(0, 0);
        m_panel->set_PGMCH_Style(2);
        m_panel->set_PVWCH_Style(9);
        m_panel->set_Trans_Style(4, 40, 2, 13, 31, 40, 56, 65, 72, 79, 83, 89);
        m_panel->grab().save(QStringLiteral("/tmp/druvela_panel.png"));
    }

    // ---- keys ---------------------------------------------------------------

    // Keys whose lamp and command come at once.
    void keyPresses_data()
    {
        QTest::addColumn<QByteArray>("name");
        QTest::addColumn<QString>("mode");  // "mix" or "afv" first, where the audio mode matters
        QTest::addColumn<QList<QByteArray>>("sent");
        QTest::addColumn<QString>("faceAfter");  // form and path, "c:/..."; empty: the key's face is not checked
        auto row = [](const char* tag, const char* name, const char* mode, QList<QByteArray> sent, const char* f) {
            QTest::newRow(tag) << QByteArray(name) << QString::fromLatin1(mode) << sent << QString::fromLatin1(f);
        };
        row("PGM 3", "btn_pgm_3", "", frames({command(0x80, {3})}), "c:/images/red/png/3.png");
        row("PGM bar", "btn_pgm_bar", "", frames({command(0x80, {9})}), "c:/images/red/BAR.bmp");
        row("PVW 6", "btn_pvw_6", "", frames({command(0x81, {6})}), "c:/images/green/png/6.png");
        row("PVW bar", "btn_pvw_bar", "", frames({command(0x81, {9})}), "c:/images/green/BAR.bmp");
        row("rate 3", "btn_rate3", "", frames({command(0xB1, {2})}), "c:/images/green/RATE3.bmp");
        row("MIX", "btn_mix", "", frames({command(0x8D)}), "c:/images/green/MIX.bmp");
        row("FADE", "btn_fade", "", frames({command(0x8E)}), "c:/images/green/FADE.bmp");
        row("STILL on, off", "btn_still", "", frames({command(0xCF), command(0xCF)}), "b:/images/white/STILL.bmp");
        row("STILL on", "btn_still", "", frames({command(0xCF)}), "b:/images/green/STILL.bmp");
        row("CH1 in MIX", "btn_ch1", "mix", frames({command(0xB3, {0})}), "a:/images/Druvela/green/CH1.bmp");
        row("CH2 in MIX", "btn_ch2", "mix", frames({command(0xB3, {1})}), "a:/images/Druvela/green/CH2.bmp");
        row("CH2 on, off", "btn_ch2", "mix", frames({command(0xB3, {1}), command(0xB3, {1})}),
            "a:/images/Druvela/white/CH2.bmp");
        row("MASTER in AFV", "btn_master", "afv", frames({command(0xB3, {3})}), "a:/images/Druvela/green/MASTER.bmp");
        row("CH1 locked in AFV", "btn_ch1", "afv", frames({}), "");
        row("SRC2 locked in AFV", "btn_src2", "afv", frames({}), "");
        row("SYNC. STATUS", "btn_ds", "", frames({command(0x0A)}), "");
        row("keys without a function", "btn_null2", "", frames({}), "c:/images/Druvela/white/NULL.bmp");
    }
    void keyPresses()
    {
        QFETCH(QByteArray, name);
        QFETCH(QString, mode);
        QFETCH(QList<QByteArray>, sent);
        QFETCH(QString, faceAfter);
        if (!mode.isEmpty())
            m_panel->set_AFVorMIX_Enable(mode == QLatin1String("mix"));
        for (const QByteArray& frame : sent) {
            QTest::mouseClick(key(name.constData()), Qt::LeftButton);
            QCOMPARE(nextCommand(), frame);
        }
        if (sent.isEmpty())
            QTest::mouseClick(key(name.constData()), Qt::LeftButton);
        if (!faceAfter.isEmpty())
            QCOMPARE(styleOf(name.constData()), face(faceAfter.at(0).toLatin1(), QLatin1Char(':') + faceAfter.mid(2)));
        QVERIFY(m_device->nothingSent());
        // A row key lights alone in its row.
        if (name.startsWith("btn_pgm_") || name.startsWith("btn_pvw_")) {
            QByteArrayList litKeys;
            for (const char* n : {"1", "2", "3", "4", "5", "6", "bar"})
                if (lit(name.left(8) + n))
                    litKeys << name.left(8) + n;
            QCOMPARE(litKeys, QByteArrayList{name});
        }
    }

    // Keys that light, wait with events running and only then send.
    void flashesBeforeTheCommand_data()
    {
        QTest::addColumn<QByteArray>("name");
        QTest::addColumn<int>("ms");
        QTest::addColumn<QByteArray>("sent");
        QTest::addColumn<QString>("litFace");
        QTest::addColumn<QString>("unlitFace");
        auto row = [](const char* name, int ms, const QByteArray& sent, const char* litPath, const char* unlitPath,
                      char form) {
            QTest::newRow(name) << QByteArray(name) << ms << sent << QString(QLatin1Char(form) + QString::fromLatin1(litPath))
                                << QString(QLatin1Char(form) + QString::fromLatin1(unlitPath));
        };
        row("btn_cut", 300, command(0x83), ":/images/red/CUT.bmp", ":/images/white/CUT.bmp", 'c');
        row("btn_src1", 200, QByteArray(), ":/images/Druvela/green/SRC1.bmp", ":/images/Druvela/white/SRC1.bmp", 'a');
        row("btn_src2", 200, QByteArray(), ":/images/Druvela/green/SRC2.bmp", ":/images/Druvela/white/SRC2.bmp", 'a');
        row("btn_aux", 300, command(0xC8, {1}), ":/images/Druvela/green/M_AUX.bmp", ":/images/Druvela/white/M_AUX.bmp",
            'b');
        row("btn_lnge_cfg", 400, command(0xDC), ":/images/Druvela/green/LNGE_CFG.bmp",
            ":/images/Druvela/white/LNGE_CFG.bmp", 'b');
        row("btn_mic_cfg", 400, command(0xDD), ":/images/Druvela/green/MIC_CFG.bmp",
            ":/images/Druvela/white/MIC_CFG.bmp", 'b');
    }
    void flashesBeforeTheCommand()
    {
        QFETCH(QByteArray, name);
        QFETCH(int, ms);
        QFETCH(QByteArray, sent);
        QFETCH(QString, litFace);
        QFETCH(QString, unlitFace);
        m_panel->set_AFVorMIX_Enable(true);
        fun()->set_aux_state(0);
        QElapsedTimer clock;
        clock.start();
        const During during = clickAndLook(name.constData());
        QVERIFY(clock.elapsed() >= ms);
        QVERIFY(during.seen);
        QCOMPARE(during.face, face(litFace.at(0).toLatin1(), litFace.mid(1)));
        QVERIFY2(during.quiet, "the command left before the flash ended");
        if (sent.isEmpty()) {
            // The source keys send the next code of the model's source table.
            const int channel = name.endsWith('1') ? 1 : 2;
            QVERIFY(fun()->sourceTableLength() > 0);
            sent = command(channel == 1 ? 0xB9 : 0xBA, {int(fun()->sourceTable()[fun()->srcIndex(channel)])});
        }
        QCOMPARE(nextCommand(), sent);
        QCOMPARE(styleOf(name.constData()), face(unlitFace.at(0).toLatin1(), unlitFace.mid(1)));
        QVERIFY(m_device->nothingSent());
    }

    // LINE CFG and MIC CFG open the audio window with their own rows enabled.
    void audioWindowRows_data()
    {
        QTest::addColumn<QByteArray>("name");
        QTest::addColumn<bool>("line");
        QTest::newRow("LINE CFG") << QByteArray("btn_lnge_cfg") << true;
        QTest::newRow("MIC CFG") << QByteArray("btn_mic_cfg") << false;
    }
    void audioWindowRows()
    {
        QFETCH(QByteArray, name);
        QFETCH(bool, line);
        QWidget* audio = m_panel->audioPage();
        audio->close();
        QTest::mouseClick(key(name.constData()), Qt::LeftButton);
        QVERIFY(audio->isVisible());
        QCOMPARE(namedChild<QSpinBox>(audio, QStringLiteral("spinBoxLineGain"))->isEnabled(), line);
        QCOMPARE(namedChild<QSpinBox>(audio, QStringLiteral("spinBoxMicVolume"))->isEnabled(), !line);
        QCOMPARE(namedChild<QComboBox>(audio, QStringLiteral("comboBox_micHpfs"))->isEnabled(), !line);
        m_device->commands();
    }

    // A group's first press selects it at its current effect, the next one steps it; the code
    // comes from the model's table, which on other types than 105 has four groups only.
    void wipeGroupKeys_data() { addWipeGroupKeyRows(); }
    void wipeGroupKeys()
    {
        QFETCH(int, type);
        QFETCH(int, group);
        QFETCH(int, code);
        DEV_CHILD_TYPE = quint32(type);
        const QByteArray name = "btnGroup" + QByteArray::number(group);
        const int first = int(kIconStart[group - 1]);
        m_panel->set_TRANSITONS_Style(0, 0);
        const QString before = styleOf(name.constData());
        QTest::mouseClick(key(name.constData()), Qt::LeftButton);
        if (code < 0) {
            QVERIFY(m_device->nothingSent());
            QCOMPARE(styleOf(name.constData()), before);
            return;
        }
        QCOMPARE(nextCommand(), command(0x92, {code}));
        QCOMPARE(styleOf(name.constData()), sfx("green", group, first));
        QTest::mouseClick(key(name.constData()), Qt::LeftButton);
        QCOMPARE(nextCommand(), command(0x92, {code}));
        QCOMPARE(styleOf(name.constData()), sfx("green", group, first + 1));
        QVERIFY(!lit("btn_mix"));
    }

    void lampOfAStoredEffect()
    {
        m_panel->set_TRANSITONS_Style(5, 40);
        QCOMPARE(int(ICON_CURRENT_INDEX[3]), 40);
        QCOMPARE(styleOf("btnGroup4"), sfx("green", 4, 40));
        m_panel->set_TRANSITONS_Style(12, 7);
        for (const char* n : {"btn_mix", "btn_fade", "btnGroup1", "btnGroup4", "btnGroup10"})
            QVERIFY2(!lit(n), n);
    }

    // PIP, POP and the keys: the clicked one lights and opens its window, the others close.
    void functionKeys_data()
    {
        QTest::addColumn<QByteArray>("name");
        QTest::addColumn<int>("cmd");
        QTest::addColumn<int>("window");  // 0 PIP, 1 luma key, 2 chroma key
        QTest::newRow("PIP") << QByteArray("btn_pip") << 0x86 << 0;
        QTest::newRow("KEY1") << QByteArray("btn_key1") << 0x8B << 1;
        QTest::newRow("KEY2") << QByteArray("btn_key2") << 0x8C << 2;
    }
    void functionKeys()
    {
        QFETCH(QByteArray, name);
        QFETCH(int, cmd);
        QFETCH(int, window);
        QWidget* const windows[3] = {m_panel->pipPage(), m_panel->lumaPage(), m_panel->chromaPage()};
        fun()->set_FUNCTION_Style(0, 0, 0, 0, 0);
        QTest::mouseClick(key(name.constData()), Qt::LeftButton);
        QCOMPARE(nextCommand(), command(uchar(cmd), {1}));
        QVERIFY(lit(name));
        for (int i = 0; i < 3; ++i)
            QCOMPARE(windows[i]->isVisible(), i == window);
        // The key windows are named so that their controls send nothing.
        if (window > 0) {
            namedChild<QSpinBox>(windows[window], QStringLiteral("spinBoxLevel"))->setValue(33);
            QVERIFY(m_device->nothingSent());
        }
        fun()->set_FUNCTION_Style(0, 0, 0, 0, 0);
        QVERIFY(!lit(name) && !windows[window]->isVisible());
    }

    void afvMixSwitchesTheAudioKeys()
    {
        fun()->set_AFVorMIX_Style(0);
        m_panel->set_CH1_Enable(1);
        QTest::mouseClick(key("btn_afv_mix"), Qt::LeftButton);
        QCOMPARE(nextCommand(), command(0xB6, {1}));
        QCOMPARE(styleOf("btn_afv_mix"), face('b', ":/images/white/MIX.bmp"));
        for (const char* n : {"btn_ch1", "btn_ch2", "btn_src1", "btn_src2", "btn_master"})
            QVERIFY2(key(n)->isEnabled(), n);
        QVERIFY(!m_panel->ch1On() && !lit("btn_ch1"));
        QTest::mouseClick(key("btn_afv_mix"), Qt::LeftButton);
        QCOMPARE(nextCommand(), command(0xB6, {0}));
        QCOMPARE(styleOf("btn_afv_mix"), face('b', ":/images/green/AFV.bmp"));
        QVERIFY(!key("btn_ch1")->isEnabled() && !key("btn_src2")->isEnabled() && key("btn_master")->isEnabled());
    }

    void cameraMenuAndCameraKeys()
    {
        fun()->set_CAMMENU_Style(0, 0);
        QTest::mouseClick(key("btn_cam_meun"), Qt::LeftButton);
        QCOMPARE(nextCommand(), command(0x70, {1}));
        QVERIFY(lit("btn_cam_meun") && lit("btn_1") && key("btn_6")->isEnabled() && key("btn_z_sub")->isEnabled());
        QVERIFY(static_cast<QWidget*>(m_panel->camPage())->isVisible());
        QTest::mouseClick(key("btn_4"), Qt::LeftButton);
        QCOMPARE(nextCommand(), command(0xAF, {4}));
        QCOMPARE(styleOf("btn_4"), face('c', ":/images/Druvela/green/cam_4.bmp"));
        QVERIFY(!lit("btn_1"));
        QTest::mousePress(key("btn_z_add"), Qt::LeftButton);
        QCOMPARE(nextCommand(), command(0x72, {1}));
        QCOMPARE(styleOf("btn_z_add"), face('c', ":/images/Druvela/green/Z+.bmp"));
        QTest::mouseRelease(key("btn_z_add"), Qt::LeftButton);
        QCOMPARE(nextCommand(), command(0x72, {0}));
        QCOMPARE(styleOf("btn_z_add"), face('c', ":/images/Druvela/white/Z+.bmp"));
        QTest::mousePress(key("btn_z_sub"), Qt::LeftButton);
        QTest::mouseRelease(key("btn_z_sub"), Qt::LeftButton);
        QCOMPARE(nextCommand(), command(0x73, {1}));
        QCOMPARE(nextCommand(), command(0x73, {0}));
        QTest::mouseClick(key("btn_cam_meun"), Qt::LeftButton);
        QCOMPARE(nextCommand(), command(0x70, {0}));
        QVERIFY(!lit("btn_cam_meun") && !lit("btn_4") && !key("btn_4")->isEnabled());
        QVERIFY(!static_cast<QWidget*>(m_panel->camPage())->isVisible());
    }

    void recorderKeysAskForTheStateAfterwards()
    {
        fun()->setRecStreamEnable(0, 0, 0);
        QTest::mouseClick(key("btn_rec"), Qt::LeftButton);
        QCOMPARE(nextCommand(), command(0xB2, {1}));
        QCOMPARE(nextCommand(), command(0x0A));
        // The lamp waits for the device's state.
        QVERIFY(!lit("btn_rec"));
        m_panel->getDate(dump({}, 1u << 1));
        QVERIFY(lit("btn_rec") && key("btn_pause")->isEnabled());
        m_panel->getDate(dump({}, 0));
        QVERIFY(!lit("btn_rec") && !key("btn_pause")->isEnabled());
        m_device->commands();
    }

    void ftbBlinksUntilPressedAgain()
    {
        QTest::mouseClick(key("btn_ftb"), Qt::LeftButton);
        QCOMPARE(nextCommand(), command(0x85));
        QVERIFY(m_panel->ftbBlinking());
        QTRY_COMPARE_WITH_TIMEOUT(styleOf("btn_ftb"), face('c', ":/images/red/FTB.bmp"), 3000);
        QTRY_COMPARE_WITH_TIMEOUT(styleOf("btn_ftb"), face('c', ":/images/white/FTB.bmp"), 3000);
        QTest::mouseClick(key("btn_ftb"), Qt::LeftButton);
        QCOMPARE(nextCommand(), command(0x85));
        QVERIFY(!m_panel->ftbBlinking());
        QCOMPARE(styleOf("btn_ftb"), face('c', ":/images/white/FTB.bmp"));
    }

    void setKeyTogglesTheSettingsWindow()
    {
        QWidget* menu = m_panel->mainMenu();
        menu->close();
        m_panel->show();
        QTest::mouseClick(key("btnSet"), Qt::LeftButton);
        QCOMPARE(nextCommand(), command(0x49));
        QVERIFY(menu->isVisible() && m_panel->isVisible());
        QApplication::setActiveWindow(menu);
        QTRY_VERIFY(menu->isActiveWindow());
        QTest::mouseClick(key("btnSet"), Qt::LeftButton);
        QCOMPARE(nextCommand(), command(0x49));
        QVERIFY(!menu->isVisible() && m_panel->isVisible());
        m_panel->hide();
    }

    // The operator's T-bar: AUTO red and CUT/AUTO locked between the ends; a fader goes out unless a reply moved it.
    void tbarAndFadersFromTheOperator()
    {
        QSlider* tbar = slider("verticalSlider_4");
        m_rig.quietly("verticalSlider_4", 0);
        tbar->setValue(40);
        QCOMPARE(nextCommand(), command(0x82, {0, 1}));
        QCOMPARE(nextCommand(), command(0x82, {0, 40}));
        QVERIFY(lit("btn_auto") && !key("btn_cut")->isEnabled() && !key("btn_auto")->isEnabled());
        tbar->setValue(127);
        QCOMPARE(nextCommand(), command(0x82, {0, 128}));
        QVERIFY(!lit("btn_auto") && key("btn_cut")->isEnabled() && key("btn_auto")->isEnabled());
        slider("verticalSlider_2")->setValue(55);
        QCOMPARE(nextCommand(), command(0xB8, {1, 55}));
        m_rig.quietly("verticalSlider_2", 20);
        QVERIFY(m_device->nothingSent());
    }

    // ---- replies ------------------------------------------------------------

    void dumpOverTheWireSendsNothingBack()
    {
        const QByteArray reply = dump({{rPgm, 9}, {rPvw, 2}, {rMode, 1}, {rCh1On, 1}, {rCh2On, 0}, {rMasterOn, 1},
                                       {rCh1Level, 40}, {rMasterLevel, 90}, {rKind, 4}, {rCur, 40}, {rGroup1, 2},
                                       {rGroup1 + 1, 13}, {rGroup1 + 2, 31}, {rGroup1 + 3, 40}, {rGroup1 + 4, 56},
                                       {rGroup1 + 5, 65}, {rGroup1 + 6, 72}, {rGroup1 + 7, 79}, {rGroup1 + 8, 83},
                                       {rGroup1 + 9, 89}, {rRate, 1}, {rCamMenu, 1}, {rCam, 3}});
        QSignalSpy applied(fun(), &onlyFun::getDateSignals);
        m_device->reply(reply);
        QVERIFY(applied.wait(5000));
        QVERIFY(lit("btn_pgm_bar") && lit("btn_pvw_2") && !lit("btn_pgm_1") && !lit("btn_pvw_bar"));
        QCOMPARE(styleOf("btn_afv_mix"), face('b', ":/images/white/MIX.bmp"));
        QVERIFY(key("btn_ch1")->isEnabled() && key("btn_src2")->isEnabled());
        QVERIFY(lit("btn_ch1") && !lit("btn_ch2") && lit("btn_master"));
        QCOMPARE(slider("verticalSlider_1")->value(), 40);
        QCOMPARE(slider("verticalSlider_master")->value(), 90);
        QCOMPARE(QList<quint32>(std::begin(ICON_CURRENT_INDEX), std::begin(ICON_CURRENT_INDEX) + 10),
                 QList<quint32>({1, 12, 30, 39, 55, 64, 71, 78, 82, 88}));
        QCOMPARE(styleOf("btnGroup4"), sfx("green", 4, 39));
        QVERIFY(lit("btn_rate2") && lit("btn_cam_meun") && lit("btn_3") && key("btn_3")->isEnabled());
        QVERIFY2(m_device->nothingSent(), "applying the switcher's state sent a command back");
        // Every dump applies every field, the same one included.
        m_panel->set_PGMCH_Style(4);
        m_panel->getDate(reply);
        QVERIFY(lit("btn_pgm_bar") && !lit("btn_pgm_4"));
        QVERIFY(m_device->nothingSent());
    }

    void dumpFields_data()
    {
        QTest::addColumn<Bytes>("before");
        QTest::addColumn<Bytes>("after");
        QTest::addColumn<int>("size");
        QTest::addColumn<int>("status");
        QTest::addColumn<QStringList>("litKeys");
        QTest::addColumn<QStringList>("unlitKeys");
        auto row = [](const char* tag, Bytes before, Bytes after, QStringList on, QStringList off, int size = 120,
                      int status = 0) {
            QTest::newRow(tag) << before << after << size << status << on << off;
        };
        for (int pgm : {7, 8, 0, 10, 255})
            row(qPrintable(QStringLiteral("PGM %1 leaves the row unlit").arg(pgm)), {{rPgm, 3}}, {{rPgm, quint8(pgm)}},
                {}, {"btn_pgm_1", "btn_pgm_3", "btn_pgm_6", "btn_pgm_bar"});
        row("PVW 6", {}, {{rPvw, 6}}, {"btn_pvw_6"}, {"btn_pvw_1", "btn_pvw_bar"});
        row("MIX resets the channel lamps before their bytes", {{rMode, 1}, {rCh1On, 1}, {rCh2On, 1}},
            {{rMode, 1}, {rCh1On, 0}, {rCh2On, 1}}, {"btn_ch2"}, {"btn_ch1", "btn_master"});
        row("channel bytes other than 0 and 1 keep the lamps", {{rMode, 1}, {rCh1On, 1}, {rMasterOn, 1}},
            {{rMode, 5}, {rCh1On, 2}, {rMasterOn, 7}}, {"btn_ch1", "btn_master"}, {});
        row("STILL 5 keeps the lamp", {{rStill, 1}}, {{rStill, 5}}, {"btn_still"}, {});
        row("STILL 0", {{rStill, 1}}, {{rStill, 0}}, {}, {"btn_still"});
        row("rate 3 unlights all three", {{rRate, 1}}, {{rRate, 3}}, {}, {"btn_rate1", "btn_rate2", "btn_rate3"});
        row("kind 1 lights MIX", {}, {{rKind, 1}}, {"btn_mix"}, {"btn_fade", "btnGroup1"});
        row("kind 2 lights FADE", {}, {{rKind, 2}}, {"btn_fade"}, {"btn_mix", "btnGroup1"});
        row("kind 3 lights nothing", {{rKind, 1}}, {{rKind, 3}}, {}, {"btn_mix", "btn_fade", "btnGroup1"});
        row("kind 8: the first group with the current effect", {},
            {{rKind, 8}, {rCur, 5}, {rGroup1 + 1, 5}, {rGroup1 + 6, 5}}, {"btnGroup2"}, {"btnGroup7", "btnGroup1"});
        row("kind 4 without a match", {{rKind, 1}}, {{rKind, 4}, {rCur, 99}}, {},
            {"btn_mix", "btnGroup1", "btnGroup10"});
        row("camera menu on, camera 6", {}, {{rCamMenu, 1}, {rCam, 6}}, {"btn_cam_meun", "btn_6"}, {"btn_1"});
        row("camera menu 2 changes nothing", {{rCamMenu, 1}, {rCam, 2}}, {{rCamMenu, 2}, {rCam, 5}},
            {"btn_cam_meun", "btn_2"}, {"btn_5"});
        row("PIP on", {}, {{rPip, 1}}, {"btn_pip"}, {"btn_pop", "btn_key1"});
        row("a dump one byte short is ignored whole", {{rPgm, 3}, {rStill, 1}}, {{rPgm, 5}}, {"btn_pgm_3", "btn_still"},
            {"btn_pgm_5"}, 112);
        row("113 bytes are enough", {{rPgm, 3}}, {{rPgm, 5}}, {"btn_pgm_5"}, {"btn_pgm_3"}, 113);
        row("a busy record is ignored", {{rPgm, 3}}, {{rPgm, 5}}, {"btn_pgm_3"}, {"btn_pgm_5"}, 120, 1);
    }
    void dumpFields()
    {
        QFETCH(Bytes, before);
        QFETCH(Bytes, after);
        QFETCH(int, size);
        QFETCH(int, status);
        QFETCH(QStringList, litKeys);
        QFETCH(QStringList, unlitKeys);
        m_panel->getDate(dump(before));
        m_panel->getDate(dump(after, 0, size, quint8(status)));
        for (const QString& n : litKeys)
            QVERIFY2(lit(n.toLatin1()), qPrintable(n));
        for (const QString& n : unlitKeys)
            QVERIFY2(!lit(n.toLatin1()), qPrintable(n));
        QVERIFY(m_device->nothingSent());
    }

    void ftbFollowsTheDevice()
    {
        m_panel->getDate(dump({{rFtb, 1}}));
        QVERIFY(m_panel->ftbBlinking());
        // Again while blinking: the blink goes on.
        m_panel->getDate(dump({{rFtb, 1}}));
        QVERIFY(m_panel->ftbBlinking());
        QTRY_COMPARE_WITH_TIMEOUT(styleOf("btn_ftb"), face('c', ":/images/red/FTB.bmp"), 3000);
        m_panel->getDate(dump({{rFtb, 2}}));
        QVERIFY(m_panel->ftbBlinking());
        m_panel->getDate(dump({{rFtb, 0}}));
        QVERIFY(!m_panel->ftbBlinking());
        QCOMPARE(styleOf("btn_ftb"), face('c', ":/images/white/FTB.bmp"));
    }

    // The record and stream status at the end: read only where its length field fits the datagram.
    void recordAndStreamStatus_data()
    {
        QTest::addColumn<quint32>("w");
        QTest::addColumn<int>("lengthField");  // 0: the datagram's size
        QTest::addColumn<bool>("rec");
        QTest::addColumn<bool>("pause");
        QTest::addColumn<bool>("stream");
        const quint32 rec = 1u << 1, paused = 2u << 3, stream = 1u << 10;
        QTest::newRow("recording and streaming") << (rec | stream) << 0 << true << false << true;
        QTest::newRow("recording, paused") << (rec | paused) << 0 << true << true << false;
        QTest::newRow("length field shorter than the datagram") << (rec | stream) << 100 << true << false << true;
        QTest::newRow("length field past the end: the lamps stay") << quint32(0) << 121 << true << true << false;
        QTest::newRow("length field of 25: the lamps stay") << quint32(0) << 25 << true << true << false;
    }
    void recordAndStreamStatus()
    {
        QFETCH(quint32, w);
        QFETCH(int, lengthField);
        QFETCH(bool, rec);
        QFETCH(bool, pause);
        QFETCH(bool, stream);
        m_panel->getDate(dump({}, (1u << 1) | (2u << 3)));
        QByteArray reply = dump({{rPgm, 4}}, 0, 120);
        const int at = lengthField ? lengthField : reply.size();
        for (int i = 0; w && i < 4; ++i)
            reply[at - 8 + i] = char((w >> (8 * i)) & 0xFF);
        EditionFrames::seal(reply, 0x0A, at);
        m_panel->getDate(reply);
        QVERIFY(lit("btn_pgm_4"));
        QCOMPARE(lit("btn_rec"), rec);
        QCOMPARE(lit("btn_pause"), pause);
        QCOMPARE(lit("btn_stream"), stream);
        QCOMPARE(key("btn_pause")->isEnabled(), rec);
        QVERIFY(m_device->nothingSent());
    }

    // The switcher's T-bar report: 0 moves nothing, 1..127 light AUTO, 128 and above are the end.
    void tbarReplies_data()
    {
        addTbarReplyRows();
        QTest::newRow("forward 200") << 0 << 200 << 127 << false;
    }
    void tbarReplies()
    {
        QFETCH(int, direction);
        QFETCH(int, position);
        QFETCH(int, lever);
        QFETCH(bool, autoLit);
        m_rig.quietly("verticalSlider_4", 50);
        m_panel->on_Style_btnAuto(true);
        m_panel->getTXSliderDate(EditionFrames::tbar(quint8(direction), quint8(position)));
        QCOMPARE(slider("verticalSlider_4")->value(), lever);
        QCOMPARE(lit("btn_auto"), autoLit);
        // A report neither goes back as a T-bar command nor locks CUT and AUTO.
        QVERIFY(key("btn_cut")->isEnabled() && key("btn_auto")->isEnabled());
        QVERIFY(m_device->nothingSent());
    }

    void popWindowReply()
    {
        m_panel->getPOPWinState(EditionFrames::reply(0x6F, 22, {{18, 1}}));
        QVERIFY(fun()->popControlsEnabled());
        m_panel->getPOPWinState(EditionFrames::reply(0x6F, 22, {{18, 0}}));
        QVERIFY(!fun()->popControlsEnabled());
        // Another type on this slot changes nothing.
        m_panel->getPOPWinState(EditionFrames::reply(0x6E, 22, {{18, 1}}));
        QVERIFY(!fun()->popControlsEnabled());
    }

    // Each reply slot leaves the device-state flag as it found it, accepted or not.
    void guardRestored_data()
    {
        QTest::addColumn<int>("slot");
        QTest::addColumn<QByteArray>("reply");
        const QByteArray replies[4][2] = {
            {dump({{rPgm, 2}}), dump({{rPgm, 2}}, 0, 100)},
            {EditionFrames::tbar(0, 40), EditionFrames::reply(0x82, 21)},
            {EditionFrames::reply(0x6F, 22, {{18, 1}}), EditionFrames::reply(0x6F, 18)},
            {EditionFrames::reply(0x49, 40), EditionFrames::reply(0x49, 31)},
        };
        const char* names[4] = {"state", "T-bar", "POP window", "version"};
        for (int s = 0; s < 4; ++s) {
            QTest::addRow("%s, accepted", names[s]) << s << replies[s][0];
            QTest::addRow("%s, ignored", names[s]) << s << replies[s][1];
        }
    }
    void guardRestored()
    {
        QFETCH(int, slot);
        QFETCH(QByteArray, reply);
        checkGuardRestored(slot, reply);
    }

    // ---- lifetime -----------------------------------------------------------

    // The panel goes while CUT flashes: the wait returns to nothing, and no command leaves.
    void deleteDuringFlash()
    {
        QPointer<QWidget> menu(m_panel->mainMenu());
        QTimer::singleShot(0, this, [this] { delete m_panel.data(); });
        QTest::mouseClick(key("btn_cut"), Qt::LeftButton);
        QVERIFY(m_panel.isNull() && menu.isNull());
        QVERIFY(m_device->nothingSent());
    }

    // A dump that moves the stream index reads the slot back later; the panel may go at once.
    void deleteAfterStreamIndexDump()
    {
        auto* index = m_panel->mainMenu()->findChild<QComboBox*>(QStringLiteral("combIndex"));
        QVERIFY(index);
        QVERIFY(index->count() > 1);
        const quint32 slot = quint32((index->currentIndex() + 1) % index->count());
        m_panel->getDate(dump({{rPgm, 1}}, slot << 24));
        QCOMPARE(index->currentIndex(), int(slot));
        delete m_panel.data();
        // Long enough for any read-back the controller had scheduled.
        QTest::qWait(500);
        QVERIFY(m_panel.isNull());
        m_device->commands();
    }

    void endOfRunForwardedAndCloseOnlyHides()
    {
        QSignalSpy ended(m_panel.data(), &Druvela::ExitSignals);
        QTest::mouseClick(key("btn_exit"), Qt::LeftButton);
        QCOMPARE(ended.count(), 1);
        emit fun()->ExitSignals();
        QCOMPARE(ended.count(), 2);
        m_panel->show();
        m_panel->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!m_panel.isNull() && !m_panel->isVisible());
        QPointer<QWidget> menu(m_panel->mainMenu());
        QPointer<QWidget> cam(static_cast<QWidget*>(m_panel->camPage()));
        delete m_panel.data();
        QVERIFY(menu.isNull() && cam.isNull());
    }
};

QTEST_MAIN(tst_druvela_panel)
#include "tst_druvela_panel.moc"
