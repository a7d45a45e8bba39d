// The small settings pages: what each control sends through the controller
// (and holds back while a reply is applied), the device state each page
// shows, and the rules peculiar to each page.

#include "audio_page.h"
#include "cam_page.h"
#include "key_page.h"
#include "page_rig.h"
#include "pattern_page.h"
#include "pip_page.h"
#include "pop_page.h"
#include "source_page.h"
#include "zv_resources.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>


#include <memory>

// "audio", "cam", "pattern", "pip", "pop", "source"; any other text is a key
// page of that name.
static QWidget* makePage(const QString& kind, onlyFun* fun)
{
    if (kind == QLatin1String("audio"))
        return new AUDIO_PAGE(nullptr, fun);
    if (kind == QLatin1String("cam"))
        return new CAM_PAGE(nullptr, fun);
    if (kind == QLatin1String("pattern"))
        return new PATTERN_PAGE(nullptr, fun);
    if (kind == QLatin1String("pip"))
        return new PIP_PAGE(nullptr, fun);
    if (kind == QLatin1String("pop"))
        return new POP_PAGE(nullptr, fun);
    if (kind == QLatin1String("source"))
        return new SOURCE_PAGE(nullptr, fun);
    return new KEY_PAGE(nullptr, fun, kind);
}

static const int kAudioCmd = 0xDE;

struct AudioControls
{
    explicit AudioControls(AUDIO_PAGE& p)
        : lineGain(p.findChild<QSpinBox*>(QStringLiteral("spinBoxLineGain"))),
          micVolume(p.findChild<QSpinBox*>(QStringLiteral("spinBoxMicVolume"))),
          hpfs(p.findChild<QComboBox*>(QStringLiteral("comboBox_micHpfs"))),
          lineLabel(labelWithText(&p, QStringLiteral("Line Gain"))),
          micLabel(labelWithText(&p, QStringLiteral("Mic Volume"))),
          hpfsLabel(labelWithText(&p, QStringLiteral("Mic HPFS")))
    {
    }
    QSpinBox* lineGain;
    QSpinBox* micVolume;
    QComboBox* hpfs;
    QLabel* lineLabel;
    QLabel* micLabel;
    QLabel* hpfsLabel;
};

static bool isWhite(const QLabel* l)
{
    return l->styleSheet().contains(QLatin1String("color:#ffffff"));
}

static bool isGrey(const QLabel* l)
{
    return l->styleSheet().contains(QLatin1String("color:#787878"));
}

static QSpinBox* level(KEY_PAGE& p)
{
    return p.findChild<QSpinBox*>(QStringLiteral("spinBoxLevel"));
}

static QComboBox* background(KEY_PAGE& p)
{
    return p.findChild<QComboBox*>(QStringLiteral("comboBox_background"));
}

static const char* const kNames[] = {"spinBoxPattern",     "spinBoxHPosition",   "spinBoxVPosition",
                                     "spinBoxSize",        "spinBoxHStretching", "spinBoxVStretching",
                                     "spinBoxPatternNum"};

static QSpinBox* field(PATTERN_PAGE& page, int item)
{
    return page.findChild<QSpinBox*>(QLatin1String(kNames[item]));
}

struct PipControls
{
    explicit PipControls(PIP_PAGE& p)
        : h(p.findChild<QSpinBox*>(QStringLiteral("spinBoxHPosition"))),
          v(p.findChild<QSpinBox*>(QStringLiteral("spinBoxVPosition"))),
          size(p.findChild<QComboBox*>(QStringLiteral("comboBox_size"))),
          borderEnable(p.findChild<QComboBox*>(QStringLiteral("comboBox_borderEnable"))),
          borderWidth(p.findChild<QSpinBox*>(QStringLiteral("spinBoxBorderWidth"))),
          borderColor(p.findChild<QComboBox*>(QStringLiteral("comboBox_borderColor")))
    {
    }
    QSpinBox* h;
    QSpinBox* v;
    QComboBox* size;
    QComboBox* borderEnable;
    QSpinBox* borderWidth;
    QComboBox* borderColor;
};

