// The Venadro panel as built: its form and looks, the SET window with its
// keys and clock, the device it is given, the replies its own layer receives
// and the PIP preview the switcher's position places.

#include "edition_frames.h"
#include "panel_rig.h"
#include "series8_rig.h"
#include "series8_style.h"
#include "widget_events.h"
#include "zv_resources.h"

#include "ambrelo_top.h"
#include "pipgro_venadro.h"
#include "venadro.h"
#include "venadro_set.h"

#include <QGroupBox>
#include <QLabel>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QToolButton>

namespace {

const QString kRowWhite = QLatin1String(Series8Style::kRowWhite);
const QString kRowRed = QLatin1String(Series8Style::kRowRed);

// The sheets as the switcher's panel has them, misspellings included.
const QString kSheetAuto = QStringLiteral(
    "QSlider::vertical{background:transparent;padding-top:12px;padding-bottom:3px;min-width:25px;}QSlider::groove:"
    "vertical {background:rgb(45,152,255);width:4px;}QSlider::handle:hertical {background:rgb(25,232,0);height: "
    "10px;border-radius:5px;margin:0px -8px;}QSlider::handle:pressed:vertical {background-color:white;}QSlider::add-"
    "page:Vertial{background-color: rgb(45,152,255);}QSlider::sub-page:Vertial {background-color:gray;}QSlider::"
    "horizontal{background:transparent;min-height:25px;}QSlider::groove:horizontal {background:rgb(45,152,255);"
    "height:4px;}QSlider::handle:horizontal {background:white;width: 10px;border-radius:5px;margin:-8px 0px;}QSlider"
    "::handle:pressed:horizontal {background-color:white;}QSlider::add-page:horizontal{background-color: rgb(240,46,"
    "0);}QSlider::sub-page:horizontal {background-color:rgb(25,232,0);}QLabel{color:rgb(45,152,255);}");
const QString kSheetCh2 = kSheetAuto.left(kSheetAuto.indexOf(QLatin1String("QSlider::handle:horizontal {")) + 28) +
                          QStringLiteral(
                              "background:rgb(25,250,0);width: 10px;border-radius:5px;margin:-8px 0px;}QSlider::handle"
                              ":pressed:horizontal {background-color:white;}QSlider::add-page:vorizontal{background-"
                              "color: rgb(25,232,0);}QSlider::sub-page:vorizontal {background-color:gray;}QLabel{color"
                              ":rgb(45,152,255);}");
const QString kSheetCh1 =
    QString(kSheetCh2)
        .replace(QLatin1String("handle:hertical {background:rgb(25,232,0)"),
                 QLatin1String("handle:hertical {background:rgb(240,46,0)"))
        .replace(QLatin1String("handle:horizontal {background:rgb(25,250,0)"),
                 QLatin1String("handle:horizontal {background:rgb(45,152,255)"));

QByteArray positionBytes(int h, int v)
{
    return QByteArray() + char(h >> 8) + char(h & 0xFF) + char(v >> 8) + char(v & 0xFF);
}

} // namespace

class tst_venadro_window : public QObject
{
    Q_OBJECT
private:
    PanelFixture<Venadro> m_rig{{"newPanel", "buildAndDestroyTwice", "pipSizeKey", "panelDeletedDuringAFlash"}};
    SwitcherWire* m_wire = nullptr;

    template <class T = QPushButton>
    T* w(const char* name) const { return m_rig.w<T>(name); }
    Set* set() const { return toolContent<Set>("setWidget"); }
    template <class T = QPushButton>
    T* setChild(const char* name) const { return namedChild<T>(set(), name); }
    PIPGroVenadro* pip() const { return w<PIPGroVenadro>("tbtn_pip"); }

private slots:
    void initTestCase()
    {
        zvInitResources();
        qRegisterMetaType<uint16_t>("uint16_t");
        m_rig.wire = m_wire = new SwitcherWire;
        QVERIFY(m_wire->isBound());
    }
    void init() { QVERIFY(m_rig.init(0)); }
    void cleanup() { m_rig.cleanup(); }
    void cleanupTestCase()
    {
        delete m_rig.panel.data();
        delete m_wire;
    }

