// Operator actions of the panels, the settings window and the settings pages.

#include "onlyfun.h"

#include "druvela_workdata.h"
#include "ipv4_text.h"
#include "key_names.h"
#include "model_tables.h"

#include <QStringList>
#include <QTimer>

namespace {

constexpr unsigned kRecorderWaitMs = 1000;
constexpr int kVolumeStep = 5;
constexpr int kVolumeMax = 100;

constexpr uchar kMenuUp = 65;
constexpr uchar kMenuEnter = 107;
constexpr uchar kMenuDown = 66;
constexpr uchar kMenuLeft = 108;
constexpr uchar kMenuRight = 109;


// Value changes of the settings window and pages send nothing while a reply
// is applied; those fed by a list index also drop -1 (an empty list).
template <typename Arg>
void guardedSend(Druvela_workdata* link, void (Druvela_workdata::*op)(Arg), int v)
{
    if (updateDevStateEnable)
        return;
    (link->*op)(static_cast<Arg>(v));
}

template <typename Arg>
void guardedIndex(Druvela_workdata* link, void (Druvela_workdata::*op)(Arg), int index)
{
    if (index >= 0)
        guardedSend(link, op, index);
}

} // namespace

// ---- buses, transition controls, audio ----------------------------------------

// Keys whose state the device also reports: flip the low bit, restyle, send.
void onlyFun::toggleKey(uint8_t& state, void (onlyFun::*restyle)(bool),
                        void (Druvela_workdata::*send)(unsigned char))
{
    state ^= 1;
    emit(this->*restyle)(state == 1);
    (m_link->*send)(state);
}

void onlyFun::m_on_btnGrp_PGM_clicked(uchar ch) { m_link->SendCDMPGMCH(ch); }
void onlyFun::m_on_btnGrp_PVW_clicked(uchar ch) { m_link->SendCMDPVWCH(ch); }
void onlyFun::m_on_btnCut_clicked() { m_link->SendCMDCUT(); }
void onlyFun::m_on_btnAuto_clicked() { m_link->SendCMDAUTO(); }
void onlyFun::m_on_btn_ftb_clicked() { m_link->SendCMDFTB(); }
void onlyFun::m_on_btnGrp_Rate_clicked(uchar r) { m_link->SendCMDRATE(r); }
void onlyFun::m_on_btn_still_clicked() { m_link->SendCMDSTILL(); }
void onlyFun::m_on_btn_still_clicked_data1() { m_link->SendCMDSTILL(0); }
void onlyFun::m_on_btn_still_clicked_data2() { m_link->SendCMDSTILL(1); }

void onlyFun::m_on_verticalSlider_1_valueChanged(int v)
{
    m_ch1Level = static_cast<uint8_t>(v);
    if (guardRaised())
        return;
    m_link->SendCMDSLIDER(0, static_cast<uchar>(v));
}

void onlyFun::m_on_verticalSlider_2_valueChanged(int v)
{
    m_ch2Level = static_cast<uint8_t>(v);
    if (guardRaised())
        return;
    m_link->SendCMDSLIDER(1, static_cast<uchar>(v));
}

void onlyFun::m_on_verticalSlider_3_valueChanged(int v)
{
    if (guardRaised())
        return;
    m_link->SendCMDSLIDER(2, static_cast<uchar>(v));
}

void onlyFun::m_on_verticalSlider_master_valueChanged(int v)
{
    if (guardRaised())
        return;
    m_link->SendCMDSLIDER(3, static_cast<uchar>(v));
}

void onlyFun::stepVolume(uint8_t& level, int fader, bool up)
{
    // The fader echo of the emitted level must not go out a second time; the
    // guard restores whatever an enclosing reply handler had raised.
    DevStateGuard guard;
    const int next = up ? (level < kVolumeMax - kVolumeStep ? level + kVolumeStep : kVolumeMax)
                        : (level < kVolumeStep ? 0 : level - kVolumeStep);
    level = static_cast<uint8_t>(next);
    m_link->SendCMDSLIDER(static_cast<uchar>(fader), level);
    if (fader == 0)
        emit setSlider1Vol(level);
    else
        emit setSlider2Vol(level);
}

