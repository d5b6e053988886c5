#include "app/TivrelMainForm.h"

#include "app/AppTexts.h"
#include "app/ClickLabel.h"
#include "app/Desktop.h"
#include "app/WindowState.h"
#include "platform/AppError.h"
#include "platform/ComPort.h"
#include "platform/NumberText.h"
#include "platform/SpinEdit.h"
#include "platform/Switch.h"
#include "platform/TextFile.h"
#include "resources/Pictures.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QTimer>
#include <QToolButton>

using tivrel::ClickLabel;
using tivrel::SpinEdit;

namespace {

const QColor kSilver(192, 192, 192);
const QColor kGrey(128, 128, 128);
const QColor kTeal(0, 128, 128);
const QColor kWindowText(0, 0, 0);
const QColor kWindowBackground(180, 180, 180); // the active window border's colour
const QColor kReadingArea(240, 251, 255);
const QColor kDesktopBackground(0, 0, 0);

// "MS Sans Serif" and "Arial" stand for the installed metric-compatible sans-serif fonts.
QFont panelFont(int pixels, bool bold) {
    QFont font;
    font.setFamilies({QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}

QString text8(const std::string& bytes) {
    return QString::fromLatin1(bytes);
}
std::string bytes8(const QString& text) {
    return text.toLatin1().toStdString();
}

// Enabled controls show their colour; disabled ones keep the platform's disabled look.
void setTextColour(QWidget* widget, const QColor& colour) {
    QPalette palette = widget->palette();
    for (auto group : {QPalette::Active, QPalette::Inactive}) {
        palette.setColor(group, QPalette::WindowText, colour);
        palette.setColor(group, QPalette::ButtonText, colour);
        palette.setColor(group, QPalette::Text, colour);
    }
    widget->setPalette(palette);
}

void setBackground(QWidget* widget, const QColor& colour) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, colour);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

template <typename Label = QLabel>
Label* makeLabel(QWidget* parent, int left, int top, const char* text, const QFont& font,
                 const QColor& colour) {
    auto* label = new Label(parent);
    label->setFont(font);
    setTextColour(label, colour);
    label->move(left, top);
    TForm1::setLabelText(label, QString::fromUtf8(text));
    return label;
}

template <typename Label = QLabel>
Label* makePicture(QWidget* parent, QRect geometry, const QImage& picture) {
    auto* label = new Label(parent);
    label->setGeometry(geometry);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setPixmap(QPixmap::fromImage(picture));
    return label;
}

QToolButton* makeSpeedButton(QWidget* parent, QRect geometry, const QImage& glyph,
                             const char* hint = nullptr, bool handCursor = false) {
    auto* button = new QToolButton(parent);
    button->setGeometry(geometry);
    button->setFocusPolicy(Qt::NoFocus);
    if (!glyph.isNull()) {
        QIcon icon;
        const QPixmap pixmap = QPixmap::fromImage(glyph);
        icon.addPixmap(pixmap, QIcon::Normal);
        icon.addPixmap(pixmap, QIcon::Disabled); // covers show their grey picture as drawn
        button->setIcon(icon);
        button->setIconSize(glyph.size());
    }
    if (hint)
        button->setToolTip(QString::fromUtf8(hint));
    if (handCursor)
        button->setCursor(Qt::PointingHandCursor);
    return button;
}

SpinEdit* makeSpinEdit(QWidget* parent, QRect geometry, SpinEdit::Kind kind, double minimum,
                       double maximum, double step, double start, const char* hint) {
    auto* spin = new SpinEdit(kind, minimum, maximum, step, start, parent);
    spin->setGeometry(geometry);
    spin->setFont(panelFont(16, true));
    setTextColour(spin, kWindowText);
    spin->setToolTip(QString::fromUtf8(hint));
    return spin;
}

// A group box without caption: an etched frame around its children.
QFrame* makeGroupBox(QWidget* parent, QRect geometry) {
    auto* box = new QFrame(parent);
    box->setFrameStyle(QFrame::Box | QFrame::Sunken);
    box->setGeometry(geometry);
    return box;
}

QFrame* makePanel(QWidget* parent, QRect geometry, const QColor& colour) {
    auto* panel = new QFrame(parent);
    panel->setFrameShape(QFrame::NoFrame);
    panel->setGeometry(geometry);
    setBackground(panel, colour);
    return panel;
}

} // namespace

TForm1::TForm1(tivrel::Desktop& desktop, QWidget* parent) : QWidget(parent), desktop_(desktop) {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QString::fromUtf8(tivrel::kWindowCaption));
    setWindowIcon(QPixmap::fromImage(tivrel::pictures::programIcon()));
    setFont(panelFont(11, false));
    setTextColour(this, kSilver);
    setBackground(this, kWindowBackground);
    // The window always encloses its controls exactly; no other size can be asked for.
    setFixedSize(345, 620);
    move(1216, 136);

