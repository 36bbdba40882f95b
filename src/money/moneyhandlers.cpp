// Pool amount, amount per square and payout.
#include "app/frmScore/frmScore.h"

void frmScore::txtPoolAmount_LostFocus(bool) {}
void frmScore::Payout() {}
void frmScore::Option1_Click(int) {}
