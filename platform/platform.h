// What a program does with the layer before and after its Win32-style code
// runs: pick a backend, register its resources, and tear everything down.
#pragma once

#include "resource.h"
#include "win32.h"

struct PlatformBackend;  // the table of backend functions (backend.h)

// Installs a backend; every operation of win32.h goes through it until
// PlatformStop. Returns false when one is installed already.
bool PlatformStart(PlatformBackend* backend);

// Destroys every window still alive, forgets classes, modules, menus and the
// queue, and uninstalls the backend, so that a new start begins from nothing.
void PlatformStop();

// Makes a program's resources reachable through the instance handle returned.
HINSTANCE RegisterResourceModule(const ResourceModule* module);
