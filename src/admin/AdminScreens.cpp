#include "core/ScreenCatalog.h"

#include "admin/ProductUnit.h"

// The screens of this folder that the main window's commands open.
void RegisterAdminScreens(TScreenCatalog& catalog)
{
    catalog.AddHosted(QStringLiteral("TProductForm"), [](QWidget* p) { return new TProductForm(p); });
}
