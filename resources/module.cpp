// The viewer's one resource module, as the window layer reads it.
#include "resources/resources.h"

constinit const ResourceModule MorvatResources = {
    MorvatStrings,
    {&MorvatMenu, 1},
    {&MorvatAccelerators, 1},
    MorvatDialogs,
    MorvatIcons,
};
