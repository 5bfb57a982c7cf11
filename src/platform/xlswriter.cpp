#include "platform/xlswriter.h"

#include "platform/compoundfile.h"

#include <QHash>
#include <QSaveFile>
#include <QtEndian>
#include <cmath>
#include <cstring>
#include <map>
#include <vector>

namespace {

constexpr int kMaxRecordData = 8224;
constexpr quint16 kCellXf = 15;  // the default cell format

// Little-endian byte builder for record data.
struct Bytes {
    QByteArray b;
    Bytes& u8(quint8 v) { b.append(char(v)); return *this; }
    Bytes& u16(quint16 v) { char p[2]; qToLittleEndian(v, p); b.append(p, 2); return *this; }
    Bytes& u32(quint32 v) { char p[4]; qToLittleEndian(v, p); b.append(p, 4); return *this; }
    Bytes& f64(double v)
    {
        quint64 bits;
        std::memcpy(&bits, &v, 8);
        char p[8];
        qToLittleEndian(bits, p);
        b.append(p, 8);
        return *this;
    }
    Bytes& zeros(int n) { b.append(QByteArray(n, '\0')); return *this; }
    // Characters of an Excel unicode string: one byte each when every character fits, else UTF-16.
    Bytes& chars(const QString& s, bool wide)
    {
        for (QChar c : s) {
            if (wide)
                u16(c.unicode());
            else
                u8(quint8(c.unicode()));
        }
        return *this;
    }
};

bool isWide(const QString& s)
{
    for (QChar c : s)
        if (c.unicode() > 0xFF)
            return true;
    return false;
}

void record(QByteArray& out, quint16 type, const QByteArray& data = QByteArray())
{
    Bytes h;
    h.u16(type).u16(quint16(data.size()));
    out.append(h.b).append(data);
}

void record(QByteArray& out, quint16 type, const Bytes& data) { record(out, type, data.b); }

// A record holding one 16-bit value.
void record16(QByteArray& out, quint16 type, quint16 value) { record(out, type, Bytes().u16(value)); }

// Short unicode string with a one-byte length (sheet and font names).
Bytes shortString(const QString& s)
{
    const bool wide = isWide(s);
    Bytes b;
    b.u8(quint8(s.size())).u8(wide ? 1 : 0).chars(s, wide);
    return b;
}

Bytes bof(quint16 kind)
{
    Bytes b;
    b.u16(0x0600).u16(kind).u16(0x0DBB).u16(0x07CC).u32(0x00000041).u32(0x00000006);
    return b;
}

struct Cell {
    bool isText = false;
    double number = 0;
    QString text;
};

class SheetImpl : public XlsSheet {
public:
    explicit SheetImpl(QString name) : m_name(std::move(name)) {}

    void setText(int row, int col, const QString& text) override
    {
        if (text.isEmpty()) {  // an empty text is an empty cell, as Excel writes it
            cells.erase(key(row, col));
            return;
        }
        Cell& c = cells[key(row, col)];
        c.isText = true;
        c.text = text.left(MaxTextLength);
    }
    void setNumber(int row, int col, double value) override
    {
        if (!std::isfinite(value)) {
            setText(row, col, QStringLiteral("#NUM!"));
            return;
        }
        Cell& c = cells[key(row, col)];
        c.isText = false;
        c.number = value;
        c.text.clear();
    }
    QString name() const override { return m_name; }

    // Cells by (row << 8 | column): rows in order, and columns in order inside a row.
    std::map<quint32, Cell> cells;

private:
    static quint32 key(int row, int col)
    {
        if (row < 0 || row >= MaxRows || col < 0 || col >= MaxColumns)
            throw std::runtime_error(QStringLiteral("单元格超出Excel工作表的范围（第%1行，第%2列）")
                                         .arg(row + 1)
                                         .arg(col + 1)
                                         .toStdString());
        return quint32(row) << 8 | quint32(col);
    }
    QString m_name;
};

// The shared string table of the workbook.
struct StringTable {
    QVector<QString> strings;
    QHash<QString, quint32> index;
    quint32 references = 0;

