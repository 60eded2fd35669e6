#include <windows.h>

#include "platform/win32/win32_system.h"

namespace platform::win32 {
namespace {

LocalTime fromSystemTime(const SYSTEMTIME& st) {
  return {st.wYear, st.wMonth, st.wDay, st.wHour, st.wMinute, st.wSecond, st.wMilliseconds};
}

class Win32Clock : public Clock {
 public:
  LocalTime now() override {
    SYSTEMTIME st;
    GetLocalTime(&st);
    return fromSystemTime(st);
  }

  std::string generalDate(const LocalTime& t) override {
    SYSTEMTIME st{};
    st.wYear = static_cast<WORD>(t.year);
    st.wMonth = static_cast<WORD>(t.month);
    st.wDay = static_cast<WORD>(t.day);
    st.wHour = static_cast<WORD>(t.hour);
    st.wMinute = static_cast<WORD>(t.minute);
    st.wSecond = static_cast<WORD>(t.second);
    char date[128] = {}, time[128] = {};
    GetDateFormatA(LOCALE_USER_DEFAULT, DATE_SHORTDATE, &st, nullptr, date, sizeof date);
    GetTimeFormatA(LOCALE_USER_DEFAULT, 0, &st, nullptr, time, sizeof time);
    return std::string(date) + " " + time;
  }

  LocalTime toLocal(FileTime time) override {
    FILETIME utc{static_cast<DWORD>(time), static_cast<DWORD>(time >> 32)}, local;
    SYSTEMTIME st{};
    FileTimeToLocalFileTime(&utc, &local);
    FileTimeToSystemTime(&local, &st);
    return fromSystemTime(st);
  }
};

}  // namespace

std::unique_ptr<Clock> makeClock() {
  return std::make_unique<Win32Clock>();
}

}  // namespace platform::win32
