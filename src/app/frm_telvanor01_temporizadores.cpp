#include "app/frm_telvanor01.h"

void frmTelvanor01::Timer1_Timer() {}
void frmTelvanor01::Timer2_Timer() {}
void frmTelvanor01::Timer3_Timer() {}
