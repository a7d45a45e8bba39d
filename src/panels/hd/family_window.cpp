#include "family_window.h"

#include "audio_page.h"
#include "cam_page.h"
#include "joystick_page.h"
#include "main_menu.h"
#include "model_tables.h"
#include "my_button.h"
#include "onlyfun.h"
#include "widget_show.h"
#include "window_placement.h"

#include <QButtonGroup>
#include <QLabel>
#include <QPointer>
#include <QSlider>
#include <QTimer>

namespace {

constexpr unsigned kFlashCut = 300;
constexpr unsigned kFlashSource = 200;
constexpr unsigned kFlashAudioCfg = 400;
constexpr unsigned kFlashKeypad = 300;

template <class T = QSlider>
T* named(const QWidget* window, const char* name)
{
    return window->findChild<T*>(QLatin1String(name));
}

// A key's clicks to one of the window's own actions, where the form has the key.
template <class Window>
void onClick(QWidget* key, Window* window, void (Window::*action)())
{
    if (auto* b = qobject_cast<QAbstractButton*>(key))
        QObject::connect(b, &QAbstractButton::clicked, window, action);
}

template <class Window>
void onPress(QWidget* key, Window* window, void (Window::*pressed)(), void (Window::*released)())
{
    if (auto* b = qobject_cast<QAbstractButton*>(key)) {
        QObject::connect(b, &QAbstractButton::pressed, window, pressed);
        QObject::connect(b, &QAbstractButton::released, window, released);
    }
}

} // namespace

FamilyWindow::FamilyWindow(QWidget* parent, DevState::LastByte lastDumpByte, int versionFirstByte)
    : QWidget(parent)
    , m_lastDumpByte(lastDumpByte)
    , m_versionFirstByte(versionFirstByte)
{
    auto* ftbTimer = new QTimer(this);
    connect(ftbTimer, &QTimer::timeout, this, &FamilyWindow::m_on_timerour_FTB);
    m_ftb = FtbBlink(ftbTimer, [this](bool on) { on_Style_btnFTB(on); });
}

FamilyWindow::~FamilyWindow() { m_kit.deleteWindows(); }

void FamilyWindow::DevTypeID(QString ip, uchar a, uchar b, QString ip2, uchar c, uchar d)
{
    m_kit.fun->DevTypeID(ip, a, b, ip2, c, d);
    m_kit.pages.menu->getDevIP(ip);
}

// ---- construction ---------------------------------------------------------

void FamilyWindow::build()
{
    init_widget();
    init_button_style();
    init_label_style();
    init_transitions();
    init_pgm_pvw();
    init_btnPGMStyle();
    init_btnPVWStyle();
    init_audio_verticalSlider();
    init_bus_verticalSlider();
    init_Toggle_key();
    init_btn_Cam();
    init_function();
    init_connect();
    init_record_fields();
}

void FamilyWindow::createWindows(bool withAudioPage)
{
    m_kit.createWindows(this, findChild<Joystick_PAGE*>(), withAudioPage);
    m_kit.setTransitions(FamilyPanel::transitionKeys(this), QStringLiteral(":/images/Druvela/"),
                         QStringLiteral(".bmp"));
    m_keys = FamilyPanel::commonKeys(this);
    m_fader1 = named(this, "verticalSlider_1");
    m_fader2 = named(this, "verticalSlider_2");
    m_fader3 = named(this, "verticalSlider_3");
    m_faderMaster = named(this, "verticalSlider_master");
    m_tbar = named(this, "verticalSlider_4");
    connectOwnKeys();
}

