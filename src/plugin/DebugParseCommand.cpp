// DebugParseDSN: dumps the token stream of a design file, one token text per line, into a
// ".prs" file beside it.
#include <memory>

#include "plugin/Commands.h"
#include "plugin/FileDialogs.h"
#include "report/ReportManager.h"
#include "rtl/ClientFileApi.h"
#include "specctra_io/SpecctraParser.h"
#include "specctra_io/SpecctraWriter.h"

void DebugParseDSN(void* /*context*/, const char* /*parameters*/) {
  std::string designFile;
  if (!AskDesignFile(designFile)) return;

  TSpecctraParser parser(designFile);
  TReportManager report(designFile);
  report.StartTimer();
  parser.SetReport(&report);
  TSpecctraWriter writer(ClientForceExtension(ClientExtractWholeFileName(designFile), "prs"));

  RegisterKeywords(parser);
  parser.SetQuoteChar('\'');
  while (!parser.EndOfInput()) {
    parser.NextToken();
    report.AddLine(parser.TokenText());
    writer.WriteLine(parser.TokenText(), true);
  }

  report.StopTimer();
  report.Finish();
  writer.Save();
}
