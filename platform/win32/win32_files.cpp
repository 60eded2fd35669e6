#include <windows.h>

#include <algorithm>
#include <type_traits>

#include "platform/win32/win32_error.h"
#include "platform/win32/win32_system.h"

namespace platform::win32 {
namespace {

FileTime ticks(const FILETIME& ft) {
  return (static_cast<FileTime>(ft.dwHighDateTime) << 32) | ft.dwLowDateTime;
}

// Owns a kernel object handle for the time of one operation.
class Handle {
 public:
  explicit Handle(HANDLE h) : h_(h) {}
  ~Handle() {
    if (valid()) CloseHandle(h_);
  }
  Handle(const Handle&) = delete;
  Handle& operator=(const Handle&) = delete;
  bool valid() const { return h_ != INVALID_HANDLE_VALUE && h_ != nullptr; }
  HANDLE get() const { return h_; }

 private:
  HANDLE h_;
};

class FindHandle {
 public:
  explicit FindHandle(HANDLE h) : h_(h) {}
  ~FindHandle() {
    if (h_ != INVALID_HANDLE_VALUE) FindClose(h_);
  }
  FindHandle(const FindHandle&) = delete;
  FindHandle& operator=(const FindHandle&) = delete;
  HANDLE get() const { return h_; }

 private:
  HANDLE h_;
};

// GetFileSize with its high word (GetFileSizeEx came with Windows 2000).
ErrorCode fileSize(HANDLE file, std::uint64_t& size) {
  DWORD high = 0;
  const DWORD low = GetFileSize(file, &high);
  if (low == INVALID_FILE_SIZE && GetLastError() != NO_ERROR) return lastError();
  size = (static_cast<std::uint64_t>(high) << 32) | low;
  return err::kSuccess;
}

// SetFilePointer with its high word (SetFilePointerEx came with Windows 2000).
ErrorCode moveTo(HANDLE file, std::uint64_t at) {
  LONG high = static_cast<LONG>(at >> 32);
  const DWORD low = SetFilePointer(file, static_cast<LONG>(at & 0xFFFFFFFFu), &high, FILE_BEGIN);
  if (low == INVALID_SET_FILE_POINTER && GetLastError() != NO_ERROR) return lastError();
  return err::kSuccess;
}

ErrorCode writeAll(HANDLE file, const std::string& contents) {
  std::size_t done = 0;
  while (done < contents.size()) {
    DWORD wrote = 0;
    DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(contents.size() - done, 1 << 20));
    if (!WriteFile(file, contents.data() + done, chunk, &wrote, nullptr)) return lastError();
    if (wrote == 0) return ERROR_WRITE_FAULT;
    done += wrote;
  }
  return err::kSuccess;
}

// Windows refuses to overwrite a read-only file; Wine run as root does not (the Unix
// permission it maps the attribute to does not bind root), so the check is made here.
bool isReadOnlyFile(const std::string& path) {
  DWORD a = GetFileAttributesA(path.c_str());
  return a != INVALID_FILE_ATTRIBUTES && (a & FILE_ATTRIBUTE_READONLY) &&
         !(a & FILE_ATTRIBUTE_DIRECTORY);
}

// Wine's delete calls act on a Unix link's target (an empty target folder is removed,
// the link stays), and it has no call that removes the link alone.
bool underWine() {
  static const bool wine = [] {
    HMODULE ntdll = GetModuleHandleA("ntdll.dll");
    return ntdll && GetProcAddress(ntdll, "wine_get_version");
  }();
  return wine;
}

std::wstring widen(const std::string& text) {
  std::wstring wide(text.size() + 1, L'\0');
  int n =
      MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, wide.data(), static_cast<int>(wide.size()));
  wide.resize(n > 0 ? static_cast<std::size_t>(n - 1) : 0);
  return wide;
}

std::wstring comparable(std::wstring path) {
  if (path.rfind(L"\\\\?\\", 0) == 0) path.erase(0, 4);
  while (path.size() > 3 && path.back() == L'\\') path.pop_back();
  CharUpperBuffW(path.data(), static_cast<DWORD>(path.size()));
  return path;
}

