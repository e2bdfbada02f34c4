// The root of the Specctra object model. Every element of a Specctra file the translator
// understands is a TSpecctraObject in an owner tree (file, section, item) that shares the
// file's lexer, writer and report, counts block depth while parsing, and offers the four
// translation operations: LoadFromFile (parse), ExportToPcb (build the board),
// ImportFromPcb (read the board) and ExportToFile (write Specctra text).
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "host/PcbApi.h"
#include "specctra_io/SpecctraUnits.h"

class TReportManager;
class TSpecctraList;
class TSpecctraParser;
class TSpecctraRuleCollection;
class TSpecctraWriter;

class TSpecctraObject {
public:
  // Takes parser, writer, report and (when known) the unit from the owner.
  explicit TSpecctraObject(TSpecctraObject* owner);
  virtual ~TSpecctraObject();
  TSpecctraObject(const TSpecctraObject&) = delete;
  TSpecctraObject& operator=(const TSpecctraObject&) = delete;

  // The class name used in messages.
  virtual std::string_view ClassName() const { return "TSpecctraObject"; }

  virtual PcbHandle GetBoardHandle() const;
  // The rule collection of the top object; raises when there is none.
  virtual TSpecctraRuleCollection* GetRuleCollection();

  // Called after their keywords; each answers success.
  virtual bool LoadProperty();
  virtual bool LoadRule();
  virtual bool LoadLayerRule();
  virtual bool LoadPlaceRule();

  // The object of the net with that name in the top object's file, or nil.
  virtual TSpecctraObject* FindNet(std::string_view name);
  // The layer of that name in the structure's layer stack of the top object's file, or nil;
  // the file answers it.
  virtual TSpecctraObject* FindLayer(std::string_view name);

  virtual bool LoadFromFile();
  virtual bool ExportToPcb() { return true; }
  virtual bool ImportFromPcb() { return true; }
  virtual bool ExportToFile() { return true; }

  // The object's own unit, else its owner's (then kept as its own).
  TSpecctraUnit UnitKind();
  void SetUnitKind(TSpecctraUnit unit) { FUnitKind = unit; }
  TSpecctraObject* TopObject();
  TSpecctraObject* Owner() const { return FOwner; }

  // Skips the rest of the current block with a warning naming its lines and keyword.
  void SkipUnknownBlock();
  // The input has ended or a parser asked every parse loop to stop.
  bool StopRequested() const;
  // Default treatment of a token in a parse loop: parentheses change the depth; anything
  // else is reported as unexpected and answers false.
  bool HandleToken();
  // Tolerant treatment of a token in a parse loop: parentheses change the depth; any other
  // token is reported as unexpected and passed over, with the rest of its block when it is
  // the keyword of a statement (blockOpened: the loop's previous token was an unhandled "(";
  // updated for the next token). Answers true: an unknown statement costs only itself.
  bool PassOverUnknown(bool& blockOpened);

  void ReportError(std::string_view text) const;
  void ReportWarning(std::string_view text) const;
  void ReportLine(std::string_view text) const;

  // Length and coordinate conversions in this object's unit; an unknown unit gives a warning
  // (mils are assumed), a result outside the host range an error naming the value.
  int32_t ToBoardLength(double value);
  int32_t ToBoardX(double value);
  int32_t ToBoardY(double value);
  static double ToSpecctraLength(int32_t value);
  static double ToSpecctraX(int32_t value);
  static double ToSpecctraY(int32_t value);

  // ExportToPcb of every object (one that fails is reported as dropped), or ExportToFile up to
  // the first that fails; false when one failed or for no list, true for an empty list.
  static bool ExportAllToPcb(TSpecctraList* list);
  static bool ExportAllToFile(TSpecctraList* list);

  const std::string& Name() const;
  void SetName(std::string name);
  PcbHandle HostHandle() const { return FHostHandle; }
  void SetHostHandle(PcbHandle handle) { FHostHandle = handle; }
  int32_t BlockDepth() const { return FBlockDepth; }
  void SetBlockDepth(int32_t depth) { FBlockDepth = depth; }
  void DecreaseDepth() { --FBlockDepth; }
  TSpecctraParser* Parser() const { return FIo->Parser; }
  TSpecctraWriter* Writer() const { return FIo->Writer; }
  TReportManager* Report() const { return FIo->Report; }

protected:
  // The host handle starts as the board's; called by constructors once the owner chain can
  // answer (files set theirs after storing the board).
  void InitHostHandle() { FHostHandle = GetBoardHandle(); }
  // The object then has its own, which the objects it owns from then on share.
  void SetParser(TSpecctraParser* parser) { OwnIo().Parser = parser; }
  void SetWriter(TSpecctraWriter* writer) { OwnIo().Writer = writer; }
  void SetReport(TReportManager* report) { OwnIo().Report = report; }

  // The next token of the parser (the end of the input when there is none).
  int32_t NextTokenId();

  // The standard parse loop: reads tokens until this object's block closes or parsing must
  // stop; HandleKeyword answers whether it took the token (and stores its own result).
  template <class HandleKeyword>
  bool RunParseLoop(HandleKeyword&& handleKeyword);
  // The same loop for objects that keep themselves whole past a statement they do not know:
  // unhandled tokens go to PassOverUnknown, so only the handler's results decide.
  template <class HandleKeyword>
  bool RunTolerantParseLoop(HandleKeyword&& handleKeyword);

private:
  // The parser, writer and report of an object: those of its owner when it was made (one
  // record for a whole tree), or its own once it was given one.
  struct TIo {
    TSpecctraParser* Parser = nullptr;
    TSpecctraWriter* Writer = nullptr;
    TReportManager* Report = nullptr;
  };
  TIo& OwnIo();

  TBoardLength Checked(TBoardLength length, double value);

  // The small fields side by side: every object of a design carries them (a board's wiring
  // makes hundreds of thousands of objects, most of them without a name).
  TSpecctraObject* FOwner;
  const TIo* FIo;
  std::unique_ptr<std::string> FName;  // nil for the empty name
  int32_t FBlockDepth = 1;
  PcbHandle FHostHandle = 0;
  TSpecctraUnit FUnitKind = uNone;
  bool FOwnsIo = false;
};

// Reads tokens while this block is open. The handler gets each token id and answers true
// when it handled it; any other token goes to HandleToken.
template <class HandleKeyword>
bool TSpecctraObject::RunParseLoop(HandleKeyword&& handleKeyword) {
  const int32_t start = FBlockDepth - 1;
  bool result = true;
  while (start < FBlockDepth && !StopRequested()) {
    const int32_t id = NextTokenId();
    // Every unhandled token is counted, also after a failure, so the loop ends at the block's
    // closing parenthesis.
    if (!handleKeyword(id)) result = HandleToken() && result;
  }
  return result;
}

template <class HandleKeyword>
bool TSpecctraObject::RunTolerantParseLoop(HandleKeyword&& handleKeyword) {
  const int32_t start = FBlockDepth - 1;
  bool result = true;
  bool blockOpened = false;  // the previous token was an unhandled "("
  while (start < FBlockDepth && !StopRequested()) {
    if (handleKeyword(NextTokenId())) blockOpened = false;
    else result = PassOverUnknown(blockOpened) && result;
  }
  return result;
}