void onlyFun::m_on_btn_ch1_vol_sub_clicked() { stepVolume(m_ch1Level, 0, false); }
void onlyFun::m_on_btn_ch1_vol_add_clicked() { stepVolume(m_ch1Level, 0, true); }
void onlyFun::m_on_btn_ch2_vol_sub_clicked() { stepVolume(m_ch2Level, 1, false); }
void onlyFun::m_on_btn_ch2_vol_add_clicked() { stepVolume(m_ch2Level, 1, true); }

void onlyFun::m_on_btn_ch1_clicked() { m_link->SendCMDCH1_CH2_MASTER(0); }
void onlyFun::m_on_btn_ch2_clicked() { m_link->SendCMDCH1_CH2_MASTER(1); }
void onlyFun::m_on_btn_ch3_clicked() { m_link->SendCMDCH1_CH2_MASTER(2); }
void onlyFun::m_on_btn_master_clicked() { m_link->SendCMDCH1_CH2_MASTER(3); }

void onlyFun::stepSource(int& index, void (Druvela_workdata::*send)(unsigned char))
{
    if (!m_srcTable)
        return;
    index += m_srcStep;
    if (index >= m_srcTableLen)
        index = m_srcWrapIndex;
    if (index < 0)
        return;
    (m_link->*send)(static_cast<unsigned char>(m_srcTable[index] & 0xFF));
}

void onlyFun::m_on_btn_src1_clicked() { stepSource(m_src1Index, &Druvela_workdata::SendCMDSRC1); }
void onlyFun::m_on_btn_src2_clicked() { stepSource(m_src2Index, &Druvela_workdata::SendCMDSRC2); }
void onlyFun::m_on_btn_src3_clicked() { stepSource(m_src3Index, &Druvela_workdata::SendCMDSRC3); }

void onlyFun::m_on_btn_afv_mix_clicked()
{
    toggleKey(m_afvMix, &onlyFun::AFV_MIX_Enable_Signals, &Druvela_workdata::SendCMDMIXorAFV);
}

void onlyFun::m_on_btn_AFVorMIX_clicked(uchar id) { m_link->SendCMDMIXorAFV(id); }
void onlyFun::m_on_btn_ADUIO_MUTE_clicked() { m_link->SendCMDF3(); }
void onlyFun::m_on_btn_lnge_cfg_clicked() { m_link->SendCMDLINE_VOL(); }
void onlyFun::m_on_btn_mic_cfg_clicked() { m_link->SendCMDMIC_VOL(); }

// ---- recorder and stream --------------------------------------------------------

// Asks for the state after the device had time to act on a recorder key, so
// the reply restyles the keys. The controller may be gone after the wait.
void onlyFun::recorderKeyDone()
{
    if (!Delay_MSec(this, kRecorderWaitMs))
        return;
    m_link->SendCMDReadDevState();
}

void onlyFun::m_on_btn_rec_clicked()
{
    if (m_recording) {
        m_recording = 0;
        emit m_on_Style_btnPause_Signals(false);
        m_pause = 0;
        m_link->SendCMDREC(0);
    } else {
        m_recording = 1;
        m_link->SendCMDREC(1);
    }
    recorderKeyDone();
}

void onlyFun::m_on_btn_pause_clicked()
{
    if (!m_recording)
        return;
    m_pause ^= 1;
    m_link->SendCMDPAUSE();
    recorderKeyDone();
}

void onlyFun::m_on_btn_stream_clicked()
{
    m_streaming ^= 1;
    m_link->SendCMDSTREAM(m_streaming);
    recorderKeyDone();
}

void onlyFun::btn_btnUSB_clicked()
{
    m_link->SendCMD_REC_SET_USB();
    recorderKeyDone();
}

void onlyFun::btn_btnSSD_clicked()
{
    m_link->SendCMD_REC_SET_SSD();
    recorderKeyDone();
}

void onlyFun::btn_btnPlay_Pause_clicked() { m_link->SendCMD_REC_SET_PLAY_PAUSE(); }
void onlyFun::btn_btnPrv_clicked() { m_link->SendCMD_REC_SET_PRE(); }
void onlyFun::btn_btnNext_clicked() { m_link->SendCMD_REC_SET_NEXT(); }

// ---- menu keys ----------------------------------------------------------------------

