// The Escape key while a file is read: the lexer asks "Confirm Abort" and stops its strings
// and block skips on Yes, and goes on after No.
#include <gtest/gtest.h>

#include <string>

#include "rtl/HostClient.h"
#include "specctra_io/LexerTestSupport.h"

namespace {

// A client whose Escape key is held down and whose confirmations answer as told. Everything
// else fails.
class TEscapeClient final : public host::IClient {
public:
  explicit TEscapeClient(bool answerYes) : FAnswerYes(answerYes) {}

  int Questions() const { return FQuestions; }
  const std::string& LastQuestion() const { return FLastQuestion; }

  host::HResult IsEscapeKeyDown(bool* down) override {
    *down = true;
    return host::kOk;
  }
  host::HResult ConfirmYesNo(const char* text, bool* yes) override {
    ++FQuestions;
    FLastQuestion = text;
    *yes = FAnswerYes;
    return host::kOk;
  }

  host::HResult GetServerModule(const char*, host::IServerModule**) override { return host::kFail; }
  host::HResult StartServer(const char*) override { return host::kFail; }
  host::HResult CreateDocument(const char*, const char*, const char*, int32_t,
                               host::IServerDocument**) override {
    return host::kFail;
  }
  host::HResult GetDocumentByPath(const char*, host::IServerDocument**) override {
    return host::kFail;
  }
  host::HResult OpenDocument(const char*, const char*, host::IServerDocument**) override {
    return host::kFail;
  }
  host::HResult GetDocumentKind(const char*, char*, uint32_t) override { return host::kFail; }
  host::HResult GetDefaultExtension(const char*, char*, uint32_t) override { return host::kFail; }
  host::HResult ShowDocument(host::IServerDocument*) override { return host::kFail; }
  host::HResult CloseDocument(host::IServerDocument*) override { return host::kFail; }
  host::HResult GetCurrentView(host::IServerView**) override { return host::kFail; }
  host::HResult GetMainWindowHandle(uintptr_t*) override { return host::kFail; }
  host::HResult SetStatusText(int32_t, const char*) override { return host::kFail; }
  host::HResult GetProcessLauncher(host::IProcessLauncher**) override { return host::kFail; }
  host::HResult GetWorkspace(host::IWorkspace**) override { return host::kFail; }
  host::HResult ShowMessage(host::TMessageKind, const char*, const char*) override {
    return host::kFail;
  }

private:
  bool FAnswerYes;
  int FQuestions = 0;
  std::string FLastQuestion;
};

// Installs the client for one test.
class TClientScope {
public:
  explicit TClientScope(host::IClient* client) { SetHostClient(client); }
  ~TClientScope() { SetHostClient(nullptr); }
  TClientScope(const TClientScope&) = delete;
  TClientScope& operator=(const TClientScope&) = delete;
};

// Large enough that the key is polled while the string is read.
const std::string kLongString = "(a '" + std::string(1 << 20, 's') + "') (b)";

}  // namespace

TEST(LexerAbort, YesEndsTheStringBeingRead) {
  TEscapeClient client(true);
  TClientScope scope(&client);
  auto parser = ParserOn(kLongString);
  parser->NextToken();
  parser->NextToken();
  EXPECT_EQ(parser->NextToken(), tkQuotedString);
  EXPECT_TRUE(parser->Aborted());
  EXPECT_FALSE(parser->EndOfInput()) << "the string ended early";
  EXPECT_EQ(client.LastQuestion(), "Confirm Abort");
  EXPECT_EQ(client.Questions(), 1) << "an abort is confirmed once";

  // Tokens are still delivered after the abort; block skips stop at once.
  EXPECT_EQ(parser->NextToken(), tkUnknownWord);
  parser->SkipBlock();
  EXPECT_EQ(parser->TokenText(), std::string(255, 'S')) << "SkipBlock read nothing";
}

TEST(LexerAbort, NoLetsTheLexerGoOn) {
  TEscapeClient client(false);
  TClientScope scope(&client);
  auto parser = ParserOn(kLongString);
  EXPECT_EQ(DescribeAllTokens(*parser), "( W:A Q:" + std::string(255, 's') + " ) ( W:B )");
  EXPECT_FALSE(parser->Aborted());
  EXPECT_GE(client.Questions(), 2) << "asked while reading and again at the end";
}
