#include "ui/win32/picture_box_binding.h"

#include <ole2.h>
#include <olectl.h>

namespace ui::win32 {

HBITMAP loadPicture(const std::string& path) {
  HANDLE file =
      CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
  if (file == INVALID_HANDLE_VALUE) return nullptr;
  DWORD size = GetFileSize(file, nullptr);
  HGLOBAL memory = size != INVALID_FILE_SIZE ? GlobalAlloc(GMEM_MOVEABLE, size) : nullptr;
  bool read = false;
  if (memory) {
    DWORD got = 0;
    void* data = GlobalLock(memory);
    read = ReadFile(file, data, size, &got, nullptr) && got == size;
    GlobalUnlock(memory);
  }
  CloseHandle(file);
  if (!read) {
    if (memory) GlobalFree(memory);
    return nullptr;
  }
  HBITMAP result = nullptr;
  IStream* stream = nullptr;
  if (SUCCEEDED(CreateStreamOnHGlobal(memory, TRUE, &stream))) {
    IPicture* picture = nullptr;
    if (SUCCEEDED(OleLoadPicture(stream, static_cast<LONG>(size), FALSE, IID_IPicture,
                                 reinterpret_cast<void**>(&picture)))) {
      OLE_HANDLE handle = 0;
      short type = 0;
      if (SUCCEEDED(picture->get_Type(&type)) && type == PICTYPE_BITMAP &&
          SUCCEEDED(picture->get_Handle(&handle)))
        // A copy: the picture object owns its bitmap and frees it on release.
        result = static_cast<HBITMAP>(CopyImage(
            reinterpret_cast<HANDLE>(static_cast<UINT_PTR>(handle)), IMAGE_BITMAP, 0, 0, 0));
      picture->Release();
    }
    stream->Release();
  } else {
    GlobalFree(memory);
  }
  return result;
}

PictureBoxBinding::PictureBoxBinding(PictureBox& model, HWND parent, int id, Rect place)
    : ControlBinding(model, parent, id, "STATIC", SS_CENTER | SS_CENTERIMAGE | SS_SUNKEN, place),
      box_(model) {
  update(Change::Value);
}

PictureBoxBinding::~PictureBoxBinding() {
  if (bitmap_) DeleteObject(bitmap_);
}

void PictureBoxBinding::update(Change what) {
  if (what != Change::Value) return;
  HBITMAP next = box_.picture().empty() ? nullptr : loadPicture(box_.picture());
  LONG_PTR style = GetWindowLongPtrA(hwnd(), GWL_STYLE) & ~static_cast<LONG_PTR>(SS_TYPEMASK);
  SetWindowLongPtrA(hwnd(), GWL_STYLE, style | (next ? SS_BITMAP : SS_CENTER));
  SendMessageA(hwnd(), STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(next));
  if (!next) SetWindowTextA(hwnd(), box_.caption().c_str());
  if (bitmap_) DeleteObject(bitmap_);
  bitmap_ = next;
  InvalidateRect(hwnd(), nullptr, TRUE);
}

}  // namespace ui::win32
