#include "masterdata/spxxgl_pic.h"

#include "data/datamodule.h"
#include "data/globals.h"
#include "platform/formkit.h"
#include "platform/msgbox.h"

#include <QBuffer>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QHBoxLayout>
#include <QImageReader>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QSaveFile>
#include <QVBoxLayout>
#include <stdexcept>

TF_Spxxgl_Pic* F_Spxxgl_Pic = nullptr;

namespace {

bool isJpeg(const QByteArray& data)
{
    return data.startsWith("\xFF\xD8\xFF");
}

QByteArray jpegOf(const QByteArray& data, const QString& sourceFile)
{
    QImage image = QImage::fromData(data);
    if (image.isNull())
        throw std::runtime_error(QStringLiteral("无法读取图片文件“%1”").arg(sourceFile).toStdString());
    if (image.hasAlphaChannel()) {
        // Transparent parts of a GIF become white, not black.
        QImage opaque(image.size(), QImage::Format_RGB32);
        opaque.fill(Qt::white);
        QPainter painter(&opaque);
        painter.drawImage(0, 0, image);
        painter.end();
        image = opaque;
    }
    QByteArray jpeg;
    QBuffer buffer(&jpeg);
    buffer.open(QIODevice::WriteOnly);
    if (!image.save(&buffer, "JPG", 90))
        throw std::runtime_error("JPEG encoding failed");
    return jpeg;
}

}  // namespace

QString goodsPhotoPath(const QString& gSn)
{
    return shopPath(QStringLiteral("picture/") + gSn + QStringLiteral(".jpg"));
}

void saveGoodsPhoto(const QString& gSn, const QString& sourceFile)
{
    QFile source(sourceFile);
    if (!source.open(QIODevice::ReadOnly))
        throw std::runtime_error(QStringLiteral("无法读取图片文件“%1”").arg(sourceFile).toStdString());
    QByteArray data = source.readAll();
    source.close();
    if (!isJpeg(data))
        data = jpegOf(data, sourceFile);
    QDir().mkpath(shopPath(QStringLiteral("picture")));
    const QString target = goodsPhotoPath(gSn);
    QSaveFile out(target);
    if (!out.open(QIODevice::WriteOnly) || out.write(data) != data.size() || !out.commit())
        throw std::runtime_error(QStringLiteral("无法写入文件“%1”：%2").arg(target, out.errorString()).toStdString());
}

TF_Spxxgl_Pic::TF_Spxxgl_Pic(QWidget* parent) : TF_Form(parent)
{
    setObjectName(QStringLiteral("F_Spxxgl_Pic"));
    setWindowTitle(QStringLiteral("采集照片"));
    setEscCloses(true);

    Image1 = new QLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setFixedSize(320, 240);
    Image1->setFrameShape(QFrame::Box);
    Image1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    lblClear = new QLabel(QStringLiteral("<a href=\"clear\">清除照片</a>"), this);
    lblClear->setObjectName(QStringLiteral("lblClear"));
    chkStretch = new QCheckBox(QStringLiteral("平铺"), this);
    chkStretch->setObjectName(QStringLiteral("chkStretch"));
    auto button = [this](const char* name, const char* text) { return namedButton(this, name, QString::fromUtf8(text)); };
    // No capture device is connected to the shop's computer: "拍照" does nothing.
    btnCamera = button("btnCamera", "拍照");
    btnSelect = button("btnSelect", "选择");
    btnSave = button("btnSave", "保存");
    btnExit = button("btnExit", "退出");

    auto* options = new QHBoxLayout;
    options->addWidget(lblClear);
    options->addStretch(1);
    options->addWidget(chkStretch);
    auto* buttons = new QHBoxLayout;
    for (QPushButton* b : {btnCamera, btnSelect, btnSave, btnExit})
        buttons->addWidget(b);
    auto* col = new QVBoxLayout(this);
    col->addWidget(Image1);
    col->addLayout(options);
    col->addLayout(buttons);
    layout()->setSizeConstraint(QLayout::SetFixedSize);

    onClicked(btnSelect, [this] { btnSelectClick(); });
    onClicked(btnSave, [this] { btnSaveClick(); });
    connect(btnExit, &QPushButton::clicked, this, &QDialog::reject);
    connect(lblClear, &QLabel::linkActivated, this, [this] { runGuarded([this] { lblClearClick(); }); });
    connect(chkStretch, &QCheckBox::toggled, this, [this] { applyStretch(); });
}

void TF_Spxxgl_Pic::FormActivate()
{
    m_code = paramValue;
    chkStretch->setChecked(true);
    applyStretch();
    m_source.clear();
    showPicture(QImage());
    const QString path = goodsPhotoPath(m_code);
    if (!m_code.isEmpty() && QFile::exists(path))
        showPicture(QImage(path));
}

void TF_Spxxgl_Pic::showPicture(const QImage& image)
{
    m_image = image;
    if (image.isNull())
        Image1->clear();
    else
        Image1->setPixmap(QPixmap::fromImage(image));
}

void TF_Spxxgl_Pic::applyStretch()
{
    Image1->setScaledContents(chkStretch->isChecked());
}

void TF_Spxxgl_Pic::btnSelectClick()
{
    const QString file = openFileDialog(QStringLiteral("(*.bmp;*.jpg;*.gif)|*.bmp;*.jpg;*.gif"), QString(), this);
    if (file.isEmpty())
        return;
    QImageReader reader(file);
    reader.setDecideFormatFromContent(true);
    const QImage image = reader.read();
    if (image.isNull()) {
        msgInfo(QStringLiteral("无法读取该图片文件！"), this);
        return;
    }
    m_source = file;
    showPicture(image);
}

void TF_Spxxgl_Pic::btnSaveClick()
{
    if (!m_source.isEmpty() && !m_code.isEmpty())
        saveGoodsPhoto(m_code, m_source);
    accept();
}

void TF_Spxxgl_Pic::lblClearClick()
{
    showPicture(QImage());
    m_source.clear();
    if (!m_code.isEmpty())
        QFile::remove(goodsPhotoPath(m_code));
}
