// "会员卡设置": the member levels and the stored-value schemes with their dialogs, and the
// points rule on its own page.
#pragma once

#include "platform/form.h"

class DataGrid;
class NamedQuery;
class QCheckBox;
class QComboBox;
class QDateEdit;
class QLineEdit;
class QPushButton;
class QTabWidget;

class TF_Hyksz : public TF_Form {
    Q_OBJECT
public:
    explicit TF_Hyksz(QWidget* parent = nullptr);

    QTabWidget* PageControl1 = nullptr;
    // Page "会员卡设置"
    DataGrid* DBGrid1 = nullptr;  // levels
    QPushButton* btnAdd1 = nullptr;
    QPushButton* btnModi1 = nullptr;
    QPushButton* btnDele1 = nullptr;
    QPushButton* btnExit = nullptr;
    DataGrid* DBGrid2 = nullptr;  // schemes
    QPushButton* btnAdd2 = nullptr;
    QPushButton* btnModi2 = nullptr;
    QPushButton* btnDele2 = nullptr;
    // Page "积分设置"
    QComboBox* cbJfgz = nullptr;
    QLineEdit* edtMfje = nullptr;
    QCheckBox* chkYelj = nullptr;
    QDateEdit* dtDbrq1 = nullptr;
    QDateEdit* dtDbrq2 = nullptr;
    QLineEdit* edtDbjf = nullptr;
    QPushButton* btnSave1 = nullptr;

    void btnAdd1Click();
    void btnModi1Click();
    void btnDele1Click();
    void btnAdd2Click();
    void btnModi2Click();
    void btnDele2Click();
    void btnSave1Click();
    void loadPointsPage();

protected:
    void FormActivate() override;
    void FormClose() override;

private:
    // Shows the change of an accepted dialog in the list: the changed row, or the new last row.
    void afterDialog(NamedQuery* list, const char* codeColumn, const QString& code, int answer);
    // The code of the current row when `refusal` lets it pass; "" after showing the refusal.
    QString passingCode(DataGrid* grid, const char* codeColumn, QString (*refusal)(const QString&));
    // The built-in row is refused; others open their dialog on the code.
    void modifyCurrent(DataGrid* grid, const char* codeColumn, QString (*refusal)(const QString&),
                       int (*edit)(const QString&));
    // The built-in row and rows in use are refused; others go after the question.
    void deleteCurrent(DataGrid* grid, const char* codeColumn, QString (*refusal)(const QString&),
                       void (*remove)(const QString&), const QString& question);
};

extern TF_Hyksz* F_Hyksz;
