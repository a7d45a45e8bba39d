// The streaming slots: reading a stream-entry reply, writing a slot, and the
// delayed wiring of the slot index.

#include "mainmenu_bench.h"
#include "zv_resources.h"

#include <QTextCodec>

namespace {

// A stream-entry reply as the stream board sends it: header, status, then one slot record.
QByteArray streamReply(quint8 status, quint8 index, const QByteArray& name, const QByteArray& url, int size = 808)
{
    QByteArray r(size, '\0');
    const QByteArray head = QByteArray::fromHex("a56c2803e0ff01000000000000000000") + char(0x6A);
    auto put = [&r](int at, const QByteArray& b) {
        for (int i = 0; i < b.size() && at + i < r.size(); ++i)
            r[at + i] = b[i];
    };
    put(0, head);
    put(17, QByteArray(1, char(status)));
    put(18, QByteArray(1, char(index)));
    put(19, QByteArray(1, char(name.size())));
    put(20, name);
    put(36, bytes({url.size() & 0xFF, url.size() >> 8}));
    put(38, url);
    return r;
}

// The 808-byte slot write: index, name_len, 16-byte name, url_len low byte first, 768-byte URL.
QByteArray slotFrame(quint8 index, const QByteArray& name, const QByteArray& url)
{
    QByteArray record(788, '\0');
    record[0] = char(index);
    record[1] = char(name.size());
    record.replace(2, name.size(), name);
    record[18] = char(url.size() & 0xFF);
    record[19] = char(url.size() >> 8);
    record.replace(20, url.size(), url);
    return expectedFrame(kStreamA, 0x67, record);
}

}  // namespace

Q_DECLARE_METATYPE(MainMenu::StreamEntry::Kind)

class TestMainMenuStream : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();

    void decode_data();
    void decode();
    void replyWithStatusOrBadIndex();
    void writeSlot_data();
    void writeSlot();
    void slotThatDoesNotFitIsNotWritten_data();
    void slotThatDoesNotFitIsNotWritten();
    void indexIsWiredAfterTwoSeconds();
};

void TestMainMenuStream::initTestCase()
{
    zvInitResources();
    // The slot texts travel in the local 8-bit encoding; pin it so byte counts do not follow the machine.
    QTextCodec::setCodecForLocale(QTextCodec::codecForName("UTF-8"));
}

void TestMainMenuStream::decode_data()
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
    QTest::newRow("status 0xFF") << streamReply(0xFF, 0, "x", "y") << E::NoSlot << -1 << "" << "";
    QTest::newRow("slot 8") << streamReply(0, 7, "last", "rtmp://a") << E::Slot << 7 << "last" << "rtmp://a";
    QTest::newRow("index 8 ignored") << streamReply(0, 8, "x", "y") << E::Ignored << -1 << "" << "";
    QTest::newRow("index 255 ignored") << streamReply(0, 255, "x", "y") << E::Ignored << -1 << "" << "";
    QTest::newRow("name fills 16 bytes") << streamReply(0, 1, "ABCDEFGHIJKLMNOP", "u") << E::Slot << 1
                                         << "ABCDEFGHIJKLMNOP" << "u";
    QTest::newRow("name in UTF-8") << streamReply(0, 0, "Caf\xc3\xa9", "u") << E::Slot << 0
                                   << QString::fromUtf8("Caf\xc3\xa9") << "u";
    QTest::newRow("URL fills 768 bytes, trailing bytes unread")
        << streamReply(0, 4, "n", QByteArray(768, 'w') + "XYZ", 820) << E::Slot << 4 << "n" << QString(768, 'w');
    QTest::newRow("empty slot") << streamReply(0, 5, "", "") << E::Slot << 5 << "" << "";
    QTest::newRow("cut in the name") << streamReply(0, 3, "abcdefgh", "rtmp://x", 24) << E::Slot << 3 << "abcd"
                                     << "";
    QTest::newRow("cut in the URL") << streamReply(0, 3, "ab", "rtmp://x/y", 44) << E::Slot << 3 << "ab"
                                    << "rtmp:/";
    QTest::newRow("ends after the index") << streamReply(0, 6, "ab", "u", 19) << E::Slot << 6 << "" << "";
    QTest::newRow("ends at the status") << streamReply(0, 6, "ab", "u", 18) << E::NoSlot << -1 << "" << "";
    QTest::newRow("no status byte") << streamReply(0, 6, "ab", "u", 17) << E::NoSlot << -1 << "" << "";
    QTest::newRow("empty datagram") << QByteArray() << E::NoSlot << -1 << "" << "";
}

