#pragma once

// Binds the engine; on failure shows "Can not find DLL" / "error" (no owner,
// OK only, no icon) and answers false: the program then ends with code 0
// before creating any window.  Needs a QApplication.
bool BindEngineOrExplain();