// Wide calls and the handle-based ones, looked up: Wine reports an NT system, but the
// release also loads where these are missing (GetLongPathNameW, GetFinalPathNameByHandleW,
// SetFileInformationByHandle) or mere stubs (Windows 95, 98 and ME).
struct WineCalls {
  DWORD(WINAPI* finalPath)(HANDLE, LPWSTR, DWORD, DWORD);
  DWORD(WINAPI* fullPath)(LPCWSTR, DWORD, LPWSTR, LPWSTR*);
  DWORD(WINAPI* longPath)(LPCWSTR, LPWSTR, DWORD);
  BOOL(WINAPI* setInformation)(HANDLE, int, LPVOID, DWORD);
};

const WineCalls& wineCalls() {
  static const WineCalls calls = [] {
    HMODULE kernel = GetModuleHandleA("kernel32.dll");
    WineCalls c{};
    auto look = [&](auto& slot, const char* name) {
      slot = reinterpret_cast<std::remove_reference_t<decltype(slot)>>(
          reinterpret_cast<void*>(GetProcAddress(kernel, name)));
    };
    look(c.finalPath, "GetFinalPathNameByHandleW");
    look(c.fullPath, "GetFullPathNameW");
    look(c.longPath, "GetLongPathNameW");
    look(c.setInformation, "SetFileInformationByHandle");
    return c;
  }();
  return calls;
}

// Under Wine a Unix link to a file lists as a plain file, and a file in a folder linked
// from above lists as any other; yet every call that changes such a file (delete,
// attributes, writing) acts on the link's target: Wine opens the real location. That
// location, as the system names it for the open handle `h`, differs from the path asked
// for exactly when a link lies on the way.
bool handleReachedThroughLink(HANDLE h, const std::string& path) {
  const WineCalls& calls = wineCalls();
  if (!calls.finalPath || !calls.fullPath || !calls.longPath) return false;
  wchar_t real[MAX_PATH * 4];
  DWORD n = calls.finalPath(h, real, MAX_PATH * 4, 0);
  if (n == 0 || n >= MAX_PATH * 4) return false;
  wchar_t full[MAX_PATH * 4], longForm[MAX_PATH * 4];
  DWORD f = calls.fullPath(widen(path).c_str(), MAX_PATH * 4, full, nullptr);
  if (f == 0 || f >= MAX_PATH * 4) return false;
  const std::wstring reached = comparable(std::wstring(real, n));
  // The same path as asked: no link on the way, and no short name to expand. Expanding
  // looks up every part of the path again, which costs far more than the rest.
  if (reached == comparable(std::wstring(full, f))) return false;
  DWORD l = calls.longPath(full, longForm, MAX_PATH * 4);
  const std::wstring asked = l > 0 && l < MAX_PATH * 4 ? longForm : full;
  return reached != comparable(asked);
}

bool reachedThroughLink(const std::string& path) {
  if (!underWine()) return false;
  Handle h(CreateFileA(path.c_str(), FILE_READ_ATTRIBUTES,
                       FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                       OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr));
  if (!h.valid()) return false;  // the operation itself reports why
  return handleReachedThroughLink(h.get(), path);
}

// Under Wine, the link check and the deletion act on one open handle: nothing can be
// put in the file's place between them, and the check costs no second open. The
// handle is marked for deletion (FileDispositionInfo) and the file goes when it closes.
ErrorCode deleteOnOneHandle(const std::string& path) {
  constexpr int kFileDispositionInfo = 4;
  struct {
    BOOLEAN deleteFile;
  } disposition{TRUE};
  // Without FILE_FLAG_BACKUP_SEMANTICS a folder does not open, as DeleteFile refuses one.
  Handle h(CreateFileA(path.c_str(), DELETE | FILE_READ_ATTRIBUTES,
                       FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                       OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!h.valid()) return lastError();
  if (handleReachedThroughLink(h.get(), path)) return err::kNotSupported;
  // A read-only file refuses here (Wine checks the file's mode), as DeleteFile would.
  if (!wineCalls().setInformation(h.get(), kFileDispositionInfo, &disposition, sizeof disposition))
    return lastError();
  return err::kSuccess;
}

}  // namespace

