// Whether every language's texts fit their controls, with a tenth of each
// control to spare, at 96, 120, 144 and 192 dots per inch, and whether every
// character has a glyph in the face the program sets it in: measured with
// this system's real fonts, in the faces the program would pick here.
#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

#include "resources/layout_night.h"
#include "resources/layout_set.h"
#include "resources/layout_splash.h"
#include "settings/language.h"
#include "tools/probe/probe.h"

namespace probe {
namespace {

using dv::Font;
using dv::Language;
using dv::Texts;

std::wstring Wide(const std::string& text) {
    std::wstring w(text.size(), L'\0');
    w.resize(static_cast<size_t>(MultiByteToWideChar(CP_UTF8, 0, text.data(),
                                                     static_cast<int>(text.size()), w.data(),
                                                     static_cast<int>(w.size()))));
    return w;
}

int CALLBACK Found(const LOGFONTW*, const TEXTMETRICW*, DWORD, LPARAM found) {
    *reinterpret_cast<bool*>(found) = true;
    return 0;
}

struct SystemFaces : dv::FontFaces {
    bool HasFontFace(const char* face) override {
        LOGFONTW wanted{};
        wanted.lfCharSet = DEFAULT_CHARSET;
        const std::wstring name = Wide(face);
        name.copy(wanted.lfFaceName, LF_FACESIZE - 1);
        HDC dc = GetDC(nullptr);
        bool found = false;
        EnumFontFamiliesExW(dc, &wanted, Found, reinterpret_cast<LPARAM>(&found), 0);
        ReleaseDC(nullptr, dc);
        return found;
    }
};

// A font as the program makes it at `dpi`, selected into a screen DC.
class Measure {
   public:
    Measure(const Font& font, int dpi) : dc_(CreateCompatibleDC(nullptr)) {
        const int height =
            -static_cast<int>(std::lround(font.points * static_cast<float>(dpi) / 72.0f));
        font_ =
            CreateFontW(height, 0, 0, 0, font.bold ? FW_BOLD : FW_NORMAL, FALSE, FALSE, FALSE,
                        static_cast<BYTE>(font.charset), OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                        DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, Wide(font.face).c_str());
        old_ = SelectObject(dc_, font_);
    }
    ~Measure() {
        SelectObject(dc_, old_);
        DeleteObject(font_);
        DeleteDC(dc_);
    }
    SIZE Extent(const std::string& text) const {
        const std::wstring w = Wide(text);
        SIZE size{0, 0};
        GetTextExtentPoint32W(dc_, w.c_str(), static_cast<int>(w.size()), &size);
        return size;
    }
    // The height `text` takes wrapped at `width` pixels, as a static control wraps it.
    int WrappedHeight(const std::string& text, int width) const {
        const std::wstring w = Wide(text);
        RECT r{0, 0, width, 0};
        DrawTextW(dc_, w.c_str(), static_cast<int>(w.size()), &r,
                  DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX);
        return r.bottom;
    }
    // The characters the face has no glyph for.
    std::wstring Missing(const std::string& text) const {
        const std::wstring w = Wide(text);
        std::vector<WORD> glyphs(w.size());
        GetGlyphIndicesW(dc_, w.c_str(), static_cast<int>(w.size()), glyphs.data(),
                         GGI_MARK_NONEXISTING_GLYPHS);
        std::wstring missing;
        for (size_t i = 0; i < w.size(); ++i)
            if (glyphs[i] == 0xFFFF) missing += w[i];
        return missing;
    }
    // The dialog manager's unit of width: the average of the 52 letters.
    int DialogBaseX() const {
        SIZE size{0, 0};
        GetTextExtentPoint32W(dc_, L"ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz", 52,
                              &size);
        return (size.cx / 26 + 1) / 2;
    }
    std::string Face() const {
        wchar_t face[LF_FACESIZE] = L"";
        GetTextFaceW(dc_, LF_FACESIZE, face);
        char utf8[LF_FACESIZE * 3] = "";
        WideCharToMultiByte(CP_UTF8, 0, face, -1, utf8, sizeof utf8, nullptr, nullptr);
        return utf8;
    }
    TEXTMETRICW Metrics() const {
        TEXTMETRICW tm{};
        GetTextMetricsW(dc_, &tm);
        return tm;
    }
    int Height() const { return Metrics().tmHeight; }