// As a form's slots bound by name would be: before any connection to the controller.
void FamilyWindow::connectOwnKeys()
{
    const FamilyPanel::CommonKeys& k = m_keys;
    onClick(k.ftb, this, &FamilyWindow::on_btn_ftb_clicked);
    onClick(k.still, this, &FamilyWindow::on_btn_still_clicked);
    onClick(k.ch1, this, &FamilyWindow::on_btn_ch1_clicked);
    onClick(k.ch2, this, &FamilyWindow::on_btn_ch2_clicked);
    onClick(k.ch3, this, &FamilyWindow::on_btn_ch3_clicked);
    onClick(k.master, this, &FamilyWindow::on_btn_master_clicked);
    onClick(k.src1, this, &FamilyWindow::on_btn_src1_clicked);
    onClick(k.src2, this, &FamilyWindow::on_btn_src2_clicked);
    onClick(k.src3, this, &FamilyWindow::on_btn_src3_clicked);
    onPress(k.zAdd, this, &FamilyWindow::on_btn_z_add_pressed, &FamilyWindow::on_btn_z_add_released);
    onPress(k.zSub, this, &FamilyWindow::on_btn_z_sub_pressed, &FamilyWindow::on_btn_z_sub_released);
    onPress(k.focusAdd, this, &FamilyWindow::on_btn_focus_add_pressed, &FamilyWindow::on_btn_focus_add_released);
    onPress(k.focusSub, this, &FamilyWindow::on_btn_focus_sub_pressed, &FamilyWindow::on_btn_focus_sub_released);
    onClick(named<QWidget>(this, "btnSet"), this, &FamilyWindow::on_btnSet_clicked);
    onClick(k.lineCfg, this, &FamilyWindow::on_btn_lnge_cfg_clicked);
    onClick(k.micCfg, this, &FamilyWindow::on_btn_mic_cfg_clicked);
    onClick(k.cut, this, &FamilyWindow::on_btn_cut_clicked);
}

void FamilyWindow::setBottomBar()
{
    m_kit.setBottomBar(named<MyButton>(this, "btnSet"), named<MyButton>(this, "btn_ds"),
                       named<MyButton>(this, "btn_exit"), named<QLabel>(this, "label_version"));
}

void FamilyWindow::init_button_style()
{
    setBottomBar();
    init_faces();
    showStartFaces();
}

void FamilyWindow::init_faces() { m_kit.addCommonFaces(m_keys); }

void FamilyWindow::showStartFaces()
{
    const FamilyPanel::CommonKeys& k = m_keys;
    for (QWidget* key : {k.hdrOn, k.ch1, k.ch2, k.ch3, k.master, k.src1, k.src2, k.src3, k.rec, k.pause, k.stream,
                         k.lineCfg, k.micCfg, k.aux, k.ftb, k.still, k.camMenu, k.zAdd, k.zSub, k.focusAdd,
                         k.focusSub, k.setPreset, k.gotoPreset, k.shift})
        m_kit.show(key, false);
    if (k.afvMix)
        set_AFVorMIX_Enable(false);
    init_btnTRANSITONSStyle();
    init_function_style();
}

void FamilyWindow::init_transitions() { m_grpTransitions = m_kit.transitionGroup(this); }

void FamilyWindow::setInputRows(const QVector<QAbstractButton*>& pgm, const QVector<QAbstractButton*>& pvw,
                                QAbstractButton* pgmBar, QAbstractButton* pvwBar)
{
    m_grpPGM = new QButtonGroup(this);
    m_grpPVW = new QButtonGroup(this);
    for (int i = 0; i < pgm.size() && i < pvw.size(); ++i) {
        m_kit.addInputFaces(pgm[i], pvw[i], i + 1);
        m_grpPGM->addButton(pgm[i], i + 1);
        m_grpPVW->addButton(pvw[i], i + 1);
    }
    if (pgmBar && pvwBar) {
        // The colour bar is source 9 on both rows.
        m_kit.addBarFaces(pgmBar, pvwBar);
        m_grpPGM->addButton(pgmBar, 9);
        m_grpPVW->addButton(pvwBar, 9);
    }
    connect(m_grpPGM, &QButtonGroup::idClicked, this, [this](int id) { m_on_btnGrp_PGM_clicked(uint8_t(id)); });
    connect(m_grpPVW, &QButtonGroup::idClicked, this, [this](int id) { m_on_btnGrp_PVW_clicked(uint8_t(id)); });
}

void FamilyWindow::init_audio_verticalSlider() { FamilyPanel::styleFaders({m_fader1, m_fader2, m_fader3, m_faderMaster}); }

void FamilyWindow::init_bus_verticalSlider() { FamilyPanel::styleTbar(m_tbar); }

void FamilyWindow::init_Toggle_key()
{
    m_grpRate = new QButtonGroup(this);
    int id = 0;
    for (QWidget* key : {m_keys.rate1, m_keys.rate2, m_keys.rate3}) {
        if (auto* b = qobject_cast<QAbstractButton*>(key))
            m_grpRate->addButton(b, id);
        ++id;
    }
    init_btnRateStyle();
    on_Style_btnCut(false);
    on_Style_btnAuto(false);
    connect(m_grpRate, &QButtonGroup::idClicked, this, [this](int r) { m_on_btnGrp_Rate_clicked(uint8_t(r)); });
}

