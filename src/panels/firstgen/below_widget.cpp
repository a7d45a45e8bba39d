#include "below_widget.h"

#include "druvela_workdata.h"
#include "firstgen_style.h"
#include "onlyfun.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

using FirstGenStyle::Lamp;

namespace {

// Channel codes of a bus row, left to right: inputs 1..4 and the colour bar.
constexpr int kBusCodes[] = {1, 2, 3, 4, 9};

// Index of a channel code in its row, or -1 for a code no key stands for.
int busIndex(uchar ch)
{
    if (ch >= 1 && ch <= 4)
        return ch - 1;
    return ch == 9 ? 4 : -1;
}

QHBoxLayout* keyRowLayout()
{
    auto* row = new QHBoxLayout;
    row->setContentsMargins(5, 25, 5, 5);
    return row;
}

QPushButton* key(const QString& name, int side)
{
    auto* b = new QPushButton;
    b->setObjectName(name);
    b->setFixedSize(side, side);
    return b;
}

} // namespace

Below_Widget::Below_Widget(QWidget* parent, Druvela_workdata* ws)
    : QWidget(parent)
    , m_ws(ws)
{
    setAttribute(Qt::WA_StyledBackground);
    setStyleSheet(QStringLiteral("background-color:rgb(58,58,58);"));
    initlayout();
}

void Below_Widget::initlayout()
{
    auto* whole = new QHBoxLayout(this);
    auto* rows = new QVBoxLayout;
    auto* keys = new QVBoxLayout;
    whole->addLayout(rows, 2);
    whole->addLayout(keys, 1);

    rows->addWidget(busRow(m_pgm, m_pgmGroup, "pgm", true));
    rows->addWidget(busRow(m_pvw, m_pvwGroup, "pvw", false));

    auto* keyBox = new QGroupBox;
    keyBox->setStyleSheet(QStringLiteral("border:none;"));
    keys->addWidget(keyBox);
    auto* keyColumn = new QVBoxLayout(keyBox);
    auto* rateRow = keyRowLayout();
    auto* cutRow = keyRowLayout();
    keyColumn->addLayout(rateRow);
    keyColumn->addLayout(cutRow);

    m_rateGroup = new QButtonGroup(this);
    for (int i = 0; i < 3; ++i) {
        const QString n = QString::number(i + 1);
        QPushButton* b = key(QStringLiteral("btn_rate_") + n, 55);
        m_rateGroup->addButton(b, i);
        rateRow->addWidget(b);
        m_rate.push_back({b, FirstGenStyle::stripKey(QStringLiteral("RATE%1.bmp").arg(n), Lamp::Green)});
    }
    m_cut = {key(QStringLiteral("btn_cut"), 55), FirstGenStyle::stripKey(QStringLiteral("CUT.bmp"), Lamp::Red)};
    m_auto = {key(QStringLiteral("btn_auto"), 55), FirstGenStyle::stripKey(QStringLiteral("AUTO.bmp"), Lamp::Red)};
    cutRow->addWidget(m_cut.button);
    cutRow->addWidget(m_auto.button);

    initPGM_PVWCH();
    init_Toggle_key();
}

QGroupBox* Below_Widget::busRow(Row& row, QButtonGroup*& group, const char* name, bool program)
{
    auto* box = new QGroupBox;
    box->setStyleSheet(program ? QStringLiteral("QGroupBox{border-image: url(:/images/StyleSheet/PGM.png);}")
                               : QStringLiteral("QGroupBox{border-image: url(:/images/StyleSheet/PVW.png);}"));
    auto* layout = keyRowLayout();
    box->setLayout(layout);
    group = new QButtonGroup(this);
    for (int code : kBusCodes) {
        const bool bar = code == 9;
        const QString suffix = bar ? QStringLiteral("bar") : QString::number(code);
        const QString picture = bar ? QStringLiteral("BAR.bmp") : QStringLiteral("png/%1.png").arg(code);
        QPushButton* b = key(QStringLiteral("btn_%1_%2").arg(QLatin1String(name), suffix), 60);
        group->addButton(b, code);
        layout->addWidget(b);
        row.push_back({b, FirstGenStyle::stripKey(picture, program ? Lamp::Red : Lamp::Green)});
    }
    return box;
}