   private:
    HDC dc_;
    HFONT font_;
    HGDIOBJ old_;
};

// The windows are drawn for their Simplified Chinese texts, which fit as
// drawn; every other language's keep a tenth of each control to spare.
struct Tally {
    int checks = 0, failures = 0;
    const char* language = "";
    bool drawnFor = false;
    int dpi = 96;
    void Fits(const char* what, const std::string& text, int need, int have) {
        ++checks;
        if (drawnFor ? need <= have : need * 10 <= have * 9) return;
        ++failures;
        std::printf("TOO WIDE %s %d dpi %s: needs %d px of %d (\"%s\")\n", language, dpi, what,
                    need, have, text.c_str());
    }
    // Top to bottom, a text's line has only the room there is.
    void Holds(const char* what, const std::string& text, int need, int have) {
        ++checks;
        if (need <= have) return;
        ++failures;
        std::printf("TOO TALL %s %d dpi %s: needs %d px of %d (\"%s\")\n", language, dpi, what,
                    need, have, text.c_str());
    }
    void Glyphs(const char* face, const std::string& text, const Measure& m) {
        ++checks;
        const std::wstring missing = m.Missing(text);
        if (missing.empty()) return;
        ++failures;
        std::printf("NO GLYPH %s in %s for U+%04X in \"%s\"\n", language, face,
                    unsigned(missing[0]), text.c_str());
    }
};

int Px(float twips, int dpi) {
    return static_cast<int>(std::lround(twips * static_cast<float>(dpi) / 1440.0f));
}

// Each label: its text, the most it may take across from where it stands,
// and what lies below it: the label under it in the same column, or the
// bottom of its own box or of the window (twips). Up and down, a line takes
// its cell but for the room above the letters for accents (the internal
// leading), which the line above may use, as in any font.
struct Span {
    const char* what;
    const dv::Label& design;
    std::string text;
    float room;
    const dv::Label* under;  // or:
    float floor = 0;
};

int LeadingOf(const dv::Label& label, Language language, SystemFaces& faces, int dpi) {
    return Measure(dv::FontIn(language, label.Get().font, faces), dpi).Metrics().tmInternalLeading;
}

void CheckSpans(Tally& tally, SystemFaces& faces, Language language,
                const std::vector<Span>& spans) {
    for (const Span& s : spans) {
        const Font font = dv::FontIn(language, s.design.Get().font, faces);
        const Measure m(font, tally.dpi);
        const SIZE size = m.Extent(s.text);
        tally.Fits(s.what, s.text, size.cx, Px(s.room, tally.dpi));
        const int top = Px(s.design.Top(), tally.dpi);
        if (s.under) {
            const int below =
                Px(s.under->Top(), tally.dpi) + LeadingOf(*s.under, language, faces, tally.dpi);
            tally.Holds(s.what, s.text, size.cy, below - top);
        } else {
            tally.Holds(s.what, s.text, size.cy - m.Metrics().tmInternalLeading,
                        Px(s.floor, tally.dpi) - top);
        }
        if (tally.dpi == 96) tally.Glyphs(font.face, s.text, m);
    }
}

void CheckSettings(Tally& tally, SystemFaces& faces, Language language, const Texts& t) {
    const dv::layout::SetControls d;
    const float width = dv::names::kSetClient.width, height = dv::names::kSetClient.height;
    const float gap = 120;
    const bool chinese = language == Language::Chinese;
    const float swatchLeft = d.swatch.Rect().left, sliderLeft = d.sliderTrack.X1() - 150;
    const dv::TwipsRect swatch = d.swatch.Rect(), button = d.turnOff.Get().rect;
    CheckSpans(
        tally, faces, language,
        {{"tint", d.tintCaption, t.tint,
          chinese ? swatchLeft - d.tintCaption.Rect().left : swatchLeft - gap, &d.lightCaption},
         {"light", d.lightCaption, t.light,
          chinese ? sliderLeft - d.lightCaption.Rect().left : sliderLeft - gap, nullptr, height},
         {"swatch", d.swatch, t.swatch, swatch.width, nullptr, swatch.top + swatch.height},
         {"author", d.author, t.contactAuthor, width - d.author.Rect().left, &d.feedback},
         {"feedback", d.feedback, t.contactFeedback, width - d.feedback.Rect().left, &d.homeLink},
         {"link", d.homeLink, t.contactLink, width - d.homeLink.Rect().left, nullptr, height},
         {"monitor", d.monitorName, std::string(t.monitor) + "9", width - d.monitorName.Rect().left,
          &d.tintCaption}});
    const Font font = dv::FontIn(language, d.turnOff.Get().font, faces);
    const Measure m(font, tally.dpi);
    const SIZE size = m.Extent(t.turnOff);
    tally.Fits("turn-off", t.turnOff, size.cx, Px(button.width, tally.dpi));
    tally.Holds("turn-off", t.turnOff, size.cy - m.Metrics().tmInternalLeading,
                Px(button.height, tally.dpi));
    if (tally.dpi == 96) tally.Glyphs(font.face, t.turnOff, m);
}

void CheckSplash(Tally& tally, SystemFaces& faces, Language language, const Texts& t) {
    const dv::layout::SplashControls d;
    const float width = dv::names::kSplashClient.width, height = dv::names::kSplashClient.height;
    CheckSpans(
        tally, faces, language,
        {{"slogan", d.slogan, t.slogan, width - d.slogan.Rect().left, &d.countdown},
         {"usage", d.usageNote, t.usage, width - d.usageNote.Rect().left, nullptr, height},
         {"author", d.author, t.contactAuthor, width - d.author.Rect().left, &d.feedback},
         {"feedback", d.feedback, t.contactFeedback, width - d.feedback.Rect().left, &d.homeLink},
         {"link", d.homeLink, t.contactLink, width - d.homeLink.Rect().left, &d.usageNote}});
}

// The hot-key dialog, in dialog units of its font: 66 for a row's name,
// 60 for a button, and 198 by 26 for the line, which wraps.
void CheckDialog(Tally& tally, SystemFaces& faces, Language language, const Texts& t) {
    const Font font = dv::FontIn(language, dv::layout::kSong9, faces);
    const Measure m(font, tally.dpi);
    const int x = m.DialogBaseX(), y = m.Height();
    for (const char* row : {t.hotKeyDarker, t.hotKeyBrighter, t.hotKeyPause}) {
        tally.Fits("hot-key row", row, m.Extent(row).cx, 66 * x / 4);
        if (tally.dpi == 96) tally.Glyphs(font.face, row, m);
    }
    for (const char* button : {t.hotKeyDefaults, t.hotKeyOk, t.hotKeyCancel}) {
        tally.Fits("hot-key button", button, m.Extent(button).cx, 60 * x / 4);
        if (tally.dpi == 96) tally.Glyphs(font.face, button, m);
    }
    if (tally.dpi == 96) tally.Glyphs(font.face, t.hotKeysTitle, m);
    const std::string combo = "Ctrl+Alt+Shift+PgDn", rows = std::string(t.hotKeyDarker) +
                                                            t.listJoin + t.hotKeyBrighter +
                                                            t.listJoin + t.hotKeyPause;
    for (const std::string& note :
         {std::string(t.hotKeysUnreadable) + rows, std::string(t.hotKeySettingsKey),
          combo + t.hotKeyTwice, combo + t.hotKeyNoModifier,
          std::string(t.hotKeyPause) + t.hotKeyUnnamed, combo + t.takenOne,
          std::string(t.hotKeysNotStored)}) {
        tally.Fits("hot-key line (height)", note, m.WrappedHeight(note, 198 * x / 4), 26 * y / 8);
        if (tally.dpi == 96) tally.Glyphs(font.face, note, m);
    }
}

// The level label sizes itself and its window to its text: only its glyphs.
void CheckLevel(Tally& tally, SystemFaces& faces, Language language, const Texts& t) {
    const Font font = dv::FontIn(language, dv::layout::LevelControls().level.Get().font, faces);
    tally.Glyphs(font.face, std::string(t.levelLead) + "100%", Measure(font, 96));
}

}  // namespace

int Fit() {
    SystemFaces faces;
    Tally tally;
    for (int l = 0; l < dv::text::kLanguageCount; ++l) {
        const auto language = static_cast<Language>(l);
        const Texts& t = dv::TextsFor(language);
        tally.language = dv::text::NameOf(language).code;
        tally.drawnFor = language == Language::Chinese;
        const Font face = dv::FontIn(language, dv::layout::kSong12, faces);
        std::printf("%s: %s, set in %s\n", tally.language, face.face,
                    Measure(face, 96).Face().c_str());
        for (const int dpi : {96, 120, 144, 192}) {
            tally.dpi = dpi;
            CheckSettings(tally, faces, language, t);
            CheckSplash(tally, faces, language, t);
            CheckDialog(tally, faces, language, t);
        }
        CheckLevel(tally, faces, language, t);
    }
    std::printf("fit: %d checks, %d failed\n", tally.checks, tally.failures);
    return tally.failures == 0 ? 0 : 1;
}

}  // namespace probe
