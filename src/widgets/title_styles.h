#pragma once
// The sheets of the dark title strips: the two bands and the window keys.
// TOP_PAGE and the first-generation strips show the same texts.

namespace TitleStyles {

// The upper band: 21 stops from #414141 down to #2d2d2d.
inline constexpr char kUpperBand[] =
    "background:qlineargradient(spread:pad,x1:0,y1:0,x2:0,y2:1,stop:0   #414141 , stop:0.05 #404040 ,"
    "stop:0.1 #3f3f3f , stop:0.15 #3e3e3e ,stop:0.2 #3d3d3d , stop:0.25 #3c3c3c ,stop:0.3 #3b3b3b , "
    "stop:0.35 #3a3a3a ,stop:0.4 #393939 , stop:0.45 #383838 ,stop:0.5 #373737 , stop:0.55 #363636 ,"
    "stop:0.6 #353535 , stop:0.65 #343434 ,stop:0.7 #333333 , stop:0.75 #323232 ,stop:0.8 #313131 , "
    "stop:0.85 #303030 ,stop:0.9 #2f2f2f , stop:0.95 #2e2e2e ,stop:1   #2d2d2d );";

// The thin lighter band under it.
inline constexpr char kLowerBand[] =
    "background:qlineargradient(spread:pad,x1:0,y1:0,x2:0,y2:1,stop:0 #404040 , stop:1 #535353)";

// Minimise, maximise and close keys (30 x 21).
inline constexpr char kMinKey[] =
    "QPushButton{image: url(:/images/StyleSheet/min.png);color: white;border-radius:0px;}"
    "QPushButton:hover{background-color:white; color: black;}";
inline constexpr char kMaxKey[] =
    "QPushButton{image: url(:/images/StyleSheet/max.png);color: white;border-radius:0px;}"
    "QPushButton:hover{background-color:white; color: black;}";
inline constexpr char kCloseKey[] =
    "QPushButton{image: url(:/images/StyleSheet/close.png);color: white;border-radius:0px;}"
    "QPushButton:hover{background-color:white; color: black;}";

// The title text beside the logo.
inline constexpr char kTitle[] = "color: white;font-size:28px;";

} // namespace TitleStyles