    quint32 add(const QString& s)
    {
        ++references;
        auto it = index.constFind(s);
        if (it != index.constEnd())
            return *it;
        const quint32 i = quint32(strings.size());
        strings.append(s);
        index.insert(s, i);
        return i;
    }

    // Appends SST (with CONTINUE records as needed) and EXTSST to `out`.
    void write(QByteArray& out) const
    {
        const int bucket = std::max(8, int((strings.size() + 127) / 128));
        std::vector<Bytes> recs(1);
        recs[0].u32(references).u32(quint32(strings.size()));
        struct Mark { size_t rec; int offset; };
        std::vector<Mark> marks;
        auto space = [&] { return kMaxRecordData - int(recs.back().b.size()); };

        for (int i = 0; i < strings.size(); ++i) {
            const QString& s = strings.at(i);
            const bool wide = isWide(s);
            const int charSize = wide ? 2 : 1;
            // The length and flags never split from the string's first character.
            if (space() < 3 + (s.isEmpty() ? 0 : charSize))
                recs.emplace_back();
            if (i % bucket == 0)
                marks.push_back({recs.size() - 1, int(recs.back().b.size())});
            recs.back().u16(quint16(s.size())).u8(wide ? 1 : 0);
            int pos = 0;
            while (pos < s.size()) {
                const int n = std::min<int>(s.size() - pos, space() / charSize);
                if (n == 0) {
                    recs.emplace_back();
                    recs.back().u8(wide ? 1 : 0);  // a continued string repeats its flags
                    continue;
                }
                recs.back().chars(s.mid(pos, n), wide);
                pos += n;
            }
        }

        std::vector<qint64> recStart;
        for (size_t r = 0; r < recs.size(); ++r) {
            recStart.push_back(out.size());
            record(out, r == 0 ? 0x00FC : 0x003C, recs[r]);
        }
        Bytes ext;
        ext.u16(quint16(bucket));
        for (const Mark& m : marks)
            ext.u32(quint32(recStart[m.rec] + 4 + m.offset)).u16(quint16(4 + m.offset)).u16(0);
        record(out, 0x00FF, ext);
    }
};

// Sheet names: at most 31 characters, none of : \ / ? * [ ], unique without regard to case.
QString sheetName(QString name, int number, const QVector<SheetImpl*>& sheets)
{
    for (QChar& c : name)
        if (QStringLiteral(":\\/?*[]").contains(c))
            c = u'_';
    if (name.trimmed().isEmpty())
        name = QStringLiteral("Sheet%1").arg(number);
    name.truncate(31);
    auto taken = [&](const QString& n) {
        for (const SheetImpl* s : sheets)
            if (s->name().compare(n, Qt::CaseInsensitive) == 0)
                return true;
        return false;
    };
    QString unique = name;
    for (int k = 2; taken(unique); ++k) {
        const QString suffix = QStringLiteral(" (%1)").arg(k);
        unique = name.left(31 - suffix.size()) + suffix;
    }
    return unique;
}

QByteArray sheetStream(const SheetImpl& sheet, StringTable& sst, bool first)
{
    QByteArray out;
    record(out, 0x0809, bof(0x0010));
    record16(out, 0x000D, 1);       // CALCMODE: automatic
    record16(out, 0x000C, 100);     // CALCCOUNT
    record16(out, 0x000F, 1);       // REFMODE: A1
    record16(out, 0x0011, 0);       // ITERATION
    record(out, 0x0010, Bytes().f64(0.001));  // DELTA
    record16(out, 0x005F, 1);       // SAVERECALC
    record16(out, 0x002A, 0);       // PRINTHEADERS
    record16(out, 0x002B, 0);       // PRINTGRIDLINES
    record16(out, 0x0082, 1);       // GRIDSET
    record(out, 0x0080, Bytes().zeros(8));  // GUTS
    record(out, 0x0225, Bytes().u16(0).u16(0x00FF));  // DEFAULTROWHEIGHT
    record16(out, 0x0081, 0x04C1);  // WSBOOL
    record16(out, 0x0055, 8);       // DEFCOLWIDTH

    // DIMENSIONS: first used row, last used row + 1, first used column, last used column + 1.
    quint32 rowMin = 0, rowMax = 0;
    quint16 colMin = 0, colMax = 0;
    if (!sheet.cells.empty()) {
        rowMin = sheet.cells.begin()->first >> 8;
        rowMax = (sheet.cells.rbegin()->first >> 8) + 1;
        colMin = 0xFF;
        for (const auto& [key, cell] : sheet.cells) {
            colMin = std::min<quint16>(colMin, key & 0xFF);
            colMax = std::max<quint16>(colMax, (key & 0xFF) + 1);
        }
    }
    record(out, 0x0200, Bytes().u32(rowMin).u32(rowMax).u16(colMin).u16(colMax).u16(0));

    // Rows in blocks of 32: the block's ROW records, then its cells.
    auto it = sheet.cells.begin();
    while (it != sheet.cells.end()) {
        const quint32 block = (it->first >> 8) / 32;
        auto end = it;
        while (end != sheet.cells.end() && (end->first >> 8) / 32 == block)
            ++end;
        for (auto r = it; r != end;) {
            const quint32 row = r->first >> 8;
            const quint16 first = r->first & 0xFF;
            quint16 last = first;
            for (; r != end && (r->first >> 8) == row; ++r)
                last = r->first & 0xFF;
            Bytes rec;
            rec.u16(quint16(row)).u16(first).u16(last + 1).u16(0x00FF).u16(0).u16(0)
                .u32(0x00000100 | quint32(kCellXf) << 16);
            record(out, 0x0208, rec);
        }
        for (auto c = it; c != end; ++c) {
            Bytes rec;
            rec.u16(quint16(c->first >> 8)).u16(quint16(c->first & 0xFF)).u16(kCellXf);
            if (c->second.isText) {
                rec.u32(sst.add(c->second.text));
                record(out, 0x00FD, rec);  // LABELSST
            } else {
                rec.f64(c->second.number);
                record(out, 0x0203, rec);  // NUMBER
            }
        }
        it = end;
    }

    // WINDOW2: grid lines, headings, zeros shown; the first sheet selected and shown.
    Bytes w2;
    w2.u16(first ? 0x06B6 : 0x00B6).u16(0).u16(0).u16(64).u16(0).u16(0).u16(0).u32(0);
    record(out, 0x023E, w2);
    record(out, 0x000A);
    return out;
}

QByteArray workbookStream(const QVector<SheetImpl*>& sheets)
{
    StringTable sst;
    std::vector<QByteArray> sheetData;
    for (int i = 0; i < sheets.size(); ++i)
        sheetData.push_back(sheetStream(*sheets.at(i), sst, i == 0));

    QByteArray out;
    record(out, 0x0809, bof(0x0005));
    record16(out, 0x00E1, 0x04B0);  // INTERFACEHDR
    record16(out, 0x00C1, 0);       // MMS
    record(out, 0x00E2);            // INTERFACEEND
    {
        Bytes wa;  // WRITEACCESS: the user name, padded with blanks to 112 bytes
        wa.u16(3).u8(0).chars(QStringLiteral("jxc"), false);
        wa.b.append(QByteArray(112 - wa.b.size(), ' '));
        record(out, 0x005C, wa);
    }
    record16(out, 0x0042, 0x04B0);  // CODEPAGE: UTF-16
    record16(out, 0x0161, 0);       // DSF
    {
        Bytes tab;
        for (int i = 0; i < sheets.size(); ++i)
            tab.u16(quint16(i + 1));
        record(out, 0x013D, tab);   // TABID
    }
    record16(out, 0x009C, 0x000E);  // FNGROUPCOUNT
    record16(out, 0x0019, 0);       // WINDOWPROTECT
    record16(out, 0x0012, 0);       // PROTECT
    record16(out, 0x0013, 0);       // PASSWORD
    record16(out, 0x01AF, 0);       // PROT4REV
    record16(out, 0x01BC, 0);       // PROT4REVPASS
    record16(out, 0x0040, 0);       // BACKUP
    record16(out, 0x008D, 0);       // HIDEOBJ
    {
        Bytes w1;  // WINDOW1
        w1.u16(0x0168).u16(0x001E).u16(0x4000).u16(0x2000).u16(0x0038).u16(0).u16(0).u16(1).u16(0x0258);
        record(out, 0x003D, w1);
    }
    record16(out, 0x0022, 0);       // DATEMODE: 1900
    record16(out, 0x000E, 1);       // PRECISION: as displayed off
    record16(out, 0x01B7, 0);       // REFRESHALL
    record16(out, 0x00DA, 0);       // BOOKBOOL

    // Four fonts (index 4 does not exist in BIFF): 宋体 12 pt, the default of Chinese Excel.
    for (int i = 0; i < 4; ++i) {
        Bytes f;
        f.u16(240).u16(0).u16(0x7FFF).u16(400).u16(0).u8(0).u8(0).u8(134).u8(0);
        f.b.append(shortString(QStringLiteral("宋体")).b);
        record(out, 0x0031, f);
    }
    // Fifteen style formats, then the cell format 15 that every cell uses.
    for (int i = 0; i < 16; ++i) {
        Bytes xf;
        const bool style = i < 15;
        const quint16 font = (i == 1 || i == 2) ? 1 : (i == 3 || i == 4) ? 2 : 0;
        xf.u16(font).u16(0).u16(style ? 0xFFF5 : 0x0001).u8(0x20).u8(0).u8(0)
            .u8(style && i > 0 ? 0xF4 : 0).u32(0).u32(0).u16(0x20C0);
        record(out, 0x00E0, xf);
    }
    record(out, 0x0293, Bytes().u16(0x8000).u8(0).u8(0xFF));  // STYLE: Normal

    std::vector<qint64> sheetOffsetAt;
    for (const SheetImpl* s : sheets) {
        Bytes bs;
        sheetOffsetAt.push_back(out.size() + 4);  // patched once the sheets' positions are known
        bs.u32(0).u8(0).u8(0);
        bs.b.append(shortString(s->name()).b);
        record(out, 0x0085, bs);
    }
    record(out, 0x008C, Bytes().u16(86).u16(86));  // COUNTRY: China
    sst.write(out);
    record(out, 0x000A);

    for (size_t i = 0; i < sheetData.size(); ++i) {
        qToLittleEndian(quint32(out.size()), out.data() + sheetOffsetAt[i]);
        out.append(sheetData[i]);
    }
    return out;
}

}  // namespace

struct XlsWorkbook::Impl {
    QVector<SheetImpl*> sheets;
    ~Impl() { qDeleteAll(sheets); }
};

XlsWorkbook::XlsWorkbook() : d(std::make_unique<Impl>()) {}

XlsWorkbook::~XlsWorkbook() = default;

XlsSheet& XlsWorkbook::addSheet(const QString& name)
{
    auto* sheet = new SheetImpl(sheetName(name, d->sheets.size() + 1, d->sheets));
    d->sheets.append(sheet);
    return *sheet;
}

int XlsWorkbook::sheetCount() const
{
    return d->sheets.size();
}

void XlsWorkbook::save(const QString& path) const
{
    if (d->sheets.isEmpty())
        throw std::runtime_error(QStringLiteral("工作簿中没有工作表，不能保存").toStdString());
    const QByteArray data = buildCompoundFile(QStringLiteral("Workbook"), workbookStream(d->sheets));
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(data) != data.size() || !file.commit())
        throw std::runtime_error(
            QStringLiteral("不能写入文件 %1：%2").arg(path, file.errorString()).toStdString());
}
