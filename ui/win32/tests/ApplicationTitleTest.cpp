#include "ui/win32/ApplicationTitle.h"

#include <gtest/gtest.h>

namespace pivlon::win32 {
namespace {

TEST(ApplicationTitleTest, IsTheFileNameWithoutFolderAndExtension) {
    struct Case {
        const wchar_t* path;
        const wchar_t* title;
    };
    for (const Case& c : {
             Case{L"C:\\Program Files\\Pivlon\\PIVLON.EXE", L"PIVLON"},
             Case{L"C:\\tools\\X.EXE", L"X"},
             Case{L"\\\\server\\share\\my.tool.exe", L"my.tool"},
             Case{L"D:pivlon.exe", L"pivlon"},
             Case{L"C:/mixed/separators/pivlon", L"pivlon"},
             Case{L"C:\\dotted.folder\\pivlon", L"pivlon"},
         }) {
        EXPECT_EQ(TitleOfPath(c.path), c.title) << c.path;
    }
}

TEST(ApplicationTitleTest, NamesTheRunningProgram) {
    EXPECT_EQ(ApplicationTitle(), L"ui_win32_tests");
}

}  // namespace
}  // namespace pivlon::win32
