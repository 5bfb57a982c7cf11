#include "platform/xlsreader.h"

#include "platform/numbertext.h"
#include "platform/xlsguard.h"

#include <QFile>
#include <freexl.h>

namespace {

// An open workbook, closed when it goes out of scope.
class Workbook {
public:
    explicit Workbook(const QString& path)
    {
        QFile file(path);
        if (file.open(QIODevice::ReadOnly) && sharedStringsOverrunFreeXl(workbookStream(file.readAll())))
            throw DbError(QStringLiteral("Excel文件中有过长的文本（一个单元格超过4000个汉字），不能读取：%1").arg(path));
        if (freexl_open(QFile::encodeName(path).constData(), &m_handle) != FREEXL_OK) {
            close();
            throw DbError(QStringLiteral("不能打开Excel文件，文件不存在或不是Excel 97-2003工作簿：%1").arg(path));
        }
        unsigned int password = 0;
        if (freexl_get_info(m_handle, FREEXL_BIFF_PASSWORD, &password) == FREEXL_OK
            && password == FREEXL_BIFF_OBFUSCATED) {
            close();
            throw DbError(QStringLiteral("Excel文件有密码保护，不能读取：%1").arg(path));
        }
    }
    ~Workbook() { close(); }
    Workbook(const Workbook&) = delete;
    Workbook& operator=(const Workbook&) = delete;

    const void* handle() const { return m_handle; }

    QStringList sheetNames() const
    {
        QStringList names;
        unsigned int count = 0;
        if (freexl_get_info(m_handle, FREEXL_BIFF_SHEET_COUNT, &count) != FREEXL_OK)
            return names;
        for (unsigned int i = 0; i < count; ++i) {
            const char* name = nullptr;
            names.append(freexl_get_worksheet_name(m_handle, quint16(i), &name) == FREEXL_OK && name
                             ? QString::fromUtf8(name)
                             : QString());
        }
        return names;
    }

private:
    void close()
    {
        if (m_handle)
            freexl_close(m_handle);
        m_handle = nullptr;
    }
    const void* m_handle = nullptr;
};

QString cellText(const void* handle, unsigned int row, unsigned short col)
{
    FreeXL_CellValue v;
    if (freexl_get_cell_value(handle, row, col, &v) != FREEXL_OK)
        return QString();
    switch (v.type) {
    case FREEXL_CELL_INT:
        return QString::number(v.value.int_value);
    case FREEXL_CELL_DOUBLE:
        return plainNumberText(v.value.double_value);
    case FREEXL_CELL_TEXT:
    case FREEXL_CELL_SST_TEXT:
    case FREEXL_CELL_DATE:
    case FREEXL_CELL_DATETIME:
    case FREEXL_CELL_TIME:
        return v.value.text_value ? QString::fromUtf8(v.value.text_value) : QString();
    default:
        return QString();
    }
}

}  // namespace

QStringList workbookSheetNames(const QString& path)
{
    return Workbook(path).sheetNames();
}

ResultSet readWorkbookSheet(const QString& path, const QString& sheet)
{
    Workbook book(path);
    const QStringList names = book.sheetNames();
    int index = -1;
    for (int i = 0; i < names.size() && index < 0; ++i)
        if (names.at(i).compare(sheet, Qt::CaseInsensitive) == 0)
            index = i;
    if (index < 0 || freexl_select_active_worksheet(book.handle(), quint16(index)) != FREEXL_OK)
        throw DbError(QStringLiteral("Excel文件中没有工作表“%1”：%2").arg(sheet, path));

    unsigned int rows = 0;
    unsigned short cols = 0;
    if (freexl_worksheet_dimensions(book.handle(), &rows, &cols) != FREEXL_OK)
        throw DbError(QStringLiteral("不能读取Excel工作表“%1”：%2").arg(sheet, path));

    ResultSet rs;
    QVector<ResultColumn> columns;
    for (unsigned short c = 0; c < cols; ++c) {
        QString heading = rows > 0 ? cellText(book.handle(), 0, c) : QString();
        if (heading.isEmpty())
            heading = QStringLiteral("F%1").arg(c + 1);
        columns.append({heading, ColumnKind::Text});
    }
    rs.setColumns(columns);

    // Rows after the heading row, up to the last one that holds a value.
    std::vector<QStringList> data;
    size_t used = 0;
    for (unsigned int r = 1; r < rows; ++r) {
        QStringList cells;
        bool any = false;
        for (unsigned short c = 0; c < cols; ++c) {
            cells.append(cellText(book.handle(), r, c));
            any = any || !cells.last().isEmpty();
        }
        data.push_back(std::move(cells));
        if (any)
            used = data.size();
    }
    rs.reserveRows(int(used));
    for (size_t r = 0; r < used; ++r)
        rs.appendRow(data[r]);
    return rs;
}
