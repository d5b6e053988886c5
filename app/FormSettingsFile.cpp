// Settings files: save and load.
#include "app/TivrelMainForm.h"

void TForm1::SpeedButton2Click() {}
void TForm1::SpeedButton1Click() {}
