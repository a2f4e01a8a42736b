// Any bytes as Shift-JIS: ISO-2022-JP either carries the text whole, as 7-bit bytes
// that end in ASCII and decode to the same text, or says where it cannot; and any
// bytes as ISO-2022-JP decode to Shift-JIS that encodes back to a text of the same
// meaning, or are refused.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "FuzzCheck.h"
#include "mail/Iso2022Jp.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace pivlon::fuzz;
    const std::string_view text(reinterpret_cast<const char*>(data), size);

    const pivlon::ConvertedText encoded = pivlon::EncodeIso2022Jp(text);
    if (encoded.fault) {
        Check(encoded.bytes.empty(), "a refused text gives no bytes");
        Check(encoded.fault->position < size, "the fault lies inside the text");
    } else {
        for (const char byte : encoded.bytes) {
            Check(static_cast<unsigned char>(byte) < 0x80, "ISO-2022-JP is 7-bit");
        }
        const std::string_view bytes = encoded.bytes;
        const std::size_t lastJis = bytes.rfind("\x1b$B");
        Check(lastJis == std::string_view::npos ||
                  bytes.find("\x1b(B", lastJis) != std::string_view::npos,
              "the text ends in ASCII");
        const pivlon::ConvertedText decoded = pivlon::DecodeIso2022Jp(encoded.bytes);
        Check(!decoded.fault && decoded.bytes == text, "decoding gives the text back");
    }

    const pivlon::ConvertedText decoded = pivlon::DecodeIso2022Jp(text);
    if (!decoded.fault) {
        const pivlon::ConvertedText again = pivlon::EncodeIso2022Jp(decoded.bytes);
        if (!again.fault) {
            Check(pivlon::DecodeIso2022Jp(again.bytes).bytes == decoded.bytes,
                  "a decoded text encodes to the same characters");
        }
    }
    return 0;
}
