#include <gtest/gtest.h>

#include "specctra_io/SpecctraWriter.h"
#include "support/TempFolder.h"

TEST(SpecctraWriter, IndentsBlocksAndEndsLinesWithCrLf) {
  TTempFolder folder;
  TSpecctraWriter writer(folder.Path("out.rte"));
  writer.WriteLine("(routes ", true);
  writer.IndentIn(1);
  writer.WriteLine("x", true);
  writer.WriteLine("", true);
  writer.WriteLine("y", false);
  writer.IndentOut(1);
  writer.WriteLine(")", true);
  writer.IndentOut(3);
  writer.WriteLine("z", true);
  EXPECT_EQ(writer.Buffer(), "(routes \r\n  x\r\n  \r\ny\r\n)\r\nz\r\n");
  EXPECT_TRUE(folder.FileNames().empty()) << "nothing reaches the disk before Save";
  ASSERT_TRUE(writer.Save());
  EXPECT_EQ(TTempFolder::Read(folder.Path("out.rte")), writer.Buffer());
}

TEST(SpecctraWriter, BlankMarkersBecomeTheByte1F) {
  TSpecctraWriter writer("unused");
  writer.Write("(net A~SP~B~SP~)~SP", false);
  EXPECT_EQ(writer.Buffer(), "(net A\x1F" "B\x1F)~SP");
}
