#include "platform/keyfilter.h"

#include <QComboBox>
#include <QLineEdit>
#include <QTest>
#include <gtest/gtest.h>

TEST(KeyFilter, DropsTheFilteredCharactersAsTheyAreTyped)
{
    EXPECT_EQ(keyFiltered(QStringLiteral("\"!#$%&'()+,-./?@")), QString());
    EXPECT_EQ(keyFiltered(QStringLiteral("a*b 运动鞋:;<=>[]_~0")), QStringLiteral("a*b 运动鞋:;<=>[]_~0"));

    QLineEdit edit;
    installKeyFilter(&edit);
    installKeyFilter(&edit);  // twice changes nothing
    QTest::keyClicks(&edit, QStringLiteral("a'b--c*d?e@f(1).2/3"));
    EXPECT_EQ(edit.text(), QStringLiteral("abc*def123"));
    // Text set by the program stays as it is.
    edit.setText(QStringLiteral("O'Neil-1"));
    EXPECT_EQ(edit.text(), QStringLiteral("O'Neil-1"));

    QComboBox combo;
    combo.setEditable(true);
    installKeyFilter(&combo);
    QTest::keyClicks(combo.lineEdit(), QStringLiteral("x%y"));
    EXPECT_EQ(combo.currentText(), QStringLiteral("xy"));
}