struct PopControls
{
    explicit PopControls(POP_PAGE& p)
        : window(p.findChild<QPushButton*>(QStringLiteral("btn_window"))),
          h(p.findChild<QSpinBox*>(QStringLiteral("spinBoxHPosition"))),
          v(p.findChild<QSpinBox*>(QStringLiteral("spinBoxVPosition"))),
          size(p.findChild<QPushButton*>(QStringLiteral("btn_size"))),
          border(p.findChild<QPushButton*>(QStringLiteral("btn_borderEnable"))),
          width(p.findChild<QSpinBox*>(QStringLiteral("spinBoxBorderWidth"))),
          colour(p.findChild<QComboBox*>(QStringLiteral("comboBox_borderColor"))),
          hLabel(labelWithText(&p, QStringLiteral("H Position"))),
          vLabel(labelWithText(&p, QStringLiteral("V Position")))
    {
    }
    QPushButton* window;
    QSpinBox* h;
    QSpinBox* v;
    QPushButton* size;
    QPushButton* border;
    QSpinBox* width;
    QComboBox* colour;
    QLabel* hLabel;
    QLabel* vLabel;
};

class tst_pages : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { zvInitResources(); }

    void controlSends_data();
    void controlSends();
    void audioLineGainArrowsWalkTheUnits();
    void audioDeviceValues_data();
    void audioDeviceValues();
    void audioRowEnabling();
    void camSetters_data();
    void camSetters();
    void camHideZoomKeepsOtherRows();
    void keyBothPagesKeepTheirOwnName();
    void keyDeviceState_data();
    void keyDeviceState();
    void patternSetters_data();
    void patternSetters();
    void pipSizeChangeReRangesThenSends_data();
    void pipSizeChangeReRangesThenSends();
    void pipSizeCommandSeesNewRanges();
    void pipOutOfRangeSizeKeepsRanges();
    void windowRecord_data();
    void windowRecord();
    void popEnablingFollowsController_data();
    void popEnablingFollowsController();
    void popPositionsSilentAfterWindowOne();
    void popWindowTwoClickKeepsPopCommands();
    void popBorderKey();
    void popNothingWhileReplyApplied();
    void sourceGuardedWhileReplyApplied();
    void sourceExitHides();
};

void tst_pages::controlSends_data()
{
    QTest::addColumn<QString>("page");
    QTest::addColumn<QString>("control");
    QTest::addColumn<int>("value");
    QTest::addColumn<bool>("arrow");  // value is a number of arrow steps
    QTest::addColumn<int>("cmd");     // 0: nothing sent
    QTest::addColumn<QByteArray>("data");

    const auto row = [](const char* name, const char* page, const char* control, int value, bool arrow, int cmd,
                        const QByteArray& data) {
        QTest::newRow(name) << QString::fromLatin1(page) << QString::fromLatin1(control) << value << arrow << cmd
                            << data;
    };
    // Line gain in units of 3, microphone volume offset by 18.
    row("audio line gain 24", "audio", "spinBoxLineGain", 24, false, 0xDE, bytes({0, 8}));
    row("audio line gain typed 4", "audio", "spinBoxLineGain", 4, false, 0xDE, bytes({0, 1}));
    row("audio mic -18", "audio", "spinBoxMicVolume", -18, false, 0xDE, bytes({1, 0}));
    row("audio mic 32", "audio", "spinBoxMicVolume", 32, false, 0xDE, bytes({1, 50}));
    row("audio hpfs 495", "audio", "comboBox_micHpfs", 7, false, 0xDE, bytes({2, 7}));
    row("cam baud 9600", "cam", "comboBox_baud", 5, false, 0x71, bytes({1, 5}));
    row("cam protocol VISCA", "cam", "comboBox_protocol", 2, false, 0x71, bytes({2, 2}));
    row("cam rotation 64", "cam", "spinBoxRotationRote", 64, false, 0x71, bytes({3, 64}));
    row("cam zoom FOCUS", "cam", "comboBox_zoom", 1, false, 0x71, bytes({4, 1}));
    // Positions leave as 16-bit values, low byte first.
    row("pip H 950", "pip", "spinBoxHPosition", 950, false, 0xA0, bytes({0xB6, 0x03}));
    row("pip V 540", "pip", "spinBoxVPosition", 540, false, 0xA1, bytes({0x1C, 0x02}));
    row("pip border width 7", "pip", "spinBoxBorderWidth", 7, false, 0x9F, bytes({7}));
    row("pip border colour green", "pip", "comboBox_borderColor", 3, false, 0x9E, bytes({3}));
    row("pip border enable ON", "pip", "comboBox_borderEnable", 1, false, 0x9D, bytes({1}));
    row("pip size medium", "pip", "comboBox_size", 1, false, 0xA2, bytes({1}));
    row("pop border width 7", "pop", "spinBoxBorderWidth", 7, false, 0xAB, bytes({7}));
    row("pop border colour red", "pop", "comboBox_borderColor", 1, false, 0xAA, bytes({1}));
    row("luma level 20", "Luma Key", "spinBoxLevel", 20, false, 0x94, bytes({20}));
    row("chroma level 33", "Chroma Key", "spinBoxLevel", 33, false, 0x99, bytes({33}));
    row("chroma background blue", "Chroma Key", "comboBox_background", 1, false, 0x98, bytes({1}));
    row("chroma background green", "Chroma Key", "comboBox_background", 0, false, 0x98, bytes({0}));
    row("other key name: level", "CHROMA", "spinBoxLevel", 12, false, 0, QByteArray());
    row("other key name: background", "CHROMA", "comboBox_background", 1, false, 0, QByteArray());
    row("pattern one step", "pattern", "spinBoxPattern", 1, true, 0xDB, bytes({0, 1, 0}));
    row("pattern H one step", "pattern", "spinBoxHPosition", 1, true, 0xDB, bytes({1, 10, 0}));
    row("pattern size one step from 50", "pattern", "spinBoxSize", 1, true, 0xDB, bytes({3, 52, 0}));
    row("pattern num one step", "pattern", "spinBoxPatternNum", 1, true, 0xDB, bytes({6, 1, 0}));
    row("pattern H 1920", "pattern", "spinBoxHPosition", 1920, false, 0xDB, bytes({1, 0x80, 0x07}));
    row("pattern V 1080", "pattern", "spinBoxVPosition", 1080, false, 0xDB, bytes({2, 0x38, 0x04}));
    row("pattern size 257", "pattern", "spinBoxSize", 257, false, 0xDB, bytes({3, 0x01, 0x01}));
    row("pattern H stretching 255", "pattern", "spinBoxHStretching", 255, false, 0xDB, bytes({4, 0xFF, 0x00}));
    row("pattern V stretching 7", "pattern", "spinBoxVStretching", 7, false, 0xDB, bytes({5, 7, 0}));
    // Box 1 does nothing, box 2 sends the PIP size, boxes 3 and 4 the index as a PIP position.
    row("SRC1 large", "source", "comboBox_src1", 2, false, 0, QByteArray());
    row("SRC2 medium", "source", "comboBox_src2", 1, false, 0xA2, bytes({1}));
    row("SRC2 large", "source", "comboBox_src2", 2, false, 0xA2, bytes({2}));
    row("SRC3 large is H position 2", "source", "comboBox_src3", 2, false, 0xA0, bytes({2, 0}));
    row("SRC4 medium is V position 1", "source", "comboBox_src4", 1, false, 0xA1, bytes({1, 0}));
}

