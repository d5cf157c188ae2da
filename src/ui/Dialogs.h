#pragma once
// Every message, question and modal dialog of the program goes through here, so that all screens
// word them alike and tests can answer them without a person.
#include <QString>
#include <functional>

class QDialog;
class QWidget;

namespace ui {
void ShowMessage(const QString& text);                        // information box, OK only
bool AskQuestion(const QString& text, const QString& caption = QStringLiteral("提示"));  // Yes / No
void ShowError(const QString& text);                          // the standard error box
// Shows a modal dialog and returns its result (QDialog::Accepted / Rejected).
int RunModal(QDialog* dialog);
// The file-save dialog: the chosen path, or empty when cancelled.
QString SaveFileName(QWidget* parent, const QString& caption, const QString& fileName, const QString& filter);

// What a test sees of each box, and how it answers.
struct Prompt {
    enum Kind { Information, Question, Error, SaveFile };
    Kind kind;
    QString caption;
    QString text;
};
// Returns the answer to a question (true = Yes); for SaveFile the path goes into *path.
using Responder = std::function<bool(const Prompt& prompt, QString* path)>;
void SetResponder(Responder responder);   // nullptr restores the real boxes
// Called instead of QDialog::exec(); returns the dialog's result.
using ModalHook = std::function<int(QDialog* dialog)>;
void SetModalHook(ModalHook hook);

// Wraps an event handler: a DbError or other exception it raises shows the standard error box
// and leaves the screen as it was.
std::function<void()> guarded(std::function<void()> handler);
void RunGuarded(const std::function<void()>& handler);
}