    void newPanel();
    void form_data();
    void form();
    void setWindow();
    void devTypeIdAimsEveryLayer();
    void repliesReachThePanelsOwnLayer();
    void serialLabelFromTheReply_data();
    void serialLabelFromTheReply();
    void reportedPipPosition_data();
    void reportedPipPosition();
    void pipSizeState_data();
    void pipSizeState();
    void programInput_data();
    void programInput();
    void channelSources_data();
    void channelSources();
    void rateState_data();
    void rateState();
    void pipSizeKey();
    void resetSendsAfterItsFlash();
    void disabledKeysCannotBePressed();
    void clock();
    void setDeletedDuringAFlashOrWithItsClock();
    void panelDeletedDuringAFlash();
    void buildAndDestroyTwice();
    void looks();
};

void tst_venadro_window::newPanel()
{
    // A panel not yet given its device sends nothing and shows no state.
    delete m_rig.panel.data();
    m_wire->commands();
    QScopedPointer<Venadro> panel(new Venadro);
    QVERIFY(m_wire->nothingSent());

    QCOMPARE(panel->objectName(), QStringLiteral("Venadro"));
    QCOMPARE(panel->windowTitle(), QStringLiteral("Qavo"));
    QCOMPARE(panel->size(), QSize(845, 623));
    QCOMPARE(panel->minimumSize(), QSize(840, 600));
    QCOMPARE(panel->maximumSize(), QSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX));
    QCOMPARE(panel->windowFlags() & (Qt::Dialog | Qt::FramelessWindowHint), Qt::Dialog | Qt::FramelessWindowHint);
    QCOMPARE(panel->styleSheet(), QStringLiteral("QWidget{background-color:rgb(32,32,32);border:0px solid white;}"));

    const QString off = Series8Style::key(false);
    const QStringList keys = {"btn_ch1", "btn_afv", "btn_mute", "btn_set", "btn_ch2", "btn_reso", "btn_rate",
                              "btn_micvol", "btn_rec", "btn_rtmp", "btn_mix", "btn_fade", "btn_wipe", "btn_pip",
                              "btn_pop", "btn_still", "btn_auto"};
    for (const QString& key : keys)
        QVERIFY2(panel->findChild<QPushButton*>(key)->styleSheet() == off, qPrintable(key));
    QCOMPARE(panel->findChildren<QPushButton*>(QString(), Qt::FindChildrenRecursively).size() -
                 panel->findChild<Ambrelo_TOP*>()->findChildren<QPushButton*>().size(),
             keys.size());
    QVERIFY(!panel->findChild<QPushButton*>("btn_micvol")->isEnabled());

    // IN2 is marked as on program before anything is reported.
    QCOMPARE(panel->findChild<QGroupBox*>("g_left1")->styleSheet(), QStringLiteral("QGroupBox{border:1px solid white;}"));
    QCOMPARE(panel->findChild<QGroupBox*>("g_left2")->styleSheet(), QStringLiteral("QGroupBox{border:1px solid red;}"));
    QCOMPARE(panel->findChild<QGroupBox*>("g_upper")->styleSheet(), QStringLiteral("QGroupBox{border:2px solid red;}"));
    QCOMPARE(panel->findChild<QGroupBox*>("g_right")->styleSheet(), QStringLiteral("QGroupBox{border:0px solid green;}"));

    const QString preview = QStringLiteral("QToolButton{background-color:rgb(32,30,32);border:1px solid white;}");
    for (const char* name : {"tbtn_pip", "tbtn_pop", "tbtn_pop_2"}) {
        QVERIFY2(panel->findChild<QToolButton*>(name)->isHidden(), name);
        QCOMPARE(panel->findChild<QToolButton*>(name)->styleSheet(), preview);
    }
    for (const char* name : {"tbtn_in1", "tbtn_in2"})
        QCOMPARE(panel->findChild<QToolButton*>(name)->styleSheet(),
                 QStringLiteral("QToolButton{background-color:rgba(32,30,32,0);}"));
    QCOMPARE(panel->findChild<PIPGroVenadro*>("tbtn_pip")->pipSize(), 2);

    // White text on the form's labels; the title strip's logo keeps its picture.
    const QList<QLabel*> labels = panel->findChildren<QLabel*>(QRegularExpression(QStringLiteral("^label_")));
    QCOMPARE(labels.size(), 16);
    for (const QLabel* label : labels)
        QVERIFY2(label->styleSheet() == QStringLiteral("color:white"), qPrintable(label->objectName()));
    for (const QLabel* label : panel->findChild<Ambrelo_TOP*>()->findChildren<QLabel*>())
        QVERIFY(label->styleSheet() != QStringLiteral("color:white"));

    // Faders 0..100 and the T-bar 0..127, all at 0, with their sheets as the switcher's panel has them.
    const struct { const char* name; int max; const QString& sheet; } sliders[] = {
        {"slider_ch1", 100, kSheetCh1}, {"slider_ch2", 100, kSheetCh2}, {"slider_auto", 127, kSheetAuto}};
    for (const auto& s : sliders) {
        auto* slider = panel->findChild<QSlider*>(s.name);
        QCOMPARE(slider->minimum(), 0);
        QCOMPARE(slider->maximum(), s.max);
        QCOMPARE(slider->value(), 0);
        QCOMPARE(slider->styleSheet(), s.sheet);
    }
    QVERIFY(panel->findChild<QSlider*>("slider_ch2")->hasMouseTracking());
    QVERIFY(!panel->findChild<QSlider*>("slider_ch1")->hasMouseTracking());

    // Moving the faders or the T-bar sends nothing yet.
    for (const char* name : {"slider_ch1", "slider_ch2", "slider_auto"})
        panel->findChild<QSlider*>(name)->setValue(50);
    QVERIFY(m_wire->nothingSent());
}

