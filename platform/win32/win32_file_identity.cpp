#include <windows.h>

#include <vector>

#include "platform/win32/win32_error.h"
#include "platform/win32/win32_system.h"

namespace platform::win32 {
namespace {

FileTime ticks(LARGE_INTEGER t) {
  return static_cast<FileTime>(t.QuadPart);
}

// The layout of FILE_ID_BOTH_DIR_INFO, declared here because the headers offer it only
// to programs that require a newer Windows than this one does.
struct IdBothDirInfo {
  DWORD nextEntryOffset;
  DWORD fileIndex;
  LARGE_INTEGER creationTime, lastAccessTime, lastWriteTime, changeTime;
  LARGE_INTEGER endOfFile, allocationSize;
  DWORD fileAttributes;
  DWORD fileNameLength;  // bytes
  DWORD eaSize;
  CCHAR shortNameLength;
  WCHAR shortName[12];
  LARGE_INTEGER fileId;
  WCHAR fileName[1];
};
constexpr int kFileIdBothDirectoryInfo = 10;  // FILE_INFO_BY_HANDLE_CLASS values
constexpr int kFileIdBothDirectoryRestartInfo = 11;

using InfoByHandleEx = BOOL(WINAPI*)(HANDLE, int, LPVOID, DWORD);

// Present from Windows Vista on; older systems list through find-first/next.
InfoByHandleEx infoByHandleEx() {
  static const InfoByHandleEx fn = reinterpret_cast<InfoByHandleEx>(reinterpret_cast<void*>(
      GetProcAddress(GetModuleHandleA("kernel32.dll"), "GetFileInformationByHandleEx")));
  return fn;
}

class Win32FileIdentity : public FileIdentity {
 public:
  ErrorCode identify(const std::string& path, FileId& id) override {
    // No access rights needed: only the handle's information is read. Backup semantics
    // let the call open folders.
    HANDLE h = CreateFileA(path.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                           nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (h == INVALID_HANDLE_VALUE) return lastError();
    BY_HANDLE_FILE_INFORMATION info;
    ErrorCode result = err::kSuccess;
    if (GetFileInformationByHandle(h, &info)) {
      id.volumeSerial = info.dwVolumeSerialNumber;
      id.fileIndex = (static_cast<std::uint64_t>(info.nFileIndexHigh) << 32) | info.nFileIndexLow;
    } else {
      result = lastError();
    }
    CloseHandle(h);
    return result;
  }

  ErrorCode listWithIndexes(
      const std::string& folder,
      const std::function<bool(const FindData&, std::uint64_t fileIndex)>& visit) override {
    InfoByHandleEx query = infoByHandleEx();
    if (!query) return listByFind(folder, visit);
    HANDLE h = CreateFileA(folder.c_str(), FILE_LIST_DIRECTORY | SYNCHRONIZE,
                           FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                           OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (h == INVALID_HANDLE_VALUE) {
      // As with a listing pattern, a missing folder is a missing path.
      ErrorCode e = lastError();
      return e == ERROR_FILE_NOT_FOUND ? err::kPathNotFound : e;
    }
    // One buffer per call: a visitor may list other folders while this one is open.
    std::vector<char> buffer(64 * 1024);
    ErrorCode result = err::kSuccess;
    bool first = true, stop = false;
    int entries = 0;
    while (!stop) {
      if (!query(h, first ? kFileIdBothDirectoryRestartInfo : kFileIdBothDirectoryInfo,
                 buffer.data(), static_cast<DWORD>(buffer.size()))) {
        ErrorCode e = lastError();
        if (e != ERROR_NO_MORE_FILES) {
          // A file system without this listing: fall back before anything was reported.
          if (first && (e == ERROR_INVALID_PARAMETER || e == ERROR_NOT_SUPPORTED ||
                        e == ERROR_INVALID_FUNCTION)) {
            CloseHandle(h);
            return listByFind(folder, visit);
          }
          result = e;
        }
        break;
      }
      first = false;
      for (const char* p = buffer.data();;) {
        const auto* info = reinterpret_cast<const IdBothDirInfo*>(p);
        FindData d;
        d.name = narrow(info->fileName, info->fileNameLength / sizeof(WCHAR));
        d.attributes = info->fileAttributes;
        d.size = static_cast<std::uint64_t>(info->endOfFile.QuadPart);
        d.created = ticks(info->creationTime);
        d.modified = ticks(info->lastWriteTime);
        ++entries;
        if (!visit(d, static_cast<std::uint64_t>(info->fileId.QuadPart))) {
          stop = true;
          break;
        }
        if (info->nextEntryOffset == 0) break;
        p += info->nextEntryOffset;
      }
    }
    CloseHandle(h);
    if (result == err::kSuccess && entries == 0) result = ERROR_FILE_NOT_FOUND;
    return result;
  }

 private:
  // Names as the ANSI find functions give them.
  static std::string narrow(const WCHAR* text, std::size_t length) {
    if (length == 0) return {};
    int n = WideCharToMultiByte(CP_ACP, 0, text, static_cast<int>(length), nullptr, 0, nullptr,
                                nullptr);
    std::string out(static_cast<std::size_t>(n), '\0');
    WideCharToMultiByte(CP_ACP, 0, text, static_cast<int>(length), out.data(), n, nullptr, nullptr);
    return out;
  }

  static ErrorCode listByFind(const std::string& folder,
                              const std::function<bool(const FindData&, std::uint64_t)>& visit) {
    std::string pattern = folder;
    if (pattern.empty() || pattern.back() != '\\') pattern += '\\';
    pattern += "*.*";
    WIN32_FIND_DATAA fd;
    HANDLE h = FindFirstFileA(pattern.c_str(), &fd);
    if (h == INVALID_HANDLE_VALUE) return lastError();
    do {
      FindData d;
      d.name = fd.cFileName;
      d.attributes = fd.dwFileAttributes;
      d.size = (static_cast<std::uint64_t>(fd.nFileSizeHigh) << 32) | fd.nFileSizeLow;
      d.created = (static_cast<FileTime>(fd.ftCreationTime.dwHighDateTime) << 32) |
                  fd.ftCreationTime.dwLowDateTime;
      d.modified = (static_cast<FileTime>(fd.ftLastWriteTime.dwHighDateTime) << 32) |
                   fd.ftLastWriteTime.dwLowDateTime;
      if (!visit(d, 0)) break;
    } while (FindNextFileA(h, &fd));
    FindClose(h);
    return err::kSuccess;
  }
};

}  // namespace

std::unique_ptr<FileIdentity> makeFileIdentity() {
  return std::make_unique<Win32FileIdentity>();
}

}  // namespace platform::win32