void tst_pages::controlSends()
{
    QFETCH(QString, page);
    QFETCH(QString, control);
    QFETCH(int, value);
    QFETCH(bool, arrow);
    QFETCH(int, cmd);
    QFETCH(QByteArray, data);

    PageRig rig;
    std::unique_ptr<QWidget> w(makePage(page, rig.fun.get()));
    ZV_EXPECT_NO_FRAME(rig);
    if (arrow) {
        auto* spin = w->findChild<QSpinBox*>(control);
        QVERIFY(spin);
        spin->stepBy(value);
    } else {
        QVERIFY(setControl(w.get(), control, value));
    }
    if (cmd)
        ZV_EXPECT_ONE_FRAME(rig, cmd, data);
    else
        ZV_EXPECT_NO_FRAME(rig);

    // While a reply is applied, the same control sends nothing.
    asReply([&] { setControl(w.get(), control, value == 1 ? 2 : 1); });
    ZV_EXPECT_NO_FRAME(rig);
}

void tst_pages::audioLineGainArrowsWalkTheUnits()
{
    PageRig rig;
    AUDIO_PAGE page(nullptr, rig.fun.get());
    AudioControls c(page);
    for (int unit = 1; unit <= 8; ++unit) {
        c.lineGain->stepBy(1);
        QCOMPARE(c.lineGain->value(), unit * 3);
        ZV_EXPECT_ONE_FRAME(rig, kAudioCmd, bytes({0, unit}));
    }
    c.lineGain->stepBy(1);
    ZV_EXPECT_NO_FRAME(rig);
}

void tst_pages::audioDeviceValues_data()
{
    QTest::addColumn<int>("lineGain");
    QTest::addColumn<int>("hpfs");
    QTest::addColumn<int>("micVolume");
    QTest::addColumn<int>("lineShown");
    QTest::addColumn<int>("hpfsShown");
    QTest::addColumn<int>("micShown");

    QTest::newRow("in range") << 5 << 3 << 18 << 15 << 3 << 0;
    QTest::newRow("bottom") << 0 << 0 << 0 << 0 << 0 << -18;
    QTest::newRow("past the ranges") << 9 << 8 << 51 << 24 << -1 << 32;
    QTest::newRow("all ones") << 255 << 255 << 255 << 24 << -1 << 32;
}

