// The clock panel and the shortcuts into the desktop.
#include "app/TivrelMainForm.h"

void TForm1::Timer1Timer() {}
void TForm1::Label3Click() {}
void TForm1::Label4Click() {}
void TForm1::Label5Click() {}
void TForm1::Image6Click() {}
void TForm1::RxLabel1Click() {}
void TForm1::CheckBox1Click() {}
