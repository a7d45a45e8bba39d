#pragma once
// The PIP settings the first-generation panels edit: the entries of the size,
// border and colour boxes (the switcher takes an entry's position) and the
// position ranges that follow the size.

#include <QStringList>

namespace PipSettings {

inline QStringList sizeEntries() { return {QStringLiteral("Small"), QStringLiteral("Medium"), QStringLiteral("Large")}; }
inline QStringList borderEntries() { return {QStringLiteral("OFF"), QStringLiteral("ON")}; }
inline QStringList colourEntries()
{
    return {QStringLiteral("White"), QStringLiteral("Red"), QStringLiteral("Blue"), QStringLiteral("Green")};
}

constexpr int kBorderWidthMin = 2;
constexpr int kBorderWidthMax = 7;
constexpr int kPositionStep = 10;

// Largest horizontal and vertical position of a size.
struct PositionRange {
    int h;
    int v;
};
constexpr int kSizeCount = 3;
inline constexpr PositionRange kPositionRanges[kSizeCount] = {{1440, 810}, {1280, 720}, {960, 540}};

} // namespace PipSettings
