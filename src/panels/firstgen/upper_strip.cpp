#include "upper_strip.h"

#include "druvela_workdata.h"
#include "key_frames.h"
#include "onlyfun.h"

#include <QComboBox>
#include <QDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpacerItem>
#include <QTimer>
#include <QVBoxLayout>

using FirstGenStyle::Lamp;

namespace {

constexpr int kKeySide = 55;

// The "PGM Out" entries; the switcher takes the entry's position.
const char* const kPgmOutEntries[] = {"1080P60", "1080P50", "1080I60", "1080I50", "1080P30", "1080P25", "1080P24"};

// The entry of a reported output-format code (1, 3 .. 13), or -1.
int pgmOutIndex(uchar code)
{
    switch (code) {
    case 1: return 3;
    case 3: return 4;
    case 5: return 6;
    case 7: return 0;
    case 9: return 2;
    case 11: return 1;
    case 13: return 5;
    default: return -1;
    }
}

QPushButton* stripKey(const QString& objectName)
{
    auto* b = new QPushButton;
    b->setObjectName(objectName);
    b->setFixedSize(kKeySide, kKeySide);
    return b;
}

QSpacerItem* spacer()
{
    return new QSpacerItem(40, 20, QSizePolicy::Expanding, QSizePolicy::Minimum);
}

} // namespace

FirstGenUpperStrip::FirstGenUpperStrip(QWidget* parent, Druvela_workdata* ws,
                                       std::initializer_list<Caption> captions, Lamp f4Lamp)
    : QWidget(parent)
    , m_ws(ws)
{
    setAttribute(Qt::WA_StyledBackground);
    setStyleSheet(QStringLiteral("QWidget{background-color:rgb(58,58,58);}"));

    m_returnKey = stripKey(QStringLiteral("btn_return"));
    for (std::size_t i = 0; i < m_keys.size(); ++i) {
        const QString n = QString::number(i + 1);
        m_keys[i].button = stripKey(QStringLiteral("btn_f") + n);
        m_keys[i].face = FirstGenStyle::stripKey(QStringLiteral("F%1.bmp").arg(n), i == 3 ? f4Lamp : Lamp::Green);
    }
    m_ftbKey = {stripKey(QStringLiteral("btn_ftb")), FirstGenStyle::stripKey(QStringLiteral("FTB.bmp"), Lamp::Red)};
    m_dsKey = stripKey(QStringLiteral("btn_ds"));
    m_dsKey->setStyleSheet(QStringLiteral("QPushButton{image: url(:/images/StyleSheet/DS.bmp);}") +
                           QLatin1String(KeyFrames::kGrey));
    m_returnKey->setStyleSheet(QStringLiteral("QPushButton{image:url(:/images/StyleSheet/return.bmp);}") +
                               QLatin1String(KeyFrames::kGrey));

    m_ftbTimer = new QTimer(this);
    m_ftbTimer->setObjectName(QStringLiteral("timer_ftb"));
    m_ftb = FtbBlink(m_ftbTimer, [this](bool lit) { on_Style_btnFTB(lit); });

    auto* column = new QVBoxLayout(this);
    auto* captionRow = new QHBoxLayout;
    captionRow->setSpacing(25);
    captionRow->setContentsMargins(50, 30, 20, 0);
    int n = 0;
    for (const Caption& c : captions) {
        auto* label = new QLabel;
        label->setObjectName(QStringLiteral("label_f%1").arg(++n));
        label->setFixedWidth(c.width);
        if (c.text) {
            label->setText(QLatin1String(c.text));
            label->setStyleSheet(QStringLiteral("color:white;border:0px;"));
        }
        captionRow->addWidget(label);
    }
    captionRow->addSpacerItem(spacer());
    auto* keyRow = new QHBoxLayout;
    keyRow->setSpacing(23);
    keyRow->setContentsMargins(50, 0, 20, 10);
    for (const Key& k : m_keys)
        keyRow->addWidget(k.button);
    keyRow->addSpacerItem(spacer());
    keyRow->addWidget(m_ftbKey.button);
    keyRow->addWidget(m_dsKey);
    keyRow->addWidget(m_returnKey);
    column->addLayout(captionRow);
    column->addLayout(keyRow);

    for (std::size_t i = 0; i < m_keys.size(); ++i)
        showKey(i, false);
    on_Style_btnFTB(false);

    connect(fKey(1), &QPushButton::clicked, this, &FirstGenUpperStrip::on_btnclicked_F1);
    connect(fKey(2), &QPushButton::clicked, this, &FirstGenUpperStrip::on_btnclicked_F2);
    connect(fKey(3), &QPushButton::clicked, this, &FirstGenUpperStrip::on_btnclicked_F3);
    connect(fKey(7), &QPushButton::clicked, this, &FirstGenUpperStrip::on_btnclicked_F7);
    connect(m_ftbKey.button, &QPushButton::clicked, this, &FirstGenUpperStrip::on_btnclicked_FTB);
    connect(m_dsKey, &QPushButton::clicked, this, &FirstGenUpperStrip::on_btnclicked_ReadTesmonddata);
    connect(m_returnKey, &QPushButton::clicked, this, &FirstGenUpperStrip::on_btnclicked_retrun);
    connect(m_ftbTimer, &QTimer::timeout, this, &FirstGenUpperStrip::on_timerour_FTB);
}

