// The settings window's form and model rules, the device values it shows,
// and the rules that lock and colour its fields. No controller: nothing is sent.

#include "main_menu.h"
#include "model_tables.h"
#include "support_page.h"
#include "zv_resources.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QWheelEvent>
#include <QtTest>

#include <memory>

namespace {

const char kWhite[] = "color: #FFFFFF;";
const char kGrey[] = "color: #787878;";

QList<QUrl> g_opened;

bool recordUrl(const QUrl& url)
{
    g_opened << url;
    return true;
}

QStringList itemsOf(const QComboBox* box)
{
    QStringList items;
    for (int i = 0; i < box->count(); ++i)
        items << box->itemText(i);
    return items;
}

bool isWhite(const QLabel* label)
{
    return label->styleSheet().endsWith(QLatin1String(kWhite));
}

bool isGrey(const QLabel* label)
{
    return label->styleSheet().endsWith(QLatin1String(kGrey));
}

void wheel(QWidget* w, int delta)
{
    const QPointF pos(w->width() / 2.0, w->height() / 2.0);
    QWheelEvent ev(pos, w->mapToGlobal(pos.toPoint()), QPoint(), QPoint(0, delta), Qt::NoButton, Qt::NoModifier,
                   Qt::NoScrollPhase, false);
    QApplication::sendEvent(w, &ev);
}

}  // namespace

class TestMainMenuForm : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void modelRules_data();
    void modelRules();
    void typeWithoutRow();
    void wheelOverSpinAndComboChangesNothing();
    void deviceAddressFillsFields_data();
    void deviceAddressFillsFields();
    void ipAcquisitionLocksFields();
    void fanModeLocksSpeed();
    void setters();
    void outputFormat();
    void recStreamValues();
    void outOfRangeIndexSelectsNothing();
    void backAndHelp();
    void textFieldsLimited();

private:
    std::unique_ptr<MainMenu> make(quint32 type)
    {
        DEV_CHILD_TYPE = type;
        return std::make_unique<MainMenu>(nullptr, nullptr);
    }
    template <typename T>
    static T* f(const std::unique_ptr<MainMenu>& w, const char* name)
    {
        T* child = w->findChild<T*>(QLatin1String(name));
        if (!child)
            qFatal("no field %s", name);
        return child;
    }
    const quint32* savedTable = nullptr;
    quint32 savedMax = 0;
};

void TestMainMenuForm::initTestCase()
{
    zvInitResources();
    qRegisterMetaType<uint8_t>("uint8_t");
}

void TestMainMenuForm::init()
{
    savedTable = PGM_TABLE_POINT;
    savedMax = Maxpgm;
}

void TestMainMenuForm::cleanup()
{
    PGM_TABLE_POINT = savedTable;
    Maxpgm = savedMax;
    PGM_CURRENT_VAL = 0;
}

void TestMainMenuForm::modelRules_data()
{
    QTest::addColumn<quint32>("type");
    QTest::addColumn<bool>("stream");
    QTest::addColumn<QStringList>("gpi");
    QTest::addColumn<QStringList>("pgm");
    QTest::addColumn<bool>("hdr");
    QTest::addColumn<bool>("ipEditable");

    const QStringList gpi11{"OFF", "PGM1", "PGM2", "PGM3", "PGM4", "BAR", "CUT", "AUTO", "MUTE", "FTB", "STILL"};
    QStringList gpi21 = gpi11;
    for (int i = 1; i <= 10; ++i)
        gpi21 << QStringLiteral("WIPE%1").arg(i);
    const QStringList fmt1080{"1080P60", "1080P50", "1080I60", "1080I50", "1080P30", "1080P25", "1080P24"};
    const QStringList fmt2160{"2160P60", "2160P50", "2160P30", "2160P25", "2160P24"};
    QStringList gpi28{"OFF"};
    for (int i = 1; i <= 12; ++i)
        gpi28 << QStringLiteral("PGM%1").arg(i);
    gpi28 << "CUT" << "AUTO" << "MUTE" << "FTB" << "STLm";
    for (int i = 1; i <= 10; ++i)
        gpi28 << QStringLiteral("WIPE%1").arg(i);
    QStringList gpi23{"OFF", "PGM1", "PGM2", "PGM3", "PGM4", "PGM5", "PGM6", "BAR", "CUT", "AUTO", "MUTE", "FTB", "STLm"};
    for (int i = 1; i <= 10; ++i)
        gpi23 << QStringLiteral("WIPE%1").arg(i);

    QTest::newRow("0x27 Vy") << 0x27u << true << gpi11 << fmt1080 << false << false;
    QTest::newRow("0x28 Vy") << 0x28u << true << gpi11 << fmt1080 << false << true;
    QTest::newRow("0x69 4K") << 0x69u << false << gpi21 << fmt2160 << true << true;
    QTest::newRow("0x04 twelve inputs") << 0x04u << true << gpi28 << fmt1080 << false << false;
    QTest::newRow("0x29 six inputs") << 0x29u << true << gpi23 << fmt1080 << false << false;
    QTest::newRow("0x4F no GPI") << 0x4Fu << false << QStringList() << fmt1080 << false << true;
}

