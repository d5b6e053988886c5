// The fetch button in the connected window: the device's settings from the last frame into the
// spin edits and the settings fields, only while the last receive event completed a valid frame.

#include "app/ClickLabel.h"
#include "platform/SpinEdit.h"
#include "tests/reception/ConnectedWindow.h"

#include <QLabel>
#include <array>

namespace tivrel::test {
namespace {

class FetchInWindow : public ConnectedWindow {
protected:
    // As after a settings file was saved or loaded: the label names it instead of "*.*".
    void nameASettingsFile() { form->RxLabel1->setText(QStringLiteral("/home/aqua/tank.tvr")); }

    // pH minimum, pH maximum, margin, KH, brightness, contrast as their spin edits show them.
    std::array<QString, 6> spinTexts() const {
        return {form->RxSpinEdit7->text(),  form->RxSpinEdit8->text(), form->RxSpinEdit11->text(),
                form->RxSpinEdit12->text(), form->RxSpinEdit9->text(), form->RxSpinEdit10->text()};
    }
};

using Texts = std::array<QString, 6>;

TEST_F(FetchInWindow, TakesTheSettingsOfAValidFrameLimitedByTheSpinEdits) {
    passStartUpLine();
    deliverFrame(frameLines({"7,05", "6,50", "7,40", "12,5", "12", "250", "1", "0"}, "80", "40"));
    ASSERT_TRUE(form->FrameValid);
    form->SettingsFields[2] = "stale"; // the fetch copies the fields again
    nameASettingsFile();

    clickFetch();
    EXPECT_EQ(spinTexts(), (Texts{"6,50", "7,40", "2,50", "12", "80", "25"}));
    EXPECT_EQ(form->SettingsFields[2], "40"); // the field keeps what the device said
    EXPECT_EQ(form->SettingsFields[7], "250");
    EXPECT_EQ(form->RxLabel1->text(), "*.*");
}

TEST_F(FetchInWindow, DoesNothingAfterAnInvalidFrame) {
    passStartUpLine();
    deliverFrame(frameLines({"7,05", "6,50", "7,40", "12,5", "12", "250", "1", "0"}, "80", "40"));
    Lines invalid = frameLines({"7.05", "5,00", "8,00", "12,5", "3", "30", "1", "0"}, "20", "5");
    deliverFrame(invalid);
    ASSERT_FALSE(form->FrameValid);
    nameASettingsFile();
    const Texts spinsBefore = spinTexts();
    const tivrel::SettingsFields fieldsBefore = form->SettingsFields;
    const QString fileLabelBefore = form->RxLabel1->text();

    clickFetch();
    EXPECT_EQ(spinTexts(), spinsBefore);
    EXPECT_EQ(form->SettingsFields, fieldsBefore);
    EXPECT_EQ(form->RxLabel1->text(), fileLabelBefore);
}

TEST_F(FetchInWindow, ABrightnessThatIsNoNumberStopsItWithTheErrorBox) {
    passStartUpLine();
    deliverFrame(frameLines({"7,05", "6,50", "7,40", "12,5", "12", "30", "1", "0"}, "hell", "20"));
    ASSERT_TRUE(form->FrameValid); // line 8 is not looked at by the validation
    form->SettingsFields[5] = "before";
    nameASettingsFile();

    clickFetch();
    expectedErrors = {"'hell' is not a valid floating point value"};
    // pH range, margin and KH came before the failing line; brightness and contrast did not.
    EXPECT_EQ(spinTexts(), (Texts{"6,50", "7,40", "0,30", "12", "100", "10"}));
    EXPECT_EQ(form->SettingsFields[5], "before");
    EXPECT_EQ(form->RxLabel1->text(), "*.*");
}

TEST_F(FetchInWindow, AfterASendItGivesBackWhatWasSent) {
    passStartUpLine();
    deliverFrame(frameLines({"7,05", "6,90", "7,10", "12,5", "8", "20", "1", "0"}));
    ASSERT_TRUE(form->FrameValid);

    // What a send does to the fields and the last frame, with the flag still set.
    form->RxSpinEdit7->setValue(6.05);
    form->RxSpinEdit8->setValue(7.00);
    form->FieldsFromSpinEdits();
    form->RefreshLastFrame();
    EXPECT_EQ(form->LastFrame[1], "6,05");
    EXPECT_EQ(form->LastFrame[2], "7,00");

    form->RxSpinEdit7->setValue(5.00);
    form->RxSpinEdit8->setValue(8.00);
    clickFetch();
    EXPECT_EQ(form->RxSpinEdit7->text(), "6,05");
    EXPECT_EQ(form->RxSpinEdit8->text(), "7,00");
    EXPECT_EQ(form->SettingsFields[5], "6");
    EXPECT_EQ(form->SettingsFields[6], "05");
    EXPECT_EQ(form->SettingsFields[3], "7");
    EXPECT_EQ(form->SettingsFields[4], "00");
}

} // namespace
} // namespace tivrel::test
