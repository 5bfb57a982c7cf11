#include "platform/reportdesigner.h"

#include "platform/report.h"
#include "platform/reportengine.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QDoubleSpinBox>
#include <QFileInfo>
#include <QFontComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QPlainTextEdit>
#include <QScrollArea>
#include <QSpinBox>
#include <QStackedWidget>
#include <QToolButton>
#include <QVBoxLayout>
#include <cmath>
#include <optional>

namespace {

constexpr double kCaption = 18;  // px: caption strip above each band
constexpr double kMargin = 16;   // px around the page
constexpr double kHandle = 7;    // px: resize handle
constexpr double kMinSize = 1;   // mm

std::optional<QMessageBox::StandardButton> g_closeAnswer;

// Moves snap to half millimetres.
double snap(double mm)
{
    return std::round(mm * 2) / 2;
}

// Positions kept to two decimals, as the file keeps them.
double round2(double mm)
{
    return std::round(mm * 100) / 100;
}

QString sampleBarcodeData(const QString& expression)
{
    return expression.contains(QLatin1Char('[')) || expression.isEmpty() ? QStringLiteral("123456789012") : expression;
}

QDoubleSpinBox* mmBox(const QString& name, double max = 2000)
{
    auto* box = new QDoubleSpinBox;
    box->setObjectName(name);
    box->setDecimals(2);
    box->setRange(-max, max);
    box->setSingleStep(0.5);
    return box;
}

}  // namespace

// ---- Canvas ---------------------------------------------------------------------------------

ReportDesignCanvas::ReportDesignCanvas(ReportTemplate* layout, QWidget* parent) : QWidget(parent), m_layout(layout)
{
    setObjectName(QStringLiteral("canvas"));
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(false);
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, QColor(0x9a, 0xa4, 0xae));
    setPalette(pal);
    relayout();
}

void ReportDesignCanvas::setZoom(double zoom)
{
    m_zoom = zoom;
    relayout();
}

double ReportDesignCanvas::pxPerMm() const
{
    return m_zoom * logicalDpiX() / 25.4;
}

double ReportDesignCanvas::originX() const
{
    return kMargin + m_layout->page.left * pxPerMm();
}

void ReportDesignCanvas::relayout()
{
    const double px = pxPerMm();
    m_bandTop.clear();
    double y = kMargin + m_layout->page.top * px;
    for (const ReportBand& b : m_layout->bands) {
        y += kCaption;
        m_bandTop.append(y);
        y += b.height * px;
    }
    if (m_band >= m_layout->bands.size())
        m_band = m_object = -1;
    if (m_band >= 0 && m_object >= m_layout->bands[m_band].objects.size())
        m_object = -1;
    setMinimumSize(int(2 * kMargin + m_layout->page.width * px),
                   int(y + m_layout->page.bottom * px + kMargin));
    resize(minimumSize());
    update();
}

QRectF ReportDesignCanvas::bandArea(int band) const
{
    if (band < 0 || band >= m_bandTop.size())
        return QRectF();
    const double px = pxPerMm();
    return QRectF(originX(), m_bandTop[band], m_layout->page.contentWidth() * px, m_layout->bands[band].height * px);
}

QRectF ReportDesignCanvas::captionArea(int band) const
{
    const QRectF area = bandArea(band);
    return area.isNull() ? area : QRectF(area.left(), area.top() - kCaption, area.width(), kCaption);
}

QRectF ReportDesignCanvas::objectArea(int band, int object) const
{
    if (band < 0 || band >= m_bandTop.size() || object < 0 || object >= m_layout->bands[band].objects.size())
        return QRectF();
    const double px = pxPerMm();
    const QRectF r = m_layout->bands[band].objects[object].rect;
    return QRectF(originX() + r.x() * px, m_bandTop[band] + r.y() * px, r.width() * px, r.height() * px);
}

QRectF ReportDesignCanvas::handleArea() const
{
    const QRectF r = objectArea(m_band, m_object);
    if (r.isNull())
        return r;
    const QPointF corner = r.bottomRight();
    return QRectF(corner.x() - kHandle / 2, corner.y() - kHandle / 2, kHandle, kHandle);
}

void ReportDesignCanvas::select(int band, int object)
{
    m_band = band;
    m_object = band < 0 ? -1 : object;
    update();
    emit selectionChanged();
}