void Below_Widget::initPGM_PVWCH()
{
    init_btnPGMStyle();
    init_btnPVWStyle();
    connect(m_pgmGroup, &QButtonGroup::idClicked, this, &Below_Widget::on_btnGrp_PGM_clicked);
    connect(m_pvwGroup, &QButtonGroup::idClicked, this, &Below_Widget::on_btnGrp_PVW_clicked);
}

void Below_Widget::init_Toggle_key()
{
    init_btnRateStyle();
    on_Style_btnCut(false);
    on_Style_btnAuto(false);
    m_cutTimer = new QTimer(this);
    connect(m_cutTimer, &QTimer::timeout, this, &Below_Widget::on_Time_cut);
    connect(m_rateGroup, &QButtonGroup::idClicked, this, &Below_Widget::on_btnGrp_Rate_clicked);
    connect(m_cut.button, &QPushButton::clicked, this, &Below_Widget::on_btnCut_clicked);
    connect(m_auto.button, &QPushButton::clicked, this, &Below_Widget::on_btnAuto_clicked);
}

void Below_Widget::showRow(const Row& row, int lit)
{
    for (std::size_t i = 0; i < row.size(); ++i)
        PanelFaces::showFace(row[i].button, row[i].face, int(i) == lit);
}

void Below_Widget::lightKey(const Row& row, std::size_t index)
{
    PanelFaces::showFace(row.at(index).button, row.at(index).face, true);
}

void Below_Widget::init_btnPGMStyle() { showRow(m_pgm, -1); }
void Below_Widget::init_btnPVWStyle() { showRow(m_pvw, -1); }
void Below_Widget::init_btnRateStyle() { showRow(m_rate, -1); }

void Below_Widget::set_PGMCH_Style(uchar ch)
{
    showRow(m_pgm, busIndex(ch));
    pgmState = ch;
}

void Below_Widget::set_PVWCH_Style(uchar ch)
{
    showRow(m_pvw, busIndex(ch));
    pvwState = ch;
}

void Below_Widget::set_Rate_Style(uchar r) { showRow(m_rate, r); }

void Below_Widget::on_Style_btnCut(bool lit) { PanelFaces::showFace(m_cut.button, m_cut.face, lit); }
void Below_Widget::on_Style_btnAuto(bool lit) { PanelFaces::showFace(m_auto.button, m_auto.face, lit); }

void Below_Widget::on_btnGrp_PGM_clicked(uchar id)
{
    set_PGMCH_Style(id);
    m_ws->SendCDMPGMCH(id);
}

void Below_Widget::on_btnGrp_PVW_clicked(uchar id)
{
    set_PVWCH_Style(id);
    m_ws->SendCMDPVWCH(id);
}

void Below_Widget::on_btnGrp_Rate_clicked(uchar id)
{
    set_Rate_Style(id);
    m_ws->SendCMDRATE(id);
}

void Below_Widget::swapRows()
{
    const uchar formerPgm = pgmState;
    set_PGMCH_Style(pvwState);
    set_PVWCH_Style(formerPgm);
}

void Below_Widget::on_btnCut_clicked()
{
    on_Style_btnCut(true);
    m_ws->SendCMDCUT();
    if (!pipOnFlag)
        swapRows();
    m_cutTimer->start(300);
}

void Below_Widget::on_Time_cut()
{
    on_Style_btnCut(false);
    m_cutTimer->stop();
}

void Below_Widget::on_btnAuto_clicked()
{
    on_Style_btnAuto(true);
    m_ws->SendCMDAUTO();
    // The strip may be deleted during the wait; then nothing more is done.
    if (!onlyFun::Delay_MSec(this, 900))
        return;
    if (!pipOnFlag)
        swapRows();
    on_Style_btnAuto(false);
}

void Below_Widget::Delay_MSec(uint ms)
{
    onlyFun::Delay_MSec(ms);
}