    Memo.append("\r\n"); // the receive buffer starts with one empty line
    ComPort = new tivrel::ComPort(this);
    Timer1 = new QTimer(this);
    createControls();
    connectHandlers();
    // The clock runs from the window's creation: its first tick comes with the first event
    // handled, inside the screen-size warning too. Each tick re-arms it for the next second.
    Timer1->setTimerType(Qt::PreciseTimer);
    Timer1->setSingleShot(true);
    Timer1->start(0);
    FormCreate();
}

void TForm1::connectHandlers() {
    connect(ComPort, &tivrel::ComPort::rxChar, this, &TForm1::ComPortRxChar);
    connect(RxSwitch1, &tivrel::Switch::clicked, this, &TForm1::RxSwitch1Click);
    connect(SpeedButton17, &QToolButton::clicked, this, &TForm1::SpeedButton17Click);
    connect(SpeedButton18, &QToolButton::clicked, this, &TForm1::SpeedButton18Click);
    connect(SpeedButton3, &QToolButton::clicked, this, &TForm1::SpeedButton3Click);
    connect(SpeedButton4, &QToolButton::clicked, this, &TForm1::SpeedButton4Click);
    connect(SpeedButton6, &QToolButton::clicked, this, &TForm1::SpeedButton6Click);
    connect(SpeedButton1, &QToolButton::clicked, this, &TForm1::SpeedButton1Click);
    connect(SpeedButton2, &QToolButton::clicked, this, &TForm1::SpeedButton2Click);
    connect(Label3, &ClickLabel::clicked, this, &TForm1::Label3Click);
    connect(Label4, &ClickLabel::clicked, this, &TForm1::Label4Click);
    connect(Label5, &ClickLabel::clicked, this, &TForm1::Label5Click);
    connect(Image6, &ClickLabel::clicked, this, &TForm1::Image6Click);
    connect(RxLabel1, &ClickLabel::clicked, this, &TForm1::RxLabel1Click);
    connect(CheckBox1, &QCheckBox::clicked, this, &TForm1::CheckBox1Click);
    connect(Timer1, &QTimer::timeout, this, &TForm1::Timer1Timer);
}

TForm1::~TForm1() = default;

void TForm1::setLabelText(QLabel* label, const QString& text) {
    label->setText(text);
    if (!label->property("fixedSize").toBool())
        label->adjustSize();
}

void TForm1::createControls() {
    createWindowControls();
    createSettingsCommands();
    createReadingArea();
    createSettingsPanel();
    // The layout itself is the disconnected state, except that "ALARM" shows under the cover.
    for (QWidget* reading : {static_cast<QWidget*>(Label7), static_cast<QWidget*>(Label8),
                             static_cast<QWidget*>(Label9), static_cast<QWidget*>(Label11),
                             static_cast<QWidget*>(Label12), static_cast<QWidget*>(Label17),
                             static_cast<QWidget*>(Label23), static_cast<QWidget*>(Image4),
                             static_cast<QWidget*>(Image1), static_cast<QWidget*>(Image2)})
        reading->hide();
    GroupBox14->setEnabled(false);
    for (SpinEdit* spin :
         {RxSpinEdit7, RxSpinEdit8, RxSpinEdit9, RxSpinEdit10, RxSpinEdit11, RxSpinEdit12})
        spin->setEnabled(false);
    Label3->setEnabled(false);
    Label4->setEnabled(false);
    Label5->setEnabled(false);
    Image6->hide();
    CheckBox1->setEnabled(false);
}

