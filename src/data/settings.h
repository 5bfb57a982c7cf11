// Settings in memory, the rights check, the operation log and the shared partner lists.
//
// loadSysParams copies the company row, the system settings row, the backup row and the
// points settings row into the globals below, each as the text its column reads ("True" /
// "False" for yes/no columns, "" for an empty table). Windows read settings from here; the
// windows that save settings call loadSysParams again.
#pragma once

#include <QString>

extern QString supportUrl;  // the support web address (fixed)

// jxc_company
extern QString companyName;       // c_name, printed on bills
extern QString companyTele;       // c_tele
extern QString companyAddress;    // c_address
extern QString companyShortName;  // c_jc: main window title, prints

// jxc_xtcs
extern QString csCgdj;          // price offered on purchases: "0" 平均进价, "1" 最近进价, "2" 预设进价
extern QString csXsdj;          // price offered on sales: "0" 预设售价及折扣, "1" 该客户上次售价及折扣
extern QString csXgdj;          // 销售时允许修改销售单价
extern QString csKc;            // 库存为零时允许采购退货、销售
extern QString csYsdh;          // 采购进货或销售时有原始单号
extern QString csSpbh;          // 增加商品基本信息时商品自动编号
extern QString csCt;            // 采购退货时只能退该供货商供应的商品
extern QString csXt;            // 销售退货时只能退向该客户销售过的商品
extern QString csShdj;
extern QString csXjyh;          // 启用现金银行功能
extern QString csCbjs;          // "1": goods without stock cannot be picked for sale or return
extern QString csPosdj;         // POS前端允许修改单价和折扣
extern QString csDjzddy;        // print a posted bill after saving
extern QString csDjzddysl;      // number of copies of that print
extern QString csTmzdsc;        // create the goods barcode automatically
extern QString csTmscff;        // how: "0" from the goods code, "1" from category id and goods code
extern QString csTjcyjf;        // 特价商品参与积分
extern QString csPosfkws;       // POS端结账小数位数
extern QString csPoshooktoday;  // POS前端仅保存当天挂单信息
extern QString csBarcode;
extern QString csBarunique;
extern QString csZerocost;
extern QString csPosrq;

// jxc_backup (no row until the backup settings are first saved)
extern int backSj;         // hours between automatic backups; 0 without a row
extern QString backAuto;   // "1" when automatic backup is on ("True" is stored as "1")
extern QString backExit;   // "1" when a backup is made at the end of the program

// jxc_jfsz: member points
extern QString jfJfgz;     // "0" points on top-up, "1" points on purchase
extern QString jfMfje;     // yuan per point; 0 = none
extern QString jfDjjf;
extern QString jfJsrjf;    // member points for which the introducer earns one point
extern QString jfJsrjl;    // one-time reward points per member introduced
extern QString jfDbjf;     // points multiple in the multiple-points period
extern QString jfDbrq1;    // start of that period
extern QString jfDbrq2;    // end of that period
extern QString jfYelj;     // carry over what is left of a points calculation
extern QString jfHysk;     // members may only pay by card
extern QString jfQchy;     // clear the member details after the purchase
extern QString jfXgxf;     // the total may be changed in a member sale
extern QString jfIck;      // IC card reader on
extern QString jfIcktype;  // "0" contact, "1" contactless

// Reads every settings row into the globals above. A missing table throws DbError.
void loadSysParams();

// A yes/no setting as the windows test it: off when it reads "0" or "False".
bool settingOn(const QString& value);

// True when the character at `position` (from 1) of the logged-in role's rights column
// (cggl, xsgl, kcgl, wlzk, tjgl, rcgl, qtcz) is "1". An unknown role or column, or a
// position beyond the stored text, is refused.
bool checkRight(const QString& column, int position);

// Appends one line to the operation log: the time now, operatorName and the note.
void writeLog(const QString& note);

// Re-open the shared lists of suppliers (Q_Ghsxx) and customers (Q_Khxx) that are not
// disabled, with their design statements.
void openGhsList();
void openKhList();