void FamilyWindow::setCameraRow(const QVector<QAbstractButton*>& cameras)
{
    m_grpCam = new QButtonGroup(this);
    for (int i = 0; i < cameras.size(); ++i)
        m_grpCam->addButton(cameras[i], i + 1);
    init_btnCamStyle();
    connect(m_grpCam, &QButtonGroup::idClicked, this, [this](int id) { m_on_btnGrp_Cam_clicked(uint8_t(id)); });
    cam_menu_ctl(false);
}

void FamilyWindow::setKeypad(const std::array<QAbstractButton*, 10>& digits)
{
    m_grpCal = new QButtonGroup(this);
    for (int d = 0; d <= 9; ++d)
        m_grpCal->addButton(digits[size_t(d)], d);
    m_kit.addKeypadFaces(digits);
    init_btnCalStyle();
    connect(m_grpCal, &QButtonGroup::idClicked, this, [this](int d) { m_on_btnGrp_Cal_clicked(uint8_t(d)); });
}

void FamilyWindow::init_function()
{
    m_grpFunction = new QButtonGroup(this);
    const FamilyPanel::FunctionKeys keys = {m_keys.pip, m_keys.pop, m_keys.key1, m_keys.key2, m_keys.key3};
    for (size_t i = 0; i < keys.size(); ++i)
        if (auto* b = qobject_cast<QAbstractButton*>(keys[i]))
            m_grpFunction->addButton(b, int(i + 1));
}

void FamilyWindow::init_record_fields()
{
    DevState::PanelFields& d = m_recordFields;
    d = DevState::PanelFields();
    d.pgm = [this](quint8 v) { set_PGMCH_Style(v); };
    d.pvw = [this](quint8 v) { set_PVWCH_Style(v); };
    onlyFun* f = m_kit.fun;
    d.audioMode = [f](quint8 v) { f->set_AFVorMIX_Style(v); };
    d.ch1On = [this](quint8 v) { set_CH1_Enable(v); };
    d.ch1Level = [this](quint8 v) { set_CH1VOL_Style(v); };
    d.ch2On = [this](quint8 v) { set_CH2_Enable(v); };
    d.ch2Level = [this](quint8 v) { set_CH2VOL_Style(v); };
    d.masterOn = [this](quint8 v) { set_Master_Enable(v); };
    d.master = [this](quint8 v) { set_MasterVOL_Style(v); };
    d.ftb = [this](quint8 v) { set_FTB_Style(v); };
    d.still = [this](quint8 v) { set_Stll_Style(v); };
    d.rate = [this](quint8 v) { set_Rate_Style(v); };
    m_recordTargets = m_kit.recordTargets();
}

// ---- lamps ----------------------------------------------------------------

void FamilyWindow::on_Style_btnCH1(bool on) { m_kit.show(m_keys.ch1, on); }
void FamilyWindow::on_Style_btnCH2(bool on) { m_kit.show(m_keys.ch2, on); }
void FamilyWindow::on_Style_btnCH3(bool on) { m_kit.show(m_keys.ch3, on); }
void FamilyWindow::on_Style_btnMASTER(bool on) { m_kit.show(m_keys.master, on); }
void FamilyWindow::on_Style_btnSRC1(bool on) { m_kit.show(m_keys.src1, on); }
void FamilyWindow::on_Style_btnSRC2(bool on) { m_kit.show(m_keys.src2, on); }
void FamilyWindow::on_Style_btnSRC3(bool on) { m_kit.show(m_keys.src3, on); }
void FamilyWindow::on_Style_btnAFV(bool afv) { m_kit.show(m_keys.afvMix, afv); }
void FamilyWindow::on_Style_btnRec(bool on) { m_kit.show(m_keys.rec, on); }
void FamilyWindow::on_Style_btnPause(bool on) { m_kit.show(m_keys.pause, on); }
void FamilyWindow::on_Style_btnStream(bool on) { m_kit.show(m_keys.stream, on); }
void FamilyWindow::on_Style_btnLNGE(bool on) { m_kit.show(m_keys.lineCfg, on); }
void FamilyWindow::on_Style_btnMIC(bool on) { m_kit.show(m_keys.micCfg, on); }
void FamilyWindow::on_Style_btnAux(bool on) { m_kit.show(m_keys.aux, on); }
void FamilyWindow::on_Style_btnHDR_ON(bool on) { m_kit.show(m_keys.hdrOn, on); }
void FamilyWindow::on_Style_btnSTILL(bool on) { m_kit.show(m_keys.still, on); }
void FamilyWindow::on_Style_btnCamMeun(bool on) { m_kit.show(m_keys.camMenu, on); }
void FamilyWindow::on_Style_btnPIP(bool on) { m_kit.show(m_keys.pip, on); }
void FamilyWindow::on_Style_btnPOP(bool on) { m_kit.show(m_keys.pop, on); }
void FamilyWindow::on_Style_btnKey1(bool on) { m_kit.show(m_keys.key1, on); }
void FamilyWindow::on_Style_btnKey2(bool on) { m_kit.show(m_keys.key2, on); }
void FamilyWindow::on_Style_btnKey3(bool on) { m_kit.show(m_keys.key3, on); }
void FamilyWindow::on_Style_btnFTB(bool on) { m_kit.show(m_keys.ftb, on); }
void FamilyWindow::on_Style_btnCut(bool on) { m_kit.show(m_keys.cut, on); }
void FamilyWindow::on_Style_btnAuto(bool on) { m_kit.show(m_keys.autoKey, on); }
void FamilyWindow::on_Style_btn_z_add(bool on) { m_kit.show(m_keys.zAdd, on); }
void FamilyWindow::on_Style_btn_z_sub(bool on) { m_kit.show(m_keys.zSub, on); }
void FamilyWindow::on_Style_btn_f_add(bool on) { m_kit.show(m_keys.focusAdd, on); }
void FamilyWindow::on_Style_btn_f_sub(bool on) { m_kit.show(m_keys.focusSub, on); }
void FamilyWindow::on_Style_btnSet_preset(bool on) { m_kit.show(m_keys.setPreset, on); }
void FamilyWindow::on_Style_btnGoto_preset(bool on) { m_kit.show(m_keys.gotoPreset, on); }
void FamilyWindow::on_Style_btnShitf(bool on) { m_kit.show(m_keys.shift, on); }

