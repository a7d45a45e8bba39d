// The Tavrine panel bound to a switcher on 127.0.0.2, as type 100 unless a
// case says otherwise: the recording row its model type decides, the two
// STILL keys, the eight fixed transitions, the third channel, MIC CFG, the
// AUTO lamp that locks nothing, and the dump bytes it reads. What it shares
// with the Druvela panel is tested there.

#include "audio_page.h"
#include "key_page.h"
#include "pattern_page.h"
#include "pip_page.h"
#include "pop_page.h"
#include "edition_frames.h"
#include "family_panel_tests.h"
#include "face_pictures.h"
#include "tavrine.h"
#include "widget_events.h"

#include <QComboBox>
#include <QElapsedTimer>
#include <QGroupBox>
#include <QLabel>
#include <QSpinBox>
#include <QTimer>
#include <QtTest>

namespace {

using namespace familytest;

constexpr unsigned char kType = 100;

QByteArray dump(const Bytes& record, quint32 w = 0, int size = 130)
{
    return EditionFrames::stateDump(record, w, 0, size);
}

const char* const kRecordingRow[] = {"btn_rec", "btnPlay_Pause", "btnPrv", "btnNext",
                                     "btnSSD_EXIT", "btnUSB_EXIT", "btn_pause", "btn_stream"};
const char* const kTransitions[] = {"btn_mix", "btn_fade", "btnWipe", "btnInv",
                                    "btn_sfx1", "btn_sfx2", "btn_sfx3", "btn_sfx4"};

// Counts the style changes of one widget: a face shown once is one change.
struct StyleChangeCount : QObject {
    int count = 0;
    explicit StyleChangeCount(QWidget* w) { w->installEventFilter(this); }
    bool eventFilter(QObject*, QEvent* e) override
    {
        if (e->type() == QEvent::StyleChange)
            ++count;
        return false;
    }
};

} // namespace

class tst_tavrine_panel : public QObject, private PanelKit<Tavrine>
{
    Q_OBJECT

public:
    tst_tavrine_panel() : PanelKit({"formAndConstruction", "recordingRow", "closeDuringAFlash"}) {}

private:
    QStringList litTransitions() const
    {
        QStringList on;
        for (const char* n : kTransitions)
            if (lit(n))
                on << QLatin1String(n);
        return on;
    }

private slots:
    void initTestCase() { QVERIFY(bindSwitcher()); }
    void init()
    {
        const QByteArray tag = QTest::currentDataTag();
        QVERIFY(freshPanel(tag.startsWith("type ") ? uchar(tag.mid(5).toInt()) : kType));
    }
    void cleanup()
    {
        QVERIFY(!updateDevStateEnable);
        DEV_CHILD_TYPE = kType;
        m_rig.cleanup();
    }
    void cleanupTestCase() { delete m_panel; }

    // ---- form and construction ----------------------------------------------

