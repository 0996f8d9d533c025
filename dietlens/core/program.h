#pragma once
// The program's name and version, as captions, the status bar, the language
// files and the check-in use them.
#include "dietlens/core/deployment.h"

#include <QString>

inline QString ProgramName()
{
    return QStringLiteral("Dietlens");
}

// Major and minor version, both plain integers: "2.12".
inline QString ProgramVersion()
{
    return QStringLiteral(DIETLENS_PROGRAM_VERSION);
}