void FamilyWindow::on_Style_btnpgm_red(int id) { m_kit.lightRow(m_grpPGM, id); }
void FamilyWindow::on_Style_btnpvw_green(int id) { m_kit.lightRow(m_grpPVW, id); }
void FamilyWindow::on_Style_btnRate_green(int r) { m_kit.lightRow(m_grpRate, r); }
void FamilyWindow::on_Style_btnCam_green(int cam) { m_kit.lightRow(m_grpCam, cam); }
void FamilyWindow::on_Style_btnTransitions_green(int id) { m_kit.lightTransition(id); }

void FamilyWindow::init_btnPGMStyle() { m_kit.resetRow(m_grpPGM); }
void FamilyWindow::init_btnPVWStyle() { m_kit.resetRow(m_grpPVW); }
void FamilyWindow::init_btnRateStyle() { m_kit.resetRow(m_grpRate); }
void FamilyWindow::init_btnCamStyle() { m_kit.resetRow(m_grpCam); }
void FamilyWindow::init_btnCalStyle() { m_kit.resetRow(m_grpCal); }
void FamilyWindow::init_btnTRANSITONSStyle() { m_kit.resetTransitions(); }
void FamilyWindow::init_function_style() { m_kit.resetFunctions(functionKeys()); }

QString FamilyWindow::wipeFaceStyle(int group, bool lit) const { return m_kit.wipeFaceStyle(group, lit); }

FamilyPanel::FunctionKeys FamilyWindow::functionKeys() const
{
    return {m_keys.pip, m_keys.pop, m_keys.key1, m_keys.key2, patternKey()};
}

// ---- rows and device state ------------------------------------------------

void FamilyWindow::set_PGMCH_Style(uchar ch) { m_kit.showRow(m_grpPGM, ch); }
void FamilyWindow::set_PVWCH_Style(uchar ch) { m_kit.showRow(m_grpPVW, ch); }
void FamilyWindow::set_Rate_Style(uchar r) { m_kit.showRow(m_grpRate, r); }
void FamilyWindow::set_Cam_Style(uchar cam) { m_kit.showRow(m_grpCam, cam); }

void FamilyWindow::cam_menu_ctl(bool on)
{
    if (m_grpCam)
        for (QAbstractButton* k : m_grpCam->buttons())
            Show::enabled(k, on);
    for (QWidget* k : {m_keys.zAdd, m_keys.zSub})
        Show::enabled(k, on);
}