    void formAndConstruction_data()
    {
        QTest::addColumn<QString>("picture");
        QTest::newRow("type 100") << QStringLiteral("/tmp/tavrine_panel.png");
        QTest::newRow("type 97") << QStringLiteral("/tmp/tavrine_panel_97.png");
    }
    void formAndConstruction()
    {
        QFETCH(QString, picture);
        QCOMPARE(m_panel->objectName(), QStringLiteral("Tavrine"));
        QCOMPARE(m_panel->minimumSize(), QSize(1280, 720));
        QCOMPARE(m_panel->maximumSize(), QSize(1280, 720));
        QCOMPARE(m_panel->windowTitle(), QStringLiteral("Qavo"));
        QCOMPARE(int(m_panel->windowFlags() & (Qt::Dialog | Qt::FramelessWindowHint)), 0x803);
        // The bottom bar's maximum width lies below its minimum; the rows ask for more than the window.
        QCOMPARE(m_rig.w<QWidget>("widget_bottom")->minimumSize(), QSize(1280, 31));
        QCOMPARE(m_rig.w<QWidget>("widget_bottom")->maximumSize(), QSize(31, 16777215));
        QCOMPARE(slider("verticalSlider_1")->minimumSize(), QSize(0, 195));
        QCOMPARE(slider("verticalSlider_1")->maximumSize(), QSize(19, 195));
        for (const char* n : {"verticalSlider_2", "verticalSlider_3", "verticalSlider_master"})
            QVERIFY2(slider(n)->minimumSize() == QSize(19, 195) && slider(n)->maximumSize() == QSize(19, 195), n);
        QCOMPARE(slider("verticalSlider_3")->maximum(), 100);
        QCOMPARE(slider("verticalSlider_4")->maximum(), 127);
        // Blocks above their parent's top; the PGM/PVW block's sheet names its picture without a rule.
        QCOMPARE(m_rig.w<QWidget>("widget_1")->pos(), QPoint(20, -10));
        QCOMPARE(m_rig.w<QWidget>("widget_4")->pos(), QPoint(1050, -22));
        QCOMPARE(m_rig.w<QWidget>("widget_3")->styleSheet(),
                 QStringLiteral("QWIDGET::{:/images/StyleSheet/bottom_label_2.png};"));
        QCOMPARE(m_rig.w<QGroupBox>("groupBoxCAMERA")->styleSheet(), QStringLiteral("border:0px;"));
        for (QPushButton* b : m_panel->findChildren<QPushButton*>())
            QVERIFY2(b->text().isEmpty() && b->icon().isNull(), qPrintable(b->objectName()));
        // The third channel's column is built lower key first, as the form has it.
        QWidgetList focus;
        for (QWidget* w = m_panel->nextInFocusChain(); w != m_panel; w = w->nextInFocusChain())
            focus << w;
        QVERIFY(focus.indexOf(key("btn_src3")) < focus.indexOf(key("btn_ch3")));
        QVERIFY(focus.indexOf(key("btn_ch2")) < focus.indexOf(key("btn_src2")));
        // AFV at start, the channel keys wait for MIX; the cameras for the camera menu.
        QCOMPARE(styleOf("btn_afv_mix"), face('b', ":/images/green/AFV.bmp"));
        for (const char* n : {"btn_ch1", "btn_ch2", "btn_ch3", "btn_src1", "btn_src2", "btn_src3", "btn_1", "btn_6",
                              "btn_z_add", "btn_z_sub"})
            QVERIFY2(!key(n)->isEnabled(), n);
        QVERIFY(key("btn_master")->isEnabled() && key("btn_cut")->isEnabled() && key("btn_auto")->isEnabled());
        for (const char* n : {"btn_null1", "btn_null4"})
            QCOMPARE(styleOf(n), face('c', ":/images/Druvela/white/NULL.bmp"));
        QCOMPARE(styleOf("btnLevelAdd"), face('b', ":/images/Tavrine/white/LEVEL+.bmp"));
        QCOMPARE(styleOf("btn_pvw_Still"), face('b', ":/images/Tavrine/white/STILL.bmp"));
        QCOMPARE(styleOf("btn_sfx2"), face('c', ":/images/Tavrine/white/SFX__LEFT_DOWN.bmp"));
        QCOMPARE(styleOf("btn_ch3"), face('a', ":/images/Tavrine/white/INPUT3.bmp"));

        // Every face a key can show is in the picture set.
        QStringList styles;
        using T = Tavrine;
        using Lamp = void (Tavrine::*)(bool);
        for (bool on : {false, true}) {
            const std::initializer_list<Lamp> lamps = {
                &T::on_Style_btnCH1,      &T::on_Style_btnCH2,      &T::on_Style_btnCH3,   &T::on_Style_btnMASTER,
                &T::on_Style_btnSRC1,     &T::on_Style_btnSRC2,     &T::on_Style_btnSRC3,  &T::on_Style_btnMIC,
                &T::on_Style_btnLevelAdd, &T::on_Style_btnLevelSub, &T::on_Style_btnFTB,   &T::on_Style_btnCut,
                &T::on_Style_btnAuto,     &T::on_Style_btnPGMSTILL, &T::on_Style_btnCamMeun, &T::on_Style_btn_z_add,
                &T::on_Style_btn_z_sub,   &T::on_Style_btnPIP,      &T::on_Style_btnPOP,   &T::on_Style_btnKey1,
                &T::on_Style_btnKey2,     &T::on_Style_btnAFV};
            // The recording row's lamps only where it is enabled: elsewhere it keeps the placeholder.
            const std::initializer_list<Lamp> recording = {
                &T::on_Style_btnRec, &T::on_Style_btnPause, &T::on_Style_btnStream, &T::on_Style_btnPlay_Pause,
                &T::on_Style_btnPrv, &T::on_Style_btnNext,  &T::on_Style_btnSSD_EXIT, &T::on_Style_btnUSB_EXIT};
            for (Lamp lamp : lamps)
                (m_panel.data()->*lamp)(on);
            if (DEV_CHILD_TYPE == kType)
                for (Lamp lamp : recording)
                    (m_panel.data()->*lamp)(on);
            for (QWidget* w : m_panel->findChildren<QWidget*>())
                styles << w->styleSheet();
        }
        for (int id = 0; id <= 9; ++id) {
            m_panel->set_PGMCH_Style(uchar(id));
            m_panel->set_PVWCH_Style(uchar(id));
            m_panel->set_Rate_Style(uchar(id));
            m_panel->set_Cam_Style(uchar(id));
            m_panel->set_TRANSITONS_Style(uchar(id), 0);
            for (QWidget* w : m_panel->findChildren<QWidget*>())
                styles << w->styleSheet();
        }
        QSet<QString> checked;
        for (const QString& style : qAsConst(styles))
            for (const QString& path : picturesIn(style)) {
                QVERIFY2(QFile::exists(path), qPrintable(path));
                checked.insert(path);
            }
        QVERIFY2(checked.size() > (DEV_CHILD_TYPE == kType ? 100 : 85), qPrintable(QString::number(checked.size())));
        // A picture to look at, every key at a face.
        m_panel->set_AFVorMIX_Enable(true);
        m_panel->set_CAMMENU_Style(1, 2);
        m_panel->set_PGMCH_Style(3);
        m_panel->set_PVWCH_Style(9);
        m_panel->set_Trans_Style(4, 30, 1, 30, 30, 4, 5, 6, 7, 8, 9, 10);
        m_panel->set_Stll_Style(1);
        m_panel->set_CH3_Enable(1);
        m_panel->set_Rate_Style(1);
        m_panel->grab().save(picture);
        m_panel->set_CAMMENU_Style(0, 0);
    }

