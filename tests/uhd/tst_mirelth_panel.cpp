// The Mirelth panel bound to a switcher on 127.0.0.2: its form, the keys it has
// that the Druvela panel has not (the two STILL keys, SHIFT and the yellow
// preview flash, the keypad and presets, the transport and storage keys), and
// the bytes of the state dump it reads differently. What it shares with the
// Druvela panel is tested there. No model number is given for this panel: it
// runs as type 105 and, where the type matters, as 104.

#include "audio_page.h"
#include "cam_page.h"
#include "edition_frames.h"
#include "family_panel_tests.h"
#include "face_pictures.h"
#include "main_menu.h"
#include "key_page.h"
#include "mirelth.h"
#include "pattern_page.h"
#include "window_placement.h"

#include <QElapsedTimer>

#include <functional>
#include <QGridLayout>
#include <QGroupBox>
#include <QComboBox>
#include <QSpinBox>
#include <QTimer>
#include <QtTest>

namespace {

using namespace familytest;

constexpr unsigned char kType = 105;
constexpr unsigned char kOtherType = 104;
// The last byte the panel reads is 120 (the storage keys); its checksum and end byte follow.
constexpr int kMinDump = 124;

// The eighteen keys the camera menu enables.
const char* const kCameraKeys[] = {"btn_0", "btn_1", "btn_2", "btn_3", "btn_4", "btn_5", "btn_6",
                                   "btn_7", "btn_8", "btn_9", "btn_z_add", "btn_z_sub", "btn_focus_add",
                                   "btn_focus_sub", "btn_cam", "btn_enter", "btn_set_preset", "btn_goto_preset"};

QByteArray dump(const Bytes& record, int size = 130, quint8 status = 0)
{
    return EditionFrames::stateDump(record, 0, 0, size, status);
}
// A dump naming these effects for the ten wipe groups, so their faces have pictures.
Bytes withGroups(Bytes record)
{
    const quint8 groups[10] = {2, 13, 31, 40, 56, 65, 72, 79, 83, 89};
    for (int g = 0; g < 10; ++g)
        record.insert(rGroup1 + g, groups[g]);
    return record;
}

} // namespace

class tst_mirelth_panel : public QObject, private PanelKit<Mirelth>
{
    Q_OBJECT

public:
    tst_mirelth_panel() : PanelKit({"formAndConstruction", "closeDuringTheFlashOfADump", "exitDuringTheShiftFlashOfAReceivedDump",
                                     "endOfRun"}) {}

private:
    QStringList litKeys(const QStringList& names) const
    {
        QStringList on;
        for (const QString& n : names)
            if (lit(n.toLatin1()))
                on << n;
        return on;
    }
    static QStringList pvwRow()
    {
        return {"btn_pvw_1", "btn_pvw_2", "btn_pvw_3", "btn_pvw_4", "btn_pvw_5", "btn_pvw_6", "btn_pvw_bar"};
    }
    void cameraMenu(bool on)
    {
        m_panel->set_CAMMENU_Style(on ? 1 : 0, 1);
        m_device->commands();
    }
    void shift(bool on)
    {
        if (m_panel->shiftOn() != on)
            QTest::mouseClick(key("btn_shift"), Qt::LeftButton);
    }

    // Clicks a key whose own slot waits: what the panel shows, and whether
    // anything went out, at the first event the wait lets through.
    struct During {
        QString face;
        QStringList lit;
        bool quiet = false;
        bool seen = false;
    };
    During clickAndLook(const char* name, const QStringList& watch = {})
    {
        During d;
        QTimer::singleShot(0, this, [this, name, watch, &d] {
            d.seen = true;
            d.face = styleOf(name);
            d.lit = litKeys(watch);
            d.quiet = m_device->nothingSent();
        });
        QTest::mouseClick(key(name), Qt::LeftButton);
        return d;
    }

    // Runs act once, from a timer, as soon as the key shows the face (a flash has begun).
    void onceShowing(QTimer& watch, const char* name, const QString& face, std::function<void()> act)
    {
        watch.setInterval(5);
        connect(&watch, &QTimer::timeout, this, [this, &watch, name, face, act] {
            if (m_panel && styleOf(name) == face) {
                watch.stop();
                act();
            }
        });
        watch.start();
    }

private slots:
    void initTestCase() { QVERIFY(bindSwitcher()); }
    void init()
    {
        QVERIFY(freshPanel(kType));
        if (m_rig.shared()) {
            shift(false);
            m_panel->getDate(dump(withGroups({{rMode, 1}})));
            m_device->commands();
        }
    }
    void cleanup() { QVERIFY(!updateDevStateEnable); m_rig.cleanup(); }
    void cleanupTestCase() { delete m_panel; }

    // ---- form and construction ----------------------------------------------

