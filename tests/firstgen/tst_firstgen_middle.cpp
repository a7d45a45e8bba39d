// The two first-generation middle strips against a loopback switcher at
// 127.0.0.2: what their keys and boxes send, what a status report shows (and
// that it never sends), the warning without a source, and the Oriskan strip's
// menu keys. Every table runs over both strips.

#include "druvela_workdata.h"
#include "face_pictures.h"
#include "log_capture.h"
#include "middle_widget.h"
#include "oriskan_middle_widget.h"
#include "panel_rig.h"
#include "widget_events.h"
#include "zv_resources.h"

#include <QComboBox>
#include <QPixmap>
#include <QSpinBox>
#include <QVBoxLayout>

namespace {

const char kGrey196[] =
    "QPushButton{border-radius:5px;}QPushButton:hover{border:1px solid rgb(189,189,189);border-radius:5px}"
    "QPushButton:pressed{border:1px solid rgb(86,86,86);background-color:rgb(196,196,196);border-radius:5px;"
    "border-style:flat;};";
const char kGreen[] =
    "QPushButton{border-radius:5px;}QPushButton:hover{border:1px solid rgb(41,129,36);border-radius:5px}"
    "QPushButton:pressed{border:1px solid rgb(86,86,86);background-color:rgb(19,218,0);border-radius:5px;"
    "border-style:flat;}";

struct KeyLook {
    const char* name;
    const char* unlit;  // picture under white/
    const char* lit;    // picture under green/
};
const KeyLook kKeys[] = {
    {"btn_afv", "AFV.bmp", "AFV.bmp"},          {"btn_mix", "MIX.bmp", "MIX.bmp"},
    {"btn_trans_mix", "MIX.bmp", "MIX.bmp"},    {"btn_trans_fade", "FADE.bmp", "FADE.bmp"},
    {"btn_trans_up", "up.bmp", "UP.bmp"},       {"btn_trans_down", "down.bmp", "DOWN.bmp"},
    {"btn_trans_left", "Left.bmp", "LEFT.bmp"}, {"btn_trans_right", "Right.bmp", "Right.bmp"},
    {"btn_pip", "PIP.bmp", "PIP.bmp"},          {"btn_still", "STILL.bmp", "STILL.bmp"},
};
const KeyLook kMenuKeys[] = {
    {"btn_menu_up", "MENU_UP.bmp", "MENU_UP.bmp"},
    {"btn_menu", "MENU.bmp", "MENU.bmp"},
    {"btn_menu_down", "MENU_DOWN.bmp", "MENU_DOWN.bmp"},
};

QString look(const KeyLook& k, bool lit)
{
    if (!lit)
        return QStringLiteral("QPushButton{image: url(:/images/white/%1)}").arg(QLatin1String(k.unlit)) + QLatin1String(kGrey196);
    // The lit AFV key keeps the grey frame.
    const char* frame = qstrcmp(k.name, "btn_afv") == 0 ? kGrey196 : kGreen;
    return QStringLiteral("QPushButton{image: url(:/images/green/%1)}").arg(QLatin1String(k.lit)) + QLatin1String(frame);
}

QList<QByteArray> frames(std::initializer_list<QByteArray> l) { return QList<QByteArray>(l); }

} // namespace

class TestFirstGenMiddle : public QObject
{
    Q_OBJECT

private:
    SwitcherWire* m_wire = nullptr;
    Druvela_workdata* m_ws = nullptr;
    QPointer<FirstGenMiddleStrip> m_strip;