void tst_venadro_window::form_data()
{
    QTest::addColumn<QByteArray>("name");
    QTest::addColumn<QByteArray>("parent");
    QTest::addColumn<QRect>("place");
    QTest::addColumn<QString>("text");

    auto row = [](const char* name, const char* parent, QRect place, const char* text = "") {
        QTest::newRow(name) << QByteArray(name) << QByteArray(parent) << place << QString::fromUtf8(text);
    };
    row("widget", "Venadro", {0, 0, 845, 22});
    row("label_title", "Venadro", {240, 30, 361, 31}, "MICRO HD VIDEO SWITCHER");
    row("g_upper", "Venadro", {9, 76, 617, 347});
    row("g_left1", "Venadro", {9, 436, 300, 169});
    row("g_left2", "Venadro", {326, 436, 300, 169});
    row("g_right", "Venadro", {628, 86, 214, 524});
    row("tbtn_in1", "g_left1", {0, 0, 291, 161});
    row("tbtn_in2", "g_left2", {0, 0, 291, 161});
    row("btn_ch1", "g_upper", {11, 11, 60, 34}, "CH1");
    row("btn_afv", "g_upper", {143, 11, 60, 34}, "AFV");
    row("btn_mute", "g_upper", {279, 11, 60, 34}, "MUTE");
    row("btn_set", "g_upper", {415, 11, 60, 34}, "SET");
    row("btn_ch2", "g_upper", {546, 11, 60, 34}, "CH2");
    row("label_ch1", "g_upper", {20, 51, 41, 16}, "IN1");
    row("label_ch2", "g_upper", {560, 51, 41, 16}, "IN1");
    row("slider_ch1", "g_upper", {20, 89, 16, 200});
    row("slider_ch2", "g_upper", {570, 89, 16, 200});
    row("label_sliderValue1", "g_upper", {20, 300, 31, 16}, "0");
    row("label_sliderValue2", "g_upper", {570, 300, 31, 16}, " 0");
    row("slider_auto", "g_upper", {209, 319, 200, 16});
    row("tbtn_pip", "g_upper", {200, 100, 221, 111});
    row("tbtn_pop", "g_upper", {360, 100, 200, 112});
    row("tbtn_pop_2", "g_upper", {159, 100, 200, 112});
    row("btn_reso", "g_right", {11, 11, 60, 34}, "Reso");
    row("btn_rate", "g_right", {77, 11, 60, 34}, "Rate");
    row("btn_micvol", "g_right", {143, 11, 60, 34}, "MICVOL");
    row("label_reso", "g_right", {11, 51, 42, 16}, "1080P60");
    row("label_micvol", "g_right", {160, 51, 18, 16}, "7dB");
    row("label_fan", "g_right", {11, 79, 60, 16}, "FAN-M4:415");
    row("label_t", "g_right", {90, 79, 30, 16}, "T:62C");
    row("label_pip_size", "g_right", {140, 79, 60, 16}, "PIP_SIZE:L");
    row("btn_rec", "g_right", {11, 107, 60, 34}, "REC.");
    row("btn_rtmp", "g_right", {143, 107, 60, 34}, "RTMP");
    row("label_rtmp", "g_right", {158, 152, 54, 20}, "rtmp◆");
    row("label_rec", "g_right", {11, 157, 48, 16}, "00:00:00");
    row("label_disk", "g_right", {11, 190, 48, 16}, "TF:0.0 G");
    row("label_level", "g_right", {11, 220, 42, 16}, "Level:H");
    row("label_setRate", "g_right", {77, 220, 60, 16}, "Rate:7Mbps");
    row("label_setaddr", "g_right", {11, 250, 36, 16}, "1-NONE");
    row("btn_mix", "g_right", {11, 359, 60, 34}, "MIX");
    row("btn_fade", "g_right", {143, 359, 60, 34}, "FADE");
    row("btn_wipe", "g_right", {11, 399, 60, 34}, "WIPE");
    row("btn_pip", "g_right", {143, 399, 60, 34}, "PIP");
    row("btn_pop", "g_right", {11, 439, 60, 34}, "POP");
    row("btn_still", "g_right", {143, 439, 60, 34}, "STILL");
    row("btn_auto", "g_right", {77, 479, 60, 34}, "AUTO");
}

