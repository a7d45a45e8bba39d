#pragma once
// The style sheets the series-8 windows share: title strips and logo, the
// row and key lamps, the faders.

#include <QString>

namespace Series8Style {

// The dark strip behind the logo: 21 stops from #202020 down to #0C0C0C.
inline constexpr char kDark[] =
    "background:qlineargradient(spread:pad,x1:0,y1:0,x2:0,y2:1,stop:0   #202020 , stop:0.05 #1F1F1F ,"
    "stop:0.1 #1E1E1E , stop:0.15 #1D1D1D ,stop:0.2 #1C1C1C , stop:0.25 #1B1B1B ,stop:0.3 #1A1A1A , "
    "stop:0.35 #191919 ,stop:0.4 #181818 , stop:0.45 #171717 ,stop:0.5 #161616 , stop:0.55 #151515 ,"
    "stop:0.6 #141414 , stop:0.65 #131313 ,stop:0.7 #121212 , stop:0.75 #111111 ,stop:0.8 #101010 , "
    "stop:0.85 #0F0F0F ,stop:0.9 #0E0E0E , stop:0.95 #0D0D0D ,stop:1   #0C0C0C );";

inline constexpr char kLogo[] = "image: url(:/images/StyleSheet/devlog.png);";
inline constexpr int kLogoWidth = 180;
inline constexpr int kLogoHeight = 22;

// Row lamps (sub-window keys, input rows, FTB, STILL, BAR): text colour only.
// The unlit one ends in ";" as the switcher's own panels have it.
inline constexpr char kRowWhite[] =
    "QPushButton{border-radius:5px;background-color:rgb(58,58,58);color:white;}"
    "QPushButton:hover{border:1px solid rgb(189,189,189);border-radius:5px}"
    "QPushButton:pressed{border:1px solid rgb(86,86,86);background-color:rgb(213,213,213);border-radius:5px;"
    "border-style:flat;};";
inline constexpr char kRowRed[] =
    "QPushButton{border-radius:5px;background-color:rgb(58,58,58);color:rgb(240,46,0);}"
    "QPushButton:hover{border:1px solid rgb(229,97,97);border-radius:5px}"
    "QPushButton:pressed{border:1px solid rgb(86,86,86);background-color:rgb(205,5,5);border-radius:5px;"
    "border-style:flat;}";
inline constexpr char kRowGreen[] =
    "QPushButton{border-radius:5px;background-color:rgb(58,58,58);color:rgb(25,232,0);}"
    "QPushButton:hover{border:1px solid rgb(41,129,36);border-radius:5px}"
    "QPushButton:pressed{border:1px solid rgb(86,86,86);background-color:rgb(19,218,0);border-radius:5px;"
    "border-style:flat;}";

// Key lamps: silver unlit, red lit, greyed while a key does not apply.
inline constexpr char kKeyOff[] =
    "background-color: qlineargradient(x1: 0, y1: 0, x2: 0, y2: 1,  stop: 0 #dadbde,stop: 0.4 #E4DBE8,"
    "stop: 0.6 #f6f7fa,stop: 1 #D0D1D4);;color: rgb(0,0,0);border-radius: 7px;border: 2px groove gray;"
    "border-style: outset;";
inline constexpr char kKeyOn[] =
    "background-color: qlineargradient(x1: 0, y1: 0, x2: 0, y2: 1,  stop: 0 #D22E00,stop: 0.4 #DC380A,"
    "stop: 0.6 #EE4A1C,stop: 1 #C82400);;color: rgb(0,0,0);border-radius: 7px;border: 2px groove gray;"
    "border-style: outset;";
inline constexpr char kKeyDisabled[] =
    "background-color: qlineargradient(x1: 0, y1: 0, x2: 0, y2: 1,  stop: 0 #dadbde,stop: 0.4 #E4DBE8,"
    "stop: 0.6 #808080,stop: 1 #D0D1D4);;color: rgb(0,0,0);border-radius: 7px;border: 2px groove gray;"
    "border-style: outset;";

inline QString row(bool lit) { return QLatin1String(lit ? kRowRed : kRowWhite); }
inline QString key(bool lit) { return QLatin1String(lit ? kKeyOn : kKeyOff); }

// The faders' sheet: blue groove, a handle that turns white while pressed.
// The panels vary the handles' colours and the pages either side of the
// horizontal handle; the Venadro sheets also carry misspelt selectors
// ("hertical", "vorizontal"), which switch those rules off.
struct SliderLook {
    const char* verticalHandleRule = "vertical";
    const char* verticalHandle = "rgb(45,152,255)";
    const char* handle = "rgb(45,152,255)";
    const char* pagesRule = "horizontal";
    const char* afterHandle = "gray";
    const char* beforeHandle = "rgb(25,232,0)";
};
QString sliderSheet(const SliderLook& look);
inline QString sliderSheet(const char* handle, const char* afterHandle)
{
    SliderLook look;
    look.handle = handle;
    look.afterHandle = afterHandle;
    return sliderSheet(look);
}
inline QString sliderBlue() { return sliderSheet("rgb(45,152,255)", "gray"); }
inline QString sliderGreen() { return sliderSheet("rgb(25,250,0)", "gray"); }
inline QString sliderTbar() { return sliderSheet("white", "rgb(240,46,0)"); }

// The Venadro panel's faders and T-bar.
QString venadroSliderCh1();
QString venadroSliderCh2();
QString venadroSliderAuto();

// "SN:" and each non-zero byte in lower-case hex, each followed by a blank.
QString serialText(const QByteArray& bytes);

} // namespace Series8Style
