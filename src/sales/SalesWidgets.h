#pragma once
// Small pieces of layout that the sales screens share.
#include <QList>
#include <QString>
#include <QStyle>

class QComboBox;
class QLabel;
class QLineEdit;
class QToolButton;
class QWidget;

namespace sales {
// A tool-bar button showing an icon over its caption.
QToolButton* ToolButton(QWidget* parent, const char* name, const QString& caption, QStyle::StandardPixmap icon);
// The buttons left to right along the bottom edge.
QWidget* ToolBar(QWidget* parent, const QList<QToolButton*>& buttons);
// The search panel left of a list: "条件：" over the choice, "等于：" over the text.
QWidget* SearchPanel(QWidget* parent, QComboBox* typeName, QLineEdit* typeText);
// A caption of an input; mandatory inputs have red captions.
QLabel* Caption(QWidget* parent, const QString& text, bool mandatory = false);
}
