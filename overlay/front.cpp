#include "overlay/front.h"

#include "overlay/monitors.h"
#include "resources/names.h"

namespace dv {

std::optional<std::size_t> FullScreenMonitor(const FrontWindow& front,
                                             const std::vector<Monitor>& monitors, int userState) {
    if (front.handle == 0 || front.ours || front.shell || monitors.empty()) return std::nullopt;
    const std::size_t under = MonitorUnder(monitors, front.rect);
    if (userState == kQunsBusy || userState == kQunsD3dFullScreen || userState == kQunsPresentation)
        return under;
    if (front.caption) return std::nullopt;
    const PixelRect& m = monitors[under].rect;
    const PixelRect& r = front.rect;
    if (r.left <= m.left && r.top <= m.top && r.right >= m.right && r.bottom >= m.bottom)
        return under;
    return std::nullopt;
}

namespace {

// Characters, not bytes: a UTF-8 continuation byte starts none.
std::size_t Characters(std::string_view text) {
    std::size_t n = 0;
    for (const char c : text)
        if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) ++n;
    return n;
}

}  // namespace

bool ListableName(std::string_view program) {
    return !program.empty() && Characters(program) <= kMaxNameLength &&
           program.find_first_of("\\/|") == std::string_view::npos;
}

std::vector<std::string> ParseProgramList(std::string_view stored) {
    std::vector<std::string> list;
    while (list.size() < kMaxListed) {
        const std::size_t bar = stored.find('|');
        const std::string_view entry = stored.substr(0, bar);
        if (ListableName(entry)) list.emplace_back(entry);
        if (bar == std::string_view::npos) break;
        stored.remove_prefix(bar + 1);
    }
    return list;
}

std::string ProgramListText(const std::vector<std::string>& list) {
    std::string text;
    for (const std::string& name : list) text += (text.empty() ? "" : "|") + name;
    return text;
}

void ProgramList::Read() {
    const StoredText stored =
        host_.GetSetting(names::kAppName, names::kSection, names::kKeyPauseFor);
    read_ = stored.kind != StoredText::Kind::Unreadable;
    names_ = stored.kind == StoredText::Kind::Text ? ParseProgramList(stored.text)
                                                   : std::vector<std::string>{};
}

bool ProgramList::Has(const std::string& program) {
    for (const std::string& name : names_)
        if (host_.SameFileName(name, program)) return true;
    return false;
}

bool ProgramList::Set(const std::string& program, bool listed) {
    if (!read_) return false;
    std::vector<std::string> list;
    for (const std::string& name : names_)
        if (!host_.SameFileName(name, program)) list.push_back(name);
    if (listed) {
        if (!ListableName(program) || list.size() >= kMaxListed) return false;
        list.push_back(program);
    }
    if (!host_.SaveSetting(names::kAppName, names::kSection, names::kKeyPauseFor,
                           ProgramListText(list)))
        return false;
    names_ = std::move(list);
    return true;
}

}  // namespace dv
