// The report designer, driven headless by object name and by mouse events on its canvas.
#include "platform/report.h"
#include "platform/reportdesigner.h"
#include "test_report_support.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QFile>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QToolButton>
#include <gtest/gtest.h>

namespace {

void mouse(QWidget* w, QEvent::Type type, const QPointF& pos, Qt::MouseButtons buttons)
{
    QMouseEvent e(type, pos, w->mapToGlobal(pos), Qt::LeftButton, buttons, Qt::NoModifier);
    QApplication::sendEvent(w, &e);
}

void click(QWidget* w, const QPointF& pos)
{
    mouse(w, QEvent::MouseButtonPress, pos, Qt::LeftButton);
    mouse(w, QEvent::MouseButtonRelease, pos, Qt::NoButton);
}

void drag(QWidget* w, const QPointF& from, const QPointF& to)
{
    mouse(w, QEvent::MouseButtonPress, from, Qt::LeftButton);
    mouse(w, QEvent::MouseMove, (from + to) / 2, Qt::LeftButton);
    mouse(w, QEvent::MouseMove, to, Qt::LeftButton);
    mouse(w, QEvent::MouseButtonRelease, to, Qt::NoButton);
}

void press(ReportDesigner& d, const char* button)
{
    auto* b = d.findChild<QToolButton*>(QLatin1String(button));
    ASSERT_NE(b, nullptr) << button;
    b->click();
}

template <class T>
T* child(ReportDesigner& d, const char* name)
{
    T* w = d.findChild<T*>(QLatin1String(name));
    EXPECT_NE(w, nullptr) << name;
    return w;
}

// Band and index of the first object whose text is `text`.
QPair<int, int> findText(const ReportTemplate& t, const QString& text)
{
    for (int b = 0; b < t.bands.size(); ++b) {
        for (int o = 0; o < t.bands[b].objects.size(); ++o) {
            if (t.bands[b].objects[o].text == text)
                return {b, o};
        }
    }
    return {-1, -1};
}

// Left edge (points) of the first word in a PDF that holds `word`.
double wordLeft(const QString& pdf, const QString& word)
{
    const QString xml = runTool(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), pdf, QStringLiteral("-")});
    const QRegularExpression re(QStringLiteral("<word xMin=\"([0-9.]+)\"[^>]*>([^<]*)</word>"));
    for (auto it = re.globalMatch(xml); it.hasNext();) {
        const auto m = it.next();
        if (m.captured(2).contains(word))
            return m.captured(1).toDouble();
    }
    return -1;
}

class ReportDesignerTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        path = dir.filePath(QStringLiteral("cgjh.fr3"));
        ASSERT_TRUE(QFile::copy(shippedReportDir() + QStringLiteral("/cgjh.fr3"), path));
        QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);
    }
    QByteArray fileBytes() const
    {
        QFile f(path);
        f.open(QIODevice::ReadOnly);
        return f.readAll();
    }
    QTemporaryDir dir;
    QString path;
};

}  // namespace

TEST_F(ReportDesignerTest, SaveAndLoadAgainIsTheSameTemplate)
{
    const QByteArray before = fileBytes();
    ReportDesigner d(path);
    ReportTemplate original;
    ASSERT_TRUE(original.load(path));
    EXPECT_TRUE(d.layout() == original);
    press(d, "btnSave");
    EXPECT_TRUE(d.wasSaved());
    EXPECT_EQ(fileBytes(), before);
    ReportDesigner again(path);
    EXPECT_TRUE(again.layout() == original);
}

