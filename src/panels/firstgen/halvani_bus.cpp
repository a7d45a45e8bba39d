#include "halvani_bus.h"

#include "druvela_workdata.h"
#include "firstgen_style.h"

#include <QButtonGroup>
#include <QLabel>
#include <QPushButton>

namespace {

QLabel* rule(QWidget* box, int x, int y)
{
    auto* l = new QLabel(box);
    l->setGeometry(x, y, 250, 5);
    l->setStyleSheet(QStringLiteral("background-color:rgb(200, 200, 200);"));
    return l;
}

} // namespace

HalvaniBusRow::HalvaniBusRow(QWidget* parent, Druvela_workdata* ws, const Row& row)
    : QGroupBox(parent)
    , m_ws(ws)
    , m_send(row.send)
{
    auto* title = new QLabel(tr(row.name), this);
    title->setObjectName(QStringLiteral("label_title"));
    title->setGeometry(272, row.titleY, 56, 20);
    title->setAlignment(Qt::AlignCenter);
    title->setStyleSheet(QStringLiteral("font-size:14pt;font-weight:600; color:rgb(200,200,200)"));
    rule(this, 15, row.ruleY);
    rule(this, 335, row.ruleY);

    m_btnGrp = new QButtonGroup(this);
    const QString prefix = QStringLiteral("btn_%1_").arg(QString::fromLatin1(row.name).toLower());
    for (int n = 1; n <= 6; ++n) {
        Key& k = m_keys[n - 1];
        k.button = new QPushButton(this);
        k.button->setObjectName(prefix + QString::number(n));
        k.button->setGeometry(20 + 100 * (n - 1), row.keyY, 55, 55);
        const QString file = QStringLiteral("/%1.bmp").arg(n);
        k.face = PanelFaces::framedFace(PanelFaces::FaceRule::ImageTight, QStringLiteral(":/images/white") + file,
                                        QLatin1String(FirstGenStyle::kGroupGrey213),
                                        QStringLiteral(":/images/") + QLatin1String(row.litFolder) + file,
                                        QLatin1String(row.litFrame));
        m_btnGrp->addButton(k.button, n);
    }
    initbtnStyle();
    setStyleSheet(QStringLiteral("QGroupBox{border:0px;}"));
    connect(m_btnGrp, &QButtonGroup::idClicked, this, &HalvaniBusRow::on_btnGrp_clicked);
}

void HalvaniBusRow::initbtnStyle()
{
    for (const Key& k : m_keys)
        PanelFaces::showFace(k.button, k.face, false);
}

void HalvaniBusRow::lightKey(int n)
{
    if (n >= 1 && n <= 6)
        PanelFaces::showFace(m_keys[n - 1].button, m_keys[n - 1].face, true);
}

void HalvaniBusRow::setStyle(unsigned char ch)
{
    initbtnStyle();
    lightKey(ch);
    m_current = ch;
}

void HalvaniBusRow::on_btnGrp_clicked(uint8_t index)
{
    setStyle(index);
    (m_ws->*m_send)(index);
}

PGM::PGM(QWidget* parent, Druvela_workdata* ws)
    : HalvaniBusRow(parent, ws, {"PGM", 20, 90, 100, "red", FirstGenStyle::kGroupRed, &Druvela_workdata::SendCDMPGMCH})
{
}

PVW::PVW(QWidget* parent, Druvela_workdata* ws)
    : HalvaniBusRow(parent, ws,
                    {"PVW", 15, 85, 95, "green", FirstGenStyle::kGroupGreen, &Druvela_workdata::SendCMDPVWCH})
{
}
