// Our profile reading against the platform's profile service, on the same files in the
// same process, and the core's start-up reads and test dump as the Windows program
// runs them. Prints a Markdown table; exits non-zero when the two readers disagree.
#include <windows.h>

#include <cstdio>
#include <functional>
#include <string>

#include "bench/CatalogFolder.h"
#include "bench/win32/CallTimer.h"
#include "bench/win32/PlatformReads.h"
#include "catalog/ListCatalog.h"
#include "catalog/MemberSettings.h"
#include "fakes/FakeDialogHost.h"
#include "fakes/RecordingMessages.h"
#include "platform/win32/Win32ProfileStore.h"
#include "platform/win32/Win32System.h"
#include "ui/CommanderDialog.h"

namespace pivlon::bench {
namespace {

constexpr UINT kShiftJis = 932;
constexpr int kCatalogSizes[] = {100, 1000, 10000};

volatile std::size_t sink;

struct Readers {
    win32::Win32ProfileStore store;
    testing::RecordingMessages messages;
    ListCatalog catalog{store, messages};
    MemberSettings settings{store};
    PlatformReads platform;
};

void StartUpReads(const Readers& readers, const std::string& listName) {
    int serverType = 0;
    sink = readers.settings.LoadSenderPath().size() + readers.catalog.ListNames().size() +
           readers.catalog.ReadDescription(listName).size() +
           readers.catalog.ReadServerType(listName, serverType) +
           readers.settings.LoadMember(listName).memberNumber;
}

void PlatformStartUpReads(const Readers& readers, const std::string& listName) {
    const PlatformReads& platform = readers.platform;
    sink = platform.LoadSenderPath().size() + platform.ListNames().size() +
           platform.ReadDescription(listName).size() + platform.ReadServerType(listName) +
           platform.LoadMember(listName).memberNumber;
}

// A speed-up over a service that reads something else would mean nothing.
bool ReadTheSame(Readers& readers, const std::string& listName) {
    int serverType = 0;
    std::string commandAddress;
    readers.catalog.ReadServerType(listName, serverType);
    readers.catalog.ReadCommandAddress(listName, commandAddress);
    const PlatformReads& platform = readers.platform;
    return readers.messages.shown.empty() && readers.catalog.ListNames() == platform.ListNames() &&
           readers.catalog.ReadDescription(listName) == platform.ReadDescription(listName) &&
           serverType == platform.ReadServerType(listName) &&
           commandAddress == platform.ReadCommandAddress(listName) &&
           readers.settings.LoadMember(listName) == platform.LoadMember(listName) &&
           readers.settings.LoadSenderPath() == platform.LoadSenderPath();
}

void PrintComparison(int lists, const char* reads, const std::function<void()>& ours,
                     const std::function<void()>& platform) {
    const double oursMs = MicrosecondsPerCall(ours) / 1000;
    const double platformMs = MicrosecondsPerCall(platform) / 1000;
    std::printf("| %d | %s | %.3f | %.3f | %.1f |\n", lists, reads, oursMs, platformMs,
                platformMs / oursMs);
    std::fflush(stdout);
}

// What every read afresh costs before its first byte, ours and the platform's alike.
void OpenAndCloseCatalog() {
    const HANDLE file = CreateFileW(L"Pivlon.dat", GENERIC_READ,
                                    FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                    OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file != INVALID_HANDLE_VALUE)
        CloseHandle(file);
}

void PrintOpenAndClose(int lists) {
    const double ms = MicrosecondsPerCall(OpenAndCloseCatalog) / 1000;
    std::printf("| %d | the catalog opened and closed, nothing read | | %.3f | |\n", lists, ms);
    std::fflush(stdout);
}

// The dump as the program runs it, "debug.txt" written through the Windows system seam.
bool PrintDump(int lists, ProfileStore& store) {
    testing::FakeDialogHost host;
    win32::Win32System system;
    CommanderDialog dialog(host, system, store);
    dialog.InitDialog();
    const double ms = MicrosecondsPerCall([&] { dialog.TestDump(); }) / 1000;
    if (!host.messages.empty())
        return false;
    std::printf("| %d | test dump of every list | %.3f | | |\n", lists, ms);
    std::fflush(stdout);
    return true;
}

bool Measure(int lists) {
    const CatalogFolder folder(lists);
    folder.MakeCurrent();
    Readers readers;
    const std::string listName = folder.MiddleList();
    if (!ReadTheSame(readers, listName)) {
        std::fprintf(stderr, "%d lists: our reader and the platform's disagree\n", lists);
        return false;
    }
    PrintComparison(
        lists, "section names", [&] { sink = readers.catalog.ListNames().size(); },
        [&] { sink = readers.platform.ListNames().size(); });
    PrintComparison(
        lists, "start-up reads", [&] { StartUpReads(readers, listName); },
        [&] { PlatformStartUpReads(readers, listName); });
    std::string commandAddress;
    PrintComparison(
        lists, "one key of the middle list",
        [&] { sink = readers.catalog.ReadCommandAddress(listName, commandAddress); },
        [&] { sink = readers.platform.ReadCommandAddress(listName).size(); });
    PrintOpenAndClose(lists);
    if (!PrintDump(lists, readers.store)) {
        std::fprintf(stderr, "%d lists: the dump showed a message\n", lists);
        return false;
    }
    return true;
}

}  // namespace
}  // namespace pivlon::bench

int main() {
    if (GetACP() != pivlon::bench::kShiftJis) {
        std::fprintf(stderr,
                     "The platform reads Shift-JIS only with code page 932: "
                     "run with LC_ALL=ja_JP.UTF-8\n");
        return 2;
    }
    std::printf("| Lists | Reads | Pivlon (ms) | Platform (ms) | Platform / Pivlon |\n");
    std::printf("|---:|---|---:|---:|---:|\n");
    for (int lists : pivlon::bench::kCatalogSizes) {
        if (!pivlon::bench::Measure(lists))
            return 1;
    }
    return 0;
}
