// The Kavrelo panel bound to a switcher on 127.0.0.2: its keypad, presets,
// camera block, third channel and AUX preview faces, and the bytes of the
// state dump only this panel reads. What it shares with the Druvela panel is
// tested there. It runs as type 105 and, where the type matters, as 104.

#include "cam_page.h"
#include "main_menu.h"
#include "edition_frames.h"
#include "family_panel_tests.h"
#include "kavrelo.h"

#include <QElapsedTimer>
#include <QGridLayout>
#include <QTimer>
#include <QtTest>

namespace {

using namespace familytest;

constexpr unsigned char kType = 105;

QByteArray dump(const Bytes& record, int size = 130) { return EditionFrames::stateDump(record, 0, 0, size); }

} // namespace

class tst_kavrelo_panel : public QObject, private PanelKit<Kavrelo>
{
    Q_OBJECT

public:
    tst_kavrelo_panel() : PanelKit({"formAndConstruction", "closeWhileFlashingOrBlinking"}) {}

private:
    bool yellow(const QByteArray& name) const { return styleOf(name.constData()).endsWith(fun()->setColorYellow()); }
    QStringList litKeys(const QString& prefix, int from, int to) const
    {
        QStringList on;
        for (int n = from; n <= to; ++n)
            if (lit((prefix + QString::number(n)).toLatin1()))
                on << prefix + QString::number(n);
        return on;
    }
    void cameraMenu(bool on)
    {
        m_panel->set_CAMMENU_Style(on ? 1 : 0, 1);
        m_device->commands();
    }

private slots:
    void initTestCase() { QVERIFY(bindSwitcher()); }
    void init()
    {
        QVERIFY(freshPanel(kType));
        m_panel->getDate(dump({}));
        fun()->set_aux_state(0);
        m_panel->set_AFVorMIX_Enable(true);
    }
    void cleanup() { QVERIFY(!updateDevStateEnable); m_rig.cleanup(); }
    void cleanupTestCase() { delete m_panel; }

