#include "core/ScreenCatalog.h"

// The screens of this folder that the main window's commands open.
void RegisterSalesScreens(TScreenCatalog& catalog)
{
    (void)catalog;
}
