// Long texts from the terminal side on the real form under Wine, and the list's repainting. The
// bound is generous: with the orders field wrapping words, the long line alone took minutes.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "form/names.h"
#include "form_support.h"
#include "platform/win32/window_text.h"

namespace pelmora::win32_test {

namespace names = pelmora::form::names;
namespace {

using platform::win32::window_text;

TEST(LongTexts, AHugeLineAmongManyAndAHugeRecordAreTakenInOneTickWithinSeconds) {
  RealForm f;
  std::wstring orders = L"1 (" + std::wstring(100000, L'x') + L")\r\n";
  for (int i = 2; i <= 10000; ++i) orders += std::to_wstring(i) + L" (buy 0.10)\r\n";
  const std::wstring record = std::wstring(1000000, L'n') + L";1;1.3050;0;0;0.0001;5;2;0.1;";
  HWND list = f.hwnd(names::kOrdersList);
  HWND field = f.hwnd("IN_ORDERS");
  const LONG_PTR style = GetWindowLongPtrW(field, GWL_STYLE);
  EXPECT_TRUE((style & ES_AUTOHSCROLL) && !(style & (WS_HSCROLL | WS_VSCROLL)));

  const ULONGLONG start = GetTickCount64();
  SendMessageW(field, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(orders.c_str()));
  SendMessageW(f.hwnd("IN_ORDER_PROPERTY"), WM_SETTEXT, 0,
               reinterpret_cast<LPARAM>(record.c_str()));
  f.tform->link().tick();
  UpdateWindow(f.form());
  EXPECT_LT(GetTickCount64() - start, 15000u);

  // A line of the field per line break (and the empty last line): nothing wrapped.
  EXPECT_EQ(SendMessageW(field, EM_GETLINECOUNT, 0, 0), 10001);
  EXPECT_EQ(SendMessageW(list, LB_GETCOUNT, 0, 0), 10000);
  EXPECT_LE(SendMessageW(list, LB_GETTEXTLEN, 0, 0), 1000);
  EXPECT_EQ(window_text(f.hwnd("OUT_SELECTED_ORDER")), "1 ");
  EXPECT_DOUBLE_EQ(f.tform->order().open_price, 1.305);
  EXPECT_EQ(window_text(f.hwnd(names::kLotField)), "0.10");
}

TEST(LongTexts, ResumingTheListsRepaintingRepaintsItOnlyAfterAChange) {
  RealForm f;
  platform::ListBox& list = f.controls->list_box(names::kOrdersList);
  HWND hwnd = f.hwnd(names::kOrdersList);
  for (const bool change : {false, true, false}) {
    UpdateWindow(hwnd);
    ValidateRect(hwnd, nullptr);
    list.set_redraw(false);
    if (change) list.append("1 (a)");
    list.set_redraw(true);
    EXPECT_EQ(GetUpdateRect(hwnd, nullptr, FALSE) != FALSE, change);
  }
}

}  // namespace
}  // namespace pelmora::win32_test
