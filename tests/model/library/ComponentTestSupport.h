// A design read from text, with images read from text of their own: the images are filed in
// the design (as its library would hold them) and find the padstacks a test describes.
#pragma once

#include <algorithm>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "common/AsciiText.h"
#include "model/files/SpecctraDesign.h"
#include "model/library/SpecctraCompImage.h"
#include "specctra_io/SpecctraParser.h"

class TTestImage : public TSpecctraCompImage {
public:
  TTestImage(TSpecctraObject* owner, TSpecctraParser* parser) : TSpecctraCompImage(owner) {
    SetParser(parser);
  }
  const TPinPadstack* FindPinPadstack(std::string_view name) override {
    const auto found = Padstacks.find(std::string(name));
    return found == Padstacks.end() ? nullptr : &found->second;
  }
  std::map<std::string, TPinPadstack, TLessIgnoringCase> Padstacks;
};

class TTestDesign : public TSpecctraDesign {
public:
  using TSpecctraDesign::TSpecctraDesign;
  TSpecctraObject* FindImage(std::string_view name) override { return Images.FindByName(name); }
  TSpecctraList Images;
};

struct TComponentsFromText {
  // Loads (pcb d (parser (string_quote ")) (unit mil) <sections>) for the board (nil: none).
  explicit TComponentsFromText(const std::string& sections = "", PcbHandle board = 0)
      : parser(std::make_unique<TInputFile>("demo.dsn", "(pcb d (parser (string_quote \")) (unit mil) " + sections + ")")),
        design(board, &parser, "demo.dsn") {
    RegisterKeywords(parser);
    loaded = design.LoadFromFile();
  }

  // Reads (image ...) into a new image filed in the design; result tells the parse's result.
  TTestImage& Image(const std::string& text, bool* result = nullptr) {
    auto& imageParser = imageParsers.emplace_back(
        std::make_unique<TSpecctraParser>(std::make_unique<TInputFile>("image.dsn", text)));
    RegisterKeywords(*imageParser);
    imageParser->SetQuoteChar('"');
    imageParser->NextToken();  // (
    imageParser->NextToken();  // image
    auto image = std::make_unique<TTestImage>(&design, imageParser.get());
    const bool imageLoaded = image->LoadFromFile();
    if (result) *result = imageLoaded;
    TTestImage& filed = *image;
    design.Images.Add(std::move(image));
    return filed;
  }

  const std::vector<std::string>& Lines() { return design.ReportManager().Lines(); }
  bool HasLine(const std::string& line) {
    return std::find(Lines().begin(), Lines().end(), line) != Lines().end();
  }
  bool HasLineContaining(const std::string& part) {
    return std::any_of(Lines().begin(), Lines().end(),
                       [&](const std::string& l) { return l.find(part) != std::string::npos; });
  }
  int CountLinesStartingWith(const std::string& start) {
    return static_cast<int>(std::count_if(Lines().begin(), Lines().end(), [&](const std::string& l) {
      return l.rfind(start, 0) == 0;
    }));
  }

  TSpecctraParser parser;
  TTestDesign design;
  std::vector<std::unique_ptr<TSpecctraParser>> imageParsers;
  bool loaded = false;
};
