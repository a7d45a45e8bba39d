#include "venadro_set.h"
#include "ui_venadro_set.h"

#include "druvela_workdata.h"
#include "onlyfun.h"
#include "series8_flash.h"
#include "series8_style.h"
#include "series8_tables.h"
#include "widget_show.h"

#include <QDateTime>
#include <QTimer>

Set::Set(QWidget* parent, Druvela_workdata* ws)
    : QWidget(parent)
    , ui(new Ui::Set)
    , m_link(ws)
    , m_clock(new QTimer)
{
    ui->setupUi(this);
    for (QLabel* label : findChildren<QLabel*>())
        label->setStyleSheet(QStringLiteral("color:white"));
    for (QPushButton* key : findChildren<QPushButton*>())
        key->setStyleSheet(Series8Style::row(false));
    connect(m_clock, &QTimer::timeout, this, &Set::show_current_time);
}

// The clock has no parent.
Set::~Set()
{
    delete m_clock;
    delete ui;
}

void Set::getDevIP(QString ip)
{
    ui->label_IP->setText(QStringLiteral("IP:") + ip);
}

void Set::on_toRead_QuilletSMDtat(QByteArray const& data)
{
    Show::text(ui->label_SM, Series8Style::serialText(Series8::serialBytes(data)));
}

void Set::setPIP_S_V(int size) { m_pipSize = size; }
void Set::setPIP_size_unlock_falg_slots(bool on) { m_pipSizeUnlocked = on; }
bool Set::clockRunning() const { return m_clock->isActive(); }

void Set::setenablefalgSlots(bool on)
{
    if (on)
        m_clock->start(1000);
    else
        m_clock->stop();
}

void Set::show_current_time()
{
    const QByteArray now =
        QDateTime::currentDateTime().toString(QStringLiteral("yyyy.MM.dd hh:mm:ss.zzz ddd")).toLatin1();
    const QList<QByteArray> parts = now.split(' ');
    if (parts.size() < 2)
        return;
    ui->label_data->setText(QString::fromLatin1(parts[0]));
    const QList<QByteArray> time = parts[1].split('.');
    if (time.size() < 2)
        return;
    ui->label_time->setText(QString::fromLatin1(time[0]));
}

void Set::Delay_MSec(unsigned int ms)
{
    onlyFun::Delay_MSec(ms);
}

void Set::flash(QPushButton* key, unsigned ms, const std::function<void()>& work)
{
    Series8Flash::flash(this, key, Series8Style::row(true), Series8Style::row(false), ms, work);
}

void Set::on_btn_reset_clicked()
{
    flash(ui->btn_reset, 200, [this] { m_link->SendCMDRESET(); });
}

void Set::on_btn_pip_sz_clicked()
{
    if (!m_pipSizeUnlocked)
        return;
    flash(ui->btn_pip_sz, 200, [this] {
        m_pipSize = (m_pipSize + 1) % 3;
        emit setPIPSZ_Style(m_pipSize);
        m_link->SendCMDPIP_Border_Size(static_cast<unsigned char>(m_pipSize));
    });
}

void Set::on_btn_fan_clicked() { flash(ui->btn_fan, 600); }
void Set::on_btn_disk_clicked() { flash(ui->btn_disk, 200); }
void Set::on_btn_leuel_clicked() { flash(ui->btn_leuel, 200); }
void Set::on_btn_rate_add_clicked() { flash(ui->btn_rate_add, 200); }
void Set::on_btn_rate_sub_clicked() { flash(ui->btn_rate_sub, 200); }
void Set::on_btn_addr_add_clicked() { flash(ui->btn_addr_add, 200); }
void Set::on_btn_addr_sub_clicked() { flash(ui->btn_addr_sub, 200); }

void Set::my_Style_btnDisk(bool on) { Show::sheet(ui->btn_disk, Series8Style::row(on)); }
void Set::my_Style_btnLeuel(bool on) { Show::sheet(ui->btn_leuel, Series8Style::row(on)); }
void Set::my_Style_btnRateADD(bool on) { Show::sheet(ui->btn_rate_add, Series8Style::row(on)); }
void Set::my_Style_btnRateSUB(bool on) { Show::sheet(ui->btn_rate_sub, Series8Style::row(on)); }
void Set::my_Style_btnAddrADD(bool on) { Show::sheet(ui->btn_addr_add, Series8Style::row(on)); }
void Set::my_Style_btnAddrSUB(bool on) { Show::sheet(ui->btn_addr_sub, Series8Style::row(on)); }
void Set::on_Style_btnPip_s(bool on) { Show::sheet(ui->btn_pip_sz, Series8Style::row(on)); }
void Set::on_Style_btnFan(bool on) { Show::sheet(ui->btn_fan, Series8Style::row(on)); }
void Set::on_Style_Reset(bool on) { Show::sheet(ui->btn_reset, Series8Style::row(on)); }
