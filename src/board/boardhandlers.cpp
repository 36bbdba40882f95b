// Counts, Quick Pick, number draw and winner lookup on the board.
#include "app/frmScore/frmScore.h"

void frmScore::AddUm() {}
void frmScore::Imput_LostFocus(int) { AddUm(); }
void frmScore::Score_GotFocus(int) {}
void frmScore::txtPoolAmount_GotFocus() {}
void frmScore::cmdQuick_Click() {}
void frmScore::Command3_Click() {}
bool frmScore::IsUsedLower(int) const { return false; }
bool frmScore::IsUsedUpper(int) const { return false; }
void frmScore::FindWinner() {}
int frmScore::downColum(int) const { return 0; }
int frmScore::acrossColum(int) const { return 0; }
void frmScore::Quarter_Click(int) {}
void frmScore::Score_Change(int) {}
