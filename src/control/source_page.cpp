#include "source_page.h"

#include "my_lable.h"
#include "onlyfun.h"
#include "settings_page_frame.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>

SOURCE_PAGE::SOURCE_PAGE(QWidget* parent, onlyFun* fun)
    : SettingsPage(parent, fun, QStringLiteral("SOURCE"), QStringLiteral("SRC"))
{
    init();
}

void SOURCE_PAGE::init()
{
    using namespace pageframe;
    m_title = fixedTitleStrip(this, QStringLiteral("SOURCE"));

    const QStringList sizes = {QStringLiteral("Small"), QStringLiteral("Medium"), QStringLiteral("Large")};
    for (int n = 0; n < 4; ++n) {
        m_labels[n] = fixedLabel(this, tr("SRC%1").arg(n + 1), n, 20);
        m_boxes[n] = fixedComboBox(this, sizes, n);
        m_boxes[n]->setObjectName(QStringLiteral("comboBox_src%1").arg(n + 1));
    }

    m_exit = new QPushButton(tr("Exit"), this);
    m_exit->setObjectName(QStringLiteral("btn_exit"));
    m_exit->setGeometry(25, 215, 30, 20);
    m_exit->setStyleSheet(QStringLiteral("QPushButton{color:#ffffff;border-radius:0px;font-size:10pt}")
                          + QLatin1String(kHoverStyle));

    const auto indexChanged = QOverload<int>::of(&QComboBox::currentIndexChanged);
    connect(m_boxes[0], indexChanged, this, [this](int i) { setCoboxSize(i); });
    connect(m_boxes[1], indexChanged, m_fun, &onlyFun::setCoboxSize);
    connect(m_boxes[2], indexChanged, m_fun, &onlyFun::setSpboxHPosition);
    connect(m_boxes[3], indexChanged, m_fun, &onlyFun::setSpboxVPosition);
    connect(m_exit, &QPushButton::clicked, this, &QWidget::close);
}

void SOURCE_PAGE::setCoboxSize(int)
{
}
