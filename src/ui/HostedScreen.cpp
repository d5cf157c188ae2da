#include "ui/HostedScreen.h"

#include "ui/Dialogs.h"

THostedScreen::THostedScreen(QWidget* parent) : QWidget(parent) {}

void THostedScreen::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    ui::RunGuarded([this] { FormShow(); });
}
