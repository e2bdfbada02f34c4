// What the stand-in client makes of an allocation that failed: it remembers it, gives back its
// reserve once, drops the plug-in's messages and turns failures to open or save into
// std::bad_alloc, so that pcbhost ends with its one line. The failure is simulated by calling
// the handler that operator new calls.
#include "client/MemoryWatch.h"

#include <gtest/gtest.h>

#include <new>

#include "standin/ClientTestSupport.h"
#include "support/TempFolder.h"

namespace {

void FailAnAllocation() { std::get_new_handler()(); }

TEST(MemoryWatch, TheFirstFailureTakesTheReserveTheNextOneThrows) {
  const std::new_handler before = std::get_new_handler();
  {
    standin::TMemoryWatch watch;
    EXPECT_FALSE(standin::TMemoryWatch::MemoryRanOut());
    EXPECT_NO_THROW(FailAnAllocation()) << "the reserve lets the allocation try again";
    EXPECT_TRUE(standin::TMemoryWatch::MemoryRanOut());
    EXPECT_THROW(FailAnAllocation(), std::bad_alloc);
    EXPECT_TRUE(standin::TMemoryWatch::MemoryRanOut());
  }
  EXPECT_EQ(std::get_new_handler(), before) << "the watch puts the handler back";
  standin::TMemoryWatch next;
  EXPECT_FALSE(standin::TMemoryWatch::MemoryRanOut()) << "a new watch starts afresh";
}

TEST(MemoryWatch, AClientThatRanOutDropsMessagesAndThrowsOnFailedOpensAndSaves) {
  TClientUnderTest host;
  TTempFolder folder;
  std::string error;
  EXPECT_FALSE(host.Client->OpenDocument(folder.Path("missing.pcbdoc"), &error));
  host.Client->ShowMessage(host::TMessageKind::Error, "Error", "before");
  EXPECT_EQ(host.Terminal.Err, "Error: before\n");
  EXPECT_FALSE(host.Client->MemoryRanOut());

  FailAnAllocation();
  EXPECT_TRUE(host.Client->MemoryRanOut());
  host.Client->ShowMessage(host::TMessageKind::Error, "Error", "std::bad_alloc");
  EXPECT_EQ(host.Terminal.Err, "Error: before\n") << "pcbhost says it in its own line";
  EXPECT_THROW(host.Client->OpenDocument(folder.Path("missing.pcbdoc"), &error), std::bad_alloc);
  host::IServerDocument* document = host.NewPcbDocument(folder.Path("no/such/folder/b.pcbdoc"));
  ASSERT_NE(document, nullptr);
  EXPECT_THROW(host.Client->SaveModifiedDocuments(&error), std::bad_alloc);
}

}  // namespace
