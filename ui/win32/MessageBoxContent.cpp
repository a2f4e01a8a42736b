#include "ui/win32/MessageBoxContent.h"

#include <algorithm>
#include <array>
#include <utility>

#include "platform/win32/Encoding.h"
#include "ui/ResourceIds.h"
#include "ui/win32/ResourceString.h"

namespace pivlon::win32 {

namespace {

enum class Caption { Error, ApplicationTitle };

struct Layout {
    UINT textId;
    Caption caption;
    UINT icon;
    const wchar_t* placeholder;  // where the argument goes; null when the text takes none
};

constexpr std::array<std::pair<FileErrorCause, UINT>, 15> kFileErrorTexts{{
    {FileErrorCause::None, IDS_FILE_ERROR_NONE},
    {FileErrorCause::Generic, IDS_FILE_ERROR_GENERIC},
    {FileErrorCause::FileNotFound, IDS_FILE_ERROR_FILE_NOT_FOUND},
    {FileErrorCause::BadPath, IDS_FILE_ERROR_BAD_PATH},
    {FileErrorCause::TooManyOpenFiles, IDS_FILE_ERROR_TOO_MANY_OPEN_FILES},
    {FileErrorCause::AccessDenied, IDS_FILE_ERROR_ACCESS_DENIED},
    {FileErrorCause::InvalidFile, IDS_FILE_ERROR_INVALID_FILE},
    {FileErrorCause::RemoveCurrentDir, IDS_FILE_ERROR_REMOVE_CURRENT_DIR},
    {FileErrorCause::DirectoryFull, IDS_FILE_ERROR_DIRECTORY_FULL},
    {FileErrorCause::BadSeek, IDS_FILE_ERROR_BAD_SEEK},
    {FileErrorCause::HardIO, IDS_FILE_ERROR_HARD_IO},
    {FileErrorCause::SharingViolation, IDS_FILE_ERROR_SHARING_VIOLATION},
    {FileErrorCause::LockViolation, IDS_FILE_ERROR_LOCK_VIOLATION},
    {FileErrorCause::DiskFull, IDS_FILE_ERROR_DISK_FULL},
    {FileErrorCause::EndOfFile, IDS_FILE_ERROR_END_OF_FILE},
}};

UINT FileErrorTextId(FileErrorCause cause) {
    const auto found = std::find_if(kFileErrorTexts.begin(), kFileErrorTexts.end(),
                                    [cause](const auto& entry) { return entry.first == cause; });
    return found != kFileErrorTexts.end() ? found->second : IDS_FILE_ERROR_GENERIC;
}

Layout LayoutOf(const Message& message) {
    switch (message.id) {
        case MessageId::CatalogError:
            return {IDS_CATALOG_ERROR, Caption::Error, 0, nullptr};
        case MessageId::InvalidMemberNumber:
            return {IDS_INVALID_MEMBER_NUMBER, Caption::ApplicationTitle, 0, nullptr};
        case MessageId::MailClientNotRunning:
            return {IDS_MAIL_CLIENT_NOT_RUNNING, Caption::Error, 0, nullptr};
        case MessageId::SenderStartFailed:
            return {IDS_SENDER_START_FAILED, Caption::ApplicationTitle, MB_ICONSTOP, L"%s"};
        case MessageId::FileError:
            break;
    }
    return {FileErrorTextId(message.cause), Caption::ApplicationTitle, MB_ICONSTOP, L"%1"};
}

// Puts the argument in place of every placeholder of the text. The argument
// itself is never searched, so a path holding "%s" or "%1" stays as it is.
std::wstring Substitute(const std::wstring& text, const std::wstring& placeholder,
                        const std::wstring& argument) {
    std::wstring result;
    size_t start = 0;
    for (size_t found = text.find(placeholder); found != std::wstring::npos;
         found = text.find(placeholder, start)) {
        result.append(text, start, found - start).append(argument);
        start = found + placeholder.size();
    }
    return result.append(text, start);
}

}  // namespace

MessageBoxContent ComposeMessageBox(HINSTANCE instance, const Message& message,
                                    const std::wstring& applicationTitle) {
    const Layout layout = LayoutOf(message);
    std::wstring text = LoadResourceString(instance, layout.textId);
    if (layout.placeholder != nullptr) {
        text = Substitute(text, layout.placeholder, Widen(message.argument));
    }
    std::wstring caption = layout.caption == Caption::Error
                               ? LoadResourceString(instance, IDS_ERROR_CAPTION)
                               : applicationTitle;
    return {std::move(text), std::move(caption), layout.icon};
}

}  // namespace pivlon::win32