void tst_venadro_window::form()
{
    QFETCH(QByteArray, name);
    QFETCH(QByteArray, parent);
    QFETCH(QRect, place);
    QFETCH(QString, text);

    // Laid out as shown.
    m_rig.panel->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_rig.panel));
    QWidget* widget = w<QWidget>(name.constData());
    m_rig.panel->hide();
    QCOMPARE(widget->parentWidget()->objectName().toLatin1(), parent);
    // The inputs sit in their boxes' grid layouts, which place them.
    if (name.startsWith("tbtn_in"))
        QCOMPARE(widget->size(), place.size());
    // The sliders' sheets ask 25 px across ("min-width", "min-height"), more than the form gives.
    else if (auto* slider = qobject_cast<QSlider*>(widget))
        QCOMPARE(slider->orientation() == Qt::Vertical ? QRect(widget->pos(), QSize(16, widget->height()))
                                                       : QRect(widget->pos(), QSize(widget->width(), 16)),
                 place);
    else
        QCOMPARE(widget->geometry(), place);
    if (auto* key = qobject_cast<QPushButton*>(widget)) {
        QCOMPARE(key->minimumSize(), QSize(60, 34));
        QCOMPARE(key->maximumSize(), QSize(60, 34));
        QCOMPARE(key->text(), text);
    } else if (auto* label = qobject_cast<QLabel*>(widget)) {
        QCOMPARE(label->text(), text);
    }
    if (name.startsWith("g_") && name != "g_right")
        QCOMPARE(widget->minimumSize(), widget->maximumSize());
    if (name == "label_title")
        QCOMPARE(widget->font().pointSize(), 20);
}

void tst_venadro_window::setWindow()
{
    // A frameless window of its own, hidden until SET opens it, with the logo
    // strip over the content.
    QWidget* window = toolWindow("setWidget");
    QVERIFY(window && window->isHidden());
    QVERIFY(!window->parent());
    QCOMPARE(window->windowTitle(), QStringLiteral("SET"));
    QCOMPARE(window->windowFlags() & (Qt::Dialog | Qt::FramelessWindowHint), Qt::Dialog | Qt::FramelessWindowHint);
    QCOMPARE(window->styleSheet(), QStringLiteral("QWidget#setWidget{background-color:rgb(32,30,32);}"));
    QCOMPARE(window->minimumSize(), QSize(300, 268));
    QCOMPARE(window->maximumSize(), QSize(300, 268));
    QCOMPARE(set()->parentWidget(), window);
    QCOMPARE(set()->objectName(), QStringLiteral("Set"));

    window->move(200, 150);
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window));
    auto* strip = window->findChild<Ambrelo_subWinTOP*>();
    QCOMPARE(strip->geometry(), QRect(0, 0, 300, 22));
    QVERIFY(set()->y() >= 22);
    QCOMPARE(set()->geometry().bottomRight(), QPoint(299, 267));

    // The strip's 22 px drag the window; the content below does not.
    const QPoint from = window->pos();
    sendMouse(strip, QEvent::MouseButtonPress, QPoint(150, 11));
    sendMouse(strip, QEvent::MouseMove, QPoint(190, 1));
    sendMouse(strip, QEvent::MouseButtonRelease, QPoint(190, 1));
    QCOMPARE(window->pos(), from + QPoint(40, -10));
    sendMouse(set(), QEvent::MouseButtonPress, QPoint(150, 120));
    sendMouse(set(), QEvent::MouseMove, QPoint(190, 140));
    sendMouse(set(), QEvent::MouseButtonRelease, QPoint(190, 140));
    QCOMPARE(window->pos(), from + QPoint(40, -10));
    window->hide();
    QVERIFY(m_wire->nothingSent());
}

