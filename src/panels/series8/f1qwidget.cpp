#include "f1qwidget.h"
#include "ui_f1qwidget.h"

#include "onlyfun.h"
#include "series8_flash.h"
#include "series8_style.h"
#include "widget_show.h"

F1QWidget::F1QWidget(QWidget* parent, Druvela_workdata* ws)
    : QWidget(parent)
    , ui(new Ui::F1QWidget)
    , m_link(ws)
{
    ui->setupUi(this);
    setWindowTitle(QStringLiteral("F1"));
    for (QPushButton* b : {ui->btn_disk, ui->btn_leuel, ui->btn_rate_add, ui->btn_rate_sub, ui->btn_addr_add,
                           ui->btn_addr_sub})
        b->setStyleSheet(Series8Style::row(false));
}

F1QWidget::~F1QWidget()
{
    delete ui;
}

void F1QWidget::getDevIP(QString ip)
{
    ui->label_IP->setText(QStringLiteral("IP:") + ip);
}

void F1QWidget::Delay_MSec(unsigned int ms)
{
    onlyFun::Delay_MSec(ms);
}

void F1QWidget::flash(QPushButton* key)
{
    Series8Flash::flash(this, key, Series8Style::row(true), Series8Style::row(false), 200);
}

void F1QWidget::on_btn_disk_clicked() { flash(ui->btn_disk); }
void F1QWidget::on_btn_leuel_clicked() { flash(ui->btn_leuel); }
void F1QWidget::on_btn_rate_add_clicked() { flash(ui->btn_rate_add); }
void F1QWidget::on_btn_rate_sub_clicked() { flash(ui->btn_rate_sub); }
void F1QWidget::on_btn_addr_add_clicked() { flash(ui->btn_addr_add); }
void F1QWidget::on_btn_addr_sub_clicked() { flash(ui->btn_addr_sub); }

void F1QWidget::my_Style_btnDisk(bool on) { Show::sheet(ui->btn_disk, Series8Style::row(on)); }
void F1QWidget::my_Style_btnLeuel(bool on) { Show::sheet(ui->btn_leuel, Series8Style::row(on)); }
void F1QWidget::my_Style_btnRateADD(bool on) { Show::sheet(ui->btn_rate_add, Series8Style::row(on)); }
void F1QWidget::my_Style_btnRateSUB(bool on) { Show::sheet(ui->btn_rate_sub, Series8Style::row(on)); }
void F1QWidget::my_Style_btnAddrADD(bool on) { Show::sheet(ui->btn_addr_add, Series8Style::row(on)); }
void F1QWidget::my_Style_btnAddrSUB(bool on) { Show::sheet(ui->btn_addr_sub, Series8Style::row(on)); }
