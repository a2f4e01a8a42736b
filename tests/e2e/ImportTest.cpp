// Lists imported by pivlon-cli.exe from saved mails, as the window program and
// pivlon-cli itself then see them.
#include <windows.h>

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "PivlonDriver.h"
#include "tests/support/win32/ScratchFolder.h"
#include "tests/support/win32/Standins.h"
#include "ui/ResourceIds.h"

namespace pivlon::e2e {
namespace {

using testing::PivlonExe;
using testing::ScratchFolder;
using testing::StandinPath;

// An fml 4 article: its list name in X-ML-Name, its description in the List-ID in
// ISO-2022-JP, the -ctl address in List-Help.
const std::string kFmlMail =
    "From: Yamada Taro <yamada@example.com>\r\n"
    "Subject: [eiga:00042] =?ISO-2022-JP?B?GyRCMUcyaBsoQg==?=\r\n"
    "X-ML-Name: eiga\r\nX-Mail-Count: 00042\r\n"
    "X-MLServer: fml [fml 4.0.3 release (20011202/4.0.3)]\r\n"
    "List-ID: =?ISO-2022-JP?B?GyRCMUcyaCRONDZBWyRyOGwkajlnJCYlaiU5JUgkRyQ5GyhC?=\r\n"
    " <eiga.ml.example.jp>\r\n"
    "List-Help: <mailto:eiga-ctl@ml.example.jp?body=help>\r\n\r\nbody\r\n";
// A Majordomo 1.94 article: only Sender: owner-LIST.
const std::string kMajordomoMail =
    "From: someone@example.org\r\nSubject: question\r\n"
    "Sender: owner-pivlon-users@lists.example.org\r\nPrecedence: bulk\r\n\r\nbody\r\n";

// Runs pivlon-cli.exe and returns its exit code, its standard output written to
// `output` in the folder.
std::optional<DWORD> RunCli(const ScratchFolder& folder, const std::wstring& arguments,
                            const std::wstring& output) {
    SECURITY_ATTRIBUTES inherit{sizeof(inherit), nullptr, TRUE};
    HANDLE out = CreateFileW(folder.PathOf(output).c_str(), GENERIC_WRITE, 0, &inherit,
                             CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (out == INVALID_HANDLE_VALUE)
        return std::nullopt;
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
    startup.hStdOutput = out;
    startup.hStdError = GetStdHandle(STD_ERROR_HANDLE);
    const std::wstring program = StandinPath(L"..\\cli\\pivlon-cli.exe");
    std::wstring commandLine = L"\"" + program + L"\" " + arguments;
    PROCESS_INFORMATION process{};
    const BOOL started =
        CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, TRUE, 0, nullptr,
                       folder.Path().wstring().c_str(), &startup, &process);
    CloseHandle(out);
    if (!started)
        return std::nullopt;
    std::optional<DWORD> exitCode;
    if (WaitForSingleObject(process.hProcess, 60000) == WAIT_OBJECT_0) {
        DWORD code = 0;
        GetExitCodeProcess(process.hProcess, &code);
        exitCode = code;
    }
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return exitCode;
}

TEST(ImportTest, ImportedListsAreInTheSelectorAndComposeForTheCommandLine) {
    ScratchFolder folder;
    folder.Write(L"Pivlon.dat", "[hiking]\r\nType=3\r\nTo=hiking@cml.example.jp\r\n");
    folder.Write(L"eiga.eml", kFmlMail);
    folder.Write(L"users.eml", kMajordomoMail);
    EXPECT_EQ(RunCli(folder, L"import eiga.eml --write", L"eiga.out"), 0u);
    EXPECT_EQ(RunCli(folder, L"import users.eml --write", L"users.out"), 0u);
    const std::string eigaSection =
        "[eiga]\r\nType=2\r\nTo=eiga-ctl@ml.example.jp\r\n"
        "Info1=\x89\x66\x89\xE6\x82\xCC\x8A\xB4\x91\x7A\x82\xF0\x8C\xEA\x82\xE8\x8D\x87\x82\xA4"
        "\x83\x8A\x83\x58\x83\x67\x82\xC5\x82\xB7\r\n";
    EXPECT_EQ(folder.Read(L"Pivlon.dat"),
              "[hiking]\r\nType=3\r\nTo=hiking@cml.example.jp\r\n" + eigaSection +
                  "[pivlon-users]\r\nType=1\r\nTo=majordomo@lists.example.org\r\n");
    EXPECT_EQ(folder.Read(L"users.out"),
              "[pivlon-users]\nType=1\nTo=majordomo@lists.example.org\n");
    // The same list again is refused, and the catalog stays as it is.
    const std::string catalog = folder.Read(L"Pivlon.dat");
    EXPECT_EQ(RunCli(folder, L"import eiga.eml --write", L"again.out"), 14u);
    EXPECT_EQ(folder.Read(L"again.out"), "");
    EXPECT_EQ(folder.Read(L"Pivlon.dat"), catalog);

    {
        PivlonDriver pivlon(PivlonExe(), folder.Path().wstring());
        EXPECT_TRUE(pivlon.StartMessages().empty());
        EXPECT_EQ(pivlon.ListEntries(),
                  (std::vector<std::wstring>{L"hiking", L"eiga", L"pivlon-users"}));
        EXPECT_TRUE(pivlon.SelectList(1).empty());
        EXPECT_EQ(pivlon.Text(IDC_DESCRIPTION), L"映画の感想を語り合うリストです\r\n");
        EXPECT_EQ(pivlon.Text(IDC_TYPE_LABEL), L"FML");
        EXPECT_TRUE(pivlon.SelectList(2).empty());
        EXPECT_EQ(pivlon.Text(IDC_DESCRIPTION), L"");
        EXPECT_EQ(pivlon.Text(IDC_TYPE_LABEL), L"Majordomo");
    }

    EXPECT_EQ(RunCli(folder, L"compose eiga help --format raw", L"help.mail"), 0u);
    EXPECT_EQ(folder.Read(L"help.mail"),
              "TO: eiga-ctl@ml.example.jp\r\nSubject: Help eiga\r\n\r\n#help\r\n#end\r\n");
}

}  // namespace
}  // namespace pivlon::e2e
