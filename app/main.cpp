#include "app/AppTexts.h"
#include "app/Desktop.h"
#include "app/TivrelMainForm.h"
#include "platform/DateText.h"
#include "resources/Pictures.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    tivrel::useUserDateTimeFormats();
    QApplication::setApplicationName(QString::fromUtf8(tivrel::kApplicationTitle));
    QApplication::setWindowIcon(QPixmap::fromImage(tivrel::pictures::programIcon()));
    tivrel::Desktop desktop;
    TForm1 form(desktop);
    form.show();
    return QApplication::exec();
}