    void formAndConstruction()
    {
        QCOMPARE(m_panel->objectName(), QStringLiteral("Mirelth"));
        QCOMPARE(m_panel->maximumSize(), QSize(1280, 720));
        QCOMPARE(m_panel->windowTitle(), QStringLiteral("Qavo"));
        QCOMPARE(int(m_panel->windowFlags() & (Qt::Dialog | Qt::FramelessWindowHint)), 0x803);
        auto* grid = qobject_cast<QGridLayout*>(m_panel->layout());
        QVERIFY(grid);
        QCOMPARE(grid->contentsMargins(), QMargins(0, 0, 0, 4));
        // The bottom bar's maximum width lies below its minimum; the minimum wins.
        QCOMPARE(m_rig.w<QWidget>("widget_bottom")->minimumSize(), QSize(1280, 31));
        QCOMPARE(m_rig.w<QWidget>("widget_bottom")->maximumSize(), QSize(31, 16777215));
        QCOMPARE(slider("verticalSlider_1")->minimumSize(), QSize(0, 195));
        QCOMPARE(slider("verticalSlider_1")->maximumSize(), QSize(19, 195));
        for (const char* f : {"verticalSlider_2", "verticalSlider_3", "verticalSlider_master"}) {
            QCOMPARE(slider(f)->minimumSize(), QSize(19, 195));
            QCOMPARE(slider(f)->maximumSize(), QSize(19, 195));
        }
        // The keypad leaves row 1, column 4 empty.
        auto* keypad = m_rig.w<QGroupBox>("groupBoxMutilFunction")->findChild<QGridLayout*>(QStringLiteral("gridLayout_4"));
        QVERIFY(keypad);
        QVERIFY(!keypad->itemAtPosition(1, 4));
        QCOMPARE(keypad->itemAtPosition(2, 4)->widget(), key("btn_goto_preset"));
        // Later blocks lie above earlier ones; two audio columns make their lower key first.
        auto order = [this](const char* parent, QStringList names) {
            const QObjectList kids = m_rig.w<QWidget>(parent)->children();
            QStringList seen;
            for (QObject* o : kids)
                if (names.contains(o->objectName()))
                    seen << o->objectName();
            return seen == names;
        };
        QVERIFY(order("widget_main", {"widget_1", "widget_4", "widget_3", "widget_7"}));
        QVERIFY(order("groupBox_audio", {"btn_ch1", "btn_src1", "btn_ch2", "btn_src2", "btn_src3", "btn_ch3",
                                         "btn_afv_mix", "btn_master"}));
        QCOMPARE(m_rig.w<QWidget>("widget_1")->geometry(), QRect(20, -10, 1021, 369));
        QCOMPARE(m_rig.w<QWidget>("widget_3")->styleSheet(),
                 QStringLiteral("QWIDGET::{:/images/StyleSheet/bottom_label_2.png};"));
        for (QPushButton* b : m_panel->findChildren<QPushButton*>())
            QVERIFY2(b->text().isEmpty() && b->icon().isNull(), qPrintable(b->objectName()));

        // AFV at start: the six channel and source keys wait for MIX; the camera keys are enabled.
        QCOMPARE(styleOf("btn_afv_mix"), face('b', ":/images/green/AFV.bmp"));
        for (const char* n : {"btn_ch1", "btn_ch2", "btn_ch3", "btn_src1", "btn_src2", "btn_src3"})
            QVERIFY2(!key(n)->isEnabled(), n);
        for (const char* n : kCameraKeys)
            QVERIFY2(key(n)->isEnabled(), n);
        QVERIFY(key("btn_master")->isEnabled() && key("btn_rec")->isEnabled() && key("btn_pause")->isEnabled());
        QVERIFY(!m_panel->shiftOn());
        QCOMPARE(fun()->keyName(), QStringLiteral("CHROMA"));
        QVERIFY(m_device->nothingSent());
    }

    // Every face a key can show is in the picture set; a picture of the panel to look at.
    void everyFaceHasItsPicture()
    {
        QStringList styles;
        using M = Mirelth;
        using Lamp = void (Mirelth::*)(bool);
        const Lamp lamps[] = {&M::on_Style_btnCH3, &M::on_Style_btnSRC3, &M::on_Style_btnPGMSTILL,
                              &M::on_Style_btnPVWSTILL, &M::on_Style_btnPIP, &M::on_Style_btnPOP, &M::on_Style_btnKey1,
                              &M::on_Style_btnKey2, &M::on_Style_btnKey3, &M::on_Style_btnShitf,
                              &M::on_Style_btnPlay_Pause, &M::on_Style_btnPrv, &M::on_Style_btnNext,
                              &M::on_Style_btnSSD_EXIT, &M::on_Style_btnUSB_EXIT, &M::on_Style_btn_f_add,
                              &M::on_Style_btn_f_sub, &M::on_Style_btnCam, &M::on_Style_btnEnter,
                              &M::on_Style_btnSet_preset, &M::on_Style_btnGoto_preset, &M::on_Style_btnRec,
                              &M::on_Style_btnPause, &M::on_Style_btnCamMeun, &M::on_Style_btn_z_add};
        for (bool on : {true, false}) {
            for (Lamp lamp : lamps)
                (m_panel.data()->*lamp)(on);
            for (QWidget* w : m_panel->findChildren<QWidget*>())
                styles << w->styleSheet();
        }
        for (int d = 0; d <= 9; ++d) {
            QTimer::singleShot(0, this, [&] { styles << styleOf(qPrintable(QStringLiteral("btn_%1").arg(d))); });
            m_panel->m_on_btnGrp_Cal_clicked(uchar(d));
        }
        shift(true);
        for (int n = 3; n <= 6; ++n) {
            QTimer::singleShot(0, this, [&] { styles << styleOf(qPrintable(QStringLiteral("btn_pvw_%1").arg(n))); });
            m_panel->set_PVWCH_Style(uchar(n));
        }
        shift(false);
        QSet<QString> checked;
        for (const QString& style : qAsConst(styles))
            for (const QString& path : picturesIn(style)) {
                QVERIFY2(QFile::exists(path), qPrintable(path));
                checked.insert(path);
            }
        QVERIFY2(checked.size() > 90, qPrintable(QString::number(checked.size())));

        m_panel->getDate(dump(withGroups({{rPgm, 2}, {rPvw, 9}, {rMode, 1}, {rCh3On, 1}, {rKind, 4}, {rCur, 40},
                                          {rStill, 0x10}, {rRate, 1}, {rCamMenu, 1}, {rStorage, 2}})));
        m_panel->camPage()->close();
        m_panel->grab().save(QStringLiteral("/tmp/mirelth_panel.png"));
        // The other colours: red PGM STILL, yellow PIP and SHIFT.
        m_panel->set_PGM_Still_Style(0x01);
        m_panel->on_Style_btnPIP(true);
        m_panel->on_Style_btnShitf(true);
        m_panel->grab().save(QStringLiteral("/tmp/mirelth_panel_lit.png"));
        m_panel->on_Style_btnPIP(false);
        m_panel->on_Style_btnShitf(false);
        m_device->commands();
    }

