// The Halvani panel's audio, bus and transition groups against a loopback
// switcher at 127.0.0.2: what each control sends, which keys light, and that
// building them or swapping the rows sends nothing.

#include "face_pictures.h"
#include "firstgen_style.h"
#include "halvani_audio.h"
#include "halvani_bus.h"
#include "halvani_transitions.h"
#include "widget_events.h"
#include "workdata_wire.h"
#include "zv_resources.h"

#include <QComboBox>
#include <QLabel>
#include <QPixmap>
#include <QSpinBox>

namespace {

struct Look {
    QString key, unlit, lit;
};

// Every key's two faces; the picture rules spelt as the switcher's panels spell them.
QList<Look> looks()
{
    const QString grey = QLatin1String(FirstGenStyle::kGroupGrey196), green = QLatin1String(FirstGenStyle::kGroupGreen);
    QList<Look> l{{"btn_afv", "QPushButton{image: url(:/images/white/AFV.bmp)}" + grey, "QPushButton{image: url(:/images/green/AFV.bmp)}" + green},
                  {"btn_mix", "QPushButton{image: url(:/images/white/MIX.bmp)}" + grey, "QPushButton{image: url(:/images/green/MIX.bmp)}" + green},
                  {"btn_trans_mix", "QPushButton{image:url(:/images/white/MIX.bmp)}" + grey, "QPushButton{image:url(:/images/green/MIX.bmp)}" + green},
                  {"btn_trans_fade", "QPushButton{image:url(:/images/white/FADE.bmp)}" + grey, "QPushButton{image:url(:/images/green/FADE.bmp)}" + green},
                  {"btn_trans_up", "QPushButton{image:url(:/images/white/up.bmp);}" + grey, "QPushButton{image: url(:/images/green/UP.bmp)}" + green},
                  {"btn_trans_down", "QPushButton{image:url(:/images/white/down.bmp);}" + grey, "QPushButton{image: url(:/images/green/DOWN.bmp)}" + green},
                  {"btn_trans_left", "QPushButton{image:url(:/images/white/Left.bmp);}" + grey, "QPushButton{image: url(:/images/green/LEFT.bmp)}" + green},
                  {"btn_trans_right", "QPushButton{image:url(:/images/white/Right.bmp);}" + grey, "QPushButton{image: url(:/images/green/Right.bmp)}" + green}};
    for (int n = 1; n <= 6; ++n) {
        const QString unlit = QStringLiteral("QPushButton{image:url(:/images/white/%1.bmp);}").arg(n) + FirstGenStyle::kGroupGrey213;
        l << Look{QStringLiteral("btn_pgm_%1").arg(n), unlit, QStringLiteral("QPushButton{image:url(:/images/red/%1.bmp);}").arg(n) + FirstGenStyle::kGroupRed}
          << Look{QStringLiteral("btn_pvw_%1").arg(n), unlit, QStringLiteral("QPushButton{image:url(:/images/green/%1.bmp);}").arg(n) + green};
    }
    return l;
}

QList<QByteArray> frames(std::initializer_list<QByteArray> l) { return QList<QByteArray>(l); }

} // namespace

class TestHalvaniGroups : public QObject
{
    Q_OBJECT

    WorkdataWire* m_rig = nullptr;
    QWidget* m_window = nullptr;
    AUDIO* m_audio = nullptr;
    Transitions* m_trans = nullptr;
    PGM* m_pgm = nullptr;
    PVW* m_pvw = nullptr;

    template <class T = QPushButton>
    T* w(const QString& name) const { return namedChild<T>(m_window, name); }
    QList<QByteArray> take(int n) { return m_rig->take(n); }
    // The lit keys; a face that is neither look is named with it.
    QStringList litKeys() const
    {
        QStringList lit;
        for (const Look& k : looks()) {
            const QString sheet = w(k.key)->styleSheet();
            if (sheet == k.lit)
                lit << k.key;
            else if (sheet != k.unlit)
                lit << k.key + QStringLiteral(" shows ") + sheet;
        }
        return lit;
    }

private slots:
    void initTestCase()
    {
        zvInitResources();
        m_rig = new WorkdataWire;
        QVERIFY(m_rig->wire.isBound());
    }
    void init()
    {
        m_window = new QWidget;
        m_audio = new AUDIO(m_window, &m_rig->ws);
        m_trans = new Transitions(m_window, &m_rig->ws);
        m_pgm = new PGM(m_window, &m_rig->ws);
        m_pvw = new PVW(m_window, &m_rig->ws);
    }
    void cleanup()
    {
        delete m_window;
        m_rig->wire.commands();
    }
    void cleanupTestCase() { delete m_rig; }

