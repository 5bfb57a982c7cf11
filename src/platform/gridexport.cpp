// The grid's export to Excel workbooks (kept apart from the grid so that only programs that
// export link the workbook writer).
#include "platform/datagrid.h"
#include "platform/msgbox.h"
#include "platform/xlswriter.h"

#include <QFileInfo>

void DataGrid::exportXls(const QString& path, bool allRows) const
{
    const QList<QVariantList> cells = exportCells(allRows);
    XlsWorkbook book;
    XlsSheet& sheet = book.addSheet(QFileInfo(path).completeBaseName());
    for (int r = 0; r < cells.size(); ++r) {
        for (int c = 0; c < cells.at(r).size(); ++c) {
            const QVariant& v = cells.at(r).at(c);
            if (v.typeId() == QMetaType::Double)
                sheet.setNumber(r, c, v.toDouble());
            else if (!v.toString().isEmpty())
                sheet.setText(r, c, v.toString());
        }
    }
    book.save(path);
}

bool DataGrid::exportWithDialog()
{
    QString path = saveFileDialog(QStringLiteral("(*.xls)|*.xls"), QString(), this);
    if (path.isEmpty())
        return false;
    if (!path.endsWith(QLatin1String(".xls"), Qt::CaseInsensitive))
        path += QLatin1String(".xls");
    exportXls(path);
    return true;
}