void tst_pages::audioDeviceValues()
{
    QFETCH(int, lineGain);
    QFETCH(int, hpfs);
    QFETCH(int, micVolume);
    QFETCH(int, lineShown);
    QFETCH(int, hpfsShown);
    QFETCH(int, micShown);

    PageRig rig;
    AUDIO_PAGE page(nullptr, rig.fun.get());
    AudioControls c(page);
    {
        DevStateGuard applying;
        page.set_LineGain_Value(uchar(lineGain));
        page.set_MicHPFS_Value(uchar(hpfs));
        page.set_MicVolume_Value(uchar(micVolume));
    }
    QCOMPARE(c.lineGain->value(), lineShown);
    QCOMPARE(c.hpfs->currentIndex(), hpfsShown);
    QCOMPARE(c.micVolume->value(), micShown);
    ZV_EXPECT_NO_FRAME(rig);
}

void tst_pages::audioRowEnabling()
{
    PageRig rig;
    AUDIO_PAGE page(nullptr, rig.fun.get());
    AudioControls c(page);

    page.show_lnge_cfg_slots(false);
    QVERIFY(!c.lineGain->isEnabled());
    QVERIFY(isGrey(c.lineLabel));
    QVERIFY(c.micVolume->isEnabled() && isWhite(c.micLabel));

    page.show_mic_cfg_slots(false);
    QVERIFY(!c.micVolume->isEnabled() && !c.hpfs->isEnabled());
    QVERIFY(isGrey(c.micLabel) && isGrey(c.hpfsLabel));

    page.show_mic_cfg_slots(true);
    QVERIFY(c.micVolume->isEnabled() && c.hpfs->isEnabled());
    QVERIFY(isWhite(c.micLabel) && isWhite(c.hpfsLabel));
    QVERIFY(!c.lineGain->isEnabled());

    page.show_lnge_cfg_slots(true);
    QVERIFY(c.lineGain->isEnabled() && isWhite(c.lineLabel));
    ZV_EXPECT_NO_FRAME(rig);
}

void tst_pages::camSetters_data()
{
    QTest::addColumn<int>("address");
    QTest::addColumn<int>("baud");
    QTest::addColumn<int>("protocol");
    QTest::addColumn<int>("rate");
    QTest::addColumn<int>("zoom");
    QTest::addColumn<QString>("baudText");
    QTest::addColumn<QString>("protocolText");
    QTest::addColumn<int>("rateShown");
    QTest::addColumn<QString>("zoomText");

    QTest::newRow("in range") << 3 << 5 << 2 << 40 << 1 << "9600" << "VISCA" << 40 << "FOCUS";
    QTest::newRow("past the lists") << 255 << 11 << 3 << 200 << 2 << "" << "" << 64 << "";
}

void tst_pages::camSetters()
{
    QFETCH(int, address);
    QFETCH(int, baud);
    QFETCH(int, protocol);
    QFETCH(int, rate);
    QFETCH(int, zoom);
    QFETCH(QString, baudText);
    QFETCH(QString, protocolText);
    QFETCH(int, rateShown);
    QFETCH(QString, zoomText);

    PageRig rig;
    CAM_PAGE page(nullptr, rig.fun.get());
    {
        DevStateGuard applying;
        page.set_Address_Type(uint8_t(address));
        page.set_Baud_Style(uint8_t(baud));
        page.set_Protocol_Style(uint8_t(protocol));
        page.set_camRate_Style(uint8_t(rate));
        page.set_Zoom_Style(uint8_t(zoom));
    }
    QCOMPARE(page.findChild<QLineEdit*>(QStringLiteral("lineAddress"))->text(), QString::number(address));
    QCOMPARE(page.findChild<QComboBox*>(QStringLiteral("comboBox_baud"))->currentText(), baudText);
    QCOMPARE(page.findChild<QComboBox*>(QStringLiteral("comboBox_protocol"))->currentText(), protocolText);
    QCOMPARE(page.findChild<QSpinBox*>(QStringLiteral("spinBoxRotationRote"))->value(), rateShown);
    QCOMPARE(page.findChild<QComboBox*>(QStringLiteral("comboBox_zoom"))->currentText(), zoomText);
    ZV_EXPECT_NO_FRAME(rig);
}

