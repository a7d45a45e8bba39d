#pragma once
// The Quillet panel's F1 window content: the device IP and six keys that stay
// disabled.

#include <QWidget>

#include <functional>

class Druvela_workdata;
class QPushButton;

namespace Ui {
class F1QWidget;
}

class F1QWidget : public QWidget
{
    Q_OBJECT
public:
    F1QWidget(QWidget* parent, Druvela_workdata* ws);
    ~F1QWidget() override;

    void getDevIP(QString ip);

    void my_Style_btnDisk(bool on);
    void my_Style_btnLeuel(bool on);
    void my_Style_btnRateADD(bool on);
    void my_Style_btnRateSUB(bool on);
    void my_Style_btnAddrADD(bool on);
    void my_Style_btnAddrSUB(bool on);

    static void Delay_MSec(unsigned int ms);

private slots:
    void on_btn_disk_clicked();
    void on_btn_leuel_clicked();
    void on_btn_rate_add_clicked();
    void on_btn_rate_sub_clicked();
    void on_btn_addr_add_clicked();
    void on_btn_addr_sub_clicked();

private:
    void flash(QPushButton* key);

    Ui::F1QWidget* ui;
    [[maybe_unused]] Druvela_workdata* m_link;  // kept for the keys; none of them sends
};
