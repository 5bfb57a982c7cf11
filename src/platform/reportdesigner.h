// The report designer: a modal window that opens a template file, shows its bands and objects
// on a page canvas, lets the user select, move and resize objects with the mouse, edit their
// text, expression, font and frame, add and delete objects and bands, undo, and save the
// template back to the file it came from.
#pragma once

#include "platform/reporttemplate.h"

#include <QDialog>
#include <QHash>
#include <QMessageBox>
#include <QWidget>

class QCheckBox;
class QComboBox;
class QDoubleSpinBox;
class QFontComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QSpinBox;
class QStackedWidget;

// The page canvas: bands stacked under their caption strips, objects drawn as they print
// (expressions shown as written).
class ReportDesignCanvas : public QWidget {
    Q_OBJECT
public:
    explicit ReportDesignCanvas(ReportTemplate* layout, QWidget* parent = nullptr);

    void setZoom(double zoom);
    double pxPerMm() const;
    // Band and object selected; -1 for none (object -1 with a band: the band is selected).
    int selectedBand() const { return m_band; }
    int selectedObject() const { return m_object; }
    void select(int band, int object);
    // Widget coordinates of a band's area and of an object (tests drive the mouse with them).
    QRectF bandArea(int band) const;
    QRectF objectArea(int band, int object) const;
    QRectF captionArea(int band) const;
    void relayout();

signals:
    void selectionChanged();
    // Sent before the canvas changes the template, so the designer can keep an undo step.
    void aboutToChange();
    void changed();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    enum class Drag { None, Move, Resize };
    double originX() const;
    QRectF handleArea() const;

    ReportTemplate* m_layout;
    double m_zoom = 1.0;
    QVector<double> m_bandTop;  // widget y of each band's area
    int m_band = -1, m_object = -1;
    Drag m_drag = Drag::None;
    QPointF m_pressPos;
    QRectF m_pressRect;  // the object's rect (mm) when the drag began
    bool m_dragged = false;
};

class ReportDesigner : public QDialog {
    Q_OBJECT
public:
    explicit ReportDesigner(const QString& path, QWidget* parent = nullptr);

    // Datasets and their fields offered when adding a field or a barcode.
    void setDatasetFields(const QString& dataset, const QStringList& fields);

    const ReportTemplate& layout() const { return m_layout; }
    QString path() const { return m_path; }
    bool isModified() const { return m_modified; }
    bool wasSaved() const { return m_saved; }
    ReportDesignCanvas* canvas() const { return m_canvas; }

    bool save();
    void undo();
    bool canUndo() const { return !m_undo.isEmpty(); }
    // Adds an object to the selected band (text: `text` or "文本"; barcode: `text` or the
    // chosen field).
    void addObject(ReportObjectKind kind, const QString& text = QString());
    void deleteObject();
    void addBand(ReportBandKind kind);
    void removeBand();

    // Tests: the answer of the next "save changes?" question when closing.
    static void setNextCloseAnswer(QMessageBox::StandardButton answer);

protected:
    void done(int result) override;

private:
    void buildUi();
    void keepUndo(const QString& key);
    void afterChange();
    void showProperties();
    void applyObject(const QString& key);
    void applyBand(const QString& key);
    void applyPage(const QString& key);
    int targetBand() const;
    ReportObject* currentObject();
    void fillFieldCombo();
    QString fieldExpression() const;  // [dataset."field"] of the two combos

    QString m_path;
    ReportTemplate m_layout;
    QVector<ReportTemplate> m_undo;
    QString m_lastKey;
    bool m_modified = false;
    bool m_saved = false;
    bool m_filling = false;
    QHash<QString, QStringList> m_fields;

    ReportDesignCanvas* m_canvas = nullptr;
    QStackedWidget* m_props = nullptr;
    QLabel* m_status = nullptr;
    QComboBox* m_bandKind = nullptr;
    QComboBox* m_dataset = nullptr;
    QComboBox* m_field = nullptr;
    // Object properties.
    QLineEdit* m_name = nullptr;
    QPlainTextEdit* m_text = nullptr;
    QDoubleSpinBox *m_x = nullptr, *m_y = nullptr, *m_w = nullptr, *m_h = nullptr;
    QFontComboBox* m_font = nullptr;
    QDoubleSpinBox* m_fontSize = nullptr;
    QCheckBox *m_bold = nullptr, *m_italic = nullptr, *m_underline = nullptr;
    QComboBox *m_align = nullptr, *m_valign = nullptr;
    QCheckBox* m_frame[4] = {};
    QDoubleSpinBox* m_lineWidth = nullptr;
    QCheckBox* m_wrap = nullptr;
    QLineEdit* m_format = nullptr;
    QComboBox* m_barcodeType = nullptr;
    QCheckBox* m_showText = nullptr;
    // Band properties.
    QDoubleSpinBox* m_bandHeight = nullptr;
    QComboBox* m_bandDataset = nullptr;
    QLineEdit* m_condition = nullptr;
    // Page properties.
    QDoubleSpinBox *m_pageW = nullptr, *m_pageH = nullptr;
    QDoubleSpinBox* m_margin[4] = {};
    QSpinBox* m_columns = nullptr;
    QDoubleSpinBox* m_columnGap = nullptr;
};

// Opens the designer on a template file, modally (a missing file opens an empty report).
// Returns true when the user saved the template.
bool designReport(const QString& path, QWidget* parent = nullptr,
                  const QHash<QString, QStringList>& datasetFields = {});
