// Model tables: what a device type gives its panel, and the reply guard.

#include "model_tables.h"

#include <QtTest>

class TestModelTables : public QObject
{
    Q_OBJECT
private slots:
    void modelRow_data();
    void modelRow();
    void absentTypeHasNoRow_data();
    void absentTypeHasNoRow();
    void tableShape();
    void streamColumnPerType();
    void transitionTables();
    void startValues();
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

void TestModelTables::absentTypeHasNoRow_data()
{
    QTest::addColumn<quint32>("type");
    QTest::newRow("0x2a") << quint32(0x2a);
    QTest::newRow("0x31") << quint32(0x31);
    QTest::newRow("0") << quint32(0);
    QTest::newRow("0x69 + 0x100") << quint32(0x169);
}

void TestModelTables::absentTypeHasNoRow()
{
    QFETCH(quint32, type);
    QVERIFY(!modelRowFor(type).has_value());
}

void TestModelTables::tableShape()
{
    QCOMPARE(getHardwareID_TableLen(), 19);
    // The 4K panel decoder compares against the type of the fifth row.
    QCOMPARE(HardwareID_Table[4][HW_TYPE], quint32(48));
    // Every row names existing tables and used lengths that fit them.
    for (int i = 0; i < getHardwareID_TableLen(); ++i) {
        const auto row = modelRowFor(HardwareID_Table[i][HW_TYPE]);
        QVERIFY(row.has_value());
        QCOMPARE(row->srcLen, HardwareID_Table[i][HW_SRC_LEN]);
        QCOMPARE(row->pgmLen, HardwareID_Table[i][HW_PGM_LEN]);
    }
}

// Column 3 as the panels read it (record, pause and stream keys; DNS field), for every type in order.
void TestModelTables::streamColumnPerType()
{
    const QVector<QPair<quint32, bool>> expected = {
        {4, true}, {39, true}, {40, true}, {41, true}, {48, true}, {79, false}, {83, true},
        {84, true}, {96, false}, {97, false}, {98, false}, {99, false}, {100, true}, {101, true},
        {102, true}, {103, true}, {104, false}, {105, false}, {114, true},
    };
    QCOMPARE(getHardwareID_TableLen(), expected.size());
    for (int i = 0; i < expected.size(); ++i) {
        QCOMPARE(HardwareID_Table[i][HW_TYPE], expected.at(i).first);
        const auto row = modelRowFor(expected.at(i).first);
        QVERIFY(row.has_value());
        QCOMPARE(row->hasStreamDns, expected.at(i).second);
    }
}

void TestModelTables::transitionTables()
{
    // Each group's current icon starts at the group's first icon and every group lies in 1..102.
    for (int g = 0; g < 10; ++g) {
        QCOMPARE(ICON_CURRENT_INDEX[g], ICON_GROUP_Table[g][0]);
        QVERIFY(ICON_GROUP_Table[g][0] <= ICON_GROUP_Table[g][1]);
    }
    QCOMPARE(ICON_GROUP_Table[9][1], quint32(102));
    QCOMPARE(ICON_CURRENT_INDEX[10], quint32(0));
    QCOMPARE(_KEY_WIPE_Table[0], quint32(116));
    QCOMPARE(_KEY_WIPE_Table[9], quint32(125));
    QCOMPARE(QVector<quint32>(_KEY_WIPE_Table_CUSTOMER, _KEY_WIPE_Table_CUSTOMER + 4),
             (QVector<quint32>{37, 35, 41, 39}));
    QCOMPARE(m_x1, 462.0);
    QCOMPARE(m_y3, 172.0);
}

void TestModelTables::startValues()
{
    QCOMPARE(PC_VERSION, QStringLiteral("V2.0.2"));
    QVERIFY(DEV_NAME.isEmpty());
    QCOMPARE(DEV_CHILD_TYPE, quint32(0));
    QCOMPARE(PGM_TABLE_POINT, static_cast<const quint32*>(nullptr));
    QCOMPARE(Maxpgm, quint32(0));
    QVERIFY(!updateDevStateEnable);
    QVERIFY(!pipSizeFalg);
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
