// The first-generation bus rows against a loopback switcher at 127.0.0.2:
// the frame each key sends and the whole look of its row afterwards, CUT and
// AUTO with their waits, and the strip deleted while AUTO waits.

#include "below_widget.h"
#include "devlog.h"
#include "druvela_workdata.h"
#include "face_pictures.h"
#include "panel_rig.h"
#include "plane_top.h"
#include "slider_columns.h"
#include "strip_rig.h"
#include "strip_sheets.h"
#include "widget_events.h"
#include "zv_resources.h"

#include <QElapsedTimer>
#include <QHBoxLayout>
#include <QPixmap>
#include <QVBoxLayout>

namespace {

using StripSheets::kGreen;
using StripSheets::kGrey;
using StripSheets::kRed;
using StripSheets::sheet;

const QStringList kBusSuffixes{"1", "2", "3", "4", "bar"};

QString busFile(const QString& suffix)
{
    return suffix == QLatin1String("bar") ? QStringLiteral("BAR.bmp") : QStringLiteral("png/%1.png").arg(suffix);
}

// The sheets of a whole row with the key `lit` (or none) lit.
QStringList busRowSheets(bool program, const QString& lit)
{
    QStringList out;
    for (const QString& s : kBusSuffixes) {
        if (s == lit)
            out << (program ? sheet("red", busFile(s), kRed) : sheet("green", busFile(s), kGreen));
        else
            out << sheet("white", busFile(s), kGrey);
    }
    return out;
}

QStringList rateSheets(int lit)
{
    QStringList out;
    for (int i = 1; i <= 3; ++i)
        out << (i == lit ? sheet("green", QStringLiteral("RATE%1.bmp").arg(i), kGreen)
                         : sheet("white", QStringLiteral("RATE%1.bmp").arg(i), kGrey));
    return out;
}

QString cutSheet(bool lit) { return lit ? sheet("red", "CUT.bmp", kRed) : sheet("white", "CUT.bmp", kGrey); }
QString autoSheet(bool lit) { return lit ? sheet("red", "AUTO.bmp", kRed) : sheet("white", "AUTO.bmp", kGrey); }

} // namespace

class TestFirstGenBus : public QObject
{
    Q_OBJECT

private:
    StripRig m_rig;
    SwitcherWire* m_wire = nullptr;
    QPointer<Below_Widget> m_strip;

