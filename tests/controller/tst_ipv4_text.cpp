// The address check every IP field and the controller's packing share.

#include "ipv4_text.h"

#include <QtTest>

using Ipv4Text::ZeroAddress;

class tst_ipv4_text : public QObject
{
    Q_OBJECT
private slots:
    void addresses_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QByteArray>("bytes");  // empty: refused
        QTest::addColumn<bool>("zeroRefused");  // checked with the flag that refuses 0.0.0.0
        const QByteArray no;
        QTest::newRow("plain") << "192.168.1.10" << QByteArray("\xc0\xa8\x01\x0a", 4) << false;
        QTest::newRow("extremes") << "255.0.255.0" << QByteArray("\xff\x00\xff\x00", 4) << false;
        QTest::newRow("leading zeros, three digits") << "010.001.000.099" << QByteArray("\x0a\x01\x00\x63", 4) << false;
        QTest::newRow("all zero allowed") << "0.0.0.0" << QByteArray(4, '\0') << false;
        QTest::newRow("all zero refused by the flag") << "0.0.0.0" << no << true;
        QTest::newRow("the flag keeps other addresses") << "0.0.0.1" << QByteArray("\0\0\0\x01", 4) << true;
        QTest::newRow("part above 255") << "127.0.0.256" << no << false;
        QTest::newRow("four digits") << "127.0.0.0001" << no << false;
        QTest::newRow("three parts") << "127.0.0" << no << false;
        QTest::newRow("fifth part") << "127.0.0.1.5" << no << false;
        QTest::newRow("trailing dot") << "127.0.0.1." << no << false;
        QTest::newRow("leading dot") << ".127.0.0.1" << no << false;
        QTest::newRow("empty part") << "127..0.1" << no << false;
        QTest::newRow("plus sign") << "+1.2.3.4" << no << false;
        QTest::newRow("minus sign") << "1.2.-3.4" << no << false;
        QTest::newRow("blank before") << " 1.2.3.4" << no << false;
        QTest::newRow("blank after") << "1.2.3.4 " << no << false;
        QTest::newRow("blank between") << "1.2. 3.4" << no << false;
        QTest::newRow("letters") << "255.x.255.0" << no << false;
        QTest::newRow("non-ASCII digit") << QString::fromUtf8("1.2.3.\xd9\xa4") << no << false;
        QTest::newRow("empty") << "" << no << false;
    }
    void addresses()
    {
        QFETCH(QString, text);
        QFETCH(QByteArray, bytes);
        QFETCH(bool, zeroRefused);
        const ZeroAddress zero = zeroRefused ? ZeroAddress::Refused : ZeroAddress::Allowed;
        QCOMPARE(Ipv4Text::toBytes(text, zero), bytes);
        QCOMPARE(Ipv4Text::isAddress(text, zero), !bytes.isEmpty());
        // What the fields accept while typing never lets a finished wrong address through.
        if (bytes.isEmpty() && !zeroRefused)
            QVERIFY(!QRegExp(QString::fromLatin1(Ipv4Text::kPattern)).exactMatch(text));
    }
};

QTEST_APPLESS_MAIN(tst_ipv4_text)
#include "tst_ipv4_text.moc"