void ReportDesignCanvas::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    const double px = pxPerMm();
    const ReportPageSetup& page = m_layout->page;
    const double bottom = m_bandTop.isEmpty() ? kMargin + page.top * px
                                              : m_bandTop.last() + m_layout->bands.last().height * px;
    const QRectF sheet(kMargin, kMargin, page.width * px, bottom + page.bottom * px - kMargin);
    p.fillRect(sheet, Qt::white);
    p.setPen(QPen(QColor(0xc0, 0xc0, 0xc0), 1, Qt::DashLine));
    p.drawRect(QRectF(originX(), kMargin + page.top * px, page.contentWidth() * px,
                      bottom - kMargin - page.top * px));

    QFont captionFont = font();
    captionFont.setPointSizeF(8);
    for (int b = 0; b < m_layout->bands.size(); ++b) {
        const ReportBand& band = m_layout->bands[b];
        const QRectF caption = captionArea(b);
        p.fillRect(caption, b == m_band && m_object < 0 ? QColor(0xf6, 0xd3, 0x65) : QColor(0xdd, 0xe4, 0xee));
        QString text = reportBandKindCaption(band.kind);
        if (!band.name.isEmpty())
            text += QStringLiteral(" ") + band.name;
        if (band.kind == ReportBandKind::MasterData)
            text += QStringLiteral("：") + band.dataset;
        if (band.kind == ReportBandKind::GroupHeader)
            text += QStringLiteral("：") + band.condition;
        p.setFont(captionFont);
        p.setPen(Qt::black);
        p.drawText(caption.adjusted(4, 0, -4, 0), Qt::AlignLeft | Qt::AlignVCenter, text);
        const QRectF area = bandArea(b);
        if (band.kind == ReportBandKind::MasterData && page.columns > 1) {
            const double w = page.columnWidth() * px;
            p.fillRect(QRectF(area.left() + w, area.top(), area.width() - w, area.height()), QColor(0xf2, 0xf2, 0xf2));
        }
        p.setPen(QPen(QColor(0xb0, 0xb0, 0xb0), 1, Qt::DotLine));
        p.drawLine(area.bottomLeft(), area.bottomRight());
        for (int o = 0; o < band.objects.size(); ++o) {
            const ReportObject& obj = band.objects[o];
            const QRectF r = objectArea(b, o);
            const QString text = obj.kind == ReportObjectKind::Barcode ? sampleBarcodeData(obj.text) : obj.text;
            QImage picture;
            if (obj.kind == ReportObjectKind::Picture && !obj.text.isEmpty())
                picture = QImage(QDir(m_layout->baseDir).absoluteFilePath(obj.text));
            p.save();
            p.setClipRect(sheet);
            paintReportObject(p, obj, text, r, px, &picture);
            p.restore();
            if (obj.kind != ReportObjectKind::Line && obj.frame.isEmpty()) {
                p.setPen(QPen(QColor(0xd0, 0xd0, 0xd0), 1, Qt::DotLine));
                p.drawRect(r);
            }
        }
    }
    if (m_object >= 0) {
        const QRectF r = objectArea(m_band, m_object).normalized();
        p.setPen(QPen(QColor(0x20, 0x60, 0xe0), 1, Qt::DashLine));
        p.setBrush(Qt::NoBrush);
        p.drawRect(r.adjusted(-1, -1, 1, 1));
        p.fillRect(handleArea(), QColor(0x20, 0x60, 0xe0));
    }
}

void ReportDesignCanvas::mousePressEvent(QMouseEvent* event)
{
    setFocus();
    if (event->button() != Qt::LeftButton)
        return;
    const QPointF pos = event->position();
    m_drag = Drag::None;
    m_dragged = false;
    m_pressPos = pos;
    if (m_object >= 0 && handleArea().contains(pos)) {
        m_drag = Drag::Resize;
        m_pressRect = m_layout->bands[m_band].objects[m_object].rect;
        return;
    }
    // Topmost object under the mouse: the last drawn.
    for (int b = m_layout->bands.size() - 1; b >= 0; --b) {
        for (int o = m_layout->bands[b].objects.size() - 1; o >= 0; --o) {
            if (objectArea(b, o).normalized().adjusted(-3, -3, 3, 3).contains(pos)) {
                select(b, o);
                m_drag = Drag::Move;
                m_pressRect = m_layout->bands[b].objects[o].rect;
                return;
            }
        }
    }
    for (int b = 0; b < m_layout->bands.size(); ++b) {
        if (captionArea(b).contains(pos) || bandArea(b).contains(pos)) {
            select(b, -1);
            return;
        }
    }
    select(-1, -1);
}

void ReportDesignCanvas::mouseMoveEvent(QMouseEvent* event)
{
    if (m_drag == Drag::None || m_object < 0)
        return;
    const QPointF delta = (event->position() - m_pressPos) / pxPerMm();
    if (!m_dragged && delta.manhattanLength() < 0.5)
        return;
    if (!m_dragged)
        emit aboutToChange();  // the whole drag is one undo step
    m_dragged = true;
    ReportObject& o = m_layout->bands[m_band].objects[m_object];
    const double dx = snap(delta.x()), dy = snap(delta.y());
    if (m_drag == Drag::Move) {
        o.rect.moveTo(round2(m_pressRect.x() + dx), round2(m_pressRect.y() + dy));
    } else {
        double w = round2(m_pressRect.width() + dx), h = round2(m_pressRect.height() + dy);
        if (o.kind != ReportObjectKind::Line) {
            w = qMax(kMinSize, w);
            h = qMax(kMinSize, h);
        }
        o.rect.setSize(QSizeF(w, h));
    }
    update();
    emit changed();
}

