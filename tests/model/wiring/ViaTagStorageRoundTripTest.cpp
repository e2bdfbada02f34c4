// Via tags stored in a stand-in board and loaded back in one walk over its embedded objects.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "model/base/EmbeddedStorage.h"
#include "model/wiring/ViaTagStorage.h"
#include "rtl/PcbEmbedded.h"
#include "rtl/PcbIteration.h"
#include "rtl/ServerRoundTripSupport.h"

namespace {

class ViaTagStorageOnBoard : public TServerRoundTrip {
protected:
  std::vector<std::string> EmbeddedNames() {
    std::vector<std::string> names;
    ForEachPcbObject(Board, kPcbObjectEmbedded, [&](PcbHandle handle) {
      TPcbEmbedded embedded(handle);
      embedded.Update(kPcbMessageRead);
      names.push_back(embedded.GetName());
    });
    return names;
  }
  void AddChunk(const std::string& name, const std::string& data) {
    TPcbEmbedded embedded(AddNew(Board, kPcbObjectEmbedded));
    embedded.Update(kPcbMessageRead);
    embedded.SetName(name);
    embedded.SetData(data);
    embedded.Update(kPcbMessageWrite);
  }
  // (number, x, y) of every tag loaded, in order.
  std::vector<std::tuple<int, double, double>> Loaded(std::vector<std::string>& errors) {
    const TTaggedVias tags = LoadStoredViaTags(Board, errors);
    std::vector<std::tuple<int, double, double>> result;
    for (int32_t i = 0; i < tags.Count(); ++i)
      result.emplace_back(tags.Item(i).Number, tags.Item(i).X, tags.Item(i).Y);
    return result;
  }
};

using TTags = std::vector<std::tuple<int, double, double>>;

}  // namespace

TEST_F(ViaTagStorageOnBoard, NumbersUpTo126AreStoredAndLoadedBackInNumberOrder) {
  StoreViaTagChunks(Board, {{12, 5, 6}, {1, 1, 2}, {126, -7, 8}, {127, 9, 9}, {12, 7, 8}});
  const std::vector<std::string> names = EmbeddedNames();
  EXPECT_EQ(names, (std::vector<std::string>{"Server=NavroType=ViaTag|ID=1|ChunkIdx=0",
                                             "Server=NavroType=ViaTag|ID=12|ChunkIdx=0",
                                             "Server=NavroType=ViaTag|ID=126|ChunkIdx=0"}));
  std::vector<std::string> errors;
  EXPECT_EQ(Loaded(errors), (TTags{{1, 1, 2}, {12, 5, 6}, {12, 7, 8}, {126, -7, 8}}));
  EXPECT_TRUE(errors.empty());
  // The storage of one number reads the same text by itself.
  TEmbeddedStorageWrapper twelve(Board, ViaTagStorageKey(12));
  ASSERT_TRUE(twelve.Load());
  EXPECT_EQ(twelve.Data(), "C=2|X0=5|Y0=6|X1=7|Y1=8");
}

TEST_F(ViaTagStorageOnBoard, ANewImportReplacesTheChunksOfTheNumbersItStores) {
  // A long earlier text of number 5 spans two chunks; a short new one must not be completed
  // by the old second chunk.
  std::vector<TStoredViaTag> many;
  for (int i = 0; i < 600; ++i) many.push_back({5, i, i});
  StoreViaTagChunks(Board, many);
  ASSERT_GE(EmbeddedNames().size(), 2u);
  StoreViaTagChunks(Board, {{9, 1, 1}});
  StoreViaTagChunks(Board, {{5, 42, 43}});
  std::vector<std::string> errors;
  EXPECT_EQ(Loaded(errors), (TTags{{5, 42, 43}, {9, 1, 1}})) << "number 9 stays";
  EXPECT_EQ(EmbeddedNames().size(), 2u);
}

TEST_F(ViaTagStorageOnBoard, AGapLosesThatNumberOnlyWithOneError) {
  AddChunk("Server=NavroType=ViaTag|ID=3|ChunkIdx=0", "C=1|X0=A|Y0=B");
  AddChunk("Server=NavroType=ViaTag|ID=4|ChunkIdx=1", "C=1|X0=1|Y0=1");
  AddChunk("Server=NavroType=ViaTag|ID=03|ChunkIdx=0", "C=1|X0=1|Y0=1");
  AddChunk("Server=NavroType=ViaTag|ID=3|ChunkIdx=0|x", "C=1|X0=1|Y0=1");
  AddChunk("Server=NavroType=ViaTag|ID=200|ChunkIdx=0", "C=1|X0=1|Y0=1");
  std::vector<std::string> errors;
  EXPECT_EQ(Loaded(errors), (TTags{{3, 10, 11}})) << "names not written by a storage are no chunks";
  EXPECT_EQ(errors, std::vector<std::string>{"Missing Chunk: 0"});
}