void TForm1::createWindowControls() {
    namespace pictures = tivrel::pictures;
    // Pictures, labels and speed buttons lie below the controls that are windows of their own;
    // within each kind the later one is drawn above.
    Image3 = makePicture(this, QRect(0, 115, 345, 505), pictures::frontPanel());
    Label3 = makeLabel<ClickLabel>(this, 92, 106, "", panelFont(13, false), kGrey);
    Label3->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    Label4 = makeLabel<ClickLabel>(this, 24, 106, "", panelFont(13, false), kGrey);
    Label5 = makeLabel<ClickLabel>(this, 265, 106, "", panelFont(13, true), kGrey);
    for (ClickLabel* clock : {Label3, Label4, Label5})
        clock->setCursor(Qt::PointingHandCursor);
    Label3->setToolTip(QString::fromUtf8("dziś jest ..."));
    Label4->setToolTip(QString::fromUtf8("data ..."));
    Label5->setToolTip(QString::fromUtf8("obecna godzina ..."));

    Label1 = makeLabel(this, 46, 361, "BRI", panelFont(16, true), kSilver);
    setBackground(Label1, Qt::black);
    Label2 = makeLabel(this, 264, 361, "CON", panelFont(16, true), kSilver);
    setBackground(Label2, Qt::black);
    Label2->setProperty("fixedSize", true);
    Label2->setGeometry(264, 361, 41, 20);

    Image6 = makePicture<ClickLabel>(this, QRect(276, 170, 32, 32), pictures::spreadsheet());
    Image6->setCursor(Qt::PointingHandCursor);
    Image6->setToolTip(QString::fromUtf8("Pokaż folder z plikiem Excela"));
    Image5 = makePicture(this, QRect(276, 170, 32, 32), pictures::spreadsheetGrey());

    const QFont boldSmall = panelFont(11, true);
    SpeedButton17 = makeSpeedButton(this, QRect(2, 25, 21, 21), QImage(), "Niższy numer");
    SpeedButton17->setText(QStringLiteral("<"));
    SpeedButton18 = makeSpeedButton(this, QRect(75, 25, 21, 21), QImage(), "Wyższy numer");
    SpeedButton18->setText(QStringLiteral(">"));
    for (QToolButton* button : {SpeedButton17, SpeedButton18}) {
        button->setFont(boldSmall);
        setTextColour(button, kWindowText);
    }

    GroupBox14 = makeGroupBox(this, QRect(96, 0, 249, 108));
    GroupBox14->setFont(boldSmall);
    setTextColour(GroupBox14, kWindowText);

    RxSwitch1 = new tivrel::Switch(pictures::switchOff(), pictures::switchOn(), this);
    RxSwitch1->setGeometry(25, 64, 49, 29);
    RxSwitch1->setCursor(Qt::PointingHandCursor);
    RxSwitch1->setToolTip(QString::fromUtf8(tivrel::kConnectHint));

    GroupBox1 = makeGroupBox(this, QRect(50, 203, 249, 137));
    setBackground(GroupBox1, kReadingArea);

    RxSpinEdit9 = makeSpinEdit(this, QRect(33, 381, 60, 28), SpinEdit::Kind::WholeNumber, 0, 100, 1,
                               100, "Jasność podświetlenia LCD");
    RxSpinEdit10 = makeSpinEdit(this, QRect(255, 381, 60, 28), SpinEdit::Kind::WholeNumber, 0, 25,
                                1, 10, "Kontrast LCD");
    Panel1 = makePanel(this, QRect(34, 466, 281, 105), kDesktopBackground);
    Panel2 = makePanel(this, QRect(45, 202, 260, 143), kGrey);

    CheckBox1 = new QCheckBox(this);
    CheckBox1->setGeometry(248, 178, 17, 17);
    setBackground(CheckBox1, Qt::black);
    CheckBox1->setCursor(Qt::PointingHandCursor);
    CheckBox1->setToolTip(QString::fromUtf8("Zapisz do pliku Excela w formacie CSV"));

    Edit1 = new QLineEdit(QStringLiteral("COM1"), this);
    Edit1->setGeometry(24, 23, 49, 21);
    Edit1->setReadOnly(true);
    Edit1->setFont(boldSmall);
    setTextColour(Edit1, kWindowText);
    Edit1->setToolTip(QString::fromUtf8("Wybierz port do którego podłączony jest Tivrel-7"));
}

