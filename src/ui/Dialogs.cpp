#include "ui/Dialogs.h"

#include <QApplication>
#include <QDialog>
#include <QFileDialog>
#include <QMessageBox>

#include <exception>

namespace {
ui::Responder responder;
ui::ModalHook modalHook;

QWidget* boxParent()
{
    if (QWidget* w = QApplication::activeModalWidget())
        return w;
    return QApplication::activeWindow();
}
}

namespace ui {
void ShowMessage(const QString& text)
{
    if (responder) {
        responder({Prompt::Information, QString(), text}, nullptr);
        return;
    }
    QMessageBox::information(boxParent(), QStringLiteral("提示"), text, QMessageBox::Ok);
}

bool AskQuestion(const QString& text, const QString& caption)
{
    if (responder)
        return responder({Prompt::Question, caption, text}, nullptr);
    return QMessageBox::question(boxParent(), caption, text, QMessageBox::Yes | QMessageBox::No, QMessageBox::No) ==
           QMessageBox::Yes;
}

void ShowError(const QString& text)
{
    if (responder) {
        responder({Prompt::Error, QString(), text}, nullptr);
        return;
    }
    QMessageBox::critical(boxParent(), QStringLiteral("错误"), text, QMessageBox::Ok);
}

int RunModal(QDialog* dialog)
{
    if (modalHook)
        return modalHook(dialog);
    return dialog->exec();
}

QString SaveFileName(QWidget* parent, const QString& caption, const QString& fileName, const QString& filter)
{
    if (responder) {
        QString path;
        responder({Prompt::SaveFile, caption, fileName}, &path);
        return path;
    }
    return QFileDialog::getSaveFileName(parent, caption, fileName, filter);
}

void SetResponder(Responder r) { responder = std::move(r); }
void SetModalHook(ModalHook hook) { modalHook = std::move(hook); }

void RunGuarded(const std::function<void()>& handler)
{
    try {
        handler();
    } catch (const std::exception& e) {
        ShowError(QString::fromUtf8(e.what()));
    }
}

std::function<void()> guarded(std::function<void()> handler)
{
    return [handler = std::move(handler)] { RunGuarded(handler); };
}
}
