#pragma once

#include "link/Frame.h"
#include "link/ReceiveBuffer.h"
#include "settings/SettingsFields.h"

#include <QWidget>
#include <cstdint>
#include <string>

class QCheckBox;
class QFrame;
class QLabel;
class QLineEdit;
class QTimer;
class QToolButton;

namespace tivrel {
class ClickLabel;
class ComPort;
class Desktop;
class SpinEdit;
class Switch;
} // namespace tivrel

// The program's one window: a picture of the device's front panel with the controls on and
// around it. It owns the controls and the state that lives for the whole run, and its handlers
// glue the subsystems' steps to the controls.
class TForm1 : public QWidget {
    Q_OBJECT
public:
    // Builds the controls and runs FormCreate. The desktop must outlive the window.
    explicit TForm1(tivrel::Desktop& desktop, QWidget* parent = nullptr);
    ~TForm1() override;

    // Handlers, named after their control and event.
    void FormCreate();             // TivrelMainForm.cpp
    void FormClose();              // TivrelMainForm.cpp
    void RxSwitch1Click();         // TivrelMainForm.cpp
    void SpeedButton17Click();     // TivrelMainForm.cpp
    void SpeedButton18Click();     // TivrelMainForm.cpp
    void ComPortRxChar(int count); // FormReception.cpp
    void SpeedButton4Click();      // FormReception.cpp: fetch
    void SpeedButton3Click();      // FormCommands.cpp: send settings
    void SpeedButton6Click();      // FormCommands.cpp: factory reset
    void SpeedButton1Click();      // FormSettingsFile.cpp: load
    void SpeedButton2Click();      // FormSettingsFile.cpp: save
    void Timer1Timer();            // FormClock.cpp
    void Label3Click();            // FormClock.cpp
    void Label4Click();            // FormClock.cpp
    void Label5Click();            // FormClock.cpp
    void Image6Click();            // FormClock.cpp
    void RxLabel1Click();          // FormClock.cpp
    void CheckBox1Click();         // FormClock.cpp

    // Steps shared by several handlers.
    void ShowFrame();           // FormReception.cpp
    void FieldsFromSpinEdits(); // FormReception.cpp
    void SpinEditsFromFields(); // FormReception.cpp
    void FieldsFromFrame();     // FormReception.cpp
    void SpinEditsFromFrame();  // FormReception.cpp
    void RefreshLastFrame();    // FormReception.cpp
    void SetFactorySpinEdits(); // FormReception.cpp
    void LogFrame();            // FormLog.cpp
    void FinishLog();           // FormLog.cpp

    // Controls of the window itself.
    QLabel* Image3 = nullptr;
    tivrel::ClickLabel* Label3 = nullptr;
    tivrel::ClickLabel* Label4 = nullptr;
    tivrel::ClickLabel* Label5 = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    tivrel::ClickLabel* Image6 = nullptr;
    QLabel* Image5 = nullptr;
    QToolButton* SpeedButton17 = nullptr;
    QToolButton* SpeedButton18 = nullptr;
    QFrame* GroupBox14 = nullptr;
    tivrel::Switch* RxSwitch1 = nullptr;
    QFrame* GroupBox1 = nullptr;
    tivrel::SpinEdit* RxSpinEdit9 = nullptr;
    tivrel::SpinEdit* RxSpinEdit10 = nullptr;
    QFrame* Panel1 = nullptr;
    QFrame* Panel2 = nullptr;
    QCheckBox* CheckBox1 = nullptr;
    QLineEdit* Edit1 = nullptr;
    tivrel::ComPort* ComPort = nullptr;
    QTimer* Timer1 = nullptr;

    // Children of GroupBox14, the settings commands.
    QToolButton* SpeedButton3 = nullptr;
    QToolButton* SpeedButton4 = nullptr;
    QToolButton* SpeedButton1 = nullptr;
    QToolButton* SpeedButton2 = nullptr;
    QToolButton* SpeedButton10 = nullptr;
    QToolButton* SpeedButton11 = nullptr;
    QToolButton* SpeedButton13 = nullptr;
    QToolButton* SpeedButton14 = nullptr;
    QFrame* Bevel2 = nullptr;
    QLabel* Label327 = nullptr;
    tivrel::ClickLabel* RxLabel1 = nullptr;
    QToolButton* SpeedButton6 = nullptr;
    QToolButton* SpeedButton12 = nullptr;

    // Children of GroupBox1, the reading area.
    QLabel* Label24 = nullptr;
    QLabel* Label7 = nullptr;
    QLabel* Label8 = nullptr;
    QLabel* Label9 = nullptr;
    QLabel* Label10 = nullptr;
    QLabel* Label11 = nullptr;
    QLabel* Label12 = nullptr;
    QLabel* Image1 = nullptr;
    QLabel* Image2 = nullptr;
    QLabel* Label15 = nullptr;
    QLabel* Label18 = nullptr;
    QLabel* Label20 = nullptr;
    QLabel* Label21 = nullptr;
    QLabel* Label22 = nullptr;
    QLabel* Image4 = nullptr;
    QLabel* Label17 = nullptr;
    QLabel* Label23 = nullptr;
    QLabel* Label25 = nullptr;
    QLabel* Label26 = nullptr;
    QLabel* Label27 = nullptr;
    QLabel* Label16 = nullptr;

    // Children of Panel1, the settings panel.
    QLabel* Label13 = nullptr;
    QLabel* Label6 = nullptr;
    QLabel* Label14 = nullptr;
    QLabel* Label19 = nullptr;
    tivrel::SpinEdit* RxSpinEdit7 = nullptr;
    tivrel::SpinEdit* RxSpinEdit8 = nullptr;
    tivrel::SpinEdit* RxSpinEdit11 = nullptr;
    tivrel::SpinEdit* RxSpinEdit12 = nullptr;

    // State that lives for the whole run.
    tivrel::ReceiveBuffer Memo; // the receive buffer, one empty line at start
    tivrel::Frame LastFrame;    // the last frame taken from the buffer, valid or not
    bool FrameValid = false;    // set by a receive event that completed a valid frame
    tivrel::SettingsFields SettingsFields;
    std::int32_t PortNumber = 0;
    std::string ClockMinute;     // 4th and 5th characters of the time text
    std::string LastFrameMinute; // ClockMinute when the last valid frame was handled
    std::string LogFileName;     // the CSV log's full path
    bool LogClosed = false;
    std::int32_t LogRowCount = 0;
    QString SaveDialog1FileName; // the file chosen in each settings dialog, proposed next time
    QString OpenDialog1FileName;

    // Sets a label's text; labels that grow with their text are resized to it.
    static void setLabelText(QLabel* label, const QString& text);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void createControls();
    void createWindowControls();
    void createSettingsCommands();
    void createReadingArea();
    void createSettingsPanel();
    void restoreWindowState();
    void writeStateFile();
    void setConnectedState();
    void setDisconnectedState();
    void showError(const std::string& message);
    void connectHandlers();

    tivrel::Desktop& desktop_;
};