    // Recording and transport keys by the model's type, decided when the panel is built.
    void recordingRow_data()
    {
        QTest::addColumn<bool>("enabled");
        for (int t : {100, 101, 102, 103})
            QTest::addRow("type %d", t) << true;
        for (int t : {96, 97, 98, 99, 0, 105})
            QTest::addRow("type %d", t) << false;
    }
    void recordingRow()
    {
        QFETCH(bool, enabled);
        const QString nullFace = rule('b', QStringLiteral(":/images/Druvela/white/NULL.bmp")) + fun()->setColorWhite();
        for (const char* n : kRecordingRow) {
            QCOMPARE(key(n)->isEnabled(), enabled);
            QCOMPARE(styleOf(n) == nullFace, !enabled);
        }
        if (enabled) {
            QCOMPARE(styleOf("btnPrv"), face('b', ":/images/Tavrine/white/PRE.bmp"));
            QCOMPARE(styleOf("btn_stream"), face('b', ":/images/Druvela/white/STREAM.bmp"));
        }
        // The controller's recording signals reach the lamps only on the recording models.
        emit fun()->m_on_Style_btnRec_Signals(true);
        emit fun()->m_on_Style_btnStream_Signals(true);
        QCOMPARE(lit("btn_rec"), enabled);
        QCOMPARE(lit("btn_stream"), enabled);
        QCOMPARE(key("btn_pause")->isEnabled(), enabled);
        emit fun()->m_on_Style_btnRec_Signals(false);
        QCOMPARE(key("btn_pause")->isEnabled(), false);
        QVERIFY(m_device->nothingSent());
        if (!enabled)
            return;
        // Transport keys are wired to nothing; REC toggles, then asks for the state a second later.
        for (const char* n : {"btnPlay_Pause", "btnPrv", "btnNext", "btnSSD_EXIT", "btnUSB_EXIT"})
            QTest::mouseClick(key(n), Qt::LeftButton);
        QVERIFY(m_device->nothingSent());
        fun()->setRecStreamEnable(0, 0, 0);
        QElapsedTimer clock;
        clock.start();
        QTest::mouseClick(key("btn_rec"), Qt::LeftButton);
        QVERIFY(clock.elapsed() >= 1000);
        QCOMPARE(m_device->nextCommand(), command(0xB2, {1}));
        QCOMPARE(m_device->nextCommand(), command(0x0A));
        // No reply carries the recording state for this model: the lamp stays dark.
        m_panel->getDate(dump({}, (1u << 1) | (1u << 10)));
        QVERIFY(!lit("btn_rec") && !lit("btn_stream"));
        QVERIFY(m_device->nothingSent());
    }

