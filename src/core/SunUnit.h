#pragma once
// The gateway: every screen's shared statement runners, choice-list fillers and helpers.
// All values are bound; no typed text ever becomes part of the SQL text.
#include <QString>
#include <QStringList>
#include <QVariantList>

class QComboBox;
struct TCurrentUser;

// Runs a statement that returns no rows. False on any error; nothing is shown.
bool ExecSql(const QString& sql, const QVariantList& params = {});

// First column of the first row as text; "-1" when there is no row; "未取得值" on error or Null.
QString GetSqlValue(const QString& sql, const QVariantList& params = {});

// First column of the first row as a 32-bit integer (fractions rounded half to even);
// 0 on error, no row, Null, text that is not a number or a value out of range.
int GetSqlCount(const QString& sql, const QVariantList& params = {});

// Choice-list fillers. Those marked "raises" pass a database error on as DbError.
void FillDeptCombo(QComboBox* box);                                  // appends; selects item 0
void FillRoleCombo(QComboBox* box);                                  // empties; selects item 0
void FillDatumCombo(QComboBox* box, const QString& code);            // empties; "----" first
void FillAreaCombo(QComboBox* box, int parentId);                    // raises; "----" first, selected
void FillChildAreaCombo(QComboBox* box, const QString& parentName);  // raises; "----" first, selected
void FillProductGridCombo(QComboBox* box);                           // raises; empties
void FillUserCombo(QComboBox* box);                                  // raises; empty item first
void FillDeptUserCombo(QComboBox* box, const QString& deptId);       // raises; empty item first

// The pieces of text between occurrences of separator; empty pieces are skipped.
QStringList SplitString(const QString& text, const QString& separator);

// Reversible scrambling of stored passwords, on the GBK bytes of the text.
QString EncodePassword(const QString& text);
// Raises std::invalid_argument when a pair of characters is not hexadecimal.
QString DecodePassword(const QString& text);

// The record-visibility rule of the user's role. FindRole "1" limits to the user's department,
// "2" to the user's own rows, anything else to nothing.
struct TSqlCondition {
    QString sql;            // empty when the role sees everything
    QVariantList params;    // the values its placeholders take
    bool isEmpty() const { return sql.isEmpty(); }
};
// " and DeptID=?" / " and UserID=?" (prefix is put before the column, e.g. "a.")
TSqlCondition DataScopeAnd(const TCurrentUser& user, const QString& prefix = {});
// "DeptID=?" / "UserID=?" as a condition of its own
TSqlCondition DataScopeCondition(const TCurrentUser& user, const QString& prefix = {});