void onlyFun::on_btnclicked_MenuUP_Pressed() { m_link->SendCMDMenu(kMenuUp, 1); }
void onlyFun::on_btnclicked_MenuUP_Released() { m_link->SendCMDMenu(kMenuUp, 0); }
void onlyFun::on_btnclicked_Menu_Pressed() { m_link->SendCMDMenu(kMenuEnter, 1); }
void onlyFun::on_btnclicked_Menu_Released() { m_link->SendCMDMenu(kMenuEnter, 0); }
void onlyFun::on_btnclicked_MenuDOWN_Pressed() { m_link->SendCMDMenu(kMenuDown, 1); }
void onlyFun::on_btnclicked_MenuDOWN_Released() { m_link->SendCMDMenu(kMenuDown, 0); }
void onlyFun::on_btnclicked_MenuLEFT_Pressed() { m_link->SendCMDMenu(kMenuLeft, 1); }
void onlyFun::on_btnclicked_MenuLEFT_Released() { m_link->SendCMDMenu(kMenuLeft, 0); }
void onlyFun::on_btnclicked_MenuRIGHT_Pressed() { m_link->SendCMDMenu(kMenuRight, 1); }
void onlyFun::on_btnclicked_MenuRIGHT_Released() { m_link->SendCMDMenu(kMenuRight, 0); }

// ---- function keys and display ----------------------------------------------------

void onlyFun::m_on_btnGrp_Function_clicked(uchar id)
{
    uint8_t* states[] = {&m_pip, &m_pop, &m_luma, &m_chroma, &m_pattern};
    if (id >= 1 && id <= 5) {
        for (int i = 0; i < 5; ++i) {
            if (i == id - 1)
                *states[i] ^= 1;
            else
                *states[i] = 0;
        }
        switch (id) {
        case 1: m_link->SendCMDPIP(m_pip); break;
        case 2: m_link->SendCMDPOP(m_pop); break;
        case 3: m_link->SendCMDLUMA(m_luma); break;
        case 4: m_link->SendCMDCHROMA(m_chroma); break;
        case 5: m_link->SendCMDPATTERN(m_pattern); break;
        default: break;
        }
    }
    emit set_Function_EnableSignals(id, m_pip, m_pop, m_luma, m_chroma, m_pattern);
}

void onlyFun::m_on_btnF7_clicked()
{
    if (m_f7Mode == 2) {
        m_chroma ^= 1;
        m_link->SendCMDCHROMA(m_chroma);
    } else if (m_f7Mode == 1) {
        m_luma ^= 1;
        m_link->SendCMDLUMA(m_luma);
    }
    emit setF7Widget(m_f7Mode, m_luma, m_chroma);
}

void onlyFun::btn_pattern_pressed() { m_link->SendCMD_SET_C0LORBAR(1); }
void onlyFun::btn_pattern_released() { m_link->SendCMD_SET_C0LORBAR(0); }

void onlyFun::m_on_btn_aux_clicked()
{
    toggleKey(m_aux, &onlyFun::set_aux_state_signals, &Druvela_workdata::SendCMDAux);
}

void onlyFun::m_on_btn_hdr_on_clicked()
{
    toggleKey(m_hdrOn, &onlyFun::setHDR_ON_EnableSignals, &Druvela_workdata::SendCMDHDR_ON);
}

void onlyFun::m_on_btn_hdr_cfg_clicked()
{
    if (guardRaised())
        return;
    m_hdrCfg = m_hdrCfg < 3 ? static_cast<uint8_t>(m_hdrCfg + 1) : 1;
    m_link->SendCMDHDR_CFG(m_hdrCfg);
}

void onlyFun::m_on_btn_hdr_cfg_valueChanged(int v)
{
    if (v < 0)
        return;
    m_hdrCfg = static_cast<uint8_t>(v);
    if (guardRaised())
        return;
    m_link->SendCMDHDR_CFG(m_hdrCfg);
}

void onlyFun::m_on_btn_reso_clicked()
{
    if (guardRaised() || !PGM_TABLE_POINT || Maxpgm == 0)
        return;
    const int next = static_cast<int>(PGM_CURRENT_VAL) < static_cast<int>(Maxpgm) - 1
                         ? static_cast<int>(PGM_CURRENT_VAL) + 1
                         : 0;
    PGM_CURRENT_VAL = static_cast<quint32>(next);
    m_link->SendCMDF1(static_cast<int>(PGM_TABLE_POINT[next]));
}

void onlyFun::PGM_currentIndexChanged(int i)
{
    if (guardRaised() || !PGM_TABLE_POINT || i < 0 || i >= static_cast<int>(Maxpgm))
        return;
    m_link->SendCMDF1(static_cast<int>(PGM_TABLE_POINT[i]));
}

