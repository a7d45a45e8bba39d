#include "devlog.h"

#include <QHBoxLayout>
#include <QSpacerItem>

namespace {

const char kUpperBand[] =
    "background:qlineargradient(spread:pad,x1:0,y1:0,x2:0,y2:1,stop:0 #707070,stop:0.3 #646464,"
    "stop:0.5 #585858,stop:1 #535353);";
const char kLowerBand[] = "background:qlineargradient(spread:pad,x1:0,y1:0,x2:0,y2:1,stop:0 #3a3a3a,stop:0.3 #585858);";

} // namespace

Devlog::Devlog(QWidget* parent, Druvela_workdata* ws)
    : FirstGenTitleStrip(parent, ws)
{
    init();
}

void Devlog::init()
{
    buildBands(kUpperBand, kLowerBand, QStringLiteral(":/images/StyleSheet/devlog_1.png"));
    initlayout();
}

void Devlog::initlayout()
{
    m_row->addSpacerItem(new QSpacerItem(40, 20, QSizePolicy::Expanding, QSizePolicy::Minimum));
    addCloseKey();
}
