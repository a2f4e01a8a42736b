#pragma once

#include <initializer_list>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "fakes/PrintMessage.h"
#include "platform/DialogHost.h"
#include "ui/ResourceIds.h"

namespace pivlon::testing {

// The commander dialog's window in memory, starting in the state its layout gives.
class FakeDialogHost : public DialogHost {
  public:
    struct Control {
        std::string text;
        int check = 0;
        bool shown = true;
        bool enabled = true;
        friend bool operator==(const Control&, const Control&) = default;
    };

    FakeDialogHost() {
        for (int id : {IDC_JOIN,
                       IDC_LEAVE,
                       IDC_PAUSE,
                       IDC_RESUME,
                       IDC_SPECIFY_ADDRESS,
                       IDC_MEMBER_NUMBER_LABEL,
                       IDC_MEMBER_NUMBER,
                       IDC_PASSWORD_LABEL,
                       IDC_PASSWORD,
                       IDC_HELP,
                       IDC_INDEX,
                       IDC_GET,
                       IDC_MAIL_NUMBERS_LABEL,
                       IDC_MAIL_NUMBERS,
                       IDC_MAIL_NUMBERS_HINT,
                       IDC_DIGEST_JOIN,
                       IDC_DIGEST_LEAVE,
                       IDC_PARAMETER_LABEL,
                       IDC_PARAMETER,
                       IDC_TEST}) {
            controls[id].shown = false;
        }
        for (int id : {IDC_NEW_ADDRESS_LABEL, IDC_NEW_ADDRESS, IDC_MAIL_NUMBERS}) {
            controls[id].enabled = false;
        }
    }

    std::string Text(int id) const override {
        if (id == IDC_LIST_NAME)
            return selected >= 0 ? entries[selected] : std::string();
        return At(id).text;
    }
    void SetText(int id, const std::string& text) override { controls[id].text = text; }
    int Check(int id) const override { return At(id).check; }
    void SetCheck(int id, int state) override { controls[id].check = state; }
    void Show(int id, bool show) override { controls[id].shown = show; }
    void Enable(int id, bool enable) override { controls[id].enabled = enable; }
    void FocusAndSelectAll(int id) override { focus = id; }

    void AddListEntry(const std::string& name) override { entries.push_back(name); }
    int ListEntryCount() const override { return static_cast<int>(entries.size()); }
    std::string ListEntry(int index) const override { return entries.at(index); }
    void SelectListEntry(int index) override {
        selected = index >= 0 && index < ListEntryCount() ? index : -1;
    }

    void InsertTab(int index, const std::string& text) override {
        tabs.insert(tabs.begin() + index, text);
        if (currentTab < 0)
            currentTab = 0;
    }
    int CurrentTab() const override { return currentTab; }

    void ShowMessage(const Message& message) override { messages.push_back(message); }
    bool RunSenderPathDialog(std::string& path) override {
        shownSenderPath = path;
        if (senderPathAnswer)
            path = *senderPathAnswer;
        return senderPathAnswer.has_value();
    }
    void RunAboutDialog() override { ++aboutRuns; }
    void EndDialog(int result) override { endResult = result; }

    // What the user does.
    void Type(int id, const std::string& text) { controls[id].text = text; }
    void ClickOption(int id, std::initializer_list<int> group) {
        for (int member : group)
            controls[member].check = member == id ? 1 : 0;
    }

    const Control& At(int id) const {
        static const Control kAbsent{};
        auto found = controls.find(id);
        return found == controls.end() ? kAbsent : found->second;
    }
    std::set<int> ShownAmong(std::initializer_list<int> ids) const {
        std::set<int> shown;
        for (int id : ids) {
            if (At(id).shown)
                shown.insert(id);
        }
        return shown;
    }

    std::map<int, Control> controls;
    std::vector<std::string> entries;
    int selected = -1;
    std::vector<std::string> tabs;
    int currentTab = -1;
    std::vector<Message> messages;
    std::optional<std::string> senderPathAnswer;  // nullopt: the user cancels
    std::string shownSenderPath;
    int aboutRuns = 0;
    int endResult = -1;
    int focus = 0;
};

}  // namespace pivlon::testing
