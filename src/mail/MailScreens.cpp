#include "core/ScreenCatalog.h"

// The screens of this folder that the main window's commands open.
void RegisterMailScreens(TScreenCatalog& catalog)
{
    (void)catalog;
}
