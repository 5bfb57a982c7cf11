// The wizard window shared by the Excel imports: the mapping panel (open a workbook, map its
// columns to the fields of the table) and the preview panel (tick the records, import them and
// read each row's status). Each import names its table, builds its preview and runs its walk
// (masterdata/importdata.h); the goods import puts its own panels in front.
#pragma once

#include "masterdata/importdata.h"
#include "platform/form.h"

class DataGrid;
class QCheckBox;
class QGroupBox;
class QHBoxLayout;
class QLabel;
class QPushButton;
class QStackedWidget;
class QVBoxLayout;

class ImportWizard : public TF_Form {
    Q_OBJECT
public:
    // `table` is the catalogue's table ("jxc_goods"); `nameCaption` the preview's first column.
    ImportWizard(const QString& table, const QString& nameCaption, QWidget* parent = nullptr);

    QStackedWidget* pages = nullptr;
    QWidget* pageFields = nullptr;
    QGroupBox* grpFields = nullptr;   // "请选择要导入的字段（共n个字段）"
    DataGrid* gridFields = nullptr;   // on Q_Importchk
    QPushButton* btnOpen = nullptr;   // "打开文件"
    QPushButton* btnNext = nullptr;   // "下一步" (builds the preview)
    QPushButton* btnCancel = nullptr;
    QVBoxLayout* fieldsExtras = nullptr;  // room for the import's own controls under the grid
    QHBoxLayout* fieldsButtons = nullptr;

    QWidget* pageData = nullptr;
    QGroupBox* grpData = nullptr;     // "选择要导入的 …资料（共n条记录）"
    DataGrid* gridData = nullptr;     // on Q_ImportData
    QCheckBox* cbAll = nullptr;       // "全选"
    QPushButton* btnPrior = nullptr;  // "上一步"
    QPushButton* btnImport = nullptr; // "导入"
    QPushButton* btnCancel2 = nullptr;
    QVBoxLayout* dataExtras = nullptr;

    // The workbook chosen by "打开文件".
    QString fileName;

    void btnOpenClick();
    void btnNextClick();
    void cbAllClick();
    void btnImportClick();
    // Opens the shipped template workbook of the table.
    void openTemplate();

protected:
    // The preview of the import's table: the number of rows, -1 when the workbook is unreadable.
    virtual int buildPreview(bool tick) = 0;
    virtual ImportRun runImport() = 0;
    // Caption of the preview group with the count, e.g. "选择要导入的 商品资料（共".
    virtual QString previewCaption() const = 0;
    // After an import: the list the window was opened from shows the new rows.
    virtual void refreshList() = 0;

    void showFieldsPage();
    // The link "软件提供的Excel模板" that opens the template.
    QLabel* makeTemplateLink(QWidget* parent);
    void FormClose() override;

    QString m_table;
};
