#include "cli/CliTexts.h"

#include "cli/CliFailure.h"

namespace pivlon::cli {

std::string ShiftJisOf(const Utf8Converter& converter, std::string_view what,
                       std::string_view utf8) {
    if (auto shiftJis = converter.Utf8ToShiftJis(utf8))
        return *shiftJis;
    throw CliFailure{
        ExitStatus::notConvertible,
        std::string(what) + " holds a character that Shift-JIS lacks, or is not UTF-8"};
}

std::string Utf8Of(const Utf8Converter& converter, std::string_view what,
                   std::string_view shiftJis) {
    if (auto utf8 = converter.ShiftJisToUtf8(shiftJis))
        return *utf8;
    throw CliFailure{ExitStatus::notConvertible, std::string(what) + " is not valid Shift-JIS"};
}

}  // namespace pivlon::cli