    void formAndConstruction()
    {
        QCOMPARE(m_panel->objectName(), QStringLiteral("Kavrelo"));
        QCOMPARE(m_panel->windowTitle(), QStringLiteral("Qavo"));
        auto* grid = qobject_cast<QGridLayout*>(m_panel->layout());
        QVERIFY(grid);
        QCOMPARE(grid->contentsMargins(), QMargins(0, 0, 0, 0));
        // The bottom bar is made before the main area; the camera keys lie above the joystick's last column.
        const QObjectList kids = m_panel->children();
        QVERIFY(kids.indexOf(m_rig.w<QWidget>("widget_bottom")) < kids.indexOf(m_rig.w<QWidget>("widget_main")));
        const QObjectList main = m_rig.w<QWidget>("widget_main")->children();
        QVERIFY(main.indexOf(m_rig.w<QWidget>("widget_2")) < main.indexOf(key("btn_cam_meun")));
        QCOMPARE(key("btn_speed")->geometry(), QRect(170, 80, 40, 40));
        QCOMPARE(m_rig.w<QWidget>("widget_2")->geometry().right(), 170);
        // No ZOOM row in the camera window; the camera block waits for the camera menu.
        auto* zoom = m_panel->camPage()->findChild<QWidget*>(QStringLiteral("comboBox_zoom"));
        QVERIFY(zoom && zoom->isHidden());
        for (const char* n : {"btn_cam_p1", "btn_focus_add", "btn_grpsw", "btn_0", "btn_9", "btn_goto_preset"})
            QVERIFY2(!key(n)->isEnabled(), n);
        for (const char* n : {"btn_speed", "btn_menu", "btn_shift", "btn_cam_meun"})
            QVERIFY2(key(n)->isEnabled(), n);
        // Every face a key shows, lit and unlit, is in the picture set.
        QStringList styles;
        for (int n = 1; n <= 12; ++n) {
            m_panel->set_PGMCH_Style(uchar(n));
            m_panel->set_PVWCH_Style(uchar(n));
            styles << styleOf(qPrintable(QStringLiteral("btn_pgm_%1").arg(n)))
                   << styleOf(qPrintable(QStringLiteral("btn_pvw_%1").arg(n)));
            m_panel->set_aux_state(1);
            m_panel->set_PVWCH_Style(uchar(n));
            styles << styleOf(qPrintable(QStringLiteral("btn_pvw_%1").arg(n)));
            m_panel->set_aux_state(0);
        }
        using Lamp = void (Kavrelo::*)(bool);
        const Lamp lamps[] = {&Kavrelo::on_Style_btnCH3, &Kavrelo::on_Style_btnSRC3, &Kavrelo::on_Style_btnSet_preset,
                              &Kavrelo::on_Style_btnClear_preset, &Kavrelo::on_Style_btnGoto_preset,
                              &Kavrelo::on_Style_btn_f_add, &Kavrelo::on_Style_btn_f_sub, &Kavrelo::on_Style_btn_grpsw,
                              &Kavrelo::on_Style_btn_speed, &Kavrelo::on_Style_btn_menu, &Kavrelo::on_Style_btnShitf};
        for (bool on : {false, true}) {
            for (Lamp lamp : lamps)
                (m_panel.data()->*lamp)(on);
            for (QWidget* w : m_panel->findChildren<QWidget*>())
                styles << w->styleSheet();
            for (int n = 1; n <= 6; ++n) {
                m_panel->set_Cam_Style(uchar(n));
                styles << styleOf(qPrintable(QStringLiteral("btn_cam_p%1").arg(n)));
            }
        }
        for (const char* d : {"btn_0", "btn_2", "btn_9"}) {
            QTimer::singleShot(0, this, [&] { styles << styleOf(d); });
            m_panel->m_on_btnGrp_Cal_clicked(uchar(QByteArray(d).right(1).toInt()));
        }
        const QRegularExpression url(QStringLiteral("url\\(([^)]*)\\)"));
        QSet<QString> checked;
        for (const QString& style : qAsConst(styles)) {
            auto it = url.globalMatch(style);
            while (it.hasNext()) {
                const QString path = it.next().captured(1).trimmed();
                // An all-zero dump names effect -1 on the wipe groups (kept as built; see the Druvela test).
                if (path.contains(QLatin1String("/special_effect/")))
                    continue;
                QVERIFY2(QFile::exists(path), qPrintable(path));
                checked.insert(path);
            }
        }
        QVERIFY2(checked.size() > 100, qPrintable(QString::number(checked.size())));
        cameraMenu(true);
        m_panel->set_PGMCH_Style(11);
        m_panel->set_aux_state(1);
        m_panel->set_PVWCH_Style(7);
        m_panel->set_Trans_Style(4, 40, 2, 13, 31, 40, 56, 65, 72, 79, 83, 89);
        for (int g = 1; g <= 10; ++g)
            QVERIFY(QFile::exists(url.match(styleOf(qPrintable(QStringLiteral("btnGroup%1").arg(g)))).captured(1)));
        m_panel->grab().save(QStringLiteral("/tmp/kavrelo_panel.png"));
        m_device->commands();
    }

