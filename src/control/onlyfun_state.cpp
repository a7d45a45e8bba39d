// Transitions, the T-bar stroke machine, and the device state handed back to
// the controller by the panels' reply decoders.

#include "onlyfun.h"

#include "druvela_workdata.h"
#include "model_tables.h"

namespace {

constexpr quint32 kTypeWithTenGroups = 0x69;
constexpr int kFirstGroupId = 2;
constexpr int kLastGroupId = 11;
constexpr int kCustomerGroups = 4;

constexpr int kTbarTop = 127;
constexpr uchar kTbarUp = 0;
constexpr uchar kTbarDown = 1;
constexpr uchar kTbarStartMarker = 1;
constexpr uchar kTbarEndMarker = 128;

bool isOnOff(uchar v)
{
    return v == 0 || v == 1;
}

} // namespace

// ---- transitions -----------------------------------------------------------------

void onlyFun::m_on_btnGrp_TRANSITONS_clicked(uchar id)
{
    if (id > kLastGroupId)
        return;

    if (id < kFirstGroupId) {
        // MIX and FADE have no icon group: the click leaves no effect selected,
        // so the next group press selects its group instead of advancing it.
        m_selectedIcon = 0;
        emit Send_ICON_CURRENT_INDEX(id, 0);
        m_link->SendCMDTRANSITIONS(id, 0);
        return;
    }

    const int g = id - kFirstGroupId;
    quint32 code = 0;
    if (DEV_CHILD_TYPE == kTypeWithTenGroups) {
        code = _KEY_WIPE_Table[g];
    } else {
        if (g >= kCustomerGroups)
            return; // no wipe code for this group on this model
        code = _KEY_WIPE_Table_CUSTOMER[g];
    }
    m_wipeCode = code;
    selectOrAdvance(g);

    emit Send_ICON_CURRENT_INDEX(id, static_cast<uint8_t>(ICON_CURRENT_INDEX[g] & 0xFF));
    m_link->SendCMDTRANSITIONS(id, static_cast<unsigned char>(m_wipeCode & 0xFF));
}

// A click on a group that is not the selected one selects its current icon; a
// repeated click advances the group's icon, wrapping to its first.
void onlyFun::selectOrAdvance(int g)
{
    const quint32 first = ICON_GROUP_Table[g][0];
    const quint32 last = ICON_GROUP_Table[g][1];
    // A group byte 0 from the device leaves no icon of the group; advancing from it
    // would name icon 0, which has no picture. Start the group over instead.
    if (ICON_CURRENT_INDEX[g] < first || ICON_CURRENT_INDEX[g] > last) {
        ICON_CURRENT_INDEX[g] = first;
        m_rememberedIcon = first;
        m_selectedIcon = first;
        return;
    }
    m_rememberedIcon = ICON_CURRENT_INDEX[g];
    if (m_selectedIcon != m_rememberedIcon) {
        m_selectedIcon = m_rememberedIcon;
        return;
    }
    const quint32 next = m_rememberedIcon < last ? m_rememberedIcon + 1 : first;
    m_selectedIcon = next;
    ICON_CURRENT_INDEX[g] = next;
}

void onlyFun::set_TRANSITONS_Style(uchar id)
{
    if (id < kFirstGroupId) {
        m_selectedIcon = 0;
        return;
    }
    if (id > kLastGroupId)
        return;
    selectOrAdvance(id - kFirstGroupId);
}

// ---- T-bar ----------------------------------------------------------------------------

void onlyFun::sendTbar(uchar direction, uchar value, bool light)
{
    m_link->SwndCMDslider(direction, value);
    emit setlightStyle(light);
}