// Where MoveFileEx is a stub (Windows 95, 98 and ME): the old file is moved aside first
// and put back if the new one cannot take its place, so a failure never loses it.
ErrorCode replaceByMoves(const std::string& from, const std::string& to) {
  if (GetFileAttributesA(to.c_str()) == INVALID_FILE_ATTRIBUTES)
    return MoveFileA(from.c_str(), to.c_str()) ? err::kSuccess : lastError();
  const std::string aside = to + ".tervane-old";
  DeleteFileA(aside.c_str());
  if (!MoveFileA(to.c_str(), aside.c_str())) return lastError();
  if (!MoveFileA(from.c_str(), to.c_str())) {
    const ErrorCode e = lastError();
    MoveFileA(aside.c_str(), to.c_str());
    return e;
  }
  DeleteFileA(aside.c_str());
  return err::kSuccess;
}

namespace {

class Win32Files : public Files {
 public:
  ErrorCode find(const std::string& pattern,
                 const std::function<bool(const FindData&)>& visit) override {
    WIN32_FIND_DATAA fd;
    FindHandle h(FindFirstFileA(pattern.c_str(), &fd));
    if (h.get() == INVALID_HANDLE_VALUE) return lastError();
    do {
      FindData d;
      d.name = fd.cFileName;
      d.attributes = fd.dwFileAttributes;
      d.size = (static_cast<std::uint64_t>(fd.nFileSizeHigh) << 32) | fd.nFileSizeLow;
      d.created = ticks(fd.ftCreationTime);
      d.modified = ticks(fd.ftLastWriteTime);
      if (!visit(d)) return err::kSuccess;
    } while (FindNextFileA(h.get(), &fd));
    DWORD e = GetLastError();
    return e == ERROR_NO_MORE_FILES ? err::kSuccess : static_cast<ErrorCode>(e);
  }

  ErrorCode readFile(const std::string& path, std::string& contents) override {
    Handle f(CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                         OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!f.valid()) return lastError();
    std::uint64_t size = 0;
    if (ErrorCode e = fileSize(f.get(), size)) return e;
    contents.assign(static_cast<std::size_t>(size), '\0');
    std::size_t done = 0;
    while (done < contents.size()) {
      DWORD got = 0;
      if (!ReadFile(f.get(), contents.data() + done, static_cast<DWORD>(contents.size() - done),
                    &got, nullptr))
        return lastError();
      if (got == 0) break;
      done += got;
    }
    contents.resize(done);
    return err::kSuccess;
  }

  ErrorCode writeFile(const std::string& path, const std::string& contents) override {
    if (isReadOnlyFile(path)) return err::kAccessDenied;
    Handle f(CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                         FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!f.valid()) return lastError();
    return writeAll(f.get(), contents);
  }

