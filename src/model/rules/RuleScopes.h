// The rule scope classes, one per kind of owner and keyword, with their kind numbers and
// query expressions. N stands for the owner's name.
#pragma once

#include <string>

#include "model/rules/AbstractRuleScope.h"

// Kind 1: the board (structure section); All.
class TPCBRuleScope : public TAbstractRuleScope {
public:
  explicit TPCBRuleScope(TSpecctraObject* owner) : TAbstractRuleScope(owner, 1) {}
  std::string_view ClassName() const override { return "TPCBRuleScope"; }
};

// Kind 2: a layer; OnLayer('N') on both sides of two-sided rules, All for the others.
class TLayerRuleScope : public TAbstractRuleScopeWithLayer {
public:
  explicit TLayerRuleScope(TSpecctraObject* owner) : TAbstractRuleScopeWithLayer(owner, 2) {}
  std::string_view ClassName() const override { return "TLayerRuleScope"; }
  std::string GetFirstScopeExpression() const override;
  std::string GetSecondScopeExpression() const override { return GetFirstScopeExpression(); }
  std::string GetUnaryScopeExpression() const override { return "All"; }
};

// Kind 3: a net class; InNetClass('N').
class TClassRuleScope : public TAbstractRuleScope {
public:
  explicit TClassRuleScope(TSpecctraObject* owner) : TAbstractRuleScope(owner, 3) {}
  std::string_view ClassName() const override { return "TClassRuleScope"; }
  std::string GetFirstScopeExpression() const override;
  std::string GetSecondScopeExpression() const override { return GetFirstScopeExpression(); }
};

// Kind 4: a net class on layers; InNetClass('N') And (layer part), or without the layer part
// when no layer is named.
class TClassOnLayerRuleScope : public TAbstractRuleScopeWithLayer {
public:
  explicit TClassOnLayerRuleScope(TSpecctraObject* owner)
      : TAbstractRuleScopeWithLayer(owner, 4) {}
  std::string_view ClassName() const override { return "TClassOnLayerRuleScope"; }
  std::string GetFirstScopeExpression() const override;
  std::string GetSecondScopeExpression() const override { return GetFirstScopeExpression(); }
};

// Kind 5: a group set; All.
class TGroupSetRuleScope : public TAbstractRuleScope {
public:
  explicit TGroupSetRuleScope(TSpecctraObject* owner) : TAbstractRuleScope(owner, 5) {}
  std::string_view ClassName() const override { return "TGroupSetRuleScope"; }
};

// Kind 6: a group set on layers; All.
class TGroupSetOnLayerRuleScope : public TAbstractRuleScopeWithLayer {
public:
  explicit TGroupSetOnLayerRuleScope(TSpecctraObject* owner)
      : TAbstractRuleScopeWithLayer(owner, 6) {}
  std::string_view ClassName() const override { return "TGroupSetOnLayerRuleScope"; }
};

// Kind 7: a net; InNet('N').
class TNetRuleScope : public TAbstractRuleScope {
public:
  explicit TNetRuleScope(TSpecctraObject* owner) : TAbstractRuleScope(owner, 7) {}
  std::string_view ClassName() const override { return "TNetRuleScope"; }
  std::string GetFirstScopeExpression() const override;
  std::string GetSecondScopeExpression() const override { return GetFirstScopeExpression(); }
};

// Kind 8: a net on layers; All.
class TNetOnLayerRuleScope : public TAbstractRuleScopeWithLayer {
public:
  explicit TNetOnLayerRuleScope(TSpecctraObject* owner) : TAbstractRuleScopeWithLayer(owner, 8) {}
  std::string_view ClassName() const override { return "TNetOnLayerRuleScope"; }
};

// Kind 9: a from-to group; All.
class TGroupRuleScope : public TAbstractRuleScope {
public:
  explicit TGroupRuleScope(TSpecctraObject* owner) : TAbstractRuleScope(owner, 9) {}
  std::string_view ClassName() const override { return "TGroupRuleScope"; }
};

