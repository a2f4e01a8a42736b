#include "platform/win32/Win32System.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <variant>

#include "platform/win32/Encoding.h"
#include "platform/win32/FileErrorCauses.h"
#include "tests/support/win32/ChildProcesses.h"
#include "tests/support/win32/ScopedCurrentDirectory.h"
#include "tests/support/win32/ScratchFolder.h"
#include "tests/support/win32/Standins.h"
#include "tests/support/win32/TestFiles.h"
#include "tests/support/win32/TopLevelWindows.h"

using namespace std::string_literals;

namespace pivlon::win32 {
namespace {

using pivlon::testing::ChildProcesses;
using pivlon::testing::CloseChildProcesses;
using pivlon::testing::FileExists;
using pivlon::testing::ReadBytes;
using pivlon::testing::ScopedCurrentDirectory;
using pivlon::testing::ScratchFolder;
using pivlon::testing::StandinPath;
using pivlon::testing::WaitForWindow;

const std::string kNoSignature = "(\x96\xb3\x82\xb5)";  // "(無し)"

struct CauseCase {
    DWORD code;
    FileErrorCause cause;
};

TEST(FileErrorCauses, FitTheWindowsErrorCodes) {
    const CauseCase cases[] = {
        {ERROR_FILE_NOT_FOUND, FileErrorCause::FileNotFound},
        {ERROR_PATH_NOT_FOUND, FileErrorCause::BadPath},
        {ERROR_INVALID_NAME, FileErrorCause::BadPath},
        {ERROR_BAD_PATHNAME, FileErrorCause::BadPath},
        {ERROR_INVALID_DRIVE, FileErrorCause::BadPath},
        {ERROR_DIRECTORY, FileErrorCause::BadPath},
        {ERROR_FILENAME_EXCED_RANGE, FileErrorCause::BadPath},
        {ERROR_TOO_MANY_OPEN_FILES, FileErrorCause::TooManyOpenFiles},
        {ERROR_ACCESS_DENIED, FileErrorCause::AccessDenied},
        {ERROR_WRITE_PROTECT, FileErrorCause::AccessDenied},
        {ERROR_INVALID_HANDLE, FileErrorCause::InvalidFile},
        {ERROR_CURRENT_DIRECTORY, FileErrorCause::RemoveCurrentDir},
        {ERROR_CANNOT_MAKE, FileErrorCause::DirectoryFull},
        {ERROR_SEEK, FileErrorCause::BadSeek},
        {ERROR_NEGATIVE_SEEK, FileErrorCause::BadSeek},
        {ERROR_NOT_READY, FileErrorCause::HardIO},
        {ERROR_CRC, FileErrorCause::HardIO},
        {ERROR_SECTOR_NOT_FOUND, FileErrorCause::HardIO},
        {ERROR_WRITE_FAULT, FileErrorCause::HardIO},
        {ERROR_READ_FAULT, FileErrorCause::HardIO},
        {ERROR_GEN_FAILURE, FileErrorCause::HardIO},
        {ERROR_IO_DEVICE, FileErrorCause::HardIO},
        {ERROR_SHARING_VIOLATION, FileErrorCause::SharingViolation},
        {ERROR_LOCK_VIOLATION, FileErrorCause::LockViolation},
        {ERROR_DISK_FULL, FileErrorCause::DiskFull},
        {ERROR_HANDLE_DISK_FULL, FileErrorCause::DiskFull},
        {ERROR_HANDLE_EOF, FileErrorCause::EndOfFile},
        // A failure is never reported as "no error".
        {ERROR_SUCCESS, FileErrorCause::Generic},
        {ERROR_NOT_ENOUGH_MEMORY, FileErrorCause::Generic},
        {ERROR_ALREADY_EXISTS, FileErrorCause::Generic},
    };
    for (const CauseCase& c : cases)
        EXPECT_EQ(FileErrorCauseOf(c.code), c.cause) << "error " << c.code;
}

class Win32SystemTest : public ::testing::Test {
  protected:
    void TearDown() override { CloseChildProcesses(); }

    // Ends in a separator.
    std::string Folder() const { return Narrow(scratch_.PathOf(L"")); }