void TForm1::createSettingsCommands() {
    namespace pictures = tivrel::pictures;
    QWidget* group = GroupBox14;
    SpeedButton3 = makeSpeedButton(group, QRect(152, 60, 89, 41), pictures::sendGlyph(),
                                   "Wyślij ustawienia do urządzenia Tivrel-7", true);
    SpeedButton4 = makeSpeedButton(group, QRect(8, 60, 89, 41), pictures::fetchGlyph(),
                                   "Pobierz ustawienia z urządzenia Tivrel-7", true);
    SpeedButton1 = makeSpeedButton(group, QRect(8, 12, 41, 41), pictures::loadGlyph(),
                                   "Pobierz ustawienia z pliku", true);
    SpeedButton2 = makeSpeedButton(group, QRect(200, 12, 41, 41), pictures::saveGlyph(),
                                   "Zachowaj ustawienia do pliku", true);
    SpeedButton10 = makeSpeedButton(group, QRect(8, 12, 41, 41), pictures::loadGlyphGrey());
    SpeedButton11 = makeSpeedButton(group, QRect(200, 12, 41, 41), pictures::saveGlyphGrey());
    SpeedButton13 = makeSpeedButton(group, QRect(8, 60, 89, 41), pictures::fetchGlyphGrey());
    SpeedButton14 = makeSpeedButton(group, QRect(152, 60, 89, 41), pictures::sendGlyphGrey());

    Bevel2 = new QFrame(group);
    Bevel2->setFrameStyle(QFrame::Panel | QFrame::Raised);
    Bevel2->setGeometry(56, 27, 137, 25);
    Bevel2->setAttribute(Qt::WA_TransparentForMouseEvents);

    Label327 = makeLabel(group, 58, 18, "Plik z konfiguracją ", panelFont(11, false), kWindowText);
    RxLabel1 = makeLabel<ClickLabel>(group, 64, 33, "*.*", panelFont(11, true), kWindowText);
    RxLabel1->setProperty("fixedSize", true);
    RxLabel1->setGeometry(64, 33, 121, 13);
    RxLabel1->setWordWrap(true);
    RxLabel1->setCursor(Qt::PointingHandCursor);
    RxLabel1->setToolTip(QStringLiteral("/")); // the root until a settings dialog names a folder

    SpeedButton6 = makeSpeedButton(group, QRect(104, 60, 41, 41), pictures::resetGlyph(),
                                   "Przywróć ustawienia domyślne (fabryczne)", true);
    SpeedButton12 = makeSpeedButton(group, QRect(104, 60, 41, 41), pictures::resetGlyphGrey());
}

void TForm1::createReadingArea() {
    namespace pictures = tivrel::pictures;
    QWidget* area = GroupBox1;
    const QFont reading = panelFont(19, true);
    Label24 = makeLabel(area, 58, 108, "(", reading, kWindowText);
    Label7 = makeLabel(area, 60, 6, "-,--", panelFont(64, true), kWindowText);
    Label8 = makeLabel(area, 8, 110, "-,--", reading, kWindowText);
    Label9 = makeLabel(area, 201, 110, "-,--", reading, kWindowText);
    Label10 = makeLabel(area, 106, 116, "ALARM", panelFont(11, true), kGrey);
    Label11 = makeLabel(area, 136, 70, "-,--", reading, kWindowText);
    Label12 = makeLabel(area, 136, 90, "--", reading, kWindowText);
    Image1 = makePicture(area, QRect(185, 8, 65, 81), pictures::co2Output());
    Image2 = makePicture(area, QRect(1, 8, 65, 81), pictures::o2Output());
    Label15 = makeLabel(area, 17, 65, "O", reading, kTeal);
    Label18 = makeLabel(area, 8, 90, "min", reading, kWindowText);
    Label20 = makeLabel(area, 200, 90, "max", reading, kWindowText);
    Label21 = makeLabel(area, 72, 70, "PPM:", reading, kWindowText);
    Label22 = makeLabel(area, 87, 90, "KH:", reading, kWindowText);
    Image4 = makePicture(area, QRect(52, 95, 30, 17), pictures::linkSymbol());
    Label17 = makeLabel(area, 64, 110, "-,--", reading, kWindowText);
    Label23 = makeLabel(area, 145, 110, "-,--", reading, kWindowText);
    Label25 = makeLabel(area, 184, 108, ")", reading, kWindowText);
    Label26 = makeLabel(area, 32, 75, "2", panelFont(13, true), kTeal);
    Label27 = makeLabel(area, 227, 76, "2", panelFont(13, true), kGrey);
    Label16 = makeLabel(area, 198, 65, "CO", reading, kGrey);
}

