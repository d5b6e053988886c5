#include "platform/SpinEdit.h"

#include <QLineEdit>
#include <QTest>
#include <gtest/gtest.h>

using tivrel::SpinEdit;

namespace {

struct FormatCase {
    double value;
    bool twoDecimals;
    const char* text;
};

class SpinValueText : public ::testing::TestWithParam<FormatCase> {};

TEST_P(SpinValueText, ShowsTheValueAsTheFieldDoes) {
    const FormatCase& c = GetParam();
    EXPECT_EQ(tivrel::formatSpinValue(c.value, c.twoDecimals), c.text) << c.value;
}

INSTANTIATE_TEST_SUITE_P(
    Values, SpinValueText,
    ::testing::Values(FormatCase{6.9, true, "6,90"}, FormatCase{0.05, true, "0,05"},
                      FormatCase{6.125, true, "6,13"}, // a half goes away from zero
                      FormatCase{1.005, true, "1,01"}, // as typed, not as stored in binary
                      FormatCase{6.0 + 5.0 / 100, true, "6,05"}, FormatCase{6.999, true, "7,00"},
                      FormatCase{9.995, true, "10,00"}, FormatCase{0.0, true, "0,00"},
                      FormatCase{2.5, true, "2,50"}, FormatCase{-0.001, true, "0,00"},
                      FormatCase{100.0, false, "100"},
                      FormatCase{2.5, false, "2"}, // a half goes to the even number
                      FormatCase{3.5, false, "4"}, FormatCase{12.4, false, "12"},
                      FormatCase{0.0, false, "0"}),
    [](const auto& param) { return "Case" + std::to_string(param.index); });

class SpinEditField : public ::testing::Test {
protected:
    SpinEdit phMinimum{SpinEdit::Kind::TwoDecimals, 4.0, 8.7, 0.01, 6.9};
    SpinEdit kh{SpinEdit::Kind::WholeNumber, 0, 20, 1, 0};

    void type(SpinEdit& spin, const QString& text) { spin.findChild<QLineEdit*>()->setText(text); }
    QString shown(SpinEdit& spin) { return spin.findChild<QLineEdit*>()->text(); }
};

TEST_F(SpinEditField, StartsWithItsValueShown) {
    EXPECT_EQ(shown(phMinimum), QStringLiteral("6,90"));
    EXPECT_DOUBLE_EQ(phMinimum.value(), 6.9);
    EXPECT_EQ(shown(kh), QStringLiteral("0"));
}

TEST_F(SpinEditField, ValuesSetAreLimitedToTheRange) {
    phMinimum.setValue(9.5);
    EXPECT_EQ(shown(phMinimum), QStringLiteral("8,70"));
    phMinimum.setValue(-3);
    EXPECT_EQ(shown(phMinimum), QStringLiteral("4,00"));
    kh.setValue(30);
    EXPECT_EQ(shown(kh), QStringLiteral("20"));
}

TEST_F(SpinEditField, TypedTextIsReadAsItStands) {
    type(phMinimum, QStringLiteral("9,50"));
    EXPECT_DOUBLE_EQ(phMinimum.value(), 9.5);
    type(phMinimum, QStringLiteral("6,999"));
    EXPECT_DOUBLE_EQ(phMinimum.value(), 6.999);
    type(phMinimum, QStringLiteral("abc"));
    EXPECT_DOUBLE_EQ(phMinimum.value(), 4.0); // unreadable text reads as the minimum
    type(phMinimum, QString());
    EXPECT_DOUBLE_EQ(phMinimum.value(), 4.0);
    type(kh, QString());
    EXPECT_DOUBLE_EQ(kh.value(), 0.0);
}

TEST_F(SpinEditField, LimitedValueRoundsAndLimitsWhatWasTyped) {
    type(phMinimum, QStringLiteral("9,50"));
    EXPECT_DOUBLE_EQ(phMinimum.limitedValue(), 8.7);
    EXPECT_EQ(shown(phMinimum), QStringLiteral("8,70"));
    type(phMinimum, QStringLiteral("6,999"));
    EXPECT_DOUBLE_EQ(phMinimum.limitedValue(), 7.0);
    EXPECT_EQ(shown(phMinimum), QStringLiteral("7,00"));
}

TEST_F(SpinEditField, LosingTheFocusLimitsTheText) {
    QWidget window;
    auto* spin = new SpinEdit(SpinEdit::Kind::TwoDecimals, 4.0, 8.7, 0.01, 6.9, &window);
    auto* other = new QLineEdit(&window);
    other->move(0, 40);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    spin->setFocus();
    spin->findChild<QLineEdit*>()->setText(QStringLiteral("9,50"));
    other->setFocus();
    QTest::qWait(20);
    EXPECT_EQ(spin->findChild<QLineEdit*>()->text(), QStringLiteral("8,70"));
}

TEST_F(SpinEditField, StepsStayInsideTheRange) {
    phMinimum.stepBy(1);
    EXPECT_EQ(shown(phMinimum), QStringLiteral("6,91"));
    phMinimum.setValue(8.7);
    phMinimum.stepBy(1);
    EXPECT_EQ(shown(phMinimum), QStringLiteral("8,70"));
    kh.stepBy(-1);
    EXPECT_EQ(shown(kh), QStringLiteral("0"));
    kh.stepBy(5);
    EXPECT_EQ(shown(kh), QStringLiteral("5"));
}

TEST_F(SpinEditField, ArrowKeysStep) {
    QTest::keyClick(&kh, Qt::Key_Up);
    QTest::keyClick(&kh, Qt::Key_Up);
    EXPECT_EQ(shown(kh), QStringLiteral("2"));
    QTest::keyClick(&kh, Qt::Key_Down);
    EXPECT_EQ(shown(kh), QStringLiteral("1"));
}

} // namespace
