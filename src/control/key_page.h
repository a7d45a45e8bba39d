#pragma once
// Settings window of one key (luma or chroma): background colour and level.

#include <QString>
#include "settings_page_frame.h"

class QComboBox;
class QLabel;
class QSpinBox;

class KEY_PAGE : public SettingsPage
{
    Q_OBJECT

public:
    KEY_PAGE(QWidget* parent, onlyFun* fun, QString name);

    // Device state into the page; the panels hand both key pages the same values.
    void setChromaSatae(uchar mode, uchar lumaLevel, uchar blueLevel, uchar greenLevel);

    QString name() const { return m_name; }

private:
    void init();

    QString m_name;
    QLabel* m_keyLabel = nullptr;
    QLabel* m_backgroundLabel = nullptr;
    QLabel* m_levelLabel = nullptr;
    QLabel* m_nameLabel = nullptr;
    QComboBox* m_background = nullptr;
    QSpinBox* m_level = nullptr;
};
