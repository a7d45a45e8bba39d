// Model tables: what a device type gives its panel, and the reply guards.

#include "model_tables.h"

#include <QtTest>

namespace {

QString join(const quint32* table, quint32 len)
{
    QStringList out;
    for (quint32 i = 0; table && i < len; ++i)
        out << QString::number(table[i]);
    return out.join(QLatin1Char(','));
}

// A row in one line: stream/DNS, GPI, inputs, IP editable, HDR, resolution table, sources, resolutions.
QString describe(quint32 type)
{
    const auto r = modelRowFor(type);
    if (!r)
        return QString();
    if (r->type != type || r->row[HW_TYPE] != type)
        return QStringLiteral("wrong row");
    return QStringLiteral("dns%1 gpi%2 in%3 ip%4 hdr%5 pgm%6 src %7 res %8")
        .arg(r->hasStreamDns).arg(r->hasGpi).arg(r->inputs).arg(r->ipEditable).arg(r->hasHdr).arg(r->pgmTableId)
        .arg(join(r->srcTable, r->srcLen), join(r->pgmTable, r->pgmLen));
}

} // namespace

class TestModelTables : public QObject
{
    Q_OBJECT
private slots:
    void modelRow_data();
    void modelRow();
    void guardRestoresPreviousValue();
};

void TestModelTables::modelRow_data()
{
    QTest::addColumn<quint32>("type");
    QTest::addColumn<QString>("row");  // empty: no row
    QTest::newRow("4K edition 105") << 105u << "dns0 gpi1 in4 ip1 hdr1 pgm2 src 0,1,2,3,4,5,6 res 7,11,3,13,5";
    QTest::newRow("Vy edition 39") << 39u << "dns1 gpi1 in4 ip0 hdr0 pgm1 src 0,3,4,5,6,7,8 res 7,11,9,1,3,13,5";
    QTest::newRow("Vy edition 40") << 40u << "dns1 gpi1 in4 ip1 hdr0 pgm1 src 0,3,4,5,6,7,8 res 7,11,9,1,3,13,5";
    QTest::newRow("twelve inputs 4") << 4u << "dns1 gpi1 in12 ip0 hdr0 pgm1 src 0,3,4,5,6,7,8,9,10,11,12,13,14 res 7,11,9,1,3,13,5";
    QTest::newRow("no GPI, no stream 79") << 79u << "dns0 gpi0 in4 ip1 hdr0 pgm1 src 0,3,4,5,6,7,8 res 7,11,9,1,3,13,5";
    QTest::newRow("0x30 = 48") << 0x30u << "dns1 gpi1 in4 ip0 hdr0 pgm1 src 0,1,2,3,4,5,6,7,8 res 7,11,9,1,3,13,5";
    QTest::newRow("last row 114") << 114u << "dns1 gpi1 in6 ip1 hdr1 pgm2 src 0,3,4,5,6,7,8 res 7,11,3,13,5";
    // 48 has a row; its neighbours, 0 and a type past one byte do not.
    for (quint32 absent : {0x2au, 0x31u, 0u, 0x169u})
        QTest::addRow("absent %x", absent) << absent << QString();
}

void TestModelTables::modelRow()
{
    QFETCH(quint32, type);
    QFETCH(QString, row);
    QCOMPARE(describe(type), row);
}

// Both guard flags: a nested scope must not lower a flag its outer scope still holds.
void TestModelTables::guardRestoresPreviousValue()
{
    updateDevStateEnable = false;
    {
        DevStateGuard outer;
        QVERIFY(updateDevStateEnable);
        {
            DevStateGuard inner;
            QVERIFY(updateDevStateEnable);
        }
        QVERIFY(updateDevStateEnable);
    }
    QVERIFY(!updateDevStateEnable);
    pipSizeFalg = true;
    {
        ScopedFlag f(pipSizeFalg);
        QVERIFY(pipSizeFalg);
        QVERIFY(!updateDevStateEnable);
    }
    QVERIFY(pipSizeFalg);
    pipSizeFalg = false;
    {
        ScopedFlag f(pipSizeFalg);
        QVERIFY(pipSizeFalg);
    }
    QVERIFY(!pipSizeFalg);
}

QTEST_GUILESS_MAIN(TestModelTables)
#include "tst_model_tables.moc"
