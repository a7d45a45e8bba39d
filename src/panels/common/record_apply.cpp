#include "record_apply.h"

#include "audio_page.h"
#include "bytes.h"
#include "cam_page.h"
#include "key_page.h"
#include "main_menu.h"
#include "model_tables.h"
#include "onlyfun.h"
#include "pattern_page.h"
#include "pip_page.h"
#include "pop_page.h"

namespace DevState {

bool readTbarReport(const QByteArray& reply, TbarReport& out, TbarRule rule)
{
    constexpr int kTbarType = 0x82;
    constexpr int kMinSize = 22;
    if (reply.size() < kMinSize || byteAt(reply, 16) != kTbarType)
        return false;
    out.direction = byteAt(reply, 18);
    const quint8 p = byteAt(reply, 19);
    const bool end = p >= 128;
    out.position = end ? 127 : p;
    out.autoLit = !end && p != 0 && p != 127;
    out.upLit = out.direction != 0;
    out.moves = out.direction <= 1;
    out.lever = out.direction == 1 ? 127 - out.position : out.position;
    if (rule == TbarRule::Family) {
        const bool known = out.direction <= 1;
        out.moves = known && p != 0;
        out.showsAuto = known;
        out.autoLit = known && p != 0 && !end;
    }
    return true;
}

void applyRecord(const Record& r, const Groups& which, const PanelFields& panel, const RecordTargets& to)
{
    auto has = [&which](Group g) { return which.test(size_t(g)); };
    auto show = [&has](Group g, const std::function<void(quint8)>& f, quint8 v) {
        if (f && has(g))
            f(v);
    };

    show(Pgm, panel.pgm, r.pgm);
    show(Pvw, panel.pvw, r.pvw);
    show(AudioMode, panel.audioMode, r.audioMode);
    show(Ch1On, panel.ch1On, r.ch1On);
    if (has(Ch1Source)) to.fun->set_CH1_Style(r.ch1Source);
    show(Ch1Level, panel.ch1Level, r.ch1Level);
    show(Ch2On, panel.ch2On, r.ch2On);
    if (has(Ch2Source)) to.fun->set_CH2_Style(r.ch2Source);
    show(Ch2Level, panel.ch2Level, r.ch2Level);
    show(MasterOn, panel.masterOn, r.masterOn);
    show(Master, panel.master, r.master);
    show(Mute, panel.mute, r.mute);
    if (has(Transition)) {
        const auto& t = r.transition;
        to.fun->set_Trans_Style(t[0], t[1], t[2], t[3], t[4], t[5], t[6], t[7], t[8], t[9], t[10], t[11]);
    }
    show(Ftb, panel.ftb, r.ftb);
    if (has(Function)) to.fun->set_FUNCTION_Style(r.pipOn, r.popOn, r.lumaOn, r.chromaOn, r.patternOn);
    if (has(PipBorderOn)) to.pip->set_BorderEnable_Style(r.pipBorderOn);
    if (has(PipBorderColor)) to.pip->set_BorderColor_Style(r.pipBorderColor);
    if (has(PipBorderWidth)) to.pip->set_BorderWidth_Style(r.pipBorderWidth);
    if (has(PipSize)) to.pip->set_Size_Style(r.pipSize);
    if (has(PipHPos)) to.pip->set_Hposition_Style(r.pipHPos.hi(), r.pipHPos.lo());
    if (has(PipVPos)) to.pip->set_Vposition_Style(r.pipVPos.hi(), r.pipVPos.lo());
    show(Still, panel.still, r.still);
    show(Rate, panel.rate, r.rate);
    if (has(PopWindow)) to.fun->set_POP_WIN_Style(r.popWindow);
    if (has(PopBorderOn)) to.pop->set_BorderEnable_Style(r.popBorderOn);
    if (has(PopBorderColor)) to.pop->set_BorderColor_Style(r.popBorderColor);
    if (has(PopBorderWidth)) to.pop->set_BorderWidth_Style(r.popBorderWidth);
    if (has(PopSize)) to.pop->set_Size_Style(r.popSize);
    if (has(PopHPos)) to.pop->set_Hposition_Style(r.popHPos.hi(), r.popHPos.lo());
    if (has(PopVPos)) to.pop->set_Vposition_Style(r.popVPos.hi(), r.popVPos.lo());
    if (has(Chroma)) {
        for (KEY_PAGE* page : {to.luma, to.chroma})
            page->setChromaSatae(r.chromaBackground, r.lumaLevel, r.chromaBlueLevel, r.chromaGreenLevel);
    }
    if (has(PatternType)) to.pattern->set_PATTERN_Type(r.patternType);
    if (has(PatternHPos)) to.pattern->set_Hposition_Style(r.patternHPos.hi(), r.patternHPos.lo());
    if (has(PatternVPos)) to.pattern->set_Vposition_Style(r.patternVPos.hi(), r.patternVPos.lo());
    if (has(PatternSize)) to.pattern->set_Size_Style(r.patternSize.hi(), r.patternSize.lo());
    if (has(PatternHStretch)) to.pattern->set_HStretching_Style(r.patternHStretch.hi(), r.patternHStretch.lo());
    if (has(PatternVStretch)) to.pattern->set_VStretching_Style(r.patternVStretch.hi(), r.patternVStretch.lo());
    if (has(PatternNum)) to.pattern->set_tretching_Style(r.patternNum);
    if (to.cam) {
        if (has(CamMenu)) {
            to.fun->set_CAMMENU_Style(r.camMenu, r.camAddress);
            // The address alone follows only its own byte.
            if (has(CamAddress)) to.cam->set_Address_Type(r.camAddress);
        }
        if (has(CamBaud)) to.cam->set_Baud_Style(r.camBaud);
        if (has(CamProtocol)) to.cam->set_Protocol_Style(r.camProtocol);
        if (has(CamRate)) to.cam->set_camRate_Style(r.camRate);
        if (has(CamZoom)) to.cam->set_Zoom_Style(r.camZoom);
    }
    if (has(PgmOut)) to.menu->set_PGM_Style(r.pgmOut);
    using GpiSetter = void (MainMenu::*)(uint8_t);
    static const GpiSetter gpi[6] = {&MainMenu::set_GPI1_Value, &MainMenu::set_GPI2_Value,
                                     &MainMenu::set_GPI3_Value, &MainMenu::set_GPI4_Value,
                                     &MainMenu::set_GPI5_Value, &MainMenu::set_GPI6_Value};
    for (int i = 0; i < 6; ++i) {
        if (has(Group(Gpi1 + i)))
            (to.menu->*gpi[i])(r.gpi[size_t(i)]);
    }
    if (has(FanCtrl)) to.menu->set_fanCtrl_Value(r.fanCtrl);
    if (has(FanSpeed)) to.menu->set_fanSpeed_Value(r.fanSpeed.hi(), r.fanSpeed.lo());
    if (has(AudioDelay)) to.menu->set_AudioDelay_Value(r.audioDelay);
    if (has(LineGain)) to.menu->set_LineGain_Value(r.lineGain);
    if (to.readsHdr && has(HdrOn)) to.fun->setHDR_ON_Style(r.hdrOn());
    if (to.readsHdr && has(HdrCfg)) to.menu->set_HDR_ON_Value(r.hdrCfg());
    if (to.menuShowsMic && has(MicVolume)) to.menu->set_MIC_Value(r.micVolume);
    if (to.audio) {
        if (has(LineGain)) to.audio->set_LineGain_Value(r.lineGain);
        if (has(MicVolume)) to.audio->set_MicVolume_Value(r.micVolume);
        if (has(MicHpf)) to.audio->set_MicHPFS_Value(r.micHpf);
    }
    if (to.readsF7Mode && has(F7Mode)) to.fun->set_btnF7_state(r.f7Mode);
}

void applyRecStreamStatus(const RecStreamStatus& s, const RecordTargets& to)
{
    to.fun->setRecStreamEnable(s.rec(), s.pause(), s.stream());
    to.menu->setRecStreamValue(s.streamIndex(), s.streamRate(), s.quality(), s.encoding(), s.storage());
}

void applyPopWindowReply(const QByteArray& reply, const RecordTargets& to)
{
    constexpr int kPopWindowType = 0x6F;
    if (byteAt(reply, 16) != kPopWindowType || !hasBytes(reply, 18))
        return;
    DevStateGuard guard;
    to.fun->POP_CUT_WindowMode(byteAt(reply, 18));
}

bool readVersionReply(const QByteArray& reply, int firstByte, VersionReport& out)
{
    constexpr int kVersionType = 0x49;
    constexpr int kVersionReplySize = 32;
    if (byteAt(reply, 16) != kVersionType || reply.size() < kVersionReplySize)
        return false;
    out.values[0] = byteAt(reply, firstByte);
    out.values[1] = byteAt(reply, 14);
    for (int i = 0; i < 9; ++i)
        out.values[size_t(2 + i)] = byteAt(reply, 23 + i);
    return true;
}

void applyVersionReply(const QByteArray& reply, int firstByte, const RecordTargets& to)
{
    VersionReport v;
    if (!readVersionReply(reply, firstByte, v))
        return;
    DevStateGuard guard;
    const auto& b = v.values;
    to.menu->setVersion(b[0], b[1], b[2], b[3], b[4], b[5], b[6], b[7], b[8], b[9], b[10]);
}

void storeGroupIcons(const quint8 (&groups)[10])
{
    for (int i = 0; i < 10; ++i)
        ICON_CURRENT_INDEX[i] = quint32(groups[i]) - 1u;
}

int litTransition(quint8 kind, quint8 cur, const quint8 (&groups)[10], const std::function<bool(int id)>& hasKey)
{
    if (kind == 1)
        return 0;
    if (kind == 2)
        return 1;
    if (kind == 4 || kind == 8)
        for (int i = 0; i < 10; ++i)
            if (groups[i] == cur && (!hasKey || hasKey(i + 2)))
                return i + 2;
    return -1;
}

} // namespace DevState