    // Keys whose lamp and command come at once.
    void keyPresses_data()
    {
        QTest::addColumn<QByteArray>("name");
        QTest::addColumn<bool>("aux");
        QTest::addColumn<QList<QByteArray>>("sent");
        QTest::addColumn<QStringList>("litAfter");
        auto row = [](const char* tag, const char* name, bool aux, QList<QByteArray> sent, QStringList on) {
            QTest::newRow(tag) << QByteArray(name) << aux << sent << on;
        };
        row("PGM 9 (no colour bar)", "btn_pgm_9", false, {command(0x80, {9})}, {"btn_pgm_9"});
        row("PGM 12", "btn_pgm_12", false, {command(0x80, {12})}, {"btn_pgm_12"});
        row("PVW 5, AUX off: green", "btn_pvw_5", false, {command(0x81, {5})}, {"btn_pvw_5"});
        row("PVW 5, AUX on: yellow", "btn_pvw_5", true, {command(0x81, {5})}, {"btn_pvw_5"});
        row("CH3", "btn_ch3", false, {command(0xB3, {2})}, {"btn_ch3"});
        row("GRPSW", "btn_grpsw", false, {command(0x76, {1})}, {"btn_grpsw"});
        row("SPEED sends nothing", "btn_speed", false, {}, {});
        row("MENU sends nothing", "btn_menu", false, {}, {});
        row("SHIFT sends nothing", "btn_shift", false, {}, {});
    }
    void keyPresses()
    {
        QFETCH(QByteArray, name);
        QFETCH(bool, aux);
        QFETCH(QList<QByteArray>, sent);
        QFETCH(QStringList, litAfter);
        cameraMenu(true);
        fun()->set_aux_state(aux ? 1 : 0);
        QCOMPARE(m_panel->auxOn(), aux);
        const QString before = styleOf(name.constData());
        QTest::mouseClick(key(name.constData()), Qt::LeftButton);
        for (const QByteArray& s : sent)
            QCOMPARE(m_device->nextCommand(), s);
        QVERIFY(m_device->nothingSent());
        for (const QString& n : litAfter)
            QVERIFY2(lit(n.toLatin1()), qPrintable(n));
        if (name.startsWith("btn_pvw_")) {
            QCOMPARE(yellow(name), aux);
            QCOMPARE(litKeys(QStringLiteral("btn_pvw_"), 1, 12), QStringList{QString::fromLatin1(name)});
        }
        if (litAfter.isEmpty())
            QCOMPARE(styleOf(name.constData()), before);
    }

    void auxDoesNotRecolourALitKey()
    {
        m_panel->set_PVWCH_Style(3);
        QTest::mouseClick(key("btn_aux"), Qt::LeftButton);
        QCOMPARE(m_device->nextCommand(), command(0xC8, {1}));
        QVERIFY(m_panel->auxOn() && lit("btn_aux"));
        QVERIFY(lit("btn_pvw_3") && !yellow("btn_pvw_3"));
        m_panel->set_PVWCH_Style(3);
        QVERIFY(yellow("btn_pvw_3"));
        QVERIFY(m_device->nothingSent());
    }

    // A digit, SRC3 and CUT light, wait with events running, and only then send.
    void flashesBeforeTheCommand_data()
    {
        QTest::addColumn<QByteArray>("name");
        QTest::addColumn<int>("ms");
        QTest::addColumn<QByteArray>("sent");
        QTest::newRow("digit 7") << QByteArray("btn_7") << 300 << command(0x7C, {7});
        QTest::newRow("digit 0") << QByteArray("btn_0") << 300 << command(0x7C, {0});
        QTest::newRow("SRC3") << QByteArray("btn_src3") << 200 << QByteArray();
        QTest::newRow("CUT") << QByteArray("btn_cut") << 300 << command(0x83);
    }
    void flashesBeforeTheCommand()
    {
        QFETCH(QByteArray, name);
        QFETCH(int, ms);
        QFETCH(QByteArray, sent);
        cameraMenu(true);
        bool seen = false, quiet = false, litDuring = false;
        QStringList digitsLit;
        QTimer::singleShot(0, this, [&] {
            seen = true;
            litDuring = lit(name);
            quiet = m_device->nothingSent();
            digitsLit = litKeys(QStringLiteral("btn_"), 0, 9);
        });
        QElapsedTimer clock;
        clock.start();
        QTest::mouseClick(key(name.constData()), Qt::LeftButton);
        QVERIFY(clock.elapsed() >= ms);
        QVERIFY(seen && litDuring && quiet);
        if (name.startsWith("btn_") && name.size() == 5)
            QCOMPARE(digitsLit, QStringList{QString::fromLatin1(name)});
        if (sent.isEmpty())
            sent = command(0xBB, {int(fun()->sourceTable()[fun()->srcIndex(3)])});
        QCOMPARE(m_device->nextCommand(), sent);
        QVERIFY(!lit(name));
        QVERIFY(litKeys(QStringLiteral("btn_"), 0, 9).isEmpty());
    }

    void focusPressAndRelease()
    {
        cameraMenu(true);
        QTest::mousePress(key("btn_focus_add"), Qt::LeftButton);
        QVERIFY(lit("btn_focus_add"));
        QCOMPARE(m_device->nextCommand(), command(0x77, {1}));
        QTest::mouseRelease(key("btn_focus_add"), Qt::LeftButton);
        QVERIFY(!lit("btn_focus_add"));
        QCOMPARE(m_device->nextCommand(), command(0x77, {0}));
    }

