#include "platform/reportbarcode.h"

#include <QFontMetricsF>
#include <QPaintDevice>
#include <QPainter>
#include <cmath>
#include <zint.h>

namespace {

int ean13CheckDigit(const QString& twelve)
{
    int sum = 0;
    for (int i = 0; i < 12; ++i)
        sum += (twelve.at(i).unicode() - '0') * (i % 2 ? 3 : 1);
    return (10 - sum % 10) % 10;
}

bool allDigits(const QString& s)
{
    for (QChar c : s) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return false;
    }
    return true;
}

bool moduleSet(const zint_symbol* s, int row, int col)
{
    return (s->encoded_data[row][col >> 3] >> (col & 7)) & 1;
}

bool isRaster(const QPaintDevice* device)
{
    const int t = device ? device->devType() : 0;
    return t == QInternal::Image || t == QInternal::Pixmap || t == QInternal::Widget;
}

}  // namespace

ReportBarcodeSymbol encodeReportBarcode(ReportBarcodeType type, const QString& data)
{
    ReportBarcodeSymbol out;
    QString input = data;
    if (input.isEmpty()) {
        out.error = QStringLiteral("条码内容为空");
        return out;
    }
    if (type == ReportBarcodeType::Ean13) {
        if (!allDigits(input) || (input.size() != 12 && input.size() != 13)) {
            out.error = QStringLiteral("EAN-13 条码须为12或13位数字");
            return out;
        }
        if (input.size() == 13) {
            if (ean13CheckDigit(input) != input.at(12).unicode() - '0') {
                out.error = QStringLiteral("EAN-13 条码校验位不正确");
                return out;
            }
            input.chop(1);
        }
    }
    zint_symbol* s = ZBarcode_Create();
    if (!s) {
        out.error = QStringLiteral("条码库不可用");
        return out;
    }
    s->symbology = type == ReportBarcodeType::Ean13 ? BARCODE_EANX : BARCODE_CODE128;
    s->input_mode = UNICODE_MODE;
    const QByteArray utf8 = input.toUtf8();
    const int rc = ZBarcode_Encode(s, reinterpret_cast<const unsigned char*>(utf8.constData()), utf8.size());
    if (rc >= ZINT_ERROR || s->rows < 1 || s->width < 1) {
        out.error = QString::fromUtf8(s->errtxt);
        ZBarcode_Delete(s);
        return out;
    }
    out.ok = true;
    out.text = QString::fromUtf8(reinterpret_cast<const char*>(s->text));
    out.modules = s->width;
    if (type == ReportBarcodeType::Ean13) {
        out.quietLeft = 11;
        out.quietRight = 7;
    } else {
        out.quietLeft = out.quietRight = 10;
    }
    for (int col = 0; col < s->width;) {
        if (!moduleSet(s, 0, col)) {
            ++col;
            continue;
        }
        int end = col;
        while (end < s->width && moduleSet(s, 0, end))
            ++end;
        out.bars.append({col, end - col});
        col = end;
    }
    ZBarcode_Delete(s);
    return out;
}

void paintReportBarcode(QPainter& painter, const QRectF& rect, const ReportBarcodeSymbol& symbol,
                        const QString& data, bool showText, const QFont& font)
{
    painter.save();
    painter.setFont(font);
    const QFontMetricsF fm(font, painter.device());
    const QString caption = symbol.ok ? symbol.text : data;
    const double textHeight = (showText || !symbol.ok) && !caption.isEmpty() ? fm.height() : 0;
    const QRectF textRect(rect.left(), rect.bottom() - textHeight, rect.width(), textHeight);
    if (symbol.ok && symbol.totalModules() > 0) {
        double module = rect.width() / symbol.totalModules();
        const bool raster = isRaster(painter.device());
        if (raster && module >= 1)
            module = std::floor(module);  // whole pixels: every bar keeps its width
        const double barsWidth = module * symbol.modules;
        double x0 = rect.left() + (rect.width() - barsWidth) / 2;
        if (raster)
            x0 = std::round(x0);
        const double barHeight = qMax(0.0, rect.height() - textHeight);
        painter.setRenderHint(QPainter::Antialiasing, !raster);
        painter.setPen(Qt::NoPen);
        painter.setBrush(Qt::black);
        for (const auto& bar : symbol.bars)
            painter.drawRect(QRectF(x0 + bar.first * module, rect.top(), bar.second * module, barHeight));
    }
    if (textHeight > 0) {
        painter.setPen(Qt::black);
        painter.drawText(textRect, Qt::AlignHCenter | Qt::AlignVCenter, caption);
    }
    painter.restore();
}
