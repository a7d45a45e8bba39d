// The top key strips of the Tesmond and Oriskan panels against a loopback
// switcher at 127.0.0.2: the frames each key sends and the faces afterwards,
// the "PGM Out" dialog (driven from a timer while it runs modally), the FTB and
// REC blinks, the status setters, the Oriskan state poll, and the strip deleted
// while the dialog is open or F2 waits.

#include "face_pictures.h"
#include "firstgen_style.h"
#include "oriskan_upper_widget.h"
#include "strip_rig.h"
#include "strip_sheets.h"
#include "upper_widget.h"
#include "widget_events.h"

#include <QComboBox>
#include <QDialog>
#include <QElapsedTimer>
#include <QLabel>
#include <QPixmap>
#include <QVBoxLayout>

#include <functional>
#include <memory>

using StripSheets::greenKey;
using StripSheets::redKey;

namespace {

const QStringList kAllKeys{"btn_f1", "btn_f2", "btn_f3", "btn_f4", "btn_f5", "btn_f6", "btn_f7", "btn_f8", "btn_ftb"};

// The sheet key `name` shows on strip `which`, lit or not.
QString keySheet(const QString& which, const QString& name, bool lit)
{
    if (name == QLatin1String("btn_ftb"))
        return redKey(QStringLiteral("FTB.bmp"), lit);
    const QString file = QStringLiteral("F%1.bmp").arg(name.mid(5));
    if (which == QLatin1String("oriskan") && name == QLatin1String("btn_f4"))
        return redKey(file, lit);
    return greenKey(file, lit);
}

// The visible "PGM Out" dialog, if any.
QDialog* openDialog()
{
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* d = qobject_cast<QDialog*>(w); d && d->isVisible() && d->objectName() == QLatin1String("_dlog"))
            return d;
    return nullptr;
}

// Hands the dialog to `inside` once it runs, from a timer: exec() blocks the
// test until the dialog closes. The dialog is rejected afterwards if `inside`
// left it open, so a failing check never hangs the run.
class DialogDriver
{
public:
    explicit DialogDriver(std::function<void(QDialog*)> inside)
    {
        QObject::connect(&m_poll, &QTimer::timeout, [this, inside] {
            QDialog* d = openDialog();
            if (!d)
                return;
            m_poll.stop();
            m_seen = d;
            ++m_runs;
            inside(d);
            if (m_seen && m_seen->isVisible())
                m_seen->reject();
        });
        m_poll.start(20);
    }
    int runs() const { return m_runs; }
    // The dialog it saw; null once deleted.
    QDialog* seen() const { return m_seen.data(); }

private:
    QTimer m_poll;
    QPointer<QDialog> m_seen;
    int m_runs = 0;
};

QComboBox* combo(QDialog* d) { return namedChild<QComboBox>(d, QStringLiteral("comboBox_pgmout")); }

} // namespace

class TestFirstGenUpper : public QObject
{
    Q_OBJECT

private:
    StripRig m_rig;
    SwitcherWire* m_wire = nullptr;
    QPointer<FirstGenUpperStrip> m_strip;

