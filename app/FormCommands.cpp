// The device commands of the main window: settings send and factory reset.
#include "app/TivrelMainForm.h"

void TForm1::SpeedButton3Click() {}
void TForm1::SpeedButton6Click() {}