void TestMainMenuStream::decode()
{
    QFETCH(QByteArray, reply);
    QFETCH(MainMenu::StreamEntry::Kind, kind);
    QFETCH(int, index);
    QFETCH(QString, name);
    QFETCH(QString, url);

    // Exactly the datagram's bytes, with no terminator behind them.
    const QByteArray exact(reply.constData(), reply.size());
    const MainMenu::StreamEntry e = MainMenu::decodeStreamEntry(exact);
    QCOMPARE(e.kind, kind);
    QCOMPARE(e.index, index);
    QCOMPARE(e.name, name);
    QCOMPARE(e.url, url);
}

void TestMainMenuStream::replyWithStatusOrBadIndex()
{
    DEV_CHILD_TYPE = 0x28;
    MainMenu w(nullptr, nullptr);
    w.readStreamData(streamReply(0, 2, "studio", "rtmp://a"));
    QComboBox* index = w.findChild<QComboBox*>("combIndex");
    QCOMPARE(index->currentIndex(), 2);
    w.readStreamData(streamReply(0, 8, "other", "rtmp://b"));
    QCOMPARE(index->currentIndex(), 2);
    QCOMPARE(w.findChild<QLineEdit*>("combName")->text(), QStringLiteral("studio"));
    w.readStreamData(streamReply(1, 6, "other", "rtmp://b"));
    QVERIFY(w.findChild<QLineEdit*>("combName")->text().isEmpty());
    QVERIFY(w.findChild<QLineEdit*>("combURL")->text().isEmpty());
    QCOMPARE(index->currentIndex(), 2);
}

void TestMainMenuStream::writeSlot_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("url");
    QTest::addColumn<QByteArray>("nameBytes");
    QTest::addColumn<QByteArray>("urlBytes");

    const QByteArray url40 = "rtmp://127.0.0.9/live/abcdefghijklmnopqr";
    QTest::newRow("six letters, 40-byte URL, slot 3") << 2 << "studio" << QString(url40) << QByteArray("studio")
                                                      << url40;
    QTest::newRow("name counted in bytes") << 0 << QString::fromUtf8("Caf\xc3\xa9") << "rtmp://x"
                                           << QByteArray("Caf\xc3\xa9") << QByteArray("rtmp://x");
    QTest::newRow("full fields") << 7 << "ABCDEFGHIJKLMNOP" << QString(768, 'u') << QByteArray("ABCDEFGHIJKLMNOP")
                                 << QByteArray(768, 'u');
}

void TestMainMenuStream::writeSlot()
{
    QFETCH(int, index);
    QFETCH(QString, name);
    QFETCH(QString, url);
    QFETCH(QByteArray, nameBytes);
    QFETCH(QByteArray, urlBytes);

    MainMenuBench bench(0x28);
    bench.field<QComboBox>("combIndex")->setCurrentIndex(index);
    bench.field<QLineEdit>("combName")->setText(name);
    QLineEdit* urlField = bench.field<QLineEdit>("combURL");
    urlField->setText(url);
    QTest::keyClick(urlField, Qt::Key_Return);

    const QList<QByteArray> got = MainMenuBench::waitCommands(bench.device, 1);
    QCOMPARE(got.size(), 1);
    QCOMPARE(got.first().size(), 808);
    QCOMPARE(got.first().toHex(' '), slotFrame(quint8(index), nameBytes, urlBytes).toHex(' '));
}