void onlyFun::m_on_btn_DPorHDMI_clicked() { m_link->SendCMDCAM_INDEX(1); }

// ---- camera keys -------------------------------------------------------------------

void onlyFun::m_on_btn_cam_meun_clicked()
{
    m_camMenu ^= 1;
    emit set_CAMMENU_StyleSignals(m_camMenu, m_camMenu);
    m_link->SendCMDCAM_CTRL(m_camMenu);
}

void onlyFun::m_on_btnGrp_Cam_clicked(uchar id) { m_link->SendCMDCAM_INDEX(id); }
void onlyFun::m_on_btn_z_add_pressed() { m_link->SendCMDCAM_INC(1); }
void onlyFun::m_on_btn_z_add_released() { m_link->SendCMDCAM_INC(0); }
void onlyFun::m_on_btn_z_sub_pressed() { m_link->SendCMDCAM_DEC(1); }
void onlyFun::m_on_btn_z_sub_released() { m_link->SendCMDCAM_DEC(0); }
void onlyFun::m_on_btn_focus_add_pressed() { m_link->SendCMDCAM_FOCUS_INC(1); }
void onlyFun::m_on_btn_focus_add_released() { m_link->SendCMDCAM_FOCUS_INC(0); }
void onlyFun::m_on_btn_focus_sub_pressed() { m_link->SendCMDCAM_FOCUS_DEC(1); }
void onlyFun::m_on_btn_focus_sub_released() { m_link->SendCMDCAM_FOCUS_DEC(0); }

void onlyFun::m_on_btn_grpsw_clicked()
{
    toggleKey(m_camGroup, &onlyFun::setGROUPStyleSignals, &Druvela_workdata::SendCMDCAM_GROUP);
}

void onlyFun::m_on_btnGrp_Cal_clicked(uchar n) { m_link->SendCMDNUMBER_KEY(n); }
void onlyFun::m_on_btn_cal_cam_clicked() { m_link->SendCMD_NUMBER_CAM(); }
void onlyFun::m_on_btn_cal_nom_clicked() { m_link->SendCMD_NUMBER_MON(); }
void onlyFun::m_on_btn_set_preset_clicked() { m_link->SendCMDSet_preset(); }
void onlyFun::m_on_btn_clear_preset_clicked() { m_link->SendCMDClear_preset(); }
void onlyFun::m_on_btn_goto_preset_clicked() { m_link->SendCMDGoto_preset(); }
void onlyFun::m_on_btn_set_preset_pressed() { m_link->SendCMDSet_preset(1); }
void onlyFun::m_on_btn_set_preset_released() { m_link->SendCMDSet_preset(0); }
void onlyFun::m_on_btn_goto_preset_pressed() { m_link->SendCMDGoto_preset(1); }
void onlyFun::m_on_btn_goto_preset_released() { m_link->SendCMDGoto_preset(0); }

// ---- settings window ---------------------------------------------------------------

namespace {

// GPIn of the settings window is input n - 1 on the device.
void sendGpi(Druvela_workdata* link, int gpi, int index)
{
    if (updateDevStateEnable || index < 0)
        return;
    link->SendCMDGPI(gpi, static_cast<unsigned char>(index));
}

} // namespace

void onlyFun::GPI1_CurrentIndexChanged(int index) { sendGpi(m_link, 0, index); }
void onlyFun::GPI2_CurrentIndexChanged(int index) { sendGpi(m_link, 1, index); }
void onlyFun::GPI3_CurrentIndexChanged(int index) { sendGpi(m_link, 2, index); }
void onlyFun::GPI4_CurrentIndexChanged(int index) { sendGpi(m_link, 3, index); }
void onlyFun::GPI5_CurrentIndexChanged(int index) { sendGpi(m_link, 4, index); }
void onlyFun::GPI6_CurrentIndexChanged(int index) { sendGpi(m_link, 5, index); }

void onlyFun::setFAN_mod(int v) { guardedIndex(m_link, &Druvela_workdata::SendCMDFAN_mod, v); }

void onlyFun::setFAN_speed(ushort v) { guardedSend(m_link, &Druvela_workdata::SendCMDFAN_speed, v); }

void onlyFun::setStreamData(uchar index, uchar name_len, char* name, ushort url_len, char* rtmp_url)
{
    if (guardRaised())
        return;
    m_link->SendCMD_SW_SET_STREAM_DATA(index, name_len, name, url_len, rtmp_url);
}

