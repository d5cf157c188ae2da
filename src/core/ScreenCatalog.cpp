#include "core/ScreenCatalog.h"

#include "ui/EditorDialog.h"
#include "ui/HostedScreen.h"

THostedScreen* TScreenCatalog::CreateHosted(const QString& className, QWidget* parent) const
{
    const auto it = hosted.find(className);
    return it == hosted.end() ? nullptr : (*it)(parent);
}

TEditorDialog* TScreenCatalog::CreateEditor(const QString& className, QWidget* parent) const
{
    const auto it = editors.find(className);
    return it == editors.end() ? nullptr : (*it)(parent);
}

TScreenCatalog& ScreenCatalog()
{
    static TScreenCatalog catalog = [] {
        TScreenCatalog c;
        RegisterCoreScreens(c);
        RegisterAdminScreens(c);
        RegisterCustomerScreens(c);
        RegisterSalesScreens(c);
        RegisterPlanScreens(c);
        RegisterListScreens(c);
        RegisterStatScreens(c);
        RegisterMailScreens(c);
        return c;
    }();
    return catalog;
}