    // Every test function runs over both strips.
    static void addStrips()
    {
        QTest::addColumn<bool>("oriskan");
    }
    void makeStrip(bool oriskan)
    {
        delete m_strip.data();
        if (oriskan)
            m_strip = new Oriskan_Middle_widget(nullptr, m_ws);
        else
            m_strip = new Middle_widget(nullptr, m_ws);
    }
    template <class T = QPushButton>
    T* w(const char* name) const { return namedChild<T>(m_strip.data(), QLatin1String(name)); }
    QStringList litKeys() const
    {
        QStringList lit;
        for (const KeyLook& k : kKeys) {
            const QString sheet = w(k.name)->styleSheet();
            if (sheet == look(k, true))
                lit << QLatin1String(k.name);
            else if (sheet != look(k, false))
                lit << QStringLiteral("%1 shows %2").arg(QLatin1String(k.name), sheet);
        }
        return lit;
    }
    // The next n frames, and nothing after them.
    QList<QByteArray> take(int n) { return m_wire->take(n); }
    // "mode:1", "ch1:7", "ch2:3", "vol1:150", "vol2:30", "trans:4,6", "wipe:2", "pip:1", "still:1".
    void report(const QString& op)
    {
        const QString what = op.section(QLatin1Char(':'), 0, 0);
        const QStringList args = op.section(QLatin1Char(':'), 1).split(QLatin1Char(','));
        const auto a = uint8_t(args.value(0).toInt());
        if (what == QLatin1String("mode")) m_strip->set_AFVorMIX_Style(a);
        else if (what == QLatin1String("ch1")) m_strip->set_CH1_Style(a);
        else if (what == QLatin1String("ch2")) m_strip->set_CH2_Style(a);
        else if (what == QLatin1String("vol1")) m_strip->set_CH1VOL_Style(a);
        else if (what == QLatin1String("vol2")) m_strip->set_CH2VOL_Style(a);
        else if (what == QLatin1String("trans")) m_strip->set_Trans_Style(a, uint8_t(args.value(1).toInt()));
        else if (what == QLatin1String("wipe")) m_strip->set_Wipe_Style(a);
        else if (what == QLatin1String("pip")) m_strip->set_PIP_Style(a);
        else if (what == QLatin1String("still")) m_strip->set_Stll_Style(a);
        else QFAIL(qPrintable(op));
    }

private slots:
    void initTestCase()
    {
        zvInitResources();
        m_wire = new SwitcherWire;
        QVERIFY(m_wire->isBound());
        m_ws = new Druvela_workdata;
        m_ws->get_DevTypeID(QStringLiteral("127.0.0.2"), 0xA5, 0xFF);
    }
    void cleanup()
    {
        delete m_strip.data();
        m_wire->commands();
    }
    void cleanupTestCase()
    {
        delete m_ws;
        delete m_wire;
    }

    void startsUnlitAndSendsNothing_data()
    {
        addStrips();
        QTest::newRow("Tesmond") << false;
        QTest::newRow("Oriskan") << true;
    }
    void startsUnlitAndSendsNothing()
    {
        QFETCH(bool, oriskan);
        makeStrip(oriskan);
        QVERIFY(m_wire->nothingSent());
        QCOMPARE(litKeys(), QStringList());
        QCOMPARE(w<QComboBox>("comboBox_ch1")->currentText(), QStringLiteral("PHONE_IN"));
        QCOMPARE(w<QComboBox>("comboBox_ch2")->currentIndex(), 0);
        QCOMPARE(w<QSpinBox>("spinBoxCh1Vol")->value(), 50);
        QCOMPARE(w<QSpinBox>("spinBoxCh2Vol")->value(), 50);
        QCOMPARE(m_strip->pipState, uint8_t(0));
        QCOMPARE(m_strip->findChild<QPushButton*>(QStringLiteral("btn_menu")) != nullptr, oriskan);
    }

