#include "ui/FormParts.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

namespace ui {
QWidget* SearchPanel(QWidget* parent, const QStringList& typeItems, QComboBox** typeName, QLineEdit** typeText)
{
    *typeName = Choice(parent, QStringLiteral("TypeName"), typeItems);
    (*typeName)->setCurrentIndex(0);
    *typeText = Text(parent, QStringLiteral("TypeText"));
    return SearchPanel(parent, *typeName, *typeText);
}

QWidget* SearchPanel(QWidget* parent, QComboBox* typeName, QLineEdit* typeText)
{
    auto* panel = new QWidget(parent);
    panel->setFixedWidth(170);
    auto* layout = new QVBoxLayout(panel);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(new QLabel(QStringLiteral("条件："), panel));
    layout->addWidget(typeName);
    layout->addWidget(new QLabel(QStringLiteral("等于："), panel));
    layout->addWidget(typeText);
    layout->addStretch(1);
    return panel;
}

QWidget* ToolBar(QWidget* parent)
{
    auto* bar = new QWidget(parent);
    auto* layout = new QHBoxLayout(bar);
    layout->setContentsMargins(0, 2, 0, 2);
    return bar;
}

QToolButton* ToolButton(QWidget* parent, const QString& name, const QString& label, QStyle::StandardPixmap icon)
{
    auto* button = new QToolButton(parent);
    button->setObjectName(name);
    button->setText(label);
    button->setIcon(parent->style()->standardIcon(icon));
    button->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    button->setAutoRaise(true);
    return button;
}

QWidget* ToolBar(QWidget* parent, const QList<QToolButton*>& buttons)
{
    QWidget* bar = ToolBar(parent);
    for (QToolButton* button : buttons) {
        button->setParent(bar);
        bar->layout()->addWidget(button);
    }
    EndToolBar(bar);
    return bar;
}

QToolButton* AddToolButton(QWidget* bar, const QString& name, const QString& label, QStyle::StandardPixmap icon)
{
    QToolButton* button = ToolButton(bar, name, label, icon);
    bar->layout()->addWidget(button);
    return button;
}

void EndToolBar(QWidget* bar) { static_cast<QHBoxLayout*>(bar->layout())->addStretch(1); }

QLineEdit* Text(QWidget* parent, const QString& name)
{
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(name);
    return edit;
}

QComboBox* Choice(QWidget* parent, const QString& name, const QStringList& items)
{
    auto* box = new QComboBox(parent);
    box->setObjectName(name);
    box->setEditable(true);
    box->setInsertPolicy(QComboBox::NoInsert);
    box->addItems(items);
    box->setCurrentIndex(-1);
    return box;
}

QPlainTextEdit* Memo(QWidget* parent, const QString& name)
{
    auto* memo = new QPlainTextEdit(parent);
    memo->setObjectName(name);
    memo->setTabChangesFocus(true);
    memo->setFixedHeight(60);
    return memo;
}

QPushButton* Button(QWidget* parent, const QString& name, const QString& caption)
{
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    button->setAutoDefault(false);
    return button;
}

QLabel* Caption(QWidget* parent, const QString& text, bool mandatory)
{
    auto* label = new QLabel(text, parent);
    if (mandatory)
        label->setStyleSheet(QStringLiteral("color: red;"));
    return label;
}

QLabel* Row(QGridLayout* grid, int row, int pair, const QString& caption, QWidget* input, bool mandatory, int span)
{
    QLabel* label = Caption(grid->parentWidget(), caption, mandatory);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    label->setBuddy(input);
    grid->addWidget(label, row, pair * 2);
    grid->addWidget(input, row, pair * 2 + 1, 1, span == 1 ? 1 : 3);
    return label;
}
}
