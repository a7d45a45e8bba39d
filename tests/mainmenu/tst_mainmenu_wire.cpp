// What the settings window's fields send to the switcher, byte for byte.

#include "mainmenu_bench.h"
#include "zv_resources.h"

class TestMainMenuWire : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { zvInitResources(); }
    void expectedFrameMatchesAKnownFrame();
    void fieldChangeSendsFrame_data();
    void fieldChangeSendsFrame();
    void deviceValuesAreNotSentBack();
    void displayOnlyFieldsSendNothing();
    void resetSendsAndEndsThePanel();
    void ipSave_data();
    void ipSave();
    void ipSaveKeepsStoredGatewayForEmptyField();
    void badAddressIsRefused_data();
    void badAddressIsRefused();
};

// A GPI frame worked out by hand, so the frame helper itself is pinned down.
void TestMainMenuWire::expectedFrameMatchesAKnownFrame()
{
    const QByteArray gpi3 = QByteArray::fromHex("a56c1600a5ff01000000000000000000" "6e0205" "4103ae");
    QCOMPARE(expectedFrame(kMainA, 0x6E, bytes({2, 5})), gpi3);
}

void TestMainMenuWire::fieldChangeSendsFrame_data()
{
    QTest::addColumn<quint32>("devType");
    QTest::addColumn<QString>("field");
    QTest::addColumn<int>("value");
    QTest::addColumn<QByteArray>("frame");

    for (int n : {1, 6})
        QTest::addRow("GPI%d item 7", n) << 0x28u << QStringLiteral("comboBox_GPI%1").arg(n) << 7
                                         << expectedFrame(kMainA, 0x6E, bytes({n - 1, 7}));
    QTest::addRow("GPI1 WIPE10 on 4K") << 0x69u << "comboBox_GPI1" << 20 << expectedFrame(kMainA, 0x6E, bytes({0, 20}));
    QTest::addRow("PGM OUT 1080I60") << 0x28u << "comboBoxPGM" << 2 << expectedFrame(kMainA, 0xA3, bytes({9}));
    QTest::addRow("PGM OUT 2160P25") << 0x69u << "comboBoxPGM" << 3 << expectedFrame(kMainA, 0xA3, bytes({13}));
    QTest::addRow("HDR CFG HDR10") << 0x69u << "comboBoxHDR_CFG" << 2 << expectedFrame(kMainA, 0xE0, bytes({2}));
    QTest::addRow("fan Custom") << 0x28u << "comboBox_fanCtrl" << 1 << expectedFrame(kMainA, 0x6C, bytes({1}));
    QTest::addRow("fan speed 310") << 0x28u << "spinBox_fanSpeed" << 310
                                   << expectedFrame(kMainA, 0x6D, bytes({0x36, 0x01}));
    QTest::addRow("stream rate 5 Mbps") << 0x28u << "combRtmpRate" << 4
                                        << expectedFrame(kStreamA, 0x31, bytes({1, 4}));
    QTest::addRow("video quality Uitra High") << 0x28u << "combVideoQuality" << 3
                                              << expectedFrame(kStreamA, 0x31, bytes({0, 3}));
}

void TestMainMenuWire::fieldChangeSendsFrame()
{
    QFETCH(quint32, devType);
    QFETCH(QString, field);
    QFETCH(int, value);
    QFETCH(QByteArray, frame);

    MainMenuBench bench(devType);
    QVERIFY(bench.device.isBound());
    QWidget* w = bench.window->findChild<QWidget*>(field);
    QVERIFY(w);
    if (auto* box = qobject_cast<QComboBox*>(w))
        box->setCurrentIndex(value);
    else
        qobject_cast<QSpinBox*>(w)->setValue(value);

    const QList<QByteArray> got = MainMenuBench::waitCommands(bench.device, 1);
    QCOMPARE(got.size(), 1);
    QCOMPARE(got.first().toHex(' '), frame.toHex(' '));
}

