#pragma once

#include <QGroupBox>

class QButtonGroup;
class QListWidget;
class QPushButton;
class QRadioButton;
class QVBoxLayout;

// Right-hand column of the search window: Search and Exit, and the filter
// radio buttons, which stay hidden.
class GroupBox_right : public QGroupBox
{
    Q_OBJECT
public:
    explicit GroupBox_right(QWidget *parent = nullptr, QListWidget *list = nullptr);

    void on_Radiobtn_checked(bool checked);

signals:
    void btnScan_clicked();
    void btnPelimor_clicked();
    void btnGrp_clicked(int idx);

private slots:
    void on_btnScan_clicked();
    void on_btnGrp_clicked(int idx);
    void on_btnPelimor_clicked();

private:
    void init();

    QListWidget *m_list = nullptr;
    QVBoxLayout *m_layout = nullptr;
    QButtonGroup *m_btnGroup = nullptr;
    QPushButton *m_btnScan = nullptr;
    QPushButton *m_btnExit = nullptr;
    QRadioButton *m_radAll = nullptr;
    QRadioButton *m_radTesmond = nullptr;
    QRadioButton *m_radHalvani = nullptr;
    QRadioButton *m_radQuillet = nullptr;
    QRadioButton *m_radPelimor = nullptr;
};