void tst_pages::camHideZoomKeepsOtherRows()
{
    PageRig rig;
    CAM_PAGE page(nullptr, rig.fun.get());
    page.show();
    auto* zoom = page.findChild<QComboBox*>(QStringLiteral("comboBox_zoom"));
    auto* baud = page.findChild<QComboBox*>(QStringLiteral("comboBox_baud"));
    const QRect baudBefore = baud->geometry();
    QVERIFY(zoom->isVisible());
    page.hideCam_ZOOM();
    QVERIFY(!zoom->isVisible());
    QVERIFY(!labelWithText(&page, QStringLiteral("ZOOM"))->isVisible());
    QCOMPARE(baud->geometry(), baudBefore);
}

// The panels build the luma page first and the chroma page second on one
// controller; each page must still act as itself afterwards.
void tst_pages::keyBothPagesKeepTheirOwnName()
{
    PageRig rig;
    KEY_PAGE luma(nullptr, rig.fun.get(), QStringLiteral("Luma Key"));
    KEY_PAGE chroma(nullptr, rig.fun.get(), QStringLiteral("Chroma Key"));

    level(luma)->setValue(20);
    ZV_EXPECT_ONE_FRAME(rig, 0x94, bytes({20}));
    level(chroma)->setValue(30);
    ZV_EXPECT_ONE_FRAME(rig, 0x99, bytes({30}));
    level(luma)->setValue(21);
    ZV_EXPECT_ONE_FRAME(rig, 0x94, bytes({21}));
    background(chroma)->setCurrentIndex(0);
    ZV_EXPECT_ONE_FRAME(rig, 0x98, bytes({0}));
}

void tst_pages::keyDeviceState_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("mode");
    QTest::addColumn<int>("expectIndex");
    QTest::addColumn<int>("expectLevel");

    // State values: luma level 11, blue level 22, green level 33.
    QTest::newRow("luma takes its level, mode 1") << "Luma Key" << 1 << 1 << 11;
    QTest::newRow("chroma blue") << "Chroma Key" << 1 << 1 << 22;
    QTest::newRow("chroma green") << "Chroma Key" << 0 << 0 << 33;
    QTest::newRow("chroma unknown mode") << "Chroma Key" << 2 << -1 << 0;
    QTest::newRow("other name") << "LUMA" << 1 << -1 << 0;
}

void tst_pages::keyDeviceState()
{
    QFETCH(QString, name);
    QFETCH(int, mode);
    QFETCH(int, expectIndex);
    QFETCH(int, expectLevel);

    PageRig rig;
    KEY_PAGE page(nullptr, rig.fun.get(), name);
    asReply([&] { page.setChromaSatae(uchar(mode), 11, 22, 33); });
    QCOMPARE(background(page)->currentIndex(), expectIndex);
    QCOMPARE(level(page)->value(), expectLevel);
    ZV_EXPECT_NO_FRAME(rig);

    // A level above the range shows the maximum.
    asReply([&] { page.setChromaSatae(0, 200, 200, 200); });
    if (name == QLatin1String("Luma Key") || name == QLatin1String("Chroma Key"))
        QCOMPARE(level(page)->value(), 64);
    ZV_EXPECT_NO_FRAME(rig);
}

void tst_pages::patternSetters_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<QByteArray>("words");  // H, V, size, H stretching, V stretching as (hi, lo)
    QTest::addColumn<int>("num");
    QTest::addColumn<QList<int>>("shown");  // the seven fields in item order

    QTest::newRow("in range") << 3 << bytes({0x07, 0x80, 0x04, 0x38, 0x01, 0x00, 0x00, 0x10, 0x00, 0x20}) << 2
                              << QList<int>{3, 1920, 1080, 256, 16, 32, 2};
    QTest::newRow("held to the ranges")
        << 12 << bytes({0xFF, 0xFF, 0x10, 0x00, 0x00, 0x0A, 0x01, 0x00, 0x7F, 0x00}) << 7
        << QList<int>{9, 1920, 1080, 50, 255, 255, 5};
}

void tst_pages::patternSetters()
{
    QFETCH(int, type);
    QFETCH(QByteArray, words);
    QFETCH(int, num);
    QFETCH(QList<int>, shown);

    PageRig rig;
    PATTERN_PAGE page(nullptr, rig.fun.get());
    const auto b = [&](int i) { return uint8_t(words.at(i)); };
    {
        DevStateGuard applying;
        page.set_PATTERN_Type(uint8_t(type));
        page.set_Hposition_Style(b(0), b(1));
        page.set_Vposition_Style(b(2), b(3));
        page.set_Size_Style(b(4), b(5));
        page.set_HStretching_Style(b(6), b(7));
        page.set_VStretching_Style(b(8), b(9));
        page.set_tretching_Style(uint8_t(num));
    }
    for (int item = 0; item < 7; ++item)
        QCOMPARE(field(page, item)->value(), shown.at(item));
    ZV_EXPECT_NO_FRAME(rig);
}