void TestMainMenuForm::modelRules()
{
    QFETCH(quint32, type);
    QFETCH(bool, stream);
    QFETCH(QStringList, gpi);
    QFETCH(QStringList, pgm);
    QFETCH(bool, hdr);
    QFETCH(bool, ipEditable);

    auto w = make(type);
    QCOMPARE(w->streamDnsEnabled(), stream);

    for (const char* name : {"lineDNS", "label_27", "label_7", "label_10", "label_17", "label_20", "label_8", "label_9",
                             "label_18", "label_19", "label_21", "lineStreamIP", "combIndex", "combRtmpRate",
                             "combVideoQuality", "combStorageType", "combName", "combURL", "combEncoding",
                             "combStreamType"})
        QVERIFY2(f<QWidget>(w, name)->isHidden() == !stream, name);
    for (int n = 1; n <= 6; ++n) {
        const QByteArray box = "comboBox_GPI" + QByteArray::number(n);
        QCOMPARE(itemsOf(f<QComboBox>(w, box.constData())), gpi);
        const QByteArray label = "label_1" + QByteArray::number(n);
        QCOMPARE(isWhite(f<QLabel>(w, label.constData())), !gpi.isEmpty());
    }
    QCOMPARE(itemsOf(f<QComboBox>(w, "comboBoxPGM")), pgm);
    QCOMPARE(f<QWidget>(w, "comboBoxHDR_CFG")->isHidden(), !hdr);
    QCOMPARE(f<QWidget>(w, "label_26")->isHidden(), !hdr);
    QCOMPARE(f<QWidget>(w, "comboBoxIPA")->isEnabled(), ipEditable);
    QCOMPARE(f<QWidget>(w, "btnSave")->isEnabled(), ipEditable);
    QCOMPARE(isWhite(f<QLabel>(w, "label_2")), ipEditable);
}

void TestMainMenuForm::typeWithoutRow()
{
    auto w = make(0x31);
    QVERIFY(!w->streamDnsEnabled());
    for (QWidget* child : w->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly))
        QVERIFY2(!child->isHidden(), qPrintable(child->objectName()));
    QCOMPARE(f<QComboBox>(w, "comboBox_GPI1")->count(), 0);
    QCOMPARE(f<QComboBox>(w, "comboBoxPGM")->count(), 0);
    QVERIFY(f<QWidget>(w, "comboBoxIPA")->isEnabled());
    QVERIFY(f<QWidget>(w, "btnSave")->isEnabled());
}