void ReportDesignCanvas::mouseReleaseEvent(QMouseEvent*)
{
    const bool moved = m_drag == Drag::Move && m_dragged;
    m_drag = Drag::None;
    m_dragged = false;
    if (!moved)
        return;
    // An object dropped with its top-left corner in another band moves into that band.
    const QPointF corner = objectArea(m_band, m_object).topLeft();
    for (int b = 0; b < m_layout->bands.size(); ++b) {
        const QRectF area = bandArea(b);
        if (b == m_band || corner.y() < area.top() || corner.y() >= area.bottom())
            continue;
        ReportObject o = m_layout->bands[m_band].objects.takeAt(m_object);
        o.rect.moveTop(round2(snap((corner.y() - area.top()) / pxPerMm())));
        m_layout->bands[b].objects.append(o);
        select(b, m_layout->bands[b].objects.size() - 1);
        emit changed();
        break;
    }
}

void ReportDesignCanvas::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Delete && m_object >= 0) {
        emit aboutToChange();
        m_layout->bands[m_band].objects.removeAt(m_object);
        select(m_band, -1);
        emit changed();
        return;
    }
    QWidget::keyPressEvent(event);
}

// ---- Designer -------------------------------------------------------------------------------

ReportDesigner::ReportDesigner(const QString& path, QWidget* parent) : QDialog(parent), m_path(path)
{
    setObjectName(QStringLiteral("ReportDesigner"));
    m_layout.load(path);  // a missing file opens an empty report
    buildUi();
    setWindowTitle(QStringLiteral("报表设计 - ") + QFileInfo(path).fileName());
    m_status->setText(QFileInfo::exists(path) ? path : QStringLiteral("新报表：") + path);
    showProperties();
}

void ReportDesigner::setNextCloseAnswer(QMessageBox::StandardButton answer)
{
    g_closeAnswer = answer;
}

void ReportDesigner::setDatasetFields(const QString& dataset, const QStringList& fields)
{
    m_fields.insert(dataset, fields);
    m_filling = true;
    if (m_dataset->findText(dataset) < 0)
        m_dataset->addItem(dataset);
    if (m_bandDataset->findText(dataset) < 0)
        m_bandDataset->addItem(dataset);
    m_filling = false;
    fillFieldCombo();
}

void ReportDesigner::fillFieldCombo()
{
    const QString current = m_field->currentText();
    m_field->clear();
    m_field->addItems(m_fields.value(m_dataset->currentText()));
    m_field->setEditText(current);
}

