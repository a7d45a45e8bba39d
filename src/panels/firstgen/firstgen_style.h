#pragma once
// What the first-generation strips and group boxes share: key lamps, frame
// rules, box and field styles, and the desktop size their placement formulas
// start from.
//
// The strips (bus rows, top key strips) follow each picture rule with the
// frames of key_frames.h, on the background grey. The group boxes (middle
// strips, transitions, audio, bus groups) use the lighter group frames below,
// which paint no background of their own.

#include "panel_faces.h"

#include <QSize>
#include <QString>

class QLabel;
class QPushButton;
class QWidget;

namespace FirstGenStyle {

// Group frames. Grey196 is the middle strips' and the audio group's unlit
// frame, Grey213 that of the bus groups and the Halvani window's keys.
inline constexpr char kGroupGrey196[] =
    "QPushButton{border-radius:5px;}"
    "QPushButton:hover{border:1px solid rgb(189,189,189);border-radius:5px}"
    "QPushButton:pressed{border:1px solid rgb(86,86,86);background-color:rgb(196,196,196);"
    "border-radius:5px;border-style:flat;};";
inline constexpr char kGroupGrey213[] =
    "QPushButton{border-radius:5px;}"
    "QPushButton:hover{border:1px solid rgb(189,189,189);border-radius:5px}"
    "QPushButton:pressed{border:1px solid rgb(86,86,86);background-color:rgb(213,213,213);"
    "border-radius:5px;border-style:flat;};";
inline constexpr char kGroupRed[] =
    "QPushButton{border-radius:5px;}"
    "QPushButton:hover{border:1px solid rgb(229,97,97);border-radius:5px}"
    "QPushButton:pressed{border:1px solid rgb(86,86,86);background-color:rgb(205,5,5);"
    "border-radius:5px;border-style:flat;}";
inline constexpr char kGroupGreen[] =
    "QPushButton{border-radius:5px;}"
    "QPushButton:hover{border:1px solid rgb(41,129,36);border-radius:5px}"
    "QPushButton:pressed{border:1px solid rgb(86,86,86);background-color:rgb(19,218,0);"
    "border-radius:5px;border-style:flat;}";

// The titled group boxes ("AUDIO", "TRANSITIONS", "FUNC", the PIP side panel,
// the bottom bar's groups).
inline constexpr char kGroupBox[] =
    "QGroupBox{font-size:18px;font-weight:bold;margin-top:2ex;color:#898989;"
    "border:2px solid rgb(137,137,137);border-radius:15px}"
    "QGroupBox::title{subcontrol-origin: margin;subcontrol-position:top centre;padding:3 3px;}";

// The Halvani panel's group boxes: their frame and the title strip across
// their top.
inline constexpr char kHalvaniBox[] = "QGroupBox{border:2px solid rgb(160,160,160);border-radius:15px}";
inline constexpr char kHalvaniTitle[] =
    "QLabel{background-color:rgb(220,220,220);border-top-left-radius:15px;border-top-right-radius:15px;}";
// The AUDIO and TRANSITIONS title: 0, 0, width x 30, centred, its own font and
// text colour.
QLabel* halvaniTitle(QWidget* box, const QString& text, int width);

// The background of the strips and slider columns.
inline constexpr char kStripBackground[] = "QWidget{background-color:rgb(58,58,58);};";

// Drop-down boxes of every first-generation panel.
QString dropDownStyle();
// Spin boxes of the middle strips, the PIP side panel and the audio group
// (arrow keys rgb(54,54,54), rgb(25,25,25) while pressed).
QString spinStyle();

// The colour a key lights in.
enum class Lamp { Red, Green };

// A key of the strips: "QPushButton{image:url(p);}" with p the picture under
// ":/images/white/" (unlit, grey frame) or under the lamp's folder (lit, the
// lamp's frame). file is the path below the colour folder, e.g. "png/1.png".
PanelFaces::Face stripKey(const QString& file, Lamp lamp);

// A key of the group boxes: the picture unlitFile under ":/images/white/" with
// `unlitFrame`, or litFile under ":/images/green/" with the green group frame,
// both spelt by `rule`.
PanelFaces::Face groupKey(PanelFaces::FaceRule rule, const QString& unlitFile, const QString& litFile,
                          const char* unlitFrame = kGroupGrey196);

// W x H of the placement formulas: the whole virtual desktop.
QSize desktopSize();

} // namespace FirstGenStyle
