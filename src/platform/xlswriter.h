// Excel 97 (BIFF8) workbooks written by the program: grid exports and the branch export.
#pragma once

#include <QString>
#include <memory>
#include <stdexcept>

class XlsSheet {
public:
    // Excel 97's limits: rows 0..65535, columns 0..255, 32767 characters in a cell.
    static constexpr int MaxRows = 65536;
    static constexpr int MaxColumns = 256;
    static constexpr int MaxTextLength = 32767;

    virtual ~XlsSheet() = default;
    // A cell outside the limits throws std::runtime_error; a longer text is cut to the limit.
    // Setting a cell again replaces it; an empty text leaves the cell empty.
    virtual void setText(int row, int col, const QString& text) = 0;
    // A value that is not finite is written as the text "#NUM!".
    virtual void setNumber(int row, int col, double value) = 0;
    virtual QString name() const = 0;
};

class XlsWorkbook {
public:
    XlsWorkbook();
    ~XlsWorkbook();
    XlsWorkbook(const XlsWorkbook&) = delete;
    XlsWorkbook& operator=(const XlsWorkbook&) = delete;

    // Adds a sheet; names are cut to Excel's 31 characters and made unique. Characters Excel
    // refuses in a sheet name (: \ / ? * [ ]) become "_"; an empty name becomes "Sheet<n>".
    XlsSheet& addSheet(const QString& name);
    int sheetCount() const;
    // Writes the workbook; throws std::runtime_error with a readable message on failure
    // (no sheet, the file cannot be written).
    void save(const QString& path) const;

private:
    struct Impl;
    std::unique_ptr<Impl> d;
};