void onlyFun::setslider0(int v)
{
    if (guardRaised())
        return;
    // The lever spans 0..127; anything else would wrap into marker values.
    if (v < 0 || v > kTbarTop)
        return;

    emit m_on_Style_btnAuto(v != 0 && v != kTbarTop);

    if (v == kTbarTop) {
        if (!m_tbarTop) {
            m_tbarTop = 1;
            m_tbarBottom = 0;
            m_tbarReverse = 1;
            m_tbarReverseStarted = 0;
            sendTbar(kTbarUp, kTbarEndMarker, true);
            return;
        }
        if (!m_tbarForwardStarted) {
            sendTbar(kTbarUp, kTbarStartMarker, false);
            m_tbarForwardStarted = 1;
        }
        if (m_tbarReverse)
            setslider1(kTbarTop);
        return;
    }

    if (!m_tbarForwardStarted) {
        m_tbarForwardStarted = 1;
        if (v != kTbarStartMarker)
            sendTbar(kTbarUp, kTbarStartMarker, false);
    }
    if (!m_tbarReverse) {
        sendTbar(kTbarUp, static_cast<uchar>(v), false);
        return;
    }
    setslider1(v);
}

void onlyFun::setslider1(int v)
{
    if (v < 0 || v > kTbarTop)
        return;
    if (v > 0) {
        if (!m_tbarReverseStarted) {
            m_tbarReverseStarted = 1;
            if (v != kTbarStartMarker)
                sendTbar(kTbarDown, kTbarStartMarker, true);
        }
        sendTbar(kTbarDown, static_cast<uchar>(kTbarTop - v), true);
        return;
    }
    if (!m_tbarBottom) {
        m_tbarTop = 0;
        m_tbarBottom = 1;
        m_tbarReverse = 0;
        m_tbarForwardStarted = 0;
        sendTbar(kTbarDown, kTbarEndMarker, false);
        return;
    }
    if (!m_tbarReverseStarted) {
        sendTbar(kTbarDown, kTbarStartMarker, true);
        m_tbarReverseStarted = 1;
    }
}

void onlyFun::setSliderDirection(uchar dir, uchar pos)
{
    if (dir == 0 || dir == 1)
        m_tbarReverse = dir;
    if (pos == kTbarTop && dir == 1) {
        m_tbarTop = 1;
        m_tbarBottom = 0;
        m_tbarReverseStarted = 0;
    } else if (pos == 0 && dir == 0) {
        m_tbarTop = 0;
        m_tbarBottom = 1;
        m_tbarForwardStarted = 0;
    }
}

// ---- device state ---------------------------------------------------------------------

void onlyFun::applySourcePosition(int& index, uchar code)
{
    if (!m_srcTable || m_srcTableLen < 1)
        return;
    for (int i = 0; i < m_srcTableLen; ++i) {
        if (m_srcTable[i] == code) {
            index = i;
            return;
        }
    }
}

void onlyFun::set_CH1_Style(uchar code) { applySourcePosition(m_src1Index, code); }
void onlyFun::set_CH2_Style(uchar code) { applySourcePosition(m_src2Index, code); }
void onlyFun::set_CH3_Style(uchar code) { applySourcePosition(m_src3Index, code); }

void onlyFun::set_AFVorMIX_Style(uchar v)
{
    if (!isOnOff(v))
        return;
    m_afvMix = v;
    emit AFV_MIX_Enable_Signals(v == 1);
}

void onlyFun::setRecStreamEnable(uchar rec, uchar pause, uchar stream)
{
    if (rec == 1) {
        m_recording = 1;
        emit m_on_Style_btnRec_Signals(true);
        // The device reports a running pause as 2.
        if (pause == 2) {
            m_pause = 1;
            emit m_on_Style_btnPause_Signals(true);
        } else {
            m_pause = 0;
            emit m_on_Style_btnPause_Signals(false);
        }
    } else if (rec == 0) {
        m_recording = 0;
        emit m_on_Style_btnRec_Signals(false);
        m_pause = 0;
    } else if (m_recording) {
        m_pause = 0;
        emit m_on_Style_btnPause_Signals(false);
    }

    if (isOnOff(stream)) {
        m_streaming = stream;
        emit m_on_Style_btnStream_Signals(stream == 1);
    }
}

void onlyFun::set_Rec_Style(uchar v)
{
    if (v == 1) {
        m_recording = 1;
        emit m_on_Style_btnRec_Signals(true);
    } else if (v == 0) {
        m_recording = 0;
        m_pause = 0;
        emit m_on_Style_btnRec_Signals(false);
    }
}

