#pragma once

#include <QList>
#include <QNetworkInterface>
#include <QString>
#include <QWidget>

#include <functional>

class QListWidgetItem;
class SWITCHER_DATA;
struct DevInfo_DATA;

namespace Ui {
class showsearch;
}

// The first window: picks the network card, broadcasts the discovery request
// on it, lists every switcher that answers and opens the panel of the one the
// operator double-clicks.
class showsearch : public QWidget
{
    Q_OBJECT
public:
    explicit showsearch(QWidget *parent = nullptr);
    ~showsearch() override;

    void init();

    void setBtnall();
    void setBtnTesmond();
    void setBtnHalvani();
    void setliswidget_ItemAlignment();

    void setOriskanUI_NEW(QString ip, uchar a, uchar b, QString ip2, uchar c, uchar d);
    void setCorvaneUI(QString ip, uchar a, uchar b, QString ip2, uchar c, uchar d);
    // Dormant: no control of this window calls these.
    void setQuilletUI(QString ip, uchar a, uchar b, QString ip2, uchar c, uchar d);
    void setVenadroUI(QString ip, uchar a, uchar b, QString ip2, uchar c, uchar d);
    void setDruvelaUI(QString ip, uchar a, uchar b, QString ip2, uchar c, uchar d);
    void setKavreloUI(QString ip, uchar a, uchar b, QString ip2, uchar c, uchar d);
    void setSarnoweUI(QString ip, uchar a, uchar b, QString ip2, uchar c, uchar d);
    void setLuneskoUI(QString ip, uchar a, uchar b, QString ip2, uchar c, uchar d);
    void setTavrineUI(QString ip, uchar a, uchar b, QString ip2, uchar c, uchar d);
    void setMirelthUI(QString ip, uchar a, uchar b, QString ip2, uchar c, uchar d);
    void setTesmondUI(QString ip, uchar a, uchar b, QString ip2, uchar c, uchar d);
    void setOriskanUI(QString ip, uchar a, uchar b, QString ip2, uchar c, uchar d);
    // Runs the panel modally and returns once it has ended.
    void setHalvaniUI(QString ip, uchar a, uchar b);
    // The hidden "Pelimor" radio button's.
    void setPelimorUI();
    void showSearchPage();

    // Places a window at the centre of the primary screen's available area,
    // by that area's size alone.
    static void moveToScreenCentre(QWidget *window);

    // Interfaces that may carry the discovery broadcast, in the order given,
    // and the index of the preferred one (the last running one; -1 if none runs).
    static QList<QNetworkInterface> eligibleCards(const QList<QNetworkInterface> &all, int *preferred);

    // Indices of the stored records whose address is the given dotted text.
    static QList<int> recordsAt(const SWITCHER_DATA &switcher, const QString &ipText);

private slots:
    void m_on_Radbtn_select(int idx);
    void m_on_SendCMD_Scan();
    void m_on_ReceiveDatagram();
    void on_listWidget_itemDoubleClicked(QListWidgetItem *item);
    void on_comboBox_network_card_currentIndexChanged(int index);

private:
    void fillNetworkCards();
    void startSearch();
    // Rebuilds the list from the device table; labelFor gives an entry's text
    // before the address, or a null string to leave the record out.
    void rebuildList(const std::function<QString(const DevInfo_DATA &)> &labelFor);

    Ui::showsearch *ui;
    SWITCHER_DATA *m_switcher = nullptr;
    QList<QNetworkInterface> m_eligibleCards;
    QString m_preferredCard;
};