void tst_pages::pipSizeChangeReRangesThenSends_data()
{
    QTest::addColumn<int>("fromSize");
    QTest::addColumn<int>("h");
    QTest::addColumn<int>("v");
    QTest::addColumn<int>("toSize");
    QTest::addColumn<int>("hShown");
    QTest::addColumn<int>("vShown");
    QTest::addColumn<int>("hMax");
    QTest::addColumn<int>("vMax");

    QTest::newRow("medium 1200 to large clamps") << 1 << 1200 << 700 << 2 << 960 << 540 << 960 << 540;
    QTest::newRow("large 960 to small keeps") << 2 << 960 << 540 << 0 << 960 << 540 << 1440 << 810;
    QTest::newRow("blank to small") << -1 << 0 << 0 << 0 << 0 << 0 << 1440 << 810;
}

void tst_pages::pipSizeChangeReRangesThenSends()
{
    QFETCH(int, fromSize);
    QFETCH(int, h);
    QFETCH(int, v);
    QFETCH(int, toSize);
    QFETCH(int, hShown);
    QFETCH(int, vShown);
    QFETCH(int, hMax);
    QFETCH(int, vMax);

    PageRig rig;
    PIP_PAGE page(nullptr, rig.fun.get());
    PipControls c(page);
    {
        DevStateGuard applying;
        if (fromSize >= 0)
            page.set_Size_Style(uint8_t(fromSize));
        c.h->setValue(h);
        c.v->setValue(v);
    }
    ZV_EXPECT_NO_FRAME(rig);

    c.size->setCurrentIndex(toSize);
    QCOMPARE(c.h->value(), hShown);
    QCOMPARE(c.v->value(), vShown);
    QCOMPARE(c.h->maximum(), hMax);
    QCOMPARE(c.v->maximum(), vMax);
    QVERIFY(!pipSizeFalg);
    // Only the size leaves; a clamped position is shown, not sent.
    ZV_EXPECT_ONE_FRAME(rig, 0xA2, bytes({toSize}));

    // Afterwards the positions send again.
    c.h->setValue(hMax == 960 ? 950 : 1000);
    ZV_EXPECT_ONE_FRAME(rig, 0xA0, hMax == 960 ? bytes({0xB6, 0x03}) : bytes({0xE8, 0x03}));
}

// A size choice leaves the new ranges in place and the flag lowered, and the
// position clamped on the way was reported with the flag raised.
void tst_pages::pipSizeCommandSeesNewRanges()
{
    PageRig rig;
    PIP_PAGE page(nullptr, rig.fun.get());
    PipControls c(page);
    int maxSeen = -1;
    bool flagSeen = true;
    connect(c.size, QOverload<int>::of(&QComboBox::currentIndexChanged), this, [&](int) {
        maxSeen = c.h->maximum();
        flagSeen = pipSizeFalg;
    });
    c.size->setCurrentIndex(1);
    QCOMPARE(maxSeen, 1280);
    QCOMPARE(flagSeen, false);

    bool flagDuringClamp = false;
    asReply([&] { c.h->setValue(1280); });
    rig.frames();
    connect(c.h, QOverload<int>::of(&QSpinBox::valueChanged), this, [&](int) { flagDuringClamp = pipSizeFalg; });
    c.size->setCurrentIndex(2);
    QCOMPARE(c.h->value(), 960);
    QVERIFY(flagDuringClamp);
    ZV_EXPECT_ONE_FRAME(rig, 0xA2, bytes({2}));
}

void tst_pages::pipOutOfRangeSizeKeepsRanges()
{
    PageRig rig;
    PIP_PAGE page(nullptr, rig.fun.get());
    PipControls c(page);
    page.set_Size_Style(1);
    rig.frames();
    asReply([&] { page.set_Size_Style(3); });
    QCOMPARE(c.size->currentIndex(), 1);
    QCOMPARE(c.h->maximum(), 1280);
    page.setCoboxSize(7);
    QCOMPARE(c.h->maximum(), 1280);
    QCOMPARE(c.v->maximum(), 720);
    QVERIFY(!pipSizeFalg);
    ZV_EXPECT_NO_FRAME(rig);
}

