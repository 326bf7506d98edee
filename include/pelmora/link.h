/* The panel's link as a terminal-side expert sees it: the caption to look for, the six exchange
   fields, the command verbs, the handshake words, the property record's fields and the order
   line's form, with small helpers that find the panel and read or write a field whole.
   C or C++; needs nothing but <windows.h>. docs/link-contract.md says how to use them. */
#ifndef PELMORA_LINK_H
#define PELMORA_LINK_H

#include <windows.h>

#ifdef __cplusplus
extern "C" {
#endif

#if defined(__cplusplus) || (defined(__STDC_VERSION__) && __STDC_VERSION__ >= 199901L)
#define PELMORA_INLINE static inline
#else
#define PELMORA_INLINE static __inline
#endif

/* The panel's top-level window is captioned this followed by its command-line parameter, the
   chart's handle in decimal: "Pelmora657934". */
#define PELMORA_CAPTION_PREFIX L"Pelmora"
/* The parameter that starts a panel with no terminal, its fields in view, for trying by hand. */
#define PELMORA_TEST_PARAMETER L"100"

/* The exchange fields: edit controls, direct children of the panel's window, found with
   GetDlgItem(panel, id). The IN_ fields are written by the expert, the OUT_ fields by the
   panel. Only IN_ORDERS has several lines. */
enum pelmora_field {
  PELMORA_IN_ORDERS = 1001,
  PELMORA_IN_READ_COMMAND = 1002,
  PELMORA_IN_ASK_BID = 1003,
  PELMORA_IN_ORDER_PROPERTY = 1004,
  PELMORA_OUT_SELECTED_ORDER = 1005,
  PELMORA_OUT_COMMAND = 1006
};
#define PELMORA_FIRST_FIELD PELMORA_IN_ORDERS
#define PELMORA_FIELD_COUNT 6

/* IN_READ_COMMAND: the expert writes READ_OK once it has taken the command, and may write WAIT
   while it carries it out; the panel clears it to end the handshake. */
#define PELMORA_READ_OK L"READ_OK"
#define PELMORA_WAIT L"WAIT"

/* OUT_COMMAND: a verb and three fields, each closed by ';' ("OPEN_BUY;0.10;;;").
     OPEN_BUY;lot;;;   OPEN_SELL;lot;;;   CLOSE;ticket;;;   CLOSE_ALL;;;;
     SET_TSL;ticket;distance in points;;   SET_TP_SL;ticket;stop-loss;take-profit;
   A ticket field is the value of OUT_SELECTED_ORDER, its trailing blank included. */
#define PELMORA_OPEN_BUY L"OPEN_BUY"
#define PELMORA_OPEN_SELL L"OPEN_SELL"
#define PELMORA_CLOSE L"CLOSE"
#define PELMORA_CLOSE_ALL L"CLOSE_ALL"
#define PELMORA_SET_TSL L"SET_TSL"
#define PELMORA_SET_TP_SL L"SET_TP_SL"
#define PELMORA_SEPARATOR L';'

/* OUT_SELECTED_ORDER: the selected line's ticket followed by one blank ("12345 "), or this
   when nothing is selected. */
#define PELMORA_NO_SELECTION L"-1"

/* IN_ORDERS: one line per open order, lines separated by CR LF. A line is its ticket, then
   " (", then any description: "12345 (buy 0.10 EURUSD)". IN_ASK_BID: "bid / ask". */
#define PELMORA_LINE_BREAK L"\r\n"
#define PELMORA_TICKET_END L" ("
#define PELMORA_QUOTES_BETWEEN L" / "

/* IN_ORDER_PROPERTY: nine fields, each closed by ';', numbers plain with '.' as the point:
   "x;1;1.3050;1.3100;1.2950;0.0001;5;0;0.1;". These are the fields' places, from 1. */
enum pelmora_record_field {
  PELMORA_RECORD_TEXT = 1,        /* free text, not used */
  PELMORA_RECORD_TYPE = 2,        /* whole number: odd = sell side, even = buy side */
  PELMORA_RECORD_OPEN_PRICE = 3,  /* number */
  PELMORA_RECORD_STOP_LOSS = 4,   /* number, 0 for none */
  PELMORA_RECORD_TAKE_PROFIT = 5, /* number, 0 for none */
  PELMORA_RECORD_POINT = 6,       /* the size of one point of the price */
  PELMORA_RECORD_SPARE_7 = 7,     /* not used: any text without ';' */
  PELMORA_RECORD_SPARE_8 = 8,     /* not used: any text without ';' */
  PELMORA_RECORD_LOT_STEP = 9     /* the smallest lot and the lot increment */
};
#define PELMORA_RECORD_FIELDS 9

/* How the helpers send: while they wait, the calling thread still answers messages sent to its
   own windows (the panel sends some to the terminal's), and they give up on a hung panel or
   after `timeout_ms`; this much suits a thread that may wait a second. */
#define PELMORA_SEND_FLAGS (SMTO_NORMAL | SMTO_ABORTIFHUNG)
#define PELMORA_SEND_MS 1000
/* A read stops growing its buffer here; no field holds this much in use. */
#define PELMORA_MAX_READ_CHARS ((size_t)1 << 24)

/* The chart's handle as the panel's parameter: decimal, as a signed 32-bit number. `text` holds
   at least 12 characters. */
PELMORA_INLINE void pelmora_chart_parameter(HWND chart, wchar_t* text) {
  wsprintfW(text, L"%d", (int)(INT_PTR)chart);
}

/* The panel's window for `parameter`, or NULL while it is not there (yet). */
PELMORA_INLINE HWND pelmora_find_panel(const wchar_t* parameter) {
  wchar_t caption[64];
  if (lstrlenW(parameter) > 48) return NULL;
  lstrcpyW(caption, PELMORA_CAPTION_PREFIX);
  lstrcatW(caption, parameter);
  return FindWindowW(NULL, caption);
}

/* Reads a field's whole text with one WM_GETTEXT, never a length query first: the panel may
   write a longer value between two messages, and a read sized by the old length returns the
   new value's beginning ("-1" then "12345 " reads "12"). A read that fills the buffer may have
   been cut, so it is made again into a buffer twice as large. Waits at most `timeout_ms`.
   `*buffer` (`*capacity` characters, both 0 at first) is grown on the process heap and may be
   kept for the next read; free it with HeapFree(GetProcessHeap(), 0, *buffer). Returns the
   text's length, the text ending with a zero in *buffer, or -1 when the field is missing, the
   panel did not answer in time, or memory ran out. */
PELMORA_INLINE int pelmora_read_field(HWND panel, int field, UINT timeout_ms, wchar_t** buffer,
                                      size_t* capacity) {
  HWND control = GetDlgItem(panel, field);
  if (!control) return -1;
  for (;;) {
    DWORD_PTR copied = 0;
    if (*capacity < 2) {
      void* grown = *buffer ? HeapReAlloc(GetProcessHeap(), 0, *buffer, 256 * sizeof(wchar_t))
                            : HeapAlloc(GetProcessHeap(), 0, 256 * sizeof(wchar_t));
      if (!grown) return -1;
      *buffer = (wchar_t*)grown;
      *capacity = 256;
    }
    (*buffer)[0] = 0;
    if (!SendMessageTimeoutW(control, WM_GETTEXT, (WPARAM)*capacity, (LPARAM)*buffer,
                             PELMORA_SEND_FLAGS, timeout_ms, &copied)) {
      return -1;
    }
    if (copied + 1 < *capacity || *capacity >= PELMORA_MAX_READ_CHARS) {
      (*buffer)[copied < *capacity ? copied : *capacity - 1] = 0;
      return (int)copied;
    }
    {
      void* grown = HeapReAlloc(GetProcessHeap(), 0, *buffer, *capacity * 2 * sizeof(wchar_t));
      if (!grown) return -1;
      *buffer = (wchar_t*)grown;
      *capacity *= 2;
    }
  }
}

/* Replaces a field's whole text with one WM_SETTEXT; FALSE when the field is missing or the
   panel did not answer within `timeout_ms`. */
PELMORA_INLINE BOOL pelmora_write_field(HWND panel, int field, UINT timeout_ms,
                                        const wchar_t* text) {
  DWORD_PTR ignored = 0;
  HWND control = GetDlgItem(panel, field);
  return control && SendMessageTimeoutW(control, WM_SETTEXT, 0, (LPARAM)text, PELMORA_SEND_FLAGS,
                                        timeout_ms, &ignored) != 0;
}

#ifdef __cplusplus
}
#endif

#endif /* PELMORA_LINK_H */
