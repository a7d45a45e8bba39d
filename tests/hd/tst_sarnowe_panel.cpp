// The Sarnowe panel bound to a switcher on 127.0.0.2, as type 83 unless a
// case says otherwise: its audio keys, the resolution key, the model gate of
// the recorder keys and the state-dump bytes it reads its own way. What it
// shares with the Druvela panel is tested there.

#include "edition_frames.h"
#include "family_panel_tests.h"
#include "main_menu.h"
#include "sarnowe.h"

#include <QComboBox>
#include <QElapsedTimer>
#include <QLabel>
#include <QSpinBox>
#include <QTimer>
#include <QtTest>

namespace {

using namespace familytest;

constexpr unsigned char kType = 83;

QByteArray dump(const Bytes& record, quint32 w = 0, int size = 120)
{
    return EditionFrames::stateDump(record, w, 0, size);
}

} // namespace

class tst_sarnowe_panel : public QObject, private PanelKit<Sarnowe>
{
    Q_OBJECT

public:
    tst_sarnowe_panel()
        : PanelKit({"formAndConstruction", "modelGate", "recorderFollowsTheTailOn83Only", "closeDuringAFlash"})
    {
    }

private slots:
    void initTestCase() { QVERIFY(bindSwitcher()); }
    void init()
    {
        const QByteArray tag = QTest::currentDataTag();
        QVERIFY(freshPanel(tag.startsWith("type ") ? uchar(tag.mid(5).toInt()) : kType));
    }
    void cleanup() { QVERIFY(!updateDevStateEnable); m_rig.cleanup(); }
    void cleanupTestCase() { delete m_panel; }

