#include "platform/compoundfile.h"

#include <QtEndian>
#include <cstring>

namespace {

constexpr int kSector = 512;
constexpr int kMiniCutoff = 4096;
constexpr quint32 kFree = 0xFFFFFFFF;
constexpr quint32 kEndOfChain = 0xFFFFFFFE;
constexpr quint32 kFatSect = 0xFFFFFFFD;
constexpr quint32 kDifSect = 0xFFFFFFFC;
constexpr quint32 kNoStream = 0xFFFFFFFF;
constexpr int kIdsPerSector = kSector / 4;  // 128 sector ids in a FAT sector
constexpr int kHeaderDifat = 109;

void put16(char* p, quint16 v) { qToLittleEndian(v, p); }
void put32(char* p, quint32 v) { qToLittleEndian(v, p); }

// One 128-byte directory entry.
void dirEntry(char* p, const QString& name, quint8 type, quint32 child, quint32 start, quint32 size)
{
    std::memset(p, 0, 128);
    const QString n = name.left(31);
    for (int i = 0; i < n.size(); ++i)
        put16(p + 2 * i, n.at(i).unicode());
    put16(p + 64, quint16((n.size() + 1) * 2));
    p[66] = char(type);
    p[67] = 1;  // black
    put32(p + 68, kNoStream);
    put32(p + 72, kNoStream);
    put32(p + 76, child);
    put32(p + 116, start);
    put32(p + 120, size);
}

void emptyDirEntry(char* p)
{
    std::memset(p, 0, 128);
    put32(p + 68, kNoStream);
    put32(p + 72, kNoStream);
    put32(p + 76, kNoStream);
}

}  // namespace

QByteArray buildCompoundFile(const QString& name, QByteArray stream)
{
    if (stream.size() < kMiniCutoff)
        stream.append(QByteArray(kMiniCutoff - stream.size(), '\0'));
    const quint32 streamSize = quint32(stream.size());
    const qint64 streamSectors = (stream.size() + kSector - 1) / kSector;

    // FAT and DIFAT sectors count themselves: grow both until they cover every sector.
    qint64 fat = 0, difat = 0;
    for (;;) {
        const qint64 total = streamSectors + 1 + fat + difat;
        const qint64 needFat = (total + kIdsPerSector - 1) / kIdsPerSector;
        const qint64 needDifat =
            needFat > kHeaderDifat ? (needFat - kHeaderDifat + kIdsPerSector - 2) / (kIdsPerSector - 1) : 0;
        if (needFat == fat && needDifat == difat)
            break;
        fat = needFat;
        difat = needDifat;
    }
    const quint32 dirSector = quint32(streamSectors);
    const quint32 firstFat = dirSector + 1;
    const quint32 firstDifat = firstFat + quint32(fat);
    const qint64 sectors = streamSectors + 1 + fat + difat;

    QByteArray out((sectors + 1) * kSector, '\0');
    char* header = out.data();
    char* body = header + kSector;

    // Header.
    static const unsigned char signature[8] = {0xD0, 0xCF, 0x11, 0xE0, 0xA1, 0xB1, 0x1A, 0xE1};
    std::memcpy(header, signature, 8);
    put16(header + 24, 0x003E);
    put16(header + 26, 0x0003);
    put16(header + 28, 0xFFFE);
    put16(header + 30, 9);
    put16(header + 32, 6);
    put32(header + 44, quint32(fat));
    put32(header + 48, dirSector);
    put32(header + 56, kMiniCutoff);
    put32(header + 60, kEndOfChain);
    put32(header + 68, difat ? firstDifat : kEndOfChain);
    put32(header + 72, quint32(difat));
    for (int i = 0; i < kHeaderDifat; ++i)
        put32(header + 76 + 4 * i, i < fat ? firstFat + quint32(i) : kFree);

    // The stream, then the directory sector.
    std::memcpy(body, stream.constData(), stream.size());
    char* dir = body + qint64(dirSector) * kSector;
    dirEntry(dir, QStringLiteral("Root Entry"), 5, 1, kEndOfChain, 0);
    dirEntry(dir + 128, name, 2, kNoStream, 0, streamSize);
    emptyDirEntry(dir + 256);
    emptyDirEntry(dir + 384);

    // FAT.
    char* fatBase = body + qint64(firstFat) * kSector;
    auto setFat = [&](qint64 sector, quint32 value) { put32(fatBase + 4 * sector, value); };
    for (qint64 s = 0; s < fat * kIdsPerSector; ++s)
        setFat(s, kFree);
    for (qint64 s = 0; s < streamSectors; ++s)
        setFat(s, s + 1 < streamSectors ? quint32(s + 1) : kEndOfChain);
    setFat(dirSector, kEndOfChain);
    for (qint64 i = 0; i < fat; ++i)
        setFat(firstFat + i, kFatSect);
    for (qint64 i = 0; i < difat; ++i)
        setFat(firstDifat + i, kDifSect);

    // DIFAT sectors: the FAT sectors beyond the header's 109, 127 to a sector, then the next.
    for (qint64 i = 0; i < difat; ++i) {
        char* d = body + (firstDifat + i) * kSector;
        for (int k = 0; k < kIdsPerSector - 1; ++k) {
            const qint64 fatIndex = kHeaderDifat + i * (kIdsPerSector - 1) + k;
            put32(d + 4 * k, fatIndex < fat ? firstFat + quint32(fatIndex) : kFree);
        }
        put32(d + 4 * (kIdsPerSector - 1), i + 1 < difat ? firstDifat + quint32(i + 1) : kEndOfChain);
    }
    return out;
}
