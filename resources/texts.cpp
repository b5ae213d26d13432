#include "resources/texts.h"

#include <array>
#include <bit>
#include <cstddef>
#include <iterator>
#include <memory>

#include "resources/texts/de.h"
#include "resources/texts/en.h"
#include "resources/texts/es.h"
#include "resources/texts/fr.h"
#include "resources/texts/ja.h"
#include "resources/texts/ko.h"
#include "resources/texts/pt-BR.h"
#include "resources/texts/ru.h"
#include "resources/texts/zh-Hant.h"
#include "resources/texts/zh.h"

namespace dv::text {
namespace {

// Ten languages' texts are too many to keep as they are written: each
// language's are made into one run as the program is built (every text,
// then a zero), and the run is squeezed by LZSS. A language that leaves out
// a text stops the build here.
#define DV_TEXT_MEMBER(name) &Texts::name,
constexpr const char* Texts::*kFields[] = {DV_TEXTS(DV_TEXT_MEMBER)};
#undef DV_TEXT_MEMBER
constexpr std::size_t kTextCount = std::size(kFields);
using Pointers = std::array<const char*, kTextCount>;
static_assert(sizeof(Texts) == sizeof(Pointers));

constexpr std::size_t RunSize(const Texts& texts) {
    std::size_t size = 0;
    for (const auto field : kFields)
        for (const char* c = texts.*field;; ++c, ++size)
            if (*c == '\0') break;
    return size + kTextCount;
}

template <std::size_t Size>
struct Run {
    char bytes[Size];
};

template <std::size_t Size>
constexpr Run<Size> RunOf(const Texts& texts) {
    Run<Size> run{};
    std::size_t end = 0;
    for (const auto field : kFields) {
        for (const char* c = texts.*field; *c != '\0'; ++c) run.bytes[end++] = *c;
        run.bytes[end++] = '\0';
    }
    return run;
}

// LZSS: a flag byte for each eight items that follow, lowest bit first; an
// item is a byte as it is (flag 0) or two bytes (flag 1) that repeat 3 to
// 18 bytes from 1 to 4096 bytes back: the distance less one in the high 12
// bits, the length less three in the low 4.
constexpr std::size_t kReach = 4096, kShortest = 3, kLongest = 18;

template <std::size_t Size>
struct Squeezed {
    std::uint8_t bytes[Size + Size / 8 + 1];  // room for the worst case
    std::size_t size = 0;
};

template <std::size_t Size>
constexpr Squeezed<Size> Squeeze(const Run<Size>& run) {
    Squeezed<Size> out{};
    std::size_t flags = 0;
    for (std::size_t n = 0, item = 0; n < Size; ++item) {
        if (item % 8 == 0) {
            flags = out.size++;
            out.bytes[flags] = 0;
        }
        std::size_t best = 0, back = 0;
        for (std::size_t from = n > kReach ? n - kReach : 0; from < n; ++from) {
            std::size_t length = 0;
            while (length < kLongest && n + length < Size &&
                   run.bytes[from + length] == run.bytes[n + length])
                ++length;
            if (length > best) best = length, back = n - from;
        }
        if (best >= kShortest) {
            out.bytes[flags] = static_cast<std::uint8_t>(out.bytes[flags] | 1u << (item % 8));
            const std::size_t word = (back - 1) << 4 | (best - kShortest);
            out.bytes[out.size++] = static_cast<std::uint8_t>(word >> 8);
            out.bytes[out.size++] = static_cast<std::uint8_t>(word);
            n += best;
        } else {
            out.bytes[out.size++] = static_cast<std::uint8_t>(run.bytes[n++]);
        }
    }
    return out;
}

// What the exe keeps of a language: the squeezed run at its own size.
template <std::size_t Kept>
struct Packed {
    std::uint8_t bytes[Kept];
};

template <std::size_t Kept, std::size_t Size>
constexpr Packed<Kept> Trim(const Squeezed<Size>& squeezed) {
    Packed<Kept> packed{};
    for (std::size_t i = 0; i < Kept; ++i) packed.bytes[i] = squeezed.bytes[i];
    return packed;
}

template <const Texts& texts>
struct Stored {
    static constexpr std::size_t kSize = RunSize(texts);
    static constexpr auto kSqueezed = Squeeze(RunOf<kSize>(texts));
    static constexpr auto kPacked = Trim<kSqueezed.size>(kSqueezed);
};

struct Kept {
    const std::uint8_t* bytes;
    std::size_t size;
};

template <const Texts& texts>
constexpr Kept KeptOf() {
    using S = Stored<texts>;
    return {S::kPacked.bytes, S::kSize};
}

// In the order of Language.
constexpr Kept kKept[kLanguageCount] = {
    KeptOf<kChinese>(), KeptOf<kTraditionalChinese>(),
    KeptOf<kEnglish>(), KeptOf<kJapanese>(),
    KeptOf<kKorean>(),  KeptOf<kGerman>(),
    KeptOf<kFrench>(),  KeptOf<kSpanish>(),
    KeptOf<kRussian>(), KeptOf<kPortuguese>(),
};

void Unsqueeze(const std::uint8_t* in, char* out, std::size_t size) {
    unsigned flags = 0;
    for (std::size_t n = 0, item = 0; n < size; ++item) {
        if (item % 8 == 0) flags = *in++;
        if (flags & 1u << (item % 8)) {
            const std::size_t word = std::size_t{in[0]} << 8 | in[1];
            in += 2;
            const std::size_t back = (word >> 4) + 1, end = n + (word & 15) + kShortest;
            for (; n < end; ++n) out[n] = out[n - back];
        } else {
            out[n++] = static_cast<char>(*in++);
        }
    }
}

// Each language's run and texts, once they are first asked for. (Kept on
// the heap: the exe would hold a zeroed array's every byte.)
struct Unpacked {
    std::unique_ptr<char[]> run;
    Texts texts;
};
std::unique_ptr<Unpacked> gUnpacked[kLanguageCount];

}  // namespace

const Texts& TextsFor(Language language) {
    const Kept& kept = kKept[static_cast<std::size_t>(language)];
    std::unique_ptr<Unpacked>& unpacked = gUnpacked[static_cast<std::size_t>(language)];
    if (!unpacked) {
        unpacked = std::make_unique<Unpacked>();
        unpacked->run = std::make_unique<char[]>(kept.size);
        Unsqueeze(kept.bytes, unpacked->run.get(), kept.size);
        // Each text begins after the zero that ends the one before.
        Pointers texts;
        const char* text = unpacked->run.get();
        for (const char*& each : texts) {
            each = text;
            while (*text != '\0') ++text;
            ++text;
        }
        unpacked->texts = std::bit_cast<Texts>(texts);
    }
    return unpacked->texts;
}

}  // namespace dv::text