    QPushButton* key(const QString& name) const { return namedChild<QPushButton>(m_strip.data(), name); }
    QString face(const QString& name) const { return key(name)->styleSheet(); }
    QStringList rowSheets(const QString& row) const
    {
        QStringList out;
        for (const QString& s : kBusSuffixes)
            out << face(QStringLiteral("btn_%1_%2").arg(row, s));
        return out;
    }
    QStringList rateRow() const
    {
        return {face("btn_rate_1"), face("btn_rate_2"), face("btn_rate_3")};
    }
    // The rows as the states say: lit key per state, or none for other codes.
    void checkRows(uchar pgm, uchar pvw)
    {
        auto lit = [](uchar c) { return c == 9 ? QStringLiteral("bar") : c >= 1 && c <= 4 ? QString::number(c) : QString(); };
        QCOMPARE(int(m_strip->BtnPGMstate()), int(pgm));
        QCOMPARE(int(m_strip->BtnPVWstate()), int(pvw));
        QCOMPARE(rowSheets("pgm"), busRowSheets(true, lit(pgm)));
        QCOMPARE(rowSheets("pvw"), busRowSheets(false, lit(pvw)));
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_rig.start());
        m_wire = m_rig.wire;
    }
    void init()
    {
        m_rig.newLink();
        m_strip = new Below_Widget(nullptr, m_rig.ws);
        m_wire->commands();
    }
    void cleanup()
    {
        delete m_strip.data();
        m_rig.dropLink();
    }

    void startsUnlitAndSendsNothing()
    {
        QVERIFY(m_wire->nothingSent());
        checkRows(0, 0);
        QCOMPARE(rateRow(), rateSheets(0));
        QCOMPARE(face("btn_cut"), cutSheet(false));
        QCOMPARE(face("btn_auto"), autoSheet(false));
        QVERIFY(!m_strip->pipOnFlag);
    }

    // Every key of the rows and RATE: one frame, then its row lit as the key says.
    void keySendsFrameAndLightsItsRow_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("frame");
        const int codes[] = {1, 2, 3, 4, 9};
        for (int i = 0; i < 5; ++i) {
            const QString s = kBusSuffixes.at(i);
            QTest::addRow("PGM %s", qPrintable(s)) << "btn_pgm_" + s << panelCommand(0x80, {codes[i]});
            QTest::addRow("PVW %s", qPrintable(s)) << "btn_pvw_" + s << panelCommand(0x81, {codes[i]});
        }
        for (int i = 1; i <= 3; ++i)
            QTest::addRow("RATE%d", i) << QStringLiteral("btn_rate_%1").arg(i) << panelCommand(0xB1, {i - 1});
    }
    void keySendsFrameAndLightsItsRow()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, frame);
        // Something else lit first, so the click has to unlight it.
        m_strip->set_PGMCH_Style(name == QLatin1String("btn_pgm_2") ? 3 : 2);
        m_strip->set_PVWCH_Style(name == QLatin1String("btn_pvw_bar") ? 1 : 9);
        m_strip->set_Rate_Style(name == QLatin1String("btn_rate_2") ? 0 : 1);
        key(name)->click();
        QCOMPARE(m_wire->nextCommand(), frame);
        QVERIFY(m_wire->nothingSent());
        const QString suffix = name.section(QLatin1Char('_'), 2);
        if (name.startsWith(QLatin1String("btn_pgm")))
            QCOMPARE(rowSheets("pgm"), busRowSheets(true, suffix));
        else if (name.startsWith(QLatin1String("btn_pvw")))
            QCOMPARE(rowSheets("pvw"), busRowSheets(false, suffix));
        else
            QCOMPARE(rateRow(), rateSheets(suffix.toInt()));
        // CUT and AUTO are not touched.
        QCOMPARE(face("btn_cut"), cutSheet(false));
        QCOMPARE(face("btn_auto"), autoSheet(false));
    }

    // Codes the decoder may pass: other codes unlight the row and are kept.
    void rowSetterTakesAnyCode_data()
    {
        QTest::addColumn<int>("code");
        for (int c : {0, 1, 4, 5, 8, 9, 10, 255})
            QTest::addRow("%d", c) << c;
    }
    void rowSetterTakesAnyCode()
    {
        QFETCH(int, code);
        m_strip->set_PGMCH_Style(2);
        m_strip->set_PVWCH_Style(3);
        m_strip->set_PGMCH_Style(uchar(code));
        m_strip->set_PVWCH_Style(uchar(code));
        checkRows(uchar(code), uchar(code));
        QVERIFY(m_wire->nothingSent());
    }

    void rateSetter_data()
    {
        QTest::addColumn<int>("rate");
        QTest::addColumn<int>("lit");
        QTest::newRow("0") << 0 << 1;
        QTest::newRow("1") << 1 << 2;
        QTest::newRow("2") << 2 << 3;
        QTest::newRow("3 none") << 3 << 0;
        QTest::newRow("255 none") << 255 << 0;
    }
    void rateSetter()
    {
        QFETCH(int, rate);
        QFETCH(int, lit);
        m_strip->set_Rate_Style(1);
        m_strip->set_Rate_Style(uchar(rate));
        QCOMPARE(rateRow(), rateSheets(lit));
        QVERIFY(m_wire->nothingSent());
    }

    // PGM 2 and PVW 3; the key clicked with PIP on or off.
    void cutAndAutoSwapUnlessPip_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("pip");
        QTest::addColumn<QByteArray>("frame");
        QTest::newRow("CUT") << "btn_cut" << false << panelCommand(0x83);
        QTest::newRow("CUT, PIP on") << "btn_cut" << true << panelCommand(0x83);
        QTest::newRow("AUTO") << "btn_auto" << false << panelCommand(0x84);
        QTest::newRow("AUTO, PIP on") << "btn_auto" << true << panelCommand(0x84);
    }
    void cutAndAutoSwapUnlessPip()
    {
        QFETCH(QString, name);
        QFETCH(bool, pip);
        QFETCH(QByteArray, frame);
        const bool cut = name == QLatin1String("btn_cut");
        m_strip->set_PGMCH_Style(2);
        m_strip->set_PVWCH_Style(3);
        m_strip->pipOnFlag = pip;
        // Looked at from inside AUTO's wait: lit, frame out, rows not yet swapped.
        QString during;
        QByteArray sentBeforeWaitEnds;
        if (!cut)
            QTimer::singleShot(150, this, [&] {
                during = face(name);
                sentBeforeWaitEnds = m_wire->nextCommand();
                if (m_strip->BtnPGMstate() != 2)
                    during.clear();
            });
        key(name)->click();
        if (cut) {
            QCOMPARE(face(name), cutSheet(true));
            QCOMPARE(m_wire->nextCommand(), frame);
        } else {
            QCOMPARE(during, autoSheet(true));
            QCOMPARE(sentBeforeWaitEnds, frame);
            QCOMPARE(face(name), autoSheet(false));
        }
        QVERIFY(m_wire->nothingSent());
        if (pip)
            checkRows(2, 3);
        else
            checkRows(3, 2);
        QTRY_COMPARE_WITH_TIMEOUT(face("btn_cut"), cutSheet(false), 5000);
    }

    // A PGM click inside AUTO's wait is swapped as it stands after the wait.
    void autoSwapsTheRowsAsTheyStandAfterTheWait()
    {
        m_strip->set_PGMCH_Style(2);
        m_strip->set_PVWCH_Style(3);
        QTimer::singleShot(200, this, [this] { key("btn_pgm_4")->click(); });
        key("btn_auto")->click();
        QCOMPARE(m_wire->nextCommand(), panelCommand(0x84));
        QCOMPARE(m_wire->nextCommand(), panelCommand(0x80, {4}));
        QVERIFY(m_wire->nothingSent());
        checkRows(3, 4);
        QCOMPARE(face("btn_auto"), autoSheet(false));
    }

    // The second CUT restarts the 300 ms: CUT goes out 300 ms after it, not
    // after the first.
    void secondCutRestartsTheUnlight()
    {
        QElapsedTimer sinceFirst;
        sinceFirst.start();
        key("btn_cut")->click();
        QTest::qWait(150);
        QElapsedTimer sinceSecond;
        sinceSecond.start();
        key("btn_cut")->click();
        QCOMPARE(face("btn_cut"), cutSheet(true));
        QTRY_COMPARE_WITH_TIMEOUT(face("btn_cut"), cutSheet(false), 5000);
        // Qt may fire a coarse timer up to 5 % early.
        QVERIFY2(sinceSecond.elapsed() >= 285, qPrintable(QString::number(sinceSecond.elapsed())));
        QVERIFY(sinceFirst.elapsed() >= 435);
        QCOMPARE(m_wire->nextCommand(), panelCommand(0x83));
        QCOMPARE(m_wire->nextCommand(), panelCommand(0x83));
        QVERIFY(m_wire->nothingSent());
        // Two swaps: back where the rows were.
        checkRows(0, 0);
    }

    // A code no key stands for is kept and moves with CUT.
    void unknownCodeMovesWithCut()
    {
        m_strip->set_PGMCH_Style(5);
        m_strip->set_PVWCH_Style(2);
        checkRows(5, 2);
        key("btn_cut")->click();
        checkRows(2, 5);
        key("btn_cut")->click();
        checkRows(5, 2);
        QCOMPARE(m_wire->nextCommand(), panelCommand(0x83));
        QCOMPARE(m_wire->nextCommand(), panelCommand(0x83));
    }

    // The strip goes away inside AUTO's wait: no crash, nothing more.
    void deletedDuringAutoWait()
    {
        m_strip->set_PGMCH_Style(1);
        m_strip->set_PVWCH_Style(2);
        QTimer::singleShot(200, this, [this] { delete m_strip.data(); });
        QPushButton* autoKey = key("btn_auto");
        autoKey->click();
        QVERIFY(m_strip.isNull());
        QCOMPARE(m_wire->nextCommand(), panelCommand(0x84));
        QVERIFY(m_wire->nothingSent());
    }

    // Faces built at run time: every picture of every lamp, lit and unlit, loads.
    void everyFacePictureLoads()
    {
        QStringList sheets{m_strip->styleSheet()};
        auto collect = [&] {
            for (const QWidget* w : m_strip->findChildren<QWidget*>())
                sheets << w->styleSheet();
        };
        collect();
        for (uchar c : {1, 2, 3, 4, 9}) {
            m_strip->set_PGMCH_Style(c);
            m_strip->set_PVWCH_Style(c);
            collect();
        }
        for (uchar r : {0, 1, 2}) {
            m_strip->set_Rate_Style(r);
            collect();
        }
        m_strip->on_Style_btnCut(true);
        m_strip->on_Style_btnAuto(true);
        collect();
        QSet<QString> pictures;
        for (const QString& s : sheets)
            for (const QString& p : picturesIn(s))
                pictures << p;
        // 5 x 3 bus pictures, 6 RATE, 4 CUT/AUTO, 2 row plates.
        QCOMPARE(pictures.size(), 27);
        for (const QString& p : pictures)
            QVERIFY2(!QPixmap(p).isNull(), qPrintable(p));
    }

    // The parts together in a window, saved for a look.
    void screenshot()
    {
        QWidget window;
        window.setStyleSheet(QStringLiteral("QWidget#shot{background-color:rgb(58,58,58);}"));
        window.setObjectName(QStringLiteral("shot"));
        auto* column = new QVBoxLayout(&window);
        column->setContentsMargins(0, 0, 0, 0);
        column->addWidget(new Plane_Top(&window, nullptr));
        column->addWidget(new Devlog(&window, nullptr));
        auto* middle = new QHBoxLayout;
        column->addLayout(middle);
        middle->addWidget(new QSlider_Left(&window));
        delete m_strip.data();
        m_strip = new Below_Widget(&window, m_rig.ws);
        middle->addWidget(m_strip);
        middle->addWidget(new QSlider_Right(&window));
        m_strip->set_PGMCH_Style(2);
        m_strip->set_PVWCH_Style(9);
        m_strip->set_Rate_Style(1);
        m_strip->on_Style_btnCut(true);
        window.resize(1280, 560);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        const QImage shot = window.grab().toImage();
        QVERIFY(shot.save(QStringLiteral("/tmp/zv_firstgen_strips.png")));
        QVERIFY(m_wire->nothingSent());
    }
};

QTEST_MAIN(TestFirstGenBus)
#include "tst_firstgen_bus.moc"
