#include "model/network/DsnNetworkDescriptor.h"

#include "common/AsciiText.h"
#include "model/network/PinNets.h"
#include "model/network/SpecctraClassToClass.h"
#include "model/network/SpecctraDiffPair.h"
#include "model/network/SpecctraFromToClass.h"
#include "model/network/SpecctraFromToSuperClass.h"
#include "model/network/SpecctraNet.h"
#include "model/network/SpecctraNetClass.h"
#include "specctra_io/SpecctraParser.h"

TSpecctraDsnNetworkDescriptor::TSpecctraDsnNetworkDescriptor(TSpecctraObject* owner)
    : TSpecctraAbstractNetworkDescriptor(owner), FNets(std::make_unique<TSpecctraList>(true)) {}

// The nets' pins leave the run's pin map together, before the nets go one by one.
TSpecctraDsnNetworkDescriptor::~TSpecctraDsnNetworkDescriptor() { ReleasePinsOfNetwork(*this); }

bool TSpecctraDsnNetworkDescriptor::LoadFromFile() {
  // A design may hold more than one network block; each adds its nets.
  SetBlockDepth(1);
  // The statements' own results do not enter the section's: a bad net costs only that net.
  return RunParseLoop([&](int32_t id) {
    switch (id) {
      case KeywordId("net"): LoadNet(); return true;
      case KeywordId("class"): LoadGroup<TSpecctraNetClass>(FNetClasses, false); return true;
      case KeywordId("group"): LoadGroup<TSpecctraFromToClass>(FFromToClasses, true); return true;
      case KeywordId("group_set"):
        LoadGroup<TSpecctraFromToSuperClass>(FFromToSuperClasses, true);
        return true;
      // A failed class-to-class statement is kept, its block read to its end.
      case KeywordId("class_class"):
        LoadGroup<TSpecctraClassToClass>(FClassToClasses, false, true);
        return true;
      // Pairs and bundles skip their blocks with a warning and are kept.
      case KeywordId("pair"): LoadGroup<TSpecctraDiffPair>(FDiffPairs, false, true); return true;
      case KeywordId("bundle"):
        LoadGroup<TSpecctraDiffBundle>(FDiffBundles, false, true);
        return true;
      default: return false;
    }
  });
}

bool TSpecctraDsnNetworkDescriptor::LoadNet() {
  auto net = std::make_unique<TSpecctraNet>(this);
  const bool loaded = net->LoadFromFile();
  if (loaded) {
    FNets->Add(std::move(net));
  } else {
    // The failed net gives its pins back to the nets that list them after it; it stays
    // alive, untranslated, for the rule scopes it opened.
    ReportError("Loading net: " + net->Name());
    net->ReleasePins();
    FDroppedGroups.Add(std::move(net));
  }
  DecreaseDepth();
  return loaded;
}

template <class Group>
bool TSpecctraDsnNetworkDescriptor::LoadGroup(std::unique_ptr<TSpecctraList>& list, bool sorted,
                                              bool keepFailed) {
  auto group = std::make_unique<Group>(this);
  const bool loaded = group->LoadFromFile();
  // Every group statement reads its block to its closing parenthesis, also when it fails.
  DecreaseDepth();
  if (loaded || keepFailed) {
    if (!list) list = std::make_unique<TSpecctraList>(sorted);
    list->Add(std::move(group));
  } else {
    FDroppedGroups.Add(std::move(group));
  }
  return loaded;
}

TSpecctraFromToClass* TSpecctraDsnNetworkDescriptor::FindFromToClass(std::string_view name) const {
  return FFromToClasses ? static_cast<TSpecctraFromToClass*>(FFromToClasses->FindByName(name))
                        : nullptr;
}

bool TSpecctraDsnNetworkDescriptor::ExportToPcb() {
  for (int32_t i = 0; i < FNets->Count(); ++i) {
    // Equal names sit side by side in the sorted list.
    if (i > 0 && SameTextIgnoringCase(FNets->NameAt(i), FNets->NameAt(i - 1)))
      ReportWarning("Net " + std::string(FNets->NameAt(i)) +
                    " is defined more than once; its definitions share one host net.");
    FNets->ObjectAt(i)->ExportToPcb();
  }
  ExportAllToPcb(FNetClasses.get());
  ExportAllToPcb(FFromToClasses.get());
  ExportAllToPcb(FFromToSuperClasses.get());
  return true;
}

TSpecctraObject* TSpecctraDsnNetworkDescriptor::FindNet(std::string_view name) {
  return FNets->FindByName(name);
}