void ReportDesigner::buildUi()
{
    auto button = [this](const QString& name, const QString& text, auto slot) {
        auto* b = new QToolButton;
        b->setObjectName(name);
        b->setText(text);
        b->setToolButtonStyle(Qt::ToolButtonTextOnly);
        connect(b, &QToolButton::clicked, this, slot);
        return b;
    };

    auto* tools = new QHBoxLayout;
    tools->addWidget(button(QStringLiteral("btnSave"), QStringLiteral("保存"), [this] { save(); }));
    tools->addWidget(button(QStringLiteral("btnUndo"), QStringLiteral("撤销"), [this] { undo(); }));
    tools->addSpacing(12);
    tools->addWidget(button(QStringLiteral("btnAddText"), QStringLiteral("文本"),
                            [this] { addObject(ReportObjectKind::Text); }));
    m_dataset = new QComboBox;
    m_dataset->setObjectName(QStringLiteral("cbDataset"));
    m_dataset->setEditable(true);
    m_dataset->addItem(QStringLiteral("frxDBDataset1"));
    m_field = new QComboBox;
    m_field->setObjectName(QStringLiteral("cbField"));
    m_field->setEditable(true);
    m_field->setMinimumWidth(100);
    connect(m_dataset, &QComboBox::currentTextChanged, this, [this] {
        if (!m_filling)
            fillFieldCombo();
    });
    tools->addWidget(m_dataset);
    tools->addWidget(m_field);
    tools->addWidget(button(QStringLiteral("btnAddField"), QStringLiteral("字段"),
                            [this] { addObject(ReportObjectKind::Text, fieldExpression()); }));
    tools->addWidget(button(QStringLiteral("btnAddLine"), QStringLiteral("线条"),
                            [this] { addObject(ReportObjectKind::Line); }));
    tools->addWidget(button(QStringLiteral("btnAddBarcode"), QStringLiteral("条码"),
                            [this] { addObject(ReportObjectKind::Barcode); }));
    tools->addWidget(button(QStringLiteral("btnDelete"), QStringLiteral("删除对象"), [this] { deleteObject(); }));
    tools->addSpacing(12);
    m_bandKind = new QComboBox;
    m_bandKind->setObjectName(QStringLiteral("cbBandKind"));
    for (int k = 0; k <= int(ReportBandKind::PageFooter); ++k)
        m_bandKind->addItem(reportBandKindCaption(ReportBandKind(k)), k);
    m_bandKind->setCurrentIndex(int(ReportBandKind::MasterData));
    tools->addWidget(m_bandKind);
    tools->addWidget(button(QStringLiteral("btnAddBand"), QStringLiteral("添加区域"),
                            [this] { addBand(ReportBandKind(m_bandKind->currentData().toInt())); }));
    tools->addWidget(button(QStringLiteral("btnRemoveBand"), QStringLiteral("删除区域"), [this] { removeBand(); }));
    tools->addSpacing(12);
    auto* zoom = new QComboBox;
    zoom->setObjectName(QStringLiteral("cbZoom"));
    for (int z : {50, 75, 100, 150, 200})
        zoom->addItem(QStringLiteral("%1%").arg(z), z / 100.0);
    zoom->setCurrentIndex(2);
    tools->addWidget(zoom);
    tools->addStretch();
    tools->addWidget(button(QStringLiteral("btnClose"), QStringLiteral("退出"), [this] { reject(); }));

    m_canvas = new ReportDesignCanvas(&m_layout);
    connect(zoom, &QComboBox::currentIndexChanged, this, [this, zoom] { m_canvas->setZoom(zoom->currentData().toDouble()); });
    connect(m_canvas, &ReportDesignCanvas::aboutToChange, this, [this] { keepUndo(QString()); });
    connect(m_canvas, &ReportDesignCanvas::changed, this, &ReportDesigner::afterChange);
    connect(m_canvas, &ReportDesignCanvas::selectionChanged, this, [this] {
        m_lastKey.clear();
        showProperties();
    });
    auto* scroll = new QScrollArea;
    scroll->setObjectName(QStringLiteral("scrollArea"));
    scroll->setWidget(m_canvas);
    scroll->setWidgetResizable(false);

    // Object properties.
    auto* objectPage = new QWidget;
    auto* of = new QFormLayout(objectPage);
    m_name = new QLineEdit;
    m_name->setObjectName(QStringLiteral("edName"));
    of->addRow(QStringLiteral("名称："), m_name);
    m_text = new QPlainTextEdit;
    m_text->setObjectName(QStringLiteral("edText"));
    m_text->setFixedHeight(70);
    of->addRow(QStringLiteral("内容/表达式："), m_text);
    auto* insert = new QToolButton;
    insert->setObjectName(QStringLiteral("btnInsertField"));
    insert->setText(QStringLiteral("插入字段"));
    connect(insert, &QToolButton::clicked, this, [this] {
        m_text->insertPlainText(fieldExpression());
    });
    of->addRow(QString(), insert);
    m_x = mmBox(QStringLiteral("spX"));
    m_y = mmBox(QStringLiteral("spY"));
    m_w = mmBox(QStringLiteral("spW"));
    m_h = mmBox(QStringLiteral("spH"));
    auto* pos = new QHBoxLayout;
    pos->addWidget(m_x);
    pos->addWidget(m_y);
    of->addRow(QStringLiteral("位置(毫米)："), pos);
    auto* size = new QHBoxLayout;
    size->addWidget(m_w);
    size->addWidget(m_h);
    of->addRow(QStringLiteral("大小(毫米)："), size);
    m_font = new QFontComboBox;
    m_font->setObjectName(QStringLiteral("cbFont"));
    of->addRow(QStringLiteral("字体："), m_font);
    m_fontSize = new QDoubleSpinBox;
    m_fontSize->setObjectName(QStringLiteral("spFontSize"));
    m_fontSize->setRange(4, 96);
    m_fontSize->setDecimals(1);
    m_bold = new QCheckBox(QStringLiteral("粗体"));
    m_bold->setObjectName(QStringLiteral("chkBold"));
    m_italic = new QCheckBox(QStringLiteral("斜体"));
    m_italic->setObjectName(QStringLiteral("chkItalic"));
    m_underline = new QCheckBox(QStringLiteral("下划线"));
    m_underline->setObjectName(QStringLiteral("chkUnderline"));
    auto* style = new QHBoxLayout;
    style->addWidget(m_fontSize);
    style->addWidget(m_bold);
    style->addWidget(m_italic);
    style->addWidget(m_underline);
    of->addRow(QStringLiteral("字号："), style);
    m_align = new QComboBox;
    m_align->setObjectName(QStringLiteral("cbAlign"));
    m_align->addItems({QStringLiteral("左对齐"), QStringLiteral("居中"), QStringLiteral("右对齐")});
    m_valign = new QComboBox;
    m_valign->setObjectName(QStringLiteral("cbVAlign"));
    m_valign->addItems({QStringLiteral("顶端"), QStringLiteral("垂直居中"), QStringLiteral("底端")});
    auto* align = new QHBoxLayout;
    align->addWidget(m_align);
    align->addWidget(m_valign);
    of->addRow(QStringLiteral("对齐："), align);
    auto* frame = new QHBoxLayout;
    const char* sideNames[4] = {"chkFrameLeft", "chkFrameTop", "chkFrameRight", "chkFrameBottom"};
    const char* sideTexts[4] = {"左", "上", "右", "下"};
    for (int i = 0; i < 4; ++i) {
        m_frame[i] = new QCheckBox(QString::fromUtf8(sideTexts[i]));
        m_frame[i]->setObjectName(QLatin1String(sideNames[i]));
        frame->addWidget(m_frame[i]);
    }
    of->addRow(QStringLiteral("边框："), frame);
    m_lineWidth = new QDoubleSpinBox;
    m_lineWidth->setObjectName(QStringLiteral("spLineWidth"));
    m_lineWidth->setRange(0.1, 10);
    m_lineWidth->setSingleStep(0.25);
    of->addRow(QStringLiteral("线宽(磅)："), m_lineWidth);
    m_wrap = new QCheckBox(QStringLiteral("自动换行"));
    m_wrap->setObjectName(QStringLiteral("chkWrap"));
    of->addRow(QString(), m_wrap);
    m_format = new QLineEdit;
    m_format->setObjectName(QStringLiteral("edFormat"));
    m_format->setPlaceholderText(QStringLiteral("如 0.00"));
    of->addRow(QStringLiteral("数字格式："), m_format);
    m_barcodeType = new QComboBox;
    m_barcodeType->setObjectName(QStringLiteral("cbBarcodeType"));
    m_barcodeType->addItems({QStringLiteral("Code 128"), QStringLiteral("EAN-13")});
    of->addRow(QStringLiteral("条码类型："), m_barcodeType);
    m_showText = new QCheckBox(QStringLiteral("显示条码内容"));
    m_showText->setObjectName(QStringLiteral("chkShowText"));
    of->addRow(QString(), m_showText);

    // Band properties.
    auto* bandPage = new QWidget;
    auto* bf = new QFormLayout(bandPage);
    m_bandHeight = mmBox(QStringLiteral("spBandHeight"));
    m_bandHeight->setMinimum(1);
    bf->addRow(QStringLiteral("高度(毫米)："), m_bandHeight);
    m_bandDataset = new QComboBox;
    m_bandDataset->setObjectName(QStringLiteral("cbBandDataset"));
    m_bandDataset->setEditable(true);
    m_bandDataset->addItem(QStringLiteral("frxDBDataset1"));
    bf->addRow(QStringLiteral("数据集："), m_bandDataset);
    m_condition = new QLineEdit;
    m_condition->setObjectName(QStringLiteral("edCondition"));
    bf->addRow(QStringLiteral("分组条件："), m_condition);

    // Page properties.
    auto* pagePage = new QWidget;
    auto* pf = new QFormLayout(pagePage);
    m_pageW = mmBox(QStringLiteral("spPageWidth"));
    m_pageH = mmBox(QStringLiteral("spPageHeight"));
    m_pageW->setMinimum(10);
    m_pageH->setMinimum(10);
    pf->addRow(QStringLiteral("纸张宽度(毫米)："), m_pageW);
    pf->addRow(QStringLiteral("纸张高度(毫米)："), m_pageH);
    const char* marginNames[4] = {"spMarginLeft", "spMarginTop", "spMarginRight", "spMarginBottom"};
    const char* marginTexts[4] = {"左边距：", "上边距：", "右边距：", "下边距："};
    for (int i = 0; i < 4; ++i) {
        m_margin[i] = mmBox(QLatin1String(marginNames[i]), 500);
        m_margin[i]->setMinimum(0);
        pf->addRow(QString::fromUtf8(marginTexts[i]), m_margin[i]);
    }
    m_columns = new QSpinBox;
    m_columns->setObjectName(QStringLiteral("spColumns"));
    m_columns->setRange(1, 20);
    pf->addRow(QStringLiteral("每行列数："), m_columns);
    m_columnGap = mmBox(QStringLiteral("spColumnGap"), 500);
    m_columnGap->setMinimum(0);
    pf->addRow(QStringLiteral("列间距："), m_columnGap);

    m_props = new QStackedWidget;
    m_props->setObjectName(QStringLiteral("properties"));
    m_props->addWidget(pagePage);
    m_props->addWidget(bandPage);
    m_props->addWidget(objectPage);
    m_props->setFixedWidth(330);

    // Every property edit applies at once, one undo step per property and selection.
    auto onObject = [this](const QString& key) { return [this, key] { applyObject(key); }; };
    connect(m_name, &QLineEdit::textChanged, this, onObject(QStringLiteral("name")));
    connect(m_text, &QPlainTextEdit::textChanged, this, onObject(QStringLiteral("text")));
    for (QDoubleSpinBox* box : {m_x, m_y, m_w, m_h, m_fontSize, m_lineWidth})
        connect(box, &QDoubleSpinBox::valueChanged, this, onObject(box->objectName()));
    connect(m_font, &QFontComboBox::currentFontChanged, this, onObject(QStringLiteral("font")));
    for (QCheckBox* box : {m_bold, m_italic, m_underline, m_frame[0], m_frame[1], m_frame[2], m_frame[3], m_wrap, m_showText})
        connect(box, &QCheckBox::toggled, this, onObject(box->objectName()));
    for (QComboBox* box : {m_align, m_valign, m_barcodeType})
        connect(box, &QComboBox::currentIndexChanged, this, onObject(box->objectName()));
    connect(m_format, &QLineEdit::textChanged, this, onObject(QStringLiteral("format")));
    auto onBand = [this](const QString& key) { return [this, key] { applyBand(key); }; };
    connect(m_bandHeight, &QDoubleSpinBox::valueChanged, this, onBand(QStringLiteral("height")));
    connect(m_bandDataset, &QComboBox::currentTextChanged, this, onBand(QStringLiteral("dataset")));
    connect(m_condition, &QLineEdit::textChanged, this, onBand(QStringLiteral("condition")));
    auto onPage = [this](const QString& key) { return [this, key] { applyPage(key); }; };
    for (QDoubleSpinBox* box : {m_pageW, m_pageH, m_margin[0], m_margin[1], m_margin[2], m_margin[3], m_columnGap})
        connect(box, &QDoubleSpinBox::valueChanged, this, onPage(box->objectName()));
    connect(m_columns, &QSpinBox::valueChanged, this, onPage(QStringLiteral("columns")));

    m_status = new QLabel;
    m_status->setObjectName(QStringLiteral("lblStatus"));

    auto* body = new QHBoxLayout;
    body->addWidget(scroll, 1);
    body->addWidget(m_props);
    auto* main = new QVBoxLayout(this);
    main->addLayout(tools);
    main->addLayout(body, 1);
    main->addWidget(m_status);
    resize(1200, 760);
}

