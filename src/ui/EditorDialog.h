#pragma once
#include <QDialog>

#include <initializer_list>
#include <utility>

// A modal editor: a fresh instance for every showing, with its mode set by the opener.
// In "edit" and "see" mode RecordID names the row the opener's list had selected.
class TEditorDialog : public QDialog {
    Q_OBJECT
public:
    explicit TEditorDialog(QWidget* parent = nullptr);

    QString EditMode = QStringLiteral("add");   // "add", "edit" or "see"
    int RecordID = 0;

    // Shows the dialog modally (through ui::RunModal) after the mode is set.
    int Open();

protected:
    // Runs once before the dialog is shown, with EditMode and RecordID set.
    virtual void FormShow() {}

    // The mandatory inputs as (text, message naming it): shows the message of the first empty one.
    bool CheckRequired(std::initializer_list<std::pair<QString, QString>> inputs);
    // Stores a new row in "add" mode and writes the changes back in "edit" mode.
    void SaveByMode();
    virtual void SaveRecord() {}
    virtual void EditRecord() {}
};