    // Keys clicked in order: the frames in order, the lit keys afterwards,
    // whether the source boxes can be used, and what the PIP signal carried.
    void keysSendAndLight_data()
    {
        addStrips();
        QTest::addColumn<QStringList>("clicks");
        QTest::addColumn<QList<QByteArray>>("sent");
        QTest::addColumn<QStringList>("lit");
        QTest::addColumn<bool>("sources");
        QTest::addColumn<QVariantList>("pip");
        for (bool o : {false, true}) {
            const char* s = o ? "Oriskan" : "Tesmond";
            QTest::addRow("%s AFV", s) << o << QStringList{"btn_afv"} << frames({panelCommand(0xB6, {0})})
                                       << QStringList{"btn_afv"} << false << QVariantList();
            QTest::addRow("%s AFV twice", s) << o << QStringList{"btn_afv", "btn_afv"}
                                             << frames({panelCommand(0xB6, {0}), panelCommand(0xB6, {0})})
                                             << QStringList{"btn_afv"} << false << QVariantList();
            QTest::addRow("%s MIX after AFV", s) << o << QStringList{"btn_afv", "btn_mix"}
                                                 << frames({panelCommand(0xB6, {0}), panelCommand(0xB6, {1})})
                                                 << QStringList{"btn_mix"} << true << QVariantList();
            QTest::addRow("%s transition MIX", s) << o << QStringList{"btn_trans_mix"} << frames({panelCommand(0x8D)})
                                                  << QStringList{"btn_trans_mix"} << true << QVariantList();
            QTest::addRow("%s FADE", s) << o << QStringList{"btn_trans_fade"} << frames({panelCommand(0x8E)})
                                        << QStringList{"btn_trans_fade"} << true << QVariantList();
            const std::pair<const char*, int> wipes[] = {
                {"btn_trans_up", 0x25}, {"btn_trans_down", 0x29}, {"btn_trans_left", 0x23}, {"btn_trans_right", 0x27}};
            for (const auto& wipe : wipes)
                QTest::addRow("%s %s", s, wipe.first)
                    << o << QStringList{wipe.first} << frames({panelCommand(0x8F), panelCommand(0x92, {wipe.second})})
                    << QStringList{wipe.first} << true << QVariantList();
            QTest::addRow("%s Left then FADE twice", s)
                << o << QStringList{"btn_trans_left", "btn_trans_fade", "btn_trans_fade"}
                << frames({panelCommand(0x8F), panelCommand(0x92, {0x23}), panelCommand(0x8E), panelCommand(0x8E)})
                << QStringList{"btn_trans_fade"} << true << QVariantList();
            QTest::addRow("%s PIP on", s) << o << QStringList{"btn_pip"} << frames({panelCommand(0x86, {1})})
                                          << QStringList{"btn_pip"} << true << QVariantList{true};
            QTest::addRow("%s PIP twice", s) << o << QStringList{"btn_pip", "btn_pip"}
                                             << frames({panelCommand(0x86, {1}), panelCommand(0x86, {0})})
                                             << QStringList() << true << QVariantList{true, false};
            QTest::addRow("%s STILL", s) << o << QStringList{"btn_still"} << frames({panelCommand(0xCF)})
                                         << QStringList{"btn_still"} << true << QVariantList();
            QTest::addRow("%s STILL twice", s) << o << QStringList{"btn_still", "btn_still"}
                                               << frames({panelCommand(0xCF), panelCommand(0xCF)}) << QStringList()
                                               << true << QVariantList();
        }
    }
    void keysSendAndLight()
    {
        QFETCH(bool, oriskan);
        QFETCH(QStringList, clicks);
        QFETCH(QList<QByteArray>, sent);
        QFETCH(QStringList, lit);
        QFETCH(bool, sources);
        QFETCH(QVariantList, pip);
        makeStrip(oriskan);
        QSignalSpy pipSpy(m_strip.data(), &FirstGenMiddleStrip::on_Singnale_btnPIP);
        for (const QString& c : clicks)
            w(qPrintable(c))->click();
        QCOMPARE(take(sent.size()), sent);
        QCOMPARE(litKeys(), lit);
        QCOMPARE(w<QComboBox>("comboBox_ch1")->isEnabled(), sources);
        QCOMPARE(w<QComboBox>("comboBox_ch2")->isEnabled(), sources);
        QVERIFY(w<QSpinBox>("spinBoxCh1Vol")->isEnabled());
        QVariantList emitted;
        for (const QList<QVariant>& e : pipSpy)
            emitted << e.at(0);
        QCOMPARE(emitted, pip);
        QCOMPARE(m_strip->pipState, uint8_t(pip.isEmpty() || !pip.last().toBool() ? 0 : 1));
    }

    // Each entry sends its position, not its source code.
    void sourceEntrySendsItsPosition_data()
    {
        addStrips();
        QTest::addColumn<int>("channel");
        QTest::addColumn<int>("position");
        for (bool o : {false, true})
            for (int ch : {1, 2})
                for (int pos = 0; pos < 7; ++pos)
                    QTest::addRow("%s CH%d entry %d", o ? "Oriskan" : "Tesmond", ch, pos) << o << ch << pos;
    }
    void sourceEntrySendsItsPosition()
    {
        QFETCH(bool, oriskan);
        QFETCH(int, channel);
        QFETCH(int, position);
        makeStrip(oriskan);
        auto* box = w<QComboBox>(channel == 1 ? "comboBox_ch1" : "comboBox_ch2");
        {
            const QSignalBlocker quiet(box);
            box->setCurrentIndex((position + 1) % 7);
        }
        box->setCurrentIndex(position);
        QCOMPARE(take(1), frames({panelCommand(channel == 1 ? 0xB9 : 0xBA, {position})}));
    }