void onlyFun::set_Pause_Style(uchar v)
{
    if (!m_recording || !isOnOff(v))
        return;
    m_pause = v;
    emit m_on_Style_btnPause_Signals(v == 1);
}

void onlyFun::set_Stream_Style(uchar v)
{
    if (!isOnOff(v))
        return;
    m_streaming = v;
    emit m_on_Style_btnStream_Signals(v == 1);
}

void onlyFun::set_FUNCTION_Style(uchar pip, uchar pop, uchar luma, uchar chroma, uchar pattern)
{
    const uchar values[] = {pip, pop, luma, chroma, pattern};
    uint8_t* states[] = {&m_pip, &m_pop, &m_luma, &m_chroma, &m_pattern};
    for (int i = 0; i < 5; ++i) {
        if (isOnOff(values[i]))
            *states[i] = values[i];
    }

    uint8_t shown = isOnOff(pip) ? pip : 0;
    for (int i = 1; i < 5; ++i) {
        if (values[i] == 1)
            shown = static_cast<uint8_t>(i + 1);
    }
    emit set_Function_EnableSignals(shown, pip != 0, pop != 0, luma != 0, chroma != 0, pattern != 0);
}

void onlyFun::set_btnF7_state(uchar mode)
{
    m_f7Mode = mode;
    emit setF7Widget(m_f7Mode, m_luma, m_chroma);
}

void onlyFun::set_aux_state(uchar v)
{
    if (!isOnOff(v))
        return;
    m_aux = v;
    emit set_aux_state_signals(v == 1);
}

void onlyFun::setGROUPStyle(uchar v)
{
    if (!isOnOff(v))
        return;
    m_camGroup = v;
    emit setGROUPStyleSignals(v == 1);
}

void onlyFun::setHDR_ON_Style(uchar v)
{
    if (!isOnOff(v))
        return;
    m_hdrOn = v;
    emit setHDR_ON_EnableSignals(v == 1);
}

void onlyFun::set_CAMMENU_Style(uchar on, uchar cam)
{
    if (isOnOff(on))
        m_camMenu = on;
    emit set_CAMMENU_StyleSignals(on, cam);
}

void onlyFun::set_Trans_Style(uchar Trans, uchar wipe, uchar Group0, uchar Group1, uchar Group2, uchar Group3,
                              uchar Group4, uchar Group5, uchar Group6, uchar Group7, uchar Group8,
                              uchar Group9)
{
    m_selectedIcon = static_cast<quint32>(wipe) - 1;
    const uchar groups[] = {Group0, Group1, Group2, Group3, Group4, Group5, Group6, Group7, Group8, Group9};
    for (int i = 0; i < 10; ++i)
        ICON_CURRENT_INDEX[i] = static_cast<quint32>(groups[i]) - 1;
    emit Send_Trans_Style(Trans, wipe, Group0, Group1, Group2, Group3, Group4, Group5, Group6, Group7, Group8,
                          Group9);
}

void onlyFun::set_POP_WIN_Style(uchar v)
{
    if (v == 2) {
        emit setWinText(QStringLiteral("2"));
        m_popWinToggle = 1;
        m_popWinMode = 2;
        m_popCtrlEnabled = 1;
    } else if (v == 1) {
        emit setWinText(QStringLiteral("1"));
        m_popWinToggle = 0;
        m_popWinMode = 1;
        m_popCtrlEnabled = m_popCutWinMode != 0;
    } else {
        m_popWinMode = v;
        m_popCtrlEnabled = !(v == 0 && m_popCutWinMode == 0);
    }
    emit POP_CUT_WindowSignals(m_popCtrlEnabled != 0);
}

void onlyFun::POP_CUT_WindowMode(uchar m)
{
    m_popCutWinMode = m;
    POP_CUT_Win();
}

void onlyFun::POP_CUT_Win()
{
    m_popCtrlEnabled = (m_popCutWinMode != 0 || m_popWinMode > 1);
    emit POP_CUT_WindowSignals(m_popCtrlEnabled != 0);
}
