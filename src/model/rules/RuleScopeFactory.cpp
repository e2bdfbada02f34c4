// Which rule scope a rule block opens, by its owner and keyword. No owner carries rule scopes
// yet: their rule blocks are skipped with a warning.
#include <memory>

#include "model/rules/AbstractRuleScope.h"

uint8_t ScopeKindFor(const TSpecctraObject& /*owner*/, int32_t /*keywordId*/) { return 0; }

std::unique_ptr<TAbstractRuleScope> CreateScopeFor(TSpecctraObject& /*owner*/,
                                                   int32_t /*keywordId*/) {
  return nullptr;
}