void tst_venadro_window::devTypeIdAimsEveryLayer()
{
    // The fixture's DevTypeID sent exactly the state request (checked by init),
    // so the panel's layer was aimed before it: nothing more came.
    QVERIFY(m_wire->nothingSent());
    QCOMPARE(setChild<QLabel>("label_IP")->text(), QStringLiteral("IP:127.0.0.2"));
    set()->getDevIP(QStringLiteral("10.1.2.3"));
    QCOMPARE(setChild<QLabel>("label_IP")->text(), QStringLiteral("IP:10.1.2.3"));
    set()->getDevIP(QStringLiteral("127.0.0.2"));

    // The preview's own layer is aimed too: a drag step reaches the switcher.
    m_rig.panel->setPIP_SZ_State(2);
    pip()->move(200, 100);
    pip()->show();
    sendMouse(pip(), QEvent::MouseButtonPress, QPoint(5, 5));
    sendMouse(pip(), QEvent::MouseMove, QPoint(5, 5));
    sendMouse(pip(), QEvent::MouseButtonRelease, QPoint(5, 5));
    pip()->hide();
    QCOMPARE(m_wire->nextCommand(), panelCommand(0xA0, {625 & 0xFF, 625 >> 8}));
    QCOMPARE(m_wire->nextCommand(), panelCommand(0xA1, {313 & 0xFF, 313 >> 8}));
    QVERIFY(m_wire->nothingSent());
}

void tst_venadro_window::repliesReachThePanelsOwnLayer()
{
    // The preview bound port 7000 first; the panel's layer, bound later, gets the datagram.
    QSignalSpy own(panelLink(m_rig.panel), &Druvela_workdata::on_signals_allData);
    QSignalSpy previews(pip()->link(), &Druvela_workdata::on_signals_allData);
    const QByteArray dump = EditionFrames::stateDump({{0, 2}});
    m_wire->reply(dump);
    QVERIFY(own.wait(5000));
    QCOMPARE(own.count(), 1);
    QCOMPARE(own.first().first().toByteArray(), dump);
    QCOMPARE(previews.count(), 0);
    // The serial bytes are zero: the line shows no serial.
    QCOMPARE(setChild<QLabel>("label_SM")->text(), QStringLiteral("SN:"));
    QVERIFY(m_wire->nothingSent());
}

void tst_venadro_window::serialLabelFromTheReply_data() { addSerialLabelRows(); }

void tst_venadro_window::serialLabelFromTheReply()
{
    QFETCH(QByteArray, reply);
    QFETCH(QString, label);
    const QLabel* serial = setChild<QLabel>("label_SM");
    m_wire->reply(serialPrimer());
    QTRY_COMPARE_WITH_TIMEOUT(serial->text(), serialPrimerLabel(), 10000);
    m_wire->reply(reply);
    QTRY_COMPARE_WITH_TIMEOUT(serial->text(), label, 10000);
    QVERIFY(m_wire->nothingSent());
}

void tst_venadro_window::reportedPipPosition_data()
{
    QTest::addColumn<int>("size");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QPoint>("place");
    QTest::newRow("large corner") << 2 << positionBytes(960, 540) << QPoint(307, 172);
    QTest::newRow("medium corner: 720 truncates to 229") << 1 << positionBytes(1280, 720) << QPoint(410, 229);
    QTest::newRow("small corner") << 0 << positionBytes(1440, 810) << QPoint(462, 260);
    QTest::newRow("high bytes only") << 2 << positionBytes(0x0300, 0x0100) << QPoint(245, 81);
    QTest::newRow("origin") << 1 << positionBytes(0, 0) << QPoint(0, 0);
}

void tst_venadro_window::reportedPipPosition()
{
    QFETCH(int, size);
    QFETCH(QByteArray, bytes);
    QFETCH(QPoint, place);

    m_rig.panel->setPIP_SZ_State(size);
    QSignalSpy post(m_rig.panel, &Venadro::setPIP_POST);
    m_rig.panel->set_X_Yposition_Style(quint8(bytes[0]), quint8(bytes[1]), quint8(bytes[2]), quint8(bytes[3]));
    QCOMPARE(post.count(), 1);
    QCOMPARE(pip()->pos(), place);
    QVERIFY(m_wire->nothingSent());
}

