#pragma once
#include <QString>

// $REELVISE_HOME when set, else the folder of the program file; no
// trailing separator.
QString programFolder();

// The process-wide current skin folder; initially programFolder() + "//SKIN0".
QString currentSkinFolder();
void setCurrentSkinFolder(const QString& folder);
