// The object a rule block belongs to (the board, a layer, a net, a class ...), as a rule
// scope: it parses the rule block into rule objects, keeps the object's one clearance rule,
// and answers the host query expressions that select what its rules apply to.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "model/base/SpecctraObject.h"

class TSpecctraClearanceRule;

class TAbstractRuleScope : public TSpecctraObject {
public:
  explicit TAbstractRuleScope(TSpecctraObject* owner, uint8_t scopeKind = 0);
  ~TAbstractRuleScope() override;
  std::string_view ClassName() const override { return "TAbstractRuleScope"; }

  // The number of the scope's class (1 .. 19); also the order in which its rules are written.
  uint8_t ScopeKind() const { return FScopeKind; }

  virtual std::string GetFirstScopeExpression() const { return "All"; }
  virtual std::string GetSecondScopeExpression() const { return "All"; }
  virtual std::string GetUnaryScopeExpression() const { return GetFirstScopeExpression(); }
  virtual void GetBinaryScopeExpressions(std::string& first, std::string& second) const {
    first = GetFirstScopeExpression();
    second = GetSecondScopeExpression();
  }

  //   (rule (clearance ...) (width w) (max_stub l) (max_total_vias n) (parallel_segment ...)
  //         (tandem_segment ...) (reorder ...) (via_at_smd ...) (testpoint ...)
  //         (length_amplitude ...) (length_gap ...) ...)
  // After "rule". Rules that parse are filed in the rule collection; the rules the board
  // cannot take are skipped with a warning and do not fail the block.
  bool LoadFromFile() override;
  // After "circuit": a circuit descriptor over this scope loads the block and is filed when it
  // parses. Answers the load's result.
  bool LoadCircuit();

  // A layer named by a layer_rule statement; scopes without a layer part drop it.
  virtual void AddLayerName(const std::string& /*name*/) {}

  // The scope's clearance rule, nil before its first clearance statement.
  TSpecctraClearanceRule* ClearanceRule() const { return FClearanceRule; }

protected:
  // The clearance statement (after its keyword) into the scope's one clearance rule.
  bool LoadClearance();
  // A width statement (after its keyword), filed when it parses.
  bool LoadWidth();
  // Files the clearance rule in the rule collection, once.
  void FileClearanceRule();

private:
  uint8_t FScopeKind;
  TSpecctraClearanceRule* FClearanceRule = nullptr;
  // The clearance rule until the collection takes it.
  std::unique_ptr<TSpecctraClearanceRule> FUnfiledClearanceRule;
};

// A scope that a layer_rule statement may restrict to layers.
class TAbstractRuleScopeWithLayer : public TAbstractRuleScope {
public:
  using TAbstractRuleScope::TAbstractRuleScope;
  std::string_view ClassName() const override { return "TAbstractRuleScopeWithLayer"; }

  void AddLayerName(const std::string& name) override { FLayerNames.push_back(name); }
  const std::vector<std::string>& LayerNames() const { return FLayerNames; }

protected:
  // OnLayer('a') Or OnLayer('b') ...; empty without layers.
  std::string LayerPart() const;

private:
  std::vector<std::string> FLayerNames;
};

// The scope class that FindScope looks for, by its kind number, for a rule block opened by
// the keyword inside the owner; 0 when the owner's blocks of that keyword share no scope.
uint8_t ScopeClassFor(const TSpecctraObject& owner, int32_t keywordId);
// A new scope of the class chosen for creating it, or nil when the owner carries no rules.
std::unique_ptr<TAbstractRuleScope> CreateScopeFor(TSpecctraObject& owner, int32_t keywordId);
