#pragma once
// The style sheets the series-8 windows share: their title strips and logo.

namespace Series8Style {

// The dark strip behind the logo: 21 stops from #202020 down to #0C0C0C.
inline constexpr char kDark[] =
    "background:qlineargradient(spread:pad,x1:0,y1:0,x2:0,y2:1,stop:0   #202020 , stop:0.05 #1F1F1F ,"
    "stop:0.1 #1E1E1E , stop:0.15 #1D1D1D ,stop:0.2 #1C1C1C , stop:0.25 #1B1B1B ,stop:0.3 #1A1A1A , "
    "stop:0.35 #191919 ,stop:0.4 #181818 , stop:0.45 #171717 ,stop:0.5 #161616 , stop:0.55 #151515 ,"
    "stop:0.6 #141414 , stop:0.65 #131313 ,stop:0.7 #121212 , stop:0.75 #111111 ,stop:0.8 #101010 , "
    "stop:0.85 #0F0F0F ,stop:0.9 #0E0E0E , stop:0.95 #0D0D0D ,stop:1   #0C0C0C );";

// The thin lighter band under a main window's dark strip.
inline constexpr char kLowerBand[] =
    "background:qlineargradient(spread:pad,x1:0,y1:0,x2:0,y2:1,stop:0 #404040 , stop:1 #535353)";

inline constexpr char kLogo[] = "image: url(:/images/StyleSheet/devlog.png);";
inline constexpr int kLogoWidth = 180;
inline constexpr int kLogoHeight = 22;

} // namespace Series8Style
