#include "shell/rjbz.h"

#include "data/settings.h"
#include "platform/msgbox.h"
#include "platform/shellopen.h"
#include "shell/guide.h"
#include "shell/icons.h"
#include "shell/mainform.h"
#include "shell/mryt.h"

#include <QDir>
#include <QFile>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <QPushButton>
#include <QTabWidget>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

TF_Rjbz* F_Rjbz = nullptr;
TF_About* F_About = nullptr;

TF_Rjbz::TF_Rjbz(QWidget* parent) : TF_Form(parent)
{
    setObjectName(QStringLiteral("F_Rjbz"));
    setWindowTitle(QStringLiteral("软件帮助"));
    resize(820, 600);

    RzPageControl1 = new QTabWidget(this);
    RzPageControl1->setObjectName(QStringLiteral("RzPageControl1"));
    auto browser = [this](const char* name) {
        auto* b = new QTextBrowser;
        b->setObjectName(QString::fromLatin1(name));
        b->setOpenLinks(false);
        connect(b, &QTextBrowser::anchorClicked, this, [b](const QUrl& url) {
            if (url.isRelative() || url.isLocalFile())
                b->setSource(url);  // pages of the help file itself
            else
                shellOpenOrSay(url.toString(), b);
        });
        return b;
    };
    WebBrowser1 = browser("WebBrowser1");
    WebBrowser2 = browser("WebBrowser2");
    WebBrowser3 = browser("WebBrowser3");
    RzPageControl1->addTab(WebBrowser1, QStringLiteral("在线帮助"));
    RzPageControl1->addTab(WebBrowser2, QStringLiteral("软件帮助"));
    RzPageControl1->addTab(WebBrowser3, QStringLiteral("客户反馈"));

    auto* side = new QVBoxLayout;
    auto* logo = new QLabel(this);
    logo->setPixmap(shellPicture(QStringLiteral("help"), 64, QColor(0x2e, 0x86, 0xab)));
    side->addWidget(logo, 0, Qt::AlignHCenter);
    side->addSpacing(10);
    struct Button {
        const char* name;
        const char* text;
    };
    const Button buttons[] = {{"btnSupport", "技术支持"}, {"btnHelp", "软件帮助"}, {"btnFeedback", "客户反馈"},
                              {"btnGuide", "使用向导"},  {"btnMryt", "每日一贴"}, {"btnAbout", "关于软件"},
                              {"btnExit", "退出(Esc)"}};
    for (const Button& b : buttons) {
        auto* button = new QPushButton(QString::fromUtf8(b.text), this);
        button->setObjectName(QString::fromLatin1(b.name));
        button->setAutoDefault(false);
        button->setMinimumHeight(32);
        side->addWidget(button);
    }
    side->addStretch(1);
    auto* row = new QHBoxLayout(this);
    row->addWidget(RzPageControl1, 1);
    row->addLayout(side);

    onClicked(findChild<QPushButton*>(QStringLiteral("btnSupport")), [this] { btnSupportClick(); });
    onClicked(findChild<QPushButton*>(QStringLiteral("btnHelp")), [this] { btnHelpClick(); });
    onClicked(findChild<QPushButton*>(QStringLiteral("btnFeedback")), [this] { btnFeedbackClick(); });
    onClicked(findChild<QPushButton*>(QStringLiteral("btnGuide")), [] { showForm(F_Guide); });
    onClicked(findChild<QPushButton*>(QStringLiteral("btnMryt")), [] { showForm(F_Mryt); });
    onClicked(findChild<QPushButton*>(QStringLiteral("btnAbout")), [] { showForm(F_About); });
    connect(findChild<QPushButton*>(QStringLiteral("btnExit")), &QPushButton::clicked, this, &QDialog::reject);
}

QString TF_Rjbz::helpFile()
{
    return QDir(programDir()).filePath(QStringLiteral("readme.htm"));
}

