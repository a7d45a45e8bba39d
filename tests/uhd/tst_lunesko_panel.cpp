// The Lunesko panel bound to a switcher on 127.0.0.2: its form, what reaches
// the wire for the operator's keys (and when, for the keys that flash first),
// and what the switcher's replies light on it. No model number is given for
// this panel: it runs as type 105 and, where the type matters, as 104.

#include "audio_page.h"
#include "cam_page.h"
#include "edition_frames.h"
#include "family_panel_tests.h"
#include "face_pictures.h"
#include "lunesko.h"
#include "key_page.h"
#include "main_menu.h"
#include "pip_page.h"
#include "widget_events.h"

#include <QComboBox>
#include <QElapsedTimer>
#include <QLayout>
#include <QSpinBox>
#include <QTimer>
#include <QtTest>

#include <algorithm>

namespace {

using namespace familytest;

constexpr unsigned char kType = 105;
// The shortest dump the panel applies: its last byte read (110, HDR) and the checksum and end byte after it.
constexpr int kMinDump = 114;

QByteArray dump(const Bytes& record, int size = 120, quint8 status = 0)
{
    return EditionFrames::stateDump(record, 0, 0, size, status);
}

QStringList names(const QList<QWidget*>& widgets)
{
    QStringList out;
    for (const QWidget* w : widgets)
        out << w->objectName();
    return out;
}

} // namespace

class tst_lunesko_panel : public QObject, private PanelKit<Lunesko>
{
    Q_OBJECT

public:
    tst_lunesko_panel() : PanelKit({"theFormKeepsItsQuirks", "aFreshPanel", "deleteDuringFlash"}) {}

private:
    QComboBox* hdrEntry() const { return namedChild<QComboBox>(m_panel->mainMenu(), QStringLiteral("comboBoxHDR_CFG")); }

private slots:
    void initTestCase() { QVERIFY(bindSwitcher()); }
    void init() { QVERIFY(freshPanel(kType)); }
    void cleanup() { QVERIFY(!updateDevStateEnable); m_rig.cleanup(); }
    void cleanupTestCase() { delete m_panel; }

    // ---- the form -----------------------------------------------------------