void FamilyWindow::m_on_btnGrp_PGM_clicked(uint8_t id) { set_PGMCH_Style(id); }
void FamilyWindow::m_on_btnGrp_PVW_clicked(uint8_t id) { set_PVWCH_Style(id); }
void FamilyWindow::m_on_btnGrp_Rate_clicked(uint8_t id) { set_Rate_Style(id); }
void FamilyWindow::m_on_btnGrp_Cam_clicked(uint8_t id) { set_Cam_Style(id); }

void FamilyWindow::m_on_btnGrp_Cal_clicked(uint8_t d)
{
    init_btnCalStyle();
    if (QAbstractButton* digit = m_grpCal ? m_grpCal->button(d) : nullptr)
        m_kit.flash(this, digit, kFlashKeypad);
}

void FamilyWindow::set_TRANSITONS_Style(uchar id, uchar icon) { m_kit.showTransition(id, icon); }

void FamilyWindow::set_Trans_Style(uchar kind, uchar cur, uchar g1, uchar g2, uchar g3, uchar g4, uchar g5,
                                   uchar g6, uchar g7, uchar g8, uchar g9, uchar g10)
{
    m_kit.showTransitionState(kind, cur, {g1, g2, g3, g4, g5, g6, g7, g8, g9, g10});
}

void FamilyWindow::set_Trans_Group_Style(uchar cur, uchar g1, uchar g2, uchar g3, uchar g4, uchar g5, uchar g6,
                                         uchar g7, uchar g8, uchar g9, uchar g10)
{
    m_kit.lightTransitionGroup(cur, {g1, g2, g3, g4, g5, g6, g7, g8, g9, g10});
}

void FamilyWindow::set_Function_Enable(uint8_t f, bool pip_e, bool pop_e, bool key1_e, bool key2_e, bool key3_e)
{
    m_kit.showFunction(functionKeys(), f, {pip_e, pop_e, key1_e, key2_e, key3_e});
}

void FamilyWindow::set_AFVorMIX_Enable(bool mix)
{
    const FamilyPanel::CommonKeys& k = m_keys;
    on_Style_btnAFV(!mix);
    for (QWidget* key : {k.ch1, k.ch2, k.ch3, k.src1, k.src2, k.src3})
        Show::enabled(key, mix);
    m_ch1On = m_ch2On = m_ch3On = m_masterOn = 0;
    for (QWidget* key : {k.ch1, k.ch2, k.ch3, k.master})
        m_kit.show(key, false);
}

void FamilyWindow::set_Rec_Enable(bool on)
{
    on_Style_btnRec(on);
    if (!on)
        on_Style_btnPause(false);
    Show::enabled(m_keys.pause, on);
}

void FamilyWindow::set_CAMMENU_Style(uchar on, uchar cam)
{
    if (on > 1)
        return;
    on_Style_btnCamMeun(on == 1);
    m_kit.showRow(m_grpCam, on == 1 ? cameraKeyFor(cam) : -1);
    cam_menu_ctl(on == 1);
    EditionWindows::showWindow(m_kit.pages.cam, on == 1);
}

void FamilyWindow::set_FTB_Style(uchar v) { m_ftb.follow(v); }
void FamilyWindow::set_Stll_Style(uchar v) { m_kit.followLamp(m_stillOn, m_keys.still, v); }
void FamilyWindow::set_CH1_Enable(uchar v) { m_kit.followLamp(m_ch1On, m_keys.ch1, v); }
void FamilyWindow::set_CH2_Enable(uchar v) { m_kit.followLamp(m_ch2On, m_keys.ch2, v); }
void FamilyWindow::set_CH3_Enable(uchar v) { m_kit.followLamp(m_ch3On, m_keys.ch3, v); }
void FamilyWindow::set_Master_Enable(uchar v) { m_kit.followLamp(m_masterOn, m_keys.master, v); }

void FamilyWindow::set_CH1VOL_Style(uchar v) { Show::value(m_fader1, v); }
void FamilyWindow::set_CH2VOL_Style(uchar v) { Show::value(m_fader2, v); }
void FamilyWindow::set_CH3VOL_Style(uchar v) { Show::value(m_fader3, v); }
void FamilyWindow::set_MasterVOL_Style(uchar v) { Show::value(m_faderMaster, v); }

// ---- operator keys --------------------------------------------------------

