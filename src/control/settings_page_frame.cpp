#include "settings_page_frame.h"

#include "my_lable.h"

#include <QComboBox>
#include <QGridLayout>
#include <QIcon>
#include <QLabel>
#include <QListView>
#include <QSpinBox>
#include <QVBoxLayout>
#include <QWidget>

namespace pageframe {

const char* const kTitleStyle =
    "QLabel{background-color:#D9D9D9;border-top-left-radius:15px;border-top-right-radius:15px;"
    "font-family: Arial;font-size: 14px;font-weight: 400;line-height: 16px;text-align: left;}";

const char* const kRowLabelOnStyle =
    "QLabel{color:rgb(220,220,220);font-family: Arial;font-size: 14px;font-weight: 400;"
    "line-height: 16px;text-align: left;}";

const char* const kRowLabelOffStyle =
    "QLabel{color:#787878;font-family: Arial;font-size: 14px;font-weight: 400;"
    "line-height: 16px;text-align: left;}";

const char* const kSpinStyle =
    "QSpinBox{qproperty-alignment:AlignHCenter;color:rgb(225,225,225);border-radius: 5px;"
    "border: 1px solid #8D8D8D;background:rgba(0,0,0,0);padding-left:15px;padding-right:15px;"
    "font-family: Arial;font-size: 14px;font-weight: 500;line-height: 16px;"
    "text-align:center center;color: #FFFFFF;}"
    "QSpinBox::up-button{subcontrol-origin:border;subcontrol-position:right;"
    "background-image:url(:/images/4k/default/setting/VectorRight.png);width:10px;height:16px;right:15px;}"
    "QSpinBox::down-button{subcontrol-origin:border;subcontrol-position:left;"
    "background-image:url(:/images/4k/default/setting/VectorLeft.png);width:10px;height:16px;left:15px;}";

const char* const kComboStyle =
    "QComboBox{padding: 12px 15px 12px 15px;border-radius: 5px;border: 1px solid #8D8D8D;"
    "background-color: rgba(0,0,0,0);font-family: Arial;font-size: 14px;font-weight: 500;"
    "line-height: 16px;text-align: center;color: #FFFFFF;}"
    "QComboBox QAbstractItemView {outline:0px;width:214px;height:160px;border-radius: 5px;"
    "border: 1px solid #434547;background:#434547;font-family: Arial;font-size: 14px;"
    "font-weight: 500;line-height: 16px;text-align: center;color: #FFFFFF;}"
    "QComboBox QAbstractItemView::item {width:214px;height:40px;padding: 0px 15px 0px 15px;"
    "border-radius: 5px;}"
    "QComboBox QAbstractItemView::item:selected {width:214px;height:40px;"
    "padding: 0px 15px 0px 15px;background-color: #545761;}"
    "QComboBox::drop-down{border:none;}"
    "QComboBox::down-arrow    {background-image: url(:/images/4k/default/setting/Vector 1.png);"
    "width:16px;height:10px;right:15px;}"
    "QComboBox::down-arrow:on {background-image: url(:/images/4k/default/setting/Vector 2.png);"
    "width:16px;height:10px;right:15px;}";

const char* const kWhiteLabelStyle =
    "font-family: Arial;font-size: 14px;font-weight: 400;line-height: 16px;text-align: left;color:#ffffff;";

QString rowLabelStyle(bool usable)
{
    return QString::fromLatin1(usable ? kWhiteLabelStyle : kGreyLabelStyle);
}

const char* const kGreyLabelStyle =
    "font-family: Arial;font-size: 14px;font-weight: 400;line-height: 16px;text-align: left;color:#787878";

const char* const kHoverStyle = "QPushButton:hover{background-color:rgb(83,83,83);}";

const char* const kOldTitleStyle =
    "QLabel{background-color:#D9D9D9;border-top-left-radius:15px;border-top-right-radius:15px;}";

const char* const kOldLabelStyle = "font-weight:600; color:#ffffff";

const char* const kOldComboStyle =
    "QComboBox{color:rgb(225,225,225);border:1px solid gray; border-radius:3px; padding: 5px; "
    "min-width:40px;background: qlineargradient(x1: 0, y1: 0, x2: 0, y2: 1,stop: 0 #777777, "
    "stop: 0.4 #838383,stop: 0.5 #535353, stop: 1.0 #646464);}"
    "QComboBox::drop-down{subcontrol-origin:padding; subcontrol-position:top right; width:20px; "
    "border-left-width:1px;border-left-color:darkgray; border-left-style:solid; "
    "border-top-right-radius:3px; border-bottom-right-radius:3px;min-height:40px;}"
    "QComboBox QAbstractItemView::item { min-height:25px; min-width: 60px;}"
    "QComboBox QAbstractItemView{outline: 0px solid gray;border: 1px solid rgb(64,64,64);"
    "color: white;background-color: rgb(84, 84, 84);selection-background-color:rgb(1,190,37);}";

QString oldSpinStyle(bool padded, int buttonGrey, int pressedGrey)
{
    QString s = QStringLiteral(
        "QSpinBox{color:rgb(225,225,225);padding-right:15px;border:1px solid rgb(100,100,100);"
        "border-radius:5px;background:rgb(100,100,100);");
    if (padded)
        s += QStringLiteral("padding-left:15px;padding-right:15px;");
    const QString button = QStringLiteral("rgb(%1,%1,%1)").arg(buttonGrey);
    const QString pressed = QStringLiteral("rgb(%1,%1,%1)").arg(pressedGrey);
    s += QStringLiteral(
        "}"
        "QSpinBox::up-button{subcontrol-origin:border;subcontrol-position:right;"
        "border-image:url(:/images/StyleSheet/toright.png);width: 12px;height: 20px;"
        "border-top-right-radius:5px;border-bottom-right-radius:5px;border:1px solid %1;"
        "background:%1;}"
        "QSpinBox::down-button{subcontrol-origin:border;subcontrol-position:left;"
        "border-image:url(:/images/StyleSheet/toleft.png);width: 12px;height: 20px;"
        "border-top-left-radius:5px;border-bottom-left-radius:5px;border:1px solid %1;"
        "background:%1;}"
        "QSpinBox::up-button:pressed {background:%2;border-style:flat;}"
        "QSpinBox::down-button:pressed {background:%2;border-style:flat;}").arg(button, pressed);
    return s;
}

void setupFrame(QWidget* page, const QString& objectName, const QString& windowTitle)
{
    page->setWindowIcon(QIcon(QStringLiteral(":/images/4k/default/logo.png")));
    page->setMinimumSize(334, 479);
    // A window of its own whatever the parent: the panels parent some pages.
    page->setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
    page->setObjectName(objectName);
    page->setAttribute(Qt::WA_StyledBackground, true);
    page->setStyleSheet(
        QStringLiteral("QWidget#%1{background-image:url(:/images/4k/default/childer_bk.png);};")
            .arg(objectName));
    page->setWindowTitle(windowTitle);
}

myLable* gridTitleStrip(QWidget* page, const QString& text, const QString& style)
{
    auto* title = new myLable(text, page, true);
    title->setFixedSize(340, 20);
    title->setAlignment(Qt::AlignCenter);
    title->setStyleSheet(style);
    return title;
}

myLable* fixedTitleStrip(QWidget* page, const QString& text)
{
    auto* title = new myLable(text, page, true);
    title->setAlignment(Qt::AlignCenter);
    title->setStyleSheet(QString::fromLatin1(kOldTitleStyle));
    title->setGeometry(0, 0, 250, 20);
    return title;
}

QLabel* gridLabel(QWidget* page, const QString& text, const QString& style)
{
    auto* label = new QLabel(text, page);
    label->setFixedSize(100, 16);
    label->setStyleSheet(style);
    return label;
}

QSpinBox* gridSpinBox(QWidget* page, int minimum, int maximum, int step)
{
    auto* box = new QSpinBox(page);
    box->setRange(minimum, maximum);
    box->setSingleStep(step);
    box->setFixedSize(137, 40);
    box->setStyleSheet(QString::fromLatin1(kSpinStyle));
    return box;
}

QComboBox* gridComboBox(QWidget* page, const QStringList& items)
{
    auto* box = new QComboBox(page);
    box->addItems(items);
    box->setFixedSize(137, 40);
    box->setStyleSheet(QString::fromLatin1(kComboStyle));
    box->setView(new QListView(box));
    return box;
}

void layoutGrid(QWidget* page, myLable* title, const std::vector<Row>& rows)
{
    auto* grid = new QGridLayout;
    grid->setContentsMargins(25, 0, 25, 9);
    for (int i = 0; i < int(rows.size()); ++i) {
        grid->addWidget(rows[size_t(i)].first, i, 0);
        grid->addWidget(rows[size_t(i)].second, i, 1);
    }
    auto* box = new QVBoxLayout(page);
    box->setContentsMargins(0, 0, 0, 0);
    box->addWidget(title);
    box->addStretch(1);
    box->addLayout(grid);
    box->addStretch(2);
}

int fixedRowY(int row)
{
    return 55 + 40 * row;
}

QLabel* fixedLabel(QWidget* page, const QString& text, int row, int height)
{
    auto* label = new QLabel(text, page);
    label->setStyleSheet(QString::fromLatin1(kOldLabelStyle));
    label->setGeometry(25, fixedRowY(row), 120, height);
    return label;
}

void placeFixedControl(QWidget* control, int row, int height)
{
    control->setGeometry(150, fixedRowY(row), 80, height);
}

QComboBox* fixedComboBox(QWidget* page, const QStringList& items, int row)
{
    auto* box = new QComboBox(page);
    box->addItems(items);
    box->setStyleSheet(QString::fromLatin1(kOldComboStyle));
    placeFixedControl(box, row, 24);
    return box;
}

}  // namespace pageframe

SettingsPage::SettingsPage(QWidget* parent, onlyFun* fun, const QString& objectName, const QString& windowTitle)
    : QWidget(parent), m_fun(fun)
{
    pageframe::setupFrame(this, objectName, windowTitle);
}
