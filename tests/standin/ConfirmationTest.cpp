#include "client/Confirmation.h"

#include <gtest/gtest.h>

#include "standin/FakeTerminal.h"

namespace {

using standin::TConfirmAnswer;

TEST(Confirmation, StandingAnswersThenTheTerminalThenNo) {
  struct TCase {
    const char* Name;
    TConfirmAnswer Answer;
    bool Interactive;
    std::vector<std::string> Typed;
    bool Expected;
  };
  const std::vector<TCase> cases = {
      {"--yes", TConfirmAnswer::Yes, false, {}, true},
      {"--yes on a terminal", TConfirmAnswer::Yes, true, {"n"}, true},
      {"--no", TConfirmAnswer::No, true, {"y"}, false},
      {"terminal y", TConfirmAnswer::Ask, true, {"y"}, true},
      {"terminal Yes", TConfirmAnswer::Ask, true, {"Yes"}, true},
      {"terminal n", TConfirmAnswer::Ask, true, {"n"}, false},
      {"terminal empty line", TConfirmAnswer::Ask, true, {""}, false},
      {"terminal end of input", TConfirmAnswer::Ask, true, {}, false},
      {"no terminal", TConfirmAnswer::Ask, false, {"y"}, false},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.Name);
    TFakeTerminal terminal;
    terminal.InputInteractive = c.Interactive;
    terminal.InputLines.assign(c.Typed.begin(), c.Typed.end());
    standin::TConfirmation confirmation(terminal);
    confirmation.SetAnswer(c.Answer);
    EXPECT_EQ(confirmation.Ask("Specctra design file\n\rgone.dsn doesn't exist."), c.Expected);
    // The question is always shown, its line breaks made plain.
    EXPECT_TRUE(terminal.Err.starts_with("Specctra design file\ngone.dsn doesn't exist."))
        << terminal.Err;
  }
}

}  // namespace