void TForm1::createSettingsPanel() {
    QWidget* panel = Panel1;
    const QFont caption = panelFont(19, true);
    Label13 = makeLabel(panel, 8, 8, "ZAKRES", caption, kSilver);
    Label6 = makeLabel(panel, 180, 3, "-", panelFont(23, true), kSilver);
    Label14 = makeLabel(panel, 8, 42, "PRÓG ALARMU", caption, kSilver);
    Label19 = makeLabel(panel, 8, 73, "TWW (KH) WODY", caption, kSilver);
    using Kind = SpinEdit::Kind;
    RxSpinEdit7 = makeSpinEdit(panel, QRect(100, 6, 73, 29), Kind::TwoDecimals, 4.0, 8.7, 0.01, 6.9,
                               "PH minimalne zakresu");
    RxSpinEdit8 = makeSpinEdit(panel, QRect(196, 6, 73, 28), Kind::TwoDecimals, 4.1, 8.8, 0.01, 7.1,
                               "PH maksymalne zakresu");
    RxSpinEdit11 = makeSpinEdit(panel, QRect(172, 39, 73, 28), Kind::TwoDecimals, 0, 2.5, 0.01, 0.2,
                                "Próg alarmu obliczany jako (PHmin-ALARM oraz PHmax+ALARM)");
    RxSpinEdit12 = makeSpinEdit(panel, QRect(188, 72, 57, 28), Kind::WholeNumber, 0, 20, 1, 0,
                                "Twardość węglanowa wody TWW (KH)");
}

void TForm1::showError(const std::string& message) {
    // Messages quote 8-bit texts from files and frames as they stand.
    desktop_.showError(QString::fromLatin1(message), this);
}

void TForm1::FormCreate() {
    try {
        restoreWindowState();
    } catch (const tivrel::AppError& error) {
        showError(error.what());
    }
    // The log's starting state holds whatever happened above.
    LogClosed = true;
    LogRowCount = 1;
}

void TForm1::restoreWindowState() {
    ComPort->setPortName(Edit1->text());
    const std::string path = tivrel::joinPath(tivrel::currentDirectory(), tivrel::kStateFileName);
    if (tivrel::fileExists(path)) {
        const std::vector<std::string> lines = tivrel::readTextLines(path);
        if (lines.size() != tivrel::kStateFileLineCount)
            return; // not used; the close writes a good one
        Edit1->setText(text8(lines[0]));
        if (const auto number = tivrel::portNumberFromPortLine(lines[0]))
            PortNumber = *number;
        ComPort->setPortName(Edit1->text());
        const int left = tivrel::strToInt(lines[1]);
        move(left, y());
        const int top = tivrel::strToInt(lines[2]);
        move(x(), top);
        // The size always follows the content; the stored one is only checked.
        tivrel::strToInt(lines[3]);
        tivrel::strToInt(lines[4]);
        return;
    }
    PortNumber = 1;
    const QSize screen = desktop_.screenSize();
    if (tivrel::screenBelowMinimum(screen))
        desktop_.showMessage(QString::fromUtf8(tivrel::kApplicationTitle),
                             QString::fromUtf8(tivrel::kSmallScreenWarning), this);
    move(tivrel::centredWindowPosition(screen));
    Edit1->setText(text8(tivrel::portNameForNumber(PortNumber)));
    ComPort->setPortName(Edit1->text());
    writeStateFile();
}

