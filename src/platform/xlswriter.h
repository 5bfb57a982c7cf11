// Excel 97 (BIFF8) workbooks written by the program: grid exports and the branch export.
#pragma once

#include <QString>
#include <memory>
#include <stdexcept>

class XlsSheet {
public:
    virtual ~XlsSheet() = default;
    virtual void setText(int row, int col, const QString& text) = 0;
    virtual void setNumber(int row, int col, double value) = 0;
    virtual QString name() const = 0;
};

class XlsWorkbook {
public:
    XlsWorkbook();
    ~XlsWorkbook();
    XlsWorkbook(const XlsWorkbook&) = delete;
    XlsWorkbook& operator=(const XlsWorkbook&) = delete;

    // Adds a sheet; names are cut to Excel's 31 characters and made unique.
    XlsSheet& addSheet(const QString& name);
    int sheetCount() const;
    // Writes the workbook; throws std::runtime_error with a readable message on failure.
    void save(const QString& path) const;

private:
    struct Impl;
    std::unique_ptr<Impl> d;
};
