#pragma once
// Small builders shared by the screens: the search panel and the tool bars of the lists, and the
// labelled input rows of the editors. Every control gets its designer name.
#include <QList>
#include <QString>
#include <QStringList>
#include <QStyle>

class QComboBox;
class QGridLayout;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QToolButton;
class QWidget;

namespace ui {
// The left search panel: "条件：" over the choice box TypeName, "等于：" over the text box TypeText.
QWidget* SearchPanel(QWidget* parent, const QStringList& typeItems, QComboBox** typeName, QLineEdit** typeText);
// The same panel around a choice box and a text box made by the caller.
QWidget* SearchPanel(QWidget* parent, QComboBox* typeName, QLineEdit* typeText);

// A tool-bar button showing an icon over its caption.
QToolButton* ToolButton(QWidget* parent, const QString& name, const QString& label, QStyle::StandardPixmap icon);
// A tool bar holding the buttons left to right.
QWidget* ToolBar(QWidget* parent, const QList<QToolButton*>& buttons);
// A tool bar along the bottom edge; buttons are added left to right with AddToolButton.
QWidget* ToolBar(QWidget* parent);
QToolButton* AddToolButton(QWidget* bar, const QString& name, const QString& label, QStyle::StandardPixmap icon);
void EndToolBar(QWidget* bar);

// Editor inputs named after their columns.
QLineEdit* Text(QWidget* parent, const QString& name);
QComboBox* Choice(QWidget* parent, const QString& name, const QStringList& items = {});   // accepts typing
QPlainTextEdit* Memo(QWidget* parent, const QString& name);
QPushButton* Button(QWidget* parent, const QString& name, const QString& caption);

// The caption of an input; a mandatory input's caption is red.
QLabel* Caption(QWidget* parent, const QString& text, bool mandatory = false);
// A label and its input at (row, pair) of a two-pair grid; span 2 uses the whole width.
// A mandatory input's caption is drawn in red.
QLabel* Row(QGridLayout* grid, int row, int pair, const QString& caption, QWidget* input, bool mandatory = false,
            int span = 1);
}