    // ---- keys ---------------------------------------------------------------

    // Keys whose lamp and command come at once (or that send nothing).
    void keyPresses_data()
    {
        QTest::addColumn<QByteArray>("name");
        QTest::addColumn<int>("clicks");
        QTest::addColumn<QList<QByteArray>>("sent");
        QTest::addColumn<QString>("faceAfter");  // form and path, "c:/..."
        auto row = [](const char* tag, const char* name, int clicks, QList<QByteArray> sent, const char* f) {
            QTest::newRow(tag) << QByteArray(name) << clicks << sent << QString::fromLatin1(f);
        };
        row("PGM 3", "btn_pgm_3", 1, {command(0x80, {3})}, "c:/images/red/png/3.png");
        row("PVW bar", "btn_pvw_bar", 1, {command(0x81, {9})}, "c:/images/green/BAR.bmp");
        row("PGM STILL on: red, still 0", "btn_pgm_Still", 1, {command(0xCF, {0})}, "b:/images/Tavrine/red/STILL.bmp");
        row("PGM STILL twice", "btn_pgm_Still", 2, {command(0xCF, {0}), command(0xCF, {0})},
            "b:/images/Tavrine/white/STILL.bmp");
        row("PVW STILL on: green, still 1", "btn_pvw_Still", 1, {command(0xCF, {1})},
            "b:/images/Mirelth/green/STILL.bmp");
        row("CH3 in MIX", "btn_ch3", 1, {command(0xB3, {2})}, "a:/images/Kavrelo/green/CH3.bmp");
        row("SHIFT on: yellow, nothing sent", "btn_shift", 1, {}, "c:/images/Mirelth/yellow/SHIFT.bmp");
        row("SHIFT twice", "btn_shift", 2, {}, "c:/images/Kavrelo/white/SHIFT.bmp");
        row("PIP: yellow", "btn_pip", 1, {command(0x86, {1})}, "b:/images/Mirelth/yellow/PIP.bmp");
        row("KEY3: yellow pattern", "btn_key3", 1, {command(0xDA, {1})}, "b:/images/Mirelth/yellow/PATTERN.bmp");
    }
    void keyPresses()
    {
        QFETCH(QByteArray, name);
        QFETCH(int, clicks);
        QFETCH(QList<QByteArray>, sent);
        QFETCH(QString, faceAfter);
        fun()->set_FUNCTION_Style(0, 0, 0, 0, 0);
        for (int i = 0; i < clicks; ++i)
            QTest::mouseClick(key(name.constData()), Qt::LeftButton);
        for (const QByteArray& frame : sent)
            QCOMPARE(nextCommand(), frame);
        QVERIFY(m_device->nothingSent());
        QCOMPARE(styleOf(name.constData()), face(faceAfter.at(0).toLatin1(), QLatin1Char(':') + faceAfter.mid(2)));
        shift(false);
        fun()->set_FUNCTION_Style(0, 0, 0, 0, 0);
    }

    // The chroma key and the pattern keep a key each here: neither lights the other's.
    void chromaAndPatternKeysStayApart_data()
    {
        QTest::addColumn<int>("id");
        QTest::addColumn<QByteArray>("litKey");
        QTest::newRow("chroma") << 4 << QByteArray("btn_key2");
        QTest::newRow("pattern") << 5 << QByteArray("btn_key3");
    }
    void chromaAndPatternKeysStayApart()
    {
        QFETCH(int, id);
        QFETCH(QByteArray, litKey);
        m_panel->set_Function_Enable(uchar(id), false, false, false, true, true);
        for (const char* n : {"btn_key2", "btn_key3"})
            QVERIFY2(lit(n) == (litKey == n), n);
        QCOMPARE(m_panel->chromaPage()->isVisible(), id == 4);
        QCOMPARE(m_panel->patternPage()->isVisible(), id == 5);
        fun()->set_FUNCTION_Style(0, 0, 0, 0, 0);
        QVERIFY(!lit("btn_key2") && !lit("btn_key3"));
        QVERIFY(m_device->nothingSent());
    }

    // A STILL key clicked after the device lit it goes out: the key and the dump share one state.
    void stillKeysFollowTheDeviceThenTheOperator()
    {
        m_panel->getDate(dump({{rStill, 0x11}}));
        QTest::mouseClick(key("btn_pgm_Still"), Qt::LeftButton);
        QCOMPARE(nextCommand(), command(0xCF, {0}));
        QTest::mouseClick(key("btn_pvw_Still"), Qt::LeftButton);
        QCOMPARE(nextCommand(), command(0xCF, {1}));
        QVERIFY(!lit("btn_pgm_Still") && !lit("btn_pvw_Still"));
        QVERIFY(m_device->nothingSent());
    }

