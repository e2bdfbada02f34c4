#include "common/PathIdentity.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

TEST(PathIdentity, SpellingsOfOnePathAreTheSamePath) {
  const std::string here = std::filesystem::current_path().string();
  const struct {
    const char* A;
    const char* B;
    bool Same;
  } cases[] = {
      {"/boards/main.pcbdoc", "/boards/main.pcbdoc", true},
      {"/boards/main.pcbdoc", "/boards/./main.pcbdoc", true},
      {"/boards/main.pcbdoc", "/boards/x/../main.pcbdoc", true},
      {"/boards/main.pcbdoc", "//boards//main.pcbdoc", true},
      {"/boards/", "/boards", true},
      {"/boards/main.pcbdoc", "/boards/Main.pcbdoc", false},
      {"/boards/main.pcbdoc", "/boards/main.pcbdoc ", false},
      {"", "", false},
      {"main.pcbdoc", "./main.pcbdoc", true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.A) + " | " + c.B);
    EXPECT_EQ(SamePath(c.A, c.B), c.Same);
  }
  EXPECT_EQ(NormalizedPath("main.pcbdoc"), here + "/main.pcbdoc");
  EXPECT_EQ(NormalizedPath(""), "");
}

}  // namespace
