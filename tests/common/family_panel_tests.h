// What the model panels' tests share: the record offsets they name, the wipe
// groups' first effects, the spellings of a key's face, the T-bar report rows,
// and a panel bound to a switcher on 127.0.0.2 with the lookups around it.
#pragma once

#include "model_tables.h"
#include "onlyfun.h"
#include "panel_command.h"
#include "panel_rig.h"
#include "zv_resources.h"

#include <QMap>
#include <QPointer>
#include <QPushButton>
#include <QScopedPointer>
#include <QSlider>
#include <QtTest>

#include <algorithm>
#include <iterator>

using Bytes = QMap<int, quint8>;
Q_DECLARE_METATYPE(Bytes)

namespace familytest {

// The first effect of each wipe group, as a panel starts; each test starts from it.
inline constexpr quint32 kIconStart[12] = {1, 12, 30, 39, 55, 64, 71, 78, 82, 88, 0, 0};

// Record offsets (reply byte - 18) the tests name.
enum R : int {
    rPgm = 0, rPvw = 1, rMode = 2, rCh1On = 3, rCh1Level = 5, rCh2On = 6, rCh2Level = 8, rMasterOn = 9,
    rMasterLevel = 10, rKind = 11, rCur = 12, rGroup1 = 13, rFtb = 23, rPip = 24, rStill = 33, rRate = 34,
    rPop = 40, rLuma = 50, rChroma = 51, rPattern = 57, rCamMenu = 70, rCam = 71, rLineGain = 89, rMic = 91, rHdr = 92, rCh3On = 93, rCh3Source = 94, rCh3Level = 95,
    rSetPreset = 96, rClearPreset = 97, rGotoPreset = 98, rGroupSwitch = 99, rAux = 100, rAuxPvw = 101,
    rStorage = 102
};

inline QByteArray command(unsigned char cmd, std::initializer_list<int> data = {}) { return panelCommand(cmd, data); }

inline QList<QByteArray> frames(std::initializer_list<QByteArray> f) { return f; }

// The three spellings of a face, as the panels' keys carry them.
inline QString rule(char form, const QString& path)
{
    switch (form) {
    case 'a': return QStringLiteral("QPushButton{image:url(%1)}").arg(path);
    case 'b': return QStringLiteral("QPushButton{image: url(%1)}").arg(path);
    default: return QStringLiteral("QPushButton{image:url(%1);}").arg(path);
    }
}

// The switcher's T-bar report: 0 moves nothing, 1..127 light AUTO, 128 is the end.
// Columns: direction, position, the lever after it (from 50), AUTO lit.
inline void addTbarReplyRows()
{
    QTest::addColumn<int>("direction");
    QTest::addColumn<int>("position");
    QTest::addColumn<int>("lever");
    QTest::addColumn<bool>("autoLit");
    QTest::newRow("forward 0 moves nothing") << 0 << 0 << 50 << false;
    QTest::newRow("forward end") << 0 << 128 << 127 << false;
    QTest::newRow("forward 127") << 0 << 127 << 127 << true;
    QTest::newRow("reverse end") << 1 << 128 << 0 << false;
    QTest::newRow("reverse 30") << 1 << 30 << 97 << true;
    QTest::newRow("direction 2 changes nothing") << 2 << 30 << 50 << true;
}

// The wipe group keys' codes: the model table's code on type 105; on 104 the
// first four groups only. Columns: type, group, code (-1: nothing is sent).
inline void addWipeGroupKeyRows()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<int>("group");
    QTest::addColumn<int>("code");
    for (int g = 1; g <= 10; ++g)
        QTest::addRow("105, group %d", g) << 105 << g << 115 + g;
    const int customer[4] = {37, 35, 41, 39};
    for (int g = 1; g <= 4; ++g)
        QTest::addRow("104, group %d", g) << 104 << g << customer[g - 1];
    for (int g = 5; g <= 10; ++g)
        QTest::addRow("104, group %d sends nothing", g) << 104 << g << -1;
}

// A model panel on a loopback switcher and the lookups its tests make. The
// test class derives from QObject first and from this second.
template <class Panel>
class PanelKit
{
protected:
    explicit PanelKit(QSet<QByteArray> fresh) : m_rig(std::move(fresh)) {}

    PanelFixture<Panel> m_rig;
    QScopedPointer<SwitcherWire> m_device;
    QPointer<Panel>& m_panel = m_rig.panel;

    QPushButton* key(const char* name) const { return m_rig.w(name); }
    QString styleOf(const char* name) const { return m_rig.face(name); }
    QSlider* slider(const char* name) const { return m_rig.template w<QSlider>(name); }
    QByteArray nextCommand() { return m_device->nextCommand(); }
    onlyFun* fun() const { return m_panel->controller(); }
    bool lit(const QByteArray& name) const { return !styleOf(name.constData()).endsWith(fun()->setColorWhite()); }

    // The face of a key: its rule, its picture and the suffix of the picture's colour folder.
    QString face(char form, const QString& path) const
    {
        QString suffix = fun()->setColorWhite();
        if (path.contains(QLatin1String("/red/")))
            suffix = fun()->setColorRed();
        else if (path.contains(QLatin1String("/green/")))
            suffix = fun()->setColorGreen();
        else if (path.contains(QLatin1String("/yellow/")))
            suffix = fun()->setColorYellow();
        return rule(form, path) + suffix;
    }
    // The same from one string: the form's letter, then the path.
    QString face(const QString& formAndPath) const
    {
        return face(formAndPath.at(0).toLatin1(), formAndPath.mid(1));
    }

    // The face of a wipe effect's key: the family's pictures by colour, group and effect.
    QString sfx(const char* colour, int group, int icon) const
    {
        return face('c', QStringLiteral(":/images/Druvela/%1/special_effect/GROUP%2/SFX%3.bmp")
                             .arg(QLatin1String(colour)).arg(group).arg(icon));
    }

    // For initTestCase: the resources, the uint8_t type the replies travel as, and the switcher.
    bool bindSwitcher()
    {
        zvInitResources();
        qRegisterMetaType<uint8_t>("uint8_t");
        m_device.reset(m_rig.wire = new SwitcherWire);
        return m_device->isBound();
    }
    // For init: the wipe groups back at their first effects, and a panel of this type.
    bool freshPanel(unsigned char type)
    {
        std::copy(std::begin(kIconStart), std::end(kIconStart), std::begin(ICON_CURRENT_INDEX));
        return m_rig.init(type);
    }

    // Hands the reply to one of the four reply slots (state, T-bar, POP window, version),
    // with the device-state flag down and then raised: the slot leaves it as it found it.
    void checkGuardRestored(int slot, const QByteArray& reply)
    {
        using Slot = void (Panel::*)(const QByteArray&);
        const Slot decoders[4] = {&Panel::getDate, &Panel::getTXSliderDate, &Panel::getPOPWinState,
                                  &Panel::getDevVersionState};
        for (bool raised : {false, true}) {
            updateDevStateEnable = raised;
            (m_panel.data()->*decoders[slot])(reply);
            QCOMPARE(bool(updateDevStateEnable), raised);
        }
        updateDevStateEnable = false;
        QVERIFY(m_device->nothingSent());
    }
};

} // namespace familytest
