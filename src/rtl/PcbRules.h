// Wrappers of host rules (object kind 16). TPcbRuleEx is the one the rule translation works
// with (through TVelorKyxRule); TPcbRuleExt adds the sub-scope lists; TPcbRule carries the
// plain rule record.
#pragma once

#include "rtl/PcbObject.h"
#include "rtl/PcbRuleScope.h"

class TPcbRule : public TPCBObject {
public:
  explicit TPcbRule(PcbHandle handle = 0) : TPCBObject(handle, kPcbObjectRule) {}

protected:
  int32_t ExchangeRecords(uint8_t message) override;

private:
  PcbRuleRecord FRecord{};
};

// A new rule applies to all objects ("All" in both scopes) on MultiLayer.
class TPcbRuleEx : public TPCBObject {
public:
  explicit TPcbRuleEx(PcbHandle handle = 0);

  // PcbRuleKind.
  uint8_t GetRuleKind() const { return FRecord.ruleKind; }
  void SetRuleKind(uint8_t kind) { FRecord.ruleKind = kind; }
  std::string GetName() const override;
  void SetName(std::string_view name) override;
  // kPcbRuleSameLayer or kPcbRuleAdjacentLayers.
  uint8_t GetLayerRelation() const { return FRecord.layerRelation; }
  void SetLayerRelation(uint8_t relation) { FRecord.layerRelation = relation; }
  // The host query expressions of the two scopes.
  std::string GetScope1() const;
  void SetScope1(std::string_view expression);
  std::string GetScope2() const;
  void SetScope2(std::string_view expression);

protected:
  // The rule record; unless that fails (1), the name, whose status is the answer.
  int32_t ExchangeRecords(uint8_t message) override;

private:
  PcbRuleExRecord FRecord{};
  PcbShortString FName{};
};

// The rule translation's own host rules; adds nothing.
class TVelorKyxRule : public TPcbRuleEx {
public:
  using TPcbRuleEx::TPcbRuleEx;
};

class TPcbRuleExt : public TPCBObject {
public:
  explicit TPcbRuleExt(PcbHandle handle = 0) : TPCBObject(handle, kPcbObjectRule) {}

  uint8_t GetRuleKind() const { return FRecord.ruleKind; }
  void SetRuleKind(uint8_t kind) { FRecord.ruleKind = kind; }
  std::string GetName() const override;
  void SetName(std::string_view name) override;
  // Clearance rules: the gap also applies within one net.
  bool GetSameNet() const { return FRecord.sameNet != 0; }
  void SetSameNet(bool on) { FRecord.sameNet = on ? 1 : 0; }
  TPcbScope& Scope1() { return FScope1; }
  TPcbScope& Scope2() { return FScope2; }

protected:
  // The rule record and the name; unless either fails (1), the two sub-scope lists. Answers 1
  // when the rule record fails, else the name's status.
  int32_t ExchangeRecords(uint8_t message) override;

private:
  PcbRuleExtRecord FRecord{};
  PcbShortString FName{};
  TPcbScope FScope1{1};
  TPcbScope FScope2{2};
};

// The rule's kind and flags, for callers that need no wrapper.
int32_t QueryRuleExt(uint8_t message, PcbHandle rule, PcbRuleExtRecord& record);