    // One preset key blinks at a time from clicks; the camera menu going off stops them all.
    void presetBlinks()
    {
        cameraMenu(true);
        QTest::mouseClick(key("btn_set_preset"), Qt::LeftButton);
        QCOMPARE(m_device->nextCommand(), command(0x79));
        QVERIFY(m_panel->presetBlinking(0));
        QTRY_VERIFY_WITH_TIMEOUT(lit("btn_set_preset"), 3000);
        QTRY_VERIFY_WITH_TIMEOUT(!lit("btn_set_preset"), 3000);
        QTest::mouseClick(key("btn_clear_preset"), Qt::LeftButton);
        QCOMPARE(m_device->nextCommand(), command(0x7A));
        QVERIFY(!m_panel->presetBlinking(0) && m_panel->presetBlinking(1) && !lit("btn_set_preset"));
        QTest::mouseClick(key("btn_clear_preset"), Qt::LeftButton);
        QCOMPARE(m_device->nextCommand(), command(0x7A));
        QVERIFY(!m_panel->presetBlinking(1) && !lit("btn_clear_preset"));
        QTest::mouseClick(key("btn_goto_preset"), Qt::LeftButton);
        QCOMPARE(m_device->nextCommand(), command(0x7B));
        QTest::mouseClick(key("btn_grpsw"), Qt::LeftButton);
        QCOMPARE(m_device->nextCommand(), command(0x76, {1}));
        QVERIFY(lit("btn_grpsw"));
        QTest::mouseClick(key("btn_cam_meun"), Qt::LeftButton);
        m_device->commands();
        m_panel->set_CAMMENU_Style(0, 0);
        QVERIFY(!m_panel->presetBlinking(2) && !lit("btn_goto_preset") && !lit("btn_grpsw"));
        QVERIFY(!key("btn_cam_p1")->isEnabled() && !key("btn_5")->isEnabled());
        QVERIFY(m_device->nothingSent());
    }

    // ---- state dump ---------------------------------------------------------

    void dumpFields_data()
    {
        QTest::addColumn<Bytes>("before");
        QTest::addColumn<Bytes>("after");
        QTest::addColumn<int>("size");
        QTest::addColumn<QStringList>("litKeys");
        QTest::addColumn<QStringList>("unlitKeys");
        QTest::addColumn<QStringList>("yellowKeys");
        auto row = [](const char* tag, Bytes before, Bytes after, QStringList on, QStringList off,
                      QStringList yel = {}, int size = 130) {
            QTest::newRow(tag) << before << after << size << on << off << yel;
        };
        row("AUX 1: PVW from byte 119, yellow", {}, {{rAux, 1}, {rAuxPvw, 4}, {rPvw, 2}}, {"btn_aux", "btn_pvw_4"},
            {"btn_pvw_2"}, {"btn_pvw_4"});
        row("AUX 0: PVW from byte 19, green", {{rAux, 1}, {rAuxPvw, 4}}, {{rPvw, 12}}, {"btn_pvw_12"},
            {"btn_aux", "btn_pvw_4"});
        row("AUX 2 keeps AUX and the PVW row; PGM applies", {{rPvw, 6}, {rPgm, 1}},
            {{rAux, 2}, {rPvw, 3}, {rAuxPvw, 5}, {rPgm, 9}}, {"btn_pvw_6", "btn_pgm_9"},
            {"btn_aux", "btn_pvw_3", "btn_pvw_5", "btn_pgm_1"});
        row("PGM 13 leaves the row unlit", {{rPgm, 2}}, {{rPgm, 13}}, {}, {"btn_pgm_2", "btn_pgm_12"});
        row("two presets blink at once", {}, {{rCamMenu, 1}, {rSetPreset, 1}, {rClearPreset, 1}}, {}, {}, {});
        row("camera 9 lights camera key 3", {}, {{rCamMenu, 1}, {rCam, 9}}, {"btn_cam_meun", "btn_cam_p3"},
            {"btn_cam_p1"});
        row("group switch on", {}, {{rCamMenu, 1}, {rGroupSwitch, 1}}, {"btn_grpsw"}, {});
        row("group switch 2 keeps the lamp", {{rCamMenu, 1}, {rGroupSwitch, 1}}, {{rCamMenu, 1}, {rGroupSwitch, 2}},
            {"btn_grpsw"}, {});
        row("CH3 on", {{rMode, 1}}, {{rMode, 1}, {rCh3On, 1}}, {"btn_ch3"}, {});
        row("a dump one byte short of the AUX preview is ignored whole", {{rPgm, 3}}, {{rPgm, 5}, {rAux, 1}},
            {"btn_pgm_3"}, {"btn_pgm_5", "btn_aux"}, {}, 122);
        row("123 bytes are enough", {{rPgm, 3}}, {{rPgm, 5}}, {"btn_pgm_5"}, {"btn_pgm_3"}, {}, 123);
    }
    void dumpFields()
    {
        QFETCH(Bytes, before);
        QFETCH(Bytes, after);
        QFETCH(int, size);
        QFETCH(QStringList, litKeys);
        QFETCH(QStringList, unlitKeys);
        QFETCH(QStringList, yellowKeys);
        m_panel->getDate(dump(before));
        m_panel->getDate(dump(after, size));
        for (const QString& n : litKeys)
            QVERIFY2(lit(n.toLatin1()), qPrintable(n));
        for (const QString& n : unlitKeys)
            QVERIFY2(!lit(n.toLatin1()), qPrintable(n));
        for (const QString& n : yellowKeys)
            QVERIFY2(yellow(n.toLatin1()), qPrintable(n));
        QVERIFY(m_device->nothingSent());
    }

