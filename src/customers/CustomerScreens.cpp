#include "core/ScreenCatalog.h"
#include "customers/CusPersonListUnit.h"
#include "customers/CusPersonUnit.h"
#include "customers/CustomerInfoUnit.h"
#include "customers/CustomerListUnit.h"
#include "customers/VisitInfoUnit.h"
#include "customers/VisitListUnit.h"

// The screens of this folder that the main window's commands open.
void RegisterCustomerScreens(TScreenCatalog& catalog)
{
    catalog.AddHosted("TCustomerListForm", [](QWidget* p) { return new TCustomerListForm(p); });
    catalog.AddEditor("TCustomerInfoForm", [](QWidget* p) { return new TCustomerInfoForm(p); });
    catalog.AddHosted("TCusPersonListForm", [](QWidget* p) { return new TCusPersonListForm(p); });
    catalog.AddEditor("TCusPersonForm", [](QWidget* p) { return new TCusPersonForm(p); });
    catalog.AddHosted("TVisitListForm", [](QWidget* p) { return new TVisitListForm(p); });
    catalog.AddEditor("TVisitInfoForm", [](QWidget* p) { return new TVisitInfoForm(p); });
}