void ReportDesigner::keepUndo(const QString& key)
{
    if (!key.isEmpty() && key == m_lastKey)
        return;  // the same edit goes on: one undo step
    m_lastKey = key;
    m_undo.append(m_layout);
    if (m_undo.size() > 100)
        m_undo.removeFirst();
}

void ReportDesigner::afterChange()
{
    m_modified = true;
    m_canvas->relayout();
    if (!m_filling) {
        m_filling = true;
        const ReportObject* o = currentObject();
        if (o) {
            m_x->setValue(o->rect.x());
            m_y->setValue(o->rect.y());
            m_w->setValue(o->rect.width());
            m_h->setValue(o->rect.height());
        }
        m_filling = false;
    }
}

ReportObject* ReportDesigner::currentObject()
{
    const int b = m_canvas->selectedBand(), o = m_canvas->selectedObject();
    if (b < 0 || o < 0 || b >= m_layout.bands.size() || o >= m_layout.bands[b].objects.size())
        return nullptr;
    return &m_layout.bands[b].objects[o];
}

void ReportDesigner::showProperties()
{
    m_filling = true;
    const int b = m_canvas->selectedBand();
    if (const ReportObject* o = currentObject()) {
        m_props->setCurrentIndex(2);
        m_name->setText(o->name);
        m_text->setPlainText(o->text);
        m_x->setValue(o->rect.x());
        m_y->setValue(o->rect.y());
        m_w->setValue(o->rect.width());
        m_h->setValue(o->rect.height());
        m_font->setCurrentFont(QFont(o->font.family));
        m_fontSize->setValue(o->font.size);
        m_bold->setChecked(o->font.bold);
        m_italic->setChecked(o->font.italic);
        m_underline->setChecked(o->font.underline);
        m_align->setCurrentIndex(int(o->align));
        m_valign->setCurrentIndex(int(o->valign));
        for (int i = 0; i < 4; ++i)
            m_frame[i]->setChecked(o->frame.contains(QLatin1Char("ltrb"[i])));
        m_lineWidth->setValue(o->lineWidth);
        m_wrap->setChecked(o->wordWrap);
        m_format->setText(o->format);
        m_barcodeType->setCurrentIndex(int(o->barcode));
        m_showText->setChecked(o->showText);
        m_barcodeType->setEnabled(o->kind == ReportObjectKind::Barcode);
        m_showText->setEnabled(o->kind == ReportObjectKind::Barcode);
    } else if (b >= 0) {
        const ReportBand& band = m_layout.bands[b];
        m_props->setCurrentIndex(1);
        m_bandHeight->setValue(band.height);
        m_bandDataset->setEditText(band.dataset);
        m_bandDataset->setEnabled(band.kind == ReportBandKind::MasterData);
        m_condition->setText(band.condition);
        m_condition->setEnabled(band.kind == ReportBandKind::GroupHeader);
    } else {
        const ReportPageSetup& p = m_layout.page;
        m_props->setCurrentIndex(0);
        m_pageW->setValue(p.width);
        m_pageH->setValue(p.height);
        const double margins[4] = {p.left, p.top, p.right, p.bottom};
        for (int i = 0; i < 4; ++i)
            m_margin[i]->setValue(margins[i]);
        m_columns->setValue(p.columns);
        m_columnGap->setValue(p.columnGap);
    }
    m_filling = false;
}