void TestMainMenuForm::wheelOverSpinAndComboChangesNothing()
{
    auto w = make(0x28);
    QSpinBox* delay = f<QSpinBox>(w, "spinBoxAudioDelay");
    QComboBox* quality = f<QComboBox>(w, "combVideoQuality");
    wheel(delay, 120);
    wheel(quality, -120);
    QCOMPARE(delay->value(), 0);
    QCOMPARE(quality->currentIndex(), 1);

    // Other events still reach the filtered fields.
    QEvent enter(QEvent::Enter);
    QVERIFY(!w->eventFilter(delay, &enter));
    const QPointF at(5, 5);
    QWheelEvent turn(at, at, QPoint(), QPoint(0, 120), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QVERIFY(!w->eventFilter(f<QLineEdit>(w, "lineIP"), &turn));
    QVERIFY(w->eventFilter(f<QComboBox>(w, "comboBoxPGM"), &turn));
}

void TestMainMenuForm::deviceAddressFillsFields_data()
{
    QTest::addColumn<quint32>("type");
    QTest::addColumn<QString>("streamIp");
    QTest::newRow("Vy shows the stream IP") << 0x28u << "10.0.0.7";
    QTest::newRow("4K has none") << 0x69u << "";
}

void TestMainMenuForm::deviceAddressFillsFields()
{
    QFETCH(quint32, type);
    QFETCH(QString, streamIp);
    auto w = make(type);
    w->getDevIP(QStringLiteral("10.0.0.7"));
    QCOMPARE(f<QLineEdit>(w, "lineIP")->text(), QStringLiteral("10.0.0.7"));
    QCOMPARE(f<QLineEdit>(w, "lineMask")->text(), QStringLiteral("255.255.255.0"));
    QCOMPARE(f<QLineEdit>(w, "lineGateWay")->text(), QStringLiteral("10.0.0.1"));
    QCOMPARE(f<QLabel>(w, "lineStreamIP")->text(), streamIp);
    QVERIFY(f<QLineEdit>(w, "lineDNS")->text().isEmpty());
}

void TestMainMenuForm::ipAcquisitionLocksFields()
{
    auto w = make(0x28);
    QSignalSpy saves(w.get(), &MainMenu::saveIP_DNS_Signals);
    w->getDevIP(QStringLiteral("192.168.1.20"));
    const char* edits[] = {"lineIP", "lineMask", "lineGateWay", "lineDNS"};
    const char* labels[] = {"label_3", "label_5", "label_24", "label_27"};
    QComboBox* mode = f<QComboBox>(w, "comboBoxIPA");
    for (int round = 0; round < 2; ++round) {
        for (const char* e : edits)
            QVERIFY2(f<QLineEdit>(w, e)->isReadOnly(), e);
        for (const char* l : labels)
            QVERIFY2(isGrey(f<QLabel>(w, l)), l);
        QTest::mouseClick(f<QPushButton>(w, "btnSave"), Qt::LeftButton);
        mode->setCurrentIndex(0);
        for (const char* e : edits)
            QVERIFY2(!f<QLineEdit>(w, e)->isReadOnly(), e);
        for (const char* l : labels)
            QVERIFY2(isWhite(f<QLabel>(w, l)), l);
        QTest::mouseClick(f<QPushButton>(w, "btnSave"), Qt::LeftButton);
        mode->setCurrentIndex(1);
    }
    QCOMPARE(saves.count(), 4);
    QCOMPARE(saves.at(0).at(4).toInt(), 1);
    QCOMPARE(saves.at(1).at(4).toInt(), 0);
    QCOMPARE(saves.at(1).at(0).toString(), QStringLiteral("192.168.1.20"));
    QCOMPARE(saves.at(1).at(2).toString(), QStringLiteral("192.168.1.1"));
    QCOMPARE(saves.at(1).at(3).toString(), QStringLiteral("8.8.8.8"));
}

void TestMainMenuForm::fanModeLocksSpeed()
{
    auto w = make(0x28);
    QSpinBox* speed = f<QSpinBox>(w, "spinBox_fanSpeed");
    QLabel* label = f<QLabel>(w, "label_6");
    QVERIFY(speed->isReadOnly());
    w->set_fanCtrl_Value(1);
    QVERIFY(!speed->isReadOnly());
    QVERIFY(isWhite(label));
    w->set_fanCtrl_Value(0);
    QVERIFY(speed->isReadOnly());
    QVERIFY(isGrey(label));
    w->set_fanCtrl_Value(7);
    QCOMPARE(f<QComboBox>(w, "comboBox_fanCtrl")->currentIndex(), -1);
    QVERIFY(speed->isReadOnly());
}

void TestMainMenuForm::setters()
{
    auto w = make(0x69);
    QSpinBox* speed = f<QSpinBox>(w, "spinBox_fanSpeed");
    w->set_fanSpeed_Value(1, 44);
    QCOMPARE(speed->value(), 300);
    w->set_fanSpeed_Value(0, 100);
    QCOMPARE(speed->value(), 150);
    w->set_fanSpeed_Value(1, 144);
    QCOMPARE(speed->value(), 400);

    QSpinBox* gain = f<QSpinBox>(w, "spinBoxLineGain");
    QVERIFY(gain->isEnabled());
    w->set_LineGain_Value(8);
    QCOMPARE(gain->value(), 24);
    QVERIFY(!gain->isEnabled());

    QSpinBox* mic = f<QSpinBox>(w, "spinBoxMIC");
    w->set_MIC_Value(0);
    QCOMPARE(mic->value(), -18);
    w->set_MIC_Value(38);
    QCOMPARE(mic->value(), 20);
    w->set_MIC_Value(200);
    QCOMPARE(mic->value(), 32);

    QSpinBox* delay = f<QSpinBox>(w, "spinBoxAudioDelay");
    w->set_AudioDelay_Value(180);
    QCOMPARE(delay->value(), 180);
    QVERIFY(!delay->isEnabled());

    w->set_HDR_ON_Value(3);
    QCOMPARE(f<QComboBox>(w, "comboBoxHDR_CFG")->currentText(), QStringLiteral("HLG"));
    w->set_GPI4_Value(12);
    QCOMPARE(f<QComboBox>(w, "comboBox_GPI4")->currentText(), QStringLiteral("WIPE2"));
    w->set_GPI6_Value(0);
    QCOMPARE(f<QComboBox>(w, "comboBox_GPI6")->currentText(), QStringLiteral("OFF"));
}

void TestMainMenuForm::outputFormat()
{
    auto w = make(0x69);
    QComboBox* pgm = f<QComboBox>(w, "comboBoxPGM");
    PGM_TABLE_POINT = nullptr;
    pgm->setCurrentIndex(1);
    w->set_PGM_Style(13);
    QCOMPARE(pgm->currentIndex(), 1);

    PGM_TABLE_POINT = PGM_TABLE_2;
    Maxpgm = 5;
    PGM_CURRENT_VAL = 0;
    w->set_PGM_Style(13);
    QCOMPARE(pgm->currentText(), QStringLiteral("2160P25"));
    QCOMPARE(PGM_CURRENT_VAL, 3u);
    // 9 is a 1080-line code: the current format is selected again.
    pgm->setCurrentIndex(0);
    w->set_PGM_Style(9);
    QCOMPARE(pgm->currentText(), QStringLiteral("2160P25"));
    QCOMPARE(PGM_CURRENT_VAL, 3u);
    // Codes past the used entries do not count.
    w->set_PGM_Style(0);
    QCOMPARE(PGM_CURRENT_VAL, 3u);
}

void TestMainMenuForm::recStreamValues()
{
    auto w = make(0x28);
    w->setRecStreamValue(2, 4, 3, 0, 1);
    QCOMPARE(f<QComboBox>(w, "combIndex")->currentText(), QStringLiteral("3"));
    QCOMPARE(f<QComboBox>(w, "combRtmpRate")->currentText(), QStringLiteral("5 Mbps"));
    QCOMPARE(f<QComboBox>(w, "combVideoQuality")->currentText(), QStringLiteral("Uitra High"));
    QCOMPARE(f<QComboBox>(w, "combEncoding")->currentText(), QStringLiteral("CBR"));
    QCOMPARE(f<QComboBox>(w, "combStorageType")->currentText(), QStringLiteral("USB"));
    QVERIFY(!f<QWidget>(w, "combStorageType")->isEnabled());

    w->setStreamServer(7);
    w->setStreamBitRate(9);
    w->set_Qualityty_Value(0);
    w->set_Encoding_Value(1);
    w->set_StorageType_Value(2);
    QCOMPARE(f<QComboBox>(w, "combIndex")->currentText(), QStringLiteral("8"));
    QCOMPARE(f<QComboBox>(w, "combRtmpRate")->currentText(), QStringLiteral("10 Mbps"));
    QCOMPARE(f<QComboBox>(w, "combVideoQuality")->currentText(), QStringLiteral("Low"));
    QCOMPARE(f<QComboBox>(w, "combEncoding")->currentText(), QStringLiteral("VBR"));
    QCOMPARE(f<QComboBox>(w, "combStorageType")->currentText(), QStringLiteral("HARD"));
}

void TestMainMenuForm::outOfRangeIndexSelectsNothing()
{
    auto w = make(0x27);
    w->set_GPI2_Value(11);  // the Vy list has 11 items
    QCOMPARE(f<QComboBox>(w, "comboBox_GPI2")->currentIndex(), -1);
    w->setRecStreamValue(9, 10, 4, 2, 3);
    QCOMPARE(f<QComboBox>(w, "combIndex")->currentIndex(), -1);
    QCOMPARE(f<QComboBox>(w, "combRtmpRate")->currentIndex(), -1);
    QCOMPARE(f<QComboBox>(w, "combStorageType")->currentIndex(), -1);
}

void TestMainMenuForm::backAndHelp()
{
    auto w = make(0x69);
    QSignalSpy back(w.get(), &MainMenu::goBack);
    QTest::mouseClick(f<QPushButton>(w, "btn_back"), Qt::LeftButton);
    QCOMPARE(back.count(), 1);

    g_opened.clear();
    const SupportPageOpener previous = setSupportPageOpener(&recordUrl);
    QTest::mouseClick(f<QPushButton>(w, "btn_help"), Qt::LeftButton);
    setSupportPageOpener(previous);
    QCOMPARE(g_opened.size(), 1);
    QCOMPARE(g_opened.first(), QUrl(QString::fromLatin1(kSupportPageUrl)));
}

void TestMainMenuForm::textFieldsLimited()
{
    auto w = make(0x28);
    QLineEdit* name = f<QLineEdit>(w, "combName");
    QLineEdit* url = f<QLineEdit>(w, "combURL");
    QTest::keyClicks(name, QStringLiteral("abcdefghijklmnopqrstuvwxyz"));
    QCOMPARE(name->text(), QStringLiteral("abcdefghijklmnop"));
    url->setText(QString(800, QLatin1Char('u')));
    QCOMPARE(url->text().size(), 768);
}

QTEST_MAIN(TestMainMenuForm)
#include "tst_mainmenu_form.moc"
