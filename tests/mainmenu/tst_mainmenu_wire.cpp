// What the settings window's fields send to the switcher, and the streaming
// slots: reading a stream-entry reply, writing a slot, the delayed wiring of
// the slot index.

#include "edition_frames.h"
#include "main_menu.h"
#include "widget_events.h"
#include "wire_rig.h"
#include "zv_resources.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTextCodec>
#include <QtTest>

namespace {

using Frames = QStringList;

// The settings window on a quiet controller bound to the stand-in switcher.
struct Bench : rig::Rig
{
    explicit Bench(quint32 devType) : rig::Rig(devType), window(nullptr, fun.get())
    {
        window.getDevIP(rig::kDevice.toString());
    }
    template <typename T>
    T* field(const char* name) { return namedChild<T>(&window, name); }
    MainMenu window;
};

using EditionFrames::streamReply;

// The 808-byte slot write to the stream board: index, name_len, 16-byte name, url_len low byte first, 768-byte URL.
QString slotFrame(quint8 index, const QByteArray& name, const QByteArray& url)
{
    const QByteArray record = QByteArray(1, char(0x67)) + char(index) + char(name.size()) + name.leftJustified(16, '\0')
                              + char(url.size() & 0xFF) + char(url.size() >> 8) + url.leftJustified(768, '\0');
    return QStringLiteral("e0:") + QString::fromLatin1(record.toHex(' '));
}

} // namespace

Q_DECLARE_METATYPE(MainMenu::StreamEntry::Kind)