    // ---- keys ---------------------------------------------------------------

    void keyPresses_data()
    {
        QTest::addColumn<QByteArray>("name");
        QTest::addColumn<int>("type");
        QTest::addColumn<QList<QByteArray>>("sent");  // one click per frame; none: one silent click
        QTest::addColumn<QString>("faceAfter");       // form and path; empty: not checked
        QTest::addColumn<QStringList>("litTransitions");
        auto row = [](const char* tag, const char* name, QList<QByteArray> sent, const char* f,
                      QStringList trans = {"-"}, int type = kType) {
            QTest::newRow(tag) << QByteArray(name) << type << sent << QString::fromLatin1(f) << trans;
        };
        const QByteArray still = command(0xCF);
        row("PGM STILL on", "btn_pgm_Still", {still}, "b:/images/Tavrine/green/STILL.bmp");
        row("PGM STILL on, off", "btn_pgm_Still", {still, still}, "b:/images/Tavrine/white/STILL.bmp");
        row("PVW STILL sends STILL and lights nothing", "btn_pvw_Still", {still, still},
            "b:/images/Tavrine/white/STILL.bmp");
        row("MIX", "btn_mix", {command(0x8D)}, "c:/images/green/MIX.bmp", {"btn_mix"});
        row("FADE", "btn_fade", {command(0x8E)}, "c:/images/green/FADE.bmp", {"btn_fade"});
        row("Wipe", "btnWipe", {command(0x92, {37})}, "c:/images/Tavrine/green/WIPE.bmp", {"btnWipe"});
        row("Inv", "btnInv", {command(0x92, {35})}, "c:/images/Tavrine/green/INV.bmp", {"btnInv"});
        row("sfx1", "btn_sfx1", {command(0x92, {41})}, "c:/images/Tavrine/green/SFX_LEFT.bmp", {"btn_sfx1"});
        row("sfx2", "btn_sfx2", {command(0x92, {39})}, "c:/images/Tavrine/green/SFX_LEFT_DOWN.bmp", {"btn_sfx2"});
        row("sfx3 silent", "btn_sfx3", {}, "c:/images/Tavrine/white/SFX_UP.bmp", {"btn_fade"});
        row("sfx4 silent", "btn_sfx4", {}, "c:/images/Tavrine/white/SFX__LEFT_UP.bmp", {"btn_fade"});
        row("sfx3 on type 105", "btn_sfx3", {command(0x92, {120})}, "c:/images/Tavrine/green/SFX_UP.bmp",
            {"btn_sfx3"}, 105);
        row("sfx4 on type 105", "btn_sfx4", {command(0x92, {121})}, "c:/images/Tavrine/green/SFX_LEFT_UP.bmp",
            {"btn_sfx4"}, 105);
        row("CH3 on", "btn_ch3", {command(0xB3, {2})}, "a:/images/Tavrine/green/INPUT3.bmp");
        row("LEVEL+ wired to nothing", "btnLevelAdd", {}, "b:/images/Tavrine/white/LEVEL+.bmp");
        row("LEVEL- wired to nothing", "btnLevelSub", {}, "b:/images/Tavrine/white/LEVEL-.bmp");
    }
    void keyPresses()
    {
        QFETCH(QByteArray, name);
        QFETCH(int, type);
        QFETCH(QList<QByteArray>, sent);
        QFETCH(QString, faceAfter);
        QFETCH(QStringList, litTransitions);
        DEV_CHILD_TYPE = quint32(type);
        m_panel->set_AFVorMIX_Enable(true);
        m_panel->set_Stll_Style(0);
        m_panel->set_TRANSITONS_Style(1, 0);
        for (const QByteArray& frame : sent) {
            QTest::mouseClick(key(name.constData()), Qt::LeftButton);
            QCOMPARE(m_device->nextCommand(), frame);
        }
        if (sent.isEmpty())
            QTest::mouseClick(key(name.constData()), Qt::LeftButton);
        QVERIFY(m_device->nothingSent());
        if (!faceAfter.isEmpty())
            QCOMPARE(styleOf(name.constData()), face(faceAfter.at(0).toLatin1(), QLatin1Char(':') + faceAfter.mid(2)));
        if (litTransitions != QStringList{"-"})
            QCOMPARE(this->litTransitions(), litTransitions);
        QCOMPARE(m_panel->stillOn(), name == "btn_pgm_Still" && sent.size() == 1);
    }