// Moving the title with the mouse and changing a text show in the next print.
TEST_F(ReportDesignerTest, MouseMoveAndTextEditShowInTheNextRendering)
{
    const QString pdfBefore = dir.filePath(QStringLiteral("before.pdf"));
    const QString pdfAfter = dir.filePath(QStringLiteral("after.pdf"));
    {
        Report rpt;
        ASSERT_TRUE(rpt.loadFromFile(path));
        ASSERT_TRUE(rpt.exportPdf(pdfBefore));
    }
    ReportDesigner d(path);
    ReportDesignCanvas* canvas = d.canvas();
    const auto title = findText(d.layout(), QStringLiteral("采购进货单"));
    ASSERT_GE(title.first, 0);
    const QRectF start = d.layout().bands[title.first].objects[title.second].rect;
    const QRectF area = canvas->objectArea(title.first, title.second);
    const QPointF grip = area.center() + QPointF(area.width() / 4, 0);  // away from the lines under it
    const double px = canvas->pxPerMm();
    drag(canvas, grip, grip + QPointF(20 * px, 3 * px));
    EXPECT_EQ(canvas->selectedBand(), title.first);
    EXPECT_EQ(canvas->selectedObject(), title.second);
    EXPECT_EQ(d.layout().bands[title.first].objects[title.second].rect, start.translated(20, 3));
    EXPECT_DOUBLE_EQ(child<QDoubleSpinBox>(d, "spX")->value(), start.x() + 20);

    const auto receiver = findText(d.layout(), QStringLiteral("收货人："));
    ASSERT_GE(receiver.first, 0);
    canvas->select(receiver.first, receiver.second);
    child<QPlainTextEdit>(d, "edText")->setPlainText(QStringLiteral("收货人签字：[uName]"));
    press(d, "btnSave");
    EXPECT_FALSE(d.isModified());

    Report rpt;
    ASSERT_TRUE(rpt.loadFromFile(path));
    rpt.setVariable(QStringLiteral("uName"), QStringLiteral("'王五'"));
    ASSERT_TRUE(rpt.exportPdf(pdfAfter));
    const QString text = pdfText(pdfAfter).remove(QRegularExpression(QStringLiteral("\\s+")));
    EXPECT_TRUE(text.contains(QStringLiteral("收货人签字：王五")));
    EXPECT_FALSE(pdfText(pdfBefore).contains(QStringLiteral("签字")));
    const double shift = wordLeft(pdfAfter, QStringLiteral("采购进货单")) - wordLeft(pdfBefore, QStringLiteral("采购进货单"));
    EXPECT_NEAR(shift, 20 * 72 / 25.4, 0.5);  // 20 mm in points
}

TEST_F(ReportDesignerTest, ResizeFontFrameAndDropIntoAnotherBand)
{
    ReportDesigner d(path);
    ReportDesignCanvas* canvas = d.canvas();
    const auto note = findText(d.layout(), QStringLiteral("备注：[Note]"));
    ASSERT_GE(note.first, 0);
    canvas->select(note.first, note.second);
    const QRectF before = d.layout().bands[note.first].objects[note.second].rect;
    const double px = canvas->pxPerMm();
    const QPointF corner = canvas->objectArea(note.first, note.second).bottomRight();
    drag(canvas, corner, corner + QPointF(-25 * px, 4 * px));
    ReportObject o = d.layout().bands[note.first].objects[note.second];
    EXPECT_EQ(o.rect, QRectF(before.topLeft(), before.size() + QSizeF(-25, 4)));

    child<QDoubleSpinBox>(d, "spFontSize")->setValue(12);
    child<QCheckBox>(d, "chkBold")->setChecked(true);
    child<QCheckBox>(d, "chkFrameTop")->setChecked(false);
    child<QComboBox>(d, "cbAlign")->setCurrentIndex(2);
    child<QLineEdit>(d, "edFormat")->setText(QStringLiteral("0.00"));
    o = d.layout().bands[note.first].objects[note.second];
    EXPECT_EQ(o.font.size, 12);
    EXPECT_TRUE(o.font.bold);
    EXPECT_EQ(o.frame, QStringLiteral("lrb"));
    EXPECT_EQ(o.align, ReportHAlign::Right);
    EXPECT_EQ(o.format, QStringLiteral("0.00"));

    // Dropped on the page footer's area, the object moves into that band.
    const int footer = d.layout().bands.size() - 1;
    ASSERT_EQ(d.layout().bands[footer].kind, ReportBandKind::PageFooter);
    const int footerObjects = d.layout().bands[footer].objects.size();
    const QPointF grip = canvas->objectArea(note.first, note.second).topLeft() + QPointF(2, 2);
    const QPointF target = canvas->bandArea(footer).topLeft() + QPointF(10 * px + 2, 1 * px + 2);
    drag(canvas, grip, target);
    EXPECT_EQ(d.layout().bands[footer].objects.size(), footerObjects + 1);
    EXPECT_EQ(d.layout().bands[footer].objects.last().text, QStringLiteral("备注：[Note]"));
    EXPECT_EQ(d.layout().bands[footer].objects.last().rect.topLeft(), QPointF(10, 1));
    EXPECT_EQ(canvas->selectedBand(), footer);

    // One undo step per change: the drop first, then the edits one by one, back to the file.
    press(d, "btnUndo");
    EXPECT_EQ(d.layout().bands[footer].objects.size(), footerObjects);
    EXPECT_EQ(d.layout().bands[note.first].objects[note.second].font.size, 12);
    press(d, "btnUndo");
    EXPECT_TRUE(d.layout().bands[note.first].objects[note.second].format.isEmpty());
    EXPECT_EQ(d.layout().bands[note.first].objects[note.second].align, ReportHAlign::Right);
    ReportTemplate original;
    original.load(path);
    while (d.canUndo())
        press(d, "btnUndo");
    EXPECT_TRUE(d.layout() == original);
}

