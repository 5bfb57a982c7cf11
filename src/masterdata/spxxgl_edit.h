// The layout and behaviour that the goods add dialog "增加商品" and the goods modify dialog
// "修改商品" share: the goods fields, the category panel with its own category tree, and the
// buttons that open the group, unit, brand, named-price and photo windows. TF_SpxxglNew adds
// what every dialog that creates goods shares (the catalogue's and the bills' "增加商品").
#pragma once

#include "masterdata/goods.h"
#include "platform/form.h"

class CategoryTree;
class CodeComboBox;
class QComboBox;
class QLineEdit;
class QMenu;
class QPushButton;
class QAction;
class QGridLayout;
class QHBoxLayout;
class QWidget;

class TF_SpxxglEdit : public TF_Form {
    Q_OBJECT
public:
    // The goods fields.
    QLineEdit* tgc_name = nullptr;  // "所属类别：" (read-only, filled from the category panel)
    QPushButton* btnGc = nullptr;   // shows the category panel
    QLineEdit* tg_sn = nullptr;
    QLineEdit* tg_name = nullptr;
    QLineEdit* tg_sptm = nullptr;
    QComboBox* ComTmtype = nullptr;  // "商品条码+颜色+尺码" (1), "商品条码+尺码+颜色" (2)
    QComboBox* ComDw = nullptr;      // "增加新单位..." then the units
    QLineEdit* tgg_name = nullptr;
    CodeComboBox* ComColorz = nullptr;
    QPushButton* btnColorz = nullptr;
    CodeComboBox* ComCmz = nullptr;
    QPushButton* btnCmz = nullptr;
    QComboBox* ComPpcs = nullptr;
    QPushButton* btnPpcs = nullptr;
    QLineEdit* g_jj = nullptr;
    QLineEdit* g_sj = nullptr;
    QPushButton* btnPrice = nullptr;  // the named prices
    QLineEdit* tg_zdkc = nullptr;
    QLineEdit* tg_bz = nullptr;
    QLineEdit* tpic = nullptr;
    QPushButton* btnPic = nullptr;  // "操作": the goods photo
    QPushButton* btnSave = nullptr;
    QPushButton* btnExit = nullptr;

    // The category panel.
    QWidget* PanelClass = nullptr;
    CategoryTree* tvClass = nullptr;
    QPushButton* btnClassOp = nullptr;
    QPushButton* btnClassOK = nullptr;
    QPushButton* btnClassExit = nullptr;
    QMenu* PopupClass = nullptr;
    QAction* N_Create = nullptr;
    QAction* N_Rename = nullptr;
    QAction* N_Delete = nullptr;

    // The text of the unit list's action entry.
    static QString newUnitText();
    // A money box: two decimals, at most nine characters, never left empty.
    static QLineEdit* moneyEdit(QWidget* parent, const char* name);

    virtual void btnSaveClick() = 0;
    virtual void btnGcClick();
    // "确认" and a double click in the panel.
    void btnClassOKClick();
    void btnColorzClick();
    void btnCmzClick();
    void btnPpcsClick();
    virtual void btnPriceClick();
    virtual void btnPicClick();
    // Choosing "增加新单位..." in the unit list opens the unit window.
    void ComDwChange();
    // Derives the barcode from the code when automatic barcodes are on.
    void setTm();

    void N_CreateClick();
    void N_RenameClick();
    void N_DeleteClick();

    // The fields as the goods save takes them.
    GoodsFields fields() const;

protected:
    explicit TF_SpxxglEdit(const QString& objectName, const QString& caption, const QString& callerWord,
                           QWidget* parent = nullptr);

    // Refills the unit, group and brand lists and selects their first entries.
    void fillLists();
    // Shows the category panel's tree on Q_GoodsClass and chooses its second node.
    void openClassTree();
    void showClassPanel(bool show);
    // The category chosen in the panel was confirmed (not the root).
    virtual void categoryConfirmed() {}
    // Reloads the goods list's query with the enabled goods.
    static void reloadGoodsList();
    // Closes the panel's category query and reopens the goods list's tree query.
    void closeClassQueries();
    // Opens the named prices with this dialog's caller word.
    void openPrices();

    QGridLayout* m_fields = nullptr;  // the field grid, for the add dialog's extras
    QHBoxLayout* m_body = nullptr;    // fields, panel, and the add dialog's list
    QString m_callerWord;
    QString m_gcCid;       // the confirmed category
    QString m_gcSn;
    QString m_clickedCid;  // the category last clicked in the panel (barcode method "1")

private:
    void classMenuAboutToShow();
    int m_unitIndex = -1;  // the unit chosen before "增加新单位..."
};

// A dialog that creates goods: each opening starts from empty fields with the category of the
// last opening kept while it exists; a confirmed category draws the next goods code when
// automatic codes are on; the named prices need a code.
class TF_SpxxglNew : public TF_SpxxglEdit {
    Q_OBJECT
public:
    void btnPriceClick() override;
    // Empties the fields and refills the lists; the category stays chosen.
    void resetFields();

protected:
    using TF_SpxxglEdit::TF_SpxxglEdit;

    // The opening: hides the panel, sets the caller word, shows the category tree, empties the
    // goods scratch list and resets the fields. False (after "请添加商品类别！") when there
    // is no category at all.
    bool startNewGoods();
    void categoryConfirmed() override;
};
