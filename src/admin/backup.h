// "备份/恢复数据库": a backup made now with the stored backup settings, and the restore of the
// database from a chosen file. "备份当前数据库" (TF_Backup2) is its backup page alone.
#pragma once

#include "platform/form.h"

class QCheckBox;
class QFrame;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QSpinBox;
class QTabWidget;
class QTimer;
class QToolButton;

class TF_Backup : public TF_Form {
    Q_OBJECT
public:
    explicit TF_Backup(QWidget* parent = nullptr);

    QTabWidget* PageControl1 = nullptr;
    QLineEdit* tPath = nullptr;
    QToolButton* btnPath = nullptr;
    QProgressBar* ProgressBar1 = nullptr;
    QCheckBox* chkAuto = nullptr;
    QSpinBox* tsj = nullptr;
    QCheckBox* chkExit = nullptr;
    QToolButton* Image1 = nullptr;
    QFrame* Panel1 = nullptr;
    QPushButton* btnClose = nullptr;
    QLineEdit* tPath1 = nullptr;
    QToolButton* btnPath1 = nullptr;
    QProgressBar* ProgressBar2 = nullptr;
    QPushButton* btnOK = nullptr;
    QPushButton* btnExit = nullptr;
    QTimer* Timer1 = nullptr;

    virtual void btnOKClick();
    void backupClick();
    void restoreClick();

protected:
    void FormActivate() override;
    bool FormKeyDown(QKeyEvent* event) override;
    // The copy, then its outcome; true when it succeeded.
    bool copyNow(const QString& folder);
    QWidget* m_autoRow = nullptr;
};

class TF_Backup2 : public TF_Backup {
    Q_OBJECT
public:
    explicit TF_Backup2(QWidget* parent = nullptr);
    void btnOKClick() override;

protected:
    void FormActivate() override;
};

extern TF_Backup* F_Backup;
extern TF_Backup2* F_Backup2;
