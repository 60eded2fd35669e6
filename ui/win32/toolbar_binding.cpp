#include "ui/win32/toolbar_binding.h"

#include <string>
#include <vector>

namespace ui::win32 {
namespace {

struct Glyph {
  const char* text;
  COLORREF colour;
};

HIMAGELIST drawPictures(int size, const std::vector<Glyph>& glyphs, bool withHighlights) {
  HIMAGELIST list = ImageList_Create(size, size, ILC_COLOR24 | ILC_MASK, 16, 0);
  HDC screen = GetDC(nullptr);
  HDC dc = CreateCompatibleDC(screen);
  HFONT font = CreateFontA(size * 11 / 20, 0, 0, 0, FW_BOLD, 0, 0, 0, ANSI_CHARSET, 0, 0,
                           ANTIALIASED_QUALITY, 0, "Arial");
  const COLORREF mask = RGB(255, 0, 255);
  auto draw = [&](const Glyph& g, bool highlighted) {
    HBITMAP bmp = CreateCompatibleBitmap(screen, size, size);
    HGDIOBJ oldBmp = SelectObject(dc, bmp);
    HBRUSH back = CreateSolidBrush(mask);
    RECT all{0, 0, size, size};
    FillRect(dc, &all, back);
    DeleteObject(back);
    COLORREF fill = g.colour;
    if (highlighted) {
      // Lighter, with a gold ring: the page being shown.
      fill = RGB((GetRValue(fill) + 255) / 2, (GetGValue(fill) + 255) / 2,
                 (GetBValue(fill) + 255) / 2);
      HBRUSH ring = CreateSolidBrush(RGB(230, 170, 0));
      HGDIOBJ oldBrush = SelectObject(dc, ring);
      HGDIOBJ oldPen = SelectObject(dc, GetStockObject(NULL_PEN));
      Ellipse(dc, 0, 0, size, size);
      SelectObject(dc, oldPen);
      SelectObject(dc, oldBrush);
      DeleteObject(ring);
    }
    HBRUSH brush = CreateSolidBrush(fill);
    HPEN pen = CreatePen(PS_SOLID, 1, RGB(40, 40, 40));
    HGDIOBJ oldBrush = SelectObject(dc, brush);
    HGDIOBJ oldPen = SelectObject(dc, pen);
    Ellipse(dc, 2, 2, size - 2, size - 2);
    SelectObject(dc, oldPen);
    SelectObject(dc, oldBrush);
    DeleteObject(brush);
    DeleteObject(pen);
    HGDIOBJ oldFont = SelectObject(dc, font);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, highlighted ? RGB(0, 0, 0) : RGB(255, 255, 255));
    DrawTextA(dc, g.text, -1, &all, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    SelectObject(dc, oldFont);
    SelectObject(dc, oldBmp);
    ImageList_AddMasked(list, bmp, mask);
    DeleteObject(bmp);
  };
  for (const Glyph& g : glyphs) draw(g, false);
  if (withHighlights)
    for (const Glyph& g : glyphs) draw(g, true);
  DeleteObject(font);
  DeleteDC(dc);
  ReleaseDC(nullptr, screen);
  return list;
}

// The toolbar's own window procedure, kept in a window property (see link_binding.cpp).
constexpr char kOldProc[] = "TervaneToolbarOldProc";

int enabledButton(HWND bar, int from, int step) {
  const int count = static_cast<int>(SendMessageA(bar, TB_BUTTONCOUNT, 0, 0));
  for (int i = from; i >= 0 && i < count; i += step) {
    TBBUTTON b{};
    if (SendMessageA(bar, TB_GETBUTTON, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&b)) &&
        (b.fsState & TBSTATE_ENABLED) && !(b.fsState & TBSTATE_HIDDEN))
      return i;
  }
  return -1;
}

// Keys for a toolbar that has the focus, as the dialog keys reach it: the arrows move
// between its buttons, Enter and Space press the one shown raised.
LRESULT CALLBACK keyboardProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  auto old = reinterpret_cast<WNDPROC>(GetPropA(hwnd, kOldProc));
  auto pass = [&] {
    return old ? CallWindowProcA(old, hwnd, message, wParam, lParam)
               : DefWindowProcA(hwnd, message, wParam, lParam);
  };
  const int hot = static_cast<int>(SendMessageA(hwnd, TB_GETHOTITEM, 0, 0));
  switch (message) {
    case WM_GETDLGCODE: {
      const MSG* m = reinterpret_cast<const MSG*>(lParam);
      const bool press =
          m && m->message == WM_KEYDOWN && (m->wParam == VK_RETURN || m->wParam == VK_SPACE);
      return DLGC_WANTARROWS | (press ? DLGC_WANTMESSAGE : 0);
    }
    case WM_SETFOCUS:
      if (hot < 0)
        SendMessageA(hwnd, TB_SETHOTITEM, static_cast<WPARAM>(enabledButton(hwnd, 0, 1)), 0);
      break;
    case WM_KILLFOCUS:
      SendMessageA(hwnd, TB_SETHOTITEM, static_cast<WPARAM>(-1), 0);
      break;
    case WM_KEYDOWN: {
      int next = -1;
      if (wParam == VK_LEFT || wParam == VK_UP) next = enabledButton(hwnd, hot - 1, -1);
      if (wParam == VK_RIGHT || wParam == VK_DOWN) next = enabledButton(hwnd, hot + 1, 1);
      if (next >= 0) SendMessageA(hwnd, TB_SETHOTITEM, static_cast<WPARAM>(next), 0);
      if (wParam == VK_RETURN || wParam == VK_SPACE) {
        const int pressed = hot >= 0 ? hot : enabledButton(hwnd, 0, 1);
        TBBUTTON b{};
        if (pressed >= 0 && SendMessageA(hwnd, TB_GETBUTTON, static_cast<WPARAM>(pressed),
                                         reinterpret_cast<LPARAM>(&b)))
          SendMessageA(GetParent(hwnd), WM_COMMAND, MAKEWPARAM(b.idCommand, BN_CLICKED),
                       reinterpret_cast<LPARAM>(hwnd));
      }
      if (next >= 0 || wParam == VK_RETURN || wParam == VK_SPACE || wParam == VK_LEFT ||
          wParam == VK_RIGHT || wParam == VK_UP || wParam == VK_DOWN)
        return 0;
      break;
    }
    case WM_NCDESTROY:
      if (old) {
        RemovePropA(hwnd, kOldProc);
        SetWindowLongPtrA(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(old));
      }
      break;
  }
  return pass();
}

}  // namespace

