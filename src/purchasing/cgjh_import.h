// "采购单据导入": reads the lines of a purchase receipt from an Excel 97 workbook made from the
// template (the sheet named like the file; columns by position: 0 goods code, 1 goods name,
// 5 unit price, 6 quantity), shows every row with its status, and adds the rows that can be
// imported as working lines of the receipt on screen.
#pragma once

#include "platform/form.h"

#include <QString>
#include <QStringList>

class DataGrid;
class QGroupBox;
class QPushButton;

// The headings of the template "采购进货单模板.xls", one per sheet column in position order; the
// shipped template's path; and the template written anew at `path`.
QStringList cgjhImportHeadings();
QString cgjhImportTemplatePath();
void writeCgjhImportTemplate(const QString& path);

// What reading a workbook found: its rows, and those that cannot be imported.
struct CgjhImportCount {
    int rows = 0;
    int problems = 0;
};
// Reads the workbook into the scratch goods list (emptied first; rows of `operatorName`),
// one row per sheet row with its status (ts_dzl) and text (ts_note): 0 "可顺利导入"; 1
// "商品名称和编号不一致"; 2 "商品不存在", "单价必须是数字", "数量不能为空", "数量必须是数字",
// "数量不能为零或负数" (the last check that applies wins). Throws DbError when the file is no
// workbook or lacks the sheet; the scratch list is then empty.
CgjhImportCount readCgjhImport(const QString& path);
// Adds the scratch rows of status 0 as working lines of receipt `djh` (no size and colour rows)
// and empties the scratch list, in one Transaction. Returns the number of lines added.
int importCgjhLines(const QString& djh);

class TF_Cgjh_Import : public TF_Form {
    Q_OBJECT
public:
    explicit TF_Cgjh_Import(QWidget* parent = nullptr);

    // The receipt the rows go to (the receipt window's provisional number).
    void setNumber(const QString& djh) { m_number = djh; }

    void btnOpenClick();    // "打开文件(F2)"
    void btnNextClick();    // "下一步(&N)"
    void btnPrevClick();    // "上一步(&P)"
    void btnImportClick();  // "导入(F5)"

    QGroupBox* step1 = nullptr;
    QGroupBox* step2 = nullptr;
    QPushButton* btnOpen = nullptr;
    QPushButton* btnNext = nullptr;
    QPushButton* btnPrev = nullptr;
    QPushButton* btnImport = nullptr;
    DataGrid* DBGridImport = nullptr;

protected:
    void FormActivate() override;
    bool FormKeyDown(QKeyEvent* event) override;
    void FormClose() override;

private:
    void reset();

    QString m_number;
    CgjhImportCount m_count;
};

extern TF_Cgjh_Import* F_Cgjh_Import;
