// A wire's connect statement: the two terminals the wire joins, each with its kind and the
// name of the object it ends on. Kept with the wire; nothing of it reaches the board.
#pragma once

#include <cstdint>
#include <memory>

#include "model/base/SpecctraObject.h"

enum TSpecctraTerminalKind : uint8_t {
  eTerminal_Unknown = 0,
  eTerminal_Pin = 1,
  eTerminal_Smd = 2,
  eTerminal_Via = 3,
  eTerminal_Wire = 4,
  eTerminal_Area = 5,
  eTerminal_Testpoint = 6,
};

class TSpecctraConnectionTerminal : public TSpecctraObject {
public:
  using TSpecctraObject::TSpecctraObject;
  std::string_view ClassName() const override { return "TSpecctraConnectionTerminal"; }

  uint8_t Kind() const { return FKind; }
  // A via terminal names no object: setting that kind clears the name.
  void SetKind(uint8_t kind);

private:
  uint8_t FKind = eTerminal_Unknown;
};

class TSpecctraConnection : public TSpecctraObject {
public:
  explicit TSpecctraConnection(TSpecctraObject* owner);
  std::string_view ClassName() const override { return "TSpecctraConnection"; }

  //   (connect (terminal kind [name]) (terminal kind [name]))
  // A terminal may leave out its name. On failure the rest of the block is skipped.
  bool LoadFromFile() override;

  TSpecctraConnectionTerminal& First() { return *FFirst; }
  TSpecctraConnectionTerminal& Second() { return *FSecond; }

private:
  // (terminal kind [name]); false when an expected token is missing.
  bool LoadTerminal(TSpecctraConnectionTerminal& terminal);

  std::unique_ptr<TSpecctraConnectionTerminal> FFirst;
  std::unique_ptr<TSpecctraConnectionTerminal> FSecond;
};
