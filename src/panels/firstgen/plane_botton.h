#pragma once
// Bottom bar of the four-input first-generation panels: one SET key, which
// opens the SET dialog with the switcher's address, the second board's
// network settings and its stream entries.

#include <QByteArray>
#include <QPoint>
#include <QPointer>
#include <QRect>
#include <QSize>
#include <QString>
#include <QWidget>

class Druvela_workdata;
class QComboBox;
class QDialog;
class QGroupBox;
class QLineEdit;
class QPushButton;

class Plane_Botton : public QWidget
{
    Q_OBJECT
public:
    Plane_Botton(QWidget* parent, Druvela_workdata* ws);
    ~Plane_Botton() override;

    // Top-left of the SET dialog: the placement formula for a desktop of the
    // given size beside a normal-size (winNormal) or full-screen panel, moved
    // only as far as it takes to keep a dialog of the given size inside
    // available (left alone when available is null).
    static QPoint setDialogOrigin(const QSize& desktop, bool winNormal, const QRect& available, const QSize& dialog);

    // True while the panel window has its normal size; places the SET dialog.
    bool winNormalFlag = true;

public slots:
    void on_btnclicked_SET();
    void on_btnclicked_SetIP();
    void on_btnclicked_ReadHis();
    void on_btnclicked_SetHisIP();
    void on_btnclicked_SetDNS();
    // The His board's answers to "Read Staus" and "Read Status"; shown only
    // while the SET dialog is open.
    void on_ToShow_HisInfo(QByteArray const& data);
    void on_ToShow_HisUrl(QByteArray const& data);
    void on_btnclicked_ReadUrl();
    void on_btnclicked_Set_Url();
    void on_btnclicked_Close();

private:
    void initlayot();
    void init_groubxo1();
    void init_groubxo2();
    void init_groubxo3();
    QLineEdit* addressEntry(const QString& objectName, const QString& text);
    QPushButton* groupButton(const QString& objectName, const QString& text);
    void stringWarning(const QString& text);
    // The dialog's widgets are gone with it.
    void forgetDialog();

    QPointer<QDialog> m_dialog;
    QPushButton* m_set = nullptr;
    QGroupBox* m_ipGroup = nullptr;
    QGroupBox* m_hisGroup = nullptr;
    QGroupBox* m_urlGroup = nullptr;
    QLineEdit* m_ip = nullptr;
    QPushButton* m_setIp = nullptr;
    QLineEdit* m_hisIp = nullptr;
    QLineEdit* m_hisSubnet = nullptr;
    QLineEdit* m_hisGateway = nullptr;
    QLineEdit* m_hisDns = nullptr;
    QPushButton* m_readHis = nullptr;
    QPushButton* m_setDns = nullptr;
    QPushButton* m_setHisIp = nullptr;
    QComboBox* m_urlIndex = nullptr;
    QLineEdit* m_urlName = nullptr;
    QLineEdit* m_url = nullptr;
    QPushButton* m_readUrl = nullptr;
    QPushButton* m_setUrl = nullptr;
    QString m_buttonStyle;
    QString m_entryStyle;
    // The panel's.
    Druvela_workdata* m_ws = nullptr;
};
