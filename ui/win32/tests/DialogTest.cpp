#include "ui/win32/Dialog.h"

#include <gtest/gtest.h>

#include <new>
#include <stdexcept>

#include "ui/ResourceIds.h"
#include "ui/win32/tests/DialogWatcher.h"

namespace pivlon::win32 {
namespace {

using testing::DialogWatcher;

// The About template serves as any small dialog here; the OK command throws.
class FailingDialog : public Dialog {
  public:
    FailingDialog() : Dialog(GetModuleHandleW(nullptr), IDD_ABOUT) {}

  protected:
    void OnOk() override { throw std::runtime_error("handler failed"); }
};

class EndingDialog : public Dialog {
  public:
    explicit EndingDialog(INT_PTR result)
        : Dialog(GetModuleHandleW(nullptr), IDD_ABOUT), result_(result) {}

  protected:
    void OnOk() override { End(result_); }

  private:
    INT_PTR result_;
};

TEST(DialogTest, ModalRunReturnsTheResultItEndedWith) {
    for (INT_PTR result : {INT_PTR{IDOK}, INT_PTR{7}, INT_PTR{0}}) {
        EndingDialog dialog(result);
        DialogWatcher watcher([](HWND box) { testing::PostClick(box, IDOK); });
        EXPECT_EQ(dialog.RunModal(nullptr), result);
        EXPECT_EQ(dialog.Window(), nullptr);
    }
}

TEST(DialogTest, AModalDialogOverAnOwnerIsCentredOnIt) {
    EndingDialog owner(IDOK);
    ASSERT_NE(owner.CreateModeless(nullptr), nullptr);
    SetWindowPos(owner.Window(), nullptr, 10, 20, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    RECT outer{};
    GetWindowRect(owner.Window(), &outer);
    RECT inner{};
    EndingDialog dialog(IDOK);
    DialogWatcher watcher([&](HWND box) {
        if (box == owner.Window())
            return;
        GetWindowRect(box, &inner);
        testing::PostClick(box, IDOK);
    });
    dialog.RunModal(owner.Window());
    EXPECT_NEAR(inner.left + inner.right, outer.left + outer.right, 1);
    EXPECT_NEAR(inner.top + inner.bottom, outer.top + outer.bottom, 1);
}

TEST(DialogTest, AnExceptionEndsAModalDialogQuietly) {
    FailingDialog dialog;
    DialogWatcher watcher([](HWND box) { testing::PostClick(box, IDOK); });
    EXPECT_EQ(dialog.RunModal(nullptr), -1);
}

TEST(DialogTest, AnExceptionDestroysAModelessDialog) {
    FailingDialog dialog;
    HWND window = dialog.CreateModeless(nullptr);
    ASSERT_NE(window, nullptr);
    SendMessageW(window, WM_COMMAND, IDOK, 0);
    EXPECT_FALSE(IsWindow(window));
}

TEST(DialogTest, AMissingTemplateFailsTheModalRun) {
    class Missing : public Dialog {
      public:
        Missing() : Dialog(GetModuleHandleW(nullptr), 4242) {}
    } dialog;
    EXPECT_EQ(dialog.RunModal(nullptr), -1);
    EXPECT_EQ(dialog.CreateModeless(nullptr), nullptr);
}

TEST(DialogTest, DestroyingTheObjectClosesItsModelessWindow) {
    HWND window = nullptr;
    {
        EndingDialog dialog(IDOK);
        window = dialog.CreateModeless(nullptr);
        ASSERT_TRUE(IsWindow(window));
    }
    EXPECT_FALSE(IsWindow(window));
}

}  // namespace
}  // namespace pivlon::win32