    ScratchFolder scratch_;
    Win32System system_;
};

TEST_F(Win32SystemTest, TemporaryDirectoryExistsAndEndsInASeparator) {
    const std::optional<std::string> directory = system_.TemporaryDirectory();
    ASSERT_TRUE(directory);
    EXPECT_EQ(directory->back(), '\\');
    EXPECT_TRUE(GetFileAttributesW(Widen(*directory).c_str()) & FILE_ATTRIBUTE_DIRECTORY);
}

TEST_F(Win32SystemTest, UniqueFilesAreNewEmptyAndNamedWithThePrefix) {
    const auto first = system_.CreateUniqueFile(Folder(), "txt");
    const auto second = system_.CreateUniqueFile(Folder(), "txt");
    ASSERT_TRUE(std::holds_alternative<std::string>(first));
    ASSERT_TRUE(std::holds_alternative<std::string>(second));
    for (const std::string& path : {std::get<std::string>(first), std::get<std::string>(second)}) {
        EXPECT_EQ(path.rfind(Folder() + "txt", 0), 0u) << path;
        EXPECT_EQ(path.substr(path.size() - 4), ".tmp");
        EXPECT_EQ(ReadBytes(Widen(path)), "");
    }
    EXPECT_NE(std::get<std::string>(first), std::get<std::string>(second));
}

TEST_F(Win32SystemTest, UniqueFileInAMissingFolderIsABadPath) {
    const std::string missing = Folder() + "missing\\";
    const auto created = system_.CreateUniqueFile(missing, "txt");
    ASSERT_TRUE(std::holds_alternative<FileError>(created));
    EXPECT_EQ(std::get<FileError>(created).cause, FileErrorCause::BadPath);
    EXPECT_EQ(std::get<FileError>(created).fileName, missing);
}

TEST_F(Win32SystemTest, OutputFileHoldsExactlyTheBytesWritten) {
    const std::string path = Folder() + "out.tmp";
    const std::string bytes = "TO: a\r\n\x83\x5c\x96\xb3\n\0\r"s;
    for (const std::string& content : {"an older and longer content"s, bytes}) {
        auto opened = system_.CreateOutputFile(path);
        ASSERT_TRUE(std::holds_alternative<std::unique_ptr<OutputFile>>(opened));
        auto& file = std::get<std::unique_ptr<OutputFile>>(opened);
        EXPECT_EQ(file->Write(content.substr(0, 5)), std::nullopt);
        EXPECT_EQ(file->Write(content.substr(5)), std::nullopt);
        EXPECT_EQ(file->Close(), std::nullopt);
    }
    EXPECT_EQ(ReadBytes(Widen(path)), bytes);
}

TEST_F(Win32SystemTest, OpenOutputFileIsSharedWithNobodyUntilReleased) {
    const std::string path = Folder() + "held.tmp";
    auto opened = system_.CreateOutputFile(path);
    ASSERT_TRUE(std::holds_alternative<std::unique_ptr<OutputFile>>(opened));

    const HANDLE reader = CreateFileW(Widen(path).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                      OPEN_EXISTING, 0, nullptr);
    EXPECT_EQ(reader, INVALID_HANDLE_VALUE);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_SHARING_VIOLATION));
    const std::optional<FileError> refused = system_.RemoveFile(path);
    ASSERT_TRUE(refused);
    EXPECT_EQ(refused->cause, FileErrorCause::SharingViolation);
    EXPECT_EQ(refused->fileName, "");

    // Dropped without Close, as after a failed write.
    std::get<std::unique_ptr<OutputFile>>(opened).reset();
    EXPECT_EQ(system_.RemoveFile(path), std::nullopt);
    EXPECT_FALSE(FileExists(Widen(path)));
}

TEST_F(Win32SystemTest, OutputFileInAMissingFolderNamesThePathAsPassed) {
    const std::string path = Folder() + "missing\\out.tmp";
    const auto opened = system_.CreateOutputFile(path);
    ASSERT_TRUE(std::holds_alternative<FileError>(opened));
    EXPECT_EQ(std::get<FileError>(opened).cause, FileErrorCause::BadPath);
    EXPECT_EQ(std::get<FileError>(opened).fileName, path);
}

