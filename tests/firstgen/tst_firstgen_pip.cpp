// The PIP side panel against a loopback switcher at 127.0.0.2: what each
// operator change sends and in which order (clamped positions before the
// size), the "please choose Size" warning, typed positions, and the status
// setters, which show the switcher's values and send nothing.

#include "plane_right.h"
#include "strip_rig.h"
#include "widget_events.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>

namespace {

// What the panel shows: size index, H range top, V range top, H, V, border
// enable index, border width, colour index.
using Shown = QList<int>;

// A command with a 16-bit value, low byte first.
QByteArray position(int cmd, int value)
{
    return panelCommand(uchar(cmd), {value & 0xFF, value >> 8});
}

} // namespace

class TestFirstGenPip : public QObject
{
    Q_OBJECT

private:
    StripRig m_rig;
    QPointer<Plane_Right> m_panel;

    QSpinBox* spin(const char* name) const { return namedChild<QSpinBox>(m_panel.data(), QLatin1String(name)); }
    QComboBox* combo(const char* name) const { return namedChild<QComboBox>(m_panel.data(), QLatin1String(name)); }
    QSpinBox* h() const { return spin("spinBoxHPosition"); }
    QSpinBox* v() const { return spin("spinBoxVPosition"); }
    QComboBox* size() const { return combo("comboBox_size"); }

    Shown shown() const
    {
        return {size()->currentIndex(), h()->maximum(), v()->maximum(), h()->value(), v()->value(),
                combo("comboBox_borderEnable")->currentIndex(), spin("spinBoxBorderWidth")->value(),
                combo("comboBox_borderColor")->currentIndex()};
    }

    // One status report, "size 2", "h 5 220" (high, low), "width 7" and so on.
    void report(const QString& call)
    {
        const QStringList p = call.split(QLatin1Char(' '));
        const uchar a = uchar(p.value(1).toInt());
        const uchar b = uchar(p.value(2).toInt());
        const QString& what = p.at(0);
        if (what == QLatin1String("size"))
            m_panel->set_Size_Style(a);
        else if (what == QLatin1String("h"))
            m_panel->set_Hposition_Style(a, b);
        else if (what == QLatin1String("v"))
            m_panel->set_Vposition_Style(a, b);
        else if (what == QLatin1String("enable"))
            m_panel->set_BorderEnable_Style(a);
        else if (what == QLatin1String("width"))
            m_panel->set_BorderWidth_Style(a);
        else if (what == QLatin1String("colour"))
            m_panel->set_BorderColor_Style(a);
        else
            QFAIL(qPrintable(call));
    }
    // One operator change, "size=2", "h=500", "enable=1" and so on.
    void change(const QString& call)
    {
        const QString what = call.section(QLatin1Char('='), 0, 0);
        const int value = call.section(QLatin1Char('='), 1).toInt();
        if (what == QLatin1String("size"))
            size()->setCurrentIndex(value);
        else if (what == QLatin1String("h"))
            h()->setValue(value);
        else if (what == QLatin1String("v"))
            v()->setValue(value);
        else if (what == QLatin1String("enable"))
            combo("comboBox_borderEnable")->setCurrentIndex(value);
        else if (what == QLatin1String("width"))
            spin("spinBoxBorderWidth")->setValue(value);
        else if (what == QLatin1String("colour"))
            combo("comboBox_borderColor")->setCurrentIndex(value);
        else
            QFAIL(qPrintable(call));
    }

private slots:
    void initTestCase() { QVERIFY(m_rig.start()); }
    void init()
    {
        m_rig.newLink();
        m_panel = new Plane_Right(nullptr, m_rig.ws);
    }
    void cleanup()
    {
        delete m_panel.data();
        m_rig.dropLink();
    }

