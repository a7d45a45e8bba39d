// The settings window's model rules, the device values it shows, and the rules
// that lock its fields. No controller: nothing is sent.

#include "main_menu.h"
#include "widget_events.h"
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

#include <functional>
#include <memory>

using M = MainMenu;
using Set = std::function<void(M&)>;
Q_DECLARE_METATYPE(Set)

namespace {

QList<QUrl> g_opened;

bool recordUrl(const QUrl& url)
{
    g_opened << url;
    return true;
}

bool isWhite(const QLabel* label)
{
    return label->styleSheet().endsWith(QLatin1String("color: #FFFFFF;"));
}

// What a field shows: a combo box's item text, a spin box's value, a line's text.
QString shown(QWidget* w)
{
    if (auto* box = qobject_cast<QComboBox*>(w))
        return box->currentText();
    if (auto* box = qobject_cast<QSpinBox*>(w))
        return QString::number(box->value());
    return qobject_cast<QLineEdit*>(w)->text();
}

} // namespace

class TestMainMenuForm : public QObject
{
    Q_OBJECT

    std::unique_ptr<MainMenu> make(quint32 type)
    {
        DEV_CHILD_TYPE = type;
        return std::make_unique<MainMenu>(nullptr, nullptr);
    }
    template <typename T = QWidget>
    static T* f(const std::unique_ptr<MainMenu>& w, const char* name) { return namedChild<T>(w.get(), name); }
    const quint32* savedTable = nullptr;
    quint32 savedMax = 0;

private slots:
    void initTestCase()
    {
        zvInitResources();
        qRegisterMetaType<uint8_t>("uint8_t");
    }
    void init()
    {
        savedTable = PGM_TABLE_POINT;
        savedMax = Maxpgm;
    }
    void cleanup()
    {
        PGM_TABLE_POINT = savedTable;
        Maxpgm = savedMax;
        PGM_CURRENT_VAL = 0;
    }

    void modelRules_data()
    {
        QTest::addColumn<quint32>("type");
        QTest::addColumn<bool>("stream");
        QTest::addColumn<int>("gpiItems");
        QTest::addColumn<QString>("pgmFirst");
        QTest::addColumn<bool>("hdr");
        QTest::addColumn<bool>("ipEditable");
        QTest::newRow("0x27 Vy") << 0x27u << true << 11 << "1080P60" << false << false;
        QTest::newRow("0x28 Vy") << 0x28u << true << 11 << "1080P60" << false << true;
        QTest::newRow("0x69 4K") << 0x69u << false << 21 << "2160P60" << true << true;
        QTest::newRow("0x04 twelve inputs") << 0x04u << true << 28 << "1080P60" << false << false;
        QTest::newRow("0x29 six inputs") << 0x29u << true << 23 << "1080P60" << false << false;
        QTest::newRow("0x4F no GPI") << 0x4Fu << false << 0 << "1080P60" << false << true;
    }
    void modelRules()
    {
        QFETCH(quint32, type);
        QFETCH(bool, stream);
        QFETCH(int, gpiItems);
        QFETCH(QString, pgmFirst);
        QFETCH(bool, hdr);
        QFETCH(bool, ipEditable);
        auto w = make(type);
        QCOMPARE(w->streamDnsEnabled(), stream);
        for (const char* name : {"lineDNS", "label_27", "label_7", "label_10", "label_17", "label_20", "label_8",
                                 "label_9", "label_18", "label_19", "label_21", "lineStreamIP", "combIndex",
                                 "combRtmpRate", "combVideoQuality", "combStorageType", "combName", "combURL",
                                 "combEncoding", "combStreamType"})
            QVERIFY2(f(w, name)->isHidden() == !stream, name);
        for (int n = 1; n <= 6; ++n) {
            QCOMPARE(f<QComboBox>(w, qPrintable(QStringLiteral("comboBox_GPI%1").arg(n)))->count(), gpiItems);
            QCOMPARE(isWhite(f<QLabel>(w, qPrintable(QStringLiteral("label_1%1").arg(n)))), gpiItems > 0);
        }
        QCOMPARE(f<QComboBox>(w, "comboBoxPGM")->itemText(0), pgmFirst);
        QCOMPARE(f(w, "comboBoxHDR_CFG")->isHidden(), !hdr);
        QCOMPARE(f(w, "label_26")->isHidden(), !hdr);
        QCOMPARE(f(w, "comboBoxIPA")->isEnabled(), ipEditable);
        QCOMPARE(f(w, "btnSave")->isEnabled(), ipEditable);
    }