  ErrorCode appendFile(const std::string& path, const std::string& contents) override {
    if (isReadOnlyFile(path)) return err::kAccessDenied;
    Handle f(CreateFileA(path.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ, nullptr, OPEN_ALWAYS,
                         FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!f.valid()) return lastError();
    SetFilePointer(f.get(), 0, nullptr, FILE_END);
    return writeAll(f.get(), contents);
  }

  ErrorCode changeRefusal(const std::string& path) override {
    // Opened for deletion, as a change would be, so that another program's hold shows.
    Handle h(CreateFileA(path.c_str(), DELETE | FILE_READ_ATTRIBUTES,
                         FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                         OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr));
    if (!h.valid())  // anything else the change itself reports
      return GetLastError() == ERROR_SHARING_VIOLATION ? err::kSharingViolation : err::kSuccess;
    return underWine() && handleReachedThroughLink(h.get(), path) ? err::kNotSupported
                                                                  : err::kSuccess;
  }

  ErrorCode deleteFile(const std::string& path) override {
    if (underWine() && wineCalls().setInformation) return deleteOnOneHandle(path);
    if (reachedThroughLink(path)) return err::kNotSupported;
    return DeleteFileA(path.c_str()) ? err::kSuccess : lastError();
  }

  ErrorCode renameFile(const std::string& from, const std::string& to) override {
    if (isReadOnlyFile(to)) return err::kAccessDenied;
    const DWORD flags = MOVEFILE_REPLACE_EXISTING | MOVEFILE_COPY_ALLOWED;
    if (MoveFileExA(from.c_str(), to.c_str(), flags | MOVEFILE_WRITE_THROUGH)) return err::kSuccess;
    DWORD e = GetLastError();
    // NT 4.0 knows no write-through; Windows 95, 98 and ME have MoveFileEx only as a stub.
    if (e == ERROR_INVALID_PARAMETER && MoveFileExA(from.c_str(), to.c_str(), flags))
      return err::kSuccess;
    if (e != ERROR_CALL_NOT_IMPLEMENTED) return e == ERROR_INVALID_PARAMETER ? lastError() : e;
    return replaceByMoves(from, to);
  }

  ErrorCode getAttributes(const std::string& path, std::uint32_t& attributes) override {
    DWORD a = GetFileAttributesA(path.c_str());
    if (a == INVALID_FILE_ATTRIBUTES) return lastError();
    attributes = a;
    return err::kSuccess;
  }

  ErrorCode setAttributes(const std::string& path, std::uint32_t attributes) override {
    if (reachedThroughLink(path)) return err::kNotSupported;
    return SetFileAttributesA(path.c_str(), attributes) ? err::kSuccess : lastError();
  }

  ErrorCode createDirectory(const std::string& path) override {
    return CreateDirectoryA(path.c_str(), nullptr) ? err::kSuccess : lastError();
  }

  ErrorCode removeDirectory(const std::string& path) override {
    if (reachedThroughLink(path)) return err::kNotSupported;
    return RemoveDirectoryA(path.c_str()) ? err::kSuccess : lastError();
  }

  ErrorCode removeLink(const std::string& path) override {
    // GetFileAttributes reports the link's own attributes; it does not follow.
    DWORD a = GetFileAttributesA(path.c_str());
    if (a == INVALID_FILE_ATTRIBUTES) return lastError();
    if (!(a & FILE_ATTRIBUTE_REPARSE_POINT)) return err::kInvalidParameter;
    if (!(a & FILE_ATTRIBUTE_DIRECTORY))
      return DeleteFileA(path.c_str()) ? err::kSuccess : lastError();
    if (underWine()) return err::kNotSupported;
    // On Windows this removes the junction or link, whatever its target holds.
    return RemoveDirectoryA(path.c_str()) ? err::kSuccess : lastError();
  }

  ErrorCode overwriteInPlace(const std::string& path, const std::string& pattern) override {
    if (pattern.empty()) return err::kInvalidParameter;
    if (isReadOnlyFile(path)) return err::kAccessDenied;
    if (reachedThroughLink(path)) return err::kNotSupported;
    // OPEN_EXISTING without truncation: the same clusters get the new bytes.
    Handle f(CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                         FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!f.valid()) return lastError();
    std::uint64_t size = 0;
    if (ErrorCode e = fileSize(f.get(), size)) return e;
    const std::uint64_t length = std::max<std::uint64_t>(size, pattern.size());
    // Whole copies of the pattern per chunk, so chunk after chunk continues it.
    std::string chunk;
    const std::uint64_t needed = (length + pattern.size() - 1) / pattern.size();
    const std::size_t copies = static_cast<std::size_t>(
        std::min<std::uint64_t>(needed, std::max<std::size_t>(1, (1u << 20) / pattern.size())));
    chunk.reserve(copies * pattern.size());
    for (std::size_t i = 0; i < copies; ++i) chunk += pattern;
    std::uint64_t done = 0;
    while (done < length) {
      const DWORD want = static_cast<DWORD>(std::min<std::uint64_t>(chunk.size(), length - done));
      DWORD wrote = 0;
      if (!WriteFile(f.get(), chunk.data(), want, &wrote, nullptr)) return lastError();
      if (wrote == 0) return ERROR_WRITE_FAULT;
      done += wrote;
      if (wrote != want) {
        // A short write leaves the chunk mid-pattern; go on from where it stopped.
        done -= done % pattern.size();
        if (ErrorCode e = moveTo(f.get(), done)) return e;
      }
    }
    if (!FlushFileBuffers(f.get())) return lastError();
    return err::kSuccess;
  }

  ErrorCode setFileLength(const std::string& path, std::uint64_t length) override {
    if (isReadOnlyFile(path)) return err::kAccessDenied;
    if (reachedThroughLink(path)) return err::kNotSupported;
    Handle f(CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                         FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!f.valid()) return lastError();
    if (ErrorCode e = moveTo(f.get(), length)) return e;
    if (!SetEndOfFile(f.get()) || !FlushFileBuffers(f.get())) return lastError();
    return err::kSuccess;
  }
};

}  // namespace

std::unique_ptr<Files> makeFiles() {
  return std::make_unique<Win32Files>();
}

}  // namespace platform::win32
