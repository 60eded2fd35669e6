#include "main/clean/cleaning_report.h"

#include <algorithm>
#include <cstdio>
#include <map>

namespace vorn {

using Kind = platform::RecordedChange::Kind;

std::string sizeText(std::uint64_t bytes) {
  if (bytes < 1024) return std::to_string(bytes) + (bytes == 1 ? " byte" : " bytes");
  static const char* const units[] = {"KB", "MB", "GB", "TB"};
  double value = static_cast<double>(bytes) / 1024.0;
  int unit = 0;
  while (value >= 1024.0 && unit < 3) {
    value /= 1024.0;
    ++unit;
  }
  char text[32];
  std::snprintf(text, sizeof text, "%.1f %s", value, units[unit]);
  return text;
}

ReportTotals reportTotals(const std::vector<platform::RecordedChange>& changes) {
  ReportTotals t;
  for (const auto& c : changes) {
    if (c.result != platform::err::kSuccess) {
      ++t.failed;
      continue;
    }
    switch (c.kind) {
      case Kind::FileDeleted:
        ++t.files;
        t.bytes += c.size;
        break;
      case Kind::FolderRemoved:
        ++t.folders;
        break;
      case Kind::LinkRemoved:
        ++t.links;
        break;
      case Kind::ValueDeleted:
        ++t.values;
        break;
      case Kind::KeyDeleted:
        ++t.keys;
        break;
      case Kind::FileReplaced:
      case Kind::FileCut:
      case Kind::ValueSet:
        ++t.rewritten;
        break;
      case Kind::FileOverwritten:
        ++t.overwritten;
        break;
      case Kind::ShellDeleted:
        ++t.shellDeletes;
        break;
      case Kind::RecycleBinEmptied:
        ++t.shellDeletes;
        t.bytes += c.size;  // what the bin held, where the shell could tell
        break;
      case Kind::CacheEntryRemoved:
        ++t.cacheEntries;
        break;
      case Kind::EntrySkipped:
        break;
    }
  }
  return t;
}

namespace {

std::string plural(std::uint64_t n, const std::string& one, const std::string& many) {
  return countText(n) + " " + (n == 1 ? one : many);
}

const char* kindTitleText(Kind kind) {
  switch (kind) {
    case Kind::FileDeleted:
      return "Files";
    case Kind::FileOverwritten:
      return "Files overwritten before removal";
    case Kind::FileCut:
      return "Files cut";
    case Kind::FileReplaced:
      return "Files rewritten";
    case Kind::FolderRemoved:
      return "Folders";
    case Kind::LinkRemoved:
      return "Links (the link only, never its target)";
    case Kind::ValueDeleted:
      return "Registry values";
    case Kind::ValueSet:
      return "Registry values written";
    case Kind::KeyDeleted:
      return "Registry keys";
    case Kind::ShellDeleted:
      return "Removed by the shell";
    case Kind::RecycleBinEmptied:
      return "Recycle Bin emptied";
    case Kind::CacheEntryRemoved:
      return "Entries the Internet Properties dialog empties";
    case Kind::EntrySkipped:
      return "Entries skipped";
  }
  return "";
}

std::string reason(platform::ErrorCode code) {
  // The removal refuses what it cannot remove without reaching a link's target.
  switch (code) {
    case platform::err::kNotSupported:
      return "a link, left in place";
    case platform::err::kReparsePointEncountered:
      return "reached through a link, not walked";
    case platform::err::kAccessDenied:
      return "read-only or access denied (5)";
    case platform::err::kSharingViolation:
      return "in use by another program (32)";
    case platform::err::kDirNotEmpty:
      return "folder not empty (145)";
    default:
      return "error " + std::to_string(code);
  }
}

// The distinct values of a field, in the order they first occur.
template <class Items, class Field>
std::vector<std::string> inOrder(const Items& items, Field field) {
  std::vector<std::string> seen;
  for (const auto& item : items) {
    const std::string& value = *field(item);
    if (std::find(seen.begin(), seen.end(), value) == seen.end()) seen.push_back(value);
  }
  return seen;
}

char lowerAscii(char c) {
  return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

std::string pathKey(std::string path) {
  for (char& c : path) c = lowerAscii(c);
  return path;
}

// A cookie file's overwrite passes and its removal are one item: "overwritten N times,
// then removed", at the size the file had before the first pass. The later passes and
// the cuts to the scratch file's length depend on which scratch file was drawn, so an
// analysis and the cleaning after it show the same item only this way.
// The list shown is the recorded one itself where nothing was overwritten (no copy of a
// long list), else `merged`.
struct Shown {
  std::vector<platform::RecordedChange> merged;
  const std::vector<platform::RecordedChange>* recorded = nullptr;
  std::map<const platform::RecordedChange*, int> passes;
  const std::vector<platform::RecordedChange>& changes() const {
    return recorded ? *recorded : merged;
  }
};

Shown withOverwritesMerged(const std::vector<platform::RecordedChange>& changes) {
  Shown shown;
  if (std::none_of(changes.begin(), changes.end(), [](const platform::RecordedChange& c) {
        return c.kind == Kind::FileOverwritten && c.result == platform::err::kSuccess;
      })) {
    shown.recorded = &changes;
    return shown;
  }
  struct Pending {
    int passes = 0;
    std::uint64_t size = 0;
    const platform::RecordedChange* first = nullptr;
  };
  std::map<std::string, Pending> pending;
  std::vector<std::pair<platform::RecordedChange, int>> items;
  for (const auto& c : changes) {
    const std::string key = pathKey(c.target);
    auto it = pending.find(key);
    if (c.kind == Kind::FileOverwritten && c.result == platform::err::kSuccess) {
      Pending& p = pending[key];
      if (p.passes++ == 0) {
        p.size = c.size;
        p.first = &c;
      }
      continue;
    }
    if (c.kind == Kind::FileCut && c.result == platform::err::kSuccess && it != pending.end())
      continue;
    if (c.kind == Kind::FileDeleted && it != pending.end()) {
      platform::RecordedChange merged = c;
      merged.size = it->second.size;
      items.emplace_back(merged, it->second.passes);
      pending.erase(it);
      continue;
    }
    items.emplace_back(c, 0);
  }
  // Passes no removal followed stay listed as overwrites.
  for (const auto& [key, p] : pending) items.emplace_back(*p.first, p.passes);
  shown.merged.reserve(items.size());
  for (auto& item : items) shown.merged.push_back(std::move(item.first));
  for (std::size_t i = 0; i < items.size(); ++i)
    if (items[i].second > 0) shown.passes[&shown.merged[i]] = items[i].second;
  return shown;
}

std::string passesText(int passes) {
  return passes == 1 ? "overwritten once" : "overwritten " + std::to_string(passes) + " times";
}

bool hasSize(Kind kind) {
  return kind == Kind::FileDeleted || kind == Kind::FileOverwritten || kind == Kind::FileCut ||
         kind == Kind::FileReplaced;
}

// A bin the shell could not count carries no size, which is not the same as nothing.
bool showsSize(const platform::RecordedChange& c) {
  return hasSize(c.kind) || (c.kind == Kind::RecycleBinEmptied && c.size > 0);
}

}  // namespace

std::string totalsLine(const ReportTotals& t) {
  std::string line = sizeText(t.bytes) + " in " + plural(t.files, "file", "files") + ", " +
                     plural(t.values, "registry value", "registry values");
  if (t.keys) line += ", " + plural(t.keys, "registry key", "registry keys");
  if (t.folders) line += ", " + plural(t.folders, "folder", "folders");
  if (t.links) line += ", " + plural(t.links, "link", "links");
  if (t.rewritten) line += ", " + plural(t.rewritten, "item rewritten", "items rewritten");
  if (t.cacheEntries)
    line += ", " + plural(t.cacheEntries, "browser cache entry", "browser cache entries");
  if (t.shellDeletes) line += ", " + plural(t.shellDeletes, "shell removal", "shell removals");
  return line;
}

std::vector<ReportItem> reportItems(const std::vector<platform::RecordedChange>& recorded) {
  const Shown shown = withOverwritesMerged(recorded);
  const std::vector<platform::RecordedChange>& changes = shown.changes();
  auto passesOf = [&shown](const platform::RecordedChange* c) {
    auto it = shown.passes.find(c);
    return it == shown.passes.end() ? 0 : it->second;
  };
  std::vector<ReportItem> items;
  items.reserve(changes.size());
  // Areas and their options in the order they ran; within each, kinds in a fixed order.
  for (const std::string& area : inOrder(changes, [](const auto& c) { return &c.section; })) {
    std::vector<const platform::RecordedChange*> ofArea;
    for (const auto& c : changes)
      if (c.section == area) ofArea.push_back(&c);
    // What ran outside any option comes first, so that no option heading claims it.
    std::vector<std::string> options = inOrder(ofArea, [](const auto* c) { return &c->option; });
    std::stable_partition(options.begin(), options.end(),
                          [](const std::string& o) { return o.empty(); });
    for (const std::string& option : options) {
      std::map<int, std::vector<const platform::RecordedChange*>> done;
      std::vector<const platform::RecordedChange*> failed;
      for (const auto* c : ofArea) {
        if (c->option != option) continue;
        if (c->result == platform::err::kSuccess)
          done[static_cast<int>(c->kind)].push_back(c);
        else
          failed.push_back(c);
      }
      for (auto& [kind, ofKind] : done) {
        std::stable_sort(ofKind.begin(), ofKind.end(),
                         [](const auto* a, const auto* b) { return a->size > b->size; });
        for (const auto* c : ofKind) items.push_back({*c, passesOf(c)});
      }
      for (const auto* c : failed) items.push_back({*c, passesOf(c)});
    }
  }
  return items;
}

std::string kindTitle(Kind kind) {
  return kindTitleText(kind);
}

std::string itemName(const platform::RecordedChange& c) {
  if (c.kind == Kind::RecycleBinEmptied && c.target.empty()) return "every drive";
  return c.target;
}

std::string itemSizeText(const ReportItem& item) {
  return showsSize(item.change) ? sizeText(item.change.size) : std::string();
}

std::string outcomeText(const ReportItem& item, bool analysis) {
  const platform::RecordedChange& c = item.change;
  const std::string passes = item.passes > 0 ? passesText(item.passes) : std::string();
  if (c.result != platform::err::kSuccess) {
    if (!c.why.empty()) return c.why;
    return (passes.empty() ? "" : passes + ", ") + reason(c.result);
  }
  switch (c.kind) {
    case Kind::FileOverwritten:
      return analysis ? "would be " + passes : passes;
    case Kind::FileCut:
    case Kind::FileReplaced:
    case Kind::ValueSet:
      return analysis ? "would rewrite" : "rewritten";
    case Kind::RecycleBinEmptied:
      return analysis ? "would empty" : "emptied";
    case Kind::EntrySkipped:
      return "skipped";
    default:
      break;
  }
  if (!passes.empty()) return (analysis ? "would be " : "") + passes + ", then removed";
  return analysis ? "would remove" : "removed";
}

ReportTotals runTotals(const std::vector<platform::RecordedChange>& recorded) {
  return reportTotals(withOverwritesMerged(recorded).changes());
}

std::string cleaningReportText(const std::vector<platform::RecordedChange>& recorded,
                               const std::string& heading, bool analysis) {
  const std::vector<ReportItem> items = reportItems(recorded);
  const ReportTotals totals = runTotals(recorded);
  std::string text = heading + "\r\n";
  text += std::string(analysis ? "Would remove: " : "Removed: ") + totalsLine(totals) + "\r\n";
  if (totals.failed)
    text += std::string(analysis ? "Would not be removed: " : "Could not be removed: ") +
            countText(totals.failed) + "\r\n";
  if (analysis)
    text +=
        "A cookie file overwritten before its removal is listed once, at its present size,\r\n"
        "with its passes. Entries of the Internet Properties dialog are listed as what it\r\n"
        "would empty.\r\n";

  // The items come grouped: a heading starts where its group does, with the counts of
  // the run of items it heads.
  auto sameGroup = [](const platform::RecordedChange& a, const platform::RecordedChange& b) {
    return a.section == b.section && a.option == b.option;
  };
  for (std::size_t i = 0; i < items.size(); ++i) {
    const platform::RecordedChange& c = items[i].change;
    const platform::RecordedChange* before = i > 0 ? &items[i - 1].change : nullptr;
    if (!before || before->section != c.section)
      text += "\r\n== " + (c.section.empty() ? std::string("Other") : c.section) + " ==\r\n";
    const bool groupStarts = !before || !sameGroup(*before, c);
    if (groupStarts && !c.option.empty()) text += "-- " + c.option + " --\r\n";
    const bool ok = c.result == platform::err::kSuccess;
    auto runEnd = [&](auto same) {
      std::size_t j = i;
      while (j < items.size() && sameGroup(items[j].change, c) && same(items[j].change)) ++j;
      return j;
    };
    if (ok &&
        (groupStarts || before->kind != c.kind || before->result != platform::err::kSuccess)) {
      const std::size_t end = runEnd([&c](const platform::RecordedChange& x) {
        return x.result == platform::err::kSuccess && x.kind == c.kind;
      });
      std::uint64_t bytes = 0;
      for (std::size_t j = i; j < end; ++j) bytes += items[j].change.size;
      text += kindTitle(c.kind) + " (" + countText(end - i) +
              (hasSize(c.kind) || bytes > 0 ? ", " + sizeText(bytes) : std::string()) + ")\r\n";
    }
    if (!ok && (groupStarts || before->result == platform::err::kSuccess)) {
      const std::size_t end = runEnd(
          [](const platform::RecordedChange& x) { return x.result != platform::err::kSuccess; });
      text += "Not removed (" + countText(end - i) + ")\r\n";
    }
    if (ok) {
      std::string detail = showsSize(c) ? sizeText(c.size) : std::string();
      if (items[i].passes > 0)
        detail += ", " + passesText(items[i].passes) +
                  (c.kind == Kind::FileDeleted ? ", then removed" : std::string());
      // Appended piece by piece: a long report has a line for every file.
      text += "  ";
      text += itemName(c);
      if (!detail.empty()) text.append("  (").append(detail).append(")");
      text += "\r\n";
    } else if (!c.why.empty()) {
      text += "  " + itemName(c) + "  (" + c.why + ")\r\n";
    } else {
      text += "  " + itemName(c) + "  (" + kindTitle(c.kind) +
              (items[i].passes > 0 ? ", " + passesText(items[i].passes) : std::string()) + ", " +
              reason(c.result) + ")\r\n";
    }
  }
  return text;
}

}  // namespace vorn
