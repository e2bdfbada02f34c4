// The block lexer of Specctra input: turns the bytes of a TInputFile into tokens (parentheses,
// words looked up in a keyword list, quoted strings, numbers) and offers the readers that the
// block parsers use after a keyword. Reading shows the host progress bar and watches for the
// Escape key.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "specctra_io/InputFile.h"
#include "specctra_io/KeywordList.h"

class TReportManager;

inline constexpr int32_t tkOpenParen = 10000;
inline constexpr int32_t tkCloseParen = 10001;
inline constexpr int32_t tkQuotedString = -4;
inline constexpr int32_t tkUnknownWord = -5;

// What ReadInteger and ReadFloat answer for an empty token.
inline constexpr int32_t kEmptyNumberValue = -32000;

// The id most recently returned by NextToken of any parser, process-wide.
extern int32_t LastTokenId;

class TBlockParser {
public:
  // A set of byte values; a token read with it ends at the first byte of the set.
  using TByteSet = std::array<bool, 256>;

  TBlockParser();
  virtual ~TBlockParser();
  TBlockParser(const TBlockParser&) = delete;
  TBlockParser& operator=(const TBlockParser&) = delete;

  // The report that receives the lexer's error lines; may be null.
  void SetReport(TReportManager* report) { FReport = report; }
  TReportManager* Report() const { return FReport; }

  // The next token under the word terminators; its id also goes to LastTokenId. After the
  // end of the input: tkUnknownWord with empty text, again and again.
  virtual int32_t NextToken();
  // The next token read as a pin reference (component, hyphen, pin). Quoted parts glued to
  // it, such as PC1-"CAN-L" or "J3 -+"-"_VBUS #22", join it without their quote characters:
  // quoted parts keep their letter case, word parts are upper-cased. A reference of one part
  // gets the id the word or string would get as a token; a joined one tkUnknownWord.
  virtual int32_t NextPinReference();
  // The current token's text: a parenthesis, an upper-cased word, or the unescaped content
  // of a quoted string, at most 255 bytes.
  const std::string& TokenText() const { return FTokenText; }
  const std::string& NextTokenText();

  // Read the next token under the number terminators and convert it. An empty token answers
  // kEmptyNumberValue; an empty or malformed token is reported and sets NumberError().
  int32_t ReadInteger();
  double ReadFloat();
  // Convert the current token without reading; an empty text is 0. On failure the value is
  // kept, the error reported, and false returned.
  bool CurrentAsInteger(int32_t& value);
  bool CurrentAsFloat(double& value);

  // Whether the next word, or the current token, is "on" (any letter case).
  bool ReadOnOff();
  bool IsTokenOn() const;

  // Skip to the end of the current block by tokens; stops early at the end of the input or
  // on an abort.
  void SkipBlock();
  // Skip to the end of the current block by bytes, counting every parenthesis (also inside
  // quoted strings).
  void SkipBlockChars();

  // Look-aheads that consume nothing: the next byte that is not a blank is a line break, or
  // a '#' that is the first such byte of its line.
  bool AtLineEnd() const;
  bool AtCommentLine() const;
  // Skip to the start of the next line; a run of line breaks counts as one line.
  void SkipLine();

  void AddKeyword(std::string_view word, int32_t id) { FKeywords.Add(word, id); }
  // The word's id, or tkUnknownWord (letter case ignored).
  int32_t LookupKeyword(std::string_view word) const;

  // The text of a quoted string from its raw bytes: backslash escapes resolved (\t is 0x0B).
  static std::string Unescape(std::string_view raw, char quoteChar);

  bool IsKeyword() const { return FIsKeyword; }
  int32_t Line() const { return FLine; }
  bool NumberError() const { return FNumberError; }
  char PrevChar() const { return FPrevChar; }
  char CurChar() const { return FCurChar; }
  bool EndOfInput() const { return FEndOfInput; }
  bool Aborted() const { return FAborted; }
  char QuoteChar() const { return FQuoteChar; }
  void SetQuoteChar(char quoteChar) { FQuoteChar = quoteChar; }
  const TInputFile* Input() const { return FInput.get(); }
  // Ends the input and frees its bytes, for a parser whose file has been read: what is left
  // of it reads as the end of the input.
  void ReleaseInput();

protected:
  // Replaces the input (the rest of the previous one is not read; line, quote character and
  // flags carry on) and starts the host progress bar with the input's size as total.
  void OpenInput(std::unique_ptr<TInputFile> input, std::string_view progressCaption);

private:
  int32_t ReadToken(const TByteSet& terminators);
  // The end of the input, a parenthesis or the quote character after "string_quote": the
  // token is complete with c. Nothing for the start of a word or a quoted string.
  std::optional<int32_t> ReadSingleByteToken(char c);
  int32_t ReadPinReference();
  // The quoted text whose opening quote has been read, unescaped.
  std::string ReadQuotedText();
  // A word part of a pin reference starting at the byte at start (already read when it is
  // the first). Answers the part's text; sets gluedQuote when a quote character ends it.
  std::string ReadPinWordPart(std::size_t start, bool& gluedQuote);
  // Skips blanks, tabs, line ends and comment lines; answers the first other byte read, or a
  // blank when the input ran out.
  char SkipSpace();
  void ReadQuotedString();
  void ReadWord(const TByteSet& terminators);
  void SetMarkedWordText(std::string_view raw);

  // Reads the bytes up to end: each is one progress step, the last two become FPrevChar and
  // FCurChar, and reading the last byte of the input ends it.
  void Consume(std::size_t end);
  // Puts the last byte read back, to be read again.
  void StepBack() { --FPosition; }
  std::size_t FirstNonBlank(std::size_t from) const;
  bool IsFirstOnLine(std::size_t index) const;
  bool LineEndsAt(std::size_t from) const;

  void ReachEndOfInput();
  void PollIfDue();
  // Hands the pending steps to the progress bar and asks about an abort when Escape is down.
  void ReportProgress();

  void ReportNumberError(std::string_view expected);

  bool FIsKeyword = false;
  std::unique_ptr<TInputFile> FInput;
  int32_t FLine = 1;
  TReportManager* FReport = nullptr;
  bool FNumberError = false;
  std::string FTokenText;
  TKeywordList FKeywords;
  char FPrevChar = 0;
  char FCurChar = 0;
  bool FEndOfInput = false;
  bool FAborted = false;
  char FQuoteChar = '\'';

  std::string_view FText;        // the input's bytes
  std::size_t FPosition = 0;     // offset of the next byte to read
  int64_t FUnreportedSteps = 0;  // bytes read since the progress bar was last advanced
  bool FProgressOpen = false;
};
