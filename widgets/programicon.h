#pragma once
#include <QIcon>
#include <QString>

// The icon drawn for a program, from the PNG sizes compiled into the programs:
// "dietlens", "translator" or "dietlens-tray". A name without pictures gives a null icon.
QIcon ProgramIcon(const QString& name);