// The panels hold the guard while they hand the device's values over.
void TestMainMenuWire::deviceValuesAreNotSentBack()
{
    MainMenuBench bench(0x69);
    {
        DevStateGuard guard;
        bench.window->set_GPI1_Value(3);
        bench.window->set_fanSpeed_Value(1, 144);
        bench.window->set_PGM_Style(13);
    }
    QCOMPARE(bench.field<QComboBox>("comboBox_GPI1")->currentIndex(), 3);
    QCOMPARE(bench.field<QSpinBox>("spinBox_fanSpeed")->value(), 400);
    QCOMPARE(bench.field<QComboBox>("comboBoxPGM")->currentText(), QStringLiteral("2160P25"));
    const QList<QByteArray> sent = bench.sentUpToMarker(bench.device);
    QCOMPARE(sent.size(), 1);

    // The same GPI change by the operator does go out.
    bench.field<QComboBox>("comboBox_GPI1")->setCurrentIndex(4);
    const QList<QByteArray> got = MainMenuBench::waitCommands(bench.device, 1);
    QCOMPARE(got, QList<QByteArray>{expectedFrame(kMainA, 0x6E, bytes({0, 4}))});
}

void TestMainMenuWire::displayOnlyFieldsSendNothing()
{
    MainMenuBench bench(0x28);
    bench.field<QSpinBox>("spinBoxAudioDelay")->setValue(120);
    bench.field<QSpinBox>("spinBoxLineGain")->setValue(9);
    bench.field<QSpinBox>("spinBoxMIC")->setValue(-3);
    bench.field<QComboBox>("combEncoding")->setCurrentIndex(0);
    bench.field<QComboBox>("combStorageType")->setCurrentIndex(2);
    bench.field<QComboBox>("combStreamType")->setCurrentIndex(-1);
    // The stream index is not wired in the first two seconds either.
    bench.field<QComboBox>("combIndex")->setCurrentIndex(5);
    bench.field<QLineEdit>("combName")->setText(QStringLiteral("studio"));

    const QList<QByteArray> sent = bench.sentUpToMarker(bench.device);
    QCOMPARE(sent.size(), 1);
    QCOMPARE(quint8(sent.first().at(16)), quint8(0x6C));
}

void TestMainMenuWire::resetSendsAndEndsThePanel()
{
    MainMenuBench bench(0x28);
    QSignalSpy exits(bench.fun.get(), &onlyFun::ExitSignals);
    QTest::mouseClick(bench.field<QPushButton>("btnReset"), Qt::LeftButton);
    QCOMPARE(exits.count(), 1);
    const QList<QByteArray> got = MainMenuBench::waitCommands(bench.device, 1);
    QCOMPARE(got, QList<QByteArray>{expectedFrame(kMainA, 0x0B, QByteArray())});
}

void TestMainMenuWire::ipSave_data()
{
    QTest::addColumn<quint32>("devType");
    QTest::addColumn<bool>("makeStatic");
    QTest::addColumn<QString>("dns");
    QTest::addColumn<QByteArray>("record");

    // ip 127.0.0.3, mask 255.255.255.0, gateway 127.0.0.1, mode, [dns]
    QTest::newRow("4K, static, no DNS field")
        << 0x69u << true << QString() << bytes({127, 0, 0, 3, 255, 255, 255, 0, 127, 0, 0, 1, 0});
    QTest::newRow("4K, dynamic") << 0x69u << false << QString()
                                 << bytes({127, 0, 0, 3, 255, 255, 255, 0, 127, 0, 0, 1, 1});
    QTest::newRow("Vy, empty DNS takes 8.8.8.8")
        << 0x28u << true << QString() << bytes({127, 0, 0, 3, 255, 255, 255, 0, 127, 0, 0, 1, 0, 8, 8, 8, 8});
    QTest::newRow("Vy, DNS given") << 0x28u << true << QStringLiteral("1.1.1.1")
                                   << bytes({127, 0, 0, 3, 255, 255, 255, 0, 127, 0, 0, 1, 0, 1, 1, 1, 1});
}