class TestMainMenuWire : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        zvInitResources();
        // The slot texts travel in the local 8-bit encoding; pin it so byte counts do not follow the machine.
        QTextCodec::setCodecForLocale(QTextCodec::codecForName("UTF-8"));
    }

    void fieldChangeSends_data()
    {
        QTest::addColumn<quint32>("devType");
        QTest::addColumn<QString>("field");
        QTest::addColumn<int>("value");
        QTest::addColumn<Frames>("sent");
        QTest::newRow("GPI1 item 7") << 0x28u << "comboBox_GPI1" << 7 << Frames{"6e 00 07"};
        QTest::newRow("GPI6 item 7") << 0x28u << "comboBox_GPI6" << 7 << Frames{"6e 05 07"};
        QTest::newRow("GPI1 WIPE10 on 4K") << 0x69u << "comboBox_GPI1" << 20 << Frames{"6e 00 14"};
        QTest::newRow("PGM OUT 1080I60") << 0x28u << "comboBoxPGM" << 2 << Frames{"a3 09"};
        QTest::newRow("PGM OUT 2160P25") << 0x69u << "comboBoxPGM" << 3 << Frames{"a3 0d"};
        QTest::newRow("HDR CFG HDR10") << 0x69u << "comboBoxHDR_CFG" << 2 << Frames{"e0 02"};
        QTest::newRow("fan Custom") << 0x28u << "comboBox_fanCtrl" << 1 << Frames{"6c 01"};
        QTest::newRow("fan speed 310") << 0x28u << "spinBox_fanSpeed" << 310 << Frames{"6d 36 01"};
        QTest::newRow("stream rate 5 Mbps") << 0x28u << "combRtmpRate" << 4 << Frames{"e0:31 01 04"};
        QTest::newRow("video quality Uitra High") << 0x28u << "combVideoQuality" << 3 << Frames{"e0:31 00 03"};
        // Wired to nothing: audio delay, line gain, microphone, encoding, storage, stream type; the slot
        // index not in the first two seconds.
        QTest::newRow("audio delay") << 0x28u << "spinBoxAudioDelay" << 120 << Frames();
        QTest::newRow("line gain") << 0x28u << "spinBoxLineGain" << 9 << Frames();
        QTest::newRow("microphone") << 0x28u << "spinBoxMIC" << -3 << Frames();
        QTest::newRow("encoding") << 0x28u << "combEncoding" << 0 << Frames();
        QTest::newRow("storage") << 0x28u << "combStorageType" << 2 << Frames();
        QTest::newRow("stream type") << 0x28u << "combStreamType" << -1 << Frames();
        QTest::newRow("slot index early") << 0x28u << "combIndex" << 5 << Frames();
    }
    void fieldChangeSends()
    {
        QFETCH(quint32, devType);
        QFETCH(QString, field);
        QFETCH(int, value);
        QFETCH(Frames, sent);
        Bench bench(devType);
        QVERIFY(bench.capture.isBound());
        QWidget* w = namedChild(&bench.window, field);
        if (auto* box = qobject_cast<QComboBox*>(w))
            box->setCurrentIndex(value);
        else
            qobject_cast<QSpinBox*>(w)->setValue(value);
        QCOMPARE(bench.frames(), sent);
    }

    // The panels hold the guard while they hand the device's values over.
    void deviceValuesAreNotSentBack()
    {
        Bench bench(0x69);
        {
            DevStateGuard guard;
            bench.window.set_GPI1_Value(3);
            bench.window.set_fanSpeed_Value(1, 144);
            bench.window.set_PGM_Style(13);
        }
        QCOMPARE(bench.field<QComboBox>("comboBox_GPI1")->currentIndex(), 3);
        QCOMPARE(bench.frames(), Frames());
        // The same GPI change by the operator does go out.
        bench.field<QComboBox>("comboBox_GPI1")->setCurrentIndex(4);
        QCOMPARE(bench.frames(), Frames{"6e 00 04"});
    }

    void resetSendsAndEndsThePanel()
    {
        Bench bench(0x28);
        QSignalSpy exits(bench.fun.get(), &onlyFun::ExitSignals);
        QTest::mouseClick(bench.field<QPushButton>("btnReset"), Qt::LeftButton);
        QCOMPARE(exits.count(), 1);
        QCOMPARE(bench.frames(), Frames{"0b"});
    }

    void ipSave_data()
    {
        QTest::addColumn<quint32>("devType");
        QTest::addColumn<bool>("makeStatic");
        QTest::addColumn<QString>("dns");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("moved");  // where the next command goes
        QTest::addColumn<QString>("sent");
        // ip 127.0.0.3, mask 255.255.255.0, gateway 127.0.0.1, mode, [dns]
        const QString head = QStringLiteral("05 7f 00 00 03 ff ff ff 00 7f 00 00 01 ");
        const QString three = QStringLiteral("127.0.0.3");
        QTest::newRow("4K, static, no DNS field") << 0x69u << true << QString() << three << three << head + "00";
        QTest::newRow("4K, dynamic") << 0x69u << false << QString() << three << three << head + "01";
        QTest::newRow("Vy, empty DNS takes 8.8.8.8") << 0x28u << true << QString() << three << three << head + "00 08 08 08 08";
        QTest::newRow("Vy, DNS given") << 0x28u << true << QStringLiteral("1.1.1.1") << three << three << head + "00 01 01 01 01";
        // Leading zeros are decimal, as the frame carries them (read as octal: 127.0.0.8, 127.0.8.1).
        const QString ten = QStringLiteral("127.0.0.10"), tenZeros = QStringLiteral("127.000.000.010");
        QTest::newRow("4K, leading zeros") << 0x69u << true << QString() << tenZeros << ten
                                           << "05 7f 00 00 0a ff ff ff 00 7f 00 00 01 00";
        QTest::newRow("Vy, leading zeros") << 0x28u << true << QString() << "127.0.010.09" << "127.0.10.9"
                                           << "05 7f 00 0a 09 ff ff ff 00 7f 00 00 01 00 08 08 08 08";
    }

    // The set-IP frame goes to the old address; the next command to the new one.
    void ipSave()
    {
        QFETCH(quint32, devType);
        QFETCH(bool, makeStatic);
        QFETCH(QString, dns);
        QFETCH(QString, typed);
        QFETCH(QString, moved);
        QFETCH(QString, sent);
        Bench bench(devType);
        UdpCapture movedTo(QHostAddress(moved), 7000);
        QVERIFY(movedTo.isBound());
        QSignalSpy dnsSaves(&bench.window, &MainMenu::saveIP_DNS_Signals);
        if (makeStatic)
            bench.field<QComboBox>("comboBoxIPA")->setCurrentIndex(0);
        // With "Dynamic" the read-only fields are still sent; the text is set as the device would have it.
        bench.field<QLineEdit>("lineIP")->setText(typed);
        if (!dns.isEmpty())
            bench.field<QLineEdit>("lineDNS")->setText(dns);
        QTest::mouseClick(bench.field<QPushButton>("btnSave"), Qt::LeftButton);

        QVERIFY(bench.capture.waitForCount(1));
        const QList<CapturedDatagram> got = bench.capture.takeAll();
        QCOMPARE(got.size(), 1);
        QCOMPARE(rig::body(got.first().data), sent);
        if (devType == 0x28) // the Vy editions save with a DNS
            QCOMPARE(dnsSaves.value(0).value(3).toString(), dns.isEmpty() ? QStringLiteral("8.8.8.8") : dns);
        QCOMPARE(rig::sentBefore(movedTo, *bench.fun), Frames());
        QCOMPARE(bench.capture.count(), 0);
    }

    void ipSaveKeepsStoredGatewayForEmptyField()
    {
        Bench bench(0x69);
        bench.field<QComboBox>("comboBoxIPA")->setCurrentIndex(0);
        bench.field<QLineEdit>("lineGateWay")->clear();
        QTest::mouseClick(bench.field<QPushButton>("btnSave"), Qt::LeftButton);
        QCOMPARE(bench.frames(), Frames{"05 7f 00 00 02 ff ff ff 00 7f 00 00 01 00"});
    }

    void badAddressIsRefused_data()
    {
        QTest::addColumn<quint32>("devType");
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("text");
        QTest::newRow("IP part over 255") << 0x69u << "lineIP" << "127.0.0.300";
        QTest::newRow("IP left half typed") << 0x69u << "lineIP" << "127.0.0.";
        QTest::newRow("netmask with a letter") << 0x69u << "lineMask" << "255.255.x.0";
        QTest::newRow("gateway of five parts") << 0x28u << "lineGateWay" << "127.0.0.1.5";
        QTest::newRow("DNS host name") << 0x28u << "lineDNS" << "dns.local";
        QTest::newRow("DNS with a trailing dot") << 0x28u << "lineDNS" << "8.8.8.8.";
        QTest::newRow("netmask with a sign") << 0x69u << "lineMask" << "255.255.+255.0";
    }
    void badAddressIsRefused()
    {
        QFETCH(quint32, devType);
        QFETCH(QString, field);
        QFETCH(QString, text);
        Bench bench(devType);
        QSignalSpy saves(&bench.window, &MainMenu::saveIP_Signals);
        QSignalSpy dnsSaves(&bench.window, &MainMenu::saveIP_DNS_Signals);
        bench.field<QComboBox>("comboBoxIPA")->setCurrentIndex(0);
        // setText passes the validator by, as a paste of half-typed text would leave the field.
        bench.field<QLineEdit>(field.toLatin1().constData())->setText(text);
        QTest::mouseClick(bench.field<QPushButton>("btnSave"), Qt::LeftButton);
        QCOMPARE(saves.count() + dnsSaves.count(), 0);
        // The marker still reaches the old address: nothing was sent and the target is unchanged.
        QCOMPARE(bench.frames(), Frames());
    }

    void decode_data()
    {
        QTest::addColumn<QByteArray>("reply");
        QTest::addColumn<MainMenu::StreamEntry::Kind>("kind");
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("url");

        using E = MainMenu::StreamEntry;
        const QByteArray url40 = "rtmp://127.0.0.9/live/abcdefghijklmnopqr";
        QTest::newRow("slot 3") << streamReply(0, 2, "studio", url40) << E::Slot << 2 << "studio" << QString(url40);
        QTest::newRow("status 1") << streamReply(1, 2, "studio", url40) << E::NoSlot << -1 << "" << "";
        QTest::newRow("slot 8") << streamReply(0, 7, "last", "rtmp://a") << E::Slot << 7 << "last" << "rtmp://a";
        QTest::newRow("index 8 ignored") << streamReply(0, 8, "x", "y") << E::Ignored << -1 << "" << "";
        QTest::newRow("name fills 16 bytes") << streamReply(0, 1, "ABCDEFGHIJKLMNOP", "u") << E::Slot << 1
                                             << "ABCDEFGHIJKLMNOP" << "u";
        QTest::newRow("name in UTF-8") << streamReply(0, 0, "Caf\xc3\xa9", "u") << E::Slot << 0
                                       << QString::fromUtf8("Caf\xc3\xa9") << "u";
        QTest::newRow("URL fills 768 bytes, trailing bytes unread")
            << streamReply(0, 4, "n", QByteArray(768, 'w') + "XYZ", 820) << E::Slot << 4 << "n" << QString(768, 'w');
        QTest::newRow("empty slot") << streamReply(0, 5, "", "") << E::Slot << 5 << "" << "";
        QTest::newRow("cut in the name") << streamReply(0, 3, "abcdefgh", "rtmp://x", 24)
            << E::Slot << 3 << "abcd" << "";
        QTest::newRow("cut in the URL") << streamReply(0, 3, "ab", "rtmp://x/y", 44)
            << E::Slot << 3 << "ab" << "rtmp:/";
        QTest::newRow("ends after the index") << streamReply(0, 6, "ab", "u", 19) << E::Slot << 6 << "" << "";
        QTest::newRow("ends at the status") << streamReply(0, 6, "ab", "u", 18) << E::NoSlot << -1 << "" << "";
        QTest::newRow("no status byte") << streamReply(0, 6, "ab", "u", 17) << E::NoSlot << -1 << "" << "";
        QTest::newRow("empty datagram") << QByteArray() << E::NoSlot << -1 << "" << "";
    }
    void decode()
    {
        QFETCH(QByteArray, reply);
        QFETCH(MainMenu::StreamEntry::Kind, kind);
        QFETCH(int, index);
        QFETCH(QString, name);
        QFETCH(QString, url);
        // Exactly the datagram's bytes, with no terminator behind them.
        const MainMenu::StreamEntry e = MainMenu::decodeStreamEntry(QByteArray(reply.constData(), reply.size()));
        QCOMPARE(e.kind, kind);
        QCOMPARE(e.index, index);
        QCOMPARE(e.name, name);
        QCOMPARE(e.url, url);
    }

    void replyWithStatusOrBadIndex()
    {
        DEV_CHILD_TYPE = 0x28;
        MainMenu w(nullptr, nullptr);
        QComboBox* index = w.findChild<QComboBox*>("combIndex");
        w.readStreamData(streamReply(0, 2, "studio", "rtmp://a"));
        w.readStreamData(streamReply(0, 8, "other", "rtmp://b"));
        QCOMPARE(index->currentIndex(), 2);
        QCOMPARE(w.findChild<QLineEdit*>("combName")->text(), QStringLiteral("studio"));
        w.readStreamData(streamReply(1, 6, "other", "rtmp://b"));
        QVERIFY(w.findChild<QLineEdit*>("combName")->text().isEmpty());
        QVERIFY(w.findChild<QLineEdit*>("combURL")->text().isEmpty());
        QCOMPARE(index->currentIndex(), 2);
    }

    void writeSlot_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("url");
        QTest::addColumn<Frames>("sent");
        const QByteArray url40 = "rtmp://127.0.0.9/live/abcdefghijklmnopqr";
        const QByteArray cafe = "Caf\xc3\xa9";
        QTest::newRow("six letters, 40-byte URL, slot 3")
            << 2 << "studio" << QString(url40) << Frames{slotFrame(2, "studio", url40)};
        QTest::newRow("name counted in bytes")
            << 0 << QString::fromUtf8(cafe) << "rtmp://x" << Frames{slotFrame(0, cafe, "rtmp://x")};
        QTest::newRow("full fields") << 7 << "ABCDEFGHIJKLMNOP" << QString(768, 'u')
                                     << Frames{slotFrame(7, "ABCDEFGHIJKLMNOP", QByteArray(768, 'u'))};
        // A text that does not fit its field is not written at all.
        QTest::newRow("empty name") << 0 << "" << "rtmp://x" << Frames();
        QTest::newRow("empty URL") << 0 << "studio" << "" << Frames();
        QTest::newRow("name of 18 bytes") << 0 << QString(9, QChar(0xC4)) << "rtmp://x" << Frames();
        QTest::newRow("URL of 799 bytes") << 0 << "studio" << "rtmp://" + QString(396, QChar(0xE9)) << Frames();
    }
    void writeSlot()
    {
        QFETCH(int, index);
        QFETCH(QString, name);
        QFETCH(QString, url);
        QFETCH(Frames, sent);
        Bench bench(0x28);
        bench.field<QComboBox>("combIndex")->setCurrentIndex(index);
        bench.field<QLineEdit>("combName")->setText(name);
        QLineEdit* urlField = bench.field<QLineEdit>("combURL");
        urlField->setText(url);
        QTest::keyClick(urlField, Qt::Key_Return);
        QCOMPARE(bench.frames(), sent);
    }

    void indexIsWiredAfterTwoSeconds()
    {
        QElapsedTimer sinceOpened;
        sinceOpened.start();
        Bench bench(0x28);
        QComboBox* index = bench.field<QComboBox>("combIndex");
        QLineEdit* name = bench.field<QLineEdit>("combName");
        // Before the wiring neither an index change nor a reply reaches anything.
        index->setCurrentIndex(3);
        emit bench.fun->getStreamData(streamReply(0, 1, "early", "rtmp://early"));
        QCOMPARE(index->currentIndex(), 3);
        QVERIFY(name->text().isEmpty());
        QCOMPARE(bench.frames(), Frames());

        // Wired by a timer: a reply shows its slot from then on. Coarse timers may fire up to 5 % early.
        const QByteArray studio = streamReply(0, 4, "studio", "rtmp://127.0.0.9/live");
        QTRY_VERIFY_WITH_TIMEOUT((emit bench.fun->getStreamData(studio), index->currentIndex() == 4),
                                 MainMenu::kStreamWiringDelayMs + 10000);
        QVERIFY(sinceOpened.elapsed() >= MainMenu::kStreamWiringDelayMs * 95 / 100);
        QCOMPARE(name->text(), QStringLiteral("studio"));
        QCOMPARE(bench.field<QLineEdit>("combURL")->text(), QStringLiteral("rtmp://127.0.0.9/live"));
        index->setCurrentIndex(6);
        // Each slot is read back from a timer, after both selections.
        QCOMPARE(bench.frames(4), (Frames{"e0:6c 00 04", "e0:6c 00 06", "e0:6a 04", "e0:6a 06"}));

        // A device-reported index is not echoed, but its slot is still read back; one past the
        // list selects nothing, and no slot number goes out for it.
        {
            DevStateGuard guard;
            bench.window.setRecStreamValue(1, 2, 1, 1, 0);
        }
        QCOMPARE(bench.frames(1), Frames{"e0:6a 01"});
        {
            DevStateGuard guard;
            bench.window.setRecStreamValue(9, 2, 1, 1, 0);
        }
        QCOMPARE(index->currentIndex(), -1);
        QCOMPARE(bench.frames(), Frames());
    }
};

QTEST_MAIN(TestMainMenuWire)
#include "tst_mainmenu_wire.moc"