    // Keys that light, wait with events running and only then send.
    void flashesBeforeTheCommand_data()
    {
        QTest::addColumn<QByteArray>("name");
        QTest::addColumn<int>("ms");
        QTest::addColumn<int>("cmd");  // the frame's command byte
        QTest::newRow("CUT") << QByteArray("btn_cut") << 300 << 0x83;
        QTest::newRow("SRC3") << QByteArray("btn_src3") << 200 << 0xBB;
        QTest::newRow("MIC CFG") << QByteArray("btn_mic_cfg") << 400 << 0xDD;
    }
    void flashesBeforeTheCommand()
    {
        QFETCH(QByteArray, name);
        QFETCH(int, ms);
        QFETCH(int, cmd);
        m_panel->set_AFVorMIX_Enable(true);
        AUDIO_PAGE* audio = m_panel->audioPage();
        audio->close();
        audio->show_lnge_cfg_slots(true);
        bool seen = false, quiet = false, litDuring = false, audioDuring = true;
        QTimer::singleShot(0, this, [&] {
            seen = true;
            litDuring = lit(name);
            audioDuring = audio->isVisible();
            quiet = m_device->nothingSent();
        });
        QElapsedTimer clock;
        clock.start();
        QTest::mouseClick(key(name.constData()), Qt::LeftButton);
        QVERIFY(clock.elapsed() >= ms);
        QVERIFY(seen && litDuring && quiet && !audioDuring);
        QVERIFY(!lit(name));
        const QByteArray sent = m_device->nextCommand();
        QVERIFY(sent.size() > 16);
        QCOMPARE(int(quint8(sent.at(16))), cmd);
        QVERIFY(m_device->nothingSent());
        // MIC CFG shows the audio window with its microphone rows; the line row keeps its state.
        QCOMPARE(audio->isVisible(), name == "btn_mic_cfg");
        if (name == "btn_mic_cfg") {
            QVERIFY(namedChild<QSpinBox>(audio, QStringLiteral("spinBoxMicVolume"))->isEnabled());
            QVERIFY(namedChild<QComboBox>(audio, QStringLiteral("comboBox_micHpfs"))->isEnabled());
            QVERIFY(namedChild<QSpinBox>(audio, QStringLiteral("spinBoxLineGain"))->isEnabled());
            audio->close();
        }
    }

    // The operator's T-bar lights AUTO between the ends and locks nothing; a device report moves it silently.
    void tbarFromTheOperatorAndTheDevice()
    {
        QSlider* tbar = slider("verticalSlider_4");
        m_rig.quietly("verticalSlider_4", 0);
        tbar->setValue(40);
        QCOMPARE(m_device->nextCommand(), command(0x82, {0, 1}));
        QCOMPARE(m_device->nextCommand(), command(0x82, {0, 40}));
        QVERIFY(lit("btn_auto") && key("btn_cut")->isEnabled() && key("btn_auto")->isEnabled());
        tbar->setValue(127);
        QCOMPARE(m_device->nextCommand(), command(0x82, {0, 128}));
        QVERIFY(!lit("btn_auto"));
        m_panel->getTXSliderDate(EditionFrames::tbar(1, 128));
        QCOMPARE(tbar->value(), 0);
        QVERIFY(!lit("btn_auto"));
        m_panel->getTXSliderDate(EditionFrames::tbar(0, 64));
        QCOMPARE(tbar->value(), 64);
        QVERIFY(lit("btn_auto") && key("btn_cut")->isEnabled());
        QVERIFY(m_device->nothingSent());
    }

    // ---- device-driven faces --------------------------------------------------