void ReportDesigner::applyObject(const QString& key)
{
    if (m_filling)
        return;
    ReportObject* o = currentObject();
    if (!o)
        return;
    keepUndo(QStringLiteral("object:") + key);
    o = currentObject();
    o->name = m_name->text();
    o->text = m_text->toPlainText();
    o->rect = QRectF(m_x->value(), m_y->value(), m_w->value(), m_h->value());
    if (key == QLatin1String("font"))
        o->font.family = m_font->currentFont().family();
    o->font.size = m_fontSize->value();
    o->font.bold = m_bold->isChecked();
    o->font.italic = m_italic->isChecked();
    o->font.underline = m_underline->isChecked();
    o->align = ReportHAlign(m_align->currentIndex());
    o->valign = ReportVAlign(m_valign->currentIndex());
    o->frame.clear();
    for (int i = 0; i < 4; ++i) {
        if (m_frame[i]->isChecked())
            o->frame += QLatin1Char("ltrb"[i]);
    }
    o->lineWidth = m_lineWidth->value();
    o->wordWrap = m_wrap->isChecked();
    o->format = m_format->text();
    o->barcode = ReportBarcodeType(m_barcodeType->currentIndex());
    o->showText = m_showText->isChecked();
    m_modified = true;
    m_canvas->relayout();
}

