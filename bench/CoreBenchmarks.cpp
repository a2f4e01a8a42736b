#include <benchmark/benchmark.h>

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "bench/CatalogFolder.h"
#include "bench/LocalFileSystem.h"
#include "catalog/ListCatalog.h"
#include "catalog/MemberSettings.h"
#include "fakes/FakeDialogHost.h"
#include "fakes/RecordingMessages.h"
#include "platform/StdProfileStore.h"
#include "ui/CommanderDialog.h"

namespace pivlon::bench {
namespace {

// One folder per catalog size, made at its first use and removed at the end of the run.
const CatalogFolder& EnterFolder(benchmark::State& state) {
    static std::map<int, std::unique_ptr<CatalogFolder>> folders;
    const int lists = static_cast<int>(state.range(0));
    std::unique_ptr<CatalogFolder>& folder = folders[lists];
    if (!folder)
        folder = std::make_unique<CatalogFolder>(lists);
    folder->MakeCurrent();
    state.SetComplexityN(lists);
    return *folder;
}

// A measurement that met a message box measured a failure path, not the work asked for.
void FailOnMessages(benchmark::State& state, std::size_t shown) {
    if (shown != 0)
        state.SkipWithError("a message box was shown: the generated files are not as expected");
}

// What LoadList reads from the two files for one list.
void LoadListReads(const ListCatalog& catalog, const MemberSettings& settings,
                   const std::string& listName) {
    std::string description = catalog.ReadDescription(listName);
    int serverType = 0;
    catalog.ReadServerType(listName, serverType);
    MemberRecord member = settings.LoadMember(listName);
    benchmark::DoNotOptimize(description);
    benchmark::DoNotOptimize(serverType);
    benchmark::DoNotOptimize(member);
}

void BM_ListNames(benchmark::State& state) {
    const CatalogFolder& folder = EnterFolder(state);
    StdProfileStore store;
    testing::RecordingMessages messages;
    const ListCatalog catalog(store, messages);
    std::size_t names = 0;
    for (auto _ : state) {
        names = catalog.ListNames().size();
        benchmark::DoNotOptimize(names);
    }
    if (names != static_cast<std::size_t>(folder.Lists()))
        state.SkipWithError("the catalog's lists were not all found");
}

void BM_LoadListReads(benchmark::State& state) {
    const CatalogFolder& folder = EnterFolder(state);
    StdProfileStore store;
    testing::RecordingMessages messages;
    const ListCatalog catalog(store, messages);
    const MemberSettings settings(store);
    const std::string listName = folder.MiddleList();
    for (auto _ : state)
        LoadListReads(catalog, settings, listName);
    FailOnMessages(state, messages.shown.size());
}

// Everything start-up reads: the sender path, the list names, and one list's data;
// the middle list, where the first one would be found sooner.
void BM_StartUpReads(benchmark::State& state) {
    const CatalogFolder& folder = EnterFolder(state);
    StdProfileStore store;
    testing::RecordingMessages messages;
    const ListCatalog catalog(store, messages);
    const MemberSettings settings(store);
    const std::string listName = folder.MiddleList();
    for (auto _ : state) {
        std::string senderPath = settings.LoadSenderPath();
        std::vector<std::string> names = catalog.ListNames();
        benchmark::DoNotOptimize(senderPath);
        benchmark::DoNotOptimize(names);
        LoadListReads(catalog, settings, listName);
    }
    FailOnMessages(state, messages.shown.size());
}

// The whole Send of the middle list: the save exchange, the catalog reads and the
// composing, the mail file made, written, closed and deleted; the sender is not run.
void BM_Send(benchmark::State& state) {
    const CatalogFolder& folder = EnterFolder(state);
    StdProfileStore store;
    testing::FakeDialogHost host;
    LocalFileSystem system(folder.Path().string() + "/");
    CommanderDialog dialog(host, system, store);
    dialog.InitDialog();
    host.SelectListEntry(folder.Lists() / 2);
    dialog.LoadList();
    for (auto _ : state)
        dialog.SendCommand();
    FailOnMessages(state, host.messages.size());
    if (system.BytesWritten() == 0)
        state.SkipWithError("no mail file was written");
}

// The test dump of every list, "debug.txt" really written.
void BM_TestDump(benchmark::State& state) {
    const CatalogFolder& folder = EnterFolder(state);
    StdProfileStore store;
    testing::FakeDialogHost host;
    LocalFileSystem system(folder.Path().string() + "/");
    CommanderDialog dialog(host, system, store);
    dialog.InitDialog();
    for (auto _ : state)
        dialog.TestDump();
    FailOnMessages(state, host.messages.size());
    state.counters["bytes"] =
        static_cast<double>(system.BytesWritten()) / static_cast<double>(state.iterations());
}

constexpr int kCatalogSizes[] = {100, 1000, 10000};

void CatalogSizes(benchmark::internal::Benchmark* benchmark) {
    for (int lists : kCatalogSizes)
        benchmark->Arg(lists);
    benchmark->ArgName("lists")->Complexity(benchmark::oAuto);
}

BENCHMARK(BM_ListNames)->Apply(CatalogSizes)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_LoadListReads)->Apply(CatalogSizes)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_StartUpReads)->Apply(CatalogSizes)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Send)->Apply(CatalogSizes)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_TestDump)->Apply(CatalogSizes)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace pivlon::bench
