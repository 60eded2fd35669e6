// Cookies in words: the records the browsers store, shown with their expiry as a date.
#include "main/dialogs/cookie_text.h"

#include <gtest/gtest.h>

#include "platform/fake/fake_clock.h"
#include "platform/file_time.h"

namespace {

platform::fake::FakeClock clock;

std::string ieRecord(const std::string& name, const std::string& value, platform::FileTime expiry) {
  return name + "\n" + value + "\nsite.example/\n9728\n" + std::to_string(expiry & 0xFFFFFFFF) +
         "\n" + std::to_string(expiry >> 32) + "\n0\n0\n*\n";
}

TEST(CookieText, IERecordsShowSiteNameValueAndExpiryAsADate) {
  const platform::FileTime expiry = platform::fileTimeFromCalendar({2030, 1, 2, 3, 4, 5});
  EXPECT_EQ(vorn::ieCookieInformation(ieRecord("ID", "abc", expiry) + ieRecord("B", "", 0), clock),
            "Site: site.example/\r\nName: ID\r\nValue: abc\r\nExpires: 02/01/2030 03:04:05\r\n"
            "\r\nSite: site.example/\r\nName: B\r\nValue: \r\nExpires: 01/01/1601 00:00:00\r\n");
  // What is no cookie record is shown whole, never in part.
  for (const std::string& raw :
       {std::string("NAME\nvalue\nme@site[1].txt\n"), ieRecord("A", "1", 5) + "stray\n",
        std::string("A\n1\ns/\n0\nlow\n0\n0\n0\n*\n"), std::string("A\n1\ns/\n0\n1\n0\n0\n0\n-\n"),
        std::string("A\n1\ns/\n0\n99999999999\n0\n0\n0\n*\n"), std::string()}) {
    std::string joined;
    for (char c : raw) joined += c == '\n' ? std::string("\r\n") : std::string(1, c);
    EXPECT_EQ(vorn::ieCookieInformation(raw, clock), joined) << raw;
  }
}

TEST(CookieText, NetscapeRecordsShowInColumnsWithTheirExpiry) {
  const std::pair<std::string, std::string> rows[] = {
      {".a.example\tTRUE\t/\tFALSE\t1000\tid\t1", ".a.example\t/\tid\t1\t01/01/1970 00:16:40"},
      {".b.example\tFALSE\t/x\tTRUE\t0\ts\tv", ".b.example\t/x\ts\tv\tend of session"},
      {".c.example\tTRUE\t/\tFALSE\tsoon\tid\t1", ".c.example\tTRUE\t/\tFALSE\tsoon\tid\t1"},
      {"no tabs at all", "no tabs at all"},
      {".d\tTRUE\t/\tFALSE\t1\tid", ".d\tTRUE\t/\tFALSE\t1\tid"},
  };
  for (const auto& [record, shown] : rows) EXPECT_EQ(vorn::netscapeCookieRow(record, clock), shown);
}

}  // namespace
