#include "core/ScreenCatalog.h"

#include "sales/DueListUnit.h"
#include "sales/DueUnit.h"
#include "sales/OrderListUnit.h"
#include "sales/OrderUnit.h"

// The screens of this folder that the main window's commands open.
void RegisterSalesScreens(TScreenCatalog& catalog)
{
    catalog.AddHosted(QStringLiteral("TOrderListForm"), [](QWidget* p) { return new TOrderListForm(p); });
    catalog.AddHosted(QStringLiteral("TDueListForm"), [](QWidget* p) { return new TDueListForm(p); });
    catalog.AddEditor(QStringLiteral("TOrderForm"), [](QWidget* p) { return new TOrderForm(p); });
    catalog.AddEditor(QStringLiteral("TDueForm"), [](QWidget* p) { return new TDueForm(p); });
}