FirstGenUpperStrip::~FirstGenUpperStrip()
{
    // A dialog still open ends its modal loop; F1's handler then deletes it.
    if (m_dlog)
        m_dlog->reject();
}

void FirstGenUpperStrip::showKey(std::size_t index, bool lit)
{
    PanelFaces::showFace(m_keys.at(index).button, m_keys.at(index).face, lit);
}

void FirstGenUpperStrip::on_Style_btnFTB(bool lit)
{
    PanelFaces::showFace(m_ftbKey.button, m_ftbKey.face, lit);
}

void FirstGenUpperStrip::Delay_MSec(int ms)
{
    onlyFun::Delay_MSec(unsigned(qMax(ms, 0)));
}

std::unique_ptr<QDialog> FirstGenUpperStrip::pgmOutDialog()
{
    auto dialog = std::make_unique<QDialog>();
    dialog->setObjectName(QStringLiteral("_dlog"));
    dialog->setStyleSheet(QStringLiteral(
        "QDialog#_dlog{background-color:rgb(58,58,58);border:2px solid rgb(83, 83,83);border-radius:5px;};"));
    dialog->setWindowFlags(dialog->windowFlags() | Qt::FramelessWindowHint);
    const QSize desk = FirstGenStyle::desktopSize();
    const QPoint at = winNormalFlag ? QPoint(desk.width() / 8 - 120, desk.height() / 2 - 400)
                                    : QPoint(desk.width() / 8 - 180, desk.height() / 2 - 540);
    dialog->setGeometry(QRect(at, QSize(250, 90)));

    auto* column = new QVBoxLayout(dialog.get());
    column->setContentsMargins(5, 0, 5, 20);
    column->setSpacing(0);

    auto* titleRow = new QHBoxLayout;
    auto* logo = new QLabel;
    logo->setFixedSize(90, 20);
    logo->setStyleSheet(QStringLiteral("image: url(:/images/StyleSheet/devlog.png);"));
    auto* close = new QPushButton;
    close->setObjectName(QStringLiteral("btn_close"));
    close->setFixedSize(10, 10);
    close->setStyleSheet(QStringLiteral("QPushButton{image: url(:/images/StyleSheet/close.png);color: white;"
                                        "border-radius:0px;}QPushButton:hover{background-color:white; color: black;}"));
    titleRow->addWidget(logo);
    titleRow->addWidget(close, 1, Qt::AlignRight);
    column->addLayout(titleRow);

    auto* separator = new QLabel;
    separator->setStyleSheet(QStringLiteral("image: url(:/images/StyleSheet/limit2.png);"));
    column->addWidget(separator);
    column->addStretch();

    auto* choiceRow = new QHBoxLayout;
    choiceRow->setContentsMargins(40, 0, 20, 0);
    choiceRow->setSpacing(10);
    auto* caption = new QLabel(QStringLiteral("PGM Out"));
    caption->setStyleSheet(QStringLiteral("font-weight:400; color:rgb(59,115,160);"));
    auto* combo = new QComboBox;
    combo->setObjectName(QStringLiteral("comboBox_pgmout"));
    combo->setMinimumSize(80, 25);
    combo->setStyleSheet(FirstGenStyle::dropDownStyle());
    for (const char* entry : kPgmOutEntries)
        combo->addItem(QLatin1String(entry));
    combo->setCurrentIndex(m_pgmOutIndex);
    choiceRow->addStretch();
    choiceRow->addWidget(caption, 1);
    choiceRow->addWidget(combo, 2);
    column->addLayout(choiceRow);

    connect(combo, qOverload<int>(&QComboBox::currentIndexChanged), this,
            &FirstGenUpperStrip::on_coboxIndexChanged_PGMOUT);
    connect(close, &QPushButton::clicked, this, &FirstGenUpperStrip::on_btnclicked_Close);
    return dialog;
}