void TForm1::writeStateFile() {
    const std::string path = tivrel::joinPath(tivrel::currentDirectory(), tivrel::kStateFileName);
    const QRect frame = frameGeometry();
    tivrel::writeTextLines(path,
                           tivrel::stateFileLines(bytes8(Edit1->text()), pos(), frame.size()));
}

void TForm1::FormClose() {
    ComPort->close();
    try {
        writeStateFile();
    } catch (const tivrel::AppError& error) {
        // A folder that cannot be written must not keep the program from ever closing: the
        // user is told, and the close goes on.
        showError(error.what());
    }
    ComPort->close();
    if (!LogClosed) {
        try {
            FinishLog();
        } catch (const tivrel::AppError& error) {
            // The file stays on disk under the name it has; the user is told once, and the
            // window closes all the same.
            LogClosed = true;
            showError(error.what());
        }
    }
}

void TForm1::closeEvent(QCloseEvent* event) {
    FormClose();
    event->accept();
}

void TForm1::RxSwitch1Click() {
    if (RxSwitch1->isOn()) {
        try {
            ComPort->open();
        } catch (const tivrel::AppError& error) {
            showError(error.what());
            return;
        }
        for (int i = 0; i < 30; ++i)
            desktop_.pause(10);
        setConnectedState();
    } else {
        if (ComPort->isOpen())
            ComPort->close();
        setDisconnectedState();
    }
}

void TForm1::setConnectedState() {
    Edit1->setEnabled(false);
    SpeedButton17->setEnabled(false);
    SpeedButton18->setEnabled(false);
    GroupBox14->setEnabled(true);
    RxSwitch1->setToolTip(QString::fromUtf8(tivrel::kDisconnectHint));
    for (QToolButton* cover :
         {SpeedButton10, SpeedButton11, SpeedButton12, SpeedButton13, SpeedButton14})
        cover->hide();
    Panel2->hide();
    for (SpinEdit* spin :
         {RxSpinEdit7, RxSpinEdit8, RxSpinEdit9, RxSpinEdit10, RxSpinEdit11, RxSpinEdit12})
        spin->setEnabled(true);
    Label3->setEnabled(true);
    Label4->setEnabled(true);
    Label5->setEnabled(true);
    Image5->hide();
    Image6->show();
    CheckBox1->setEnabled(true);
}

void TForm1::setDisconnectedState() {
    Edit1->setEnabled(true);
    SpeedButton17->setEnabled(true);
    SpeedButton18->setEnabled(true);
    GroupBox14->setEnabled(false);
    RxSwitch1->setToolTip(QString::fromUtf8(tivrel::kConnectHint));
    for (QToolButton* cover :
         {SpeedButton10, SpeedButton11, SpeedButton12, SpeedButton13, SpeedButton14})
        cover->show();
    Panel2->show();
    for (SpinEdit* spin :
         {RxSpinEdit7, RxSpinEdit8, RxSpinEdit9, RxSpinEdit10, RxSpinEdit11, RxSpinEdit12})
        spin->setEnabled(false);
    for (QWidget* reading : {static_cast<QWidget*>(Label7), static_cast<QWidget*>(Label8),
                             static_cast<QWidget*>(Label9), static_cast<QWidget*>(Label10),
                             static_cast<QWidget*>(Label11), static_cast<QWidget*>(Label12),
                             static_cast<QWidget*>(Label17), static_cast<QWidget*>(Label23),
                             static_cast<QWidget*>(Image4)})
        reading->hide();
    Label3->setEnabled(false);
    Label4->setEnabled(false);
    Label5->setEnabled(false);
    Image5->show();
    Image6->hide();
    CheckBox1->setEnabled(false);
}

void TForm1::SpeedButton18Click() {
    PortNumber = tivrel::nextPortNumber(PortNumber);
    Edit1->setText(text8(tivrel::portNameForNumber(PortNumber)));
    ComPort->setPortName(Edit1->text());
}

void TForm1::SpeedButton17Click() {
    PortNumber = tivrel::previousPortNumber(PortNumber);
    Edit1->setText(text8(tivrel::portNameForNumber(PortNumber)));
    ComPort->setPortName(Edit1->text());
}
