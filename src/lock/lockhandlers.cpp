// The password lock of a pool.
#include "app/frmScore/frmScore.h"

void frmScore::cmdLock_Click() {}
void frmScore::cmdunlock_Click() {}
void frmScore::Text2_LostFocus() {}
void frmScore::LockControls() {}
void frmScore::UnlockControls() {}
