#include "handoff/MailHandoff.h"

#include <memory>
#include <string_view>
#include <utility>
#include <variant>

#include "platform/TextMode.h"

namespace pivlon {

namespace {

constexpr const char* kMailClientClass = "kopost";
constexpr const char* kMailFilePrefix = "txt";
constexpr const char* kDefaultSender = "DRAVEX.EXE";
constexpr std::string_view kMailFileArgument = " /H=";
constexpr unsigned kIdleWaitMilliseconds = 100000;

constexpr const char* kEditorClass = "DravexEditor";
constexpr int kSignatureSelectorId = 105;
constexpr std::string_view kNoSignatureEntry = "(\x96\xb3\x82\xb5)";  // "(無し)"
constexpr std::string_view kSignatureHeaderName = "X-KOPost-Signature: ";
constexpr unsigned kEditorSearchPauseMilliseconds = 100;
// Thirty seconds: ample for a slow sender to open its editor, yet a sender path that
// names another program, or a sender that never shows an editor, cannot hang the dialog.
constexpr int kEditorSearches = 300;

// The system gave no temporary directory, so the report names the setting that decides it.
constexpr const char* kTemporaryDirectoryName = "%TEMP%";

std::string SignatureHeader() {
    return std::string(kSignatureHeaderName) + std::string(kNoSignatureEntry) + "\n";
}

// The sender reads the mail as a text file of the platform, each line ending in CR LF.
std::optional<FileError> WriteContent(OutputFile& file, const SendSource& source) {
    if (source.NoSignature()) {
        if (auto error = file.Write(ToTextMode(SignatureHeader())))
            return error;
    }
    if (auto error = file.Write(ToTextMode(source.MailText())))
        return error;
    return file.Close();
}

}  // namespace

MailHandoff::MailHandoff(System& system, MessageSink& messages)
    : system_(system), messages_(messages) {}

void MailHandoff::SendCommand(SendSource& source) {
    // A form that cannot be read would send a mail built from older values.
    if (!source.SaveControls())
        return;
    if (system_.FindTopLevelWindow(kMailClientClass) == 0) {
        messages_.ShowMessage(Message::Of(MessageId::MailClientNotRunning));
        return;
    }
    if (!source.ComposeMail())
        return;

    const std::optional<std::string> path = CreateMailFile();
    if (!path || !WriteMailFile(*path, source))
        return;
    LaunchSender(*path, source.NoSignature(), source.SenderPath());
    if (auto error = system_.RemoveFile(*path))
        messages_.ShowMessage(Message::Of(*error));
}

bool MailHandoff::LaunchSender(const std::string& mailFilePath, bool noSignature,
                               const std::string& senderPath) {
    const std::string program = senderPath.empty() ? kDefaultSender : senderPath;
    const std::string commandLine = program + std::string(kMailFileArgument) + mailFilePath;
    // A configured path is named as the program too, so that blanks in it cannot make the
    // system start a shorter path's program; the default name is left to the system's search.
    const std::unique_ptr<Process> sender = system_.StartProcess(senderPath, commandLine);
    if (!sender) {
        messages_.ShowMessage(Message::Of(MessageId::SenderStartFailed, commandLine));
        return false;
    }
    sender->WaitForInputIdle(kIdleWaitMilliseconds);
    if (noSignature)
        SelectNoSignature(*sender);
    return true;
}

std::optional<std::string> MailHandoff::CreateMailFile() {
    const std::optional<std::string> directory = system_.TemporaryDirectory();
    if (!directory) {
        messages_.ShowMessage(
            Message::Of(FileError{FileErrorCause::BadPath, kTemporaryDirectoryName}));
        return std::nullopt;
    }
    auto created = system_.CreateUniqueFile(*directory, kMailFilePrefix);
    if (const auto* error = std::get_if<FileError>(&created)) {
        messages_.ShowMessage(Message::Of(*error));
        return std::nullopt;
    }
    return std::get<std::string>(std::move(created));
}

// The file may hold the member's password in clear text, so a failed write never leaves it
// behind. A failed removal at that point goes unreported: the user needs the first failure.
bool MailHandoff::WriteMailFile(const std::string& path, const SendSource& source) {
    auto opened = system_.CreateOutputFile(path);
    if (std::holds_alternative<FileError>(opened)) {
        system_.RemoveFile(path);
        return false;
    }
    auto file = std::get<std::unique_ptr<OutputFile>>(std::move(opened));
    const std::optional<FileError> error = WriteContent(*file, source);
    // Releases a handle that a failed write left open; an open file cannot be removed.
    file.reset();
    if (!error)
        return true;
    system_.RemoveFile(path);
    messages_.ShowMessage(Message::Of(*error));
    return false;
}

// The sender's ending is read before each search, so an editor that it opened just before
// ending is still found.
void MailHandoff::SelectNoSignature(Process& sender) {
    for (int search = 1; search <= kEditorSearches; ++search) {
        const bool ended = sender.HasEnded();
        if (const WindowRef editor = system_.FindTopLevelWindow(kEditorClass)) {
            system_.SelectComboString(editor, kSignatureSelectorId, std::string(kNoSignatureEntry));
            return;
        }
        if (ended || search == kEditorSearches)
            return;
        system_.Sleep(kEditorSearchPauseMilliseconds);
    }
}

}  // namespace pivlon
