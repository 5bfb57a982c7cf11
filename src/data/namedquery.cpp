#include "data/namedquery.h"

#include "data/datamodule.h"

NamedQuery::NamedQuery(const QString& name, const QString& designSql, Source source, QObject* parent)
    : QObject(parent), m_designSql(designSql), m_sql(designSql), m_source(source)
{
    setObjectName(name);
}

void NamedQuery::setSql(const QString& sql)
{
    close();
    m_sql = sql;
}

void NamedQuery::open()
{
    ResultSet rs;
    try {
        rs = m_source == Source::Excel ? readWorkbookQuery(DataModule ? DataModule->excelPath : QString(), m_sql)
                                       : mainDb().query(m_sql);
    } catch (...) {
        close();
        throw;
    }
    m_result = std::move(rs);
    m_open = true;
    m_row = m_result.isEmpty() ? -1 : 0;
    emit resultChanged();
    emit currentRowChanged(m_row);
}

void NamedQuery::open(const QString& sql)
{
    m_sql = sql;
    open();
}

void NamedQuery::refresh()
{
    const int keep = m_row;
    open();
    if (keep >= 0 && keep < rowCount())
        setCurrentRow(keep);
}

void NamedQuery::close()
{
    if (!m_open && m_result.columnCount() == 0)
        return;
    m_open = false;
    m_result = ResultSet();
    m_row = -1;
    emit resultChanged();
    emit currentRowChanged(m_row);
}

void NamedQuery::setCurrentRow(int row)
{
    if (row < -1 || row >= rowCount())
        row = rowCount() > 0 ? qBound(0, row, rowCount() - 1) : -1;
    if (row == m_row)
        return;
    m_row = row;
    emit currentRowChanged(m_row);
}

QString NamedQuery::fieldByName(const QString& field) const
{
    return m_row < 0 ? QString() : m_result.text(m_row, field);
}

bool NamedQuery::locate(const QString& field, const QString& value)
{
    const int col = m_result.columnIndex(field);
    if (col < 0)
        return false;
    for (int r = 0; r < rowCount(); ++r) {
        if (m_result.text(r, col) == value) {
            setCurrentRow(r);
            return true;
        }
    }
    return false;
}

void NamedQuery::setLoadedValue(int row, const QString& field, const QString& value)
{
    const int col = m_result.columnIndex(field);
    if (col < 0 || row < 0 || row >= rowCount())
        return;
    m_result.setText(row, col, value);
    emit cellChanged(row, col);
}
