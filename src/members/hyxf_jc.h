// "计次卡续费": the member's count items, and the operator's working list of new items saved
// together onto the member, paid through the charge window.
#pragma once

#include "platform/form.h"

class DataGrid;
class QLabel;
class QPushButton;
class QTabWidget;

class TF_Hyxf_Jc : public TF_Form {
    Q_OBJECT
public:
    explicit TF_Hyxf_Jc(QWidget* parent = nullptr);
    // The member shown; the register hands it over in `paramValue` when this is not called.
    void setMember(const QString& hySn) { m_sn = hySn; }

    QTabWidget* PageControl1 = nullptr;
    // Page "该会员计次消费情况"
    QLabel* lblBh = nullptr;
    QLabel* lblName = nullptr;
    QLabel* lblZhje = nullptr;
    DataGrid* DBGrid1 = nullptr;
    QPushButton* btnNew = nullptr;
    QPushButton* btnExit = nullptr;
    // Page "添加新的计次项目"
    DataGrid* DBGrid2 = nullptr;
    QPushButton* btnAdd = nullptr;
    QPushButton* btnModi = nullptr;
    QPushButton* btnDele = nullptr;
    QPushButton* btnSave = nullptr;

    void btnAddClick();
    void btnModiClick();
    void btnDeleClick();
    void btnSaveClick();

protected:
    void FormActivate() override;
    void FormClose() override;

private:
    void openItems();
    void openWorkingList();
    QString m_sn;
};

extern TF_Hyxf_Jc* F_Hyxf_Jc;
