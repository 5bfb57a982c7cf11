// "数据导出": the branch's goods, stock and sales of a period written to a workbook.
#pragma once

#include "platform/form.h"

class QDateEdit;
class QLabel;
class QLineEdit;
class QProgressBar;

class TF_FdExport : public TF_Form {
    Q_OBJECT
public:
    explicit TF_FdExport(QWidget* parent = nullptr);

    QDateEdit* tdate1 = nullptr;
    QDateEdit* tdate2 = nullptr;
    QLineEdit* tpath = nullptr;
    QPushButton* btnBrowse = nullptr;
    QProgressBar* ProgressBar1 = nullptr;
    QLabel* Ldcrq = nullptr;
    QPushButton* btnOK = nullptr;
    QPushButton* btnExit = nullptr;

    void btnOKClick();

protected:
    void FormActivate() override;
};

extern TF_FdExport* F_FdExport;
