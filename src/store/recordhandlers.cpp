// Loading and saving pools, the record commands and the search by date.
#include "app/frmScore/frmScore.h"

void frmScore::Fill() {}
void frmScore::Update() {}
void frmScore::ClearBoard() {}
void frmScore::SetBrowseMode(bool) {}
void frmScore::cmdAdd_Click() {}
void frmScore::cmdEdit_Click() {}
void frmScore::cmdUpdate_Click() {}
void frmScore::cmdCancel_Click() {}
void frmScore::cmdDelete_Click() {}
void frmScore::cmdFirst_Click() {}
void frmScore::cmdPrevious_Click() {}
void frmScore::cmdNext_Click() {}
void frmScore::cmdLast_Click() {}
void frmScore::cmdSearch_Click() {}
void frmScore::cmdFind_Click() {}
