#include "shell/bqjl.h"

#include "data/clock.h"
#include "data/datamodule.h"
#include "platform/msgbox.h"
#include "platform/rtf.h"

#include <QColorDialog>
#include <QComboBox>
#include <QFile>
#include <QFontComboBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTextCursor>
#include <QTextEdit>
#include <QToolButton>
#include <QVBoxLayout>

TF_Bqjl* F_Bqjl = nullptr;

TF_Bqjl::TF_Bqjl(QWidget* parent) : TF_Form(parent)
{
    setMainAction([this] { btnFindClick(); });
    setEscCloses(true);
    setObjectName(QStringLiteral("F_Bqjl"));
    setWindowTitle(QStringLiteral("便签记录"));
    resize(640, 480);

    auto tool = [this](const char* name, const QString& text) {
        auto* b = new QToolButton(this);
        b->setObjectName(QString::fromLatin1(name));
        b->setText(text);
        b->setAutoRaise(true);
        return b;
    };
    btnTime = tool("btnTime", QStringLiteral("插入时间"));
    btnBold = tool("btnBold", QStringLiteral("B"));
    btnItalic = tool("btnItalic", QStringLiteral("I"));
    btnUnderline = tool("btnUnderline", QStringLiteral("U"));
    btnColor = tool("btnColor", QStringLiteral("颜色"));
    QFont bf = btnBold->font();
    bf.setBold(true);
    btnBold->setFont(bf);
    QFont itf = btnItalic->font();
    itf.setItalic(true);
    btnItalic->setFont(itf);
    QFont uf = btnUnderline->font();
    uf.setUnderline(true);
    btnUnderline->setFont(uf);
    comFont = new QFontComboBox(this);
    comFont->setObjectName(QStringLiteral("comFont"));
    comSize = new QComboBox(this);
    comSize->setObjectName(QStringLiteral("comSize"));
    comSize->setEditable(true);  // a size not in the list shows as typed
    for (int s : {8, 9, 10, 11, 12, 14, 16, 18, 20, 22, 24, 26, 28, 36, 48, 72})
        comSize->addItem(QString::number(s));
    tFind = new QLineEdit(this);
    tFind->setObjectName(QStringLiteral("tFind"));
    tFind->setMinimumWidth(tFind->fontMetrics().horizontalAdvance(QStringLiteral("查找的文字查找的文字")) + 16);
    btnFind = new QPushButton(QStringLiteral("查找(F5)"), this);
    btnFind->setObjectName(QStringLiteral("btnFind"));
    btnFind->setAutoDefault(false);
    RichEdit1 = new QTextEdit(this);
    RichEdit1->setObjectName(QStringLiteral("RichEdit1"));
    RichEdit1->setAcceptRichText(true);

    auto* bar = new QHBoxLayout;
    for (QWidget* w : std::initializer_list<QWidget*>{btnTime, btnBold, btnItalic, btnUnderline, comFont, comSize,
                                                      btnColor})
        bar->addWidget(w);
    bar->addStretch(1);
    bar->addWidget(tFind);
    bar->addWidget(btnFind);
    auto* col = new QVBoxLayout(this);
    col->addLayout(bar);
    col->addWidget(RichEdit1, 1);

    connect(btnTime, &QToolButton::clicked, this, &TF_Bqjl::btnTimeClick);
    connect(btnBold, &QToolButton::clicked, this, [this] {
        const bool bold = RichEdit1->currentCharFormat().fontWeight() > QFont::Normal;
        mergeFormat([bold](QTextCharFormat& f) { f.setFontWeight(bold ? QFont::Normal : QFont::Bold); });
    });
    connect(btnItalic, &QToolButton::clicked, this, [this] {
        const bool italic = RichEdit1->currentCharFormat().fontItalic();
        mergeFormat([italic](QTextCharFormat& f) { f.setFontItalic(!italic); });
    });
    connect(btnUnderline, &QToolButton::clicked, this, [this] {
        const bool underline = RichEdit1->currentCharFormat().fontUnderline();
        mergeFormat([underline](QTextCharFormat& f) { f.setFontUnderline(!underline); });
    });
    connect(comFont, &QFontComboBox::currentFontChanged, this, [this](const QFont& font) {
        const QStringList families = {font.family()};
        mergeFormat([families](QTextCharFormat& f) { f.setFontFamilies(families); });
    });
    connect(comSize, &QComboBox::textActivated, this, [this](const QString& size) {
        const double points = size.toDouble();
        if (points > 0)
            mergeFormat([points](QTextCharFormat& f) { f.setFontPointSize(points); });
    });
    connect(btnColor, &QToolButton::clicked, this, [this] {
        const QColor colour = QColorDialog::getColor(RichEdit1->textColor(), this);
        if (colour.isValid())
            setSelectionColor(colour);
    });
    onClicked(btnFind, [this] { btnFindClick(); });
    // The font boxes show the font and size of the text at the cursor.
    connect(RichEdit1, &QTextEdit::currentCharFormatChanged, this, &TF_Bqjl::showCharFormat);
}

