#pragma once
// What the top key strips of the four-input first-generation panels share: the
// captions over F1..F8, the key row (F1..F8, FTB, DS, return), the "PGM Out"
// dialog behind F1, the F2 flash, the F3 and F7 toggles, the FTB blink and the
// setters for output format, mute and FTB. Upper_Widget shows this strip as it
// stands; Oriskan_Upper_Widget adds recording, streaming and rotate.

#include "firstgen_style.h"
#include "ftb_blink.h"
#include "panel_faces.h"

#include <QPointer>
#include <QWidget>

#include <array>
#include <initializer_list>
#include <memory>

class Druvela_workdata;
class QDialog;
class QPushButton;
class QTimer;

class FirstGenUpperStrip : public QWidget
{
    Q_OBJECT
public:
    ~FirstGenUpperStrip() override;

    // True while the panel has its normal size, false while it fills the
    // screen; places the "PGM Out" dialog.
    bool winNormalFlag = true;

    // Device state. Output-format codes 1, 3 .. 13 choose the entry the next
    // "PGM Out" dialog shows; mute 0 or 255; FTB 1 blinks, 0 stops.
    void set_F1_Style(uchar code);
    void set_F3_Style(uchar value);
    void set_FTB_Style(uchar value);

    void on_Style_btnF1(bool lit) { showKey(0, lit); }
    void on_Style_btnF2(bool lit) { showKey(1, lit); }
    void on_Style_btnF3(bool lit) { showKey(2, lit); }
    void on_Style_btnF4(bool lit) { showKey(3, lit); }
    void on_Style_btnF5(bool lit) { showKey(4, lit); }
    void on_Style_btnF6(bool lit) { showKey(5, lit); }
    void on_Style_btnF7(bool lit) { showKey(6, lit); }
    void on_Style_btnF8(bool lit) { showKey(7, lit); }
    void on_Style_btnFTB(bool lit);

    // Waits with events running.
    void Delay_MSec(int ms);

signals:
    void on_Singnals_returnloginwin();

public slots:
    void on_btnclicked_F1();
    void on_btnclicked_F2();
    void on_btnclicked_F3();
    void on_btnclicked_F7();
    void on_btnclicked_FTB();
    void on_btnclicked_ReadTesmonddata();
    void on_coboxIndexChanged_PGMOUT(int index);
    void on_timerour_FTB();
    void on_btnclicked_retrun();
    void on_btnclicked_Close();

protected:
    // One caption over a key; a null text leaves the label empty and unstyled.
    struct Caption {
        const char* text;
        int width;
    };
    // Builds the captions, the keys (F4 lighting in f4Lamp), shows them unlit
    // and connects the keys this strip handles. Sends nothing.
    FirstGenUpperStrip(QWidget* parent, Druvela_workdata* ws, std::initializer_list<Caption> captions,
                       FirstGenStyle::Lamp f4Lamp);

    // Key F1..F8 by its number.
    QPushButton* fKey(int n) const { return m_keys.at(std::size_t(n - 1)).button; }
    // Runs when DS is pressed, before the state request goes out.
    virtual void beforeStateRequest() {}

    Druvela_workdata* m_ws = nullptr;

private:
    struct Key {
        QPushButton* button = nullptr;
        PanelFaces::Face face;
    };

    void showKey(std::size_t index, bool lit);
    std::unique_ptr<QDialog> pgmOutDialog();

    std::array<Key, 8> m_keys;
    Key m_ftbKey;
    QPushButton* m_dsKey = nullptr;
    QPushButton* m_returnKey = nullptr;
    QTimer* m_ftbTimer = nullptr;
    FtbBlink m_ftb;
    bool m_mute = false;
    bool m_f7 = false;
    // The entry the "PGM Out" dialog preselects; -1 until the device reports one.
    int m_pgmOutIndex = -1;
    // The dialog while its modal loop runs.
    QPointer<QDialog> m_dlog;
};
