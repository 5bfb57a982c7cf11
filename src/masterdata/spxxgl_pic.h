// "采集照片": the photo of a goods item, one JPEG file per goods code in the shop's picture
// folder. The caller hands the goods code over in `paramValue`.
#pragma once

#include "platform/form.h"

#include <QImage>

class QCheckBox;
class QLabel;
class QPushButton;

// The photo file of a goods code: <shop>/picture/<code>.jpg.
QString goodsPhotoPath(const QString& gSn);
// Writes a picture file (JPEG, BMP, GIF or any format the image reader knows) as the goods'
// photo, always as JPEG; a JPEG file is copied as it is. The previous photo stays when writing
// fails. Throws std::runtime_error with the reason.
void saveGoodsPhoto(const QString& gSn, const QString& sourceFile);

class TF_Spxxgl_Pic : public TF_Form {
    Q_OBJECT
public:
    explicit TF_Spxxgl_Pic(QWidget* parent = nullptr);

    QLabel* Image1 = nullptr;
    QLabel* lblClear = nullptr;  // "清除照片"
    QPushButton* btnCamera = nullptr;
    QPushButton* btnSelect = nullptr;
    QPushButton* btnSave = nullptr;
    QPushButton* btnExit = nullptr;
    QCheckBox* chkStretch = nullptr;  // "平铺"

    void btnSelectClick();
    void btnSaveClick();
    void lblClearClick();
    // Applies "平铺" to the picture shown.
    void applyStretch();

    // The file chosen since the window opened ("" while there is none).
    QString sourceFile() const { return m_source; }

protected:
    void FormActivate() override;

private:
    void showPicture(const QImage& image);

    QString m_code;
    QString m_source;
    QImage m_image;
};

extern TF_Spxxgl_Pic* F_Spxxgl_Pic;