TEST_F(ReportDesignerTest, AddAndDeleteObjectsAndBands)
{
    ReportDesigner d(path);
    d.setDatasetFields(QStringLiteral("frxDBDataset1"), {QStringLiteral("g_name"), QStringLiteral("tm_code")});
    ReportDesignCanvas* canvas = d.canvas();
    const ReportTemplate original = d.layout();
    const int master = 1;
    ASSERT_EQ(d.layout().bands[master].kind, ReportBandKind::MasterData);
    click(canvas, canvas->captionArea(master).center());
    EXPECT_EQ(canvas->selectedBand(), master);
    EXPECT_EQ(canvas->selectedObject(), -1);

    const int count = d.layout().bands[master].objects.size();
    press(d, "btnAddText");
    press(d, "btnAddLine");
    child<QComboBox>(d, "cbField")->setCurrentText(QStringLiteral("tm_code"));
    press(d, "btnAddBarcode");
    press(d, "btnAddField");
    const QVector<ReportObject>& objects = d.layout().bands[master].objects;
    ASSERT_EQ(objects.size(), count + 4);
    EXPECT_EQ(objects[count].kind, ReportObjectKind::Text);
    EXPECT_EQ(objects[count].text, QStringLiteral("文本"));
    EXPECT_EQ(objects[count + 1].kind, ReportObjectKind::Line);
    EXPECT_EQ(objects[count + 2].kind, ReportObjectKind::Barcode);
    EXPECT_EQ(objects[count + 2].text, QStringLiteral("[frxDBDataset1.\"tm_code\"]"));
    EXPECT_EQ(objects[count + 3].text, QStringLiteral("[frxDBDataset1.\"tm_code\"]"));
    EXPECT_EQ(objects[count + 3].name, QStringLiteral("Text2"));
    EXPECT_EQ(canvas->selectedObject(), count + 3);
    press(d, "btnDelete");
    EXPECT_EQ(d.layout().bands[master].objects.size(), count + 3);

    // A group header goes before the selected master, a group footer after it.
    canvas->select(master, -1);
    child<QComboBox>(d, "cbBandKind")->setCurrentIndex(int(ReportBandKind::GroupHeader));
    press(d, "btnAddBand");
    EXPECT_EQ(d.layout().bands[master].kind, ReportBandKind::GroupHeader);
    EXPECT_EQ(canvas->selectedBand(), master);
    child<QLineEdit>(d, "edCondition")->setText(QStringLiteral("frxDBDataset1.\"g_sn\""));
    child<QDoubleSpinBox>(d, "spBandHeight")->setValue(7);
    EXPECT_EQ(d.layout().bands[master].condition, QStringLiteral("frxDBDataset1.\"g_sn\""));
    EXPECT_EQ(d.layout().bands[master].height, 7);
    canvas->select(master + 1, -1);
    child<QComboBox>(d, "cbBandKind")->setCurrentIndex(int(ReportBandKind::GroupFooter));
    press(d, "btnAddBand");
    EXPECT_EQ(d.layout().bands[master + 2].kind, ReportBandKind::GroupFooter);
    child<QComboBox>(d, "cbBandKind")->setCurrentIndex(int(ReportBandKind::ReportTitle));
    press(d, "btnAddBand");
    EXPECT_EQ(d.layout().bands[0].kind, ReportBandKind::ReportTitle);
    press(d, "btnRemoveBand");
    EXPECT_EQ(d.layout().bands[0].kind, ReportBandKind::PageHeader);

    // Page settings with nothing selected.
    click(canvas, QPointF(2, 2));
    EXPECT_EQ(canvas->selectedBand(), -1);
    child<QDoubleSpinBox>(d, "spPageHeight")->setValue(280);
    EXPECT_EQ(d.layout().page.height, 280);

    press(d, "btnSave");
    ReportTemplate saved;
    ASSERT_TRUE(saved.load(path));
    EXPECT_TRUE(saved == d.layout());
    while (d.canUndo())
        press(d, "btnUndo");
    EXPECT_TRUE(d.layout() == original);
}