void ReportDesigner::applyBand(const QString& key)
{
    const int b = m_canvas->selectedBand();
    if (m_filling || b < 0)
        return;
    keepUndo(QStringLiteral("band:") + key);
    ReportBand& band = m_layout.bands[b];
    band.height = m_bandHeight->value();
    if (band.kind == ReportBandKind::MasterData)
        band.dataset = m_bandDataset->currentText();
    if (band.kind == ReportBandKind::GroupHeader)
        band.condition = m_condition->text();
    m_modified = true;
    m_canvas->relayout();
}

void ReportDesigner::applyPage(const QString& key)
{
    if (m_filling)
        return;
    keepUndo(QStringLiteral("page:") + key);
    ReportPageSetup& p = m_layout.page;
    p.width = m_pageW->value();
    p.height = m_pageH->value();
    p.left = m_margin[0]->value();
    p.top = m_margin[1]->value();
    p.right = m_margin[2]->value();
    p.bottom = m_margin[3]->value();
    p.columns = m_columns->value();
    p.columnGap = m_columnGap->value();
    m_modified = true;
    m_canvas->relayout();
}

bool ReportDesigner::save()
{
    QString error;
    if (!m_layout.save(m_path, &error)) {
        m_status->setText(QStringLiteral("保存失败：") + error);
        return false;
    }
    m_modified = false;
    m_saved = true;
    m_status->setText(QStringLiteral("已保存：") + m_path);
    return true;
}

void ReportDesigner::undo()
{
    if (m_undo.isEmpty())
        return;
    const QString dir = m_layout.baseDir;
    m_layout = m_undo.takeLast();
    m_layout.baseDir = dir;
    m_lastKey.clear();
    m_modified = true;
    m_canvas->relayout();
    showProperties();
}

int ReportDesigner::targetBand() const
{
    const int b = m_canvas->selectedBand();
    return b >= 0 ? b : (m_layout.bands.isEmpty() ? -1 : 0);
}

QString ReportDesigner::fieldExpression() const
{
    if (m_field->currentText().isEmpty())
        return QString();
    return QStringLiteral("[%1.\"%2\"]").arg(m_dataset->currentText(), m_field->currentText());
}

