#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <set>
#include <string>

#include "support/BoardDocumentForms.h"
#include "support/Pcbhost.h"

namespace {

using TJson = nlohmann::json;

// The (network_out ...) block of a routes or session text, from its line on.
std::string NetworkOutBlock(const std::string& text) {
  const std::size_t start = text.find("(network_out ");
  if (start == std::string::npos) return {};
  const std::size_t lineStart = text.rfind("\r\n", start);
  const std::string indent = text.substr(lineStart + 2, start - lineStart - 2);
  const std::size_t end = text.find("\r\n" + indent + ")\r\n", start);
  return end == std::string::npos ? std::string{} : text.substr(start, end - start);
}

}  // namespace

TEST(NetworkImport, NetsReachTheBoardAndTheRoutesAndSessionFiles) {
  TTempFolder folder;
  folder.Write("nets.dsn", TTempFolder::Read(FIXTURES_DIR "/designs/nets.dsn"));
  const TProgramResult result = RunPcbhost(folder, {"import", "nets.dsn", "--rte", "--ses"});
  ASSERT_EQ(result.ExitCode, 0) << result.Describe();

  const TJson board = board_document::AsVersion1(
      TJson::parse(TTempFolder::Read(folder.Path("nets.pcbdoc"))));
  std::multiset<std::string> nets;
  std::multiset<std::string> rules;
  for (const TJson& object : board["objects"]) {
    if (object["kindName"] == "net") nets.insert(object["name"].get<std::string>());
    if (object["kindName"] == "rule")
      rules.insert(object.value("name", "") + " / " + object.value("scope1", ""));
  }
  EXPECT_EQ(nets, (std::multiset<std::string>{"CAN-L", "CLK", "GND", "LOWER_CASE", "Sig(1)"}))
      << "quoted names keep their case, the pair block adds no net";
  EXPECT_EQ(rules, (std::multiset<std::string>{"Don't route net CLK / InNet('CLK')"}));

  // Every host net is listed, in name order, a name with a parenthesis quoted.
  const std::string expected =
      "(network_out \r\n"
      "%(net CAN-L\r\n%)\r\n"
      "%(net CLK\r\n%)\r\n"
      "%(net GND\r\n%)\r\n"
      "%(net LOWER_CASE\r\n%)\r\n"
      "%(net 'Sig(1)'\r\n%)";
  for (const auto& [file, indent] : {std::pair{"nets.rte", "    "}, std::pair{"nets.ses", "        "}}) {
    SCOPED_TRACE(file);
    std::string block = expected;
    for (std::size_t at; (at = block.find('%')) != std::string::npos;) block.replace(at, 1, indent);
    EXPECT_EQ(NetworkOutBlock(TTempFolder::Read(folder.Path(file))), block);
  }
}