    void startsQuietAndUnlit()
    {
        QVERIFY(m_rig->wire.nothingSent());
        QCOMPARE(litKeys(), QStringList());
        for (const char* box : {"comboBox_ch1", "comboBox_ch2", "comboBox_pgm_out"})
            QCOMPARE(w<QComboBox>(box)->currentIndex(), -1);
        QCOMPARE(w<QSpinBox>("spinBoxCh1Vol")->value() + w<QSpinBox>("spinBoxCh2Vol")->value(), 120);
        QCOMPARE(w("btn_audio_mode")->text(), QString());
        QCOMPARE(m_pgm->BtnPGMstate() + m_pvw->BtnPVWstate(), 0);
    }

    // Every entry is sent as its index.
    void entrySendsItsIndex_data()
    {
        QTest::addColumn<QString>("box");
        QTest::addColumn<int>("index");
        QTest::addColumn<QByteArray>("sent");
        for (int i = 0; i < 8; ++i) {
            QTest::addRow("CH1 %d", i) << "comboBox_ch1" << i << panelCommand(0xB9, {i});
            QTest::addRow("CH2 %d", i) << "comboBox_ch2" << i << panelCommand(0xBA, {i});
        }
        for (int i = 0; i < 7; ++i)
            QTest::addRow("PGM Out %d", i) << "comboBox_pgm_out" << i << panelCommand(0xA3, {i});
    }
    void entrySendsItsIndex()
    {
        QFETCH(QString, box);
        QFETCH(int, index);
        QFETCH(QByteArray, sent);
        w<QComboBox>(box)->setCurrentIndex(index);
        QCOMPARE(take(1), frames({sent}));
    }

    // Arrow up (60 -> 70), then "35" typed: sent with a source, a warning each without, in either mode.
    void volumeNeedsSource_data()
    {
        QTest::addColumn<int>("channel");
        QTest::addColumn<bool>("source");
        QTest::addColumn<bool>("follow");
        for (int ch : {1, 2})
            for (bool source : {true, false})
                for (bool follow : {false, true})
                    QTest::addRow("CH%d%s%s", ch, source ? "" : " without source", follow ? " in Follow" : "") << ch << source << follow;
    }
    void volumeNeedsSource()
    {
        QFETCH(int, channel);
        QFETCH(bool, source);
        QFETCH(bool, follow);
        if (source)
            w<QComboBox>(QStringLiteral("comboBox_ch%1").arg(channel))->setCurrentIndex(3);
        if (follow)
            w("btn_afv")->click();
        for (int i = int(source) + int(follow); i > 0; --i)
            m_rig->wire.nextCommand();
        QStringList boxes;
        QTimer watch;
        watchBoxes(watch, [&](QMessageBox* b) {
            boxes << QStringLiteral("%1|%2|%3|%4").arg(b->windowTitle(), b->text()).arg(int(b->standardButtons())).arg(b->defaultButton() != nullptr);
            QCOMPARE(b->parentWidget(), m_audio);
            b->button(QMessageBox::Yes)->click();
        });
        auto* volume = w<QSpinBox>(QStringLiteral("spinBoxCh%1Vol").arg(channel));
        volume->stepBy(1);
        volume->selectAll();
        QTest::keyClicks(volume, QStringLiteral("35"));  // passes through 3
        watch.stop();
        QCOMPARE(volume->value(), 35);
        const int ch = channel - 1;
        if (source) {
            QCOMPARE(boxes, QStringList());
            QCOMPARE(take(3), frames({panelCommand(0xB8, {ch, 70}), panelCommand(0xB8, {ch, 3}), panelCommand(0xB8, {ch, 35})}));
        } else {
            const QString warn = QStringLiteral("Warning|please choose CH%1 source|%2|0").arg(channel).arg(int(QMessageBox::Yes));
            QCOMPARE(boxes, (QStringList{warn, warn, warn}));
            QVERIFY(m_rig->wire.nothingSent());
        }
    }

