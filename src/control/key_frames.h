#pragma once
// The frame rules that follow a key's picture rule on the dark panels: a
// rounded key on the background grey, a coloured frame under the pointer and a
// coloured fill while pressed. Unlit keys take the grey one, lit keys the
// frame of their lamp colour. The grey one ends with a stray ";", the others
// do not; the panels show them byte for byte.

namespace KeyFrames {

inline constexpr char kGrey[] =
    "QPushButton{border-radius:5px;background-color:rgb(58,58,58);}"
    "QPushButton:hover{border:1px solid rgb(189,189,189);border-radius:5px}"
    "QPushButton:pressed{border:1px solid rgb(86,86,86);background-color:rgb(213,213,213);"
    "border-radius:5px;border-style:flat;};";

inline constexpr char kRed[] =
    "QPushButton{border-radius:5px;background-color:rgb(58,58,58);}"
    "QPushButton:hover{border:1px solid rgb(229,97,97);border-radius:5px}"
    "QPushButton:pressed{border:1px solid rgb(86,86,86);background-color:rgb(205,5,5);"
    "border-radius:5px;border-style:flat;}";

inline constexpr char kGreen[] =
    "QPushButton{border-radius:5px;background-color:rgb(58,58,58);}"
    "QPushButton:hover{border:1px solid rgb(41,129,36);border-radius:5px}"
    "QPushButton:pressed{border:1px solid rgb(86,86,86);background-color:rgb(19,218,0);"
    "border-radius:5px;border-style:flat;}";

inline constexpr char kYellow[] =
    "QPushButton{border-radius:5px;background-color:rgb(58,58,58);}"
    "QPushButton:hover{border:1px solid rgb(255,201,14);border-radius:5px}"
    "QPushButton:pressed{border:1px solid rgb(86,86,86);background-color:rgb(255,242,0);"
    "border-radius:5px;border-style:flat;}";

} // namespace KeyFrames
