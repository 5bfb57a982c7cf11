// "POS终端": the till. The cashier scans or types goods, picks size and colour, corrects lines,
// chooses the member, holds and resumes, locks the screen and hands the sale to the payment.
// The sale's lines are working lines under its number from the moment they are picked.
#pragma once

#include "platform/form.h"
#include "pos/tilllines.h"

#include <QHash>

class CodeComboBox;
class DataGrid;
class NamedQuery;
class QFrame;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QStackedWidget;
class QTableWidget;

class TF_Posxs : public TF_Form {
    Q_OBJECT
public:
    explicit TF_Posxs(QWidget* parent = nullptr);

    // ---- Sale ------------------------------------------------------------------------------
    void setInitValue(const QString& number);
    void setFilterGoods(const QString& key);
    void selectGoods();
    void updateBottomHjje();
    void updateBottomJe();
    void delCurrRec();
    void delAllRec();
    void posYxsp();
    void posXgdj();
    void btnSaveClick();  // quantity panel
    void btnOKClick();    // price panel
    void posHy();
    void posFk();
    void posGD();
    void posJG();
    void suoJi();
    void loadKey();
    void refreshKeyHelp();
    void hideMemberPanel();
    void openLines();

    // What the dialogs read and write.
    QString number() const { return m_number; }
    QString totalText() const;
    QString warehouseCode() const;
    QString staffCode() const;
    TillMember member() const { return m_member; }
    QString memberBalance() const;
    void setMemberPanel(const TillMemberChoice& choice);
    void clearMemberPanel();
    int lineCount() const;
    bool memberFaceShown() const;
    bool bottomShown() const;
    bool quantityPanelOpen() const;
    bool pricePanelOpen() const;

    // Controls (object names as the fields).
    QLabel* lblCompany = nullptr;
    QLabel* lblDjh = nullptr;
    QLabel* lblSyy = nullptr;
    CodeComboBox* cbxYg = nullptr;
    CodeComboBox* cbxCk = nullptr;
    DataGrid* gridLines = nullptr;
    NamedQuery* qLines = nullptr;
    QTableWidget* gridGoods = nullptr;
    QLineEdit* edtSearch = nullptr;
    QLabel* lblHjsl = nullptr;
    QLabel* lblHjje = nullptr;
    QPushButton* btnHide = nullptr;
    QPushButton* btnShow = nullptr;
    QPushButton* btnMenu = nullptr;
    QMenu* menuTill = nullptr;
    QFrame* panelBottom = nullptr;
    QStackedWidget* bottomFaces = nullptr;
    QList<QLabel*> keyLabels;
    QLabel* lblHyBh = nullptr;
    QLabel* lblHyName = nullptr;
    QLabel* lblHyJb = nullptr;
    QLabel* lblHyZk = nullptr;
    QLabel* lblHyJf = nullptr;
    QLabel* lblHyYe = nullptr;
    QPushButton* btnHideHy = nullptr;
    QLabel* lblProduct = nullptr;
    QLabel* lblStatus = nullptr;
    QLabel* lblClock = nullptr;
    // Quantity panel and price panel.
    QFrame* panelSl = nullptr;
    QLabel* lblSlName = nullptr;
    QLineEdit* edtSlDj = nullptr;
    QLineEdit* edtSlZk = nullptr;
    QLabel* lblSlYsl = nullptr;
    QLineEdit* edtSlXsl = nullptr;
    QPushButton* btnSlOk = nullptr;
    QPushButton* btnSlExit = nullptr;
    QFrame* panelDj = nullptr;
    QLabel* lblDjName = nullptr;
    QLineEdit* edtDjDj = nullptr;
    QLineEdit* edtDjZk = nullptr;
    QLabel* lblDjYsl = nullptr;
    QLineEdit* edtDjXsl = nullptr;
    QPushButton* btnDjOk = nullptr;
    QPushButton* btnDjExit = nullptr;

protected:
    void FormActivate() override;
    bool FormKeyDown(QKeyEvent* event) override;
    bool FormCloseQuery() override;
    void FormClose() override;

private:
    void showFace(bool memberFace);
    void fillPanel(QLabel* name, QLineEdit* price, QLineEdit* rate, QLabel* oldQty, QLineEdit* newQty);
    void confirmPanel(QFrame* panel, QLineEdit* price, QLineEdit* rate, QLineEdit* newQty);
    void closePanels();
    void setFont(int size);
    void runMenu(const QString& item);
    bool searchBoxKey(QKeyEvent* event);

    QString m_number;
    TillMember m_member;
    QHash<QString, int> m_keys;
    bool m_bottomHidden = false;
    bool m_paid = false;  // the payment posted during the close prompt's "是"
};

extern TF_Posxs* F_Posxs;
