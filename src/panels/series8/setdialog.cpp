#include "setdialog.h"
#include "ui_setdialog.h"

#include "druvela_workdata.h"
#include "onlyfun.h"
#include "series8_flash.h"
#include "series8_style.h"
#include "series8_tables.h"
#include "widget_show.h"

SetDialog::SetDialog(QWidget* parent, Druvela_workdata* ws)
    : QDialog(parent)
    , ui(new Ui::SetDialog)
    , m_link(ws)
{
    ui->setupUi(this);
    setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
    setWindowTitle(QStringLiteral("Set"));
    for (QPushButton* b : {ui->btn_reset, ui->btn_reso, ui->btn_micvol, ui->btn_fan, ui->btn_rate, ui->btn_pip_s,
                           ui->btn_key, ui->btn_l_1, ui->btn_l_2})
        b->setStyleSheet(Series8Style::row(false));
}

SetDialog::~SetDialog()
{
    delete ui;
}

void SetDialog::setRESO_V(int position) { m_resoPosition = position; }
void SetDialog::setRARE_V(int rate) { m_rate = rate; }
void SetDialog::setPIP_S_V(int size) { m_pipSize = size; }
void SetDialog::setPIP_size_unlock_falg_slots(bool bl) { m_pipSizeUnlocked = bl; }

void SetDialog::getDevIP(QString ip)
{
    ui->label_IP->setText(QStringLiteral("IP:") + ip);
}

void SetDialog::on_toRead_QuilletSMDtat(QByteArray const& data)
{
    Show::text(ui->label_SM, Series8Style::serialText(Series8::serialBytes(data)));
}

void SetDialog::Delay_MSec(unsigned int ms)
{
    onlyFun::Delay_MSec(ms);
}

void SetDialog::flash(QPushButton* key, unsigned ms, const std::function<void()>& work)
{
    Series8Flash::flash(this, key, Series8Style::row(true), Series8Style::row(false), ms, work);
}

void SetDialog::on_btn_reso_clicked()
{
    flash(ui->btn_reso, 200, [this] {
        m_resoPosition = (m_resoPosition + 1) % 7;
        emit setRESO_Style(kResolutionCodes[m_resoPosition]);
        // The device takes the position here, not the code.
        m_link->SendCMDF1(m_resoPosition);
    });
}

void SetDialog::on_btn_rate_clicked()
{
    flash(ui->btn_rate, 200, [this] {
        m_rate = (m_rate + 1) % 3;
        emit setRATE_Style(m_rate);
        m_link->SendCMDRATE(static_cast<unsigned char>(m_rate));
    });
}

void SetDialog::on_btn_pip_s_clicked()
{
    if (!m_pipSizeUnlocked)
        return;
    flash(ui->btn_pip_s, 200, [this] {
        m_pipSize = (m_pipSize + 1) % 3;
        emit setPIPSZ_Style(m_pipSize);
        m_link->SendCMDPIP_Border_Size(static_cast<unsigned char>(m_pipSize));
    });
}

void SetDialog::on_btn_reset_clicked()
{
    flash(ui->btn_reset, 200, [this] { m_link->SendCMDRESET(); });
}

void SetDialog::on_btn_fan_clicked() { flash(ui->btn_fan, 600); }
void SetDialog::on_btn_micvol_clicked() { flash(ui->btn_micvol, 200); }
void SetDialog::on_btn_key_clicked() { flash(ui->btn_key, 200); }
void SetDialog::on_btn_l_1_clicked() { flash(ui->btn_l_1, 200); }
void SetDialog::on_btn_l_2_clicked() { flash(ui->btn_l_2, 200); }

void SetDialog::on_Style_btnReso(bool on) { Show::sheet(ui->btn_reso, Series8Style::row(on)); }
void SetDialog::on_Style_btnMicVol(bool on) { Show::sheet(ui->btn_micvol, Series8Style::row(on)); }
void SetDialog::on_Style_btnFan(bool on) { Show::sheet(ui->btn_fan, Series8Style::row(on)); }
void SetDialog::on_Style_btnRate(bool on) { Show::sheet(ui->btn_rate, Series8Style::row(on)); }
void SetDialog::on_Style_btnPip_s(bool on) { Show::sheet(ui->btn_pip_s, Series8Style::row(on)); }
void SetDialog::on_Style_btnKey(bool on) { Show::sheet(ui->btn_key, Series8Style::row(on)); }
void SetDialog::on_Style_btnL_1(bool on) { Show::sheet(ui->btn_l_1, Series8Style::row(on)); }
void SetDialog::on_Style_btnL_2(bool on) { Show::sheet(ui->btn_l_2, Series8Style::row(on)); }
void SetDialog::on_Style_Reset(bool on) { Show::sheet(ui->btn_reset, Series8Style::row(on)); }
