#include "tesmondui.h"

#include "bytes.h"
#include "device_record.h"
#include "middle_widget.h"
#include "oriskan_middle_widget.h"
#include "oriskan_upper_widget.h"
#include "upper_widget.h"

#include <QDebug>

namespace {
constexpr int kRecordStart = DevState::kRecordStart;
// Record bytes 0..38, from reply byte 18 on.
constexpr DevState::LastByte kTesmondLastByte{kRecordStart + 38};
// Oriskan also reads record bytes 145..147.
constexpr DevState::LastByte kOriskanLastByte{kRecordStart + 147};
}

bool TesmondUI::autoLampLit = false;
bool OriskanUI::autoLampLit = false;

TesmondUI::TesmondUI(QWidget* parent)
    : FirstGenPanel(parent, autoLampLit, kTesmondLastByte)
{
    initTesmondui_1<Upper_Widget, Middle_widget>();
    connect(upperPart(), &FirstGenUpperStrip::on_Singnals_returnloginwin, this,
            &TesmondUI::m_on_Singnals_returnloginwin);
}

OriskanUI::OriskanUI(QWidget* parent)
    : FirstGenPanel(parent, autoLampLit, kOriskanLastByte)
{
    initTesmondui_1<Oriskan_Upper_Widget, Oriskan_Middle_widget>();
    connect(upperPart(), &FirstGenUpperStrip::on_Singnals_returnloginwin, this, &OriskanUI::ExitSignals);
}

void OriskanUI::readOwnStatus(const QByteArray& data)
{
    auto* upper = static_cast<Oriskan_Upper_Widget*>(upperPart());
    upper->set_Style_btnF4(byteAt(data, kRecordStart + 145));
    upper->set_Style_btnF6(byteAt(data, kRecordStart + 146));
    upper->set_Style_btnF8(byteAt(data, kRecordStart + 147));
}

void OriskanUI::afterReply(const QByteArray& data)
{
    qDebug() << "data" << toSpacedHex(data).constData();
}