void tst_venadro_window::pipSizeState_data()
{
    QTest::addColumn<QList<int>>("sizes");
    QTest::addColumn<QString>("label");
    QTest::addColumn<QSize>("preview");
    QTest::addColumn<int>("index");
    QTest::newRow("small") << QList<int>{0} << "PIP_SZ:S" << QSize(154, 86) << 0;
    QTest::newRow("medium") << QList<int>{1} << "PIP_SZ:M" << QSize(205, 115) << 1;
    QTest::newRow("large") << QList<int>{2} << "PIP_SZ:L" << QSize(308, 173) << 2;
    QTest::newRow("medium, then 3 and -1 change nothing")
        << QList<int>{1, 3, -1} << "PIP_SZ:M" << QSize(205, 115) << 1;
}

void tst_venadro_window::pipSizeState()
{
    QFETCH(QList<int>, sizes);
    QFETCH(QSize, preview);
    QFETCH(int, index);

    for (int size : sizes)
        m_rig.panel->setPIP_SZ_State(size);
    QTEST(w<QLabel>("label_pip_size")->text(), "label");
    QCOMPARE(pip()->size(), preview);
    QCOMPARE(pip()->minimumSize(), preview);
    QCOMPARE(pip()->maximumSize(), preview);
    QCOMPARE(pip()->pipSize(), index);
    QCOMPARE(set()->pipSize(), index);
    QVERIFY(m_wire->nothingSent());
}

void tst_venadro_window::programInput_data()
{
    QTest::addColumn<QList<int>>("inputs");  // -1: setPGM_PVWCH
    QTest::addColumn<bool>("in1Red");
    QTest::addColumn<bool>("in2Red");
    QTest::newRow("IN1") << QList<int>{1} << true << false;
    QTest::newRow("IN2") << QList<int>{1, 2} << false << true;
    QTest::newRow("IN1 swapped") << QList<int>{1, -1} << false << true;
    QTest::newRow("IN2 swapped twice") << QList<int>{2, -1, -1} << false << true;
    QTest::newRow("3 keeps the marks, and a swap of 3 too") << QList<int>{1, 3, -1} << true << false;
    QTest::newRow("0 then 2") << QList<int>{1, 0, -1, 2} << false << true;
}

void tst_venadro_window::programInput()
{
    QFETCH(QList<int>, inputs);
    QFETCH(bool, in1Red);
    QFETCH(bool, in2Red);

    for (int input : inputs) {
        if (input < 0)
            m_rig.panel->setPGM_PVWCH();
        else
            m_rig.panel->in1_in2_style(input);
    }
    auto look = [](bool red) {
        return red ? QStringLiteral("QGroupBox{border:1px solid red;}") : QStringLiteral("QGroupBox{border:1px solid white;}");
    };
    QCOMPARE(m_rig.face("g_left1"), look(in1Red));
    QCOMPARE(m_rig.face("g_left2"), look(in2Red));
    QVERIFY(m_wire->nothingSent());
}

void tst_venadro_window::channelSources_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("name");
    QTest::newRow("3: IN1") << 3 << "IN1";
    QTest::newRow("4: IN2") << 4 << "IN2";
    QTest::newRow("8: MIC_IN1") << 8 << "MIC_IN1";
    QTest::newRow("0: MIC_IN2") << 0 << "MIC_IN2";
    QTest::newRow("5 is ignored") << 5 << "IN2";
    QTest::newRow("-1 is ignored") << -1 << "IN2";
}

void tst_venadro_window::channelSources()
{
    QFETCH(int, code);
    // From IN2 on both channels, so that an ignored code shows.
    m_rig.panel->setCH1State(4);
    m_rig.panel->setCH2State(4);
    m_rig.panel->setCH1State(code);
    QTEST(w<QLabel>("label_ch1")->text(), "name");
    QCOMPARE(w<QLabel>("label_ch2")->text(), QStringLiteral("IN2"));
    m_rig.panel->setCH2State(code);
    QTEST(w<QLabel>("label_ch2")->text(), "name");
    QVERIFY(m_wire->nothingSent());
}

void tst_venadro_window::rateState_data()
{
    QTest::addColumn<int>("rate");
    QTest::addColumn<QString>("text");
    QTest::newRow("0") << 0 << "RARE1";
    QTest::newRow("1") << 1 << "RARE2";
    QTest::newRow("2") << 2 << "RARE3";
    QTest::newRow("3 is ignored") << 3 << "RARE2";
    QTest::newRow("-1 is ignored") << -1 << "RARE2";
}

void tst_venadro_window::rateState()
{
    QFETCH(int, rate);
    m_rig.panel->setRATE_State(1);
    m_rig.panel->setRATE_State(rate);
    QTEST(w("btn_rate")->text(), "text");
    QVERIFY(m_wire->nothingSent());
}