    // A volume change sends at once; without a source it warns and sends nothing.
    void volumeSendsOrWarns_data()
    {
        addStrips();
        QTest::addColumn<int>("channel");
        QTest::addColumn<bool>("noSource");
        for (bool o : {false, true})
            for (int ch : {1, 2})
                for (bool none : {false, true})
                    QTest::addRow("%s CH%d%s", o ? "Oriskan" : "Tesmond", ch, none ? " without source" : "")
                        << o << ch << none;
    }
    void volumeSendsOrWarns()
    {
        QFETCH(bool, oriskan);
        QFETCH(int, channel);
        QFETCH(bool, noSource);
        makeStrip(oriskan);
        auto* source = w<QComboBox>(channel == 1 ? "comboBox_ch1" : "comboBox_ch2");
        auto* volume = w<QSpinBox>(channel == 1 ? "spinBoxCh1Vol" : "spinBoxCh2Vol");
        if (noSource) {
            const QSignalBlocker quiet(source);
            source->setCurrentIndex(-1);
        }
        QStringList boxes;
        QTimer watch;
        watchBoxes(watch, [&](QMessageBox* box) {
            boxes << QStringLiteral("%1|%2|%3|%4")
                         .arg(box->windowTitle(), box->text())
                         .arg(int(box->standardButtons()))
                         .arg(box->defaultButton() != nullptr);
            QCOMPARE(box->parentWidget(), m_strip.data());
            box->button(QMessageBox::Yes)->click();
        });
        volume->stepBy(1);  // the arrow: 50 -> 55
        volume->setValue(20);
        watch.stop();
        QCOMPARE(volume->value(), 20);
        const int ch = channel - 1;
        if (noSource) {
            const QString box = QStringLiteral("Warning|please choose CH%1 source|%2|0").arg(channel).arg(int(QMessageBox::Yes));
            QCOMPARE(boxes, (QStringList{box, box}));
            QVERIFY(m_wire->nothingSent());
        } else {
            QCOMPARE(boxes, QStringList());
            QCOMPARE(take(2), frames({panelCommand(0xB8, {ch, 55}), panelCommand(0xB8, {ch, 20})}));
        }
    }