TEST_F(Win32SystemTest, DeletingAMissingFileReportsItWithoutAName) {
    const std::optional<FileError> refused = system_.RemoveFile(Folder() + "absent.tmp");
    ASSERT_TRUE(refused);
    EXPECT_EQ(refused->cause, FileErrorCause::FileNotFound);
    EXPECT_EQ(refused->fileName, "");
}

// A window of this process with a signature selector like the editor's.
class SelectorWindow {
  public:
    SelectorWindow() {
        WNDCLASSW windowClass{};
        windowClass.lpfnWndProc = DefWindowProcW;
        windowClass.hInstance = GetModuleHandleW(nullptr);
        windowClass.lpszClassName = kClass;
        RegisterClassW(&windowClass);
        window_ = CreateWindowExW(0, kClass, L"", WS_OVERLAPPEDWINDOW, 0, 0, 300, 200, nullptr,
                                  nullptr, windowClass.hInstance, nullptr);
        combo_ = CreateWindowExW(0, L"COMBOBOX", nullptr, WS_CHILD | CBS_DROPDOWNLIST, 0, 0, 200,
                                 100, window_, reinterpret_cast<HMENU>(INT_PTR{105}),
                                 windowClass.hInstance, nullptr);
        for (const wchar_t* entry : {L"\u6a19\u6e96", L"(\u7121\u3057) \u7f72\u540d"})
            SendMessageW(combo_, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(entry));
        SendMessageW(combo_, CB_SETCURSEL, 0, 0);
    }
    ~SelectorWindow() { DestroyWindow(window_); }

    static constexpr const wchar_t* kClass = L"PivlonSelectorTest";
    HWND window_;
    HWND combo_;
};

TEST_F(Win32SystemTest, FindsTheWindowAndSelectsTheEntryBeginningWithTheText) {
    EXPECT_EQ(system_.FindTopLevelWindow("PivlonSelectorTest"), WindowRef{0});
    SelectorWindow shown;
    const WindowRef window = system_.FindTopLevelWindow("PivlonSelectorTest");
    ASSERT_EQ(window, reinterpret_cast<WindowRef>(shown.window_));

    EXPECT_FALSE(system_.SelectComboString(window, 999, kNoSignature));
    EXPECT_EQ(SendMessageW(shown.combo_, CB_GETCURSEL, 0, 0), 0);
    EXPECT_TRUE(system_.SelectComboString(window, 105, kNoSignature));
    EXPECT_EQ(SendMessageW(shown.combo_, CB_GETCURSEL, 0, 0), 1);
}

TEST_F(Win32SystemTest, NamedProgramIsFoundAsOneNameWithExeAdded) {
    ASSERT_TRUE(CopyFileW(StandinPath(L"kopost.exe").c_str(),
                          scratch_.PathOf(L"Mail Client.exe").c_str(), FALSE));
    ASSERT_TRUE(
        CopyFileW(StandinPath(L"dravex.exe").c_str(), scratch_.PathOf(L"Mail.exe").c_str(), FALSE));
    std::unique_ptr<Process> started;
    {
        const ScopedCurrentDirectory inScratch(scratch_.Path());
        started = system_.StartProcess("Mail Client", "Mail Client");
    }

    ASSERT_TRUE(started);
    started->WaitForInputIdle(10000);
    EXPECT_NE(WaitForWindow(L"kopost"), nullptr);
    const auto children = ChildProcesses();
    ASSERT_EQ(children.size(), 1u);
    EXPECT_EQ(children[0].exeName, L"Mail Client.exe");
}

TEST_F(Win32SystemTest, ProcessEndsAreSeen) {
    std::unique_ptr<Process> started =
        system_.StartProcess(Narrow(StandinPath(L"kopost.exe")), "kopost");
    ASSERT_TRUE(started);
    started->WaitForInputIdle(10000);
    EXPECT_FALSE(started->HasEnded());
    CloseChildProcesses();
    EXPECT_TRUE(started->HasEnded());
}

TEST_F(Win32SystemTest, MissingProgramIsNotStarted) {
    EXPECT_EQ(system_.StartProcess(Folder() + "absent.exe", "absent"), nullptr);
    EXPECT_EQ(system_.StartProcess("", Folder() + "absent.exe /H=x"), nullptr);
}

}  // namespace
}  // namespace pivlon::win32
