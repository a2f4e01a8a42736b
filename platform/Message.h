#pragma once

#include <string>

namespace pivlon {

// Every message box the program shows. The core names the message; the Win32
// layer renders its text, caption and icon from the resource script.
enum class MessageId {
    CatalogError,  // "設定ファイルに異常があります\n作者に連絡して下さい", caption "エラー"
    InvalidMemberNumber,  // "正の整数を入力してください。"
    MailClientNotRunning,  // "Ko-Postを起動してから送信して下さい", caption "エラー"
    SenderStartFailed,     // "%s の起動に失敗しました", argument: the whole command line
    FileError,             // the file-error report: text by cause, argument: the file name
};

// Causes of the file-error report, one text each.
enum class FileErrorCause {
    None,
    Generic,
    FileNotFound,
    BadPath,
    TooManyOpenFiles,
    AccessDenied,
    InvalidFile,
    RemoveCurrentDir,
    DirectoryFull,
    BadSeek,
    HardIO,
    SharingViolation,
    LockViolation,
    DiskFull,
    EndOfFile,
};

struct FileError {
    FileErrorCause cause = FileErrorCause::Generic;
    std::string fileName;  // Shift-JIS; what %1 of the report becomes
};

struct Message {
    MessageId id;
    std::string argument;  // Shift-JIS; the %s or %1 of the text, empty when it has none
    FileErrorCause cause = FileErrorCause::None;  // only for MessageId::FileError

    static Message Of(MessageId id, std::string argument = {}) { return {id, std::move(argument)}; }
    static Message Of(const FileError& error) {
        return {MessageId::FileError, error.fileName, error.cause};
    }
    friend bool operator==(const Message&, const Message&) = default;
};

// The message seam: shows one modal message box owned by the commander dialog.
class MessageSink {
  public:
    virtual ~MessageSink() = default;
    virtual void ShowMessage(const Message& message) = 0;
};

}  // namespace pivlon
