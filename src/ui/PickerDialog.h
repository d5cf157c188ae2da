#pragma once
#include "ui/EditorDialog.h"

class QLineEdit;
class QPushButton;
class QTableView;
class TQueryModel;

// The pickers' dialog (caption "条件"): a search strip with the text box CusName, 查询
// (bsSkinButton1) and 关闭 (bsSkinButton2) over the read-only grid bsSkinDBGrid1. A double-click
// on a row of a search result chooses it; Esc or 关闭 leave without choosing; Enter searches.
class TPickerDialog : public TEditorDialog {
    Q_OBJECT
public:
    TPickerDialog(QWidget* parent, const QString& objectName, int width);

    virtual void bsSkinButton1Click() = 0;   // 查询
    void bsSkinDBGrid1DblClick();             // choose the selected row

protected:
    // Hands the chosen row back to the opener; the dialog then closes accepted.
    virtual void Choose(int row) = 0;
    // Shows the search result: the first hiddenColumns columns are keys, not shown.
    void ShowResult(int hiddenColumns);
    void keyPressEvent(QKeyEvent* event) override;

    QLineEdit* CusName;
    QPushButton* bsSkinButton1;
    QPushButton* bsSkinButton2;
    QTableView* bsSkinDBGrid1;
    TQueryModel* xxQuery;

private:
    bool searched = false;
};
