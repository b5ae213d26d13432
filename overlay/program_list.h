// The programs the user listed, to step aside for while one is in front:
// the text "PauseFor", names or full paths separated by "|". The text is the
// user's as much as the program's: a change made from the menu changes what
// it must and leaves every other character as it stands.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "platform/platform.h"
#include "settings/store.h"

namespace dv {

inline constexpr std::size_t kMaxListed = 64, kMaxNameLength = 260;

// A program's file name, the end of its full path.
std::string_view FileNameOf(std::string_view path);
// Whether a file name could stand in the list as the menu adds it.
bool ListableName(std::string_view fileName);

// One entry the program understands: where it stands in the stored text
// (from the bar before it to the bar after, blanks included), and what it
// says without the blanks around it, a file name or a full path.
struct ListEntry {
    std::size_t begin = 0, end = 0;
    std::string name;
};
// The first 64 entries that are neither empty nor longer than 260
// characters; the others stay in the text, unread.
std::vector<ListEntry> ParseProgramList(std::string_view stored);
// The text with `name` added at its end.
std::string WithEntry(std::string_view stored, std::string_view name);
// The text without `gone` (entries of it), each taken out with one "|"
// beside it.
std::string WithoutEntries(std::string_view stored, const std::vector<ListEntry>& gone);

class ProgramList {
   public:
    ProgramList(Platform& host, Store& store) : host_(host), store_(store) {}
    // Reads the stored list; one that could not be read is never written.
    void Read();
    bool Empty() const { return entries_.empty(); }
    bool Full() const { return entries_.size() >= kMaxListed; }
    // Whether the program at `path` is listed: by its file name, or by its
    // full path, either without regard to case.
    bool Has(std::string_view path);
    // Adds the program's file name, or takes out every entry that names
    // it, into the list as stored now (read again first, so that an edit
    // made meanwhile stays). False, and nothing changed, when the store
    // refused or the list could not be read, is full, or cannot hold it.
    bool Set(std::string_view path, bool listed);

   private:
    bool Matches(const ListEntry& entry, std::string_view path);

    Platform& host_;
    Store& store_;
    std::string stored_;
    std::vector<ListEntry> entries_;
    bool readable_ = true;
};

}  // namespace dv