    // A report never sends. "before" runs first; each row's value differs from
    // what the control shows. Expected: the lit keys, the two source entries,
    // the two volumes, whether the source boxes can be used, the PIP signals.
    void reportShowsAndNeverSends_data()
    {
        addStrips();
        QTest::addColumn<QStringList>("before");
        QTest::addColumn<QString>("op");
        QTest::addColumn<QStringList>("lit");
        QTest::addColumn<QList<int>>("boxes");  // ch1 entry, ch2 entry, vol1, vol2
        QTest::addColumn<bool>("sources");
        QTest::addColumn<QVariantList>("pip");
        struct Row {
            const char* name;
            QStringList before;
            const char* op;
            QStringList lit;
            QList<int> boxes;
            bool sources;
            QVariantList pip;
        };
        const QList<int> start{0, 0, 50, 50};
        const Row rows[] = {
            {"mode MIX", {"mode:0"}, "mode:1", {"btn_mix"}, start, true, {}},
            {"mode AFV", {"mode:1"}, "mode:0", {"btn_afv"}, start, false, {}},
            {"mode 3 keeps the boxes", {"mode:0"}, "mode:3", {}, start, false, {}},
            {"CH1 code 7 PHONE_IN", {"ch1:5"}, "ch1:7", {}, start, true, {}},
            {"CH1 code 3 IN1", {}, "ch1:3", {}, {1, 0, 50, 50}, true, {}},
            {"CH1 code 6 IN4", {}, "ch1:6", {}, {4, 0, 50, 50}, true, {}},
            {"CH1 code 8 MIC_IN1", {}, "ch1:8", {}, {5, 0, 50, 50}, true, {}},
            {"CH1 code 0 MIC_IN2", {}, "ch1:0", {}, {6, 0, 50, 50}, true, {}},
            {"CH1 code 1 nothing", {"ch1:4"}, "ch1:1", {}, {2, 0, 50, 50}, true, {}},
            {"CH1 code 2 nothing", {"ch1:4"}, "ch1:2", {}, {2, 0, 50, 50}, true, {}},
            {"CH1 code 9 nothing", {"ch1:4"}, "ch1:9", {}, {2, 0, 50, 50}, true, {}},
            {"CH2 code 5 IN3", {}, "ch2:5", {}, {0, 3, 50, 50}, true, {}},
            {"CH2 code 255 nothing", {"ch2:4"}, "ch2:255", {}, {0, 2, 50, 50}, true, {}},
            {"CH1 volume 30", {}, "vol1:30", {}, {0, 0, 30, 50}, true, {}},
            {"CH1 volume 150 shows 100", {}, "vol1:150", {}, {0, 0, 100, 50}, true, {}},
            {"CH2 volume 0", {}, "vol2:0", {}, {0, 0, 50, 0}, true, {}},
            {"transition mode 1", {"trans:2,0"}, "trans:1,0", {"btn_trans_mix"}, start, true, {}},
            {"transition mode 2", {"trans:1,0"}, "trans:2,9", {"btn_trans_fade"}, start, true, {}},
            {"wipe Left", {"trans:1,0"}, "trans:4,0", {"btn_trans_left"}, start, true, {}},
            {"wipe Up", {}, "trans:4,2", {"btn_trans_up"}, start, true, {}},
            {"wipe Right", {}, "trans:4,4", {"btn_trans_right"}, start, true, {}},
            {"wipe Down", {"trans:4,2"}, "trans:4,6", {"btn_trans_down"}, start, true, {}},
            {"wipe direction 1 none", {"trans:4,6"}, "trans:4,1", {}, start, true, {}},
            {"mode 3 none", {"trans:1,0"}, "trans:3,0", {}, start, true, {}},
            {"set_Wipe_Style keeps the others", {"trans:1,0"}, "wipe:2", {"btn_trans_mix", "btn_trans_up"}, start, true, {}},
            {"set_Wipe_Style 3 nothing", {"trans:1,0"}, "wipe:3", {"btn_trans_mix"}, start, true, {}},
            {"PIP 1", {}, "pip:1", {"btn_pip"}, start, true, {true}},
            {"PIP 1 while on", {"pip:1"}, "pip:1", {"btn_pip"}, start, true, {true}},
            {"PIP 0", {"pip:1"}, "pip:0", {}, start, true, {false}},
            {"PIP 2 nothing", {"pip:1"}, "pip:2", {"btn_pip"}, start, true, {}},
            {"STILL 1", {}, "still:1", {"btn_still"}, start, true, {}},
            {"STILL 2 nothing", {"still:1"}, "still:2", {"btn_still"}, start, true, {}},
        };
        for (bool o : {false, true})
            for (const Row& r : rows)
                QTest::addRow("%s %s", o ? "Oriskan" : "Tesmond", r.name)
                    << o << r.before << QString(r.op) << r.lit << r.boxes << r.sources << r.pip;
    }
    void reportShowsAndNeverSends()
    {
        QFETCH(bool, oriskan);
        QFETCH(QStringList, before);
        QFETCH(QString, op);
        QFETCH(QStringList, lit);
        QFETCH(QList<int>, boxes);
        QFETCH(bool, sources);
        QFETCH(QVariantList, pip);
        makeStrip(oriskan);
        for (const QString& b : before)
            report(b);
        QSignalSpy pipSpy(m_strip.data(), &FirstGenMiddleStrip::on_Singnale_btnPIP);
        report(op);
        QVERIFY(m_wire->nothingSent());
        QCOMPARE(litKeys(), lit);
        const QList<int> shown{w<QComboBox>("comboBox_ch1")->currentIndex(), w<QComboBox>("comboBox_ch2")->currentIndex(),
                               w<QSpinBox>("spinBoxCh1Vol")->value(), w<QSpinBox>("spinBoxCh2Vol")->value()};
        QCOMPARE(shown, boxes);
        QCOMPARE(w<QComboBox>("comboBox_ch1")->isEnabled(), sources);
        QCOMPARE(w<QComboBox>("comboBox_ch2")->isEnabled(), sources);
        QVariantList emitted;
        for (const QList<QVariant>& e : pipSpy)
            emitted << e.at(0);
        QCOMPARE(emitted, pip);
        if (oriskan)
            for (const KeyLook& k : kMenuKeys)
                QCOMPARE(w(k.name)->styleSheet(), look(k, false));
    }

    void sourceReportLogsItsEntry()
    {
        makeStrip(false);
        LogCapture log;
        m_strip->set_CH1_Style(5);
        m_strip->set_CH2_Style(5);
        m_strip->set_CH1_Style(2);
        QCOMPARE(log.messages(), QStringList{"IN3"});
    }

