#include "specctra_io/SpecctraTokens.h"

#include "specctra_io/BlockParser.h"

namespace {

std::vector<TKeywordRegistration> BuildRegistrations() {
  std::vector<TKeywordRegistration> registrations;
  int32_t id = 1;
  for (const TKeywordSpelling& spelling : kSpecctraKeywords) {
    registrations.push_back({spelling.Word, id});
    if (!spelling.Alias.empty()) registrations.push_back({spelling.Alias, id});
    ++id;
  }
  id = kFirstClearanceTypeId;
  for (const std::string_view name : kClearanceTypeKeywords) {
    if (!name.empty()) registrations.push_back({name, id});
    ++id;
  }
  registrations.push_back({"Area_Smd", KeywordId("area_smd")});
  registrations.push_back({"Via_Via", KeywordId("via_via")});
  return registrations;
}

}  // namespace

const std::vector<TKeywordRegistration>& KeywordRegistrations() {
  static const std::vector<TKeywordRegistration> registrations = BuildRegistrations();
  return registrations;
}

void RegisterKeywords(TBlockParser& parser) {
  for (const TKeywordRegistration& registration : KeywordRegistrations())
    parser.AddKeyword(registration.Word, registration.Id);
}
