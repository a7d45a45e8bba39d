#pragma once
// Every panel class that applies a state dump, each made as the panel tests
// make it, and one full state dump they all read. The dump benchmark and the
// repeated-dump tests share this table, so a panel added here is both
// measured and checked.

#include "corvane.h"
#include "druvela.h"
#include "druvela_workdata.h"
#include "edition_frames.h"
#include "kavrelo.h"
#include "lunesko.h"
#include "mirelth.h"
#include "model_tables.h"
#include "oriskan_new.h"
#include "quillet.h"
#include "sarnowe.h"
#include "tavrine.h"
#include "tesmondui.h"
#include "venadro.h"

#include <QMap>
#include <QWidget>

#include <functional>
#include <vector>

namespace DumpPanels {

struct Entry {
    const char* name;
    unsigned char type;  // DEV_CHILD_TYPE the panel runs as
    std::function<QWidget*()> make;  // built and bound to a switcher at 127.0.0.2
};

template <class Panel>
Entry entry(const char* name, unsigned char type)
{
    return {name, type, [] {
                auto* p = new Panel(nullptr);
                p->DevTypeID(QStringLiteral("127.0.0.2"), 0xA5, 0xFF, QStringLiteral("0.0.0.0"), 0, 0);
                return static_cast<QWidget*>(p);
            }};
}

inline const std::vector<Entry>& all()
{
    static const std::vector<Entry> panels = {
        entry<Oriskan_NEW>("Oriskan_NEW", 0x28), entry<Corvane>("Corvane", 0x69),
        entry<Druvela>("Druvela", 105),          entry<Kavrelo>("Kavrelo", 105),
        entry<Sarnowe>("Sarnowe", 83),           entry<Quillet>("Quillet", 0),
        entry<Venadro>("Venadro", 0),         entry<TesmondUI>("TesmondUI", 0),
        entry<OriskanUI>("OriskanUI", 0),        entry<Lunesko>("Lunesko", 105),
        entry<Tavrine>("Tavrine", 100),
        entry<Mirelth>("Mirelth", 105),
    };
    return panels;
}

// Shown, as the operator has it: a style sheet costs most on a widget already polished.
inline QWidget* open(const Entry& e)
{
    DEV_CHILD_TYPE = e.type;
    QWidget* panel = e.make();
    panel->show();
    return panel;
}

// The panel's command layer: its own, or its controller's.
inline Druvela_workdata* link(QWidget* panel)
{
    if (auto* own = panel->findChild<Druvela_workdata*>(QString(), Qt::FindDirectChildrenOnly))
        return own;
    return panel->findChild<Druvela_workdata*>();
}

// Hands a reply to the panel as its command layer hands on a received datagram.
inline void feed(QWidget* panel, const QByteArray& reply) { emit link(panel)->on_signals_allData(reply); }

// A switcher in use: a source on each bus, audio on MIX with levels, a wipe
// with every group's effect, PIP on with its border, rate 2, the settings
// pages' values, recording and streaming. pgm picks the PGM source (1..4).
inline QByteArray fullDump(quint8 pgm = 1)
{
    QMap<int, quint8> r;
    const quint8 groupEffects[10] = {2, 13, 31, 40, 56, 65, 72, 79, 83, 89};
    r[0] = pgm;
    r[1] = 2;
    r[2] = 1;
    r[3] = 1;
    r[4] = 3;
    r[5] = 60;
    r[6] = 1;
    r[7] = 4;
    r[8] = 40;
    r[9] = 1;
    r[10] = 80;
    r[11] = 4;
    r[12] = groupEffects[2];
    for (int g = 0; g < 10; ++g)
        r[13 + g] = groupEffects[g];
    r[24] = 1;  // PIP on
    r[25] = 1;
    r[26] = 2;
    r[27] = 3;
    r[28] = 1;
    r[29] = 0x01;
    r[30] = 0x20;
    r[31] = 0x00;
    r[32] = 0x90;
    r[34] = 1;
    r[35] = 3;
    r[41] = 1;
    r[42] = 1;
    r[43] = 1;
    r[44] = 2;
    r[45] = 1;
    r[46] = 0x02;
    r[48] = 0x01;
    r[53] = 1;
    r[54] = 40;
    r[55] = 50;
    r[56] = 60;
    r[58] = 2;
    r[59] = 1;
    r[60] = 0x03;
    r[62] = 0x02;
    r[64] = 0x01;
    r[65] = 0x00;
    r[66] = 0x00;
    r[67] = 0x80;
    r[68] = 0x00;
    r[69] = 0x80;
    r[71] = 1;
    r[72] = 2;
    r[73] = 1;
    r[77] = 5;
    r[78] = 1;
    for (int i = 0; i < 6; ++i)
        r[79 + i] = quint8(i % 3);
    r[85] = 1;
    r[86] = 0x03;
    r[87] = 0x20;
    r[88] = 4;
    r[89] = 3;
    r[90] = 1;
    r[91] = 7;
    r[115] = 1;
    // Recording (bit 1) and streaming (bit 10), stream slot 1.
    return EditionFrames::stateDump(r, 0x01000402u, 0x04, 170);
}

// The dump with some record bytes (reply byte 18 + r) replaced.
inline QByteArray withRecord(QByteArray dump, std::initializer_list<std::pair<int, quint8>> bytes)
{
    for (const auto& b : bytes)
        dump[18 + b.first] = char(b.second);
    EditionFrames::seal(dump, 0x0A, dump.size());
    return dump;
}

// Another switcher state: colour bar on PGM, AFV, MIX, STILL on, no PIP, rate 1, the camera menu open.
inline QByteArray otherDump()
{
    return withRecord(fullDump(9), {{1, 1}, {2, 0}, {11, 1}, {24, 0}, {33, 1}, {34, 0}, {38, 1}, {70, 1}});
}

} // namespace DumpPanels
