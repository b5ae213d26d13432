#include "overlay/program_list.h"

namespace dv {
namespace {

// Characters, not bytes: a UTF-8 continuation byte starts none.
std::size_t Characters(std::string_view text) {
    std::size_t n = 0;
    for (const char c : text)
        if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) ++n;
    return n;
}

bool HasPath(std::string_view name) { return name.find_first_of("\\/") != std::string_view::npos; }

std::string_view Trimmed(std::string_view s) {
    const std::size_t first = s.find_first_not_of(" \t");
    if (first == std::string_view::npos) return {};
    return s.substr(first, s.find_last_not_of(" \t") - first + 1);
}

}  // namespace

std::string_view FileNameOf(std::string_view path) {
    const std::size_t slash = path.find_last_of("\\/");
    return slash == std::string_view::npos ? path : path.substr(slash + 1);
}

bool ListableName(std::string_view fileName) {
    return !fileName.empty() && Characters(fileName) <= kMaxNameLength &&
           fileName.find_first_of("\\/|") == std::string_view::npos;
}

std::vector<ListEntry> ParseProgramList(std::string_view stored) {
    std::vector<ListEntry> list;
    std::size_t begin = 0;
    while (list.size() < kMaxListed && begin <= stored.size()) {
        const std::size_t bar = stored.find('|', begin);
        const std::size_t end = bar == std::string_view::npos ? stored.size() : bar;
        const std::string_view name = Trimmed(stored.substr(begin, end - begin));
        if (!name.empty() && Characters(name) <= kMaxNameLength)
            list.push_back({begin, end, std::string(name)});
        begin = end + 1;
    }
    return list;
}

std::string WithEntry(std::string_view stored, std::string_view name) {
    return stored.empty() ? std::string(name) : std::string(stored) + "|" + std::string(name);
}

// From the last to the first, so that each entry still stands where it was
// found: the bar after an entry goes with it, the one before for the last.
std::string WithoutEntries(std::string_view stored, const std::vector<ListEntry>& gone) {
    std::string text(stored);
    for (auto e = gone.rbegin(); e != gone.rend(); ++e) {
        std::size_t begin = e->begin, end = e->end;
        if (end < text.size())
            ++end;
        else if (begin > 0)
            --begin;
        text.erase(begin, end - begin);
    }
    return text;
}

void ProgramList::Read() {
    const StoredText stored = store_.ReadProgramList();
    readable_ = stored.kind != StoredText::Kind::Unreadable;
    stored_ = stored.kind == StoredText::Kind::Text ? stored.text : std::string();
    entries_ = ParseProgramList(stored_);
}

// An entry with a path names that program alone, whichever way its slashes
// lean; one without, every program of that file name.
bool ProgramList::Matches(const ListEntry& entry, std::string_view path) {
    if (!HasPath(entry.name)) return host_.SameFileName(entry.name, FileNameOf(path));
    const auto backslashed = [](std::string_view p) {
        std::string s(p);
        for (char& c : s)
            if (c == '/') c = '\\';
        return s;
    };
    return host_.SameFileName(backslashed(entry.name), backslashed(path));
}

bool ProgramList::Has(std::string_view path) {
    if (path.empty()) return false;
    for (const ListEntry& entry : entries_)
        if (Matches(entry, path)) return true;
    return false;
}

bool ProgramList::Set(std::string_view path, bool listed) {
    Read();
    if (!readable_ || path.empty()) return false;
    if (Has(path) == listed) return true;  // so already, by an edit made meanwhile
    std::string text;
    if (listed) {
        const std::string_view name = FileNameOf(path);
        if (Full() || !ListableName(name)) return false;
        text = WithEntry(stored_, name);
    } else {
        std::vector<ListEntry> gone;
        for (const ListEntry& entry : entries_)
            if (Matches(entry, path)) gone.push_back(entry);
        text = WithoutEntries(stored_, gone);
    }
    if (!store_.SetProgramList(text)) return false;
    stored_ = std::move(text);
    entries_ = ParseProgramList(stored_);
    return true;
}

}  // namespace dv
