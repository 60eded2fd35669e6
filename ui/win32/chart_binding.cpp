#include "ui/win32/chart_binding.h"

#include <algorithm>
#include <cstdlib>
#include <string>

namespace ui::win32 {
namespace {

void paint(HWND hwnd, const Chart& chart) {
  PAINTSTRUCT ps;
  HDC dc = BeginPaint(hwnd, &ps);
  RECT all;
  GetClientRect(hwnd, &all);
  FillRect(dc, &all, GetSysColorBrush(COLOR_WINDOW));
  SetBkMode(dc, TRANSPARENT);
  HFONT titleFont = CreateFontA(-15, 0, 0, 0, FW_BOLD, 0, 0, 0, ANSI_CHARSET, 0, 0, 0, 0, "Arial");
  HGDIOBJ oldFont = SelectObject(dc, titleFont);
  RECT title{all.left, all.top + 8, all.right, all.top + 32};
  DrawTextA(dc, chart.caption().c_str(), -1, &title, DT_CENTER | DT_SINGLELINE);
  SelectObject(dc, GetStockObject(DEFAULT_GUI_FONT));

  double highest = 0;
  for (int r = 1; r <= chart.rowCount(); ++r)
    highest = std::max(highest, std::atof(chart.row(r).value.c_str()));
  // Four scale steps of 1, 2 or 5 times a power of ten.
  double step = 1;
  while (step * 4 < highest) {
    if (step * 2 * 4 >= highest) {
      step *= 2;
      break;
    }
    if (step * 5 * 4 >= highest) {
      step *= 5;
      break;
    }
    step *= 10;
  }
  const double top = step * 4;
  const int left = all.left + 70, right = all.right - 20, axisTop = all.top + 48;
  const int axisBottom = all.bottom - 48;
  HPEN axis = CreatePen(PS_SOLID, 1, RGB(0, 0, 0));
  HGDIOBJ oldPen = SelectObject(dc, axis);
  MoveToEx(dc, left, axisTop, nullptr);
  LineTo(dc, left, axisBottom);
  LineTo(dc, right, axisBottom);
  // Scale marks at a quarter, half, three quarters and the top.
  for (int q = 0; q <= 4; ++q) {
    int y = axisBottom - (axisBottom - axisTop) * q / 4;
    MoveToEx(dc, left - 4, y, nullptr);
    LineTo(dc, left, y);
    const std::string mark =
        groupedDigits(std::to_string(static_cast<unsigned long long>(step * q + 0.5)));
    RECT m{all.left, y - 8, left - 6, y + 8};
    DrawTextA(dc, mark.c_str(), -1, &m, DT_RIGHT | DT_SINGLELINE | DT_VCENTER);
  }
  const int slot = (right - left) / std::max(1, chart.rowCount());
  HBRUSH bar = CreateSolidBrush(RGB(40, 90, 170));
  for (int r = 1; r <= chart.rowCount(); ++r) {
    const auto& row = chart.row(r);
    double v = std::atof(row.value.c_str());
    int x0 = left + slot * (r - 1) + slot / 4, x1 = left + slot * r - slot / 4;
    int h = static_cast<int>((axisBottom - axisTop) * (v / top));
    RECT b{x0, axisBottom - h, x1, axisBottom};
    FillRect(dc, &b, bar);
    RECT value{x0 - 20, axisBottom - h - 18, x1 + 20, axisBottom - h - 2};
    DrawTextA(dc, groupedDigits(row.value).c_str(), -1, &value, DT_CENTER | DT_SINGLELINE);
    RECT label{left + slot * (r - 1) + 2, axisBottom + 6, left + slot * r - 2, axisBottom + 40};
    DrawTextA(dc, stackedLabel(row.label).c_str(), -1, &label, DT_CENTER | DT_NOPREFIX);
  }
  DeleteObject(bar);
  SelectObject(dc, oldPen);
  DeleteObject(axis);
  SelectObject(dc, oldFont);
  DeleteObject(titleFont);
  EndPaint(hwnd, &ps);
}

LRESULT CALLBACK chartProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_PAINT) {
    if (auto* chart = reinterpret_cast<const Chart*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA))) {
      paint(hwnd, *chart);
      return 0;
    }
  }
  return DefWindowProcA(hwnd, message, wParam, lParam);
}

const char* chartClass() {
  static const bool registered = [] {
    WNDCLASSA wc{};
    wc.lpfnWndProc = chartProc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
    wc.lpszClassName = "TervaneChart";
    return RegisterClassA(&wc) != 0;
  }();
  (void)registered;
  return "TervaneChart";
}

}  // namespace

ChartBinding::ChartBinding(Chart& model, HWND parent, int id, Rect place)
    : ControlBinding(model, parent, id, chartClass(), 0, place, WS_EX_CLIENTEDGE) {
  SetWindowLongPtrA(hwnd(), GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&model));
  InvalidateRect(hwnd(), nullptr, TRUE);
}

void ChartBinding::update(Change) {
  InvalidateRect(hwnd(), nullptr, TRUE);
}

}  // namespace ui::win32
