// The shell's small windows: settings, password change, setup wizard, tip of the day, notice,
// notepad, skins and help.
#include "shelltest.h"

#include "data/datamodule.h"
#include "data/password.h"
#include "data/settings.h"
#include "shell/bqjl.h"
#include "shell/commands.h"
#include "shell/guide.h"
#include "shell/login.h"
#include "shell/mainform.h"
#include "shell/mryt.h"
#include "shell/rjbz.h"
#include "shell/shellwindows.h"
#include "shell/skin.h"
#include "shell/tips.h"
#include "shell/xtcs.h"
#include "shell/xtsd.h"
#include "platform/shellopen.h"
#include "platform/skins.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFontComboBox>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QScreen>
#include <QSpinBox>
#include <QStyle>
#include <QStyleOptionSpinBox>
#include <QStackedWidget>
#include <QTabWidget>
#include <QTextBrowser>
#include <QTextEdit>
#include <QToolButton>

namespace {

class WindowTest : public ShellTest {
protected:
    void SetUp() override
    {
        ShellTest::SetUp();
        registerShellWindows();
        loginGlobals(QStringLiteral("admin"), QStringLiteral("100001"));
    }
};

// Opens a kept window modally and runs `script` on it once it is activated.
template <class T>
void openScripted(T*& global, const std::function<void(T*)>& script)
{
    T* form = ensureForm(global);
    TF_Form::scriptNextOpening(form->objectName(), [script](TF_Form* f) { script(static_cast<T*>(f)); });
    form->showModalForm();
}

// ---- System settings -----------------------------------------------------------------------

TEST_F(WindowTest, SettingsSaveInPlaceAndKeepTheSettingsTheWindowDoesNotShow)
{
    execSql(QStringLiteral("update jxc_xtcs set cs_djzddy=1,cs_djzddysl=3,cs_tmzdsc=1,cs_tmscff=1,cs_cbjs=1,"
                           "cs_shdj=1,cs_barcode=1"));
    const QString id = selectValue(QStringLiteral("select id from jxc_xtcs"));
    openScripted<TF_Xtcs>(F_Xtcs, [](TF_Xtcs* w) {
        EXPECT_EQ(w->RzPageControl1->currentIndex(), 0);
        EXPECT_EQ(w->tname->text(), "澜舟科技有限公司");
        EXPECT_EQ(w->tjc->text(), "禾岚软件");
        EXPECT_TRUE(w->chkXgdj->isChecked());
        EXPECT_FALSE(w->chkYsdh->isChecked());
        EXPECT_EQ(w->tXsws->value(), 2);
        w->tname->setText(QStringLiteral("  O'Brien (鞋业) 有限公司 "));
        w->tjc->setText(QStringLiteral("松岩"));
        w->taddress->setText(QStringLiteral("中山路1-2号/3"));
        w->comCgdj->setCurrentIndex(2);
        w->comXsdj->setCurrentIndex(1);
        w->chkXgdj->setChecked(false);
        w->chkYsdh->setChecked(true);
        w->tPosfkws->setValue(1);
        w->tXsws->setValue(3);
        QTest::keyClick(w->tname, Qt::Key_F5);
        EXPECT_FALSE(w->isVisible());
    });
    const ResultSet cs = openSelect(QStringLiteral("select * from jxc_xtcs"));
    ASSERT_EQ(cs.rowCount(), 1);
    EXPECT_EQ(cs.text(0, "id"), id);
    EXPECT_EQ(cs.text(0, "cs_cgdj"), "2");
    EXPECT_EQ(cs.text(0, "cs_xsdj"), "1");
    EXPECT_EQ(cs.text(0, "cs_xgdj"), "False");
    EXPECT_EQ(cs.text(0, "cs_ysdh"), "True");
    EXPECT_EQ(cs.text(0, "cs_posfkws"), "1");
    EXPECT_EQ(cs.text(0, "cs_xsws"), "3");
    for (const char* kept : {"cs_djzddy", "cs_tmzdsc", "cs_shdj", "cs_barcode"})
        EXPECT_EQ(cs.text(0, kept), "True") << kept;
    EXPECT_EQ(cs.text(0, "cs_djzddysl"), "3");
    EXPECT_EQ(cs.text(0, "cs_tmscff"), "1");
    EXPECT_EQ(cs.text(0, "cs_cbjs"), "1");
    EXPECT_EQ(selectValue(QStringLiteral("select c_name from jxc_company")), "O‘Brien (鞋业) 有限公司");
    EXPECT_EQ(selectValue(QStringLiteral("select c_address from jxc_company")), "中山路1-2号/3");
    // The settings in memory follow at once.
    EXPECT_EQ(companyShortName, "松岩");
    EXPECT_EQ(csCgdj, "2");
    EXPECT_EQ(csXgdj, "False");
}

TEST_F(WindowTest, SettingsNeedBothCompanyNames)
{
    for (const bool blankShortName : {true, false}) {
        MsgScript::reset();
        openScripted<TF_Xtcs>(F_Xtcs, [blankShortName](TF_Xtcs* w) {
            (blankShortName ? w->tjc : w->tname)->setText(QStringLiteral("   "));
            w->chkKc->setChecked(false);
            w->btnOKClick();
            EXPECT_TRUE(w->isVisible());
            w->btnCancel->click();
        });
        EXPECT_EQ(boxes(), QStringList({"公司信息必须填写！"}));
        EXPECT_EQ(selectValue(QStringLiteral("select c_jc from jxc_company")), "禾岚软件");
        EXPECT_EQ(selectValue(QStringLiteral("select cs_kc from jxc_xtcs")), "True");
    }
}

// ---- Password change -------------------------------------------------------------------------

TEST_F(WindowTest, PasswordChangeChecksBothPasswordsAndStoresAHash)
{
    struct Attempt {
        const char* current;
        const char* new1;
        const char* new2;
        const char* message;
    };
    const Attempt attempts[] = {
        {"", "ab~c", "abc", "新密码和验证密码不一致，不能修改密码！"},
        {"x", "ab~c", "ab~c", "当前密码错误，不能修改密码！"},
        {"  ", " ab~c ", "ab~c", "密码修改成功！"},
    };
    for (const Attempt& a : attempts) {
        MsgScript::reset();
        openScripted<TF_PwdModi>(F_PwdModi, [&a](TF_PwdModi* w) {
            EXPECT_EQ(w->aname->text(), "admin");
            EXPECT_TRUE(w->tOldPwd->text().isEmpty());
            w->tOldPwd->setText(QString::fromUtf8(a.current));
            w->tnewpwd->setText(QString::fromUtf8(a.new1));
            w->tnewpwd2->setText(QString::fromUtf8(a.new2));
            w->btnOKClick();
        });
        EXPECT_EQ(boxes(), QStringList({QString::fromUtf8(a.message)}));
    }
    const QString stored = selectValue(QStringLiteral("select a_pwd from jxc_admin where a_name='admin'"));
    EXPECT_FALSE(stored.contains(QStringLiteral("ab")));
    EXPECT_TRUE(verifyPassword(QStringLiteral("ab～c"), stored));  // stored through the safe-text rule
    EXPECT_TRUE(verifyOperator(QStringLiteral("admin"), QStringLiteral(" ab~c")).ok);
    EXPECT_FALSE(verifyOperator(QStringLiteral("admin"), QStringLiteral("AB~C")).ok);
    EXPECT_FALSE(verifyOperator(QStringLiteral("admin"), QString()).ok);
}

TEST_F(WindowTest, NewPasswordFieldsIgnoreTheConvertedCharacters)
{
    openScripted<TF_PwdModi>(F_PwdModi, [](TF_PwdModi* w) {
        for (QLineEdit* e : {w->tnewpwd, w->tnewpwd2}) {
            QTest::keyClicks(e, QStringLiteral("a(b-c*d?e@f!g/h"));
            EXPECT_EQ(e->text(), "abc*defgh");
        }
        QTest::keyClicks(w->tOldPwd, QStringLiteral("(-"));
        EXPECT_EQ(w->tOldPwd->text(), "(-");
        QTest::keyClick(w->tOldPwd, Qt::Key_Escape);
        EXPECT_FALSE(w->isVisible());
    });
    EXPECT_TRUE(verifyOperator(QStringLiteral("admin"), QString()).ok);
}

// ---- Setup wizard ------------------------------------------------------------------------------

TEST_F(WindowTest, WizardWalksItsStepsAndWritesTheCompany)
{
    openScripted<TF_Guide>(F_Guide, [](TF_Guide* w) {
        EXPECT_EQ(w->step(), 1);
        EXPECT_TRUE(w->rData->isChecked());
        EXPECT_EQ(w->btnOK1->text(), "确定");
        EXPECT_EQ(w->findChild<QLabel*>("lTitle3")->text(), "欢迎使用禾岚进销存管理系统");
        w->rUse->setChecked(true);
        EXPECT_EQ(w->btnOK1->text(), "下一步");
        w->btnOK1Click();
        EXPECT_EQ(w->step(), 2);
        EXPECT_EQ(w->tname->text(), "澜舟科技有限公司");
        w->tname->setText(QStringLiteral("  "));
        w->btnNext2Click();
        EXPECT_EQ(w->step(), 2);  // no full name: nothing happens
        w->tname->setText(QStringLiteral(" O'Brien鞋业 "));
        w->tjc->setText(QStringLiteral("OB"));
        w->btnNext2Click();
        EXPECT_EQ(w->step(), 3);
        w->rClear4->setChecked(true);
        MsgScript::answer(MsgAnswer::No);
        w->btnNext3Click();
        EXPECT_EQ(w->step(), 3);
        MsgScript::answer(MsgAnswer::Yes);
        w->btnNext3Click();
        EXPECT_EQ(w->step(), 4);
        w->btnNext4Click();
        EXPECT_EQ(w->step(), 5);
        EXPECT_TRUE(w->rSele52->isChecked());
        w->findChild<QPushButton*>("btnPrev5")->click();
        EXPECT_EQ(w->step(), 4);
        w->btnNext4Click();
        w->btnFinishClick();
        EXPECT_FALSE(w->isVisible());
    });
    // No safe-text conversion in the wizard.
    EXPECT_EQ(selectValue(QStringLiteral("select c_name from jxc_company")), "O'Brien鞋业");
    EXPECT_EQ(selectValue(QStringLiteral("select c_jc from jxc_company")), "OB");
    EXPECT_EQ(boxes(), QStringList({"您确定不清除任何数据，准备进行下一步吗？", "您确定不清除任何数据，准备进行下一步吗？",
                                    notAvailableText(QStringLiteral("采购进货"))}));
    // Every opening starts again at step 1.
    openScripted<TF_Guide>(F_Guide, [](TF_Guide* w) { EXPECT_EQ(w->step(), 1); });
}

TEST_F(WindowTest, WizardClearingIsReservedToTheAdministrator)
{
    addOperator(QStringLiteral("张三"), QStringLiteral("abc"), QStringLiteral("100001"));
    appendRow(QStringLiteral("jxc_log"), {{QStringLiteral("log_note"), QStringLiteral("旧")}});
    loginGlobals(QStringLiteral("张三"), QStringLiteral("200001"));
    openScripted<TF_Guide>(F_Guide, [](TF_Guide* w) {
        w->showStep(3);
        w->rClear1->setChecked(true);
        w->btnNext3Click();
        EXPECT_EQ(w->step(), 3);
    });
    EXPECT_EQ(boxes(), QStringList({"只有系统管理员才能使用此功能！"}));
    EXPECT_EQ(selectValue(QStringLiteral("select count(*) from jxc_admin")), "2");

    // The administrator clears everything after confirming: only admin with an empty password stays.
    MsgScript::reset();
    loginGlobals(QStringLiteral("张三"), QStringLiteral("100001"));
    openScripted<TF_Guide>(F_Guide, [](TF_Guide* w) {
        w->showStep(3);
        w->rClear1->setChecked(true);
        MsgScript::answer(MsgAnswer::No);
        w->btnNext3Click();
        EXPECT_EQ(w->step(), 3);
        EXPECT_EQ(selectValue(QStringLiteral("select count(*) from jxc_admin")), "2");
        MsgScript::answer(MsgAnswer::Yes);
        w->btnNext3Click();
        EXPECT_EQ(w->step(), 4);
    });
    // A safety copy comes before the reset.
    const QStringList shown = boxes();
    ASSERT_EQ(shown.size(), 3);
    EXPECT_EQ(shown[1], "您确定要进行数据清理操做吗？");
    EXPECT_TRUE(shown[2].startsWith("备份成功！备份文件保存在")) << shown[2].toStdString();
    EXPECT_EQ(selectValue(QStringLiteral("select group_concat(a_name) from jxc_admin")), "admin");
    EXPECT_EQ(selectValue(QStringLiteral("select count(*) from jxc_log")), "0");
    EXPECT_TRUE(verifyOperator(QStringLiteral("admin"), QString()).ok);
}

TEST_F(WindowTest, WizardStepFourOpensTheSettingsWindow)
{
    openScripted<TF_Xtcs>(F_Xtcs, [](TF_Xtcs* w) { w->btnCancel->click(); });  // created and kept
    openScripted<TF_Guide>(F_Guide, [](TF_Guide* w) {
        w->showStep(4);
        bool opened = false;
        TF_Form::scriptNextOpening(QStringLiteral("F_Xtcs"), [&](TF_Form* f) {
            opened = true;
            f->close();
        });
        w->findChild<QPushButton*>("btnSet7")->click();
        EXPECT_TRUE(opened);
        MsgScript::reset();
        w->findChild<QPushButton*>("btnSet2")->click();
        EXPECT_EQ(boxes(), QStringList({notAvailableText(QStringLiteral("供货商设置"))}));
    });
}

// ---- Tip of the day ------------------------------------------------------------------------------

TEST_F(WindowTest, TipOfTheDayTakesTurnsThroughTheTips)
{
    auto openingShows = [] {
        QString id;
        openScripted<TF_Mryt>(F_Mryt, [&id](TF_Mryt* w) { id = w->currentId(); });
        return id;
    };
    // New tips: the second, then the third, then the second again.
    EXPECT_EQ(openingShows(), "2");
    EXPECT_EQ(openingShows(), "3");
    EXPECT_EQ(openingShows(), "2");
    EXPECT_EQ(selectValue(QStringLiteral("select mr_rq from jxc_mryt where id=2")), "2013-05-28");
    EXPECT_EQ(selectValue(QStringLiteral("select count(*) from jxc_mryt where mr_state='1'")), "1");

    // "下一贴" from the first tip shown today; a new opening the same day shows the first again.
    execSql(QStringLiteral("update jxc_mryt set mr_state='0',mr_rq='2011-1-1'"));
    execSql(QStringLiteral("update jxc_mryt set mr_rq='2013-05-28' where id=1"));
    openScripted<TF_Mryt>(F_Mryt, [](TF_Mryt* w) {
        EXPECT_EQ(w->currentId(), "1");
        w->btnNextClick();
        EXPECT_EQ(w->currentId(), "2");
        EXPECT_EQ(w->lMsg->text(), selectValue(QStringLiteral("select mr_ts from jxc_mryt where id=2")));
    });
    EXPECT_EQ(openingShows(), "1");

    // Both directions wrap around.
    openScripted<TF_Mryt>(F_Mryt, [](TF_Mryt* w) {
        for (int i = 0; i < 16 && w->currentId() != "1"; ++i)
            w->btnPrevClick();
        ASSERT_EQ(w->currentId(), "1");
        w->btnPrevClick();
        EXPECT_EQ(w->currentId(), "16");
        w->btnNextClick();
        EXPECT_EQ(w->currentId(), "1");
        QSet<QString> seen;
        for (int i = 0; i < 16; ++i) {
            w->btnNextClick();
            seen.insert(w->currentId());
        }
        EXPECT_EQ(seen.size(), 16);
        // The switch is stored when the window closes.
        w->chkDisp->setChecked(false);
    });
    EXPECT_EQ(selectValue(QStringLiteral("select t_mryt from jxc_txdisp")), "0");
}

TEST_F(WindowTest, TipOfTheDayWithoutTipsShowsNothing)
{
    execSql(QStringLiteral("delete from jxc_mryt"));
    openScripted<TF_Mryt>(F_Mryt, [](TF_Mryt* w) {
        EXPECT_TRUE(w->lMsg->text().isEmpty());
        w->btnNextClick();
        w->btnPrevClick();
        EXPECT_EQ(w->currentId(), "0");
    });
    EXPECT_TRUE(boxes().isEmpty());
}

// ---- Notice --------------------------------------------------------------------------------

TEST_F(WindowTest, NoticeRisesStaysAndSinks)
{
    const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
    showTips(QStringLiteral("信息已成功保存！"));
    ASSERT_TRUE(F_Tips);
    ASSERT_TRUE(waitFor([] { return F_Tips->Step == 2; }, 2000));
    EXPECT_EQ(F_Tips->lMsg->text(), "信息已成功保存！");
    EXPECT_EQ(F_Tips->y(), area.bottom() + 1 - 100);
    EXPECT_EQ(F_Tips->geometry().right(), area.right() - 1);
    QTest::qWait(1500);
    EXPECT_TRUE(F_Tips->isVisible());
    EXPECT_EQ(F_Tips->y(), area.bottom() + 1 - 100);
    ASSERT_TRUE(waitFor([] { return !F_Tips->isVisible(); }, 5000));
    EXPECT_GT(F_Tips->y(), area.bottom());
}

// ---- Notepad -----------------------------------------------------------------------------------

TEST_F(WindowTest, NotepadKeepsItsRichTextAcrossOpenings)
{
    EXPECT_FALSE(QFile::exists(TF_Bqjl::noteFile()));
    openScripted<TF_Bqjl>(F_Bqjl, [](TF_Bqjl* w) {
        EXPECT_TRUE(w->RichEdit1->toPlainText().isEmpty());
        EXPECT_EQ(w->RichEdit1->currentCharFormat().fontPointSize(), 12);
        w->RichEdit1->setPlainText(QStringLiteral("进货 单据 红色"));
        QTextCursor c(w->RichEdit1->document());
        c.setPosition(3);
        c.setPosition(5, QTextCursor::KeepAnchor);
        w->RichEdit1->setTextCursor(c);
        w->btnBold->click();
        c.setPosition(6);
        c.setPosition(8, QTextCursor::KeepAnchor);
        w->RichEdit1->setTextCursor(c);
        w->setSelectionColor(Qt::red);
        w->btnTimeClick();
    });
    ASSERT_TRUE(QFile::exists(TF_Bqjl::noteFile()));
    openScripted<TF_Bqjl>(F_Bqjl, [](TF_Bqjl* w) {
        const QString text = w->RichEdit1->toPlainText();
        EXPECT_EQ(text, "2013-05-28 10:00进货 单据 红色");
        QTextCursor c(w->RichEdit1->document());
        c.setPosition(16 + 4);
        EXPECT_EQ(c.charFormat().fontWeight(), QFont::Bold);
        c.setPosition(16 + 7);
        EXPECT_EQ(c.charFormat().foreground().color(), QColor(Qt::red));
        c.setPosition(16 + 1);
        EXPECT_NE(c.charFormat().fontWeight(), QFont::Bold);
        // Search finds whole words.
        w->tFind->setText(QStringLiteral(" 单据 "));
        QTest::keyClick(w->tFind, Qt::Key_F5);
        EXPECT_EQ(w->RichEdit1->textCursor().selectedText(), "单据");
    });
}

TEST_F(WindowTest, NotepadFindsChineseAndItsFontBoxesFollowTheCursor)
{
    openScripted<TF_Bqjl>(F_Bqjl, [](TF_Bqjl* w) {
        w->RichEdit1->setPlainText(QStringLiteral("客户张三明天来取货，张三的电话在本子上。 order no 12"));
        // A Chinese word has no word breaks around it: it is found where it stands.
        w->tFind->setText(QStringLiteral("张三"));
        QTest::keyClick(w->tFind, Qt::Key_F5);
        EXPECT_EQ(w->RichEdit1->textCursor().selectedText(), "张三");
        EXPECT_EQ(w->RichEdit1->textCursor().selectionStart(), 2);
        // Latin text is still searched as whole words: "or" is not found inside "order".
        w->RichEdit1->moveCursor(QTextCursor::Start);
        w->tFind->setText(QStringLiteral("or"));
        w->btnFindClick();
        EXPECT_FALSE(w->RichEdit1->textCursor().hasSelection());
        // The search box has room for a dozen characters.
        EXPECT_GE(w->tFind->width(), w->tFind->fontMetrics().horizontalAdvance(QStringLiteral("张三李四王五赵六")));

        // The font boxes show the font and size of the text at the cursor.
        QTextCursor c(w->RichEdit1->document());
        c.setPosition(0);
        c.setPosition(2, QTextCursor::KeepAnchor);
        QTextCharFormat big;
        big.setFontPointSize(20);
        big.setFontFamilies({QStringLiteral("DejaVu Serif")});
        c.mergeCharFormat(big);
        c.clearSelection();
        c.setPosition(1);
        w->RichEdit1->setTextCursor(c);
        EXPECT_EQ(w->comSize->currentText(), "20");
        EXPECT_EQ(w->comFont->currentFont().family(), QFont(QStringLiteral("DejaVu Serif")).family());
        c.setPosition(6);
        w->RichEdit1->setTextCursor(c);
        EXPECT_EQ(w->comSize->currentText(), "12");
    });
}

// ---- Skins and help --------------------------------------------------------------------------

TEST_F(WindowTest, SkinChooserStoresTheChosenSkin)
{
    openScripted<TF_Skin>(F_Skin, [](TF_Skin* w) {
        EXPECT_EQ(w->comSkin->currentText(), "iMaginary");
        EXPECT_EQ(w->comSkin->count(), 29);
        w->comSkin->setCurrentText(QStringLiteral("Office2010Blue"));
        w->btnOKClick();
    });
    EXPECT_EQ(selectValue(QStringLiteral("select skin_name from jxc_skin")), "Office2010Blue");
    // A name that is not in the list selects nothing.
    execSql(QStringLiteral("update jxc_skin set skin_name='Nothing'"));
    openScripted<TF_Skin>(F_Skin, [](TF_Skin* w) { EXPECT_EQ(w->comSkin->currentIndex(), -1); });
}

TEST_F(WindowTest, NumberBoxesShowTheirArrowsUnderEverySkin)
{
    QWidget host;
    auto* box = new QSpinBox(&host);
    box->setRange(0, 9);
    box->setValue(2);
    box->setGeometry(0, 0, 80, 26);
    host.resize(80, 26);
    host.show();
    for (const QString& name : skinNames()) {
        ASSERT_TRUE(applySkin(name));
        QCoreApplication::processEvents();
        QStyleOptionSpinBox opt;
        opt.initFrom(box);
        opt.subControls = QStyle::SC_SpinBoxUp | QStyle::SC_SpinBoxDown;
        opt.buttonSymbols = box->buttonSymbols();
        opt.frame = true;
        const QRect up = box->style()->subControlRect(QStyle::CC_SpinBox, &opt, QStyle::SC_SpinBoxUp, box);
        const QImage shot = box->grab().toImage();
        // The arrow is drawn in a colour that stands out from the button's face.
        const QColor face = shot.pixelColor(up.left() + 2, up.top() + 2);
        int strong = 0;
        for (int y = up.top(); y <= up.bottom(); ++y)
            for (int x = up.left(); x <= up.right(); ++x) {
                const QColor p = shot.pixelColor(x, y);
                if (qAbs(p.lightness() - face.lightness()) > 60)
                    ++strong;
            }
        EXPECT_FALSE(up.isEmpty()) << name.toStdString();
        EXPECT_GE(strong, 6) << "no arrow under " << name.toStdString();
    }
    applySkin(QStringLiteral("iMaginary"));
}

TEST_F(WindowTest, ShellDialogsFitA1024x768Screen)
{
    const QSize screen(1024, 768 - 70);
    auto check = [&](TF_Form* w) {
        w->show();
        QCoreApplication::processEvents();
        EXPECT_LE(w->width(), screen.width()) << w->objectName().toStdString();
        EXPECT_LE(w->height(), screen.height()) << w->objectName().toStdString();
        const QStringList faults = layoutFaults(w);
        EXPECT_TRUE(faults.isEmpty()) << w->objectName().toStdString() << ":\n" << faults.join('\n').toStdString();
        w->hide();
    };
    check(ensureForm(F_Xtcs));
    check(ensureForm(F_Bqjl));
    check(ensureForm(F_Rjbz));
    check(ensureForm(F_Skin));
    check(ensureForm(F_Mryt));
    check(ensureForm(F_Xtsd));
    check(ensureForm(F_PwdModi));
    check(ensureForm(F_Login));
    TF_Guide* guide = ensureForm(F_Guide);
    for (int step = 1; step <= 4; ++step) {
        guide->showStep(step);
        check(guide);
    }
}

TEST_F(WindowTest, ANewShortNameShowsInTheMainWindowsTitleAtOnce)
{
    TF_MainForm form;
    form.showCompanyName();
    openScripted<TF_Xtcs>(F_Xtcs, [](TF_Xtcs* w) {
        w->tjc->setText(QStringLiteral("松岩鞋城"));
        w->btnOKClick();
    });
    EXPECT_EQ(form.windowTitle(), "禾岚鞋店销售管理系统[松岩鞋城] 2013Z1");
}

TEST_F(WindowTest, HelpCentreWithoutABrowserSaysSoAndShowsTheAddress)
{
    setShellOpener([](const QUrl&) { return false; });
    openScripted<TF_Rjbz>(F_Rjbz, [](TF_Rjbz* w) {
        w->btnHelpClick();
        const QString page = w->WebBrowser2->toPlainText();
        EXPECT_FALSE(page.contains("已在浏览器中打开")) << page.toStdString();
        EXPECT_TRUE(page.contains("无法打开网页")) << page.toStdString();
        EXPECT_TRUE(page.contains(supportUrl));
        w->btnSupportClick();
    });
    ASSERT_EQ(boxes().size(), 1);
    EXPECT_TRUE(boxes().first().startsWith("无法打开“" + supportUrl + "”")) << boxes().first().toStdString();
    // F1 on the main window without a browser says so too, with the help file's path.
    MsgScript::reset();
    TF_MainForm form;
    form.setWindowState(Qt::WindowNoState);
    startAndLogin(form, QStringLiteral("admin"), QString());
    MsgScript::reset();
    QTest::keyClick(&form, Qt::Key_F1);
    ASSERT_EQ(boxes().size(), 1);
    EXPECT_TRUE(boxes().first().contains(QDir(programDir()).filePath("readme.htm"))) << boxes().first().toStdString();
    setShellOpener({});
}

TEST(ShellOpen, TheOpenersAnswerCounts)
{
    QTemporaryDir dir;
    auto tool = [&](const char* name, const QByteArray& body) {
        const QString path = dir.filePath(name);
        QFile f(path);
        f.open(QIODevice::WriteOnly);
        f.write("#!/bin/sh\n" + body + "\n");
        f.close();
        f.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        return path;
    };
    const QUrl url(QStringLiteral("https://support.jxc.example/"));
    // xdg-open without a browser ends at once with code 3; with one it ends well or keeps running.
    EXPECT_FALSE(openWithTool(tool("nobrowser", "exit 3"), url));
    EXPECT_TRUE(openWithTool(tool("browser", "exit 0"), url));
    EXPECT_TRUE(openWithTool(tool("running", "sleep 2"), url, 200));
    EXPECT_FALSE(openWithTool(dir.filePath("missing"), url));
    // Without a screen nothing opens, and shellOpen says so.
    EXPECT_FALSE(shellOpen(url.toString()));
}

TEST_F(WindowTest, DatabaseErrorsStartWithAChineseSentenceAndKeepTheDatabasesWords)
{
    EXPECT_FALSE(runGuarded([] { execSql(QStringLiteral("insert into nowhere values (1)")); }));
    EXPECT_FALSE(runGuarded([] { selectValue(QStringLiteral("select nocolumn from jxc_company")); }));
    ASSERT_EQ(boxes().size(), 2);
    const QString file = QDir::toNativeSeparators(db->path());
    EXPECT_EQ(boxes().at(0).toStdString(), ("向数据库“" + file + "”写入数据时出错，操作没有完成。\n\n数据库的提示：no such table: nowhere").toStdString());
    EXPECT_EQ(boxes().at(1).toStdString(), ("从数据库“" + file + "”读取数据时出错，操作没有完成。\n\n数据库的提示：no such column: nocolumn").toStdString());
    // A database that cannot be written says so in its first sentence.
    MsgScript::reset();
    mainDb().exec(QStringLiteral("pragma query_only=1"));
    EXPECT_FALSE(runGuarded([] { execSql(QStringLiteral("update jxc_company set c_jc='x'")); }));
    mainDb().exec(QStringLiteral("pragma query_only=0"));
    ASSERT_EQ(boxes().size(), 1);
    EXPECT_TRUE(boxes().first().startsWith("数据库文件“" + file + "”不能写入")) << boxes().first().toStdString();
    // The program's own messages stand as they are.
    MsgScript::reset();
    runGuarded([] { throw DbError(QStringLiteral("金额“abc”不是数字")); });
    EXPECT_EQ(boxes(), QStringList({"金额“abc”不是数字"}));
}

TEST_F(WindowTest, HelpCentreShowsTheHelpFile)
{
    QFile::copy(QStringLiteral(JXC_SOURCE_DIR "/resources/readme.htm"), TF_Rjbz::helpFile());
    openScripted<TF_Rjbz>(F_Rjbz, [](TF_Rjbz* w) {
        EXPECT_TRUE(w->RzPageControl1->isTabVisible(0));
        EXPECT_FALSE(w->RzPageControl1->isTabVisible(1));
        EXPECT_FALSE(w->RzPageControl1->isTabVisible(2));
        EXPECT_TRUE(w->WebBrowser1->toPlainText().contains("禾岚鞋店销售管理系统 帮助文档"));
        w->btnFeedbackClick();
        EXPECT_TRUE(w->RzPageControl1->isTabVisible(2));
        EXPECT_EQ(w->RzPageControl1->currentIndex(), 2);
        bool about = false;
        TF_Form::scriptNextOpening(QStringLiteral("F_About"), [&](TF_Form*) { about = true; });
        w->findChild<QPushButton*>("btnAbout")->click();
        EXPECT_TRUE(about);
    });
}

}  // namespace
