#include "ui/EditorDialog.h"

#include "ui/Dialogs.h"

TEditorDialog::TEditorDialog(QWidget* parent) : QDialog(parent) { setModal(true); }

int TEditorDialog::Open()
{
    bool loaded = false;
    ui::RunGuarded([&] {
        FormShow();
        loaded = true;
    });
    if (!loaded)
        return QDialog::Rejected;
    return ui::RunModal(this);
}
