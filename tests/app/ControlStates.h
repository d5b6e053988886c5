#pragma once

#include "app/ClickLabel.h"
#include "app/TivrelMainForm.h"
#include "platform/SpinEdit.h"
#include "platform/Switch.h"

#include <QCheckBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QToolButton>
#include <gtest/gtest.h>

namespace tivrel::test {

// The controls of the connected (or the disconnected) state, as a whole.
inline void expectControlState(TForm1& w, bool connected) {
    EXPECT_EQ(w.Edit1->isEnabled(), !connected);
    EXPECT_EQ(w.SpeedButton17->isEnabled(), !connected);
    EXPECT_EQ(w.SpeedButton18->isEnabled(), !connected);
    EXPECT_EQ(w.GroupBox14->isEnabled(), connected);
    EXPECT_EQ(w.RxSwitch1->toolTip(), connected ? QStringLiteral("Rozłącz z Tivrel-7")
                                                : QStringLiteral("Połącz z Tivrel-7"));
    for (QToolButton* cover :
         {w.SpeedButton10, w.SpeedButton11, w.SpeedButton12, w.SpeedButton13, w.SpeedButton14})
        EXPECT_EQ(cover->isVisible(), !connected);
    EXPECT_EQ(w.Panel2->isVisible(), !connected);
    for (SpinEdit* spin : {w.RxSpinEdit7, w.RxSpinEdit8, w.RxSpinEdit9, w.RxSpinEdit10,
                           w.RxSpinEdit11, w.RxSpinEdit12})
        EXPECT_EQ(spin->isEnabled(), connected);
    for (QLabel* clock : {static_cast<QLabel*>(w.Label3), static_cast<QLabel*>(w.Label4),
                          static_cast<QLabel*>(w.Label5)})
        EXPECT_EQ(clock->isEnabled(), connected);
    EXPECT_EQ(w.Image5->isVisible(), !connected);
    EXPECT_EQ(w.Image6->isVisible(), connected);
    EXPECT_EQ(w.CheckBox1->isEnabled(), connected);
}

} // namespace tivrel::test
