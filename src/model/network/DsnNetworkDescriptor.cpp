#include "model/network/DsnNetworkDescriptor.h"

#include "common/AsciiText.h"
#include "model/network/SpecctraNet.h"
#include "specctra_io/SpecctraParser.h"

TSpecctraDsnNetworkDescriptor::TSpecctraDsnNetworkDescriptor(TSpecctraObject* owner)
    : TSpecctraAbstractNetworkDescriptor(owner), FNets(std::make_unique<TSpecctraList>(true)) {}

TSpecctraDsnNetworkDescriptor::~TSpecctraDsnNetworkDescriptor() = default;

bool TSpecctraDsnNetworkDescriptor::LoadFromFile() {
  // A design may hold more than one network block; each adds its nets.
  SetBlockDepth(1);
  // The statements' own results do not enter the section's: a bad net costs only that net.
  return RunParseLoop([&](int32_t id) {
    switch (id) {
      case KeywordId("net"): LoadNet(); return true;
      case KeywordId("class"):
      case KeywordId("group"):
      case KeywordId("group_set"):
      case KeywordId("class_class"):
      case KeywordId("pair"):
      case KeywordId("bundle"): SkipStatement(); return true;
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
    // Freeing the net gives its pins back to the nets that list them after it.
    ReportError("Loading net: " + net->Name());
  }
  DecreaseDepth();
  return loaded;
}

bool TSpecctraDsnNetworkDescriptor::SkipStatement() {
  SkipUnknownBlock();
  DecreaseDepth();
  return true;
}

bool TSpecctraDsnNetworkDescriptor::ExportToPcb() {
  for (int32_t i = 0; i < FNets->Count(); ++i) {
    // Equal names sit side by side in the sorted list.
    if (i > 0 && SameTextIgnoringCase(FNets->NameAt(i), FNets->NameAt(i - 1)))
      ReportWarning("Net " + FNets->NameAt(i) +
                    " is defined more than once; its definitions share one host net.");
    FNets->ObjectAt(i)->ExportToPcb();
  }
  return true;
}

TSpecctraObject* TSpecctraDsnNetworkDescriptor::FindNet(std::string_view name) {
  return FNets->FindByName(name);
}
