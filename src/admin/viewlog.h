// "查看日志": the operation log of a period, newest first, searched by a key word, and the
// clearing of the whole log for a role with that right.
#pragma once

#include "platform/form.h"

class DataGrid;
class QDateEdit;
class QLineEdit;
class QPushButton;
class QToolButton;

class TF_ViewLog : public TF_Form {
    Q_OBJECT
public:
    explicit TF_ViewLog(QWidget* parent = nullptr);

    QDateEdit* tdate11 = nullptr;
    QDateEdit* tdate12 = nullptr;
    QToolButton* btnDate = nullptr;
    QPushButton* btnSearch = nullptr;
    QLineEdit* tname = nullptr;
    QPushButton* btnClear = nullptr;
    QPushButton* btnExit = nullptr;
    DataGrid* DBGrid1 = nullptr;

    void searchLog();
    void btnClearClick();

protected:
    void FormActivate() override;
    bool FormKeyDown(QKeyEvent* event) override;
    void FormClose() override;
};

// The log's statement for a period (dates as "yyyy-MM-dd") and a key already made safe.
QString logSql(const QString& from, const QString& to, const QString& key);

extern TF_ViewLog* F_ViewLog;