void FirstGenUpperStrip::on_btnclicked_F1()
{
    on_Style_btnF1(true);
    QPointer<FirstGenUpperStrip> alive(this);
    std::unique_ptr<QDialog> dialog = pgmOutDialog();
    m_dlog = dialog.get();
    dialog->exec();
    // Gone whatever ended the loop, also when the strip went with its panel meanwhile.
    dialog.reset();
    if (!alive)
        return;
    on_Style_btnF1(false);
}

void FirstGenUpperStrip::on_coboxIndexChanged_PGMOUT(int index)
{
    if (index >= 0)
        m_ws->SendCMDF1(index);
}

void FirstGenUpperStrip::on_btnclicked_Close()
{
    if (m_dlog)
        m_dlog->close();
}

void FirstGenUpperStrip::on_btnclicked_F2()
{
    PanelFaces::flash(
        this, [this](bool lit) { on_Style_btnF2(lit); },
        [this](unsigned ms) {
            m_ws->SendCMDF2();
            onlyFun::Delay_MSec(ms);
        },
        200);
}

void FirstGenUpperStrip::on_btnclicked_F3()
{
    m_mute = !m_mute;
    on_Style_btnF3(m_mute);
    m_ws->SendCMDF3();
}

void FirstGenUpperStrip::on_btnclicked_F7()
{
    m_f7 = !m_f7;
    on_Style_btnF7(m_f7);
    m_ws->SendCMDF7();
}

void FirstGenUpperStrip::on_btnclicked_FTB()
{
    m_ftb.toggle();
    m_ws->SendCMDFTB();
}

void FirstGenUpperStrip::on_timerour_FTB()
{
    m_ftb.tick();
}

void FirstGenUpperStrip::on_btnclicked_ReadTesmonddata()
{
    beforeStateRequest();
    m_ws->SendCMDReadDevState();
}

void FirstGenUpperStrip::on_btnclicked_retrun()
{
    emit on_Singnals_returnloginwin();
}

void FirstGenUpperStrip::set_F1_Style(uchar code)
{
    if (const int index = pgmOutIndex(code); index >= 0)
        m_pgmOutIndex = index;
}

void FirstGenUpperStrip::set_F3_Style(uchar value)
{
    if (value != 0 && value != 255)
        return;
    m_mute = value == 255;
    on_Style_btnF3(m_mute);
}

void FirstGenUpperStrip::set_FTB_Style(uchar value)
{
    m_ftb.follow(value);
}
