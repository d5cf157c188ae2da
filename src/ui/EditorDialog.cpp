#include "ui/EditorDialog.h"

#include "ui/Dialogs.h"

TEditorDialog::TEditorDialog(QWidget* parent) : QDialog(parent) { setModal(true); }

bool TEditorDialog::CheckRequired(std::initializer_list<std::pair<QString, QString>> inputs)
{
    for (const auto& [text, message] : inputs)
        if (text.isEmpty()) {
            ui::ShowMessage(message);
            return false;
        }
    return true;
}

void TEditorDialog::SaveByMode()
{
    if (EditMode == QLatin1String("add"))
        SaveRecord();
    else if (EditMode == QLatin1String("edit"))
        EditRecord();
}

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