    void theFormKeepsItsQuirks()
    {
        QCOMPARE(m_panel->objectName(), QStringLiteral("Lunesko"));
        QCOMPARE(m_panel->minimumSize(), QSize(1280, 720));
        QCOMPARE(m_panel->maximumSize(), QSize(1280, 720));
        QCOMPARE(m_panel->windowTitle(), QStringLiteral("Qavo"));
        QCOMPARE(int(m_panel->windowFlags() & (Qt::Dialog | Qt::FramelessWindowHint)), 0x803);
        for (const QAbstractButton* b : m_panel->findChildren<QAbstractButton*>())
            QVERIFY2(b->text().isEmpty() && b->icon().isNull(), qPrintable(b->objectName()));
        // The rows ask for more than the window's height, which stays 720.
        QVERIFY(m_panel->layout()->minimumSize().height() > 720);
        m_panel->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_panel));
        QCOMPARE(m_panel->size(), QSize(1280, 720));
        // Blocks later in the form lie above earlier ones: the key groups cover the top of the bus rows.
        auto* main = m_rig.w<QWidget>("widget_main");
        QCOMPARE(main->childAt(265, 320), m_rig.w<QWidget>("widget_1"));
        QCOMPARE(names(main->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)),
                 QStringList({"widget_3", "widget_9", "widget_7", "widget_8", "widget_1", "widget_6",
                              "groupBox_audio", "widget_4", "widget_5"}));
        m_panel->hide();
        for (const char* empty : {"widget_6", "widget_5", "widget_8", "widget_9"})
            QVERIFY2(m_rig.w<QWidget>(empty)->children().isEmpty(), empty);
        QCOMPARE(m_rig.w<QWidget>("widget_6")->width(), 1456);
        QCOMPARE(m_rig.w<QWidget>("widget_5")->width(), 1456);
        // The transition box reads row by row: MIX, FADE, 2, 5; 1, 9, 3, 6; 8, 10, 4, 7.
        QList<QWidget*> transitions = m_rig.w<QWidget>("groupBox_transition_type")->findChildren<QWidget*>();
        std::sort(transitions.begin(), transitions.end(), [](const QWidget* a, const QWidget* b) {
            return qMakePair(a->y(), a->x()) < qMakePair(b->y(), b->x());
        });
        QCOMPARE(names(transitions), QStringList({"btn_mix", "btn_fade", "btnGroup2", "btnGroup5", "btnGroup1",
                                                  "btnGroup9", "btnGroup3", "btnGroup6", "btnGroup8", "btnGroup10",
                                                  "btnGroup4", "btnGroup7"}));
        for (QWidget* k : m_rig.w<QWidget>("widget_1")->findChildren<QPushButton*>()) {
            const bool fade = k->objectName() == QLatin1String("btn_fade");
            QCOMPARE(k->size(), QSize(50, 50));
            QCOMPARE(k->maximumSize(), fade ? QSize(55, 55) : QSize(50, 50));
        }
        // Creation orders, which the focus chain follows.
        QCOMPARE(names(m_rig.w<QWidget>("groupBox_audio")->findChildren<QWidget*>()),
                 QStringList({"verticalSlider_1", "btn_ch1", "btn_src1", "verticalSlider_2", "btn_ch2", "btn_src2",
                              "btn_master", "btn_afv_mix", "verticalSlider_master"}));
        QCOMPARE(names(m_rig.w<QWidget>("widget_4")->findChildren<QWidget*>()),
                 QStringList({"btn_1", "btn_2", "btn_z_sub", "btn_5", "btn_4", "btn_z_add", "btn_6", "btn_3",
                              "btn_rate1", "btn_rate3", "btn_rate2", "btn_cut", "btn_auto", "widget_2"}));
        auto* pad = m_rig.w<QWidget>("widget_2");
        QCOMPARE(pad->maximumSize(), QSize(128, 128));
        QVERIFY(pad->layout() && pad->layout()->objectName() == QLatin1String("gridLayout_15"));
        QCOMPARE(pad->layout()->count(), 0);
    }

    // Every lamp dark but the AFV face; the audio keys wait for MIX, the camera keys for the camera menu.
    void aFreshPanel()
    {
        for (QPushButton* k : m_rig.w<QWidget>("widget_main")->findChildren<QPushButton*>()) {
            const bool afv = k->objectName() == QLatin1String("btn_afv_mix");
            QVERIFY2(k->styleSheet().endsWith(afv ? fun()->setColorGreen() : fun()->setColorWhite()),
                     qPrintable(k->objectName()));
        }
        QCOMPARE(styleOf("btn_afv_mix"), face('b', ":/images/green/AFV.bmp"));
        QCOMPARE(styleOf("btn_hdr_on"), face('b', ":/images/white/HDR_ON.bmp"));
        for (const char* n : {"btn_ch1", "btn_src1", "btn_ch2", "btn_src2", "btn_1", "btn_2", "btn_3", "btn_4",
                              "btn_5", "btn_6", "btn_z_add", "btn_z_sub"})
            QVERIFY2(!key(n)->isEnabled(), n);
        QVERIFY(key("btn_master")->isEnabled() && key("btn_afv_mix")->isEnabled());
        // The model has no audio settings window to open.
        int audioWindows = 0;
        for (QWidget* w : QApplication::allWidgets())
            audioWindows += qobject_cast<AUDIO_PAGE*>(w) != nullptr;
        QCOMPARE(audioWindows, 0);
    }

    void everyFaceHasItsPicture()
    {
        QStringList styles;
        using L = Lunesko;
        for (bool on : {true, false}) {
            for (auto lamp : {&L::on_Style_btnCH1, &L::on_Style_btnCH2, &L::on_Style_btnMASTER, &L::on_Style_btnSRC1,
                              &L::on_Style_btnSRC2, &L::on_Style_btnAFV, &L::on_Style_btnSTILL, &L::on_Style_btnCamMeun,
                              &L::on_Style_btnPIP, &L::on_Style_btnPOP, &L::on_Style_btnKey1, &L::on_Style_btnKey2,
                              &L::on_Style_btnKey3, &L::on_Style_btnFTB, &L::on_Style_btnCut, &L::on_Style_btnAuto,
                              &L::on_Style_btn_z_add, &L::on_Style_btn_z_sub, &L::on_Style_btnHDR_ON})
                (m_panel.data()->*lamp)(on);
            for (QWidget* w : m_panel->findChildren<QWidget*>())
                styles << w->styleSheet();
        }
        for (int id : {1, 2, 3, 4, 9}) {
            m_panel->set_PGMCH_Style(uchar(id));
            m_panel->set_PVWCH_Style(uchar(id));
            for (QWidget* w : m_panel->findChildren<QWidget*>())
                styles << w->styleSheet();
        }
        for (int cam = 1; cam <= 6; ++cam) {
            m_panel->set_Cam_Style(uchar(cam));
            styles << styleOf(qPrintable(QStringLiteral("btn_%1").arg(cam)));
        }
        for (int id = 0; id <= 11; ++id) {
            m_panel->set_TRANSITONS_Style(uchar(id), uchar(ICON_CURRENT_INDEX[qMax(0, id - 2)]));
            for (QWidget* w : m_panel->findChildren<QWidget*>())
                styles << w->styleSheet();
        }
        QSet<QString> checked;
        for (const QString& style : qAsConst(styles))
            for (const QString& path : picturesIn(style)) {
                QVERIFY2(QFile::exists(path), qPrintable(path));
                checked.insert(path);
            }
        QVERIFY2(checked.size() > 80, qPrintable(QString::number(checked.size())));
        // A picture of the panel as an operator sees it mid-show, to look at.
        m_panel->set_AFVorMIX_Enable(true);
        m_panel->set_CH1_Enable(1);
        m_panel->set_PGMCH_Style(2);
        m_panel->set_PVWCH_Style(9);
        m_panel->set_Rate_Style(1);
        m_panel->set_CAMMENU_Style(1, 3);
        m_panel->camPage()->close();
        m_panel->on_Style_btnHDR_ON(true);
        m_panel->set_Trans_Style(4, 40, 2, 13, 31, 40, 56, 65, 72, 79, 83, 89);
        m_panel->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_panel));
        QVERIFY(m_panel->grab().save(QDir::temp().filePath(QStringLiteral("lunesko_panel.png"))));
        m_panel->hide();
        m_panel->set_CAMMENU_Style(0, 0);
        m_panel->on_Style_btnHDR_ON(false);
    }

    // ---- keys ---------------------------------------------------------------

    // Keys whose lamp and command come at once; STILL and HDR ON start dark.
    void keyPresses_data()
    {
        QTest::addColumn<QByteArray>("name");
        QTest::addColumn<QString>("mode");  // "mix" or "afv" first, where the audio mode matters
        QTest::addColumn<QList<QByteArray>>("sent");
        QTest::addColumn<QString>("faceAfter");  // form and path; empty: the key's face is not checked
        auto row = [](const char* tag, const char* name, const char* mode, QList<QByteArray> sent, const char* f) {
            QTest::newRow(tag) << QByteArray(name) << QString::fromLatin1(mode) << sent << QString::fromLatin1(f);
        };
        row("PGM 3", "btn_pgm_3", "", frames({command(0x80, {3})}), "c:/images/red/png/3.png");
        row("PGM bar", "btn_pgm_bar", "", frames({command(0x80, {9})}), "c:/images/red/BAR.bmp");
        row("PVW 4", "btn_pvw_4", "", frames({command(0x81, {4})}), "c:/images/green/png/4.png");
        row("PVW bar", "btn_pvw_bar", "", frames({command(0x81, {9})}), "c:/images/green/BAR.bmp");
        row("rate 2", "btn_rate2", "", frames({command(0xB1, {1})}), "c:/images/green/RATE2.bmp");
        row("MIX", "btn_mix", "", frames({command(0x8D)}), "c:/images/green/MIX.bmp");
        row("FADE", "btn_fade", "", frames({command(0x8E)}), "c:/images/green/FADE.bmp");
        row("STILL", "btn_still", "", frames({command(0xCF, {0})}), "b:/images/green/STILL.bmp");
        row("STILL twice: the same frame, the lamp back off", "btn_still", "",
            frames({command(0xCF, {0}), command(0xCF, {0})}), "b:/images/white/STILL.bmp");
        row("HDR ON", "btn_hdr_on", "", frames({command(0xDF, {1})}), "b:/images/green/HDR_ON.bmp");
        row("HDR ON twice", "btn_hdr_on", "", frames({command(0xDF, {1}), command(0xDF, {0})}),
            "b:/images/white/HDR_ON.bmp");
        row("CH1 in MIX", "btn_ch1", "mix", frames({command(0xB3, {0})}), "a:/images/Druvela/green/CH1.bmp");
        row("CH2 on, off", "btn_ch2", "mix", frames({command(0xB3, {1}), command(0xB3, {1})}),
            "a:/images/Druvela/white/CH2.bmp");
        row("MASTER in AFV", "btn_master", "afv", frames({command(0xB3, {3})}), "a:/images/Druvela/green/MASTER.bmp");
        row("CH1 locked in AFV", "btn_ch1", "afv", frames({}), "");
        row("AFV to MIX", "btn_afv_mix", "afv", frames({command(0xB6, {1})}), "b:/images/white/MIX.bmp");
        row("SYNC. STATUS", "btn_ds", "", frames({command(0x0A)}), "");
    }
    void keyPresses()
    {
        QFETCH(QByteArray, name);
        QFETCH(QString, mode);
        QFETCH(QList<QByteArray>, sent);
        QFETCH(QString, faceAfter);
        m_panel->set_Stll_Style(0);
        fun()->setHDR_ON_Style(0);
        if (!mode.isEmpty())
            fun()->set_AFVorMIX_Style(mode == QLatin1String("mix") ? 1 : 0);
        for (const QByteArray& frame : sent) {
            QTest::mouseClick(key(name.constData()), Qt::LeftButton);
            QCOMPARE(nextCommand(), frame);
        }
        if (sent.isEmpty())
            QTest::mouseClick(key(name.constData()), Qt::LeftButton);
        if (!faceAfter.isEmpty())
            QCOMPARE(styleOf(name.constData()), face(faceAfter.at(0).toLatin1(), QLatin1Char(':') + faceAfter.mid(2)));
        QVERIFY(m_device->nothingSent());
        if (name.startsWith("btn_pgm_") || name.startsWith("btn_pvw_")) {
            QByteArrayList litKeys;
            for (const char* n : {"1", "2", "3", "4", "bar"})
                if (lit(name.left(8) + n))
                    litKeys << name.left(8) + n;
            QCOMPARE(litKeys, QByteArrayList{name});
        }
    }

    // The HDR key toggles from the state the device reported, not from its own last press.
    void hdrKeyFollowsTheDevice()
    {
        fun()->setHDR_ON_Style(0);
        m_panel->getDate(dump({{rHdr, 1}}));
        QCOMPARE(styleOf("btn_hdr_on"), face('b', ":/images/green/HDR_ON.bmp"));
        QTest::mouseClick(key("btn_hdr_on"), Qt::LeftButton);
        QCOMPARE(nextCommand(), command(0xDF, {0}));
        QCOMPARE(styleOf("btn_hdr_on"), face('b', ":/images/white/HDR_ON.bmp"));
        QTest::mouseClick(key("btn_hdr_on"), Qt::LeftButton);
        QCOMPARE(nextCommand(), command(0xDF, {1}));
        QVERIFY(m_device->nothingSent());
    }

    // Keys that light, wait with events running and only then send.
    void flashesBeforeTheCommand_data()
    {
        QTest::addColumn<QByteArray>("name");
        QTest::addColumn<int>("ms");
        QTest::addColumn<QString>("litFace");
        QTest::addColumn<QString>("unlitFace");
        QTest::newRow("CUT") << QByteArray("btn_cut") << 300 << QStringLiteral("c:/images/red/CUT.bmp")
                             << QStringLiteral("c:/images/white/CUT.bmp");
        QTest::newRow("SRC1") << QByteArray("btn_src1") << 200 << QStringLiteral("a:/images/Druvela/green/SRC1.bmp")
                              << QStringLiteral("a:/images/Druvela/white/SRC1.bmp");
        QTest::newRow("SRC2") << QByteArray("btn_src2") << 200 << QStringLiteral("a:/images/Druvela/green/SRC2.bmp")
                              << QStringLiteral("a:/images/Druvela/white/SRC2.bmp");
    }
    void flashesBeforeTheCommand()
    {
        QFETCH(QByteArray, name);
        QFETCH(int, ms);
        QFETCH(QString, litFace);
        QFETCH(QString, unlitFace);
        fun()->set_AFVorMIX_Style(1);
        QString during;
        bool quiet = false;
        QTimer::singleShot(0, this, [&] {
            during = styleOf(name.constData());
            quiet = m_device->nothingSent();
        });
        QElapsedTimer clock;
        clock.start();
        QTest::mouseClick(key(name.constData()), Qt::LeftButton);
        QVERIFY(clock.elapsed() >= ms);
        QCOMPARE(during, face(litFace));
        QVERIFY2(quiet, "the command left before the flash ended");
        QByteArray sent = command(0x83);
        if (name != "btn_cut") {
            // The source keys send the next code of the model's source table.
            const int channel = name.endsWith('1') ? 1 : 2;
            QVERIFY(fun()->sourceTableLength() > 0);
            sent = command(channel == 1 ? 0xB9 : 0xBA, {int(fun()->sourceTable()[fun()->srcIndex(channel)])});
        }
        QCOMPARE(nextCommand(), sent);
        QCOMPARE(styleOf(name.constData()), face(unlitFace));
        QVERIFY(m_device->nothingSent());
    }

    // The panel goes while a key flashes: the wait returns to nothing, and no command leaves.
    void deleteDuringFlash_data()
    {
        QTest::addColumn<QByteArray>("name");
        QTest::newRow("CUT") << QByteArray("btn_cut");
        QTest::newRow("SRC1") << QByteArray("btn_src1");
        QTest::newRow("SRC2") << QByteArray("btn_src2");
    }
    void deleteDuringFlash()
    {
        QFETCH(QByteArray, name);
        fun()->set_AFVorMIX_Style(1);
        QPointer<QWidget> menu(m_panel->mainMenu());
        QTimer::singleShot(0, this, [this] { delete m_panel.data(); });
        QTest::mouseClick(key(name.constData()), Qt::LeftButton);
        QVERIFY(m_panel.isNull() && menu.isNull());
        QVERIFY(m_device->nothingSent());
    }

    // Wipe groups send the model table's code; other types than 105 have four groups only.
    void wipeGroupKeys_data() { addWipeGroupKeyRows(); }
    void wipeGroupKeys()
    {
        QFETCH(int, type);
        QFETCH(int, group);
        QFETCH(int, code);
        DEV_CHILD_TYPE = quint32(type);
        const QByteArray name = "btnGroup" + QByteArray::number(group);
        m_panel->set_TRANSITONS_Style(0, 0);
        const QString before = styleOf(name.constData());
        QTest::mouseClick(key(name.constData()), Qt::LeftButton);
        if (code < 0) {
            QVERIFY(m_device->nothingSent());
            QCOMPARE(styleOf(name.constData()), before);
            return;
        }
        QCOMPARE(nextCommand(), command(0x92, {code}));
        QCOMPARE(styleOf(name.constData()), sfx("green", group, int(kIconStart[group - 1])));
        QVERIFY(!lit("btn_mix"));
    }

    // KEY1 then PIP: one function lit at a time, its window in place of the other's.
    void functionKeysReplaceEachOther()
    {
        fun()->set_FUNCTION_Style(0, 0, 0, 0, 0);
        QWidget* luma = m_panel->lumaPage();
        QWidget* pip = m_panel->pipPage();
        QTest::mouseClick(key("btn_key1"), Qt::LeftButton);
        QCOMPARE(nextCommand(), command(0x8B, {1}));
        QVERIFY(lit("btn_key1") && luma->isVisible() && !pip->isVisible());
        QTest::mouseClick(key("btn_pip"), Qt::LeftButton);
        QCOMPARE(nextCommand(), command(0x86, {1}));
        QVERIFY(lit("btn_pip") && !lit("btn_key1") && pip->isVisible() && !luma->isVisible());
        fun()->set_FUNCTION_Style(0, 0, 0, 0, 0);
        QVERIFY(!pip->isVisible());
    }

    void cameraMenuCameraAndZoom()
    {
        fun()->set_CAMMENU_Style(0, 0);
        QTest::mouseClick(key("btn_cam_meun"), Qt::LeftButton);
        QCOMPARE(nextCommand(), command(0x70, {1}));
        QVERIFY(lit("btn_cam_meun") && lit("btn_1") && key("btn_6")->isEnabled() && key("btn_z_sub")->isEnabled());
        QVERIFY(static_cast<QWidget*>(m_panel->camPage())->isVisible());
        QTest::mouseClick(key("btn_5"), Qt::LeftButton);
        QCOMPARE(nextCommand(), command(0xAF, {5}));
        QCOMPARE(styleOf("btn_5"), face('c', ":/images/Druvela/green/cam_5.bmp"));
        QVERIFY(!lit("btn_1"));
        QTest::mousePress(key("btn_z_sub"), Qt::LeftButton);
        QCOMPARE(nextCommand(), command(0x73, {1}));
        QCOMPARE(styleOf("btn_z_sub"), face('c', ":/images/Druvela/green/Z-.bmp"));
        QTest::mouseRelease(key("btn_z_sub"), Qt::LeftButton);
        QCOMPARE(nextCommand(), command(0x73, {0}));
        QCOMPARE(styleOf("btn_z_sub"), face('c', ":/images/Druvela/white/Z-.bmp"));
        QTest::mouseClick(key("btn_cam_meun"), Qt::LeftButton);
        QCOMPARE(nextCommand(), command(0x70, {0}));
        QVERIFY(!lit("btn_cam_meun") && !lit("btn_5") && !key("btn_5")->isEnabled());
        QVERIFY(!static_cast<QWidget*>(m_panel->camPage())->isVisible());
    }

    // A drag on the pad sends the camera's direction through the panel's controller; letting go sends nothing.
    void joystickDrag()
    {
        auto* pad = m_rig.w<QWidget>("widget_2");
        m_panel->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_panel));
        sendMouse(pad, QEvent::MouseButtonPress, QPoint(64, 64));
        sendMouse(pad, QEvent::MouseMove, QPoint(80, 50));
        pad->repaint();
        QCOMPARE(nextCommand(), command(0xB5, {16, 114}));
        sendMouse(pad, QEvent::MouseButtonRelease, QPoint(80, 50));
        pad->repaint();
        QVERIFY(m_device->nothingSent());
        m_panel->hide();
    }

    // The operator's T-bar: AUTO red and CUT/AUTO locked between the ends.
    void tbarStroke()
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
        QVERIFY(m_device->nothingSent());
    }

    // ---- replies ------------------------------------------------------------

    void fullDumpOverTheWire()
    {
        QSpinBox* mic = namedChild<QSpinBox>(m_panel->mainMenu(), QStringLiteral("spinBoxMIC"));
        QSpinBox* lineGain = namedChild<QSpinBox>(m_panel->mainMenu(), QStringLiteral("spinBoxLineGain"));
        const QByteArray reply = dump({{rPgm, 9}, {rPvw, 2}, {rMode, 1}, {rCh1On, 1}, {rCh2On, 0}, {rMasterOn, 1},
                                       {rCh1Level, 40}, {rCh2Level, 60}, {rMasterLevel, 90}, {rKind, 4}, {rCur, 40},
                                       {rGroup1, 2}, {rGroup1 + 1, 13}, {rGroup1 + 2, 31}, {rGroup1 + 3, 40},
                                       {rGroup1 + 4, 56}, {rGroup1 + 5, 65}, {rGroup1 + 6, 72}, {rGroup1 + 7, 79},
                                       {rGroup1 + 8, 83}, {rGroup1 + 9, 89}, {rStill, 1}, {rRate, 2},
                                       {rCamMenu, 1}, {rCam, 3}, {rLineGain, 4}, {rMic, 30}, {rHdr, 3}});
        QSignalSpy applied(fun(), &onlyFun::getDateSignals);
        m_device->reply(reply);
        QVERIFY(applied.wait(5000));
        QVERIFY(lit("btn_pgm_bar") && lit("btn_pvw_2") && !lit("btn_pgm_1") && !lit("btn_pvw_bar"));
        QCOMPARE(styleOf("btn_afv_mix"), face('b', ":/images/white/MIX.bmp"));
        QVERIFY(lit("btn_ch1") && !lit("btn_ch2") && lit("btn_master") && key("btn_src2")->isEnabled());
        QCOMPARE(slider("verticalSlider_1")->value(), 40);
        QCOMPARE(slider("verticalSlider_2")->value(), 60);
        QCOMPARE(slider("verticalSlider_master")->value(), 90);
        QCOMPARE(styleOf("btnGroup4"), sfx("green", 4, 39));
        QVERIFY(lit("btn_still") && lit("btn_rate3") && lit("btn_cam_meun") && lit("btn_3"));
        QCOMPARE(styleOf("btn_hdr_on"), face('b', ":/images/green/HDR_ON.bmp"));
        QCOMPARE(hdrEntry()->currentIndex(), 1);
        QCOMPARE(lineGain->value(), 12);
        QCOMPARE(mic->value(), 12);
        QVERIFY2(m_device->nothingSent(), "applying the switcher's state sent a command back");
        m_panel->camPage()->close();
    }

    void dumpFields_data()
    {
        QTest::addColumn<Bytes>("before");
        QTest::addColumn<Bytes>("after");
        QTest::addColumn<int>("size");
        QTest::addColumn<int>("status");
        QTest::addColumn<QStringList>("litKeys");
        QTest::addColumn<QStringList>("unlitKeys");
        QTest::addColumn<int>("hdrEntry");  // -1: not looked at
        auto row = [](const char* tag, Bytes before, Bytes after, QStringList on, QStringList off, int hdr = -1,
                      int size = 120, int status = 0) {
            QTest::newRow(tag) << before << after << size << status << on << off << hdr;
        };
        for (int pgm : {0, 5, 8, 10})
            row(qPrintable(QStringLiteral("PGM %1 leaves the row unlit").arg(pgm)), {{rPgm, 3}}, {{rPgm, quint8(pgm)}},
                {}, {"btn_pgm_1", "btn_pgm_3", "btn_pgm_4", "btn_pgm_bar"});
        row("PVW 9 lights the bar", {{rPvw, 1}}, {{rPvw, 9}}, {"btn_pvw_bar"}, {"btn_pvw_1"});
        row("rate 3 unlights all three", {{rRate, 1}}, {{rRate, 3}}, {}, {"btn_rate1", "btn_rate2", "btn_rate3"});
        row("STILL 5 keeps the lamp", {{rStill, 1}}, {{rStill, 5}}, {"btn_still"}, {});
        row("PIP on", {}, {{rPip, 1}}, {"btn_pip"}, {"btn_pop", "btn_key1"});
        row("HDR 5: on, entry 2", {}, {{rHdr, 5}}, {"btn_hdr_on"}, {}, 2);
        row("HDR 4: off, entry 2", {{rHdr, 1}}, {{rHdr, 4}}, {}, {"btn_hdr_on"}, 2);
        row("HDR 0: off, entry 0", {{rHdr, 3}}, {{rHdr, 0}}, {}, {"btn_hdr_on"}, 0);
        row("record status 1 changes nothing", {{rPgm, 3}, {rHdr, 0}}, {{rPgm, 4}, {rHdr, 1}}, {"btn_pgm_3"},
            {"btn_pgm_4", "btn_hdr_on"}, 0, 120, 1);
        // The checksum and end byte follow the last byte read: a 111-byte dump would read its end byte as HDR.
        row("111 bytes are ignored whole", {{rPgm, 3}, {rHdr, 0}}, {{rPgm, 4}}, {"btn_pgm_3"},
            {"btn_pgm_4", "btn_hdr_on"}, 0, 111);
        row("the smallest dump reads HDR", {{rPgm, 3}}, {{rPgm, 4}, {rHdr, 1}}, {"btn_pgm_4", "btn_hdr_on"},
            {"btn_pgm_3"}, 0, kMinDump);
    }
    void dumpFields()
    {
        QFETCH(Bytes, before);
        QFETCH(Bytes, after);
        QFETCH(int, size);
        QFETCH(int, status);
        QFETCH(QStringList, litKeys);
        QFETCH(QStringList, unlitKeys);
        QFETCH(int, hdrEntry);
        m_panel->getDate(dump(before));
        m_panel->getDate(dump(after, size, quint8(status)));
        for (const QString& n : litKeys)
            QVERIFY2(lit(n.toLatin1()), qPrintable(n));
        for (const QString& n : unlitKeys)
            QVERIFY2(!lit(n.toLatin1()), qPrintable(n));
        if (hdrEntry >= 0)
            QCOMPARE(this->hdrEntry()->currentIndex(), hdrEntry);
        QVERIFY(m_device->nothingSent());
    }

    // The switcher's T-bar report: 0 moves nothing, 1..127 light AUTO, 128 is the end, no report goes back.
    void tbarReplies_data() { addTbarReplyRows(); }
    void tbarReplies()
    {
        QFETCH(int, direction);
        QFETCH(int, position);
        QFETCH(int, lever);
        QFETCH(bool, autoLit);
        m_rig.quietly("verticalSlider_4", 50);
        m_panel->on_Style_btnAuto(true);
        QSignalSpy applied(fun(), &onlyFun::getTXSliderDateSignals);
        m_device->reply(EditionFrames::tbar(quint8(direction), quint8(position)));
        QVERIFY(applied.wait(5000));
        QCOMPARE(slider("verticalSlider_4")->value(), lever);
        QCOMPARE(lit("btn_auto"), autoLit);
        QVERIFY(key("btn_cut")->isEnabled() && key("btn_auto")->isEnabled());
        QVERIFY(m_device->nothingSent());
    }
};

QTEST_MAIN(tst_lunesko_panel)
#include "tst_lunesko_panel.moc"
