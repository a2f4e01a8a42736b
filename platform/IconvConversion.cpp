#include "platform/IconvConversion.h"

#include <iconv.h>

#include <cerrno>

namespace pivlon {
namespace {

class IconvHandle {
  public:
    IconvHandle(const char* to, const char* from) : handle_(iconv_open(to, from)) {}
    ~IconvHandle() {
        if (IsOpen())
            iconv_close(handle_);
    }
    IconvHandle(const IconvHandle&) = delete;
    IconvHandle& operator=(const IconvHandle&) = delete;

    bool IsOpen() const { return handle_ != reinterpret_cast<iconv_t>(-1); }
    iconv_t Get() const { return handle_; }

  private:
    iconv_t handle_;
};

}  // namespace

std::optional<std::string> ConvertWithIconv(const char* to, const char* from,
                                            std::string_view text) {
    const IconvHandle convert(to, from);
    if (!convert.IsOpen())
        return std::nullopt;
    std::string input(text);
    std::string output;
    char* in = input.data();
    size_t inLeft = input.size();
    char buffer[1024];
    while (inLeft > 0) {
        char* out = buffer;
        size_t outLeft = sizeof buffer;
        const size_t result = iconv(convert.Get(), &in, &inLeft, &out, &outLeft);
        output.append(buffer, sizeof buffer - outLeft);
        // A full buffer is the only failure to go on from; EILSEQ and EINVAL
        // (a broken or untranslatable character, a cut one at the end) stop.
        if (result == static_cast<size_t>(-1) && errno != E2BIG)
            return std::nullopt;
    }
    return output;
}

}  // namespace pivlon
