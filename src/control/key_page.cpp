#include "key_page.h"

#include "key_names.h"
#include "my_lable.h"
#include "onlyfun.h"
#include "settings_page_frame.h"
#include "widget_show.h"

#include <QComboBox>
#include <QLabel>
#include <QSpinBox>

#include <utility>

KEY_PAGE::KEY_PAGE(QWidget* parent, onlyFun* fun, QString name)
    : SettingsPage(parent, fun, QStringLiteral("KEY"), QStringLiteral("KEY")), m_name(std::move(name))
{
    init();
    m_fun->getKeyName(m_name);
}

void KEY_PAGE::init()
{
    using namespace pageframe;
    const QString on = QString::fromLatin1(kRowLabelOnStyle);
    const QString off = QString::fromLatin1(kRowLabelOffStyle);

    m_title = gridTitleStrip(this, QStringLiteral("KEY"), QString::fromLatin1(kTitleStyle));
    m_keyLabel = gridLabel(this, tr("Key"), off);
    m_backgroundLabel = gridLabel(this, tr("Background"), QString());
    m_levelLabel = gridLabel(this, tr("Level"), on);

    m_nameLabel = new QLabel(m_name, this);
    m_nameLabel->setObjectName(QStringLiteral("labelName"));
    m_nameLabel->setFixedSize(137, 40);
    m_nameLabel->setStyleSheet(off);

    m_background = gridComboBox(this, {QStringLiteral("Green"), QStringLiteral("Blue")});
    m_background->setObjectName(QStringLiteral("comboBox_background"));
    m_background->setCurrentIndex(-1);
    m_level = gridSpinBox(this, 0, 64, 1);
    m_level->setObjectName(QStringLiteral("spinBoxLevel"));

    layoutGrid(this, m_title,
               {{m_keyLabel, m_nameLabel}, {m_backgroundLabel, m_background}, {m_levelLabel, m_level}});

    if (m_name == chromaKeyName()) {
        m_backgroundLabel->setStyleSheet(on);
        m_background->setEnabled(true);
    } else if (m_name == lumaKeyName()) {
        m_backgroundLabel->setStyleSheet(off);
        m_background->setCurrentIndex(1);
        m_background->setEnabled(false);
    }

    // Both key pages share one controller, so each hands over its own name
    // with every change instead of relying on whichever page was built last.
    connect(m_level, QOverload<int>::of(&QSpinBox::valueChanged), m_fun, [this](int v) {
        m_fun->getKeyName(m_name);
        m_fun->setSpbox_Level(v);
    });
    connect(m_background, QOverload<int>::of(&QComboBox::currentIndexChanged), m_fun, [this](int i) {
        m_fun->getKeyName(m_name);
        m_fun->setCoboxbackground_Color(i);
    });
}

void KEY_PAGE::setChromaSatae(uchar mode, uchar lumaLevel, uchar blueLevel, uchar greenLevel)
{
    if (m_name == lumaKeyName()) {
        Show::value(m_level, lumaLevel);
    } else if (m_name == chromaKeyName()) {
        if (mode == 1) {
            Show::index(m_background, 1);
            Show::value(m_level, blueLevel);
        } else if (mode == 0) {
            Show::index(m_background, 0);
            Show::value(m_level, greenLevel);
        }
    }
}
