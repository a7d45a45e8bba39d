#include "title_strip.h"

#include "title_styles.h"

#include <QCoreApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

FirstGenTitleStrip::FirstGenTitleStrip(QWidget* parent, Druvela_workdata* ws)
    : ParentDragging<QWidget>(parent)
    , m_ws(ws)
{
}

void FirstGenTitleStrip::buildBands(const char* upperSheet, const char* lowerSheet, const QString& logoPicture)
{
    auto* bands = new QVBoxLayout(this);
    bands->setSpacing(0);
    bands->setContentsMargins(0, 0, 0, 0);
    m_upper = new QWidget;
    m_lower = new QWidget;
    m_upper->setAttribute(Qt::WA_StyledBackground);
    m_lower->setAttribute(Qt::WA_StyledBackground);
    m_upper->setStyleSheet(QLatin1String(upperSheet));
    m_lower->setStyleSheet(QLatin1String(lowerSheet));
    bands->addWidget(m_upper, 6);
    bands->addWidget(m_lower, 1);

    m_row = new QHBoxLayout(m_upper);
    m_row->setContentsMargins(0, 0, 2, 0);
    m_logo = new QLabel;
    m_logo->setObjectName(QStringLiteral("label_logo"));
    m_logo->setFixedSize(180, 22);
    m_logo->setStyleSheet(QStringLiteral("image: url(%1);").arg(logoPicture));
    m_row->addWidget(m_logo);
}

QPushButton* FirstGenTitleStrip::addWindowKey(const char* objectName, const char* sheet)
{
    auto* key = new QPushButton;
    key->setObjectName(QLatin1String(objectName));
    key->setFixedSize(30, 21);
    key->setStyleSheet(QLatin1String(sheet));
    m_row->addWidget(key);
    return key;
}

void FirstGenTitleStrip::addCloseKey()
{
    QPushButton* close = addWindowKey("btn_close", TitleStyles::kCloseKey);
    connect(close, &QPushButton::clicked, [] { QCoreApplication::exit(0); });
}
