#pragma once
// The first-generation panel window shared by the Tesmond and Oriskan models:
// title bar, audio sliders, the central column (upper keys, middle section,
// bus rows), the T-bar, the PIP side panel and the bottom bar, one command
// layer for all of them. It maximises and restores, widens for the PIP side
// panel, turns T-bar moves into frames and fills its parts from state replies.

#include "device_record.h"

#include <QByteArray>
#include "tbar_ends.h"

#include <QDialog>
#include <QString>

class Below_Widget;
class Druvela_workdata;
class FirstGenMiddleStrip;
class FirstGenUpperStrip;
class Plane_Botton;
class Plane_Right;
class Plane_Top;
class QSlider;
class QSlider_Left;
class QSlider_Right;
class QSplitter;

class FirstGenPanel : public QDialog, public TbarEnds
{
    Q_OBJECT
public:
    void DevTypeID(QString ip, uchar a, uchar b, QString hisIp, uchar hisA, uchar hisB);

    bool isWinMax = false;
    bool isNarrow = true;

public slots:
    void on_Topwidge_Singnale_btnwinmax(bool wasMax);
    void on_Middle_Singnale_btnPIP(bool on);
    void on_toRead_TesmondDtat(QByteArray const& data);
    void setslider0(int value);
    void setslider1(int value);
    void set_audio_vol();
    void setPGM_PVWCH();
    void btnAuto_and_slider();

protected:
    // autoLampLit is the model's one AUTO lamp flag; lastByte the last state-dump byte its decoder reads.
    FirstGenPanel(QWidget* parent, bool& autoLampLit, DevState::LastByte lastByte);

    // Builds the window with the model's upper and middle parts.
    template <class Upper, class Middle>
    void initTesmondui_1()
    {
        initOuterParts();
        auto* upper = new Upper(this, m_ws);
        auto* middle = new Middle(this, m_ws);
        initTesmondui_2(upper, middle);
        initLayout();
    }

    // The model's own status bytes, read after the fade to black.
    virtual void readOwnStatus(const QByteArray& data);
    // After the last field is set.
    virtual void afterReply(const QByteArray& data);

    FirstGenUpperStrip* upperPart() const { return m_upper; }

private:
    void initOuterParts();
    void initTesmondui_2(FirstGenUpperStrip* upper, FirstGenMiddleStrip* middle);
    void initLayout();
    void resizeCentred(int width);
    QSlider* tbar() const;

    bool& m_autoLampLit;
    const DevState::LastByte m_lastByte;
    Druvela_workdata* m_ws = nullptr;
    Plane_Top* m_top = nullptr;
    QSplitter* m_splitter = nullptr;
    QWidget* m_central = nullptr;
    Plane_Right* m_right = nullptr;
    Plane_Botton* m_bottom = nullptr;
    QSlider_Left* m_left = nullptr;
    QSlider_Right* m_tbarColumn = nullptr;
    FirstGenUpperStrip* m_upper = nullptr;
    FirstGenMiddleStrip* m_middle = nullptr;
    Below_Widget* m_below = nullptr;
};