void onlyFun::setStreamIndex(int index)
{
    if (index < 0)
        return;
    const auto idx = static_cast<unsigned char>(index);
    if (!guardRaised())
        m_link->SendCMD_SW_SET_STREAM_INDEX(idx);
    // A timer rather than a wait: this is reached while a panel applies its state,
    // and a wait that runs events could close the panel under it.
    QTimer::singleShot(kStreamReadBackMs, this, [this, idx] { m_link->SendCMD_SW_READ_STREAM_DATA(idx); });
}

void onlyFun::setStreamRtmpRate(int v)
{
    if (guardRaised() || v < 0)
        return;
    m_link->SendCMD_SW_SET_RTMP_RATE(1, static_cast<unsigned char>(v));
}

void onlyFun::setVideoQuality(int v)
{
    if (guardRaised() || v < 0)
        return;
    m_link->SendCMD_SW_SET_RTMP_RATE(0, static_cast<unsigned char>(v));
}

void onlyFun::readStreamData(int index)
{
    guardedIndex(m_link, &Druvela_workdata::SendCMD_SW_READ_STREAM_DATA, index);
}

QByteArray onlyFun::packIP_INFO(QString s)
{
    // A typing error is not an address to send: the callers send nothing then.
    return Ipv4Text::toBytes(s);
}

void onlyFun::btnSaveIP_clicked(QString strIP, QString strSubnet, QString strGateway, uchar static_dynamic)
{
    if (guardRaised())
        return;
    const QByteArray ip = packIP_INFO(strIP);
    const QByteArray subnet = packIP_INFO(strSubnet);
    const QByteArray gateway = packIP_INFO(strGateway);
    if (ip.size() != 4 || subnet.size() != 4 || gateway.size() != 4)
        return;
    m_link->SendCMD_SetIP(ip, subnet, gateway, static_dynamic, strIP);
}

void onlyFun::btnSaveIP_clicked_DNS(QString strIP, QString strSubnet, QString strGateway, QString strNDS,
                                    uchar static_dynamic)
{
    if (guardRaised())
        return;
    const QByteArray ip = packIP_INFO(strIP);
    const QByteArray subnet = packIP_INFO(strSubnet);
    const QByteArray gateway = packIP_INFO(strGateway);
    const QByteArray dns = packIP_INFO(strNDS);
    if (ip.size() != 4 || subnet.size() != 4 || gateway.size() != 4 || dns.size() != 4)
        return;
    m_link->SendCMD_SetIP(ip, subnet, gateway, dns, static_dynamic, strIP);
}

// ---- settings pages ------------------------------------------------------------------

void onlyFun::SetAUDIO_PAGE(uchar item, int value)
{
    if (guardRaised() || value < 0)
        return;
    m_link->SendCMDAUDIO_PAGE(item, static_cast<unsigned char>(value));
}

void onlyFun::setSpboxHPosition(int v)
{
    if (guardRaised() || pipSizeFalg)
        return;
    m_link->SendCMDPIP_H_Position(static_cast<unsigned short>(v));
}

void onlyFun::setSpboxVPosition(int v)
{
    if (guardRaised() || pipSizeFalg)
        return;
    m_link->SendCMDPIP_V_Position(static_cast<unsigned short>(v));
}

void onlyFun::setCoboxSize(int v) { guardedIndex(m_link, &Druvela_workdata::SendCMDPIP_Border_Size, v); }

void onlyFun::setCoboxBorder_Enable(int v)
{
    guardedIndex(m_link, &Druvela_workdata::SendCMDPIP_Border_Enable, v);
}

void onlyFun::setSpboxBorder_Width(int v)
{
    guardedSend(m_link, &Druvela_workdata::SendCMDPIP_Border_Width, v);
}

void onlyFun::setCoboxBorder_Color(int v)
{
    guardedIndex(m_link, &Druvela_workdata::SendCMDPIP_Border_Color, v);
}

void onlyFun::setlwindowindex()
{
    if (guardRaised())
        return;
    if (m_popWinToggle) {
        m_link->SendCMDPOP_Window(1);
        emit setWinText(QStringLiteral("1"));
        m_popWinToggle = 0;
        m_popCtrlEnabled = 0;
    } else {
        m_link->SendCMDPOP_Window(2);
        emit setWinText(QStringLiteral("2"));
        m_popWinToggle = 1;
        m_popCtrlEnabled = 1;
    }
}