    void formAndConstruction()
    {
        QCOMPARE(m_panel->objectName(), QStringLiteral("Sarnowe"));
        QCOMPARE(m_panel->size(), QSize(1280, 720));
        QCOMPARE(m_panel->windowTitle(), QStringLiteral("Qavo"));
        QCOMPARE(int(m_panel->windowFlags() & (Qt::Window | Qt::Dialog | Qt::FramelessWindowHint)), 0x801);
        QVERIFY(m_panel->autoFillBackground());
        QCOMPARE(m_rig.w<QLabel>("label_version")->text(), QStringLiteral("V2.0.2"));
        // Absolute places, widget_1 five pixels above its parent.
        QCOMPARE(m_rig.w<QWidget>("widget_1")->pos(), QPoint(10, -5));
        QCOMPARE(key("btn_mute")->mapTo(m_panel.data(), QPoint()), QPoint(0 + 170 + 10 + 9 + 165, 29 + 45 - 5 + 87 + 31));
        QCOMPARE(key("btn_ftb")->mapTo(m_panel.data(), QPoint()), QPoint(170 + 10 + 667, 29 + 45 - 5 + 20));
        // The raise order: FUNCTION above the key row, FTB on top.
        const QObjectList kids = m_rig.w<QWidget>("widget_1")->children();
        QCOMPARE(kids.indexOf(m_rig.w<QWidget>("groupBox_function")), kids.size() - 2);
        QCOMPARE(kids.last(), static_cast<QObject*>(key("btn_ftb")));
        // Source keys wait for the first audio mode; F7 and F8 show the NULL face and do nothing.
        QVERIFY(key("btn_src1")->isEnabled() && key("btn_src2")->isEnabled());
        QCOMPARE(styleOf("btn_F7"),
                 QStringLiteral("QPushButton{border-image: url(:/images/Druvela/white/NULL.bmp)}") + fun()->setColorWhite());
        QTest::mouseClick(key("btn_F7"), Qt::LeftButton);
        QTest::mouseClick(key("btn_F8"), Qt::LeftButton);
        QVERIFY(m_device->nothingSent());
        // Every face a key can show is in the picture set.
        QStringList styles;
        using Lamp = void (Sarnowe::*)(bool);
        const Lamp lamps[] = {&Sarnowe::on_Style_btnMUTE, &Sarnowe::on_Style_btnSRC1, &Sarnowe::on_Style_btnSRC2,
                              &Sarnowe::on_Style_btnCH1_VOL_ADD, &Sarnowe::on_Style_btnCH1_VOL_SUB,
                              &Sarnowe::on_Style_btnCH2_VOL_ADD, &Sarnowe::on_Style_btnCH2_VOL_SUB,
                              &Sarnowe::on_Style_btnF4, &Sarnowe::on_Style_btnLNGE, &Sarnowe::on_Style_btnMIC,
                              &Sarnowe::on_Style_btnRec, &Sarnowe::on_Style_btnSTILL};
        for (bool on : {false, true}) {
            for (Lamp lamp : lamps)
                (m_panel.data()->*lamp)(on);
            for (QWidget* w : m_panel->findChildren<QWidget*>())
                styles << w->styleSheet();
        }
        for (int id : {0, 1}) {
            m_panel->setBtnAFVorMIXStyle(uchar(id));
            styles << styleOf("btn_audio_afv") << styleOf("btn_audio_mix");
        }
        for (int id : {1, 2, 3, 4, 9}) {
            m_panel->set_PGMCH_Style(uchar(id));
            m_panel->set_PVWCH_Style(uchar(id));
            for (QWidget* w : m_panel->findChildren<QWidget*>())
                styles << w->styleSheet();
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
        QVERIFY2(checked.size() > 60, qPrintable(QString::number(checked.size())));
        m_panel->set_Trans_Style(4, 40, 2, 13, 31, 40, 56, 65, 72, 79, 83, 89);
        m_panel->grab().save(QStringLiteral("/tmp/sarnowe_panel.png"));
    }

    // REC, PAUSE and STREAM by the model table's stream column; no row keeps them.
    void modelGate_data()
    {
        QTest::addColumn<bool>("enabled");
        QTest::newRow("type 83") << true;
        QTest::newRow("type 79") << false;
        QTest::newRow("type 105") << false;
        QTest::newRow("type 0") << true;
    }
    void modelGate()
    {
        QFETCH(bool, enabled);
        for (const char* n : {"btn_rec", "btn_pause", "btn_stream"})
            QVERIFY2(key(n)->isEnabled() == enabled, n);
    }

    void keyPresses_data()
    {
        QTest::addColumn<QByteArray>("name");
        QTest::addColumn<QList<QByteArray>>("sent");
        QTest::addColumn<QStringList>("litAfter");
        QTest::addColumn<QStringList>("unlitAfter");
        auto row = [](const char* tag, const char* name, QList<QByteArray> sent, QStringList on, QStringList off) {
            QTest::newRow(tag) << QByteArray(name) << sent << on << off;
        };
        row("MUTE", "btn_mute", {command(0xB3, {3})}, {"btn_mute"}, {});
        row("MIX", "btn_audio_mix", {command(0xB6, {1})}, {"btn_audio_mix"}, {"btn_audio_afv"});
        row("AFV", "btn_audio_afv", {command(0xB6, {0})}, {"btn_audio_afv"}, {"btn_audio_mix"});
        row("PGM 4", "btn_pgm_4", {command(0x80, {4})}, {"btn_pgm_4"}, {"btn_pgm_1", "btn_pgm_bar"});
        row("PVW bar", "btn_pvw_bar", {command(0x81, {9})}, {"btn_pvw_bar"}, {"btn_pvw_4"});
    }
    void keyPresses()
    {
        QFETCH(QByteArray, name);
        QFETCH(QList<QByteArray>, sent);
        QFETCH(QStringList, litAfter);
        QFETCH(QStringList, unlitAfter);
        m_panel->set_MUTE_style(1);
        QTest::mouseClick(key(name.constData()), Qt::LeftButton);
        for (const QByteArray& s : sent)
            QCOMPARE(m_device->nextCommand(), s);
        QVERIFY(m_device->nothingSent());
        for (const QString& n : litAfter)
            QVERIFY2(lit(n.toLatin1()), qPrintable(n));
        for (const QString& n : unlitAfter)
            QVERIFY2(!lit(n.toLatin1()), qPrintable(n));
        if (name.startsWith("btn_audio_"))
            QCOMPARE(key("btn_src1")->isEnabled() && key("btn_src2")->isEnabled(), name == "btn_audio_mix");
    }

    // Keys that light, wait with events running and only then send.
    void flashesBeforeTheCommand_data()
    {
        QTest::addColumn<QByteArray>("name");
        QTest::addColumn<int>("ms");
        QTest::newRow("CUT") << QByteArray("btn_cut") << 300;
        QTest::newRow("SRC1") << QByteArray("btn_src1") << 200;
        QTest::newRow("CH1 +") << QByteArray("btn_ch1_vol_add") << 200;
        QTest::newRow("CH2 -") << QByteArray("btn_ch2_vol_sub") << 200;
        QTest::newRow("F4") << QByteArray("btn_F4") << 400;
    }
    void flashesBeforeTheCommand()
    {
        QFETCH(QByteArray, name);
        QFETCH(int, ms);
        m_panel->setBtnAFVorMIXStyle(1);
        m_panel->getDate(dump({{rMode, 1}}));  // a resolution table for F4
        bool seen = false, quiet = false, litDuring = false;
        QTimer::singleShot(0, this, [&] {
            seen = true;
            litDuring = lit(name);
            quiet = m_device->nothingSent();
        });
        QElapsedTimer clock;
        clock.start();
        QTest::mouseClick(key(name.constData()), Qt::LeftButton);
        QVERIFY(clock.elapsed() >= ms);
        QVERIFY(seen && litDuring && quiet);
        QVERIFY(!lit(name));
        const QList<QByteArray> sent = m_device->commands();
        QCOMPARE(sent.size(), 1);
        if (name == "btn_cut")
            QCOMPARE(sent.first(), command(0x83));
        if (name.contains("_vol_")) {
            // One frame: the fader follows the controller's step without a second command.
            const QSlider* fader = m_rig.w<QSlider>(name.contains("ch1") ? "verticalSlider_1" : "verticalSlider_2");
            QCOMPARE(sent.first(), command(0xB8, {name.contains("ch1") ? 0 : 1, fader->value()}));
        }
    }

    void volumeStepsStopAtTheEnds()
    {
        for (int i = 0; i < 22; ++i)
            fun()->m_on_btn_ch1_vol_add_clicked();
        QCOMPARE(m_rig.w<QSlider>("verticalSlider_1")->value(), 100);
        const QList<QByteArray> up = m_device->commands();
        QCOMPARE(up.size(), 22);
        QCOMPARE(up.last(), command(0xB8, {0, 100}));
        for (int i = 0; i < 22; ++i)
            fun()->m_on_btn_ch1_vol_sub_clicked();
        QCOMPARE(m_rig.w<QSlider>("verticalSlider_1")->value(), 0);
        QCOMPARE(m_device->commands().size(), 22);
    }

    // ---- state dump ---------------------------------------------------------

    void dumpFields_data()
    {
        QTest::addColumn<Bytes>("before");
        QTest::addColumn<Bytes>("after");
        QTest::addColumn<QStringList>("litKeys");
        QTest::addColumn<QStringList>("unlitKeys");
        QTest::addColumn<int>("sourcesEnabled");  // -1: as before
        auto row = [](const char* tag, Bytes before, Bytes after, QStringList on, QStringList off, int src = -1) {
            QTest::newRow(tag) << before << after << on << off << src;
        };
        row("mode 1: MIX, sources on", {{rMode, 0}}, {{rMode, 1}}, {"btn_audio_mix"}, {"btn_audio_afv"}, 1);
        row("mode 0: AFV, sources off", {{rMode, 1}}, {{rMode, 0}}, {"btn_audio_afv"}, {"btn_audio_mix"}, 0);
        row("mode 2: both white, sources kept", {{rMode, 1}}, {{rMode, 2}}, {}, {"btn_audio_afv", "btn_audio_mix"},
            1);
        row("master 0: MUTE lit", {{rMasterOn, 1}}, {{rMasterOn, 0}}, {"btn_mute"}, {});
        row("master 1: MUTE dark", {{rMasterOn, 0}}, {{rMasterOn, 1}}, {}, {"btn_mute"});
        row("master 2 keeps MUTE", {{rMasterOn, 0}}, {{rMasterOn, 2}}, {"btn_mute"}, {});
        for (int pgm : {5, 8})
            row(qPrintable(QStringLiteral("PGM %1 leaves the row unlit").arg(pgm)), {{rPgm, 2}},
                {{rPgm, quint8(pgm)}}, {}, {"btn_pgm_1", "btn_pgm_2", "btn_pgm_4", "btn_pgm_bar"});
        row("PGM 9 is the bar", {}, {{rPgm, 9}}, {"btn_pgm_bar"}, {"btn_pgm_4"});
        row("kind 8: a wipe group", {}, {{rKind, 8}, {rKind + 1, 5}, {rKind + 4, 5}}, {"btnGroup3"}, {"btn_mix"});
    }
    void dumpFields()
    {
        QFETCH(Bytes, before);
        QFETCH(Bytes, after);
        QFETCH(QStringList, litKeys);
        QFETCH(QStringList, unlitKeys);
        QFETCH(int, sourcesEnabled);
        m_panel->getDate(dump(before));
        m_panel->getDate(dump(after));
        for (const QString& n : litKeys)
            QVERIFY2(lit(n.toLatin1()), qPrintable(n));
        for (const QString& n : unlitKeys)
            QVERIFY2(!lit(n.toLatin1()), qPrintable(n));
        if (sourcesEnabled >= 0)
            QCOMPARE(key("btn_src1")->isEnabled(), sourcesEnabled == 1);
        QVERIFY(m_device->nothingSent());
    }

    void hdrAndMicrophoneReachTheSettings()
    {
        QSignalSpy hdr(fun(), &onlyFun::setHDR_ON_EnableSignals);
        m_panel->getDate(dump({{rHdr, 0x03}, {rMic, 25}}));
        QCOMPARE(hdr.count(), 1);
        QCOMPARE(hdr.first().first().toBool(), true);
        QCOMPARE(m_panel->mainMenu()->findChild<QComboBox*>(QStringLiteral("comboBoxHDR_CFG"))->currentIndex(), 1);
        QCOMPARE(m_panel->mainMenu()->findChild<QSpinBox*>(QStringLiteral("spinBoxMIC"))->value(), 7);
        QVERIFY(m_device->nothingSent());
        // A dump one byte short of holding the HDR byte before its checksum is ignored whole.
        m_panel->getDate(dump({{rPgm, 3}}));
        m_panel->getDate(dump({{rPgm, 2}}, 0, 113));
        QVERIFY(lit("btn_pgm_3") && !lit("btn_pgm_2"));
    }

    // The recorder status is read on type 83, and not on 84 whose table row is alike.
    void recorderFollowsTheTailOn83Only_data()
    {
        QTest::addColumn<bool>("follows");
        QTest::newRow("type 83") << true;
        QTest::newRow("type 84") << false;
    }
    void recorderFollowsTheTailOn83Only()
    {
        QFETCH(bool, follows);
        m_panel->getDate(dump({}, (1u << 1) | (1u << 10)));
        QCOMPARE(lit("btn_rec"), follows);
        QCOMPARE(lit("btn_stream"), follows);
        QVERIFY(key("btn_rec")->isEnabled());
        QVERIFY(m_device->nothingSent());
    }

    void dumpOverTheWireSendsNothingBack()
    {
        QSignalSpy applied(fun(), &onlyFun::getDateSignals);
        m_device->reply(dump({{rPgm, 4}, {rPvw, 9}, {rMode, 1}, {rMasterOn, 0}}));
        QVERIFY(applied.wait(5000));
        QVERIFY(lit("btn_pgm_4") && lit("btn_pvw_bar") && lit("btn_audio_mix") && lit("btn_mute"));
        QVERIFY(m_device->nothingSent());
    }

    void closeDuringAFlash()
    {
        QPointer<QWidget> menu(m_panel->mainMenu());
        QTimer::singleShot(0, this, [this] { delete m_panel.data(); });
        QTest::mouseClick(key("btn_F4"), Qt::LeftButton);
        QVERIFY(m_panel.isNull() && menu.isNull());
        QVERIFY(m_device->nothingSent());
    }
};

QTEST_MAIN(tst_sarnowe_panel)
#include "tst_sarnowe_panel.moc"
