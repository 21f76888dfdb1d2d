#include "app/frm_telvanor01.h"

void frmTelvanor01::Form_MouseMove(int, int, float, float) {}
void frmTelvanor01::itmRestaurar_Click() {}
