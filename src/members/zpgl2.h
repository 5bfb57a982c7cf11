// "赠品管理": the gift list with its add, modify, delete and purchase commands, and the
// movements (purchases and exchanges) of the current gift within a period.
#pragma once

#include "platform/form.h"

#include <QDate>

class DataGrid;
class QDateEdit;
class QLabel;
class QLineEdit;
class QPushButton;

// The gifts whose code, name or short code contains the key (full safe text), newest first.
QString giftListSql(const QString& key);
// Purchases, then exchanges of the gift of that id within the period, each newest first.
QString giftMovementSql(qint64 giftId, const QDate& from, const QDate& to);

class TF_Zpgl2 : public TF_Form {
    Q_OBJECT
public:
    explicit TF_Zpgl2(QWidget* parent = nullptr);

    QLineEdit* edtKey = nullptr;
    QPushButton* btnSearch = nullptr;
    DataGrid* DBGrid1 = nullptr;   // gifts
    QPushButton* btnAdd = nullptr;
    QPushButton* btnModi = nullptr;
    QPushButton* btnDele = nullptr;
    QPushButton* btnJh = nullptr;
    QPushButton* btnExit = nullptr;
    QLabel* lblName = nullptr;
    QDateEdit* dtFrom = nullptr;
    QDateEdit* dtTo = nullptr;
    QPushButton* btnQuery = nullptr;
    DataGrid* DBGrid2 = nullptr;   // movements

    void searchClick();    // F2
    void movementClick();  // F3
    void btnAddClick();
    void btnModiClick();
    void btnDeleClick();
    void btnJhClick();
    // The id of the current gift, 0 when the list is empty.
    qint64 currentGift() const;

protected:
    void FormActivate() override;
    bool FormKeyDown(QKeyEvent* event) override;
};

extern TF_Zpgl2* F_Zpgl2;
