#pragma once
#include <QMap>
#include <QString>
#include <functional>

class QWidget;
class THostedScreen;
class TEditorDialog;

// Which screen class the main window's commands open, and how to make one. Each subsystem
// registers the screens it has; a command whose screen is not registered does nothing.
class TScreenCatalog {
public:
    using HostedFactory = std::function<THostedScreen*(QWidget* parent)>;
    using EditorFactory = std::function<TEditorDialog*(QWidget* parent)>;

    void AddHosted(const QString& className, HostedFactory factory) { hosted.insert(className, std::move(factory)); }
    void AddEditor(const QString& className, EditorFactory factory) { editors.insert(className, std::move(factory)); }

    THostedScreen* CreateHosted(const QString& className, QWidget* parent) const;
    TEditorDialog* CreateEditor(const QString& className, QWidget* parent) const;
    bool Has(const QString& className) const { return hosted.contains(className) || editors.contains(className); }

private:
    QMap<QString, HostedFactory> hosted;
    QMap<QString, EditorFactory> editors;
};

// The catalogue of the whole program, filled on first use by every subsystem's registration
// (tests may add screens of their own).
TScreenCatalog& ScreenCatalog();

// One registration function per subsystem folder.
void RegisterCoreScreens(TScreenCatalog& catalog);
void RegisterAdminScreens(TScreenCatalog& catalog);
void RegisterCustomerScreens(TScreenCatalog& catalog);
void RegisterSalesScreens(TScreenCatalog& catalog);
void RegisterPlanScreens(TScreenCatalog& catalog);
void RegisterListScreens(TScreenCatalog& catalog);
void RegisterStatScreens(TScreenCatalog& catalog);
void RegisterMailScreens(TScreenCatalog& catalog);