void tst_venadro_window::pipSizeKey()
{
    QSignalSpy sizes(set(), &Set::setPIPSZ_Style);
    QPushButton* key = setChild("btn_pip_sz");
    toolWindow("setWidget")->show();

    // Locked while PIP is off: no flash, no signal, no frame.
    const ClickSeen locked = clickWatching(key);
    QCOMPARE(locked.lookChanges, 0);
    QVERIFY(!locked.sent);
    QCOMPARE(sizes.count(), 0);
    QVERIFY(m_wire->nothingSent());

    // Unlocked: from Small, three presses send Medium, Large, Small, each after
    // its flash, and the panel's label, preview and area follow.
    m_rig.panel->on_Style_btnPip(true);
    pip()->move(400, 200);
    const struct { int size; const char* label; QSize preview; QPoint place; } steps[] = {
        {1, "PIP_SZ:M", {205, 115}, {400, 200}}, {2, "PIP_SZ:L", {308, 173}, {307, 172}},
        {0, "PIP_SZ:S", {154, 86}, {307, 172}}};
    for (const auto& step : steps) {
        const ClickSeen seen = clickWatching(key);
        QCOMPARE(seen.lookChanges, 2);
        QCOMPARE(seen.lookAtSend, kRowRed);
        QVERIFY2(seen.msAtSend >= 200, qPrintable(QString::number(seen.msAtSend)));
        QCOMPARE(sizes.takeFirst().first().toInt(), step.size);
        QCOMPARE(m_wire->nextCommand(), panelCommand(0xA2, {step.size}));
        QCOMPARE(w<QLabel>("label_pip_size")->text(), QLatin1String(step.label));
        QCOMPARE(pip()->size(), step.preview);
        QCOMPARE(pip()->pipSize(), step.size);
        QCOMPARE(pip()->pos(), step.place);
        QCOMPARE(key->styleSheet(), kRowWhite);
    }

    // A size the panel shows (a report) is where the next press carries on.
    m_rig.panel->setPIP_SZ_State(2);
    key->click();
    QCOMPARE(sizes.takeFirst().first().toInt(), 0);
    QCOMPARE(m_wire->nextCommand(), panelCommand(0xA2, {0}));

    // PIP off locks it again.
    m_rig.panel->on_Style_btnPip(false);
    key->click();
    QCOMPARE(sizes.count(), 0);
    toolWindow("setWidget")->hide();
    QVERIFY(m_wire->nothingSent());
}

void tst_venadro_window::resetSendsAfterItsFlash()
{
    toolWindow("setWidget")->show();
    QPushButton* key = setChild("btn_reset");
    const ClickSeen seen = clickWatching(key);
    toolWindow("setWidget")->hide();
    // Lit, then unlit; the frame left lit, after the wait.
    QCOMPARE(seen.lookChanges, 2);
    QVERIFY(seen.sent);
    QCOMPARE(seen.lookAtSend, kRowRed);
    QVERIFY2(seen.msAtSend >= 200, qPrintable(QString::number(seen.msAtSend)));
    QCOMPARE(key->styleSheet(), kRowWhite);
    QCOMPARE(m_wire->nextCommand(), panelCommand(0x0B));
    QVERIFY(m_wire->nothingSent());
}

void tst_venadro_window::disabledKeysCannotBePressed()
{
    toolWindow("setWidget")->show();
    for (const char* name : {"btn_disk", "btn_leuel", "btn_fan", "btn_rate_add", "btn_rate_sub", "btn_addr_add",
                             "btn_addr_sub"}) {
        QPushButton* key = setChild(name);
        QVERIFY2(!key->isEnabled(), name);
        QSignalSpy clicked(key, &QPushButton::clicked);
        QTest::mouseClick(key, Qt::LeftButton);
        key->click();
        QCOMPARE(clicked.count(), 0);
        QCOMPARE(key->styleSheet(), kRowWhite);
    }
    for (const char* name : {"btn_reset", "btn_pip_sz"})
        QVERIFY2(setChild(name)->isEnabled(), name);
    QCOMPARE(setChild("btn_leuel")->text(), QStringLiteral("LEUEL"));
    toolWindow("setWidget")->hide();
    QVERIFY(m_wire->nothingSent());
}