void tst_pages::windowRecord_data()
{
    // Record order: border enable, colour, width, size, H (hi, lo), V (hi, lo). Shown: border (PIP item,
    // POP 1 for "ON"), colour, width, size (PIP item; POP keeps "Large"), H, V.
    QTest::addColumn<QString>("page");
    QTest::addColumn<QByteArray>("record");
    QTest::addColumn<QList<int>>("shown");

    QTest::newRow("pip medium, H 1280") << "pip" << bytes({1, 2, 5, 1, 0x05, 0x00, 0x02, 0xD0})
                                        << QList<int>{1, 2, 5, 1, 1280, 720};
    QTest::newRow("pip large, H held to 960") << "pip" << bytes({0, 3, 7, 2, 0x05, 0x00, 0x03, 0x00})
                                              << QList<int>{0, 3, 7, 2, 960, 540};
    QTest::newRow("pip small") << "pip" << bytes({1, 0, 2, 0, 0x05, 0xA0, 0x03, 0x2A})
                               << QList<int>{1, 0, 2, 0, 1440, 810};
    QTest::newRow("pip out of domain ignored") << "pip" << bytes({2, 4, 8, 3, 0x00, 0x64, 0x00, 0x32})
                                               << QList<int>{-1, -1, 2, -1, 100, 50};
    QTest::newRow("pop in range") << "pop" << bytes({0, 2, 5, 2, 0x01, 0x2C, 0x00, 0xC8})
                                  << QList<int>{0, 2, 5, -1, 300, 200};
    QTest::newRow("pop held to the ranges") << "pop" << bytes({1, 3, 7, 0, 0x04, 0x00, 0x03, 0x00})
                                            << QList<int>{1, 3, 7, -1, 960, 540};
    QTest::newRow("pop out of domain ignored") << "pop" << bytes({2, 4, 8, 9, 0x00, 0x00, 0x00, 0x00})
                                               << QList<int>{1, -1, 2, -1, 0, 0};
    QTest::newRow("pop width below 2 ignored") << "pop" << bytes({0, 0, 1, 1, 0x00, 0x0A, 0x00, 0x14})
                                               << QList<int>{0, 0, 2, -1, 10, 20};
}

void tst_pages::windowRecord()
{
    QFETCH(QString, page);
    QFETCH(QByteArray, record);
    QFETCH(QList<int>, shown);

    PageRig rig;
    QList<int> got;
    if (page == QLatin1String("pip")) {
        PIP_PAGE p(nullptr, rig.fun.get());
        PipControls c(p);
        applyWindowRecord(p, record);
        got = {c.borderEnable->currentIndex(), c.borderColor->currentIndex(), c.borderWidth->value(),
               c.size->currentIndex(), c.h->value(), c.v->value()};
    } else {
        POP_PAGE p(nullptr, rig.fun.get());
        PopControls c(p);
        applyWindowRecord(p, record);
        QCOMPARE(c.size->text(), QStringLiteral("Large"));
        got = {c.border->text() == QLatin1String("ON") ? 1 : 0, c.colour->currentIndex(), c.width->value(), -1,
               c.h->value(), c.v->value()};
    }
    QCOMPARE(got, shown);
    ZV_EXPECT_NO_FRAME(rig);
}

void tst_pages::popEnablingFollowsController_data()
{
    QTest::addColumn<int>("deviceWindow");  // 0: no state record
    QTest::addColumn<int>("cutMode");       // -1: no POP window reply
    QTest::addColumn<bool>("enabled");

    QTest::newRow("cut mode 1") << 0 << 1 << true;
    QTest::newRow("cut mode 0, window 1") << 0 << 0 << false;
    QTest::newRow("device window 2") << 2 << -1 << true;
    QTest::newRow("device window 1, no cut") << 1 << -1 << false;
    QTest::newRow("device window 3") << 3 << -1 << true;
    QTest::newRow("device window 2, then cut 0") << 2 << 0 << true;
}

void tst_pages::popEnablingFollowsController()
{
    QFETCH(int, deviceWindow);
    QFETCH(int, cutMode);
    QFETCH(bool, enabled);

    PageRig rig;
    POP_PAGE page(nullptr, rig.fun.get());
    PopControls c(page);
    {
        DevStateGuard applying;
        if (deviceWindow)
            rig.fun->set_POP_WIN_Style(uchar(deviceWindow));
        if (cutMode >= 0)
            rig.fun->POP_CUT_WindowMode(uchar(cutMode));
    }
    QCOMPARE(c.h->isEnabled(), enabled);
    QCOMPARE(c.v->isEnabled(), enabled);
    QCOMPARE(isWhite(c.hLabel), enabled);
    QCOMPARE(isGrey(c.vLabel), !enabled);
    if (deviceWindow == 1 || deviceWindow == 2)
        QCOMPARE(c.window->text(), QString::number(deviceWindow));
    ZV_EXPECT_NO_FRAME(rig);
}

