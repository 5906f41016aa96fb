#pragma once
#include <QStringList>

#include "encodery.h"

// Loads libEncodery.so (the program's folder first, then the ordinary
// library search) and resolves both factories.  The library stays loaded.
bool BindEngine();

// As BindEngine, over the given library paths in order (tests).
bool BindEngineFrom(const QStringList& candidates);

// Replaces the bound factories (tests use doubles); null unbinds.
void SetEngineFactories(ENCODERY_FACTORY newObject, ENCODERY_FACTORY sharedObject);

// The program's exports: the bound factories' results, or null when unbound.
extern "C" I_ENCODERY* NEW_ENCODERY();
extern "C" I_ENCODERY* NEW_00_ENCODERY();