    // Clicks in order: every click sends, also on the key already lit; the lit keys afterwards.
    void clicksSendAndLight_data()
    {
        QTest::addColumn<QStringList>("clicks");
        QTest::addColumn<QList<QByteArray>>("sent");
        QTest::addColumn<QStringList>("lit");
        QTest::addColumn<QString>("mode");
        const QByteArray afv = panelCommand(0xB6, {0}), mix = panelCommand(0xB6, {1});
        QTest::newRow("AFV") << QStringList{"btn_afv"} << frames({afv}) << QStringList{"btn_afv"} << "Follow";
        QTest::newRow("MIX twice") << QStringList{"btn_mix", "btn_mix"} << frames({mix, mix}) << QStringList{"btn_mix"} << "Mixing";
        QTest::newRow("MIX then AFV") << QStringList{"btn_mix", "btn_afv"} << frames({mix, afv}) << QStringList{"btn_afv"} << "Follow";
        for (int n = 1; n <= 6; ++n)
            for (const char* row : {"pgm", "pvw"}) {
                const QString key = QStringLiteral("btn_%1_%2").arg(row).arg(n), other = QStringLiteral("btn_%1_%2").arg(row).arg(n % 6 + 1);
                const QByteArray f = panelCommand(row[1] == 'g' ? 0x80 : 0x81, {n});
                QTest::addRow("%s %d twice", row, n) << QStringList{other, key, key}
                                                     << frames({panelCommand(row[1] == 'g' ? 0x80 : 0x81, {n % 6 + 1}), f, f}) << QStringList{key} << "";
            }
        const QList<QByteArray> transition[] = {{panelCommand(0x8D)}, {panelCommand(0x8E)},
                                                {panelCommand(0x8F), panelCommand(0x92, {0x25})}, {panelCommand(0x8F), panelCommand(0x92, {0x29})},
                                                {panelCommand(0x8F), panelCommand(0x92, {0x23})}, {panelCommand(0x8F), panelCommand(0x92, {0x27})}};
        for (int id = 1; id <= 6; ++id) {
            const QString key = looks().at(id + 1).key, other = looks().at(id % 6 + 2).key;
            QTest::addRow("%s twice", qPrintable(key)) << QStringList{other, key, key} << transition[id % 6] + transition[id - 1] + transition[id - 1]
                                                       << QStringList{key} << "";
        }
    }
    void clicksSendAndLight()
    {
        QFETCH(QStringList, clicks);
        QFETCH(QList<QByteArray>, sent);
        QFETCH(QStringList, lit);
        QFETCH(QString, mode);
        for (const QString& c : clicks)
            w(c)->click();
        QCOMPARE(take(sent.size()), sent);
        m_audio->setStyle(2);  // changes nothing
        QCOMPARE(litKeys(), lit);
        QCOMPARE(w("btn_audio_mode")->text(), mode);
        QCOMPARE(w<QComboBox>("comboBox_ch1")->isEnabled(), mode != QLatin1String("Follow"));
        QCOMPARE(w<QComboBox>("comboBox_ch2")->isEnabled(), mode != QLatin1String("Follow"));
        const QString labels = mode == QLatin1String("Follow") ? "font-weight:600; color:#dcdcdc;" : "font-weight:600; color:#ffffff;";
        for (QLabel* l : m_audio->findChildren<QLabel*>())
            if (l->text() == QLatin1String("CH1") || l->text() == QLatin1String("CH2"))
                QCOMPARE(l->styleSheet(), labels);
    }

    // Any value is kept and only 1..6 light; then the panel's swap, which sends nothing.
    void busStateAndSwap_data()
    {
        QTest::addColumn<int>("pgm");
        QTest::addColumn<int>("pvw");
        QTest::addColumn<QStringList>("lit");
        QTest::newRow("2 and 5") << 2 << 5 << QStringList{"btn_pvw_2", "btn_pgm_5"};
        QTest::newRow("0 and 7") << 0 << 7 << QStringList();
        QTest::newRow("255 and 6") << 255 << 6 << QStringList{"btn_pgm_6"};
    }
    void busStateAndSwap()
    {
        QFETCH(int, pgm);
        QFETCH(int, pvw);
        QFETCH(QStringList, lit);
        m_pgm->setPGMCHstate(uchar(pgm));
        m_pvw->setPVWCHstate(uchar(pvw));
        const uchar former = m_pgm->BtnPGMstate();
        m_pgm->setPGMCHstate(m_pvw->BtnPVWstate());
        m_pvw->setPVWCHstate(former);
        QCOMPARE(int(m_pgm->BtnPGMstate()), pvw);
        QCOMPARE(int(m_pvw->BtnPVWstate()), pgm);
        QCOMPARE(litKeys(), lit);
        QVERIFY(m_rig->wire.nothingSent());
    }

    // Every face's picture loads; the groups at the panel's places, saved for a look.
    void facesLoadAndScreenshot()
    {
        for (const Look& k : looks())
            for (const QString& p : picturesIn(k.unlit + k.lit))
                QVERIFY2(!QPixmap(p).isNull(), qPrintable(p));
        m_window->setStyleSheet(QStringLiteral("background-color: rgb(58, 58,58);"));
        m_audio->setGeometry(40, 95, 320, 220);
        m_trans->setGeometry(390, 95, 250, 220);
        m_pgm->setGeometry(40, 340, 610, 125);
        m_pvw->setGeometry(40, 450, 610, 125);
        m_pgm->setPGMCHstate(2);
        m_pvw->setPVWCHstate(5);
        m_trans->setbtnStyle_Up(true);
        m_audio->setStyle(1);
        m_window->resize(700, 600);
        m_window->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_window));
        QVERIFY(m_window->grab().save(QStringLiteral("/tmp/zv_halvani_groups.png")));
    }
};

QTEST_MAIN(TestHalvaniGroups)
#include "tst_halvani_groups.moc"
