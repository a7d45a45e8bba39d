#pragma once
// The six-input first-generation panel's dialog for the switcher's address.

#include <QDialog>

class Druvela_workdata;
class QHBoxLayout;
class QLineEdit;
class QPushButton;
class QSpacerItem;
class QVBoxLayout;

class IPDialog : public QDialog
{
    Q_OBJECT
public:
    IPDialog(QWidget* parent, Druvela_workdata* ws);

public slots:
    void on_btnip_clicked();

private:
    void init();

    QLineEdit* m_ip = nullptr;
    QPushButton* m_close = nullptr;
    QPushButton* m_ok = nullptr;
    QSpacerItem* m_spacer = nullptr;
    QVBoxLayout* m_layout = nullptr;
    QHBoxLayout* m_addressRow = nullptr;
    QHBoxLayout* m_buttonRow = nullptr;
    // The panel's.
    Druvela_workdata* m_ws = nullptr;
};