    void typeWithoutRow()
    {
        auto w = make(0x31);
        QVERIFY(!w->streamDnsEnabled());
        for (QWidget* child : w->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly))
            QVERIFY2(!child->isHidden(), qPrintable(child->objectName()));
        QCOMPARE(f<QComboBox>(w, "comboBox_GPI1")->count(), 0);
        QCOMPARE(f<QComboBox>(w, "comboBoxPGM")->count(), 0);
        QVERIFY(f(w, "comboBoxIPA")->isEnabled() && f(w, "btnSave")->isEnabled());
    }

    void wheelOverSpinAndComboChangesNothing()
    {
        auto w = make(0x28);
        const QPointF at(5, 5);
        QWheelEvent up(at, at, QPoint(), QPoint(0, 120), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QWheelEvent down(at, at, QPoint(), QPoint(0, -120), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(f(w, "spinBoxAudioDelay"), &up);
        QApplication::sendEvent(f(w, "combVideoQuality"), &down);
        QVERIFY(!w->eventFilter(f(w, "lineIP"), &up));
        QCOMPARE(f<QSpinBox>(w, "spinBoxAudioDelay")->value(), 0);
        QCOMPARE(f<QComboBox>(w, "combVideoQuality")->currentIndex(), 1);
        // Other events still reach the filtered fields.
        QEvent enter(QEvent::Enter);
        QVERIFY(!w->eventFilter(f(w, "spinBoxAudioDelay"), &enter));
    }

    void deviceAddressFillsFields()
    {
        for (quint32 type : {0x28u, 0x69u}) {
            auto w = make(type);
            w->getDevIP(QStringLiteral("10.0.0.7"));
            QCOMPARE(f<QLineEdit>(w, "lineIP")->text(), QStringLiteral("10.0.0.7"));
            QCOMPARE(f<QLineEdit>(w, "lineMask")->text(), QStringLiteral("255.255.255.0"));
            QCOMPARE(f<QLineEdit>(w, "lineGateWay")->text(), QStringLiteral("10.0.0.1"));
            // Only the Vy editions have a stream board to show.
            QCOMPARE(f<QLabel>(w, "lineStreamIP")->text(), type == 0x28u ? QStringLiteral("10.0.0.7") : QString());
            QVERIFY(f<QLineEdit>(w, "lineDNS")->text().isEmpty());
        }
    }

    void ipAcquisitionLocksFields()
    {
        auto w = make(0x28);
        QSignalSpy saves(w.get(), &MainMenu::saveIP_DNS_Signals);
        w->getDevIP(QStringLiteral("192.168.1.20"));
        QComboBox* mode = f<QComboBox>(w, "comboBoxIPA");
        for (int round = 0; round < 2; ++round) {
            for (int dynamic : {1, 0}) {
                for (const char* e : {"lineIP", "lineMask", "lineGateWay", "lineDNS"})
                    QVERIFY2(f<QLineEdit>(w, e)->isReadOnly() == bool(dynamic), e);
                QCOMPARE(isWhite(f<QLabel>(w, "label_3")), !dynamic);
                QTest::mouseClick(f<QPushButton>(w, "btnSave"), Qt::LeftButton);
                mode->setCurrentIndex(dynamic ? 0 : 1);
            }
        }
        QCOMPARE(saves.count(), 4);
        QCOMPARE(saves.at(0).at(4).toInt(), 1);
        const QList<QVariant> staticSave = saves.at(1);
        QCOMPARE(staticSave.at(4).toInt(), 0);
        QCOMPARE(staticSave.at(0).toString(), QStringLiteral("192.168.1.20"));
        QCOMPARE(staticSave.at(2).toString(), QStringLiteral("192.168.1.1"));
        QCOMPARE(staticSave.at(3).toString(), QStringLiteral("8.8.8.8"));
    }

    void fanModeLocksSpeed()
    {
        auto w = make(0x28);
        QSpinBox* speed = f<QSpinBox>(w, "spinBox_fanSpeed");
        QVERIFY(speed->isReadOnly());
        w->set_fanCtrl_Value(1);
        QVERIFY(!speed->isReadOnly() && isWhite(f<QLabel>(w, "label_6")));
        w->set_fanCtrl_Value(0);
        QVERIFY(speed->isReadOnly() && !isWhite(f<QLabel>(w, "label_6")));
        w->set_fanCtrl_Value(7);
        QCOMPARE(f<QComboBox>(w, "comboBox_fanCtrl")->currentIndex(), -1);
        QVERIFY(speed->isReadOnly());
    }

    void setters_data()
    {
        QTest::addColumn<quint32>("type");
        QTest::addColumn<Set>("set");
        QTest::addColumn<QStringList>("fields"); // "name=shown", or "name off" for a locked field
        const auto row = [](const char* name, quint32 type, Set set, QStringList fields) {
            QTest::newRow(name) << type << set << fields;
        };
        row("fan speed high*256+low", 0x69, [](M& w) { w.set_fanSpeed_Value(1, 44); }, {"spinBox_fanSpeed=300"});
        row("fan speed below the range", 0x69, [](M& w) { w.set_fanSpeed_Value(0, 100); }, {"spinBox_fanSpeed=150"});
        row("fan speed above the range", 0x69, [](M& w) { w.set_fanSpeed_Value(1, 144); }, {"spinBox_fanSpeed=400"});
        row("line gain x3, locked", 0x69, [](M& w) { w.set_LineGain_Value(8); },
            {"spinBoxLineGain=24", "spinBoxLineGain off"});
        row("microphone 0", 0x69, [](M& w) { w.set_MIC_Value(0); }, {"spinBoxMIC=-18"});
        row("microphone 38", 0x69, [](M& w) { w.set_MIC_Value(38); }, {"spinBoxMIC=20"});
        row("microphone past the range", 0x69, [](M& w) { w.set_MIC_Value(200); }, {"spinBoxMIC=32"});
        row("audio delay, locked", 0x69, [](M& w) { w.set_AudioDelay_Value(180); },
            {"spinBoxAudioDelay=180", "spinBoxAudioDelay off"});
        row("HDR 3", 0x69, [](M& w) { w.set_HDR_ON_Value(3); }, {"comboBoxHDR_CFG=HLG"});
        row("GPI4 12 and GPI6 0", 0x69, [](M& w) { w.set_GPI4_Value(12); w.set_GPI6_Value(0); },
            {"comboBox_GPI4=WIPE2", "comboBox_GPI6=OFF"});
        row("GPI past the Vy list", 0x27, [](M& w) { w.set_GPI2_Value(11); }, {"comboBox_GPI2="});
        row("record and stream values", 0x28, [](M& w) { w.setRecStreamValue(2, 4, 3, 0, 1); },
            {"combIndex=3", "combRtmpRate=5 Mbps", "combVideoQuality=Uitra High", "combEncoding=CBR",
             "combStorageType=USB", "combStorageType off"});
        row("record and stream values past the lists", 0x27, [](M& w) { w.setRecStreamValue(9, 10, 4, 2, 3); },
            {"combIndex=", "combRtmpRate=", "combStorageType="});
        row("one value at a time", 0x28,
            [](M& w) {
                w.setStreamServer(7);
                w.setStreamBitRate(9);
                w.set_Qualityty_Value(0);
                w.set_Encoding_Value(1);
                w.set_StorageType_Value(2);
            },
            {"combIndex=8", "combRtmpRate=10 Mbps", "combVideoQuality=Low", "combEncoding=VBR",
             "combStorageType=HARD"});
    }
    void setters()
    {
        QFETCH(quint32, type);
        QFETCH(Set, set);
        QFETCH(QStringList, fields);
        auto w = make(type);
        set(*w);
        for (const QString& field : fields) {
            const int eq = field.indexOf(QLatin1Char('='));
            QWidget* widget = f(w, qPrintable(field.section(eq < 0 ? QLatin1Char(' ') : QLatin1Char('='), 0, 0)));
            if (eq >= 0)
                QCOMPARE(shown(widget), field.mid(eq + 1));
            else
                QVERIFY2(!widget->isEnabled(), qPrintable(field));
        }
    }

    void outputFormat()
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
        // Codes past the used entries do not count.
        w->set_PGM_Style(0);
        QCOMPARE(PGM_CURRENT_VAL, 3u);
    }

    void backAndHelp()
    {
        auto w = make(0x69);
        QSignalSpy back(w.get(), &MainMenu::goBack);
        QTest::mouseClick(f<QPushButton>(w, "btn_back"), Qt::LeftButton);
        QCOMPARE(back.count(), 1);

        g_opened.clear();
        const SupportPageOpener previous = setSupportPageOpener(&recordUrl);
        QTest::mouseClick(f<QPushButton>(w, "btn_help"), Qt::LeftButton);
        setSupportPageOpener(previous);
        QCOMPARE(g_opened, QList<QUrl>{QUrl(QString::fromLatin1(kSupportPageUrl))});
    }

    void textFieldsLimited()
    {
        auto w = make(0x28);
        QLineEdit* name = f<QLineEdit>(w, "combName");
        QTest::keyClicks(name, QStringLiteral("abcdefghijklmnopqrstuvwxyz"));
        QCOMPARE(name->text(), QStringLiteral("abcdefghijklmnop"));
        f<QLineEdit>(w, "combURL")->setText(QString(800, QLatin1Char('u')));
        QCOMPARE(f<QLineEdit>(w, "combURL")->text().size(), 768);
    }
};

QTEST_MAIN(TestMainMenuForm)
#include "tst_mainmenu_form.moc"
