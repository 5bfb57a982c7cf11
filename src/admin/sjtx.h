// "今日事件提醒": sales bills due for collection, goods event reminders and goods short of
// stock on three tabs, with the switch that keeps the window from opening at every start.
#pragma once

#include "platform/form.h"

class DataGrid;
class QCheckBox;
class QComboBox;
class QDateEdit;
class QLabel;
class QLineEdit;
class QTabWidget;
class QToolButton;

class TF_Sjtx : public TF_Form {
    Q_OBJECT
public:
    explicit TF_Sjtx(QWidget* parent = nullptr);

    QTabWidget* cxPageControl = nullptr;
    // Tab 1: bills due for collection.
    QDateEdit* dtp1 = nullptr;
    QDateEdit* dtp2 = nullptr;
    QToolButton* btnDate1 = nullptr;
    QLineEdit* tKhName = nullptr;
    QPushButton* btnKh = nullptr;
    QPushButton* btnQuery1 = nullptr;
    QPushButton* btnView = nullptr;
    QPushButton* btnModi1 = nullptr;
    QPushButton* btnPrint1 = nullptr;
    QPushButton* btnExport1 = nullptr;
    DataGrid* DBGrid1 = nullptr;
    QWidget* RzPanel_Kh = nullptr;
    DataGrid* DBGridKh = nullptr;
    QPushButton* btnKhOK = nullptr;
    QPushButton* btnKhExit = nullptr;
    QCheckBox* chkAllKh = nullptr;
    // Tab 2: goods event reminders.
    QDateEdit* dtp3 = nullptr;
    QDateEdit* dtp4 = nullptr;
    QToolButton* btnDate2 = nullptr;
    QLineEdit* tname2 = nullptr;
    QPushButton* btnQuery2 = nullptr;
    QPushButton* btnAdd2 = nullptr;
    QPushButton* btnModi2 = nullptr;
    QPushButton* btnDele2 = nullptr;
    QPushButton* btnPrint2 = nullptr;
    QPushButton* btnExport2 = nullptr;
    DataGrid* DBGrid2 = nullptr;
    // Tab 3: stock alarms.
    QComboBox* comCk = nullptr;
    QLineEdit* tkey = nullptr;
    QPushButton* btnQuery3 = nullptr;
    QPushButton* btnPrint3 = nullptr;
    QPushButton* btnExport3 = nullptr;
    DataGrid* DBGrid3 = nullptr;
    // Footer.
    QLabel* sktx = nullptr;
    QLabel* sptx = nullptr;
    QLabel* kctx = nullptr;
    QCheckBox* chkTc = nullptr;

    void search1();
    void search2();
    void search3();
    void chooseCustomer();
    void allCustomers();
    void modi1Click();
    void add2Click();
    void modi2Click();
    void dele2Click();
    void printTab(int tab);

protected:
    void FormActivate() override;
    void FormClose() override;

private:
    void fillWarehouses();
    bool m_filling = false;
};

extern TF_Sjtx* F_Sjtx;