// Kind 10: a from-to group on layers; All.
class TGroupOnLayerRuleScope : public TAbstractRuleScopeWithLayer {
public:
  explicit TGroupOnLayerRuleScope(TSpecctraObject* owner)
      : TAbstractRuleScopeWithLayer(owner, 10) {}
  std::string_view ClassName() const override { return "TGroupOnLayerRuleScope"; }
};

// Kind 11: a from-to; All.
class TFromToRuleScope : public TAbstractRuleScope {
public:
  explicit TFromToRuleScope(TSpecctraObject* owner) : TAbstractRuleScope(owner, 11) {}
  std::string_view ClassName() const override { return "TFromToRuleScope"; }
};

// Kind 12: a from-to on layers; All.
class TFromToOnLayerRuleScope : public TAbstractRuleScopeWithLayer {
public:
  explicit TFromToOnLayerRuleScope(TSpecctraObject* owner)
      : TAbstractRuleScopeWithLayer(owner, 12) {}
  std::string_view ClassName() const override { return "TFromToOnLayerRuleScope"; }
};

// Kind 13: a class-to-class pair; the first class on one side, the second on the other.
class TClassVsClassRuleScope : public TAbstractRuleScope {
public:
  explicit TClassVsClassRuleScope(TSpecctraObject* owner) : TAbstractRuleScope(owner, 13) {}
  std::string_view ClassName() const override { return "TClassVsClassRuleScope"; }
  std::string GetFirstScopeExpression() const override;
  std::string GetSecondScopeExpression() const override;
};

// Kind 14: a class-to-class pair on layers; layer part And class part.
class TClassVsClassOnLayerRuleScope : public TAbstractRuleScopeWithLayer {
public:
  explicit TClassVsClassOnLayerRuleScope(TSpecctraObject* owner)
      : TAbstractRuleScopeWithLayer(owner, 14) {}
  std::string_view ClassName() const override { return "TClassVsClassOnLayerRuleScope"; }
  std::string GetFirstScopeExpression() const override;
  std::string GetSecondScopeExpression() const override;
};

// Kind 15: a padstack; All.
class TPadstackRuleScope : public TAbstractRuleScope {
public:
  explicit TPadstackRuleScope(TSpecctraObject* owner) : TAbstractRuleScope(owner, 15) {}
  std::string_view ClassName() const override { return "TPadstackRuleScope"; }
};

// Kind 16: a region; All. Its blocks know only clearance and width.
class TRegionRuleScope : public TAbstractRuleScopeWithLayer {
public:
  explicit TRegionRuleScope(TSpecctraObject* owner, uint8_t scopeKind = 16)
      : TAbstractRuleScopeWithLayer(owner, scopeKind) {}
  std::string_view ClassName() const override { return "TRegionRuleScope"; }
  //   (rule (clearance ...) (width w)) or (region_class NAME (rule ...)) ...
  bool LoadFromFile() override;

protected:
  // The region loop up to the end of the block.
  bool LoadRegionRules();
};

// Kind 17: a net class inside a region; All.
class TClassInRegionRuleScope : public TRegionRuleScope {
public:
  explicit TClassInRegionRuleScope(TSpecctraObject* owner) : TRegionRuleScope(owner, 17) {}
  std::string_view ClassName() const override { return "TClassInRegionRuleScope"; }
};

// Kind 18: a net inside a region; All.
class TNetInRegionRuleScope : public TRegionRuleScope {
public:
  explicit TNetInRegionRuleScope(TSpecctraObject* owner) : TRegionRuleScope(owner, 18) {}
  std::string_view ClassName() const override { return "TNetInRegionRuleScope"; }
};

// Kind 19: a pair of net classes inside a region; All.
class TClassVsClassInRegionRuleScope : public TRegionRuleScope {
public:
  explicit TClassVsClassInRegionRuleScope(TSpecctraObject* owner)
      : TRegionRuleScope(owner, 19) {}
  std::string_view ClassName() const override { return "TClassVsClassInRegionRuleScope"; }
  //   (region_class_class (classes A B) (rule ...) ...)
  bool LoadFromFile() override;

  const std::string& FirstClassName() const { return FFirstClassName; }
  const std::string& SecondClassName() const { return FSecondClassName; }

private:
  std::string FFirstClassName;
  std::string FSecondClassName;
};