TEST_F(ReportDesignerTest, ClosingAsksAboutUnsavedChanges)
{
    const QByteArray before = fileBytes();
    {
        ReportDesigner d(path);
        d.canvas()->select(1, -1);
        press(d, "btnAddText");
        ReportDesigner::setNextCloseAnswer(QMessageBox::Cancel);
        press(d, "btnClose");
        EXPECT_EQ(d.result(), 0);
        EXPECT_TRUE(d.isModified());  // still open with its changes
        ReportDesigner::setNextCloseAnswer(QMessageBox::No);
        press(d, "btnClose");
        EXPECT_EQ(fileBytes(), before);
    }
    ReportDesigner d(path);
    d.canvas()->select(1, -1);
    press(d, "btnAddText");
    ReportDesigner::setNextCloseAnswer(QMessageBox::Yes);
    press(d, "btnClose");
    EXPECT_EQ(d.result(), int(QDialog::Accepted));
    EXPECT_NE(fileBytes(), before);
}

TEST_F(ReportDesignerTest, MissingFileOpensAnEmptyReportAndSavesANewOne)
{
    const QString fresh = dir.filePath(QStringLiteral("kcdbd.fr3"));
    ReportDesigner d(fresh);
    EXPECT_TRUE(d.layout().isEmpty());
    press(d, "btnAddText");  // no band yet: nothing to add to
    EXPECT_TRUE(d.layout().isEmpty());
    child<QComboBox>(d, "cbBandKind")->setCurrentIndex(int(ReportBandKind::MasterData));
    press(d, "btnAddBand");
    press(d, "btnAddText");
    press(d, "btnSave");
    ReportTemplate saved;
    ASSERT_TRUE(saved.load(fresh));
    ASSERT_EQ(saved.bands.size(), 1);
    EXPECT_EQ(saved.bands[0].dataset, QStringLiteral("frxDBDataset1"));
    EXPECT_EQ(saved.bands[0].objects.size(), 1);
}

TEST(ReportDesignLaunch, InterceptedInTests)
{
    QString seen;
    setReportInterceptor([&](ReportJob& job) {
        seen = job.path;
        return job.kind == ReportJob::Kind::Design;
    });
    EXPECT_TRUE(designReport(QStringLiteral("/x/report/txm.fr3")));
    setReportInterceptor({});
    EXPECT_EQ(seen, QStringLiteral("/x/report/txm.fr3"));
}