    // The device's transition: the first of groups 1..6 holding the current effect; 7..10 only stored.
    void transitionState_data()
    {
        QTest::addColumn<QList<int>>("bytes");  // kind, cur, g1..g10
        QTest::addColumn<QStringList>("litKeys");
        QTest::addColumn<int>("entry6");
        QTest::newRow("first match of three") << QList<int>{4, 30, 1, 30, 30, 4, 5, 6, 7, 8, 9, 10}
                                              << QStringList{"btnInv"} << 6;
        QTest::newRow("only g7 matches") << QList<int>{4, 30, 1, 2, 3, 4, 5, 6, 30, 8, 9, 10} << QStringList{} << 29;
        QTest::newRow("kind 8, g6") << QList<int>{8, 9, 1, 2, 3, 4, 5, 9, 9, 8, 9, 10} << QStringList{"btn_sfx4"} << 8;
        QTest::newRow("kind 1") << QList<int>{1, 9, 9, 2, 3, 4, 5, 6, 7, 8, 9, 10} << QStringList{"btn_mix"} << 6;
        QTest::newRow("kind 2") << QList<int>{2, 0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10} << QStringList{"btn_fade"} << 6;
        QTest::newRow("kind 5") << QList<int>{5, 1, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10} << QStringList{} << 6;
    }
    void transitionState()
    {
        QFETCH(QList<int>, bytes);
        QFETCH(QStringList, litKeys);
        QFETCH(int, entry6);
        m_panel->set_TRANSITONS_Style(0, 0);
        const auto b = [&bytes](int i) { return uchar(bytes.at(i)); };
        m_panel->set_Trans_Style(b(0), b(1), b(2), b(3), b(4), b(5), b(6), b(7), b(8), b(9), b(10), b(11));
        QCOMPARE(litTransitions(), litKeys);
        QCOMPARE(int(ICON_CURRENT_INDEX[6]), entry6);
        QCOMPARE(int(ICON_CURRENT_INDEX[0]), bytes.at(2) - 1);
    }

    void clickedTransitionStoresItsEffect()
    {
        m_panel->set_TRANSITONS_Style(7, 66);
        QCOMPARE(int(ICON_CURRENT_INDEX[5]), 66);
        QCOMPARE(litTransitions(), QStringList{"btn_sfx4"});
        const QList<quint32> before(std::begin(ICON_CURRENT_INDEX), std::end(ICON_CURRENT_INDEX));
        for (uchar id : {8, 11, 200}) {
            m_panel->set_TRANSITONS_Style(id, 5);
            QCOMPARE(litTransitions(), QStringList{});
        }
        QCOMPARE(QList<quint32>(std::begin(ICON_CURRENT_INDEX), std::end(ICON_CURRENT_INDEX)), before);
    }