    void buildsQuietlyWithItsRows()
    {
        QVERIFY(m_rig.wire->nothingSent());
        QCOMPARE(shown(), (Shown{-1, 960, 960, 0, 0, -1, 2, -1}));
        QCOMPARE(h()->singleStep(), 10);
        QCOMPARE(v()->singleStep(), 10);
        QCOMPARE(spin("spinBoxBorderWidth")->minimum(), 2);
        QCOMPARE(spin("spinBoxBorderWidth")->maximum(), 7);
        QVERIFY(h()->keyboardTracking());
        QCOMPARE(size()->count(), 3);
        QCOMPARE(size()->itemText(2), QStringLiteral("Large"));
        QCOMPARE(combo("comboBox_borderEnable")->itemText(1), QStringLiteral("ON"));
        QCOMPARE(combo("comboBox_borderColor")->itemText(2), QStringLiteral("Blue"));
        auto* group = namedChild<QGroupBox>(m_panel.data(), QStringLiteral("groupBox_pip"));
        QCOMPARE(group->title(), QStringLiteral("PIP"));
        QStringList labels;
        for (const QLabel* l : group->findChildren<QLabel*>())
            labels << l->text();
        QCOMPARE(labels, (QStringList{"H_Position", "V_Position", "Size", "Border_Enable", "Border_Width",
                                      "Border_Color"}));
        // Labels left of their controls, one row each, top to bottom.
        m_panel->resize(400, 600);
        m_panel->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_panel));
        QWidget* controls[] = {h(), v(), size(), combo("comboBox_borderEnable"), spin("spinBoxBorderWidth"),
                               combo("comboBox_borderColor")};
        for (int i = 0; i < 6; ++i) {
            QVERIFY(controls[i]->width() >= 80 && controls[i]->height() >= 24);
            if (i > 0)
                QVERIFY(controls[i]->y() > controls[i - 1]->y());
        }
        // The group takes the middle three fifths.
        QVERIFY(qAbs(group->height() - (600 - 10) * 3 / 5) <= 10);
        m_panel->set_Size_Style(1);
        m_panel->set_BorderColor_Style(1);
        QVERIFY(m_panel->grab().toImage().save(QStringLiteral("/tmp/zv_firstgen_pip.png")));
        QVERIFY(m_rig.wire->nothingSent());
    }

    // Reports first (quiet), then operator changes: the frames in order and
    // what is shown afterwards. With no size shown, each position change
    // warns once and sends nothing.
    void operatorChanges_data()
    {
        QTest::addColumn<QStringList>("reports");
        QTest::addColumn<QStringList>("changes");
        QTest::addColumn<QList<QByteArray>>("frames");
        QTest::addColumn<Shown>("after");
        QTest::addColumn<int>("warnings");
        using F = QList<QByteArray>;
        const char* sizes[] = {"Small", "Medium", "Large"};
        const int hTop[] = {1440, 1280, 960};
        const int vTop[] = {810, 720, 540};
        // From each state, with the positions at the top of its range and
        // inside every range, to each other size.
        for (int from = -1; from < 3; ++from) {
            for (int to = 0; to < 3; ++to) {
                if (to == from)
                    continue;
                const int h = from < 0 ? 960 : hTop[from];
                const int v = from < 0 ? 960 : vTop[from];
                const QString fromName = from < 0 ? QStringLiteral("none") : QLatin1String(sizes[from]);
                QStringList reports;
                if (from >= 0)
                    reports << QStringLiteral("size %1").arg(from);
                const QStringList top = reports + QStringList{QStringLiteral("h %1 %2").arg(h >> 8).arg(h & 0xFF),
                                                             QStringLiteral("v %1 %2").arg(v >> 8).arg(v & 0xFF)};
                F frames;
                const int newH = qMin(h, hTop[to]);
                const int newV = qMin(v, vTop[to]);
                if (newH != h)
                    frames << position(0xA0, newH);
                if (newV != v)
                    frames << position(0xA1, newV);
                frames << panelCommand(0xA2, {to});
                const QString change = QStringLiteral("size=%1").arg(to);
                QTest::addRow("%s to %s, top", qPrintable(fromName), sizes[to])
                    << top << QStringList{change} << frames << Shown{to, hTop[to], vTop[to], newH, newV, -1, 2, -1} << 0;
                QTest::addRow("%s to %s, inside", qPrintable(fromName), sizes[to])
                    << reports + QStringList{"h 0 100", "v 0 50"} << QStringList{change} << F{panelCommand(0xA2, {to})}
                    << Shown{to, hTop[to], vTop[to], 100, 50, -1, 2, -1} << 0;
            }
        }
        QTest::newRow("Large with H 1200 and V 700")
            << QStringList{"size 0", "h 4 176", "v 2 188"} << QStringList{"size=2"}
            << F{position(0xA0, 960), position(0xA1, 540), panelCommand(0xA2, {2})} << Shown{2, 960, 540, 960, 540, -1, 2, -1}
            << 0;
        QTest::newRow("border on, off") << QStringList{} << QStringList{"enable=1", "enable=0"}
                                        << F{panelCommand(0x9D, {1}), panelCommand(0x9D, {0})}
                                        << Shown{-1, 960, 960, 0, 0, 0, 2, -1} << 0;
        QTest::newRow("width 7, 3") << QStringList{} << QStringList{"width=7", "width=3"}
                                    << F{panelCommand(0x9F, {7}), panelCommand(0x9F, {3})}
                                    << Shown{-1, 960, 960, 0, 0, -1, 3, -1} << 0;
        QTest::newRow("colour Green, White") << QStringList{} << QStringList{"colour=3", "colour=0"}
                                             << F{panelCommand(0x9E, {3}), panelCommand(0x9E, {0})}
                                             << Shown{-1, 960, 960, 0, 0, -1, 2, 0} << 0;
        QTest::newRow("positions with a size") << QStringList{"size 1"} << QStringList{"h=500", "v=300", "h=1280"}
                                               << F{position(0xA0, 500), position(0xA1, 300), position(0xA0, 1280)}
                                               << Shown{1, 1280, 720, 1280, 300, -1, 2, -1} << 0;
        QTest::newRow("positions chosen by the operator") << QStringList{} << QStringList{"size=1", "h=500"}
                                                          << F{panelCommand(0xA2, {1}), position(0xA0, 500)}
                                                          << Shown{1, 1280, 720, 500, 0, -1, 2, -1} << 0;
        QTest::newRow("H without a size") << QStringList{} << QStringList{"h=500"} << F{}
                                          << Shown{-1, 960, 960, 500, 0, -1, 2, -1} << 1;
        QTest::newRow("V without a size, clamped") << QStringList{} << QStringList{"v=2000"} << F{}
                                                   << Shown{-1, 960, 960, 0, 960, -1, 2, -1} << 1;
        QTest::newRow("both without a size, then a size")
            << QStringList{} << QStringList{"h=900", "v=700", "size=2"}
            << F{position(0xA1, 540), panelCommand(0xA2, {2})} << Shown{2, 960, 540, 900, 540, -1, 2, -1} << 2;
        QTest::newRow("same value sends nothing") << QStringList{"size 0", "h 0 100"} << QStringList{"h=100", "size=0"}
                                                  << F{} << Shown{0, 1440, 810, 100, 0, -1, 2, -1} << 0;
    }
    void operatorChanges()
    {
        QFETCH(QStringList, reports);
        QFETCH(QStringList, changes);
        QFETCH(QList<QByteArray>, frames);
        QFETCH(Shown, after);
        QFETCH(int, warnings);
        for (const QString& r : reports)
            report(r);
        QVERIFY(m_rig.wire->nothingSent());
        int boxes = 0;
        QStringList wrong;
        QTimer watch;
        watchBoxes(watch, [&](QMessageBox* box) {
            ++boxes;
            if (box->windowTitle() != QLatin1String("Warning") || box->text() != QLatin1String("please choose Size") ||
                box->standardButtons() != QMessageBox::Ok || box->parentWidget() != m_panel.data())
                wrong << box->windowTitle() + QLatin1Char('/') + box->text();
            box->button(QMessageBox::Ok)->click();
        });
        for (const QString& c : changes)
            change(c);
        QCOMPARE(boxes, warnings);
        QCOMPARE(wrong, QStringList());
        for (const QByteArray& f : frames)
            QCOMPARE(m_rig.wire->nextCommand(), f);
        QVERIFY(m_rig.wire->nothingSent());
        QCOMPARE(shown(), after);
    }

    // Typing into a position box: one frame (or warning) per keystroke that
    // changes the value.
    void typedPositionSendsEachValue_data()
    {
        QTest::addColumn<bool>("sized");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QList<int>>("values");
        QTest::newRow("120 with a size") << true << "120" << QList<int>{1, 12, 120};
        QTest::newRow("0 over 0 with a size") << true << "0" << QList<int>{};
        QTest::newRow("1500 stops at 150 in Medium") << true << "1500" << QList<int>{1, 15, 150};
        QTest::newRow("120 without a size") << false << "120" << QList<int>{1, 12, 120};
    }
    void typedPositionSendsEachValue()
    {
        QFETCH(bool, sized);
        QFETCH(QString, typed);
        QFETCH(QList<int>, values);
        if (sized)
            m_panel->set_Size_Style(1);
        int boxes = 0;
        QTimer watch;
        watchBoxes(watch, [&](QMessageBox* box) {
            ++boxes;
            box->button(QMessageBox::Ok)->click();
        });
        QLineEdit* edit = h()->findChild<QLineEdit*>();
        QVERIFY(edit);
        h()->setFocus();
        edit->selectAll();
        QTest::keyClicks(edit, typed);
        if (sized) {
            QCOMPARE(boxes, 0);
            for (int x : values)
                QCOMPARE(m_rig.wire->nextCommand(), position(0xA0, x));
        } else {
            QCOMPARE(boxes, values.size());
        }
        QVERIFY(m_rig.wire->nothingSent());
        QCOMPARE(h()->value(), values.isEmpty() ? 0 : values.last());
    }

    // Status reports after earlier ones: the controls, no warning (the rig
    // fails an unexpected box) and nothing sent.
    void settersShowWithoutSending_data()
    {
        QTest::addColumn<QStringList>("reports");
        QTest::addColumn<Shown>("after");
        QTest::newRow("Small") << QStringList{"size 0"} << Shown{0, 1440, 810, 0, 0, -1, 2, -1};
        QTest::newRow("Medium") << QStringList{"size 1"} << Shown{1, 1280, 720, 0, 0, -1, 2, -1};
        QTest::newRow("Large") << QStringList{"size 2"} << Shown{2, 960, 540, 0, 0, -1, 2, -1};
        QTest::newRow("size 3 ignored") << QStringList{"size 3"} << Shown{-1, 960, 960, 0, 0, -1, 2, -1};
        QTest::newRow("size 255 ignored") << QStringList{"size 1", "size 255"} << Shown{1, 1280, 720, 0, 0, -1, 2, -1};
        QTest::newRow("Large clamps the positions")
            << QStringList{"size 0", "h 4 176", "v 2 188", "size 2"} << Shown{2, 960, 540, 960, 540, -1, 2, -1};
        QTest::newRow("Small widens after Large")
            << QStringList{"size 2", "h 3 192", "size 0", "h 5 160"} << Shown{0, 1440, 810, 1440, 0, -1, 2, -1};
        QTest::newRow("H 1500 while Small") << QStringList{"size 0", "h 5 220"} << Shown{0, 1440, 810, 1440, 0, -1, 2, -1};
        QTest::newRow("V 65535 while Medium") << QStringList{"size 1", "v 255 255"} << Shown{1, 1280, 720, 0, 720, -1, 2, -1};
        QTest::newRow("positions without a size") << QStringList{"size 3", "h 1 44", "v 3 232"}
                                                  << Shown{-1, 960, 960, 300, 960, -1, 2, -1};
        QTest::newRow("same values") << QStringList{"size 2", "h 0 0", "v 0 0", "width 2"}
                                     << Shown{2, 960, 540, 0, 0, -1, 2, -1};
        QTest::newRow("border on, off") << QStringList{"enable 1", "enable 0"} << Shown{-1, 960, 960, 0, 0, 0, 2, -1};
        QTest::newRow("border 2 ignored") << QStringList{"enable 1", "enable 2"} << Shown{-1, 960, 960, 0, 0, 1, 2, -1};
        QTest::newRow("width 7") << QStringList{"width 7"} << Shown{-1, 960, 960, 0, 0, -1, 7, -1};
        QTest::newRow("width 1 ignored") << QStringList{"width 5", "width 1"} << Shown{-1, 960, 960, 0, 0, -1, 5, -1};
        QTest::newRow("width 8 ignored") << QStringList{"width 5", "width 8"} << Shown{-1, 960, 960, 0, 0, -1, 5, -1};
        QTest::newRow("colour Blue") << QStringList{"colour 2"} << Shown{-1, 960, 960, 0, 0, -1, 2, 2};
        QTest::newRow("colour 4 ignored") << QStringList{"colour 3", "colour 4"} << Shown{-1, 960, 960, 0, 0, -1, 2, 3};
    }
    void settersShowWithoutSending()
    {
        QFETCH(QStringList, reports);
        QFETCH(Shown, after);
        for (const QString& r : reports)
            report(r);
        QCOMPARE(shown(), after);
        QVERIFY(m_rig.wire->nothingSent());
    }

    // Record bytes 25..32 of a reply as the decoder applies them: border
    // enable, colour, width, size, then the positions high byte first.
    void replyBytesInTheDecodersOrder_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<Shown>("after");
        QTest::newRow("Small at 1280, 720") << QByteArray::fromHex("01020500050002d0")
                                            << Shown{0, 1440, 810, 1280, 720, 1, 5, 2};
        QTest::newRow("Medium, H 1440 held at 1280") << QByteArray::fromHex("0003070105a00064")
                                                     << Shown{1, 1280, 720, 1280, 100, 0, 7, 3};
        QTest::newRow("Large, V 700 held at 540") << QByteArray::fromHex("0100020200c802bc")
                                                  << Shown{2, 960, 540, 200, 540, 1, 2, 0};
        QTest::newRow("out-of-range bytes ignored, positions in 0..960") << QByteArray::fromHex("0203010303e803e8")
                                                                        << Shown{-1, 960, 960, 960, 960, -1, 2, 3};
    }
    void replyBytesInTheDecodersOrder()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(Shown, after);
        auto b = [&](int i) { return uchar(bytes.at(i)); };
        m_panel->set_BorderEnable_Style(b(0));
        m_panel->set_BorderColor_Style(b(1));
        m_panel->set_BorderWidth_Style(b(2));
        m_panel->set_Size_Style(b(3));
        m_panel->set_Hposition_Style(b(4), b(5));
        m_panel->set_Vposition_Style(b(6), b(7));
        QCOMPARE(shown(), after);
        QVERIFY(m_rig.wire->nothingSent());
    }
};

QTEST_MAIN(TestFirstGenPip)
#include "tst_firstgen_pip.moc"