    // After a report of STILL 1 a click turns it off, and still sends.
    void stillClickAfterReport()
    {
        makeStrip(true);
        m_strip->set_Stll_Style(1);
        w("btn_still")->click();
        QCOMPARE(take(1), frames({panelCommand(0xCF)}));
        QCOMPARE(litKeys(), QStringList());
    }

    // Oriskan's menu keys: lit while held, one frame for the press and one
    // for the release, however long the key is held.
    void menuKeyPressAndRelease_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("code");
        QTest::newRow("MENU_UP") << "btn_menu_up" << 65;
        QTest::newRow("MENU") << "btn_menu" << 107;
        QTest::newRow("MENU_DOWN") << "btn_menu_down" << 66;
    }
    void menuKeyPressAndRelease()
    {
        QFETCH(QString, name);
        QFETCH(int, code);
        makeStrip(true);
        const KeyLook* k = std::find_if(std::begin(kMenuKeys), std::end(kMenuKeys),
                                        [&](const KeyLook& m) { return name == QLatin1String(m.name); });
        QPushButton* key = w(qPrintable(name));
        QCOMPARE(key->styleSheet(), look(*k, false));
        QTest::mousePress(key, Qt::LeftButton);
        QCOMPARE(key->styleSheet(), look(*k, true));
        QTest::qWait(700);  // held: no repeat
        QCOMPARE(take(1), frames({panelCommand(0xD9, {code, 1})}));
        QTest::mouseRelease(key, Qt::LeftButton);
        QCOMPARE(key->styleSheet(), look(*k, false));
        QCOMPARE(take(1), frames({panelCommand(0xD9, {code, 0})}));
        QCOMPARE(litKeys(), QStringList());
    }

    // Faces built at run time: every picture, lit and unlit, loads.
    void everyFacePictureLoads()
    {
        makeStrip(true);
        QSet<QString> pictures;
        auto collect = [&] {
            for (const QWidget* x : m_strip->findChildren<QWidget*>())
                for (const QString& p : picturesIn(x->styleSheet()))
                    pictures << p;
        };
        collect();
        m_strip->set_AFVorMIX_Style(0);
        collect();
        m_strip->set_AFVorMIX_Style(1);
        m_strip->on_Style_btnMIX_green();
        m_strip->on_Style_btnFADE_green();
        m_strip->on_Style_btnUp_green();
        m_strip->on_Style_btnDown_green();
        m_strip->on_Style_btnLeft_green();
        m_strip->on_Style_btnRight_green();
        m_strip->set_PIP_Style(1);
        m_strip->set_Stll_Style(1);
        auto* o = qobject_cast<Oriskan_Middle_widget*>(m_strip.data());
        o->on_Style_btnMenuUP(true);
        o->on_Style_btnMenu(true);
        o->on_Style_btnMenuDown(true);
        collect();
        QCOMPARE(litKeys().size(), 9);  // MIX lit, AFV not
        // 10 key pictures x 2 (MIX shared by two keys), 3 menu keys x 2, spin arrows.
        QCOMPARE(pictures.size(), 18 + 6 + 2);
        for (const QString& p : pictures)
            QVERIFY2(!QPixmap(p).isNull(), qPrintable(p));
        QVERIFY(m_wire->nothingSent());
    }

    // Both strips in a window, some keys lit, saved for a look.
    void screenshot()
    {
        QWidget window;
        auto* column = new QVBoxLayout(&window);
        auto* tesmond = new Middle_widget(&window, m_ws);
        auto* oriskan = new Oriskan_Middle_widget(&window, m_ws);
        column->addWidget(tesmond);
        column->addWidget(oriskan);
        tesmond->set_AFVorMIX_Style(0);
        tesmond->set_Trans_Style(4, 4);
        tesmond->set_PIP_Style(1);
        oriskan->set_AFVorMIX_Style(1);
        oriskan->set_Trans_Style(2, 0);
        oriskan->set_Stll_Style(1);
        oriskan->on_Style_btnMenu(true);
        window.resize(1280, 500);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QVERIFY(window.grab().save(QStringLiteral("/tmp/zv_firstgen_middle.png")));
        QVERIFY(m_wire->nothingSent());
    }
};

QTEST_MAIN(TestFirstGenMiddle)
#include "tst_firstgen_middle.moc"
