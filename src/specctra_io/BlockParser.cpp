#include "specctra_io/BlockParser.h"

#include <algorithm>
#include <cstring>
#include <limits>
#include <optional>

#include "common/AsciiText.h"
#include "rtl/HostClient.h"
#include "report/ReportManager.h"
#include "rtl/PcbProgress.h"
#include "specctra_io/NumberParsing.h"
#include "specctra_io/SpecctraTokens.h"

int32_t LastTokenId = 0;

namespace {

constexpr char kBlank = ' ';
constexpr char kBackslash = '\\';
constexpr unsigned char kBlankMarker = 0x1F;  // a blank inside a name, written as ~SP~
constexpr std::string_view kBlankMarkerText = "~SP~";
// The progress bar and the Escape key are served once per this many bytes read.
constexpr int64_t kPollInterval = 64 * 1024;

bool IsLineBreak(char c) { return c == '\r' || c == '\n'; }
bool IsParen(char c) { return c == '(' || c == ')'; }

constexpr TBlockParser::TByteSet MakeWordTerminators() {
  TBlockParser::TByteSet set{};
  for (const char c : {'\n', '\r', ' ', '\'', '(', ')', ';'})
    set[static_cast<unsigned char>(c)] = true;
  return set;
}

constexpr bool IsNumberByte(int c) {
  return c == '+' || c == ',' || c == '-' || c == '.' || (c >= '0' && c <= '9') ||
         (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

constexpr TBlockParser::TByteSet MakeNumberTerminators() {
  TBlockParser::TByteSet set{};
  for (int c = 0; c < 256; ++c) set[static_cast<std::size_t>(c)] = !IsNumberByte(c);
  return set;
}

constexpr TBlockParser::TByteSet kWordTerminators = MakeWordTerminators();
constexpr TBlockParser::TByteSet kNumberTerminators = MakeNumberTerminators();

constexpr std::array<char, 256> MakeUpperCase() {
  std::array<char, 256> table{};
  for (int c = 0; c < 256; ++c) {
    table[static_cast<std::size_t>(c)] = static_cast<char>(c >= 'a' && c <= 'z' ? c - 32 : c);
  }
  return table;
}

constexpr std::array<char, 256> kUpperCase = MakeUpperCase();

// The byte that an escape (the byte after a backslash) stands for; none for an unknown one.
std::optional<char> EscapedByte(char c, char quoteChar) {
  switch (c) {
    case 'F':
    case 'f': return '\f';
    case 'N':
    case 'n': return '\n';
    case 'R':
    case 'r': return '\r';
    case 'T':
    case 't': return '\v';
    default: break;
  }
  if (c == kBackslash || c == quoteChar) return c;
  return std::nullopt;
}

// Appends the unescaped form of raw to out until out holds maxLength bytes. The byte before
// is always taken from raw, so after a doubled backslash the next byte is an escape again.
void AppendUnescaped(std::string_view raw, char quoteChar, std::string& out,
                     std::size_t maxLength) {
  for (std::size_t i = 0; i < raw.size() && out.size() < maxLength; ++i) {
    const char c = raw[i];
    if (i > 0 && raw[i - 1] == kBackslash) {
      if (const std::optional<char> escaped = EscapedByte(c, quoteChar)) out += *escaped;
    } else if (c != kBackslash || i + 1 == raw.size()) {
      out += c;  // a lone backslash is kept only as the last byte
    }
  }
}

}  // namespace

TBlockParser::TBlockParser() {
  FKeywords.Add("QZ", 0);
  // A quote switch that an earlier parser left pending does not reach into this input.
  LastTokenId = 0;
}

TBlockParser::~TBlockParser() {
  // A parser freed before the end of its input still closes the progress bar it opened.
  if (FProgressOpen) PcbProgressFinish();
}

void TBlockParser::OpenInput(std::unique_ptr<TInputFile> input, std::string_view progressCaption) {
  if (FProgressOpen) PcbProgressFinish();  // the bar of the file left unread
  FInput = std::move(input);
  FText = FInput->Bytes();
  FPosition = 0;
  FUnreportedSteps = 0;
  const std::size_t total =
      std::min<std::size_t>(FText.size(), std::numeric_limits<int32_t>::max());
  PcbProgressInit(progressCaption, static_cast<int32_t>(total));
  FProgressOpen = true;
  if (FText.empty()) ReachEndOfInput();
}

void TBlockParser::ReleaseInput() {
  if (!FEndOfInput) ReachEndOfInput();
  FText = {};
  FPosition = 0;
  if (FInput) FInput->ReleaseBytes();
}

// ---- Reading bytes -------------------------------------------------------------------------

inline void TBlockParser::Consume(std::size_t end) {
  if (end <= FPosition) return;
  FPrevChar = end - FPosition >= 2 ? FText[end - 2] : FCurChar;
  FCurChar = FText[end - 1];
  FUnreportedSteps += static_cast<int64_t>(end - FPosition);
  FPosition = end;
  if (FPosition >= FText.size()) ReachEndOfInput();
}

void TBlockParser::ReachEndOfInput() {
  FEndOfInput = true;
  if (!FProgressOpen) return;
  ReportProgress();
  PcbProgressFinish();
  FProgressOpen = false;
}

inline void TBlockParser::PollIfDue() {
  if (FUnreportedSteps >= kPollInterval) ReportProgress();
}

void TBlockParser::ReportProgress() {
  while (FProgressOpen && FUnreportedSteps > 0) {
    const int64_t steps = std::min<int64_t>(FUnreportedSteps, std::numeric_limits<int32_t>::max());
    PcbProgressUpdate(static_cast<int32_t>(steps));
    FUnreportedSteps -= steps;
  }
  FUnreportedSteps = 0;
  if (!FAborted && HostEscapeKeyDown() && HostConfirmYesNo("Confirm Abort")) FAborted = true;
}

inline std::size_t TBlockParser::FirstNonBlank(std::size_t from) const {
  while (from < FText.size() && FText[from] == kBlank) ++from;
  return from;
}

bool TBlockParser::IsFirstOnLine(std::size_t index) const {
  while (index > 0 && FText[index - 1] == kBlank) --index;
  return index == 0 || IsLineBreak(FText[index - 1]);
}

inline bool TBlockParser::LineEndsAt(std::size_t from) const {
  if (from < FText.size() && FText[from] != kBlank) return IsLineBreak(FText[from]);
  const std::size_t next = FirstNonBlank(from);
  return next < FText.size() && IsLineBreak(FText[next]);
}

bool TBlockParser::AtLineEnd() const { return LineEndsAt(FPosition); }

bool TBlockParser::AtCommentLine() const {
  const std::size_t next = FirstNonBlank(FPosition);
  return next < FText.size() && FText[next] == '#' && IsFirstOnLine(next);
}

void TBlockParser::SkipLine() {
  if (FLine < std::numeric_limits<int32_t>::max()) ++FLine;
  std::size_t end = FPosition;
  while (end < FText.size() && !IsLineBreak(FText[end])) ++end;
  while (end < FText.size() && IsLineBreak(FText[end])) ++end;
  if (end >= FText.size()) {
    Consume(FText.size());
    return;
  }
  // The first byte of the next line is read and put back, to be read with the next token.
  Consume(end + 1);
  StepBack();
}

// ---- Tokens --------------------------------------------------------------------------------

char TBlockParser::SkipSpace() {
  char c = kBlank;
  while ((c == kBlank || c == '\t') && FPosition < FText.size()) {
    const std::size_t next = FirstNonBlank(FPosition);
    if (next >= FText.size()) {
      // Only blanks are left: they are read one by one up to the end.
      Consume(FText.size());
      return kBlank;
    }
    const char b = FText[next];
    if (IsLineBreak(b) || (b == '#' && IsFirstOnLine(next))) {
      SkipLine();  // AtLineEnd or AtCommentLine
      continue;
    }
    // The blanks before b are read one by one with the same outcome.
    Consume(next + 1);
    c = b;
  }
  return c;
}

std::optional<int32_t> TBlockParser::ReadSingleByteToken(char c) {
  if (c == kBlank && FPosition >= FText.size()) {
    // Nothing left to read: the empty word.
    FTokenText.clear();
    if (!FEndOfInput) ReachEndOfInput();
    return tkUnknownWord;
  }
  if (IsParen(c)) {
    FTokenText.assign(1, c);
    FIsKeyword = true;
    return c == '(' ? tkOpenParen : tkCloseParen;
  }
  if (LastTokenId == tkStringQuote) {
    // The byte after the "string_quote" keyword becomes the quote character.
    FQuoteChar = c;
    FTokenText.assign(1, c);
    return 0;
  }
  return std::nullopt;
}

int32_t TBlockParser::ReadToken(const TByteSet& terminators) {
  FIsKeyword = false;
  PollIfDue();
  const char c = SkipSpace();
  if (const std::optional<int32_t> id = ReadSingleByteToken(c)) return *id;
  if (c == FQuoteChar) {
    ReadQuotedString();
    return tkQuotedString;
  }
  ReadWord(terminators);
  const int32_t id = FKeywords.FindUpper(FTokenText, tkUnknownWord);
  FIsKeyword = id != tkUnknownWord;
  return id;
}

int32_t TBlockParser::ReadPinReference() {
  FIsKeyword = false;
  PollIfDue();
  const char c = SkipSpace();
  if (const std::optional<int32_t> id = ReadSingleByteToken(c)) return *id;
  if (c != FQuoteChar && kWordTerminators[static_cast<unsigned char>(c)]) {
    FTokenText.clear();  // a lone terminator is dropped, as between words
    return tkUnknownWord;
  }
  // Parts alternate between words and quoted strings as long as they are glued together.
  std::string text;
  int joins = 0;
  bool quoted = c == FQuoteChar;
  std::size_t wordStart = FPosition - 1;
  for (;; ++joins) {
    if (!quoted) {
      bool gluedQuote = false;
      text += ReadPinWordPart(wordStart, gluedQuote);
      if (!gluedQuote) break;
      Consume(FPosition + 1);  // the opening quote of the next part
      quoted = true;
      continue;
    }
    text += ReadQuotedText();
    if (FPosition >= FText.size() || FAborted) break;
    const char next = FText[FPosition];
    if (next == FQuoteChar) {
      Consume(FPosition + 1);
      continue;
    }
    if (kWordTerminators[static_cast<unsigned char>(next)] || next == '\t') break;
    wordStart = FPosition;
    quoted = false;
  }
  FTokenText = CutText(text);
  if (joins > 0) return tkUnknownWord;
  if (quoted) return tkQuotedString;
  const int32_t id = FKeywords.FindUpper(FTokenText, tkUnknownWord);
  FIsKeyword = id != tkUnknownWord;
  return id;
}

std::string TBlockParser::ReadPinWordPart(std::size_t start, bool& gluedQuote) {
  std::size_t end = start;
  while (end < FText.size() && !kWordTerminators[static_cast<unsigned char>(FText[end])] &&
         FText[end] != FQuoteChar)
    ++end;
  const std::string_view raw = FText.substr(start, end - start);
  gluedQuote = end < FText.size() && FText[end] == FQuoteChar;
  if (gluedQuote || end >= FText.size()) {
    Consume(end);  // the quote is read as the next part's opening
  } else if (LineEndsAt(end)) {
    Consume(end);
  } else {
    Consume(end + 1);
    if (IsParen(FText[end])) StepBack();
  }
  std::string text;
  for (const char b : raw.substr(0, std::min(raw.size(), kShortStringMax))) {
    if (b == static_cast<char>(kBlankMarker)) {
      text += kBlankMarkerText;
    } else {
      text += AsciiUpper(b);
    }
  }
  return text;
}

std::string TBlockParser::ReadQuotedText() {
  const std::size_t start = FPosition;
  std::size_t end = start;
  for (;;) {
    PollIfDue();
    if (FPosition >= FText.size() || FAborted) {
      end = FPosition;
      break;
    }
    // Look for the quote only up to the next poll, so that an abort ends the string there.
    const std::size_t window = std::min<std::size_t>(
        FText.size() - FPosition, static_cast<std::size_t>(kPollInterval - FUnreportedSteps));
    const void* hit = std::memchr(FText.data() + FPosition, FQuoteChar, window);
    if (!hit) {
      Consume(FPosition + window);
      continue;
    }
    const std::size_t quote =
        static_cast<std::size_t>(static_cast<const char*>(hit) - FText.data());
    Consume(quote + 1);
    // A quote after a backslash and before a byte other than a blank is part of the text.
    const bool escaped = quote > start && FText[quote - 1] == kBackslash &&
                         quote + 1 < FText.size() && FText[quote + 1] != kBlank;
    if (!escaped) {
      end = quote;
      break;
    }
  }
  std::string text;
  AppendUnescaped(FText.substr(start, end - start), FQuoteChar, text, kShortStringMax);
  return text;
}

void TBlockParser::ReadQuotedString() { FTokenText = ReadQuotedText(); }

void TBlockParser::ReadWord(const TByteSet& terminators) {
  // The first byte was read by SkipSpace. The word is upper-cased while it is scanned; bytes
  // past the 255th are scanned but not kept.
  const std::size_t start = FPosition - 1;
  const char* data = FText.data();
  const std::size_t size = FText.size();
  char text[kShortStringMax];
  std::size_t length = 0;
  bool hasMarker = false;
  std::size_t end = start;
  for (; end < size; ++end) {
    const auto b = static_cast<unsigned char>(data[end]);
    if (terminators[b]) break;
    if (length < kShortStringMax) text[length++] = kUpperCase[b];
    hasMarker |= b == kBlankMarker;
  }
  if (end == start) {
    FTokenText.clear();  // the first byte is a terminator: it is dropped
    return;
  }
  if (end >= size) {
    // The word runs to the end of the input and keeps its last byte.
    Consume(size);
  } else if (LineEndsAt(end)) {
    // A line end closes the word without being read.
    Consume(end);
  } else {
    // The terminator is read and dropped; a parenthesis is put back as the next token.
    Consume(end + 1);
    if (IsParen(data[end])) StepBack();
  }
  if (hasMarker) {
    SetMarkedWordText(FText.substr(start, end - start));
  } else {
    FTokenText.assign(text, length);
  }
}

void TBlockParser::SetMarkedWordText(std::string_view raw) {
  // The ~SP~ marker only lengthens the text, so the first 255 bytes of the result come from
  // the first 255 bytes of the word.
  std::string expanded;
  for (const char c : raw.substr(0, std::min(raw.size(), kShortStringMax))) {
    if (c == static_cast<char>(kBlankMarker)) {
      expanded += kBlankMarkerText;
    } else {
      expanded += AsciiUpper(c);
    }
  }
  FTokenText = CutText(expanded);
}

int32_t TBlockParser::NextToken() {
  const int32_t id = ReadToken(kWordTerminators);
  LastTokenId = id;
  return id;
}

int32_t TBlockParser::NextPinReference() {
  const int32_t id = ReadPinReference();
  LastTokenId = id;
  return id;
}

const std::string& TBlockParser::NextTokenText() {
  NextToken();
  return FTokenText;
}

int32_t TBlockParser::LookupKeyword(std::string_view word) const {
  return FKeywords.FindUpper(AsciiUpperText(word), tkUnknownWord);
}

std::string TBlockParser::Unescape(std::string_view raw, char quoteChar) {
  std::string text;
  AppendUnescaped(raw, quoteChar, text, raw.size());
  return text;
}

// ---- Values after a keyword ----------------------------------------------------------------

void TBlockParser::ReportNumberError(std::string_view expected) {
  if (!FReport) return;
  FReport->AddError(std::string(expected) + " value expected <" + FTokenText + "> in line " +
                    std::to_string(FLine) + ".");
}

int32_t TBlockParser::ReadInteger() {
  ReadToken(kNumberTerminators);
  const std::optional<int32_t> value = ParseSpecctraInteger(FTokenText);
  FNumberError = !value;
  if (FNumberError) ReportNumberError("Integer");
  if (FTokenText.empty()) return kEmptyNumberValue;
  return value.value_or(0);
}

double TBlockParser::ReadFloat() {
  ReadToken(kNumberTerminators);
  const std::optional<double> value = ParseSpecctraReal(FTokenText);
  FNumberError = !value;
  if (FNumberError) ReportNumberError("Floating point");
  if (FTokenText.empty()) return kEmptyNumberValue;
  return value.value_or(0.0);
}

bool TBlockParser::CurrentAsInteger(int32_t& value) {
  if (FTokenText.empty()) {
    value = 0;
    return true;
  }
  const std::optional<int32_t> converted = ParseSpecctraInteger(FTokenText);
  if (!converted) {
    ReportNumberError("Integer");
    return false;
  }
  value = *converted;
  return true;
}

bool TBlockParser::CurrentAsFloat(double& value) {
  if (FTokenText.empty()) {
    value = 0;
    return true;
  }
  const std::optional<double> converted = ParseSpecctraReal(FTokenText);
  if (!converted) {
    ReportNumberError("Floating point");
    return false;
  }
  value = *converted;
  return true;
}

bool TBlockParser::ReadOnOff() {
  ReadToken(kWordTerminators);
  return IsTokenOn();
}

bool TBlockParser::IsTokenOn() const { return SameTextIgnoringCase(FTokenText, "on"); }

// ---- Skipping blocks -----------------------------------------------------------------------

void TBlockParser::SkipBlock() {
  int64_t depth = 1;
  while (depth > 0 && !FEndOfInput && !FAborted) {
    const int32_t id = NextToken();
    if (id == tkOpenParen) ++depth;
    if (id == tkCloseParen) --depth;
  }
}

void TBlockParser::SkipBlockChars() {
  int64_t depth = FPrevChar == '(' ? 2 : (FPrevChar == ')' ? 0 : 1);
  while (depth > 0 && FPosition < FText.size()) {
    PollIfDue();
    if (AtLineEnd()) {
      SkipLine();
      continue;
    }
    const std::size_t next = FirstNonBlank(FPosition);
    if (next >= FText.size()) {
      Consume(FText.size());
      break;
    }
    Consume(next + 1);
    if (FText[next] == '(') {
      ++depth;
      ++FUnreportedSteps;  // an opening parenthesis counts one extra step
    } else if (FText[next] == ')') {
      --depth;
    }
  }
  FPrevChar = 0;
}