void tst_venadro_window::clock()
{
    const QRegularExpression date(QStringLiteral("^\\d{4}\\.\\d{2}\\.\\d{2}$"));
    const QRegularExpression time(QStringLiteral("^\\d{2}:\\d{2}:\\d{2}$"));
    QLabel* dateLabel = setChild<QLabel>("label_data");
    QLabel* timeLabel = setChild<QLabel>("label_time");
    QCOMPARE(dateLabel->text(), QStringLiteral("2022-05-13"));
    QCOMPARE(timeLabel->text(), QStringLiteral("15:03:50"));
    QVERIFY(!set()->clockRunning());

    // SET opening starts it: the first tick shows the dotted date and hh:mm:ss.
    emit m_rig.panel->setenablefalg(true);
    QTRY_VERIFY_WITH_TIMEOUT(date.match(dateLabel->text()).hasMatch(), 5000);
    QTRY_VERIFY_WITH_TIMEOUT(time.match(timeLabel->text()).hasMatch(), 5000);

    // Closing stops it and keeps the texts.
    emit m_rig.panel->setenablefalg(false);
    QVERIFY(!set()->clockRunning());
    dateLabel->setText(QStringLiteral("kept"));
    QTest::qWait(1300);
    QCOMPARE(dateLabel->text(), QStringLiteral("kept"));

    // Reopening ticks again, a second later.
    QElapsedTimer since;
    since.start();
    emit m_rig.panel->setenablefalg(true);
    QVERIFY(set()->clockRunning());
    QTRY_VERIFY_WITH_TIMEOUT(dateLabel->text() != QLatin1String("kept"), 5000);
    QVERIFY2(since.elapsed() >= 900, qPrintable(QString::number(since.elapsed())));
    emit m_rig.panel->setenablefalg(false);
    QVERIFY(m_wire->nothingSent());
}

void tst_venadro_window::setDeletedDuringAFlashOrWithItsClock()
{
    // A Set of its own on the panel's layer, deleted from the event loop as
    // soon as RESET lights, i.e. inside the flash's wait, with its clock running.
    auto* window = new QWidget;
    auto* content = new Set(window, panelLink(m_rig.panel));
    content->setenablefalgSlots(true);
    QPushButton* reset = namedChild<QPushButton>(content, "btn_reset");
    DeleteOnLight onLight(window);
    reset->installEventFilter(&onLight);
    window->show();
    QPointer<Set> alive(content);
    reset->click();
    QVERIFY(alive.isNull());
    QVERIFY(m_wire->nothingSent());

    // Deleted while its clock runs: the clock goes with it.
    auto* ticking = new Set(nullptr, panelLink(m_rig.panel));
    ticking->setenablefalgSlots(true);
    delete ticking;
    QTest::qWait(1200);
    QVERIFY(m_wire->nothingSent());
}

void tst_venadro_window::panelDeletedDuringAFlash()
{
    // The panel goes while its SET window's RESET flashes: the window goes
    // with it and RESET is never sent.
    emit m_rig.panel->setenablefalg(true);
    toolWindow("setWidget")->show();
    QPointer<Venadro> panel(m_rig.panel);
    QTimer::singleShot(50, qApp, [panel] { delete panel.data(); });
    setChild("btn_reset")->click();
    QVERIFY(panel.isNull());
    QVERIFY(!toolWindow("setWidget"));
    QVERIFY(m_wire->nothingSent());
}

// The sanitizer tree reports any leak or bad free at exit.
void tst_venadro_window::buildAndDestroyTwice()
{
    for (int i = 0; i < 2; ++i) {
        delete m_rig.panel.data();
        QVERIFY(m_rig.init(0));
        QVERIFY(toolWindow("setWidget"));
        emit m_rig.panel->setenablefalg(true);
    }
    delete m_rig.panel.data();
    QVERIFY(!toolWindow("setWidget"));
}

// The panel and its SET window, saved for a look.
void tst_venadro_window::looks()
{
    m_rig.panel->on_Style_btnPip(true);
    m_rig.panel->on_Style_btnPop(true);
    m_rig.panel->on_Style_btnRec(true);
    m_rig.panel->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_rig.panel));
    m_rig.panel->grab().save(QStringLiteral("/tmp/zv_venadro.png"));
    m_rig.panel->on_Style_btnPip(false);
    m_rig.panel->on_Style_btnPop(false);
    m_rig.panel->on_Style_btnRec(false);
    m_rig.panel->hide();
    QWidget* window = toolWindow("setWidget");
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window));
    window->grab().save(QStringLiteral("/tmp/zv_venadro_setWidget.png"));
    window->hide();
}

QTEST_MAIN(tst_venadro_window)
#include "tst_venadro_window.moc"
