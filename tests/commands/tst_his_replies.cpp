// The His board's two answers, byte for byte: where each record lies, and which datagrams are
// refused (too short, a length past its field or past the datagram, another type).

#include "his_replies.h"
#include "reply_frames.h"

#include <QHostAddress>
#include <QtTest>

namespace {

QByteArray settingsFrame(int type = 0x24)
{
    // ip 192.0.2.7, subnet 255.255.255.0, gateway 192.0.2.1, static/dynamic 1, DNS 9.9.9.9
    return switcherFrame(0x5A, 0x11, type, QByteArray::fromHex("c0000207" "ffffff00" "c0000201" "01" "09090909"));
}

// index, name length and name field, URL length (low byte first), then as many URL bytes as given.
QByteArray urlRecord(int index, const QByteArray& name, int nameLen, int urlLen, const QByteArray& url)
{
    QByteArray rec(3, '\0');
    rec[1] = char(index);
    rec[2] = char(nameLen);
    return rec + name.leftJustified(16, '\0', true) + char(urlLen & 0xFF) + char(urlLen >> 8) + url;
}

QByteArray urlFrame(const QByteArray& record, int type = 0x6A)
{
    return switcherFrame(0x5A, 0x11, type, record);
}

QString dotted(quint32 v)
{
    return QHostAddress(v).toString();
}

} // namespace

class tst_his_replies : public QObject
{
    Q_OBJECT

private slots:
    void settings_data()
    {
        QTest::addColumn<QByteArray>("datagram");
        QTest::addColumn<QStringList>("read");  // empty: refused
        const QStringList all{"192.0.2.7", "255.255.255.0", "192.0.2.1", "9.9.9.9"};
        QTest::newRow("37-byte frame") << settingsFrame() << all;
        QTest::newRow("record's last byte is the datagram's") << settingsFrame().left(34) << all;
        QTest::newRow("one byte short") << settingsFrame().left(33) << QStringList();
        QTest::newRow("set-IP type") << settingsFrame(0x05) << QStringList();
        QTest::newRow("header only") << settingsFrame().left(17) << QStringList();
    }
    void settings()
    {
        QFETCH(QByteArray, datagram);
        QFETCH(QStringList, read);
        HisReplies::Settings s;
        s.ip = 0x7F000001;
        const bool ok = HisReplies::readSettings(QByteArray(datagram.constData(), datagram.size()), s);
        QCOMPARE(ok, !read.isEmpty());
        if (ok)
            QCOMPARE((QStringList{dotted(s.ip), dotted(s.subnet), dotted(s.gateway), dotted(s.dns)}), read);
        else
            QCOMPARE(s.ip, quint32(0x7F000001));
    }

    void urlEntry_data()
    {
        QTest::addColumn<QByteArray>("datagram");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("url");
        const QByteArray url = "rtmp://192.0.2.9/a";
        const QByteArray whole = urlFrame(urlRecord(2, "cam", 3, url.size(), url.leftJustified(768, '\0')));
        QTest::newRow("809-byte frame") << whole << true << 2 << "cam" << QString(url);
        QTest::addRow("ends with the URL") << whole.left(17 + 21 + url.size()) << true << 2 << "cam" << QString(url);
        QTest::addRow("one URL byte short") << whole.left(17 + 21 + url.size() - 1) << false << 0 << "" << "";
        QTest::addRow("cut in the URL length") << whole.left(17 + 20) << false << 0 << "" << "";
        QTest::addRow("Set Url's type") << urlFrame(urlRecord(2, "cam", 3, 1, "u"), 0x67) << false << 0 << "" << "";
        QTest::addRow("empty texts, index 255") << urlFrame(urlRecord(255, "", 0, 0, "")) << true << 255 << "" << "";
        QTest::addRow("zero bytes skipped, Latin-1")
            << urlFrame(urlRecord(7, QByteArray("c\0a\xe9", 4), 4, 3, QByteArray("\0\xff" "x", 3))) << true << 7
            << QString::fromUtf8("ca\u00e9") << QString::fromUtf8("\u00ffx");
        QTest::addRow("16-byte name, 768-byte URL") << urlFrame(urlRecord(0, QByteArray(16, 'n'), 16, 768, QByteArray(768, 'u')))
                                                    << true << 0 << QString(16, 'n') << QString(768, 'u');
        QTest::addRow("name length 17") << urlFrame(urlRecord(0, QByteArray(16, 'n'), 17, 1, "u")) << false << 0 << "" << "";
        QTest::addRow("URL length 769") << urlFrame(urlRecord(0, "a", 1, 769, QByteArray(769, 'u'))) << false << 0 << "" << "";
    }
    void urlEntry()
    {
        QFETCH(QByteArray, datagram);
        QFETCH(bool, ok);
        QFETCH(int, index);
        QFETCH(QString, name);
        QFETCH(QString, url);
        HisReplies::UrlEntry e;
        e.name = QStringLiteral("before");
        QCOMPARE(HisReplies::readUrlEntry(QByteArray(datagram.constData(), datagram.size()), e), ok);
        if (!ok) {
            QCOMPARE(e.name, QStringLiteral("before"));
            return;
        }
        QCOMPARE(int(e.index), index);
        QCOMPARE(e.name, name);
        QCOMPARE(e.url, url);
    }
};

QTEST_GUILESS_MAIN(tst_his_replies)
#include "tst_his_replies.moc"