void TF_Bqjl::showCharFormat(const QTextCharFormat& format)
{
    const QSignalBlocker fontQuiet(comFont);
    const QSignalBlocker sizeQuiet(comSize);
    const QStringList families = format.fontFamilies().toStringList();
    if (!families.isEmpty())
        comFont->setCurrentFont(QFont(families.first()));
    const double points = format.fontPointSize();
    if (points > 0) {
        const QString size = QString::number(points);
        const int index = comSize->findText(size);
        if (index >= 0)
            comSize->setCurrentIndex(index);
        else
            comSize->setEditText(size);
    }
}

QString TF_Bqjl::noteFile()
{
    return shopPath(QStringLiteral("note.rtf"));
}

void TF_Bqjl::mergeFormat(const std::function<void(QTextCharFormat&)>& change)
{
    QTextCharFormat f;
    change(f);
    RichEdit1->mergeCurrentCharFormat(f);
}

void TF_Bqjl::setSelectionColor(const QColor& colour)
{
    mergeFormat([colour](QTextCharFormat& f) { f.setForeground(colour); });
}

void TF_Bqjl::FormActivate()
{
    RichEdit1->clear();
    QTextCharFormat f;
    f.setFontFamilies({QStringLiteral("宋体")});
    f.setFontPointSize(12);
    f.setForeground(Qt::black);
    RichEdit1->setCurrentCharFormat(f);
    if (QFile::exists(noteFile()))
        loadRtfFile(noteFile(), RichEdit1->document());
    tFind->clear();
}

void TF_Bqjl::FormClose()
{
    if (!saveRtfFile(noteFile(), RichEdit1->document()))
        msgInfo(QStringLiteral("便签无法保存到“") + noteFile() + QStringLiteral("”！"), this);
}

void TF_Bqjl::btnTimeClick()
{
    QTextCursor c(RichEdit1->document());
    c.movePosition(QTextCursor::Start);
    c.insertText(Clock::now().toString(QStringLiteral("yyyy-MM-dd hh:mm")));
}

void TF_Bqjl::btnFindClick()
{
    const QString key = tFind->text().trimmed();
    if (key.isEmpty())
        return;
    QTextCursor from(RichEdit1->document());
    from.setPosition(qMin(1, RichEdit1->document()->characterCount() - 1));
    // Whole words where the text has word breaks; Chinese has none, so a key holding Chinese
    // characters is found wherever it stands.
    bool chinese = false;
    for (const QChar c : key)
        chinese = chinese || c.script() == QChar::Script_Han;
    const QTextCursor found = RichEdit1->document()->find(
        key, from, chinese ? QTextDocument::FindFlags() : QTextDocument::FindWholeWords);
    // When nothing is found the cursor stays where it was.
    if (!found.isNull()) {
        RichEdit1->setTextCursor(found);
        RichEdit1->setFocus();
    }
}
