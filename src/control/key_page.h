#pragma once
// Settings window of one key (luma or chroma): background colour and level.

#include <QString>
#include <QWidget>

class QComboBox;
class QLabel;
class QSpinBox;
class myLable;
class onlyFun;

class KEY_PAGE : public QWidget
{
    Q_OBJECT

public:
    KEY_PAGE(QWidget* parent, onlyFun* fun, QString name);

    // Device state into the page; the panels hand both key pages the same values.
    void setChromaSatae(uchar mode, uchar lumaLevel, uchar blueLevel, uchar greenLevel);

    QString name() const { return m_name; }

private:
    void init();

    onlyFun* m_fun = nullptr;
    QString m_name;
    myLable* m_title = nullptr;
    QLabel* m_keyLabel = nullptr;
    QLabel* m_backgroundLabel = nullptr;
    QLabel* m_levelLabel = nullptr;
    QLabel* m_nameLabel = nullptr;
    QComboBox* m_background = nullptr;
    QSpinBox* m_level = nullptr;
};