    // The pattern has no key of its own: it shows on KEY2, which the chroma key
    // lights as well. Each function from the panel's setter, a click on its key
    // or a dump over the wire, starting with another function on; "off" first
    // turns it on the same way. The setter is given every other flag set, so
    // only the function it names may light.
    void patternShowsOnKey2_data()
    {
        QTest::addColumn<QString>("road");  // set, click, dump
        QTest::addColumn<int>("id");
        QTest::addColumn<bool>("on");
        QTest::addColumn<QByteArray>("litKey");  // empty: none
        QTest::addColumn<int>("window");          // 1 PIP, 2 POP, 3 luma, 4 chroma, 5 pattern; 0 none
        const char* const litBy[] = {"btn_pip", "btn_pop", "btn_key1", "btn_key2", "btn_key2"};
        for (const char* road : {"set", "click", "dump"}) {
            for (int id = 1; id <= 5; ++id) {
                // No key sends the pattern.
                if (id == 5 && qstrcmp(road, "click") == 0)
                    continue;
                QTest::addRow("%s %d on", road, id) << road << id << true << QByteArray(litBy[id - 1]) << id;
                QTest::addRow("%s %d off", road, id) << road << id << false << QByteArray() << 0;
            }
        }
    }
    void patternShowsOnKey2()
    {
        QFETCH(QString, road);
        QFETCH(int, id);
        QFETCH(bool, on);
        QFETCH(QByteArray, litKey);
        QFETCH(int, window);
        QWidget* const windows[5] = {m_panel->pipPage(), m_panel->popPage(), m_panel->lumaPage(),
                                     m_panel->chromaPage(), m_panel->patternPage()};
        const char* const keys[4] = {"btn_pip", "btn_pop", "btn_key1", "btn_key2"};
        const uchar commands[4] = {0x86, 0xA7, 0x8B, 0x8C};
        const int bytes[5] = {rPip, rPop, rLuma, rChroma, rPattern};
        const int other = id == 1 ? 2 : 1;
        fun()->set_FUNCTION_Style(other == 1, other == 2, 0, 0, 0);
        QVERIFY(lit(keys[other - 1]) && windows[other - 1]->isVisible());

        QSignalSpy reported(fun(), &onlyFun::set_Function_EnableSignals);
        QScopedPointer<StyleChangeCount> key2Changes;
        for (bool state : on ? QList<bool>{true} : QList<bool>{true, false}) {
            // KEY2 takes its face once in the last step.
            key2Changes.reset(new StyleChangeCount(key("btn_key2")));
            if (road == QLatin1String("set")) {
                bool flags[5] = {true, true, true, true, true};
                flags[id - 1] = state;
                m_panel->set_Function_Enable(uchar(id), flags[0], flags[1], flags[2], flags[3], flags[4]);
            } else if (road == QLatin1String("click")) {
                QTest::mouseClick(key(keys[id - 1]), Qt::LeftButton);
                QCOMPARE(nextCommand(), command(commands[id - 1], {state}));
            } else {
                const int before = reported.count();
                m_device->reply(dump({{bytes[id - 1], quint8(state)}}));
                QTRY_COMPARE_WITH_TIMEOUT(reported.count(), before + 1, 10000);
            }
        }

        QVERIFY(key2Changes->count <= 1);
        for (const char* n : keys)
            QVERIFY2(lit(n) == (litKey == n), n);
        QCOMPARE(styleOf("btn_key2"), face('b', litKey == "btn_key2" ? ":/images/Druvela/green/switcher_key2_w.bmp"
                                                                     : ":/images/Druvela/white/switcher_key2_w.bmp"));
        for (int i = 0; i < 5; ++i)
            QVERIFY2(windows[i]->isVisible() == (i + 1 == window), qPrintable(QString::number(i + 1)));
        QVERIFY(m_device->nothingSent());
    }

    // ---- replies ------------------------------------------------------------

    void dumpFields_data()
    {
        QTest::addColumn<Bytes>("before");
        QTest::addColumn<Bytes>("after");
        QTest::addColumn<int>("size");
        QTest::addColumn<QStringList>("litKeys");
        QTest::addColumn<QStringList>("unlitKeys");
        auto row = [](const char* tag, Bytes before, Bytes after, QStringList on, QStringList off, int size = 130) {
            QTest::newRow(tag) << before << after << size << on << off;
        };
        row("PGM 7 leaves the row unlit", {{rPgm, 3}}, {{rPgm, 7}}, {}, {"btn_pgm_3", "btn_pgm_bar", "btn_pgm_Still"});
        row("PGM STILL 1", {}, {{rStill, 1}}, {"btn_pgm_Still"}, {"btn_pvw_Still"});
        row("PGM STILL 2 keeps the lamp", {{rStill, 1}}, {{rStill, 2}}, {"btn_pgm_Still"}, {});
        row("PGM STILL 0", {{rStill, 1}}, {{rStill, 0}}, {}, {"btn_pgm_Still"});
        row("rate 3", {{rRate, 2}}, {{rRate, 2}}, {"btn_rate3"}, {"btn_rate1", "btn_rate2"});
        row("MIX: the channel bytes after the reset", {{rMode, 1}, {rCh1On, 1}, {rCh2On, 1}},
            {{rMode, 1}, {rCh1On, 0}, {rCh2On, 1}, {rMasterOn, 1}}, {"btn_ch2", "btn_master"}, {"btn_ch1", "btn_ch3"});
        row("no channel-3 byte is read", {{rMode, 1}}, {{rMode, 1}, {rCh3On, 1}, {rCh3Source, 3}, {rCh3Level, 77}},
            {}, {"btn_ch3"});
        row("kind 4 lights the first group", {}, {{rKind, 4}, {rCur, 5}, {rGroup1 + 2, 5}, {rGroup1 + 3, 5}},
            {"btn_sfx1"}, {"btn_sfx2", "btnWipe"});
        row("112 bytes are one short", {{rPgm, 3}, {rStill, 1}}, {{rPgm, 5}}, {"btn_pgm_3", "btn_pgm_Still"},
            {"btn_pgm_5"}, 112);
        row("113 bytes are enough", {{rPgm, 3}}, {{rPgm, 5}}, {"btn_pgm_5"}, {"btn_pgm_3"}, 113);
    }
    void dumpFields()
    {
        QFETCH(Bytes, before);
        QFETCH(Bytes, after);
        QFETCH(int, size);
        QFETCH(QStringList, litKeys);
        QFETCH(QStringList, unlitKeys);
        m_panel->getDate(dump(before));
        m_panel->getDate(dump(after, 0, size));
        for (const QString& n : litKeys)
            QVERIFY2(lit(n.toLatin1()), qPrintable(n));
        for (const QString& n : unlitKeys)
            QVERIFY2(!lit(n.toLatin1()), qPrintable(n));
        QVERIFY(m_device->nothingSent());
    }

