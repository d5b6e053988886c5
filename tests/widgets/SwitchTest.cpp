#include "platform/Switch.h"

#include <QTest>
#include <gtest/gtest.h>

namespace {

class SwitchClicks : public ::testing::Test {
protected:
    SwitchClicks() {
        QImage off(41, 27, QImage::Format_RGB32);
        off.fill(Qt::gray);
        QImage on(41, 27, QImage::Format_RGB32);
        on.fill(Qt::red);
        toggle = new tivrel::Switch(off, on, &window);
        toggle->setGeometry(0, 0, 49, 29);
        QObject::connect(toggle, &tivrel::Switch::clicked, [this] {
            clicks++;
            stateSeenByHandler = toggle->isOn();
        });
        window.resize(200, 100);
        window.show();
        (void)QTest::qWaitForWindowExposed(&window);
    }
    QWidget window;
    tivrel::Switch* toggle = nullptr;
    int clicks = 0;
    bool stateSeenByHandler = false;
};

TEST_F(SwitchClicks, AClickFlipsItAndTheHandlerSeesTheNewState) {
    QTest::mouseClick(toggle, Qt::LeftButton, {}, QPoint(20, 10));
    EXPECT_EQ(clicks, 1);
    EXPECT_TRUE(toggle->isOn());
    EXPECT_TRUE(stateSeenByHandler);
    QTest::mouseClick(toggle, Qt::LeftButton, {}, QPoint(20, 10));
    EXPECT_EQ(clicks, 2);
    EXPECT_FALSE(toggle->isOn());
    EXPECT_FALSE(stateSeenByHandler);
}

TEST_F(SwitchClicks, APressReleasedOutsideLeavesItAsItWas) {
    QTest::mousePress(toggle, Qt::LeftButton, {}, QPoint(20, 10));
    EXPECT_TRUE(toggle->isOn()); // the press shows the new state at once
    QTest::mouseRelease(toggle, Qt::LeftButton, {}, QPoint(120, 60));
    EXPECT_EQ(clicks, 0);
    EXPECT_FALSE(toggle->isOn());
}

TEST_F(SwitchClicks, OtherButtonsAndDisabledSwitchDoNothing) {
    QTest::mouseClick(toggle, Qt::RightButton, {}, QPoint(20, 10));
    toggle->setEnabled(false);
    QTest::mouseClick(toggle, Qt::LeftButton, {}, QPoint(20, 10));
    EXPECT_EQ(clicks, 0);
    EXPECT_FALSE(toggle->isOn());
}

} // namespace