// A click to window 1 clears the controller's enabling while the page keeps
// the fields usable: they then send nothing until the device reports again.
void tst_pages::popPositionsSilentAfterWindowOne()
{
    PageRig rig;
    POP_PAGE page(nullptr, rig.fun.get());
    PopControls c(page);
    asReply([&] { rig.fun->POP_CUT_WindowMode(1); });
    c.window->click();
    c.window->click();
    const QList<SentFrame> sent = rig.frames();
    QCOMPARE(sent.size(), 2);
    QCOMPARE(sent.at(0).data, bytes({2}));
    QCOMPARE(sent.at(1).data, bytes({1}));
    QVERIFY(c.h->isEnabled());
    c.h->setValue(300);
    ZV_EXPECT_NO_FRAME(rig);

    // The next device report restores the rule.
    asReply([&] { rig.fun->POP_CUT_WindowMode(1); });
    c.h->setValue(310);
    ZV_EXPECT_ONE_FRAME(rig, 0xAC, bytes({0x36, 0x01}));
}

// The Window key does not change the window mode: until the device reports
// window 2, the positions still move the POP window.
void tst_pages::popWindowTwoClickKeepsPopCommands()
{
    PageRig rig;
    POP_PAGE page(nullptr, rig.fun.get());
    PopControls c(page);
    asReply([&] { rig.fun->POP_CUT_WindowMode(1); });
    c.window->click();
    ZV_EXPECT_ONE_FRAME(rig, 0xA8, bytes({2}));
    c.v->setValue(520);
    ZV_EXPECT_ONE_FRAME(rig, 0xAD, bytes({0x08, 0x02}));
    asReply([&] { rig.fun->set_POP_WIN_Style(2); });
    c.v->setValue(530);
    ZV_EXPECT_ONE_FRAME(rig, 0xA1, bytes({0x12, 0x02}));
}

void tst_pages::popBorderKey()
{
    PageRig rig;
    POP_PAGE page(nullptr, rig.fun.get());
    PopControls c(page);

    // The button starts on "ON" while the controller's toggle starts off.
    c.border->click();
    QCOMPARE(c.border->text(), QStringLiteral("ON"));
    ZV_EXPECT_ONE_FRAME(rig, 0xA9, bytes({1}));
    c.border->click();
    QCOMPARE(c.border->text(), QStringLiteral("OFF"));
    ZV_EXPECT_ONE_FRAME(rig, 0xA9, bytes({0}));

    // The device state changes the text only.
    asReply([&] { page.set_BorderEnable_Style(1); });
    QCOMPARE(c.border->text(), QStringLiteral("ON"));
    ZV_EXPECT_NO_FRAME(rig);
    c.border->click();
    ZV_EXPECT_ONE_FRAME(rig, 0xA9, bytes({1}));
}

void tst_pages::popNothingWhileReplyApplied()
{
    PageRig rig;
    POP_PAGE page(nullptr, rig.fun.get());
    PopControls c(page);
    {
        DevStateGuard applying;
        rig.fun->POP_CUT_WindowMode(1);
        c.window->click();
        c.border->click();
        c.h->setValue(100);
        c.v->setValue(100);
        c.width->setValue(4);
        c.colour->setCurrentIndex(2);
    }
    QCOMPARE(c.window->text(), QStringLiteral("1"));
    QCOMPARE(c.border->text(), QStringLiteral("ON"));
    ZV_EXPECT_NO_FRAME(rig);
}

void tst_pages::sourceGuardedWhileReplyApplied()
{
    PageRig rig;
    SOURCE_PAGE page(nullptr, rig.fun.get());
    {
        DevStateGuard applying;
        for (int n = 1; n <= 4; ++n)
            page.findChild<QComboBox*>(QStringLiteral("comboBox_src%1").arg(n))->setCurrentIndex(2);
    }
    ZV_EXPECT_NO_FRAME(rig);
    {
        ScopedFlag resizing(pipSizeFalg);
        page.findChild<QComboBox*>(QStringLiteral("comboBox_src3"))->setCurrentIndex(1);
    }
    ZV_EXPECT_NO_FRAME(rig);
}

void tst_pages::sourceExitHides()
{
    PageRig rig;
    SOURCE_PAGE page(nullptr, rig.fun.get());
    page.show();
    QVERIFY(QTest::qWaitForWindowExposed(&page));
    auto* exit = page.findChild<QPushButton*>(QStringLiteral("btn_exit"));
    exit->click();
    QVERIFY(!page.isVisible());
    ZV_EXPECT_NO_FRAME(rig);
}

QTEST_MAIN(tst_pages)
#include "tst_pages.moc"
