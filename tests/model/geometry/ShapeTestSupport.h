// A top object for shape tests: it lends its lexer (over a text), report and writer to the
// objects below it, as a file object does, and converts in mils.
#pragma once

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "model/base/SpecctraObject.h"
#include "report/ReportManager.h"
#include "specctra_io/SpecctraParser.h"
#include "specctra_io/SpecctraWriter.h"

class TShapeTestTop : public TSpecctraObject {
public:
  explicit TShapeTestTop(const std::string& text = "")
      : TSpecctraObject(nullptr),
        FLexer(std::make_unique<TInputFile>("test.dsn", text)),
        FLog("test.dsn"),
        FOutput("test.rte") {
    RegisterKeywords(FLexer);
    FLexer.SetReport(&FLog);
    SetParser(&FLexer);
    SetReport(&FLog);
    SetWriter(&FOutput);
    SetUnitKind(uMil);
  }
  TSpecctraParser& Lexer() { return FLexer; }
  const std::vector<std::string>& Lines() const { return FLog.Lines(); }
  int ErrorCount() const { return FLog.ErrorCount(); }
  bool HasLine(const std::string& line) const {
    return std::find(Lines().begin(), Lines().end(), line) != Lines().end();
  }
  const std::string& Written() const { return FOutput.Buffer(); }
  // Reads the opening parenthesis and the keyword of the next block.
  void EnterBlock() {
    FLexer.NextToken();
    FLexer.NextToken();
  }

private:
  TSpecctraParser FLexer;
  TReportManager FLog;
  TSpecctraWriter FOutput;
};
