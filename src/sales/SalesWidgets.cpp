#include "sales/SalesWidgets.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QToolButton>
#include <QVBoxLayout>
#include <QWidget>

namespace sales {
QToolButton* ToolButton(QWidget* parent, const char* name, const QString& caption, QStyle::StandardPixmap icon)
{
    auto* button = new QToolButton(parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setText(caption);
    button->setIcon(parent->style()->standardIcon(icon));
    button->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    button->setAutoRaise(true);
    return button;
}

QWidget* ToolBar(QWidget* parent, const QList<QToolButton*>& buttons)
{
    auto* bar = new QWidget(parent);
    auto* layout = new QHBoxLayout(bar);
    layout->setContentsMargins(0, 0, 0, 0);
    for (QToolButton* button : buttons)
        layout->addWidget(button);
    layout->addStretch(1);
    return bar;
}

QWidget* SearchPanel(QWidget* parent, QComboBox* typeName, QLineEdit* typeText)
{
    auto* panel = new QWidget(parent);
    auto* layout = new QVBoxLayout(panel);
    layout->addWidget(new QLabel(QStringLiteral("条件："), panel));
    layout->addWidget(typeName);
    layout->addWidget(new QLabel(QStringLiteral("等于："), panel));
    layout->addWidget(typeText);
    layout->addStretch(1);
    panel->setFixedWidth(160);
    return panel;
}

QLabel* Caption(QWidget* parent, const QString& text, bool mandatory)
{
    auto* label = new QLabel(text, parent);
    if (mandatory)
        label->setStyleSheet(QStringLiteral("color: red;"));
    return label;
}
}