    // The device's word on presets and channel 3, and the camera menu's reset before it.
    void dumpPresetsAndChannel3()
    {
        m_panel->getDate(dump({{rCamMenu, 1}, {rSetPreset, 1}, {rClearPreset, 1}, {rGotoPreset, 0}}));
        QVERIFY(m_panel->presetBlinking(0) && m_panel->presetBlinking(1) && !m_panel->presetBlinking(2));
        m_panel->getDate(dump({{rCamMenu, 0}, {rSetPreset, 1}, {rGroupSwitch, 1}}));
        QVERIFY(m_panel->presetBlinking(0) && !m_panel->presetBlinking(1));
        QVERIFY(!key("btn_cam_p1")->isEnabled() && lit("btn_grpsw"));
        m_panel->getDate(dump({{rMode, 1}, {rCh3On, 1}, {rCh3Level, 60}}));
        QVERIFY(m_panel->ch3On());
        QCOMPARE(m_rig.w<QSlider>("verticalSlider_3")->value(), 60);
        QVERIFY2(m_device->nothingSent(), "a dump moved the CH3 fader and a command left");
    }

    void dumpOverTheWireSendsNothingBack()
    {
        QSignalSpy applied(fun(), &onlyFun::getDateSignals);
        m_device->reply(dump({{rAux, 1}, {rAuxPvw, 8}, {rPgm, 10}, {rCh3Level, 30}, {rCamMenu, 1}, {rCam, 12}}));
        QVERIFY(applied.wait(5000));
        QVERIFY(yellow("btn_pvw_8") && lit("btn_pgm_10") && lit("btn_cam_p6"));
        QCOMPARE(m_rig.w<QSlider>("verticalSlider_3")->value(), 30);
        QVERIFY(m_device->nothingSent());
    }

    // ---- lifetime -----------------------------------------------------------

    void closeWhileFlashingOrBlinking()
    {
        cameraMenu(true);
        QTest::mouseClick(key("btn_set_preset"), Qt::LeftButton);
        m_device->commands();
        QPointer<QWidget> menu(m_panel->mainMenu());
        QTimer::singleShot(0, this, [this] { delete m_panel.data(); });
        QTest::mouseClick(key("btn_4"), Qt::LeftButton);
        QVERIFY(m_panel.isNull() && menu.isNull());
        QTest::qWait(500);
        QVERIFY(m_device->nothingSent());
    }
};

QTEST_MAIN(tst_kavrelo_panel)
#include "tst_kavrelo_panel.moc"
