#include "core/ScreenCatalog.h"

// The screens of this folder that the main window's commands open.
void RegisterAdminScreens(TScreenCatalog& catalog)
{
    (void)catalog;
}