HIMAGELIST navigationPictures() {
  static HIMAGELIST list = drawPictures(32,
                                        {{"C", RGB(0, 110, 60)},
                                         {"P", RGB(0, 80, 160)},
                                         {"M", RGB(120, 60, 150)},
                                         {"S", RGB(180, 100, 0)},
                                         {"?", RGB(0, 120, 140)},
                                         {"i", RGB(90, 90, 90)},
                                         {"Q", RGB(170, 30, 30)},
                                         {"", RGB(128, 128, 128)}},
                                        true);
  return list;
}

HIMAGELIST actionPictures() {
  static HIMAGELIST list = drawPictures(20,
                                        {{"C", RGB(0, 110, 60)},
                                         {"A", RGB(0, 140, 40)},
                                         {"D", RGB(0, 80, 160)},
                                         {"+", RGB(0, 120, 0)},
                                         {"-", RGB(170, 30, 30)}},
                                        false);
  return list;
}

ToolbarBinding::ToolbarBinding(Toolbar& model, HWND parent, int id, Rect place, HIMAGELIST pictures,
                               bool textBeside)
    : ControlBinding(model, parent, id, TOOLBARCLASSNAMEA,
                     WS_TABSTOP | TBSTYLE_FLAT | TBSTYLE_TOOLTIPS | CCS_NORESIZE |
                         CCS_NOPARENTALIGN | CCS_NODIVIDER | (textBeside ? TBSTYLE_LIST : 0),
                     place),
      bar_(model) {
  SendMessageA(hwnd(), TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
  SendMessageA(hwnd(), TB_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(pictures));
  if (textBeside) SendMessageA(hwnd(), TB_SETEXTENDEDSTYLE, 0, TBSTYLE_EX_MIXEDBUTTONS);
  addButtons();
  const LONG_PTR old =
      SetWindowLongPtrA(hwnd(), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&keyboardProc));
  SetPropA(hwnd(), kOldProc, reinterpret_cast<HANDLE>(old));
}

void ToolbarBinding::addButtons() {
  for (; shown_ < bar_.buttonCount(); ++shown_) {
    const auto& b = bar_.button(shown_);
    TBBUTTON tb{};
    tb.iBitmap = b.image > 0 ? b.image - 1 : I_IMAGENONE;
    tb.idCommand = shown_ + 1;
    tb.fsState =
        static_cast<BYTE>((b.enabled ? TBSTATE_ENABLED : 0) | (b.pressed ? TBSTATE_CHECKED : 0));
    tb.fsStyle = BTNS_BUTTON | BTNS_AUTOSIZE | BTNS_SHOWTEXT;
    tb.iString = reinterpret_cast<INT_PTR>(b.caption.c_str());
    SendMessageA(hwnd(), TB_ADDBUTTONSA, 1, reinterpret_cast<LPARAM>(&tb));
  }
  SendMessageA(hwnd(), TB_AUTOSIZE, 0, 0);
}

void ToolbarBinding::syncButtons() {
  for (int i = 0; i < bar_.buttonCount() && i < shown_; ++i) {
    const auto& b = bar_.button(i);
    SendMessageA(
        hwnd(), TB_SETSTATE, i + 1,
        MAKELONG((b.enabled ? TBSTATE_ENABLED : 0) | (b.pressed ? TBSTATE_CHECKED : 0), 0));
    SendMessageA(hwnd(), TB_CHANGEBITMAP, i + 1, b.image > 0 ? b.image - 1 : I_IMAGENONE);
  }
}

void ToolbarBinding::update(Change what) {
  if (what == Change::ItemAdded) addButtons();
  if (what == Change::Items || what == Change::Value) syncButtons();
}

void ToolbarBinding::command(int) {}

void ToolbarBinding::buttonCommand(int commandId) {
  bar_.click(commandId - 1);
  // The system toggles nothing on its own; show what the model decided.
  syncButtons();
}

}  // namespace ui::win32