void TF_Rjbz::FormActivate()
{
    RzPageControl1->setTabVisible(1, false);
    RzPageControl1->setTabVisible(2, false);
    RzPageControl1->setTabVisible(0, true);
    RzPageControl1->setCurrentIndex(0);
    if (QFile::exists(helpFile()))
        WebBrowser1->setSource(QUrl::fromLocalFile(helpFile()));
    else
        WebBrowser1->setHtml(QStringLiteral("<p>找不到帮助文件“%1”。</p>").arg(helpFile().toHtmlEscaped()));
}

bool TF_Rjbz::FormKeyDown(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape) {
        reject();
        return true;
    }
    return false;
}

void TF_Rjbz::btnSupportClick()
{
    shellOpenOrSay(supportUrl, this);
}

void TF_Rjbz::showWebTab(int index, QTextBrowser* browser)
{
    // Web pages open in the desktop's browser; the tab says where, or that none could be started.
    RzPageControl1->setTabVisible(index, true);
    RzPageControl1->setCurrentIndex(index);
    const QString address = supportUrl.toHtmlEscaped();
    if (shellOpen(supportUrl))
        browser->setHtml(QStringLiteral("<p>已在浏览器中打开：</p><p><a href=\"%1\">%1</a></p>").arg(address));
    else
        browser->setHtml(QStringLiteral("<p>无法打开网页：这台电脑上没有找到可以启动的浏览器。</p>"
                                        "<p>请复制下面的地址，在浏览器中打开：</p><p>%1</p>")
                             .arg(address));
}

void TF_Rjbz::btnHelpClick()
{
    showWebTab(1, WebBrowser2);
}

void TF_Rjbz::btnFeedbackClick()
{
    showWebTab(2, WebBrowser3);
}

namespace {

QPixmap aboutPicture()
{
    QPixmap pm(420, 260);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient g(0, 0, 420, 260);
    g.setColorAt(0, QColor(0x1f, 0x4e, 0x79));
    g.setColorAt(1, QColor(0x2e, 0x86, 0xab));
    p.fillRect(pm.rect(), g);
    p.drawPixmap(28, 40, shellPicture(QStringLiteral("shoe"), 96, QColor(0x2e, 0x86, 0xab)));
    p.setPen(Qt::white);
    QFont title(QStringLiteral("Noto Sans CJK SC"));
    title.setPixelSize(26);
    title.setBold(true);
    p.setFont(title);
    p.drawText(QRect(140, 40, 270, 40), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("禾岚鞋店销售管理系统"));
    QFont text(QStringLiteral("Noto Sans CJK SC"));
    text.setPixelSize(15);
    p.setFont(text);
    p.drawText(QRect(140, 86, 270, 120), Qt::AlignLeft | Qt::AlignTop,
               QStringLiteral("版本 2013Z1\n鞋店进销存管理系统\n禾岚软件"));
    QFont small(QStringLiteral("Noto Sans CJK SC"));
    small.setPixelSize(12);
    p.setFont(small);
    p.drawText(QRect(0, 225, 420, 24), Qt::AlignCenter, QStringLiteral("单击图片或按Esc键关闭"));
    return pm;
}

}  // namespace

TF_About::TF_About(QWidget* parent) : TF_Form(parent)
{
    setObjectName(QStringLiteral("F_About"));
    setWindowTitle(QStringLiteral("关于软件"));
    setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
    auto* picture = new QLabel(this);
    picture->setObjectName(QStringLiteral("Image1"));
    picture->setPixmap(aboutPicture());
    picture->setAttribute(Qt::WA_TransparentForMouseEvents);
    auto* col = new QVBoxLayout(this);
    col->setContentsMargins(0, 0, 0, 0);
    col->addWidget(picture);
    layout()->setSizeConstraint(QLayout::SetFixedSize);
}

bool TF_About::FormKeyDown(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape) {
        accept();
        return true;
    }
    return false;
}

void TF_About::mousePressEvent(QMouseEvent*)
{
    accept();
}
