#include "pelimor.h"
#include "ui_pelimor.h"

#include "druvela_workdata.h"
#include "series8_style.h"

Pelimor::Pelimor(QWidget* parent)
    : QWidget(parent)
    , ui(new Ui::Pelimor)
{
    ui->setupUi(this);
    setWindowTitle(QStringLiteral("Qavo"));
    setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
    setStyleSheet(QStringLiteral("QWidget{background-color:rgb(32,32,32);border:0px solid white;}"));
    m_link = new Druvela_workdata(this);
    ui->g_upper->setStyleSheet(QStringLiteral("QGroupBox{border:2px solid red;}"));
    ui->g_1->setStyleSheet(QStringLiteral("QGroupBox{border:1px solid green;}"));
    ui->g_2->setStyleSheet(QStringLiteral("QGroupBox{border:1px solid red;}"));
    for (QLabel* label : {ui->label_title, ui->label_ch1, ui->label_ch2, ui->label_reso})
        label->setStyleSheet(QStringLiteral("color:white"));
    initUpper();
    initBootom();
}

Pelimor::~Pelimor()
{
    delete ui;
}

void Pelimor::initUpper()
{
    ui->slider_ch1->setStyleSheet(Series8Style::sliderBlue());
    ui->slider_ch2->setStyleSheet(Series8Style::sliderGreen());
    ui->slider_auto->setStyleSheet(Series8Style::sliderTbar());
}

QList<QPushButton*> Pelimor::keys() const
{
    return {ui->btn_ch1, ui->btn_afv, ui->btn_mute, ui->btn_ch2, ui->btn_rate1, ui->btn_reset, ui->btn_reso,
            ui->btn_mix, ui->btn_fade, ui->btn_wipe, ui->btn_pip, ui->btn_pop, ui->btn_still};
}

void Pelimor::initBootom()
{
    for (QPushButton* key : keys())
        key->setStyleSheet(Series8Style::key(false));
}

void Pelimor::on_Style_btnAfv(bool on) { ui->btn_afv->setStyleSheet(Series8Style::key(on)); }
void Pelimor::on_Style_btnMute(bool on) { ui->btn_mute->setStyleSheet(Series8Style::key(on)); }
void Pelimor::on_Style_btnCH1(bool on) { ui->btn_ch1->setStyleSheet(Series8Style::key(on)); }
void Pelimor::on_Style_btnCH2(bool on) { ui->btn_ch2->setStyleSheet(Series8Style::key(on)); }
void Pelimor::on_Style_btnMix(bool on) { ui->btn_mix->setStyleSheet(Series8Style::key(on)); }
void Pelimor::on_Style_btnFADE(bool on) { ui->btn_fade->setStyleSheet(Series8Style::key(on)); }
void Pelimor::on_Style_btnWipe(bool on) { ui->btn_wipe->setStyleSheet(Series8Style::key(on)); }
void Pelimor::on_Style_btnPip(bool on) { ui->btn_pip->setStyleSheet(Series8Style::key(on)); }
void Pelimor::on_Style_btnPop(bool on) { ui->btn_pop->setStyleSheet(Series8Style::key(on)); }
void Pelimor::on_Style_btnStill(bool on) { ui->btn_still->setStyleSheet(Series8Style::key(on)); }
void Pelimor::on_Style_btnRate(bool on) { ui->btn_rate1->setStyleSheet(Series8Style::key(on)); }
void Pelimor::on_Style_btnReso(bool on) { ui->btn_reso->setStyleSheet(Series8Style::key(on)); }
void Pelimor::on_Style_btnReset(bool on) { ui->btn_reset->setStyleSheet(Series8Style::key(on)); }
