// The controls and steps the bill windows share: the caller-word pickers, the handler,
// warehouse and money-account combos, the paid box, the money-account panel, the partner's
// account strip, the barcode panel and the partner search panels of suppliers and customers.
// Object names are the window's own (tests drive windows by them), so builders take them.
#pragma once

#include "platform/partnerpanel.h"

#include <QFrame>
#include <QString>
#include <functional>

class CodeComboBox;
class DataGrid;
class QAction;
class QDateEdit;
class QLabel;
class QLineEdit;
class QMenu;
class QToolButton;

// Opens a picker that answers the bill window by its caller word; the word is cleared afterwards.
void openCallerPicker(const QString& callerWord, const QString& windowClass, const QString& name);
void openHandlerPicker(const QString& callerWord);  // "选择经办人"
void openRemarkPicker(const QString& callerWord);   // "单据备注信息设置"
// A change of the handler combo: the "新增经办人....." item clears the choice and opens the picker.
void handlerComboChanged(CodeComboBox* combo, const QString& callerWord);

// The handler combo: the staff that `where` selects, then "新增经办人.....", the first selected.
void fillHandlerCombo(CodeComboBox* combo, const QString& where);
// The warehouse combo with the default warehouse selected, enabled.
void fillWarehouseCombo(CodeComboBox* combo);

// A menu entry with an object name; its action runs guarded.
QAction* addMenuItem(QMenu* menu, const QString& text, const char* objectName, QObject* context,
                     std::function<void()> fn);
// The bill date box "dateCg".
QDateEdit* billDateBox();
// The paid or received amount: at most two decimals, never left empty or half a number.
QLineEdit* billMoneyBox(const char* objectName);
// The print button with its menu "打印单据(&W)" / "预览单据(&X)".
QToolButton* printMenuButton(const char* objectName, QObject* context, std::function<void()> print,
                             std::function<void()> preview);
// The grid's context menu.
void setGridMenu(DataGrid* grid, QMenu* menu);
// The red "单号" caption.
QLabel* numberCaption();
// Opens a partner query window for the partner named `partner` (callerFlag and detailTable
// set for the call, and modeFlag when `mode` is given).
void openPartnerQuery(const QString& windowClass, const QString& caller, const QString& partner,
                      const QString& name, const QString* mode = nullptr);

// The search panel of suppliers; `full` adds the recent suppliers and the add commands.
PartnerPanel::Config supplierPanelConfig(bool full);
// The search panel of customers.
PartnerPanel::Config customerPanelConfig();
// The tooltip of the partner boxes.
extern const QString kPartnerHint;

// The money-account panel shown under the paid box: "同时选择付款账户：" and a close button
// "btnYhzhClose".
class AccountPanel : public QFrame {
public:
    AccountPanel(const char* objectName, const QString& caption);
    CodeComboBox* combo() const { return m_combo; }

private:
    CodeComboBox* m_combo;
};

// The strip of the partner's account (due, paid, owed) with the "详细信息" button and its menu.
class PartnerAccountStrip : public QFrame {
public:
    struct Captions {
        QString title;  // "供货商账目"
        QString due;    // "应付金额："
        QString paid;
        QString owed;
    };
    PartnerAccountStrip(const char* objectName, const Captions& captions);
    QMenu* menu() const { return m_menu; }
    // Shows the account of `code` read by `summary` (getGhsZw, getKhZw), or hides the strip for
    // the default partner.
    void showPartner(const QString& code, const QString& defaultCode, void (*summary)(const QString&));

private:
    QLabel* m_due;
    QLabel* m_paid;
    QLabel* m_owed;
    QMenu* m_menu;
};

// The barcode panel: the barcode box "tSptm", a menu button (hide, and "添加完商品后打开修改窗口"
// bound to `openAfter`, which lasts while the program runs) and a close button.
class BarcodePanel : public QFrame {
public:
    struct Names {
        const char* panel;
        const char* close;
        const char* menuButton;
        const char* hide;
    };
    BarcodePanel(const Names& names, bool& openAfter, std::function<void()> entered);
    QLineEdit* box() const { return m_box; }
    bool openAfter() const { return m_openAfter; }
    // Shows the panel with the focus in the box, or hides it.
    void showPanel(bool on);

private:
    QLineEdit* m_box;
    bool& m_openAfter;
};
