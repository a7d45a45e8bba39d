// Model tables: what a device type gives its panel, and the reply guard.

#include "model_tables.h"

#include <QtTest>

class TestModelTables : public QObject
{
    Q_OBJECT
private slots:
    void modelRow_data();
    void modelRow();
    void absentTypeHasNoRow();
    void guardRestoresPreviousValue();
    void pipFlagScope();
};

void TestModelTables::modelRow_data()
{
    QTest::addColumn<quint32>("type");
    QTest::addColumn<bool>("streamDns");
    QTest::addColumn<bool>("gpi");
    QTest::addColumn<quint32>("inputs");
    QTest::addColumn<bool>("ipEditable");
    QTest::addColumn<QVector<quint32>>("sources");
    QTest::addColumn<QVector<quint32>>("resolutions");
    QTest::addColumn<quint32>("pgmTableId");
    QTest::addColumn<bool>("hdr");

    QTest::newRow("4K edition 105")
        << quint32(105) << false << true << quint32(4) << true << QVector<quint32>{0, 1, 2, 3, 4, 5, 6}
        << QVector<quint32>{7, 11, 3, 13, 5} << quint32(2) << true;
    QTest::newRow("Vy edition 39")
        << quint32(39) << true << true << quint32(4) << false << QVector<quint32>{0, 3, 4, 5, 6, 7, 8}
        << QVector<quint32>{7, 11, 9, 1, 3, 13, 5} << quint32(1) << false;
    QTest::newRow("Vy edition 40")
        << quint32(40) << true << true << quint32(4) << true << QVector<quint32>{0, 3, 4, 5, 6, 7, 8}
        << QVector<quint32>{7, 11, 9, 1, 3, 13, 5} << quint32(1) << false;
    QTest::newRow("twelve inputs 4")
        << quint32(4) << true << true << quint32(12) << false
        << QVector<quint32>{0, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14}
        << QVector<quint32>{7, 11, 9, 1, 3, 13, 5} << quint32(1) << false;
    QTest::newRow("no GPI, no stream 79")
        << quint32(79) << false << false << quint32(4) << true << QVector<quint32>{0, 3, 4, 5, 6, 7, 8}
        << QVector<quint32>{7, 11, 9, 1, 3, 13, 5} << quint32(1) << false;
    // 0x30 is type 48, which has a row (the fifth).
    QTest::newRow("0x30 = 48")
        << quint32(0x30) << true << true << quint32(4) << false << QVector<quint32>{0, 1, 2, 3, 4, 5, 6, 7, 8}
        << QVector<quint32>{7, 11, 9, 1, 3, 13, 5} << quint32(1) << false;
    QTest::newRow("last row 114")
        << quint32(114) << true << true << quint32(6) << true << QVector<quint32>{0, 3, 4, 5, 6, 7, 8}
        << QVector<quint32>{7, 11, 3, 13, 5} << quint32(2) << true;
}

void TestModelTables::modelRow()
{
    QFETCH(quint32, type);
    QFETCH(bool, streamDns);
    QFETCH(bool, gpi);
    QFETCH(quint32, inputs);
    QFETCH(bool, ipEditable);
    QFETCH(QVector<quint32>, sources);
    QFETCH(QVector<quint32>, resolutions);
    QFETCH(quint32, pgmTableId);
    QFETCH(bool, hdr);

    const auto row = modelRowFor(type);
    QVERIFY(row.has_value());
    QCOMPARE(row->type, type);
    QCOMPARE(row->row[HW_TYPE], type);
    QCOMPARE(row->hasStreamDns, streamDns);
    QCOMPARE(row->hasGpi, gpi);
    QCOMPARE(row->inputs, inputs);
    QCOMPARE(row->ipEditable, ipEditable);
    QCOMPARE(row->hasHdr, hdr);
    QCOMPARE(row->pgmTableId, pgmTableId);
    QVERIFY(row->srcTable && row->pgmTable);
    QCOMPARE(QVector<quint32>(row->srcTable, row->srcTable + row->srcLen), sources);
    QCOMPARE(QVector<quint32>(row->pgmTable, row->pgmTable + row->pgmLen), resolutions);
}

// 0x30 (48) has a row; its neighbours and a type past one byte do not.
void TestModelTables::absentTypeHasNoRow()
{
    for (quint32 type : {0x2a, 0x31, 0, 0x169})
        QVERIFY2(!modelRowFor(type).has_value(), qPrintable(QString::number(type, 16)));
}

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
        // The inner scope must not lower the flag the outer scope still holds.
        QVERIFY(updateDevStateEnable);
    }
    QVERIFY(!updateDevStateEnable);

    // A guard taken while the flag is already up leaves it up.
    updateDevStateEnable = true;
    {
        DevStateGuard g;
    }
    QVERIFY(updateDevStateEnable);
    updateDevStateEnable = false;
}

void TestModelTables::pipFlagScope()
{
    pipSizeFalg = false;
    {
        ScopedFlag f(pipSizeFalg);
        QVERIFY(pipSizeFalg);
        QVERIFY(!updateDevStateEnable);
    }
    QVERIFY(!pipSizeFalg);
}

QTEST_GUILESS_MAIN(TestModelTables)
#include "tst_model_tables.moc"
