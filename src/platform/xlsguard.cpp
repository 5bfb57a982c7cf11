#include "platform/xlsguard.h"

#include <QString>
#include <QtEndian>
#include <cstring>
#include <vector>

namespace {

quint16 rd16(const char* p) { return qFromLittleEndian<quint16>(p); }
quint32 rd32(const char* p) { return qFromLittleEndian<quint32>(p); }

constexpr quint32 kLastSectorId = 0xFFFFFFFA;  // ids above are markers (free, end of chain, ...)

}  // namespace

QByteArray workbookStream(const QByteArray& file)
{
    static const unsigned char signature[8] = {0xD0, 0xCF, 0x11, 0xE0, 0xA1, 0xB1, 0x1A, 0xE1};
    if (file.size() < 512 || std::memcmp(file.constData(), signature, 8) != 0)
        return {};
    const char* header = file.constData();
    const int shift = rd16(header + 30);
    if (shift != 9 && shift != 12)
        return {};
    const qint64 sectorSize = qint64(1) << shift;
    const int idsPerSector = int(sectorSize / 4);
    auto sector = [&](quint32 id) -> const char* {
        const qint64 at = (qint64(id) + 1) * sectorSize;
        return at + sectorSize <= file.size() ? header + at : nullptr;
    };

    // The FAT: its sectors are listed in the header, then in the DIFAT chain.
    std::vector<quint32> fatSectors;
    for (int i = 0; i < 109; ++i)
        if (const quint32 id = rd32(header + 76 + 4 * i); id <= kLastSectorId)
            fatSectors.push_back(id);
    quint32 difat = rd32(header + 68);
    for (quint32 n = rd32(header + 72); n > 0 && difat <= kLastSectorId; --n) {
        const char* d = sector(difat);
        if (!d || fatSectors.size() > size_t(file.size() / 4))
            return {};
        for (int i = 0; i < idsPerSector - 1; ++i)
            if (const quint32 id = rd32(d + 4 * i); id <= kLastSectorId)
                fatSectors.push_back(id);
        difat = rd32(d + 4 * (idsPerSector - 1));
    }
    std::vector<quint32> fat;
    for (quint32 id : fatSectors) {
        const char* d = sector(id);
        if (!d)
            return {};
        for (int i = 0; i < idsPerSector; ++i)
            fat.push_back(rd32(d + 4 * i));
    }
    // Follows a chain of sectors; a chain that loops or leaves the file ends there.
    auto chain = [&](quint32 id, qint64 bytes) {
        QByteArray out;
        for (size_t steps = 0; id < fat.size() && steps <= fat.size() && out.size() < bytes; ++steps) {
            const char* d = sector(id);
            if (!d)
                break;
            out.append(d, sectorSize);
            id = fat[id];
        }
        return out.left(bytes);
    };

    const QByteArray dir = chain(rd32(header + 48), file.size());
    const quint32 miniCutoff = rd32(header + 56);
    for (qint64 at = 0; at + 128 <= dir.size(); at += 128) {
        const char* e = dir.constData() + at;
        const int nameBytes = rd16(e + 64);
        if (e[66] != 2 || nameBytes < 2 || nameBytes > 64)
            continue;
        QString name;
        for (int i = 0; i + 1 < nameBytes / 2; ++i)
            name.append(QChar(rd16(e + 2 * i)));
        if (name != QLatin1String("Workbook") && name != QLatin1String("Book"))
            continue;
        const quint32 size = rd32(e + 120);
        return size < miniCutoff ? QByteArray() : chain(rd32(e + 116), size);
    }
    return {};
}

bool sharedStringsOverrunFreeXl(const QByteArray& stream)
{
    // The SST record and the CONTINUE records right after it.
    std::vector<QByteArray> recs;
    for (qint64 at = 0; at + 4 <= stream.size();) {
        const quint16 type = rd16(stream.constData() + at);
        const quint16 size = rd16(stream.constData() + at + 2);
        if (at + 4 + size > stream.size())
            break;
        if (type == 0x00FC || (type == 0x003C && !recs.empty()))
            recs.push_back(stream.mid(at + 4, size));
        else if (!recs.empty())
            break;
        at += 4 + size;
    }
    if (recs.empty())
        return false;
    if (recs[0].size() < 8)
        return true;

    const quint32 count = rd32(recs[0].constData() + 4);
    size_t r = 0;
    qint64 p = 8;
    for (quint32 i = 0; i < count; ++i) {
        if (p >= recs[r].size()) {  // the next string starts at the start of the next record
            if (++r >= recs.size())
                return false;
            p = 0;
        }
        const QByteArray& rec = recs[r];
        const char* d = rec.constData();
        if (p + 3 > rec.size())
            return true;
        const qint64 len = rd16(d + p);
        const quint8 flags = quint8(d[p + 2]);
        qint64 h = p + 3, skip = 0;
        if (flags & 0x08) {  // formatting runs
            if (h + 2 > rec.size())
                return true;
            skip += 4 * qint64(rd16(d + h));
            h += 2;
        }
        if (flags & 0x04) {  // phonetic data
            if (h + 4 > rec.size())
                return true;
            skip += rd32(d + h);
            h += 4;
        }
        const int charSize = (flags & 0x01) ? 2 : 1;
        const qint64 available = rec.size() - h;
        if (len * charSize <= available) {
            p = h + len * charSize + skip;
            if (p > rec.size())
                return true;
            continue;
        }
        // Split: FreeXL takes the whole rest of the string from the next record.
        if (charSize == 2 && available % 2)
            return true;
        const qint64 rest = len - available / charSize;
        if (++r >= recs.size())
            return false;
        const QByteArray& next = recs[r];
        if (next.isEmpty())
            return true;
        p = 1 + rest * ((next[0] & 0x01) ? 2 : 1) + skip;
        if (p > next.size())
            return true;
    }
    return false;
}
