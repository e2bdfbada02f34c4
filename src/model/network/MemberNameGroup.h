// Base of the network groups that list names: net classes (member nets) and from-to group
// sets (member from-to groups). Members are listed after the group's name and may be spelled
// out by composite statements; rule blocks inside the group belong to it.
#pragma once

#include <string>
#include <vector>

#include "model/network/AbstractNetworkDescriptor.h"

class TSpecctraMemberNameGroup : public TSpecctraAbstractNetGroupObject {
public:
  // The host class is made by ExportToPcb; nil until then.
  explicit TSpecctraMemberNameGroup(TSpecctraObject* owner);
  std::string_view ClassName() const override { return "TSpecctraMemberNameGroup"; }

  //   (keyword name member ... (composite prefix begin end step suffix) (rule ...)
  //    (circuit ...) (layer_rule ...) ...)
  // Plain words name members until the first nested block.
  bool LoadFromFile() override;

  // The member names in statement order (not sorted, repeats kept).
  const std::vector<std::string>& MemberNames() const { return FMemberNames; }

  // A composite statement adds at most this many names.
  static constexpr int64_t kMaxCompositeNames = 100000;

protected:
  // A statement of the group (its keyword follows an opening parenthesis). Answers false for
  // keywords the group does not know; result takes the statement's outcome where it counts.
  virtual bool LoadStatement(int32_t id, bool& result);

private:
  // (composite prefix begin end step suffix), after its keyword. Malformed statements answer
  // false; a step that is not positive, or a range of too many names, is refused with one
  // error and adds nothing.
  bool LoadComposite();

  std::vector<std::string> FMemberNames;
};
