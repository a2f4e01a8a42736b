#include "ui/win32/SenderPathDialog.h"

#include <gtest/gtest.h>

#include <commdlg.h>
#include <dlgs.h>

#include <filesystem>
#include <string>
#include <vector>

#include "tests/support/win32/ScopedCurrentDirectory.h"
#include "tests/support/win32/ScratchFolder.h"
#include "ui/ResourceIds.h"
#include "ui/win32/WindowText.h"
#include "ui/win32/tests/DialogWatcher.h"

namespace pivlon::win32 {
namespace {

using testing::DialogWatcher;

const std::wstring kPath = L"C:\\Program Files\\Ko Post\\送信\\DRAVEX.EXE";

bool IsSenderPathDialog(HWND box) {
    return GetDlgItem(box, IDC_BROWSE) != nullptr;
}

// The file-open dialog's file-name field: a combo box in the explorer-style
// layout, an edit field in the older one.
HWND FileNameField(HWND box) {
    HWND field = GetDlgItem(box, cmb13);
    return field != nullptr ? field : GetDlgItem(box, edt1);
}

bool IsFileOpenDialog(HWND box) {
    return FileNameField(box) != nullptr;
}

// Runs the dialog with `enteredPath`; `answer` acts on it each time it is activated.
INT_PTR RunAnswered(SenderPathDialog& dialog, DialogWatcher::Action answer) {
    DialogWatcher watcher(std::move(answer));
    return dialog.RunModal(nullptr);
}

TEST(SenderPathDialogTest, ShowsThePathAndReturnsTheFieldOnOk) {
    for (const wchar_t* typed : {L"D:\\mail\\dravex.exe", L"", L"  blanks kept  "}) {
        SenderPathDialog dialog(GetModuleHandleW(nullptr), kPath);
        std::wstring shown;
        EXPECT_EQ(RunAnswered(dialog,
                              [&](HWND box) {
                                  shown = WindowText(GetDlgItem(box, IDC_SENDER_PATH));
                                  SetDlgItemTextW(box, IDC_SENDER_PATH, typed);
                                  testing::PostClick(box, IDOK);
                              }),
                  IDOK);
        EXPECT_EQ(shown, kPath);
        EXPECT_EQ(dialog.EnteredPath(), typed);
    }
}

TEST(SenderPathDialogTest, CancelEscapeAndCloseBoxEndWithCancel) {
    const std::vector<DialogWatcher::Action> closings{
        [](HWND box) { testing::PostClick(box, IDCANCEL); },
        [](HWND box) { PostMessageW(GetDlgItem(box, IDC_SENDER_PATH), WM_KEYDOWN, VK_ESCAPE, 0); },
        [](HWND box) { PostMessageW(box, WM_SYSCOMMAND, SC_CLOSE, 0); },
    };
    for (const auto& close : closings) {
        SenderPathDialog dialog(GetModuleHandleW(nullptr), kPath);
        EXPECT_EQ(RunAnswered(dialog,
                              [&](HWND box) {
                                  SetDlgItemTextW(box, IDC_SENDER_PATH, L"typed but dropped");
                                  close(box);
                              }),
                  IDCANCEL);
    }
}

TEST(SenderPathDialogTest, LayoutHasTheCaptionAndControlsInTabOrder) {
    std::wstring caption;
    std::vector<int> order;
    std::wstring prompt;
    SenderPathDialog dialog(GetModuleHandleW(nullptr), L"");
    RunAnswered(dialog, [&](HWND box) {
        caption = WindowText(box);
        for (HWND child = GetWindow(box, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
            order.push_back(static_cast<SHORT>(GetDlgCtrlID(child)));
        }
        prompt = WindowText(GetWindow(GetDlgItem(box, IDCANCEL), GW_HWNDNEXT));
        testing::PostClick(box, IDCANCEL);
    });
    EXPECT_EQ(caption, L"Dravexの指定");
    EXPECT_EQ(order, (std::vector<int>{IDOK, IDCANCEL, -1, IDC_SENDER_PATH, IDC_BROWSE}));
    EXPECT_EQ(prompt, L"使用するDravexをフルパスで指定して下さい");
}

// What the file-open dialog offered when it opened.
struct Offer {
    std::wstring fileName;
    std::vector<std::wstring> filters;
    int filter = -1;
    bool readOnlyBoxShown = true;
};

Offer ReadOffer(HWND box) {
    Offer offer;
    offer.fileName = WindowText(FileNameField(box));
    HWND types = GetDlgItem(box, cmb1);
    const auto count = SendMessageW(types, CB_GETCOUNT, 0, 0);
    for (LRESULT i = 0; i < count; ++i) {
        std::wstring entry(static_cast<size_t>(SendMessageW(types, CB_GETLBTEXTLEN, i, 0)) + 1,
                           L'\0');
        entry.resize(static_cast<size_t>(
            SendMessageW(types, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(entry.data()))));
        offer.filters.push_back(entry);
    }
    offer.filter = static_cast<int>(SendMessageW(types, CB_GETCURSEL, 0, 0));
    offer.readOnlyBoxShown = IsWindowVisible(GetDlgItem(box, chx1));
    return offer;
}

// Opens the file-open dialog from the sender-location dialog, types `typed`
// there and confirms, then ends the sender-location dialog with `ending`.
struct Browsing {
    explicit Browsing(std::wstring typedName, int endingButton = IDOK)
        : typed(std::move(typedName)), ending(endingButton) {}

    std::wstring typed;
    int ending;
    Offer offer;
    bool browsed = false;
    bool answered = false;

    void operator()(HWND box) {
        if (IsFileOpenDialog(box) && !answered) {
            answered = true;
            offer = ReadOffer(box);
            SetWindowTextW(FileNameField(box), typed.c_str());
            testing::PostClick(box, IDOK);
        } else if (IsSenderPathDialog(box) && !browsed) {
            browsed = true;
            testing::PostClick(box, IDC_BROWSE);
        } else if (IsSenderPathDialog(box) && answered) {
            testing::PostClick(box, ending);
        }
    }
};

class BrowseSenderTest : public ::testing::Test {
  protected:
    pivlon::testing::ScratchFolder folder_;
    const pivlon::testing::ScopedCurrentDirectory inFolder_{folder_.Path()};
    std::wstring Inside(const wchar_t* name) const { return (folder_.Path() / name).wstring(); }
};

TEST_F(BrowseSenderTest, OffersDravexExeWithTheTwoFiltersWhateverTheFieldHolds) {
    Browsing browsing(Inside(L"DRAVEX.EXE"), IDCANCEL);
    SenderPathDialog dialog(GetModuleHandleW(nullptr), L"D:\\mail\\dravex.exe");
    RunAnswered(dialog, std::ref(browsing));
    EXPECT_EQ(browsing.offer.fileName, L"Dravex.exe");
    EXPECT_EQ(browsing.offer.filters,
              (std::vector<std::wstring>{L"実行ﾌｧｲﾙ (*.exe)", L"全てのﾌｧｲﾙ(*.*)"}));
    EXPECT_EQ(browsing.offer.filter, 0);
    EXPECT_FALSE(browsing.offer.readOnlyBoxShown);
}

// The name of a program that is there, typed without its extension.
TEST_F(BrowseSenderTest, ANameWithoutExtensionGetsExe) {
    folder_.Write("sender.exe", "");
    Browsing browsing(Inside(L"sender"));
    SenderPathDialog dialog(GetModuleHandleW(nullptr), L"");
    RunAnswered(dialog, std::ref(browsing));
    EXPECT_EQ(dialog.EnteredPath(), Inside(L"sender.exe"));
}

// OK takes the path from the field, so the chosen file must have reached it.
TEST_F(BrowseSenderTest, AFileChosenInAnotherFolderFillsTheFieldAndLeavesTheWorkingDirectory) {
    const auto elsewhere = folder_.Path() / L"elsewhere";
    std::filesystem::create_directories(elsewhere);
    const auto before = std::filesystem::current_path();
    Browsing browsing((elsewhere / L"dravex.exe").wstring());
    SenderPathDialog dialog(GetModuleHandleW(nullptr), L"");
    EXPECT_EQ(RunAnswered(dialog, std::ref(browsing)), IDOK);
    EXPECT_EQ(dialog.EnteredPath(), (elsewhere / L"dravex.exe").wstring());
    EXPECT_EQ(std::filesystem::current_path(), before);
}

TEST_F(BrowseSenderTest, CancellingTheFileOpenDialogKeepsTheField) {
    SenderPathDialog dialog(GetModuleHandleW(nullptr), kPath);
    bool browsed = false;
    RunAnswered(dialog, [&](HWND box) {
        if (IsFileOpenDialog(box)) {
            testing::PostClick(box, IDCANCEL);
        } else if (!browsed) {
            browsed = true;
            testing::PostClick(box, IDC_BROWSE);
        } else {
            testing::PostClick(box, IDOK);
        }
    });
    EXPECT_EQ(dialog.EnteredPath(), kPath);
}

}  // namespace
}  // namespace pivlon::win32
