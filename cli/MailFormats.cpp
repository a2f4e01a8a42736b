#include "cli/MailFormats.h"

#include "cli/CliFailure.h"
#include "cli/CliTexts.h"
#include "mail/CommandMailParts.h"
#include "mail/EmlMessage.h"
#include "mail/MailtoUri.h"
#include "platform/TextMode.h"

namespace pivlon::cli {
namespace {

// Every composed mail has its TO and Subject lines.
CommandMailParts PartsOf(std::string_view mailText) {
    return SplitCommandMail(mailText).value();
}

std::string_view FaultText(ConversionFaultKind kind) {
    switch (kind) {
        case ConversionFaultKind::HalfWidthKatakana:
            return "a half-width katakana";
        case ConversionFaultKind::ExtensionCharacter:
            return "a character of Windows' own (NEC, IBM or user-defined)";
        case ConversionFaultKind::NotPlainAscii:
            return "an address that is not plain ASCII";
        case ConversionFaultKind::ControlByte:
            return "an escape or shift byte";
        case ConversionFaultKind::BrokenCharacter:
        case ConversionFaultKind::UnknownEscape:
            break;
    }
    return "a broken Shift-JIS character";
}

std::string Eml(std::string_view mailText, const Utf8Converter& converter) {
    const ConvertedText message = ComposeEmlMessage(PartsOf(mailText));
    if (!message.fault)
        return message.bytes;
    const ConversionFault& fault = *message.fault;
    const std::string_view where = mailText.substr(fault.position, fault.length);
    const auto shown = converter.ShiftJisToUtf8(where);
    throw CliFailure{ExitStatus::notConvertible,
                     "the mail holds " + std::string(FaultText(fault.kind)) +
                         (shown ? " ('" + *shown + "')" : std::string()) +
                         ", which ISO-2022-JP mail cannot carry; use --format raw or mailto"};
}

}  // namespace

std::string MailtoOf(std::string_view mailText, const Utf8Converter& converter) {
    const CommandMailParts parts = PartsOf(mailText);
    return MailtoUri(Utf8Of(converter, "the command address", parts.to),
                     Utf8Of(converter, "the subject", parts.subject),
                     Utf8Of(converter, "the mail body", parts.body));
}

FormattedMail FormatMail(std::string_view format, std::string_view mailText,
                         const Utf8Converter& converter) {
    if (format == "raw") {
        // The bytes of the window program's mail file: text mode, CR LF.
        return {ToTextMode(mailText), false};
    }
    if (format == "eml")
        return {Eml(mailText, converter), false};
    if (format == "mailto")
        return {MailtoOf(mailText, converter) + "\n", false};
    return {Utf8Of(converter, "the mail", mailText), true};
}

}  // namespace pivlon::cli