void onlyFun::setPOP_SpboxHPosition(int v)
{
    if (guardRaised() || m_popCtrlEnabled != 1)
        return;
    if (m_popWinMode == 1)
        m_link->SendCMDPOP_H_Position(static_cast<unsigned short>(v));
    else if (m_popWinMode == 2)
        m_link->SendCMDPIP_H_Position(static_cast<unsigned short>(v));
}

void onlyFun::setPOP_SpboxVPosition(int v)
{
    if (guardRaised() || m_popCtrlEnabled != 1)
        return;
    if (m_popWinMode == 1)
        m_link->SendCMDPOP_V_Position(static_cast<unsigned short>(v));
    else if (m_popWinMode == 2)
        m_link->SendCMDPIP_V_Position(static_cast<unsigned short>(v));
}

void onlyFun::setbtnBorder_Enable()
{
    if (guardRaised())
        return;
    if (m_popBorder) {
        m_link->SendCMDPOP_Border_Enable(0);
        emit setWinBorderText(QStringLiteral("OFF"));
        m_popBorder = 0;
    } else {
        m_link->SendCMDPOP_Border_Enable(1);
        emit setWinBorderText(QStringLiteral("ON"));
        m_popBorder = 1;
    }
}

void onlyFun::applyPopBorderState(bool on)
{
    m_popBorder = on ? 1 : 0;
    emit setWinBorderText(on ? QStringLiteral("ON") : QStringLiteral("OFF"));
}

void onlyFun::setPOP_SpboxBorder_Width(int v)
{
    guardedSend(m_link, &Druvela_workdata::SendCMDPOP_Border_Width, v);
}

void onlyFun::setPOP_CoboxBorder_Color(int v)
{
    guardedIndex(m_link, &Druvela_workdata::SendCMDPOP_Border_Color, v);
}

namespace {

void sendCamPage(Druvela_workdata* link, unsigned char item, int v)
{
    if (updateDevStateEnable || v < 0)
        return;
    link->SendCMDCAM_CTRL_PAGE(item, static_cast<unsigned char>(v));
}

void sendPatternPage(Druvela_workdata* link, int item, int v)
{
    if (updateDevStateEnable)
        return;
    link->SendCMDPATTERN_PAGE(item, static_cast<unsigned short>(v));
}

} // namespace

void onlyFun::setQComboxBaud(int v) { sendCamPage(m_link, 1, v); }
void onlyFun::setQComboxProtocol(int v) { sendCamPage(m_link, 2, v); }
void onlyFun::setQEditRotationRote(int v) { sendCamPage(m_link, 3, v); }
void onlyFun::setSpboxZOOM(int v) { sendCamPage(m_link, 4, v); }

void onlyFun::getKeyName(QString name)
{
    m_keyName = name;
}

void onlyFun::setSpbox_Level(int v)
{
    if (guardRaised())
        return;
    if (m_keyName == lumaKeyName())
        m_link->SendCMDLUMA_LEVEL(static_cast<unsigned char>(v));
    else if (m_keyName == chromaKeyName())
        m_link->SendCMDCHROMA_LEVEL(static_cast<unsigned char>(v));
}

void onlyFun::setCoboxbackground_Color(int i)
{
    if (guardRaised() || i < 0 || m_keyName != chromaKeyName())
        return;
    m_link->SendCMDCHROMA_BK_COLOR(static_cast<unsigned char>(i));
}

void onlyFun::setSpboxPattern_Value(int v) { sendPatternPage(m_link, 0, v); }
void onlyFun::setSpboxPatternHPosition(int v) { sendPatternPage(m_link, 1, v); }
void onlyFun::setSpboxPatternVPosition(int v) { sendPatternPage(m_link, 2, v); }
void onlyFun::setSpboxPattern_Size(int v) { sendPatternPage(m_link, 3, v); }
void onlyFun::setSpboxPatternHStretching(int v) { sendPatternPage(m_link, 4, v); }
void onlyFun::setSpboxPatternVStretching(int v) { sendPatternPage(m_link, 5, v); }
void onlyFun::setSpboxPattern_Num(int v) { sendPatternPage(m_link, 6, v); }

void onlyFun::getJoystickPoint(uchar x, uchar y)
{
    if (guardRaised())
        return;
    m_link->SendCMDJoystick(x, y);
}
