#pragma once
// What each switcher model has, and the state shared by every window of the program.

#include <QString>
#include <QtGlobal>
#include <optional>

// Columns of HardwareID_Table as the program reads them (1, 2 and 5 are carried but unread).
enum HardwareColumn : int {
    HW_TYPE = 0,
    HW_STREAM_DNS = 3,   // 1: stream settings and DNS field
    HW_GPI = 4,          // 1: GPI inputs
    HW_INPUTS = 6,       // video input count: 12, 6 or 4
    HW_IP_EDITABLE = 7,  // 1: IP settings editable
    HW_SRC_LEN = 8,      // used entries of the source table
    HW_SRC_TABLE = 9,    // 1..4: SRC_TABLE_1..SRC_TABLE_4
    HW_PGM_LEN = 10,     // used entries of the resolution table (Maxpgm)
    HW_PGM_TABLE = 11,   // 1: PGM_TABLE_1, 2: PGM_TABLE_2
    HW_HDR = 12,         // 1: HDR configuration shown
    HW_COLUMNS = 13
};

extern const quint32 HardwareID_Table[19][HW_COLUMNS];
int getHardwareID_TableLen();

extern const quint32 SRC_TABLE_1[12];
extern const quint32 SRC_TABLE_2[8];
extern const quint32 SRC_TABLE_3[8];
extern const quint32 SRC_TABLE_4[14];

extern const quint32 PGM_TABLE_1[8];
extern const quint32 PGM_TABLE_2[8];

// (first, last) icon number of each effect group 2..11.
extern const quint32 ICON_GROUP_Table[10][2];
// Icon currently shown by each effect group (entry k for group k + 2); kept across panels.
extern quint32 ICON_CURRENT_INDEX[12];
// Wipe codes for effect groups 2..11 on device type 105.
extern const quint32 _KEY_WIPE_Table[12];
// Wipe codes for effect groups 2..5 on every other type.
extern const quint32 _KEY_WIPE_Table_CUSTOMER[4];

// PIP drag limits (screen pixels) of the small, medium and large PIP.
extern const double m_x1, m_y1, m_x2, m_y2, m_x3, m_y3;

extern QString DEV_NAME;
extern quint32 DEV_CHILD_TYPE;
extern const QString PC_VERSION;
extern const quint32* PGM_TABLE_POINT;
extern quint32 Maxpgm;
extern quint32 PGM_CURRENT_VAL;
extern bool updateDevStateEnable;
extern bool pipSizeFalg;

// A model's row of HardwareID_Table, with its tables resolved.
struct ModelRow
{
    const quint32* row = nullptr;      // the HW_COLUMNS raw entries
    quint32 type = 0;
    bool hasStreamDns = false;
    bool hasGpi = false;
    quint32 inputs = 0;
    bool ipEditable = false;
    const quint32* srcTable = nullptr;  // null when column 9 names no table
    quint32 srcLen = 0;
    const quint32* pgmTable = nullptr;  // null when column 11 names no table
    quint32 pgmLen = 0;
    quint32 pgmTableId = 0;
    bool hasHdr = false;
};

// The row of a device type, first match from the top; none for a type not in the table.
std::optional<ModelRow> modelRowFor(quint32 devType);

// Raises a flag for a scope and restores its previous value on exit, so nested scopes compose.
class ScopedFlag
{
public:
    explicit ScopedFlag(bool& flag) : m_flag(flag), m_previous(flag) { m_flag = true; }
    ~ScopedFlag() { m_flag = m_previous; }
    ScopedFlag(const ScopedFlag&) = delete;
    ScopedFlag& operator=(const ScopedFlag&) = delete;

private:
    bool& m_flag;
    bool m_previous;
};

// Held while a device reply is applied to widgets: their change signals then send nothing.
class DevStateGuard : public ScopedFlag
{
public:
    DevStateGuard() : ScopedFlag(updateDevStateEnable) {}
};
