#include "model_tables.h"

#include <iterator>

const quint32 HardwareID_Table[19][HW_COLUMNS] = {
    {4, 30, 40, 1, 1, 2, 12, 0, 13, 4, 7, 1, 0},
    {39, 30, 40, 1, 1, 2, 4, 0, 7, 2, 7, 1, 0},
    {40, 30, 40, 1, 1, 2, 4, 1, 7, 2, 7, 1, 0},
    {41, 30, 40, 1, 1, 2, 6, 0, 9, 1, 7, 1, 0},
    {48, 10, 20, 1, 1, 2, 4, 0, 9, 1, 7, 1, 0},
    {79, 10, 20, 0, 0, 2, 4, 1, 7, 2, 7, 1, 0},
    {83, 10, 20, 1, 0, 2, 4, 0, 7, 2, 7, 1, 0},
    {84, 10, 20, 1, 0, 2, 4, 0, 7, 2, 7, 1, 0},
    {96, 10, 20, 0, 1, 4, 6, 1, 7, 3, 5, 2, 1},
    {97, 10, 20, 0, 1, 4, 6, 1, 7, 3, 5, 2, 1},
    {98, 10, 20, 0, 1, 4, 6, 1, 7, 3, 5, 2, 1},
    {99, 10, 20, 0, 1, 4, 6, 1, 7, 3, 5, 2, 1},
    {100, 10, 20, 1, 1, 4, 6, 1, 7, 3, 5, 2, 1},
    {101, 10, 20, 1, 1, 4, 6, 1, 7, 3, 5, 2, 1},
    {102, 10, 20, 1, 1, 4, 6, 1, 7, 3, 5, 2, 1},
    {103, 10, 20, 1, 1, 4, 6, 1, 7, 3, 5, 2, 1},
    {104, 10, 20, 0, 1, 4, 4, 1, 7, 3, 5, 2, 1},
    {105, 10, 20, 0, 1, 4, 4, 1, 7, 3, 5, 2, 1},
    {114, 10, 20, 1, 1, 4, 6, 1, 7, 2, 5, 2, 1},
};

int getHardwareID_TableLen()
{
    return static_cast<int>(std::size(HardwareID_Table));
}

const quint32 SRC_TABLE_1[12] = {0, 1, 2, 3, 4, 5, 6, 7, 8, 0, 0, 0};
const quint32 SRC_TABLE_2[8] = {0, 3, 4, 5, 6, 7, 8, 0};
const quint32 SRC_TABLE_3[8] = {0, 1, 2, 3, 4, 5, 6, 0};
const quint32 SRC_TABLE_4[14] = {0, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 0};

const quint32 PGM_TABLE_1[8] = {7, 11, 9, 1, 3, 13, 5, 0};
const quint32 PGM_TABLE_2[8] = {7, 11, 3, 13, 5, 0, 0, 0};

const quint32 ICON_GROUP_Table[10][2] = {
    {1, 11}, {12, 27}, {30, 38}, {39, 54}, {55, 63}, {64, 70}, {71, 77}, {78, 81}, {82, 87}, {88, 102},
};
quint32 ICON_CURRENT_INDEX[12] = {1, 12, 30, 39, 55, 64, 71, 78, 82, 88, 0, 0};
const quint32 _KEY_WIPE_Table[12] = {116, 117, 118, 119, 120, 121, 122, 123, 124, 125, 0, 0};
const quint32 _KEY_WIPE_Table_CUSTOMER[4] = {37, 35, 41, 39};

const double m_x1 = 462.0;
const double m_y1 = 260.0;
const double m_x2 = 410.0;
const double m_y2 = 230.0;
const double m_x3 = 307.0;
const double m_y3 = 172.0;

QString DEV_NAME;
quint32 DEV_CHILD_TYPE = 0;
const QString PC_VERSION = QStringLiteral("V2.0.2");
const quint32* PGM_TABLE_POINT = nullptr;
quint32 Maxpgm = 0;
quint32 PGM_CURRENT_VAL = 0;
bool updateDevStateEnable = false;
bool pipSizeFalg = false;

namespace {

struct TableRef
{
    const quint32* table;
    quint32 size;
};

TableRef srcTable(quint32 id)
{
    switch (id) {
    case 1: return {SRC_TABLE_1, quint32(std::size(SRC_TABLE_1))};
    case 2: return {SRC_TABLE_2, quint32(std::size(SRC_TABLE_2))};
    case 3: return {SRC_TABLE_3, quint32(std::size(SRC_TABLE_3))};
    case 4: return {SRC_TABLE_4, quint32(std::size(SRC_TABLE_4))};
    default: return {nullptr, 0};
    }
}

TableRef pgmTable(quint32 id)
{
    switch (id) {
    case 1: return {PGM_TABLE_1, quint32(std::size(PGM_TABLE_1))};
    case 2: return {PGM_TABLE_2, quint32(std::size(PGM_TABLE_2))};
    default: return {nullptr, 0};
    }
}

} // namespace

std::optional<ModelRow> modelRowFor(quint32 devType)
{
    for (const auto& r : HardwareID_Table) {
        if (r[HW_TYPE] != devType)
            continue;
        ModelRow m;
        m.row = r;
        m.type = r[HW_TYPE];
        m.hasStreamDns = r[HW_STREAM_DNS] == 1;
        m.hasGpi = r[HW_GPI] == 1;
        m.inputs = r[HW_INPUTS];
        m.ipEditable = r[HW_IP_EDITABLE] == 1;
        m.hasHdr = r[HW_HDR] == 1;
        // A used length never reaches past its table.
        const TableRef src = srcTable(r[HW_SRC_TABLE]);
        m.srcTable = src.table;
        m.srcLen = qMin(r[HW_SRC_LEN], src.size);
        const TableRef pgm = pgmTable(r[HW_PGM_TABLE]);
        m.pgmTable = pgm.table;
        m.pgmLen = qMin(r[HW_PGM_LEN], pgm.size);
        m.pgmTableId = r[HW_PGM_TABLE];
        return m;
    }
    return std::nullopt;
}