// The set-IP frame goes to the old address; the next command to the new one.
void TestMainMenuWire::ipSave()
{
    QFETCH(quint32, devType);
    QFETCH(bool, makeStatic);
    QFETCH(QString, dns);
    QFETCH(QByteArray, record);

    MainMenuBench bench(devType);
    UdpCapture moved(QHostAddress(QStringLiteral("127.0.0.3")), 7000);
    QVERIFY(moved.isBound());
    QSignalSpy dnsSaves(bench.window.get(), &MainMenu::saveIP_DNS_Signals);
    if (makeStatic)
        bench.field<QComboBox>("comboBoxIPA")->setCurrentIndex(0);
    // With "Dynamic" the read-only fields are still sent; the text is set as the device would have it.
    bench.field<QLineEdit>("lineIP")->setText(QStringLiteral("127.0.0.3"));
    if (!dns.isEmpty())
        bench.field<QLineEdit>("lineDNS")->setText(dns);
    QTest::mouseClick(bench.field<QPushButton>("btnSave"), Qt::LeftButton);

    const QList<QByteArray> got = MainMenuBench::waitCommands(bench.device, 1);
    QCOMPARE(got.size(), 1);
    QCOMPARE(got.first().size(), record.size() == 17 ? 37 : 33);
    QCOMPARE(got.first().toHex(' '), expectedFrame(kMainA, 0x05, record, 0x00).toHex(' '));
    if (record.size() == 17) {
        QCOMPARE(dnsSaves.count(), 1);
        QCOMPARE(dnsSaves.first().at(3).toString(), dns.isEmpty() ? QStringLiteral("8.8.8.8") : dns);
    }

    const QList<QByteArray> after = bench.sentUpToMarker(moved);
    QCOMPARE(after.size(), 1);
    QCOMPARE(MainMenuBench::commands(bench.device).size(), 0);
}

void TestMainMenuWire::ipSaveKeepsStoredGatewayForEmptyField()
{
    MainMenuBench bench(0x69);
    bench.field<QComboBox>("comboBoxIPA")->setCurrentIndex(0);
    bench.field<QLineEdit>("lineGateWay")->clear();
    QTest::mouseClick(bench.field<QPushButton>("btnSave"), Qt::LeftButton);
    const QList<QByteArray> got = MainMenuBench::waitCommands(bench.device, 1);
    QCOMPARE(got.size(), 1);
    QCOMPARE(got.first(),
             expectedFrame(kMainA, 0x05, bytes({127, 0, 0, 2, 255, 255, 255, 0, 127, 0, 0, 1, 0}), 0x00));
}

void TestMainMenuWire::badAddressIsRefused_data()
{
    QTest::addColumn<quint32>("devType");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("text");

    QTest::newRow("IP part over 255") << 0x69u << "lineIP" << "127.0.0.300";
    QTest::newRow("IP left half typed") << 0x69u << "lineIP" << "127.0.0.";
    QTest::newRow("netmask with a letter") << 0x69u << "lineMask" << "255.255.x.0";
    QTest::newRow("gateway of five parts") << 0x28u << "lineGateWay" << "127.0.0.1.5";
    QTest::newRow("DNS host name") << 0x28u << "lineDNS" << "dns.local";
}

void TestMainMenuWire::badAddressIsRefused()
{
    QFETCH(quint32, devType);
    QFETCH(QString, field);
    QFETCH(QString, text);

    MainMenuBench bench(devType);
    QSignalSpy saves(bench.window.get(), &MainMenu::saveIP_Signals);
    QSignalSpy dnsSaves(bench.window.get(), &MainMenu::saveIP_DNS_Signals);
    bench.field<QComboBox>("comboBoxIPA")->setCurrentIndex(0);
    // setText passes the validator by, as a paste of half-typed text would leave the field.
    bench.field<QLineEdit>(field.toLatin1().constData())->setText(text);
    QTest::mouseClick(bench.field<QPushButton>("btnSave"), Qt::LeftButton);

    QCOMPARE(saves.count() + dnsSaves.count(), 0);
    // The marker still reaches the old address: nothing was sent and the target is unchanged.
    const QList<QByteArray> sent = bench.sentUpToMarker(bench.device);
    QCOMPARE(sent.size(), 1);
}

QTEST_MAIN(TestMainMenuWire)
#include "tst_mainmenu_wire.moc"
