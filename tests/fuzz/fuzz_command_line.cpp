// Fuzzes the command line and the message another process may send: any
// bytes, as arguments (one to a line) and as a message of our mark.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "startup/command_line.h"

namespace {

void Require(bool ok) {
    if (!ok) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    std::vector<std::string> args;
    std::size_t from = 0;
    for (std::size_t i = 0; i <= bytes.size(); ++i) {
        if (i == bytes.size() || bytes[i] == '\n') {
            args.emplace_back(bytes.substr(from, i - from));
            from = i + 1;
        }
    }
    const dv::Parsed parsed = dv::ParseCommandLine(args, size);
    Require(parsed.request.has_value() != !parsed.error.empty());
    if (parsed.request) {
        const dv::Request& r = *parsed.request;
        if (r.brightness) Require(*r.brightness >= 0 && *r.brightness <= 100);
        Require(r.pauseMinutes >= 1 && r.pauseMinutes <= 1440);
        if (r.tint) Require(*r.tint <= 0xFFFFFFu);
        // What the running copy is handed reads the same there.
        const auto handed = dv::DecodeRequest(dv::kRequestMark, dv::EncodeRequest(args));
        Require(handed && *handed == args);
    }
    // A message of any bytes is taken apart safely, or refused.
    if (const auto message = dv::DecodeRequest(dv::kRequestMark, bytes)) {
        dv::ParseCommandLine(*message, 0);
        Require(dv::EncodeRequest(*message) == bytes);
    }
    return 0;
}