    // The wipe groups keep their ids in this panel's grid; the code comes from the model's table.
    void wipeGroupCodes_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<int>("group");
        QTest::addColumn<int>("code");  // -1: nothing is sent
        QTest::newRow("105, group 1") << int(kType) << 1 << 116;
        QTest::newRow("105, group 9") << int(kType) << 9 << 124;
        QTest::newRow("105, group 10") << int(kType) << 10 << 125;
        QTest::newRow("104, group 4") << int(kOtherType) << 4 << 39;
        QTest::newRow("104, group 5 sends nothing") << int(kOtherType) << 5 << -1;
    }
    void wipeGroupCodes()
    {
        QFETCH(int, type);
        QFETCH(int, group);
        QFETCH(int, code);
        DEV_CHILD_TYPE = quint32(type);
        QTest::mouseClick(key(qPrintable(QStringLiteral("btnGroup%1").arg(group))), Qt::LeftButton);
        if (code >= 0)
            QCOMPARE(nextCommand(), command(0x92, {code}));
        QVERIFY(m_device->nothingSent());
    }

    // Keys that light, wait with events running and only then send.
    void flashesBeforeTheCommand_data()
    {
        QTest::addColumn<QByteArray>("name");
        QTest::addColumn<int>("ms");
        QTest::addColumn<QByteArray>("sent");
        QTest::addColumn<QString>("litFace");
        QTest::addColumn<QString>("unlitFace");
        auto row = [](const char* name, int ms, const QByteArray& sent, const char* lit, const char* unlit) {
            QTest::newRow(name) << QByteArray(name) << ms << sent << QString::fromLatin1(lit)
                                << QString::fromLatin1(unlit);
        };
        row("btn_cut", 300, command(0x83), "c:/images/red/CUT.bmp", "c:/images/white/CUT.bmp");
        row("btn_7", 300, command(0x7C, {7}), "c:/images/Kavrelo/green/cal_7.bmp", "a:/images/Kavrelo/white/cal_7.bmp");
        row("btn_cam", 200, command(0x7E), "b:/images/Mirelth/green/CAM.bmp", "b:/images/Mirelth/white/CAM.bmp");
        row("btn_enter", 200, command(0x7F), "b:/images/Mirelth/green/ENTER.bmp", "b:/images/Mirelth/white/ENTER.bmp");
        row("btnPlay_Pause", 200, command(0x51), "b:/images/Tavrine/green/PLAY_PAUSE.bmp",
            "b:/images/Tavrine/white/PLAY_PAUSE.bmp");
        row("btnPrv", 200, command(0x54), "b:/images/Tavrine/green/PRE.bmp", "b:/images/Tavrine/white/PRE.bmp");
        row("btnNext", 200, command(0x55), "b:/images/Tavrine/green/NEXT.bmp", "b:/images/Tavrine/white/NEXT.bmp");
        row("btn_src3", 200, QByteArray(), "a:/images/Tavrine/green/SRC3.bmp", "a:/images/Tavrine/white/SRC3.bmp");
    }
    void flashesBeforeTheCommand()
    {
        QFETCH(QByteArray, name);
        QFETCH(int, ms);
        QFETCH(QByteArray, sent);
        QFETCH(QString, litFace);
        QFETCH(QString, unlitFace);
        cameraMenu(true);
        QStringList digits;
        for (int d = 0; d <= 9; ++d)
            digits << QStringLiteral("btn_%1").arg(d);
        QElapsedTimer clock;
        clock.start();
        const During during = clickAndLook(name.constData(), digits);
        QVERIFY(clock.elapsed() >= ms);
        QVERIFY(during.seen);
        QCOMPARE(during.face, face(litFace.at(0).toLatin1(), litFace.mid(2).prepend(QLatin1Char(':'))));
        QVERIFY2(during.quiet, "the command left before the flash ended");
        if (name.size() == 5)
            QCOMPARE(during.lit, QStringList{QString::fromLatin1(name)});
        if (sent.isEmpty())
            sent = command(0xBB, {int(fun()->sourceTable()[fun()->srcIndex(3)])});
        QCOMPARE(nextCommand(), sent);
        QCOMPARE(styleOf(name.constData()), face(unlitFace.at(0).toLatin1(), unlitFace.mid(2).prepend(QLatin1Char(':'))));
        QVERIFY(litKeys(digits).isEmpty());
        QVERIFY(m_device->nothingSent());
    }

    // SET and GOTO PRESET send on press and on release; the click after the release flashes.
    void presetsSendOnPressAndReleaseThenFlash_data()
    {
        QTest::addColumn<QByteArray>("name");
        QTest::addColumn<int>("cmd");
        QTest::addColumn<QString>("litFace");
        QTest::newRow("SET PRESET") << QByteArray("btn_set_preset") << 0x79 << ":/images/Kavrelo/green/SET_PRESET.bmp";
        QTest::newRow("GOTO PRESET") << QByteArray("btn_goto_preset") << 0x7B
                                     << ":/images/Kavrelo/green/GOTO_PRESET.bmp";
    }
    void presetsSendOnPressAndReleaseThenFlash()
    {
        QFETCH(QByteArray, name);
        QFETCH(int, cmd);
        QFETCH(QString, litFace);
        cameraMenu(true);
        QTest::mousePress(key(name.constData()), Qt::LeftButton);
        QCOMPARE(nextCommand(), command(uchar(cmd), {1}));
        QVERIFY(!lit(name));
        QString during;
        QList<QByteArray> sentBeforeFlashEnded;
        QTimer::singleShot(0, this, [&] {
            during = styleOf(name.constData());
            sentBeforeFlashEnded = m_device->commands();
        });
        QElapsedTimer clock;
        clock.start();
        QTest::mouseRelease(key(name.constData()), Qt::LeftButton);
        QVERIFY(clock.elapsed() >= 200);
        QCOMPARE(during, face('c', litFace));
        QCOMPARE(sentBeforeFlashEnded, QList<QByteArray>{command(uchar(cmd), {0})});
        QVERIFY(!lit(name));
        QVERIFY(m_device->nothingSent());
    }

    // With SHIFT on, PVW 3..6 flash yellow and end unlit; the lit PVW key stays; then the frame.
    void shiftFlashesThePreviewKey_data()
    {
        QTest::addColumn<QByteArray>("name");
        QTest::addColumn<int>("id");
        QTest::addColumn<bool>("flashes");
        QTest::newRow("PVW 4 flashes") << QByteArray("btn_pvw_4") << 4 << true;
        QTest::newRow("PVW 6 flashes") << QByteArray("btn_pvw_6") << 6 << true;
        QTest::newRow("PVW 1 shows nothing") << QByteArray("btn_pvw_1") << 1 << false;
        QTest::newRow("PVW bar shows nothing") << QByteArray("btn_pvw_bar") << 9 << false;
    }
    void shiftFlashesThePreviewKey()
    {
        QFETCH(QByteArray, name);
        QFETCH(int, id);
        QFETCH(bool, flashes);
        m_panel->set_PVWCH_Style(2);
        shift(true);
        QStringList before;
        for (const QString& n : pvwRow())
            before << styleOf(n.toLatin1().constData());
        if (!flashes) {
            QTest::mouseClick(key(name.constData()), Qt::LeftButton);
            QCOMPARE(nextCommand(), command(0x81, {id}));
            QStringList after;
            for (const QString& n : pvwRow())
                after << styleOf(n.toLatin1().constData());
            QCOMPARE(after, before);
            QVERIFY(m_device->nothingSent());
            return;
        }
        QElapsedTimer clock;
        clock.start();
        const During during = clickAndLook(name.constData(), pvwRow());
        QVERIFY(clock.elapsed() >= 200);
        QCOMPARE(nextCommand(), command(0x81, {id}));
        QVERIFY(m_device->nothingSent());
        QVERIFY(during.seen && during.quiet);
        QCOMPARE(during.face, face('c', QStringLiteral(":/images/Kavrelo/yellow/%1.bmp").arg(id)));
        QCOMPARE(during.lit, (QStringList{"btn_pvw_2", QString::fromLatin1(name)}));
        QCOMPARE(styleOf(name.constData()), face('c', QStringLiteral(":/images/white/png/%1.png").arg(id)));
        QCOMPARE(litKeys(pvwRow()), QStringList{"btn_pvw_2"});
    }

    // USB and SSD do not flash: the storage command, 1000 ms later the state request; the reply lights the key.
    void storageKeysFollowTheReply()
    {
        During during;
        QTimer::singleShot(0, this, [&] {
            during.seen = true;
            during.lit = litKeys({"btnUSB_EXIT", "btnSSD_EXIT"});
        });
        QElapsedTimer clock;
        clock.start();
        QTest::mouseClick(key("btnUSB_EXIT"), Qt::LeftButton);
        QVERIFY(clock.elapsed() >= 1000);
        QVERIFY(during.seen && during.lit.isEmpty());
        QCOMPARE(nextCommand(), command(0x52));
        QCOMPARE(nextCommand(), command(0x0A));
        QVERIFY(!lit("btnUSB_EXIT"));
        QSignalSpy applied(fun(), &onlyFun::getDateSignals);
        m_device->reply(dump({{rStorage, 1}}));
        QVERIFY(applied.wait(5000));
        QCOMPARE(styleOf("btnUSB_EXIT"), face('b', ":/images/Tavrine/green/USB.bmp"));
        QCOMPARE(styleOf("btnSSD_EXIT"), face('b', ":/images/Tavrine/white/SSD.bmp"));
        QTest::mouseClick(key("btnSSD_EXIT"), Qt::LeftButton);
        QCOMPARE(nextCommand(), command(0x53));
        QCOMPARE(nextCommand(), command(0x0A));
        QVERIFY(m_device->nothingSent());
    }

    void focusPressAndRelease()
    {
        cameraMenu(true);
        QTest::mousePress(key("btn_focus_sub"), Qt::LeftButton);
        QCOMPARE(styleOf("btn_focus_sub"), face('c', ":/images/Kavrelo/green/F-.bmp"));
        QCOMPARE(nextCommand(), command(0x78, {1}));
        QTest::mouseRelease(key("btn_focus_sub"), Qt::LeftButton);
        QCOMPARE(styleOf("btn_focus_sub"), face('c', ":/images/Kavrelo/white/F-.bmp"));
        QCOMPARE(nextCommand(), command(0x78, {0}));
        QVERIFY(m_device->nothingSent());
    }

    // The operator's T-bar lights AUTO between the ends, and CUT and AUTO stay usable.
    void tbarStrokeLeavesCutAndAutoEnabled()
    {
        QSlider* tbar = slider("verticalSlider_4");
        m_rig.quietly("verticalSlider_4", 0);
        tbar->setValue(40);
        QCOMPARE(nextCommand(), command(0x82, {0, 1}));
        QCOMPARE(nextCommand(), command(0x82, {0, 40}));
        QVERIFY(lit("btn_auto") && key("btn_cut")->isEnabled() && key("btn_auto")->isEnabled());
        tbar->setValue(127);
        QCOMPARE(nextCommand(), command(0x82, {0, 128}));
        QVERIFY(!lit("btn_auto") && key("btn_cut")->isEnabled() && key("btn_auto")->isEnabled());
        QVERIFY(m_device->nothingSent());
    }

    // The camera menu enables eighteen keys and ignores the camera number.
    void cameraMenuEnablesTheKeypad()
    {
        QWidget* cam = m_panel->camPage();
        QTest::mouseClick(key("btn_cam_meun"), Qt::LeftButton);
        QCOMPARE(nextCommand(), command(0x70, {1}));
        QVERIFY(lit("btn_cam_meun") && cam->isVisible());
        for (const char* n : kCameraKeys)
            QVERIFY2(key(n)->isEnabled() && !lit(n), n);
        m_panel->set_CAMMENU_Style(2, 3);
        QVERIFY(lit("btn_cam_meun") && key("btn_cam")->isEnabled());
        QTest::mouseClick(key("btn_cam_meun"), Qt::LeftButton);
        QCOMPARE(nextCommand(), command(0x70, {0}));
        QVERIFY(!lit("btn_cam_meun") && !cam->isVisible());
        for (const char* n : kCameraKeys)
            QVERIFY2(!key(n)->isEnabled(), n);
    }

    // Only the controller's recorder signals reach REC and PAUSE; REC is enabled with PAUSE.
    void recorderLamps()
    {
        fun()->setRecStreamEnable(1, 2, 0);
        QVERIFY(lit("btn_rec") && lit("btn_pause") && key("btn_rec")->isEnabled() && key("btn_pause")->isEnabled());
        fun()->setRecStreamEnable(0, 0, 0);
        QVERIFY(!lit("btn_rec") && !lit("btn_pause"));
        QVERIFY(!key("btn_rec")->isEnabled() && !key("btn_pause")->isEnabled());
        m_panel->set_Rec_Enable(true);
        QVERIFY(key("btn_rec")->isEnabled() && key("btn_pause")->isEnabled());
        QVERIFY(m_device->nothingSent());
    }

    // ---- state dump ---------------------------------------------------------

    void dumpFields_data()
    {
        QTest::addColumn<Bytes>("before");
        QTest::addColumn<Bytes>("after");
        QTest::addColumn<int>("size");
        QTest::addColumn<int>("status");
        QTest::addColumn<QStringList>("litKeys");
        QTest::addColumn<QStringList>("unlitKeys");
        auto row = [](const char* tag, Bytes before, Bytes after, QStringList on, QStringList off, int size = 130,
                      int status = 0) {
            QTest::newRow(tag) << before << after << size << status << on << off;
        };
        const QStringList stills{"btn_pgm_Still", "btn_pvw_Still"};
        row("still 0x00", {{rStill, 0x11}}, {{rStill, 0x00}}, {}, stills);
        row("still 0x01", {{rStill, 0x10}}, {{rStill, 0x01}}, {"btn_pgm_Still"}, {"btn_pvw_Still"});
        row("still 0x10", {{rStill, 0x01}}, {{rStill, 0x10}}, {"btn_pvw_Still"}, {"btn_pgm_Still"});
        row("still 0x11", {}, {{rStill, 0x11}}, stills, {});
        row("still 0x22 keeps both lit", {{rStill, 0x11}}, {{rStill, 0x22}}, stills, {});
        row("still 0x22 keeps both unlit", {}, {{rStill, 0x22}}, {}, stills);
        row("still 0x21: only PGM follows", {{rStill, 0x10}}, {{rStill, 0x21}}, stills, {});
        const QStringList storage{"btnSSD_EXIT", "btnUSB_EXIT"};
        row("storage 0", {{rStorage, 1}}, {{rStorage, 0}}, {}, storage);
        row("storage 1: USB", {{rStorage, 2}}, {{rStorage, 1}}, {"btnUSB_EXIT"}, {"btnSSD_EXIT"});
        row("storage 2: SSD", {{rStorage, 1}}, {{rStorage, 2}}, {"btnSSD_EXIT"}, {"btnUSB_EXIT"});
        row("storage 3 keeps SSD", {{rStorage, 2}}, {{rStorage, 3}}, {"btnSSD_EXIT"}, {"btnUSB_EXIT"});
        row("CH3 on in MIX", {{rMode, 1}}, {{rMode, 1}, {rCh3On, 1}}, {"btn_ch3"}, {});
        row("CH3 2 keeps the lamp", {{rMode, 1}, {rCh3On, 1}}, {{rMode, 2}, {rCh3On, 2}}, {"btn_ch3"}, {});
        row("AFV clears CH3", {{rMode, 1}, {rCh3On, 1}}, {{rMode, 0}, {rCh3On, 2}}, {}, {"btn_ch3"});
        row("PVW 5 without SHIFT: the row reset", {{rPvw, 2}}, {{rPvw, 5}}, {"btn_pvw_5"}, {"btn_pvw_2"});
        row("kind 8: the first group holding the effect", {}, {{rKind, 8}, {rCur, 83}}, {"btnGroup9"},
            {"btnGroup1", "btn_mix"});
        row("camera menu on lights no keypad key", {}, {{rCamMenu, 1}, {rCam, 5}}, {"btn_cam_meun"},
            {"btn_5", "btn_cam"});
        row("123 bytes: ignored whole", {{rPgm, 3}, {rStorage, 1}}, {{rPgm, 5}}, {"btn_pgm_3", "btnUSB_EXIT"},
            {"btn_pgm_5"}, kMinDump - 1);
        row("124 bytes are enough", {{rPgm, 3}, {rStorage, 1}}, {{rPgm, 5}}, {"btn_pgm_5"},
            {"btn_pgm_3", "btnUSB_EXIT"}, kMinDump);
        row("a busy record is ignored", {{rPgm, 3}}, {{rPgm, 5}}, {"btn_pgm_3"}, {"btn_pgm_5"}, 130, 1);
    }
    void dumpFields()
    {
        QFETCH(Bytes, before);
        QFETCH(Bytes, after);
        QFETCH(int, size);
        QFETCH(int, status);
        QFETCH(QStringList, litKeys);
        QFETCH(QStringList, unlitKeys);
        m_panel->getDate(dump(withGroups(before)));
        m_panel->getDate(dump(withGroups(after), size, quint8(status)));
        for (const QString& n : litKeys)
            QVERIFY2(lit(n.toLatin1()), qPrintable(n));
        for (const QString& n : unlitKeys)
            QVERIFY2(!lit(n.toLatin1()), qPrintable(n));
        QVERIFY(m_device->nothingSent());
    }

    // The still lamps' colours, the group face's effect, the CH3 fader; over the wire, nothing goes back.
    void dumpOverTheWireSendsNothingBack()
    {
        QSignalSpy applied(fun(), &onlyFun::getDateSignals);
        QSignalSpy hdr(fun(), &onlyFun::setHDR_ON_EnableSignals);
        m_device->reply(dump(withGroups({{rPgm, 9}, {rMode, 1}, {rStill, 0x11}, {rKind, 8}, {rCur, 83},
                                         {rCh3On, 1}, {rCh3Level, 60}, {rCamMenu, 0}, {rMic, 30},
                                         {rHdr, 0x05}, {rGroupSwitch, 1}})));
        QVERIFY(applied.wait(5000));
        QCOMPARE(styleOf("btn_pgm_Still"), face('b', ":/images/Tavrine/red/STILL.bmp"));
        QCOMPARE(styleOf("btn_pvw_Still"), face('b', ":/images/Mirelth/green/STILL.bmp"));
        QCOMPARE(styleOf("btnGroup9"), face('c', ":/images/Druvela/green/special_effect/GROUP9/SFX82.bmp"));
        QCOMPARE(styleOf("btn_ch3"), face('a', ":/images/Kavrelo/green/CH3.bmp"));
        QCOMPARE(slider("verticalSlider_3")->value(), 60);
        QVERIFY(lit("btn_pgm_bar"));
        // Byte 110 goes to the HDR state and the settings window, byte 109 to both windows.
        QCOMPARE(hdr.count(), 1);
        QCOMPARE(hdr.at(0).at(0).toBool(), true);
        QCOMPARE(m_panel->mainMenu()->findChild<QComboBox*>(QStringLiteral("comboBoxHDR_CFG"))->currentIndex(), 2);
        QCOMPARE(m_panel->mainMenu()->findChild<QSpinBox*>(QStringLiteral("spinBoxMIC"))->value(), 12);
        QCOMPARE(m_panel->audioPage()->findChild<QSpinBox*>(QStringLiteral("spinBoxMicVolume"))->value(), 12);
        // Camera menu 0: the eighteen keys disabled and the camera window closed.
        for (const char* n : kCameraKeys)
            QVERIFY2(!key(n)->isEnabled(), n);
        QVERIFY(!static_cast<QWidget*>(m_panel->camPage())->isVisible());
        QVERIFY2(m_device->nothingSent(), "applying the switcher's state sent a command back");
    }

    // With SHIFT on, the dump's PVW byte flashes its key instead of lighting the row.
    void dumpWithShiftFlashesThePreviewKey()
    {
        m_panel->set_PVWCH_Style(2);
        shift(true);
        QString during;
        bool guarded = false;
        QTimer::singleShot(0, this, [&] {
            during = styleOf("btn_pvw_5");
            guarded = updateDevStateEnable;
        });
        QElapsedTimer clock;
        clock.start();
        m_panel->getDate(dump({{rPvw, 5}, {rPgm, 4}, {rRate, 2}}));
        QVERIFY(clock.elapsed() >= 200);
        QVERIFY(guarded);
        QCOMPARE(during, face('c', ":/images/Kavrelo/yellow/5.bmp"));
        QCOMPARE(litKeys(pvwRow()), QStringList{"btn_pvw_2"});
        QVERIFY(lit("btn_pgm_4") && lit("btn_rate3"));
        // Values other than 3..6 show nothing.
        m_panel->getDate(dump({{rPvw, 1}}));
        QCOMPARE(litKeys(pvwRow()), QStringList{"btn_pvw_2"});
        QVERIFY(m_device->nothingSent());
    }

    // A second dump handled inside the first one's SHIFT flash: the first one finishes from
    // its own bytes, with the device-state flag still raised, and nothing is echoed.
    void secondDumpDuringTheShiftFlash()
    {
        shift(true);
        m_rig.quietly("verticalSlider_3", 10);
        bool raisedAfterInner = false, innerApplied = false;
        QTimer::singleShot(0, this, [&] {
            m_panel->getDate(dump(withGroups({{rMode, 1}, {rPvw, 1}, {rPgm, 5}, {rRate, 2}, {rStorage, 2},
                                              {rCh3Level, 70}, {rStill, 0x10}})));
            innerApplied = lit("btn_pgm_5") && lit("btnSSD_EXIT");
            raisedAfterInner = updateDevStateEnable;
        });
        m_panel->getDate(dump(withGroups({{rMode, 1}, {rPvw, 3}, {rPgm, 2}, {rRate, 0}, {rStorage, 1},
                                          {rCh3Level, 40}, {rStill, 0x01}})));
        QVERIFY(innerApplied);
        QVERIFY(raisedAfterInner);
        // The inner dump came after the outer one's PGM step; everything after it is the outer one's.
        QVERIFY(lit("btn_pgm_5") && !lit("btn_pgm_2"));
        QVERIFY(lit("btn_rate1") && !lit("btn_rate3"));
        QVERIFY(lit("btnUSB_EXIT") && !lit("btnSSD_EXIT"));
        QVERIFY(lit("btn_pgm_Still") && !lit("btn_pvw_Still"));
        QCOMPARE(slider("verticalSlider_3")->value(), 40);
        QVERIFY2(m_device->nothingSent(), "a fader moved by the outer dump was sent");
    }

    // The panel goes during the flash a dump started: the decoder stops there.
    void closeDuringTheFlashOfADump()
    {
        shift(true);
        QPointer<QWidget> menu(m_panel->mainMenu());
        QTimer::singleShot(0, this, [this] { delete m_panel.data(); });
        m_panel->getDate(dump({{rPvw, 6}, {rStorage, 1}, {rCh3Level, 50}}));
        QVERIFY(m_panel.isNull() && menu.isNull());
        QVERIFY(!updateDevStateEnable);
        QVERIFY(m_device->nothingSent());
    }

    // Two dumps over the wire, the second sent with the first or during its SHIFT flash: the
    // second is applied once the first has finished, so the panel ends showing it whole.
    void dumpsOverTheWireInArrivalOrder_data()
    {
        QTest::addColumn<bool>("duringTheFlash");
        QTest::newRow("sent together") << false;
        QTest::newRow("second sent during the flash") << true;
    }
    void dumpsOverTheWireInArrivalOrder()
    {
        QFETCH(bool, duringTheFlash);
        shift(true);
        m_rig.quietly("verticalSlider_3", 10);
        const QByteArray first = dump(withGroups({{rMode, 1}, {rPvw, 3}, {rPgm, 2}, {rRate, 0}, {rStorage, 1},
                                                  {rCh3Level, 40}, {rStill, 0x01}}));
        const QByteArray second = dump(withGroups({{rMode, 1}, {rPvw, 1}, {rPgm, 5}, {rRate, 2}, {rStorage, 2},
                                                   {rCh3Level, 70}, {rStill, 0x10}}));
        // Connected after the panel's decoder: sees each dump once the panel has applied it.
        QList<QByteArray> finished;
        bool firstWhole = false;
        connect(fun(), &onlyFun::getDateSignals, this, [&](const QByteArray& by) {
            if (finished.isEmpty())
                firstWhole = lit("btn_pgm_2") && lit("btn_rate1") && lit("btnUSB_EXIT") && lit("btn_pgm_Still")
                             && slider("verticalSlider_3")->value() == 40;
            finished << by;
        });
        QTimer watch;
        if (duringTheFlash)
            onceShowing(watch, "btn_pvw_3", face('c', ":/images/Kavrelo/yellow/3.bmp"), [&] { m_device->reply(second); });
        m_device->reply(first);
        if (!duringTheFlash)
            m_device->reply(second);
        QTRY_COMPARE_WITH_TIMEOUT(finished.size(), 2, 5000);
        disconnect(fun(), &onlyFun::getDateSignals, this, nullptr);
        QCOMPARE(finished, (QList<QByteArray>{first, second}));
        QVERIFY(firstWhole);
        QVERIFY(lit("btn_pgm_5") && !lit("btn_pgm_2"));
        QVERIFY(lit("btn_rate3") && !lit("btn_rate1"));
        QVERIFY(lit("btnSSD_EXIT") && !lit("btnUSB_EXIT"));
        QVERIFY(lit("btn_pvw_Still") && !lit("btn_pgm_Still"));
        QCOMPARE(slider("verticalSlider_3")->value(), 70);
        QVERIFY2(m_device->nothingSent(), "a dump over the wire was echoed");
    }

    // EXIT during the SHIFT flash of a dump that came over the wire, with the opener's end in
    // place (close, then deleteLater): the panel and its command layer go while the flash waits,
    // the dump queued behind it is never applied, and nothing is sent.
    void exitDuringTheShiftFlashOfAReceivedDump()
    {
        shift(true);
        QPointer<QWidget> menu(m_panel->mainMenu());
        QWidget search;
        int backToSearch = 0;
        WindowPlacement::showDormantPanel(m_panel.data(), &search, &Mirelth::ExitSignals,
                                          WindowPlacement::PanelEnd::Close, [&backToSearch] { ++backToSearch; });
        QTimer watch;
        onceShowing(watch, "btn_pvw_5", face('c', ":/images/Kavrelo/yellow/5.bmp"),
                    [this] { QTest::mouseClick(key("btn_exit"), Qt::LeftButton); });
        m_device->reply(dump({{rPvw, 5}, {rStorage, 1}, {rCh3Level, 50}}));
        m_device->reply(dump({{rPvw, 6}, {rStorage, 2}}));
        QTRY_VERIFY_WITH_TIMEOUT(m_panel.isNull(), 5000);
        QVERIFY(!watch.isActive());
        QVERIFY(menu.isNull());
        QCOMPARE(backToSearch, 1);
        QVERIFY(!updateDevStateEnable);
        QVERIFY(m_device->nothingSent());
    }

    // Each reply slot leaves the device-state flag as it found it; short replies are ignored.
    void guardRestoredAndShortRepliesIgnored_data()
    {
        QTest::addColumn<int>("slot");
        QTest::addColumn<QByteArray>("reply");
        QTest::newRow("state") << 0 << dump({{rPgm, 2}});
        QTest::newRow("state, one byte short") << 0 << dump({{rPgm, 2}}, kMinDump - 1);
        QTest::newRow("T-bar") << 1 << EditionFrames::tbar(0, 40);
        QTest::newRow("POP window") << 2 << EditionFrames::reply(0x6F, 22, {{18, 1}});
        QTest::newRow("version") << 3 << EditionFrames::reply(0x49, 40);
        QTest::newRow("version, 31 bytes") << 3 << EditionFrames::reply(0x49, 31);
    }
    void guardRestoredAndShortRepliesIgnored()
    {
        QFETCH(int, slot);
        QFETCH(QByteArray, reply);
        checkGuardRestored(slot, reply);
    }

    // ---- lifetime -----------------------------------------------------------

    void endOfRun()
    {
        QSignalSpy ended(m_panel.data(), &Mirelth::ExitSignals);
        QTest::mouseClick(key("btn_exit"), Qt::LeftButton);
        QCOMPARE(ended.count(), 1);
        QPointer<QWidget> menu(m_panel->mainMenu());
        QPointer<QWidget> audio(static_cast<QWidget*>(m_panel->audioPage()));
        delete m_panel.data();
        QVERIFY(menu.isNull() && audio.isNull());
        QVERIFY(m_device->nothingSent());
    }
};

QTEST_MAIN(tst_mirelth_panel)
#include "tst_mirelth_panel.moc"
