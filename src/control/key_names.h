#pragma once
// The two keys' names: each key page's title, and how the controller tells the
// page that changed apart.

#include <QString>

inline QString lumaKeyName() { return QStringLiteral("Luma Key"); }
inline QString chromaKeyName() { return QStringLiteral("Chroma Key"); }