void ReportDesigner::addObject(ReportObjectKind kind, const QString& text)
{
    const int b = targetBand();
    if (b < 0) {
        m_status->setText(QStringLiteral("请先添加区域"));
        return;
    }
    keepUndo(QString());
    ReportObject o;
    o.kind = kind;
    o.rect = QRectF(2, 0, 30, qMin(6.0, m_layout.bands[b].height));
    switch (kind) {
    case ReportObjectKind::Text:
        o.name = m_layout.freeObjectName(QStringLiteral("Text"));
        o.text = text.isEmpty() ? QStringLiteral("文本") : text;
        break;
    case ReportObjectKind::Line:
        o.name = m_layout.freeObjectName(QStringLiteral("Line"));
        o.rect = QRectF(2, 1, 50, 0);
        break;
    case ReportObjectKind::Barcode:
        o.name = m_layout.freeObjectName(QStringLiteral("Barcode"));
        o.rect = QRectF(2, 0, 40, qMin(15.0, m_layout.bands[b].height));
        o.text = text.isEmpty() ? fieldExpression() : text;
        break;
    case ReportObjectKind::Picture:
        o.name = m_layout.freeObjectName(QStringLiteral("Picture"));
        break;
    }
    m_layout.bands[b].objects.append(o);
    m_modified = true;
    m_canvas->relayout();
    m_canvas->select(b, m_layout.bands[b].objects.size() - 1);
}

void ReportDesigner::deleteObject()
{
    const int b = m_canvas->selectedBand();
    if (!currentObject())
        return;
    keepUndo(QString());
    m_layout.bands[b].objects.removeAt(m_canvas->selectedObject());
    m_modified = true;
    m_canvas->relayout();
    m_canvas->select(b, -1);
}

void ReportDesigner::addBand(ReportBandKind kind)
{
    const QVector<ReportBand>& bands = m_layout.bands;
    // Usual place: after the last band that comes before this kind in the order of kinds.
    int at = 0;
    for (int i = 0; i < bands.size(); ++i) {
        if (int(bands[i].kind) <= int(kind))
            at = i + 1;
    }
    // Group and data bands go beside the selected section (group headers, a master, its footers).
    const int selected = m_canvas->selectedBand();
    int master = selected;
    if (selected >= 0 && bands[selected].kind == ReportBandKind::GroupHeader) {
        while (master < bands.size() && bands[master].kind == ReportBandKind::GroupHeader)
            ++master;
    } else if (selected >= 0 && bands[selected].kind == ReportBandKind::GroupFooter) {
        while (master >= 0 && bands[master].kind == ReportBandKind::GroupFooter)
            --master;
    }
    if (master >= 0 && master < bands.size() && bands[master].kind == ReportBandKind::MasterData) {
        int end = master;
        while (end + 1 < bands.size() && bands[end + 1].kind == ReportBandKind::GroupFooter)
            ++end;
        if (kind == ReportBandKind::GroupHeader)
            at = bands[selected].kind == ReportBandKind::GroupHeader ? selected : master;
        else if (kind == ReportBandKind::GroupFooter)
            at = bands[selected].kind == ReportBandKind::GroupFooter ? selected + 1 : master + 1;
        else if (kind == ReportBandKind::MasterData)
            at = end + 1;
    }
    keepUndo(QString());
    ReportBand band;
    band.kind = kind;
    band.height = 10;
    if (kind == ReportBandKind::MasterData)
        band.dataset = m_dataset->currentText();
    m_layout.bands.insert(at, band);
    m_modified = true;
    m_canvas->relayout();
    m_canvas->select(at, -1);
}

void ReportDesigner::removeBand()
{
    const int b = m_canvas->selectedBand();
    if (b < 0)
        return;
    keepUndo(QString());
    m_layout.bands.removeAt(b);
    m_modified = true;
    m_canvas->relayout();
    m_canvas->select(-1, -1);
}

void ReportDesigner::done(int result)
{
    if (m_modified) {
        QMessageBox::StandardButton answer;
        if (g_closeAnswer) {
            answer = *g_closeAnswer;
            g_closeAnswer.reset();
        } else {
            answer = QMessageBox::question(this, QStringLiteral("信息提醒"), QStringLiteral("报表模板已修改，是否保存？"),
                                           QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        }
        if (answer == QMessageBox::Cancel)
            return;
        if (answer == QMessageBox::Yes && !save())
            return;
    }
    QDialog::done(m_saved ? QDialog::Accepted : result);
}

bool designReport(const QString& path, QWidget* parent, const QHash<QString, QStringList>& datasetFields)
{
    ReportJob job;
    job.kind = ReportJob::Kind::Design;
    job.path = path;
    job.datasets = datasetFields.keys();
    bool saved = false;
    if (interceptReportJob(job, &saved))
        return saved;
    ReportDesigner designer(path, parent);
    for (auto it = datasetFields.constBegin(); it != datasetFields.constEnd(); ++it)
        designer.setDatasetFields(it.key(), it.value());
    designer.exec();
    return designer.wasSaved();
}
