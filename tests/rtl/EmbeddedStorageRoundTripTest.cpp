#include <gtest/gtest.h>

#include "model/base/EmbeddedStorage.h"
#include "rtl/PcbEmbedded.h"
#include "rtl/PcbIteration.h"
#include "rtl/ServerRoundTripSupport.h"

namespace {

class EmbeddedStorageTest : public TServerRoundTrip {
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
};

}  // namespace

TEST_F(EmbeddedStorageTest, LongTextsSpreadOverChunksAndComeBackWhole) {
  for (std::size_t length : {0u, 4095u, 4096u, 8191u}) {
    SCOPED_TRACE(length);
    const std::string key = "Type=Test|ID=" + std::to_string(length);
    TEmbeddedStorageWrapper saved(Board, key);
    saved.SetValue("D", std::string(length > 2 ? length - 2 : 0, 'x'));
    saved.Save();
    TEmbeddedStorageWrapper loaded(Board, key);
    ASSERT_TRUE(loaded.Load());
    EXPECT_EQ(loaded.Data(), saved.Data());
  }
  const std::vector<std::string> names = EmbeddedNames();
  const std::size_t chunks8191 = std::count_if(names.begin(), names.end(), [](const std::string& n) {
    return n.starts_with("Server=NavroType=Test|ID=8191|ChunkIdx=");
  });
  EXPECT_EQ(chunks8191, 3u);
  EXPECT_EQ(std::count(names.begin(), names.end(), "Server=NavroType=Test|ID=4096|ChunkIdx=1"), 1);
}

TEST_F(EmbeddedStorageTest, ViaTagStoragesKeepToTheirOwnTag) {
  TEmbeddedStorageWrapper twelve(Board, ViaTagStorageKey(12));
  twelve.SetValue("C", "1");
  twelve.Save();
  TEmbeddedStorageWrapper one(Board, ViaTagStorageKey(1));
  EXPECT_FALSE(one.Load()) << "a tag-12 chunk is no chunk of tag 1";
  TEmbeddedStorageWrapper again(Board, ViaTagStorageKey(12));
  ASSERT_TRUE(again.Load());
  EXPECT_EQ(again.GetValue("C"), "1");
  DeleteTranslatorData(Board);
  EXPECT_EQ(EmbeddedNames().size(), 1u) << "via-tag chunks are no translator records";
}

TEST_F(EmbeddedStorageTest, AMissingChunkEmptiesTheData) {
  const PcbHandle stray = AddNew(Board, kPcbObjectEmbedded);
  TPcbEmbedded embedded(stray);
  embedded.Update(kPcbMessageRead);
  embedded.SetName("Server=NavroType=ViaTag|ID=5|ChunkIdx=1");
  embedded.SetData("tail");
  embedded.Update(kPcbMessageWrite);
  TEmbeddedStorageWrapper storage(Board, ViaTagStorageKey(5));
  std::string error;
  EXPECT_FALSE(storage.Load(&error));
  EXPECT_EQ(error, "Missing Chunk: 0");
  EXPECT_TRUE(storage.Data().empty());
}

TEST_F(EmbeddedStorageTest, TranslatorRecordsAreFoundIgnoringCase) {
  ASSERT_TRUE(StoreTranslatorRecord(Board, "CONSTANTS", {{"CONSTCOUNT", "1"}}, {{"C0", "A\r1"}}));
  const PcbHandle lower = AddNew(Board, kPcbObjectEmbedded);
  TPcbEmbedded embedded(lower);
  embedded.Update(kPcbMessageRead);
  embedded.SetName("server=navro|type=boardoffset");
  embedded.Update(kPcbMessageWrite);
  EXPECT_NE(FindTranslatorObject(Board, "constants"), 0u);
  EXPECT_EQ(FindTranslatorObject(Board, "BoardOffset"), lower);
  EXPECT_EQ(FindTranslatorObject(Board, "PadstackList"), 0u);
  DeleteTranslatorData(Board);
  EXPECT_TRUE(EmbeddedNames().empty());
}