void TestMainMenuStream::slotThatDoesNotFitIsNotWritten_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("url");
    QTest::newRow("empty name") << "" << "rtmp://x";
    QTest::newRow("empty URL") << "studio" << "";
    QTest::newRow("name of 18 bytes") << QString(9, QChar(0xC4)) << "rtmp://x";
    QTest::newRow("URL of 799 bytes") << "studio" << "rtmp://" + QString(396, QChar(0xE9));
}

void TestMainMenuStream::slotThatDoesNotFitIsNotWritten()
{
    QFETCH(QString, name);
    QFETCH(QString, url);

    MainMenuBench bench(0x28);
    bench.field<QLineEdit>("combName")->setText(name);
    QLineEdit* urlField = bench.field<QLineEdit>("combURL");
    urlField->setText(url);
    QTest::keyClick(urlField, Qt::Key_Return);

    const QList<QByteArray> sent = bench.sentUpToMarker(bench.device);
    QCOMPARE(sent.size(), 1);
    QCOMPARE(quint8(sent.first().at(16)), quint8(0x6C));
}

void TestMainMenuStream::indexIsWiredAfterTwoSeconds()
{
    MainMenuBench bench(0x28);
    QComboBox* index = bench.field<QComboBox>("combIndex");
    // Before the wiring neither an index change nor a reply reaches anything.
    index->setCurrentIndex(3);
    emit bench.fun->getStreamData(streamReply(0, 1, "early", "rtmp://early"));
    QCOMPARE(index->currentIndex(), 3);
    QVERIFY(bench.field<QLineEdit>("combName")->text().isEmpty());
    QCOMPARE(bench.sentUpToMarker(bench.device).size(), 1);

    // Coarse timers may fire up to 5 % late.
    QTest::qWait(MainMenu::kStreamWiringDelayMs + 500);
    // Nothing is read on its own when the wiring is made; a reply now shows its slot.
    QVERIFY(bench.field<QLineEdit>("combName")->text().isEmpty());
    emit bench.fun->getStreamData(streamReply(0, 4, "studio", "rtmp://127.0.0.9/live"));
    QCOMPARE(index->currentText(), QStringLiteral("5"));
    QCOMPARE(bench.field<QLineEdit>("combName")->text(), QStringLiteral("studio"));
    QCOMPARE(bench.field<QLineEdit>("combURL")->text(), QStringLiteral("rtmp://127.0.0.9/live"));
    QCOMPARE(MainMenuBench::waitCommands(bench.device, 2),
             (QList<QByteArray>{expectedFrame(kStreamA, 0x6C, bytes({0, 4})), expectedFrame(kStreamA, 0x6A, bytes({4}))}));
    index->setCurrentIndex(6);
    const QList<QByteArray> got = MainMenuBench::waitCommands(bench.device, 2);
    QCOMPARE(got.size(), 2);
    QCOMPARE(got.at(0), expectedFrame(kStreamA, 0x6C, bytes({0, 6})));
    QCOMPARE(got.at(1), expectedFrame(kStreamA, 0x6A, bytes({6})));

    // A device-reported index is not echoed, but its slot is still read back.
    {
        DevStateGuard guard;
        bench.window->setRecStreamValue(1, 2, 1, 1, 0);
    }
    QCOMPARE(MainMenuBench::waitCommands(bench.device, 1), QList<QByteArray>{expectedFrame(kStreamA, 0x6A, bytes({1}))});
    // An index past the list selects nothing, and no slot number goes out for it.
    {
        DevStateGuard guard;
        bench.window->setRecStreamValue(9, 2, 1, 1, 0);
    }
    QCOMPARE(index->currentIndex(), -1);
    QCOMPARE(bench.sentUpToMarker(bench.device).size(), 1);
}

QTEST_MAIN(TestMainMenuStream)
#include "tst_mainmenu_stream.moc"
