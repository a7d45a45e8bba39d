// The audio page: the shown values map to the switcher's units (line gain in
// steps of 3, microphone volume offset by 18) both ways.

#include "audio_page.h"
#include "page_rig.h"
#include "zv_resources.h"

#include <QComboBox>
#include <QLabel>
#include <QSpinBox>

class tst_audio_page : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { zvInitResources(); }

    void startsEnabledAndSilent();
    void controlSends_data();
    void controlSends();
    void lineGainArrowsWalkTheUnits();
    void deviceValues_data();
    void deviceValues();
    void equalDeviceValueSendsNothing();
    void rowEnabling();
};

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

void tst_audio_page::startsEnabledAndSilent()
{
    PageRig rig;
    AUDIO_PAGE page(nullptr, rig.fun.get());
    AudioControls c(page);
    QVERIFY(c.lineLabel && c.micLabel && c.hpfsLabel);
    QCOMPARE(c.lineGain->value(), 0);
    QCOMPARE(c.micVolume->value(), 0);
    QCOMPARE(c.hpfs->currentText(), QStringLiteral("OFF"));
    QCOMPARE(c.hpfs->count(), 8);
    QVERIFY(c.lineGain->isEnabled() && c.micVolume->isEnabled() && c.hpfs->isEnabled());
    QVERIFY(isWhite(c.lineLabel) && isWhite(c.micLabel) && isWhite(c.hpfsLabel));
    QCOMPARE(page.windowTitle(), QStringLiteral("AUDIO SETTINGS"));
    ZV_EXPECT_NO_FRAME(rig);
}

void tst_audio_page::controlSends_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<int>("value");
    QTest::addColumn<QByteArray>("data");

    QTest::newRow("line gain 24") << "spinBoxLineGain" << 24 << bytes({0, 8});
    QTest::newRow("line gain typed 4") << "spinBoxLineGain" << 4 << bytes({0, 1});
    QTest::newRow("line gain 3") << "spinBoxLineGain" << 3 << bytes({0, 1});
    QTest::newRow("mic -18") << "spinBoxMicVolume" << -18 << bytes({1, 0});
    QTest::newRow("mic -1") << "spinBoxMicVolume" << -1 << bytes({1, 17});
    QTest::newRow("mic 32") << "spinBoxMicVolume" << 32 << bytes({1, 50});
    QTest::newRow("hpfs 495") << "comboBox_micHpfs" << 7 << bytes({2, 7});
    QTest::newRow("hpfs 16") << "comboBox_micHpfs" << 1 << bytes({2, 1});
}

void tst_audio_page::controlSends()
{
    QFETCH(QString, control);
    QFETCH(int, value);
    QFETCH(QByteArray, data);

    PageRig rig;
    AUDIO_PAGE page(nullptr, rig.fun.get());
    QVERIFY(setControl(&page, control, value));
    ZV_EXPECT_ONE_FRAME(rig, kAudioCmd, data);

    // While a reply is applied, the same control sends nothing.
    {
        DevStateGuard applying;
        setControl(&page, control, value == 6 ? 0 : 6);
    }
    ZV_EXPECT_NO_FRAME(rig);
}

void tst_audio_page::lineGainArrowsWalkTheUnits()
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

void tst_audio_page::deviceValues_data()
{
    QTest::addColumn<int>("lineGain");
    QTest::addColumn<int>("hpfs");
    QTest::addColumn<int>("micVolume");
    QTest::addColumn<int>("lineShown");
    QTest::addColumn<int>("hpfsShown");
    QTest::addColumn<int>("micShown");

    QTest::newRow("in range") << 5 << 3 << 18 << 15 << 3 << 0;
    QTest::newRow("bottom") << 0 << 0 << 0 << 0 << 0 << -18;
    QTest::newRow("top") << 8 << 7 << 50 << 24 << 7 << 32;
    QTest::newRow("past the ranges") << 9 << 8 << 51 << 24 << -1 << 32;
    QTest::newRow("all ones") << 255 << 255 << 255 << 24 << -1 << 32;
}

void tst_audio_page::deviceValues()
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

    // Moving a control to the shown value sends the device's value back.
    if (lineGain <= 8 && lineShown > 0) {
        c.lineGain->setValue(0);
        rig.frames();
        c.lineGain->setValue(lineShown);
        ZV_EXPECT_ONE_FRAME(rig, kAudioCmd, bytes({0, lineGain}));
    }
}

void tst_audio_page::equalDeviceValueSendsNothing()
{
    PageRig rig;
    AUDIO_PAGE page(nullptr, rig.fun.get());
    AudioControls c(page);
    c.micVolume->setValue(10);
    ZV_EXPECT_ONE_FRAME(rig, kAudioCmd, bytes({1, 28}));
    QSignalSpy changed(c.micVolume, QOverload<int>::of(&QSpinBox::valueChanged));
    page.set_MicVolume_Value(28);
    QCOMPARE(changed.count(), 0);
    ZV_EXPECT_NO_FRAME(rig);
}

void tst_audio_page::rowEnabling()
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

QTEST_MAIN(tst_audio_page)
#include "tst_audio_page.moc"