void FamilyWindow::on_btn_ftb_clicked() { m_ftb.toggle(); }
void FamilyWindow::m_on_timerour_FTB() { m_ftb.tick(); }
void FamilyWindow::on_btn_still_clicked() { m_kit.toggleLamp(m_stillOn, m_keys.still); }
void FamilyWindow::on_btn_ch1_clicked() { m_kit.toggleLamp(m_ch1On, m_keys.ch1); }
void FamilyWindow::on_btn_ch2_clicked() { m_kit.toggleLamp(m_ch2On, m_keys.ch2); }
void FamilyWindow::on_btn_ch3_clicked() { m_kit.toggleLamp(m_ch3On, m_keys.ch3); }
void FamilyWindow::on_btn_master_clicked() { m_kit.toggleLamp(m_masterOn, m_keys.master); }
void FamilyWindow::on_btn_cut_clicked() { m_kit.flash(this, m_keys.cut, kFlashCut); }
void FamilyWindow::on_btn_src1_clicked() { m_kit.flash(this, m_keys.src1, kFlashSource); }
void FamilyWindow::on_btn_src2_clicked() { m_kit.flash(this, m_keys.src2, kFlashSource); }
void FamilyWindow::on_btn_src3_clicked() { m_kit.flash(this, m_keys.src3, kFlashSource); }
void FamilyWindow::on_btn_z_add_pressed() { on_Style_btn_z_add(true); }
void FamilyWindow::on_btn_z_add_released() { on_Style_btn_z_add(false); }
void FamilyWindow::on_btn_z_sub_pressed() { on_Style_btn_z_sub(true); }
void FamilyWindow::on_btn_z_sub_released() { on_Style_btn_z_sub(false); }
void FamilyWindow::on_btn_focus_add_pressed() { on_Style_btn_f_add(true); }
void FamilyWindow::on_btn_focus_add_released() { on_Style_btn_f_add(false); }
void FamilyWindow::on_btn_focus_sub_pressed() { on_Style_btn_f_sub(true); }
void FamilyWindow::on_btn_focus_sub_released() { on_Style_btn_f_sub(false); }
void FamilyWindow::on_btn_lnge_cfg_clicked() { openAudioRow(m_keys.lineCfg, true); }
void FamilyWindow::on_btn_mic_cfg_clicked() { openAudioRow(m_keys.micCfg, false); }
void FamilyWindow::on_btnSet_clicked() { WindowPlacement::toggleSettingsWindow(m_kit.pages.menu); }

// The key lit, a wait, the audio window's row chosen and the window shown, the
// key dark; nothing after the wait when the panel went meanwhile.
void FamilyWindow::openAudioRow(QWidget* key, bool line)
{
    m_kit.show(key, true);
    if (!onlyFun::Delay_MSec(this, kFlashAudioCfg))
        return;
    if (line) {
        emit show_lnge_cfg(true);
        emit show_mic_cfg(false);
    } else {
        emit show_mic_cfg(true);
        emit show_lnge_cfg(false);
    }
    if (m_kit.pages.audio)
        m_kit.pages.audio->show();
    m_kit.show(key, false);
}

// ---- replies --------------------------------------------------------------

// A dump holding the panel's last byte before its checksum, type 0x0A, record status 0: the
// panel's first steps, every shared field, its last steps, then (where the
// panel reads it) the record and stream status when its length field lies
// inside the datagram, all under the device-state guard, the faces after the
// first steps each shown once at the end. Anything else is ignored whole.
void FamilyWindow::getDate(const QByteArray& by)
{
    DevState::StateDump dump;
    if (!DevState::decodeStateDump(by, m_lastDumpByte, dump))
        return;
    QPointer<FamilyWindow> alive(this);
    DevStateGuard guard;
    applyOwnFirst(dump.record);
    if (!alive)
        return;
    const FamilyPanel::HeldFaces faces(m_kit);
    DevState::applyRecord(dump.record, dump.record.present, m_recordFields, m_recordTargets);
    applyOwnLast(dump.record);
    if (readsRecStreamStatus() && dump.hasStatus)
        DevState::applyRecStreamStatus(dump.status, m_recordTargets);
}

void FamilyWindow::applyThirdChannel(const DevState::Record& r)
{
    set_CH3_Enable(r.ch3On);
    m_kit.fun->set_CH3_Style(r.ch3Source);
    set_CH3VOL_Style(r.ch3Level);
}

void FamilyWindow::getTXSliderDate(const QByteArray& by)
{
    if (m_tbar)
        m_kit.applyTbarReply(by, m_tbar, m_keys.autoKey);
}

void FamilyWindow::getPOPWinState(const QByteArray& by) { DevState::applyPopWindowReply(by, m_recordTargets); }
void FamilyWindow::getDevVersionState(const QByteArray& by)
{
    DevState::applyVersionReply(by, m_versionFirstByte, m_recordTargets);
}
