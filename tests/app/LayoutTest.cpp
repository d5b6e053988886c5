#include "app/ClickLabel.h"
#include "platform/SpinEdit.h"
#include "platform/Switch.h"
#include "tests/app/WindowFixture.h"

#include <QCheckBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <QToolButton>

using tivrel::test::WindowFixture;

namespace {

class Layout : public WindowFixture {
protected:
    void SetUp() override {
        create().show();
        (void)QTest::qWaitForWindowExposed(form.get());
    }
};

TEST_F(Layout, TheWindowIsExactlyItsContentAndCannotBeResized) {
    EXPECT_EQ(form->size(), QSize(345, 620));
    form->resize(800, 900);
    EXPECT_EQ(form->size(), QSize(345, 620));
    EXPECT_EQ(form->windowTitle().left(25), QStringLiteral("PH Controller Tivrel-7 - "));
    EXPECT_GT(form->windowTitle().size(), 25);
}

TEST_F(Layout, ControlsStandWhereTheyBelong) {
    TForm1& w = *form;
    struct Place {
        QWidget* control;
        QRect geometry;
    };
    for (const Place& p :
         {Place{w.Image3, {0, 115, 345, 505}},      Place{w.Image6, {276, 170, 32, 32}},
          Place{w.Image5, {276, 170, 32, 32}},      Place{w.SpeedButton17, {2, 25, 21, 21}},
          Place{w.SpeedButton18, {75, 25, 21, 21}}, Place{w.GroupBox14, {96, 0, 249, 108}},
          Place{w.RxSwitch1, {25, 64, 49, 29}},     Place{w.GroupBox1, {50, 203, 249, 137}},
          Place{w.RxSpinEdit9, {33, 381, 60, 28}},  Place{w.RxSpinEdit10, {255, 381, 60, 28}},
          Place{w.Panel1, {34, 466, 281, 105}},     Place{w.Panel2, {45, 202, 260, 143}},
          Place{w.CheckBox1, {248, 178, 17, 17}},   Place{w.Edit1, {24, 23, 49, 21}},
          Place{w.SpeedButton3, {152, 60, 89, 41}}, Place{w.SpeedButton14, {152, 60, 89, 41}},
          Place{w.SpeedButton4, {8, 60, 89, 41}},   Place{w.SpeedButton13, {8, 60, 89, 41}},
          Place{w.SpeedButton1, {8, 12, 41, 41}},   Place{w.SpeedButton10, {8, 12, 41, 41}},
          Place{w.SpeedButton2, {200, 12, 41, 41}}, Place{w.SpeedButton11, {200, 12, 41, 41}},
          Place{w.SpeedButton6, {104, 60, 41, 41}}, Place{w.SpeedButton12, {104, 60, 41, 41}},
          Place{w.Bevel2, {56, 27, 137, 25}},       Place{w.RxLabel1, {64, 33, 121, 13}},
          Place{w.Label2, {264, 361, 41, 20}},      Place{w.Image1, {185, 8, 65, 81}},
          Place{w.Image2, {1, 8, 65, 81}},          Place{w.Image4, {52, 95, 30, 17}},
          Place{w.RxSpinEdit7, {100, 6, 73, 29}},   Place{w.RxSpinEdit8, {196, 6, 73, 28}},
          Place{w.RxSpinEdit11, {172, 39, 73, 28}}, Place{w.RxSpinEdit12, {188, 72, 57, 28}}})
        EXPECT_EQ(p.control->geometry(), p.geometry) << p.control->metaObject()->className();
    for (QLabel* label : {w.Label7, w.Label10, w.Label13, w.Label327})
        EXPECT_EQ(label->pos(), label == w.Label7    ? QPoint(60, 6)
                                : label == w.Label10 ? QPoint(106, 116)
                                : label == w.Label13 ? QPoint(8, 8)
                                                     : QPoint(58, 18));
}

TEST_F(Layout, TextsAndHintsAreTheProgramsOwn) {
    TForm1& w = *form;
    struct Text {
        QLabel* label;
        const char* text;
    };
    for (const Text& t : {Text{w.Label1, "BRI"},
                          Text{w.Label2, "CON"},
                          Text{w.Label327, "Plik z konfiguracją "},
                          Text{w.RxLabel1, "*.*"},
                          Text{w.Label7, "-,--"},
                          Text{w.Label10, "ALARM"},
                          Text{w.Label12, "--"},
                          Text{w.Label21, "PPM:"},
                          Text{w.Label22, "KH:"},
                          Text{w.Label18, "min"},
                          Text{w.Label20, "max"},
                          Text{w.Label15, "O"},
                          Text{w.Label16, "CO"},
                          Text{w.Label26, "2"},
                          Text{w.Label24, "("},
                          Text{w.Label25, ")"},
                          Text{w.Label13, "ZAKRES"},
                          Text{w.Label6, "-"},
                          Text{w.Label14, "PRÓG ALARMU"},
                          Text{w.Label19, "TWW (KH) WODY"}})
        EXPECT_EQ(t.label->text(), QString::fromUtf8(t.text));
    EXPECT_EQ(w.Edit1->text(), QStringLiteral("COM1"));

    struct Hint {
        QWidget* control;
        const char* hint;
    };
    for (const Hint& h :
         {Hint{w.Label3, "dziś jest ..."},
          Hint{w.Label4, "data ..."},
          Hint{w.Label5, "obecna godzina ..."},
          Hint{w.Image6, "Pokaż folder z plikiem Excela"},
          Hint{w.SpeedButton17, "Niższy numer"},
          Hint{w.SpeedButton18, "Wyższy numer"},
          Hint{w.SpeedButton3, "Wyślij ustawienia do urządzenia Tivrel-7"},
          Hint{w.SpeedButton4, "Pobierz ustawienia z urządzenia Tivrel-7"},
          Hint{w.SpeedButton1, "Pobierz ustawienia z pliku"},
          Hint{w.SpeedButton2, "Zachowaj ustawienia do pliku"},
          Hint{w.SpeedButton6, "Przywróć ustawienia domyślne (fabryczne)"},
          Hint{w.RxSwitch1, "Połącz z Tivrel-7"},
          Hint{w.RxSpinEdit9, "Jasność podświetlenia LCD"},
          Hint{w.RxSpinEdit10, "Kontrast LCD"},
          Hint{w.RxSpinEdit7, "PH minimalne zakresu"},
          Hint{w.RxSpinEdit8, "PH maksymalne zakresu"},
          Hint{w.RxSpinEdit11, "Próg alarmu obliczany jako (PHmin-ALARM oraz PHmax+ALARM)"},
          Hint{w.RxSpinEdit12, "Twardość węglanowa wody TWW (KH)"},
          Hint{w.CheckBox1, "Zapisz do pliku Excela w formacie CSV"},
          Hint{w.Edit1, "Wybierz port do którego podłączony jest Tivrel-7"},
          Hint{w.RxLabel1, "/"},
          Hint{w.Image3, ""},
          Hint{w.SpeedButton14, ""},
          Hint{w.Panel2, ""}})
        EXPECT_EQ(h.control->toolTip(), QString::fromUtf8(h.hint));
}

TEST_F(Layout, SpinEditsStartWithTheirValues) {
    TForm1& w = *form;
    struct Start {
        tivrel::SpinEdit* spin;
        const char* text;
        double minimum, maximum;
    };
    for (const Start& s :
         {Start{w.RxSpinEdit7, "6,90", 4.0, 8.7}, Start{w.RxSpinEdit8, "7,10", 4.1, 8.8},
          Start{w.RxSpinEdit11, "0,20", 0, 2.5}, Start{w.RxSpinEdit12, "0", 0, 20},
          Start{w.RxSpinEdit9, "100", 0, 100}, Start{w.RxSpinEdit10, "10", 0, 25}}) {
        EXPECT_EQ(s.spin->text(), QString::fromLatin1(s.text));
        EXPECT_DOUBLE_EQ(s.spin->minimum(), s.minimum);
        EXPECT_DOUBLE_EQ(s.spin->maximum(), s.maximum);
    }
}

TEST_F(Layout, CoversLieAboveTheWorkingControlsAndTakeTheirClicks) {
    TForm1& w = *form;
    // At a point of the reading area the grey cover is what the mouse finds.
    EXPECT_EQ(w.childAt(QPoint(150, 250)), w.Panel2);
    // Over a working settings button the cover is on top of it.
    const QPoint sendCentre = w.GroupBox14->mapTo(&w, w.SpeedButton3->geometry().center());
    EXPECT_EQ(w.childAt(sendCentre), w.SpeedButton14);
    EXPECT_EQ(w.childAt(QPoint(290, 185)), w.Image5);
    // Windows of their own lie above the pictures: the check box over the device picture.
    EXPECT_EQ(w.childAt(QPoint(256, 186)), w.CheckBox1);
}

TEST_F(Layout, AClickOnADisabledSettingsButtonDoesNothing) {
    TForm1& w = *form;
    int clicks = 0;
    QObject::connect(w.SpeedButton3, &QToolButton::clicked, [&] { ++clicks; });
    const QPoint sendCentre = w.GroupBox14->mapTo(&w, w.SpeedButton3->geometry().center());
    QTest::mouseClick(w.childAt(sendCentre), Qt::LeftButton);
    QTest::mouseClick(w.SpeedButton3, Qt::LeftButton);
    EXPECT_EQ(clicks, 0);
}

TEST_F(Layout, ThePicturesHaveTheirSizes) {
    TForm1& w = *form;
    EXPECT_EQ(w.Image3->pixmap().size(), QSize(350, 503));
    EXPECT_EQ(w.Image1->pixmap().size(), QSize(59, 80));
    EXPECT_EQ(w.Image2->pixmap().size(), QSize(59, 80));
    EXPECT_EQ(w.Image4->pixmap().size(), QSize(30, 16));
    EXPECT_EQ(w.Image6->pixmap().size(), QSize(32, 32));
}

TEST_F(Layout, TheConnectedLookIsTheLightReadingArea) {
    TForm1& w = *form;
    QImage shot = w.grab().toImage();
    EXPECT_EQ(shot.pixelColor(150, 250), QColor(128, 128, 128));
    w.Panel2->hide();
    shot = w.grab().toImage();
    EXPECT_EQ(shot.pixelColor(200, 300), QColor(240, 251, 255));
}

} // namespace