    void dumpOverTheWire()
    {
        m_rig.quietly("verticalSlider_3", 10);
        QSignalSpy applied(fun(), &onlyFun::getDateSignals);
        m_device->reply(dump({{rPgm, 2}, {rPvw, 6}, {rMode, 0}, {rCh1On, 1}, {rStill, 1}, {rRate, 0}, {rMic, 30},
                              {rCh3Level, 90}}));
        QVERIFY(applied.wait(5000));
        QVERIFY(lit("btn_pgm_2") && lit("btn_pvw_6") && lit("btn_pgm_Still") && lit("btn_rate1"));
        // AFV: the channel and source keys are locked, the byte after the mode still lights CH1.
        QCOMPARE(styleOf("btn_afv_mix"), face('b', ":/images/green/AFV.bmp"));
        for (const char* n : {"btn_ch1", "btn_ch2", "btn_ch3", "btn_src1", "btn_src2", "btn_src3"})
            QVERIFY2(!key(n)->isEnabled(), n);
        QVERIFY(lit("btn_ch1"));
        QCOMPARE(slider("verticalSlider_3")->value(), 10);
        QCOMPARE(namedChild<QSpinBox>(m_panel->audioPage(), QStringLiteral("spinBoxMicVolume"))->value(), 12);
        QVERIFY2(m_device->nothingSent(), "applying the switcher's state sent a command back");
        // MIX shows its own green face.
        m_panel->getDate(dump({{rMode, 1}}));
        QCOMPARE(styleOf("btn_afv_mix"), face('b', ":/images/green/MIX.bmp"));
        QVERIFY(key("btn_ch3")->isEnabled() && key("btn_src3")->isEnabled());
    }

    // Dump and version replies, whole or short, leave the device-state flag as they found it.
    void guardRestored()
    {
        const QByteArray replies[] = {dump({{rPgm, 2}}, 0, 113), dump({{rPgm, 2}}, 0, 112),
                                      EditionFrames::reply(0x49, 32), EditionFrames::reply(0x49, 31)};
        for (const QByteArray& reply : replies) {
            for (bool raised : {false, true}) {
                updateDevStateEnable = raised;
                m_panel->getDate(reply);
                m_panel->getDevVersionState(reply);
                QCOMPARE(bool(updateDevStateEnable), raised);
            }
        }
        updateDevStateEnable = false;
        QVERIFY(m_device->nothingSent());
    }

    // ---- lifetime -----------------------------------------------------------

    // The panel goes while a key flashes: the wait returns to nothing, and no command leaves.
    void closeDuringAFlash_data()
    {
        QTest::addColumn<QByteArray>("name");
        QTest::newRow("CUT") << QByteArray("btn_cut");
        QTest::newRow("SRC3") << QByteArray("btn_src3");
        QTest::newRow("MIC CFG") << QByteArray("btn_mic_cfg");
    }
    void closeDuringAFlash()
    {
        QFETCH(QByteArray, name);
        m_panel->set_AFVorMIX_Enable(true);
        QPointer<QWidget> audio(m_panel->audioPage());
        QTimer::singleShot(0, this, [this] { delete m_panel.data(); });
        QTest::mouseClick(key(name.constData()), Qt::LeftButton);
        QVERIFY(m_panel.isNull() && audio.isNull());
        QVERIFY(m_device->nothingSent());
    }
};

QTEST_MAIN(tst_tavrine_panel)
#include "tst_tavrine_panel.moc"