    // A new strip; the Oriskan poll is stopped unless the test is about it.
    FirstGenUpperStrip* make(const QString& which, bool poll = false)
    {
        delete m_strip.data();
        if (which == QLatin1String("oriskan"))
            m_strip = new Oriskan_Upper_Widget(nullptr, m_rig.ws);
        else
            m_strip = new Upper_Widget(nullptr, m_rig.ws);
        if (!poll)
            if (auto* t = m_strip->findChild<QTimer*>(QStringLiteral("timer_poll")))
                t->stop();
        return m_strip;
    }
    Oriskan_Upper_Widget* oriskan() { return static_cast<Oriskan_Upper_Widget*>(make("oriskan")); }
    QPushButton* key(const QString& name) const { return namedChild<QPushButton>(m_strip.data(), name); }
    QString face(const QString& name) const { return key(name)->styleSheet(); }
    QTimer* timer(const char* name) const { return namedChild<QTimer>(m_strip.data(), QLatin1String(name)); }
    // Every key of `which` shows its face, those in `lit` lit.
    void checkFaces(const QString& which, const QStringList& lit)
    {
        for (const QString& k : kAllKeys)
            QCOMPARE(face(k), keySheet(which, k, lit.contains(k)));
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_rig.start());
        m_wire = m_rig.wire;
    }
    void init() { m_rig.newLink(); }
    void cleanup()
    {
        delete m_strip.data();
        m_rig.dropLink();
    }

    // Caption texts and widths over the keys, the keys' order and size, the
    // fixed DS and return faces; nothing sent and every key unlit at start.
    void layoutOfBothStrips_data()
    {
        QTest::addColumn<QString>("which");
        QTest::addColumn<QStringList>("captions");
        QTest::addColumn<QList<int>>("widths");
        QTest::newRow("Tesmond") << "tesmond" << QStringList{" Reso", "Source", "Mute"} << QList<int>{55, 55, 53};
        QTest::newRow("Oriskan") << "oriskan"
                                 << QStringList{" RESO", "SOURCE", "MUTE", "REC", "PAUSE", "STREAM", "", "ROTATE"}
                                 << QList<int>{55, 55, 53, 52, 53, 55, 52, 55};
    }
    void layoutOfBothStrips()
    {
        QFETCH(QString, which);
        QFETCH(QStringList, captions);
        QFETCH(QList<int>, widths);
        make(which);
        m_strip->resize(1400, 130);
        m_strip->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_strip));
        QVERIFY(m_wire->nothingSent());
        checkFaces(which, {});
        QCOMPARE(face("btn_ds"), QStringLiteral("QPushButton{image: url(:/images/StyleSheet/DS.bmp);}") +
                                     QLatin1String(StripSheets::kGrey));
        QCOMPARE(face("btn_return"), QStringLiteral("QPushButton{image:url(:/images/StyleSheet/return.bmp);}") +
                                         QLatin1String(StripSheets::kGrey));
        QCOMPARE(m_strip->findChildren<QLabel*>().size(), captions.size());
        for (int i = 0; i < captions.size(); ++i) {
            auto* label = namedChild<QLabel>(m_strip.data(), QStringLiteral("label_f%1").arg(i + 1));
            QCOMPARE(label->text(), captions.at(i));
            QCOMPARE(label->width(), widths.at(i));
            QCOMPARE(label->styleSheet(), captions.at(i).isEmpty() ? QString() : QStringLiteral("color:white;border:0px;"));
            // Above its key, the row starting at the same left margin.
            QVERIFY(label->geometry().bottom() < key(QStringLiteral("btn_f%1").arg(i + 1))->geometry().top());
        }
        QCOMPARE(namedChild<QLabel>(m_strip.data(), "label_f1")->x(), key("btn_f1")->x());
        const QStringList order = kAllKeys + QStringList{"btn_ds", "btn_return"};
        for (int i = 0; i < order.size(); ++i) {
            QCOMPARE(key(order.at(i))->size(), QSize(55, 55));
            if (i > 0)
                QVERIFY2(key(order.at(i - 1))->x() < key(order.at(i))->x(), qPrintable(order.at(i)));
        }
        // The spacer stands between F8 and FTB.
        QVERIFY(key("btn_ftb")->x() - key("btn_f8")->x() > key("btn_f8")->x() - key("btn_f7")->x());
    }

    // Keys clicked in turn: the frames in order, the keys lit afterwards.
    void keysSendAndLight_data()
    {
        QTest::addColumn<QString>("which");
        QTest::addColumn<QStringList>("clicks");
        QTest::addColumn<QList<QByteArray>>("frames");
        QTest::addColumn<QStringList>("lit");
        using F = QList<QByteArray>;
        for (const char* w : {"tesmond", "oriskan"}) {
            const QString which = QLatin1String(w);
            QTest::addRow("%s F3", w) << which << QStringList{"btn_f3"} << F{panelCommand(0xD6)} << QStringList{"btn_f3"};
            QTest::addRow("%s F3 twice", w) << which << QStringList{"btn_f3", "btn_f3"}
                                            << F{panelCommand(0xD6), panelCommand(0xD6)} << QStringList{};
            QTest::addRow("%s F7", w) << which << QStringList{"btn_f7"} << F{panelCommand(0xD8)} << QStringList{"btn_f7"};
            QTest::addRow("%s F7 twice", w) << which << QStringList{"btn_f7", "btn_f7"}
                                            << F{panelCommand(0xD8), panelCommand(0xD8)} << QStringList{};
            // The blink lights FTB at its ticks, not at the press.
            QTest::addRow("%s FTB", w) << which << QStringList{"btn_ftb"} << F{panelCommand(0x85)} << QStringList{};
            QTest::addRow("%s DS", w) << which << QStringList{"btn_ds"} << F{panelCommand(0x0A)} << QStringList{};
            QTest::addRow("%s return", w) << which << QStringList{"btn_return"} << F{} << QStringList{};
        }
        QTest::newRow("tesmond F4 F5 F6 F8 inert")
            << "tesmond" << QStringList{"btn_f4", "btn_f5", "btn_f6", "btn_f8", "btn_f4"} << F{} << QStringList{};
        QTest::newRow("oriskan F4 REC") << "oriskan" << QStringList{"btn_f4"} << F{panelCommand(0xB2, {1})}
                                        << QStringList{"btn_f4"};
        QTest::newRow("oriskan F4 twice") << "oriskan" << QStringList{"btn_f4", "btn_f4"}
                                          << F{panelCommand(0xB2, {1}), panelCommand(0xB2, {0})} << QStringList{};
        QTest::newRow("oriskan F5 without recording") << "oriskan" << QStringList{"btn_f5"} << F{} << QStringList{};
        QTest::newRow("oriskan F4 F5") << "oriskan" << QStringList{"btn_f4", "btn_f5"}
                                       << F{panelCommand(0xB2, {1}), panelCommand(0xC7)}
                                       << QStringList{"btn_f4", "btn_f5"};
        QTest::newRow("oriskan F4 F5 F5") << "oriskan" << QStringList{"btn_f4", "btn_f5", "btn_f5"}
                                          << F{panelCommand(0xB2, {1}), panelCommand(0xC7), panelCommand(0xC7)}
                                          << QStringList{"btn_f4"};
        // Stopping clears PAUSE without a pause command; F5 is then inert.
        QTest::newRow("oriskan F4 F5 F4 F5") << "oriskan" << QStringList{"btn_f4", "btn_f5", "btn_f4", "btn_f5"}
                                             << F{panelCommand(0xB2, {1}), panelCommand(0xC7), panelCommand(0xB2, {0})}
                                             << QStringList{};
        QTest::newRow("oriskan first F6") << "oriskan" << QStringList{"btn_f6"} << F{panelCommand(0x87, {1})}
                                          << QStringList{"btn_f6"};
        QTest::newRow("oriskan F6 twice") << "oriskan" << QStringList{"btn_f6", "btn_f6"}
                                          << F{panelCommand(0x87, {1}), panelCommand(0x87, {0})} << QStringList{};
        QTest::newRow("oriskan F8") << "oriskan" << QStringList{"btn_f8"} << F{panelCommand(0xD7)}
                                    << QStringList{"btn_f8"};
        QTest::newRow("oriskan F8 twice") << "oriskan" << QStringList{"btn_f8", "btn_f8"}
                                          << F{panelCommand(0xD7), panelCommand(0xD7)} << QStringList{};
    }
    void keysSendAndLight()
    {
        QFETCH(QString, which);
        QFETCH(QStringList, clicks);
        QFETCH(QList<QByteArray>, frames);
        QFETCH(QStringList, lit);
        make(which);
        QSignalSpy back(m_strip.data(), &FirstGenUpperStrip::on_Singnals_returnloginwin);
        for (const QString& k : clicks)
            key(k)->click();
        for (const QByteArray& f : frames)
            QCOMPARE(m_wire->nextCommand(), f);
        QVERIFY(m_wire->nothingSent());
        checkFaces(which, lit);
        QCOMPARE(back.count(), clicks.count(QStringLiteral("btn_return")));
    }

    // F2: lit and its frame out during the 200 ms, unlit after; a second
    // press inside the wait sends a second frame.
    void f2Flashes()
    {
        make("tesmond");
        QString during;
        QByteArray sentDuring;
        QTimer::singleShot(80, this, [&] {
            during = face("btn_f2");
            sentDuring = m_wire->nextCommand(2000);
            key("btn_f2")->click();
        });
        QElapsedTimer t;
        t.start();
        key("btn_f2")->click();
        QVERIFY(t.elapsed() >= 190);
        QCOMPARE(during, keySheet("tesmond", "btn_f2", true));
        QCOMPARE(sentDuring, panelCommand(0xD2));
        QCOMPARE(m_wire->nextCommand(), panelCommand(0xD2));
        QVERIFY(m_wire->nothingSent());
        checkFaces("tesmond", {});
    }

    void dialogFormAndPlace_data()
    {
        QTest::addColumn<QString>("which");
        QTest::addColumn<bool>("normal");
        QTest::newRow("Tesmond normal") << "tesmond" << true;
        QTest::newRow("Tesmond full screen") << "tesmond" << false;
        QTest::newRow("Oriskan normal") << "oriskan" << true;
        QTest::newRow("Oriskan full screen") << "oriskan" << false;
    }
    void dialogFormAndPlace()
    {
        QFETCH(QString, which);
        QFETCH(bool, normal);
        make(which)->winNormalFlag = normal;
        const QSize desk = FirstGenStyle::desktopSize();
        const QPoint expected = normal ? QPoint(desk.width() / 8 - 120, desk.height() / 2 - 400)
                                       : QPoint(desk.width() / 8 - 180, desk.height() / 2 - 540);
        QRect geometry;
        Qt::WindowFlags flags;
        QString f1While, sheet;
        QStringList entries;
        bool parentless = false, modal = false;
        DialogDriver driver([&](QDialog* d) {
            geometry = d->geometry();
            flags = d->windowFlags();
            parentless = d->parentWidget() == nullptr;
            modal = d->isModal();
            sheet = d->styleSheet();
            f1While = face("btn_f1");
            for (int i = 0; i < combo(d)->count(); ++i)
                entries << combo(d)->itemText(i);
            namedChild<QPushButton>(d, QStringLiteral("btn_close"))->click();
        });
        key("btn_f1")->click();
        QCOMPARE(driver.runs(), 1);
        QCOMPARE(geometry, QRect(expected, QSize(250, 90)));
        QVERIFY(flags.testFlag(Qt::FramelessWindowHint));
        QVERIFY(parentless);
        QVERIFY(modal);
        QCOMPARE(sheet, QStringLiteral(
            "QDialog#_dlog{background-color:rgb(58,58,58);border:2px solid rgb(83, 83,83);border-radius:5px;};"));
        QCOMPARE(entries, (QStringList{"1080P60", "1080P50", "1080I60", "1080I50", "1080P30", "1080P25", "1080P24"}));
        QCOMPARE(f1While, keySheet(which, "btn_f1", true));
        // Closed: gone, F1 unlit, nothing sent.
        QVERIFY(!driver.seen());
        QVERIFY(!openDialog());
        checkFaces(which, {});
        QVERIFY(m_wire->nothingSent());
    }

    // Reported codes (-1: none), then the entry chosen (-1: none, closed by
    // Escape): the entry preselected and the frames sent.
    void dialogChoice_data()
    {
        QTest::addColumn<QList<int>>("codes");
        QTest::addColumn<int>("choose");
        QTest::addColumn<int>("preselected");
        QTest::addColumn<QList<QByteArray>>("frames");
        using F = QList<QByteArray>;
        QTest::newRow("no report, 1080P60") << QList<int>{} << 0 << -1 << F{panelCommand(0xA3, {0})};
        QTest::newRow("no report, escape") << QList<int>{} << -1 << -1 << F{};
        QTest::newRow("code 7 shows 1080P60, chosen again") << QList<int>{7} << 0 << 0 << F{};
        QTest::newRow("code 7, 1080P24 sends 6") << QList<int>{7} << 6 << 0 << F{panelCommand(0xA3, {6})};
        const int codes[] = {1, 3, 5, 7, 9, 11, 13};
        const int index[] = {3, 4, 6, 0, 2, 1, 5};
        for (int i = 0; i < 7; ++i)
            QTest::addRow("code %d", codes[i]) << QList<int>{codes[i]} << -1 << index[i] << F{};
        for (int c : {0, 2, 14, 15, 255})
            QTest::addRow("code %d ignored", c) << QList<int>{c} << -1 << -1 << F{};
        QTest::newRow("code 11 then 8 keeps 1080P50") << QList<int>{11, 8} << -1 << 1 << F{};
        QTest::newRow("code 3 then 1") << QList<int>{3, 1} << 2 << 3 << F{panelCommand(0xA3, {2})};
    }
    void dialogChoice()
    {
        QFETCH(QList<int>, codes);
        QFETCH(int, choose);
        QFETCH(int, preselected);
        QFETCH(QList<QByteArray>, frames);
        for (const char* which : {"tesmond", "oriskan"}) {
            make(which);
            for (int c : codes)
                m_strip->set_F1_Style(uchar(c));
            QVERIFY(m_wire->nothingSent());
            int shown = -2;
            DialogDriver driver([&](QDialog* d) {
                shown = combo(d)->currentIndex();
                if (choose >= 0) {
                    combo(d)->setCurrentIndex(choose);
                    namedChild<QPushButton>(d, QStringLiteral("btn_close"))->click();
                } else {
                    QTest::keyClick(d, Qt::Key_Escape);
                }
            });
            key("btn_f1")->click();
            QCOMPARE(driver.runs(), 1);
            QCOMPARE(shown, preselected);
            for (const QByteArray& f : frames)
                QCOMPARE(m_wire->nextCommand(), f);
            QVERIFY(m_wire->nothingSent());
            QVERIFY(!driver.seen());
            checkFaces(which, {});
        }
    }

    // A choice does not change what the next dialog preselects; a report
    // while the dialog is open changes the next one only.
    void choiceKeepsTheStoredEntry()
    {
        make("tesmond");
        m_strip->set_F1_Style(9);
        QList<int> shown;
        auto pick = [&](int index, bool report) {
            return [&, index, report](QDialog* d) {
                shown << combo(d)->currentIndex();
                combo(d)->setCurrentIndex(index);
                if (report)
                    m_strip->set_F1_Style(13);
                shown << combo(d)->currentIndex();
            };
        };
        {
            DialogDriver driver(pick(4, false));
            key("btn_f1")->click();
        }
        {
            DialogDriver driver(pick(1, true));
            key("btn_f1")->click();
        }
        {
            DialogDriver driver(pick(5, false));
            key("btn_f1")->click();
        }
        QCOMPARE(shown, (QList<int>{2, 4, 2, 1, 5, 5}));
        QCOMPARE(m_wire->nextCommand(), panelCommand(0xA3, {4}));
        QCOMPARE(m_wire->nextCommand(), panelCommand(0xA3, {1}));
        QVERIFY(m_wire->nothingSent());
    }

    // FTB pressed (or the device reports 1) after `ticks` manual blink steps
    // and a stop: the phase survives, so the key lights after 400 or 800 ms.
    void ftbPhaseSurvivesStops_data()
    {
        QTest::addColumn<bool>("press");
        QTest::addColumn<int>("ticks");
        QTest::addColumn<int>("litAfter");
        QTest::newRow("press, fresh") << true << 0 << 800;
        QTest::newRow("press, one step") << true << 1 << 400;
        QTest::newRow("press, two steps") << true << 2 << 800;
        QTest::newRow("report, fresh") << false << 0 << 800;
        QTest::newRow("report, three steps") << false << 3 << 400;
    }
    void ftbPhaseSurvivesStops()
    {
        QFETCH(bool, press);
        QFETCH(int, ticks);
        QFETCH(int, litAfter);
        make("tesmond");
        for (int i = 0; i < ticks; ++i)
            m_strip->on_timerour_FTB();
        m_strip->set_FTB_Style(0);
        QCOMPARE(face("btn_ftb"), keySheet("tesmond", "btn_ftb", false));
        QElapsedTimer t;
        t.start();
        if (press)
            key("btn_ftb")->click();
        else
            m_strip->set_FTB_Style(1);
        QVERIFY(timer("timer_ftb")->isActive());
        QCOMPARE(timer("timer_ftb")->interval(), 400);
        QTRY_COMPARE_WITH_TIMEOUT(face("btn_ftb"), keySheet("tesmond", "btn_ftb", true), 10000);
        // Qt may fire a coarse timer up to 5 % early.
        QVERIFY2(t.elapsed() >= litAfter * 95 / 100, qPrintable(QString::number(t.elapsed())));
        // Then unlit one period later, lit again one more on.
        QTRY_COMPARE_WITH_TIMEOUT(face("btn_ftb"), keySheet("tesmond", "btn_ftb", false), 10000);
        QTRY_COMPARE_WITH_TIMEOUT(face("btn_ftb"), keySheet("tesmond", "btn_ftb", true), 10000);
        QVERIFY(t.elapsed() >= (litAfter + 800) * 95 / 100);
        if (press)
            QCOMPARE(m_wire->nextCommand(), panelCommand(0x85));
        QVERIFY(m_wire->nothingSent());
    }

    // Two presses within 400 ms: two frames, FTB never lit.
    void ftbTwiceQuicklyNeverLights()
    {
        make("oriskan");
        bool everLit = false;
        QTimer look;
        connect(&look, &QTimer::timeout, this,
                [&] { everLit |= face("btn_ftb") == keySheet("oriskan", "btn_ftb", true); });
        look.start(5);
        key("btn_ftb")->click();
        key("btn_ftb")->click();
        QTest::qWait(1000);
        QVERIFY(!everLit);
        QVERIFY(!timer("timer_ftb")->isActive());
        QCOMPARE(m_wire->nextCommand(), panelCommand(0x85));
        QCOMPARE(m_wire->nextCommand(), panelCommand(0x85));
        QVERIFY(m_wire->nothingSent());
    }

    // Status 3 blinks F4 only, from a fresh phase; a later state stops it
    // before it shows its own look; F4 pressed meanwhile leaves the blink on.
    void recBlink()
    {
        Oriskan_Upper_Widget* s = oriskan();
        QElapsedTimer t;
        t.start();
        s->set_Style_btnF4(0x18);
        QVERIFY(timer("timer_rec")->isActive());
        QCOMPARE(timer("timer_rec")->interval(), 400);
        QTRY_COMPARE_WITH_TIMEOUT(face("btn_f4"), keySheet("oriskan", "btn_f4", true), 10000);
        QVERIFY2(t.elapsed() >= 760, qPrintable(QString::number(t.elapsed())));
        QVERIFY(!timer("timer_ftb")->isActive());
        QCOMPARE(face("btn_ftb"), keySheet("oriskan", "btn_ftb", false));
        // F4 while it blinks: REC 0, unlit, and still blinking.
        key("btn_f4")->click();
        QCOMPARE(m_wire->nextCommand(), panelCommand(0xB2, {0}));
        QCOMPARE(face("btn_f4"), keySheet("oriskan", "btn_f4", false));
        QVERIFY(timer("timer_rec")->isActive());
        QTRY_COMPARE_WITH_TIMEOUT(face("btn_f4"), keySheet("oriskan", "btn_f4", true), 10000);
        // State 1 stops it and keeps F4 lit.
        s->set_Style_btnF4(0x08);
        QVERIFY(!timer("timer_rec")->isActive());
        QTest::qWait(900);
        QCOMPARE(face("btn_f4"), keySheet("oriskan", "btn_f4", true));
        QVERIFY(m_wire->nothingSent());
    }

    // Setters shared by both strips: the value reported after a start state,
    // F3's and FTB's look and timer, and nothing sent.
    void sharedSetters_data()
    {
        QTest::addColumn<QString>("setter");
        QTest::addColumn<int>("before");
        QTest::addColumn<int>("value");
        QTest::addColumn<bool>("lit");
        QTest::addColumn<bool>("running");
        QTest::newRow("F3 255") << "F3" << 0 << 255 << true << false;
        QTest::newRow("F3 0 from 255") << "F3" << 255 << 0 << false << false;
        QTest::newRow("F3 1 keeps lit") << "F3" << 255 << 1 << true << false;
        QTest::newRow("F3 1 keeps unlit") << "F3" << 0 << 1 << false << false;
        QTest::newRow("F3 254 keeps lit") << "F3" << 255 << 254 << true << false;
        QTest::newRow("FTB 1") << "FTB" << 0 << 1 << false << true;
        QTest::newRow("FTB 0 from 1") << "FTB" << 1 << 0 << false << false;
        QTest::newRow("FTB 2 keeps blinking") << "FTB" << 1 << 2 << false << true;
        QTest::newRow("FTB 255 keeps off") << "FTB" << 0 << 255 << false << false;
    }
    void sharedSetters()
    {
        QFETCH(QString, setter);
        QFETCH(int, before);
        QFETCH(int, value);
        QFETCH(bool, lit);
        QFETCH(bool, running);
        for (const char* which : {"tesmond", "oriskan"}) {
            make(which);
            const bool f3 = setter == QLatin1String("F3");
            auto set = [&](int v) { f3 ? m_strip->set_F3_Style(uchar(v)) : m_strip->set_FTB_Style(uchar(v)); };
            set(before);
            set(value);
            QCOMPARE(timer("timer_ftb")->isActive(), running);
            checkFaces(which, lit ? QStringList{"btn_f3"} : QStringList{});
            QVERIFY(m_wire->nothingSent());
            if (f3) {
                // The next press toggles from the reported state.
                key("btn_f3")->click();
                QCOMPARE(m_wire->nextCommand(), panelCommand(0xD6));
                checkFaces(which, lit ? QStringList{} : QStringList{"btn_f3"});
            }
        }
    }

    // Oriskan setters from a start state: F4, F5 and F6, F8 looks, the REC
    // blink, and whether F5 then sends (it does only while recording).
    void oriskanSetters_data()
    {
        QTest::addColumn<QString>("setter");
        QTest::addColumn<int>("before");
        QTest::addColumn<int>("value");
        QTest::addColumn<QStringList>("lit");
        QTest::addColumn<bool>("blinking");
        QTest::addColumn<bool>("recording");
        QTest::newRow("F4 state 0") << "F4" << 0x10 << 0x00 << QStringList{} << false << false;
        QTest::newRow("F4 state 0, other bits") << "F4" << 0x08 << 0xE7 << QStringList{} << false << false;
        QTest::newRow("F4 state 1") << "F4" << 0x00 << 0x08 << QStringList{"btn_f4"} << false << true;
        QTest::newRow("F4 state 2") << "F4" << 0x00 << 0x10 << QStringList{"btn_f4", "btn_f5"} << false << true;
        QTest::newRow("F4 state 2, other bits") << "F4" << 0x18 << 0xD7 << QStringList{"btn_f4", "btn_f5"} << false
                                                << true;
        // The blink drives F4: not restyled, unlit until its second tick.
        QTest::newRow("F4 state 3") << "F4" << 0x10 << 0x18 << QStringList{"btn_f4"} << true << true;
        QTest::newRow("F4 state 3 from 0") << "F4" << 0x00 << 0xFF << QStringList{} << true << true;
        QTest::newRow("F4 state 0 stops the blink") << "F4" << 0x18 << 0x00 << QStringList{} << false << false;
        QTest::newRow("F4 state 1 stops the blink") << "F4" << 0x18 << 0x08 << QStringList{"btn_f4"} << false << true;
        QTest::newRow("F6 0x04") << "F6" << 0x00 << 0x04 << QStringList{"btn_f6"} << false << false;
        QTest::newRow("F6 0xFB") << "F6" << 0x04 << 0xFB << QStringList{} << false << false;
        QTest::newRow("F6 0xFF") << "F6" << 0x00 << 0xFF << QStringList{"btn_f6"} << false << false;
        QTest::newRow("F8 0x40") << "F8" << 0x00 << 0x40 << QStringList{"btn_f8"} << false << false;
        QTest::newRow("F8 0x7F") << "F8" << 0x00 << 0x7F << QStringList{"btn_f8"} << false << false;
        QTest::newRow("F8 0x00") << "F8" << 0x40 << 0x00 << QStringList{} << false << false;
        QTest::newRow("F8 0x80") << "F8" << 0x40 << 0x80 << QStringList{} << false << false;
        QTest::newRow("F8 0xC0") << "F8" << 0x40 << 0xC0 << QStringList{} << false << false;
    }
    void oriskanSetters()
    {
        QFETCH(QString, setter);
        QFETCH(int, before);
        QFETCH(int, value);
        QFETCH(QStringList, lit);
        QFETCH(bool, blinking);
        QFETCH(bool, recording);
        Oriskan_Upper_Widget* s = oriskan();
        auto set = [&](int v) {
            if (setter == QLatin1String("F4"))
                s->set_Style_btnF4(uchar(v));
            else if (setter == QLatin1String("F6"))
                s->set_Style_btnF6(uchar(v));
            else
                s->set_Style_btnF8(uchar(v));
        };
        set(before);
        // A blink from `before` shows F4 lit at its second step.
        if (timer("timer_rec")->isActive()) {
            s->on_timerour_REC();
            s->on_timerour_REC();
            QCOMPARE(face("btn_f4"), keySheet("oriskan", "btn_f4", true));
        }
        set(value);
        checkFaces("oriskan", lit);
        QCOMPARE(timer("timer_rec")->isActive(), blinking);
        QVERIFY(!timer("timer_ftb")->isActive());
        QVERIFY(m_wire->nothingSent());
        // F6 and F8 toggle from the reported state.
        if (setter == QLatin1String("F6")) {
            key("btn_f6")->click();
            QCOMPARE(m_wire->nextCommand(), panelCommand(0x87, {lit.isEmpty() ? 1 : 0}));
        } else if (setter == QLatin1String("F8")) {
            key("btn_f8")->click();
            QCOMPARE(m_wire->nextCommand(), panelCommand(0xD7));
            QCOMPARE(face("btn_f8"), keySheet("oriskan", "btn_f8", lit.isEmpty()));
        } else {
            key("btn_f5")->click();
            if (recording)
                QCOMPARE(m_wire->nextCommand(), panelCommand(0xC7));
        }
        QVERIFY(m_wire->nothingSent());
    }

    // A state request 3000 ms after construction and every 3000 ms; none
    // after the first DS, which sends its own each time.
    void pollUntilTheFirstDs()
    {
        QElapsedTimer t;
        t.start();
        make("oriskan", true);
        QCOMPARE(m_wire->nextCommand(10000), panelCommand(0x0A));
        QVERIFY2(t.elapsed() >= 2850, qPrintable(QString::number(t.elapsed())));
        QCOMPARE(m_wire->nextCommand(10000), panelCommand(0x0A));
        QVERIFY2(t.elapsed() >= 5700, qPrintable(QString::number(t.elapsed())));
        key("btn_ds")->click();
        QCOMPARE(m_wire->nextCommand(), panelCommand(0x0A));
        QTest::qWait(3500);
        QVERIFY(m_wire->nothingSent());
        key("btn_ds")->click();
        QCOMPARE(m_wire->nextCommand(), panelCommand(0x0A));
        QVERIFY(m_wire->nothingSent());
        QVERIFY(!timer("timer_poll")->isActive());
    }

    // The strip deleted while the dialog runs: the loop ends, the dialog goes.
    void deletedWhileTheDialogIsOpen_data()
    {
        QTest::addColumn<QString>("which");
        QTest::newRow("Tesmond") << "tesmond";
        QTest::newRow("Oriskan") << "oriskan";
    }
    void deletedWhileTheDialogIsOpen()
    {
        QFETCH(QString, which);
        make(which)->set_F1_Style(7);
        bool closedByDeletion = false;
        DialogDriver driver([&](QDialog* d) {
            delete m_strip.data();
            closedByDeletion = !d->isVisible();
            // Left open: what remains is no longer connected to anything.
            combo(d)->setCurrentIndex(3);
        });
        QPushButton* f1 = key("btn_f1");
        f1->click();
        QVERIFY(m_strip.isNull());
        QVERIFY(closedByDeletion);
        QVERIFY(!driver.seen());
        QVERIFY(!openDialog());
        QVERIFY(m_wire->nothingSent());
    }

    void deletedDuringF2()
    {
        make("oriskan");
        QTimer::singleShot(80, this, [this] { delete m_strip.data(); });
        QPushButton* f2 = key("btn_f2");
        f2->click();
        QVERIFY(m_strip.isNull());
        QCOMPARE(m_wire->nextCommand(), panelCommand(0xD2));
        QVERIFY(m_wire->nothingSent());
    }

    // Every face of both strips, lit and unlit, and the dialog's pictures load;
    // both strips saved for a look.
    void everyPictureLoads()
    {
        QSet<QString> pictures;
        auto collect = [&](const QWidget* root) {
            for (const QWidget* w : root->findChildren<QWidget*>())
                for (const QString& p : picturesIn(w->styleSheet()))
                    pictures << p;
        };
        QWidget window;
        auto* column = new QVBoxLayout(&window);
        column->setContentsMargins(0, 0, 0, 0);
        auto* tesmond = new Upper_Widget(&window, m_rig.ws);
        auto* oriskanStrip = new Oriskan_Upper_Widget(&window, m_rig.ws);
        oriskanStrip->findChild<QTimer*>(QStringLiteral("timer_poll"))->stop();
        column->addWidget(tesmond);
        column->addWidget(oriskanStrip);
        collect(&window);
        for (FirstGenUpperStrip* s : {static_cast<FirstGenUpperStrip*>(tesmond), static_cast<FirstGenUpperStrip*>(oriskanStrip)}) {
            for (auto fn : {&FirstGenUpperStrip::on_Style_btnF1, &FirstGenUpperStrip::on_Style_btnF2,
                            &FirstGenUpperStrip::on_Style_btnF3, &FirstGenUpperStrip::on_Style_btnF4,
                            &FirstGenUpperStrip::on_Style_btnF5, &FirstGenUpperStrip::on_Style_btnF6,
                            &FirstGenUpperStrip::on_Style_btnF7, &FirstGenUpperStrip::on_Style_btnF8,
                            &FirstGenUpperStrip::on_Style_btnFTB})
                (s->*fn)(true);
            collect(s);
            for (auto fn : {&FirstGenUpperStrip::on_Style_btnF1, &FirstGenUpperStrip::on_Style_btnF4,
                            &FirstGenUpperStrip::on_Style_btnF6, &FirstGenUpperStrip::on_Style_btnFTB})
                (s->*fn)(false);
        }
        make("tesmond");
        DialogDriver driver([&](QDialog* d) { collect(d); });
        key("btn_f1")->click();
        // F1..F8 and FTB in white, F1..F8 in green, F4 and FTB in red, DS,
        // return; the dialog's logo, close key and separator.
        QCOMPARE(pictures.size(), 9 + 8 + 2 + 2 + 3);
        for (const QString& p : pictures)
            QVERIFY2(!QPixmap(p).isNull(), qPrintable(p));
        oriskanStrip->set_Style_btnF4(0x08);
        oriskanStrip->set_Style_btnF6(0x04);
        tesmond->set_F3_Style(255);
        window.resize(1400, 260);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QVERIFY(window.grab().toImage().save(QStringLiteral("/tmp/zv_firstgen_upper.png")));
        QVERIFY(m_wire->nothingSent());
    }
};

QTEST_MAIN(TestFirstGenUpper)
#include "tst_firstgen_upper.moc"
