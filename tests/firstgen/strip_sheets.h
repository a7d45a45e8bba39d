#pragma once
// The key sheets of the first-generation strips, written out here
// independently of the code: a picture rule, then the frame of the state.

#include <QString>

namespace StripSheets {

inline constexpr char kGrey[] =
    "QPushButton{border-radius:5px;background-color:rgb(58,58,58);}QPushButton:hover{border:1px solid "
    "rgb(189,189,189);border-radius:5px}QPushButton:pressed{border:1px solid rgb(86,86,86);background-color:"
    "rgb(213,213,213);border-radius:5px;border-style:flat;};";
inline constexpr char kRed[] =
    "QPushButton{border-radius:5px;background-color:rgb(58,58,58);}QPushButton:hover{border:1px solid "
    "rgb(229,97,97);border-radius:5px}QPushButton:pressed{border:1px solid rgb(86,86,86);background-color:"
    "rgb(205,5,5);border-radius:5px;border-style:flat;}";
inline constexpr char kGreen[] =
    "QPushButton{border-radius:5px;background-color:rgb(58,58,58);}QPushButton:hover{border:1px solid "
    "rgb(41,129,36);border-radius:5px}QPushButton:pressed{border:1px solid rgb(86,86,86);background-color:"
    "rgb(19,218,0);border-radius:5px;border-style:flat;}";

// "QPushButton{image:url(:/images/<folder>/<file>);}" and the frame.
inline QString sheet(const QString& folder, const QString& file, const char* frame)
{
    return QStringLiteral("QPushButton{image:url(:/images/%1/%2);}").arg(folder, file) + QLatin1String(frame);
}

// A key lit in green or red, or unlit.
inline QString greenKey(const QString& file, bool lit)
{
    return lit ? sheet(QStringLiteral("green"), file, kGreen) : sheet(QStringLiteral("white"), file, kGrey);
}
inline QString redKey(const QString& file, bool lit)
{
    return lit ? sheet(QStringLiteral("red"), file, kRed) : sheet(QStringLiteral("white"), file, kGrey);
}

} // namespace StripSheets
