// "会员管理": the member register with its five tabs: members with their commands, consumption,
// top-up history, birthdays and points exchanges.
#pragma once

#include "platform/form.h"

#include <array>

class DataGrid;
class QComboBox;
class QDateEdit;
class QLineEdit;
class QPushButton;
class QTabWidget;

class TF_Hygl : public TF_Form {
    Q_OBJECT
public:
    explicit TF_Hygl(QWidget* parent = nullptr);

    QTabWidget* PageControl1 = nullptr;
    // Tab 1
    QLineEdit* edtKey = nullptr;
    QComboBox* cbLevel = nullptr;
    QComboBox* cbStatus = nullptr;
    QPushButton* btnSearch = nullptr;
    DataGrid* DBGrid1 = nullptr;
    QPushButton* btnAdd = nullptr;
    QPushButton* btnModi = nullptr;
    QPushButton* btnDele = nullptr;
    QPushButton* btnSet = nullptr;
    QPushButton* btnCz = nullptr;
    QPushButton* btnGjcx = nullptr;
    QPushButton* btnDh = nullptr;
    QPushButton* btnImport = nullptr;
    QPushButton* btnExport = nullptr;
    QPushButton* btnPrint = nullptr;
    QPushButton* btnExit = nullptr;
    // Tabs 2, 3 and 5: period and key; tab 4: days
    std::array<QDateEdit*, 3> dtFrom{};
    std::array<QDateEdit*, 3> dtTo{};
    std::array<QLineEdit*, 3> edtKeys{};
    QLineEdit* edtDays = nullptr;
    DataGrid* DBGrid2 = nullptr;
    DataGrid* DBGrid3 = nullptr;
    DataGrid* DBGrid4 = nullptr;
    DataGrid* DBGrid5 = nullptr;
    QPushButton* btnDhDele = nullptr;
    // Print of tabs 2, 3 and 4; export and exit of tabs 2 to 5.
    std::array<QPushButton*, 3> btnPrints{};
    std::array<QPushButton*, 4> btnExports{};
    std::array<QPushButton*, 4> btnExits{};

    void searchClick();          // the list search (F2)
    void consumptionSearch();    // tab 2
    void topUpSearch();          // tab 3
    void birthdaySearch();       // tab 4
    void exchangeSearch();       // tab 5
    void btnAddClick();
    void btnModiClick();
    void btnDeleClick();
    void btnCzClick();
    void countCardClick();
    void batchClick();
    void btnDhClick();
    void statusClick();
    void passwordClick();
    void clearCurrentClick();
    void clearAllClick();
    void exchangeDeleteClick();
    void btnPrintClick();  // the member list over report/hyxx.fr3
    void printTab(int index);  // the list of tab 2, 3 or 4 (index 1 to 3)
    // The days of the birthday tab: a value not above 0 counts as 10.
    int birthdayDays() const;

    // The member number of the current row ("" when the list is empty).
    QString currentMember() const;

protected:
    void FormActivate() override;
    void FormClose() override;
    bool FormKeyDown(QKeyEvent* event) override;

private:
    void readCaptions();
    void popup(const QPoint& pos);
    QString m_extra;  // the advanced search's condition, in force until the window is shown again
};

extern TF_Hygl* F_Hygl;
