// The CSV measurement log's steps in the main window.
#include "app/TivrelMainForm.h"

void TForm1::LogFrame() {}
void TForm1::FinishLog() {}
