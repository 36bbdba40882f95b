// Printing a picture of the main window.
#include "app/frmScore/frmScore.h"

void frmScore::cmdPrint_Click() {}
