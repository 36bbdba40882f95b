// The team boxes: lists from the team files and completion while typing.
#include "app/frmScore/frmScore.h"

void frmScore::ProFootball() {}
void frmScore::Collage() {}
void frmScore::Combo1_Click(int) {}
void frmScore::Combo1_KeyPress(int, int &) {}
