/* The link header used from C: built as C90 and C11 with warnings as errors, so that a C expert
   can include it as it stands. */
#include "pelmora/link.h"

int pelmora_link_header_c_use(HWND chart) {
  wchar_t parameter[16];
  wchar_t* text = NULL;
  size_t capacity = 0;
  HWND panel;
  int length;
  pelmora_chart_parameter(chart, parameter);
  panel = pelmora_find_panel(parameter);
  length = pelmora_read_field(panel, PELMORA_OUT_COMMAND, PELMORA_SEND_MS, &text, &capacity);
  if (length > 0 && text[0] != PELMORA_SEPARATOR) {
    pelmora_write_field(panel, PELMORA_IN_READ_COMMAND, PELMORA_SEND_MS, PELMORA_READ_OK);
  }
  if (text) HeapFree(GetProcessHeap(), 0, text);
  return length + PELMORA_RECORD_FIELDS + PELMORA_RECORD_LOT_STEP;
}
