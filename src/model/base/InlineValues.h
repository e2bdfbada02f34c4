// Readers of the values that follow a keyword inside a block, for parse loops of the object
// model. A parenthesis met in a value's place is reported and still counted in the object's
// block depth, so that a block ends where its parentheses say.
#pragma once

#include <cstdint>
#include <string>

class TSpecctraObject;

// Counts the current token in the object's depth when it is a parenthesis.
void CountParenthesis(TSpecctraObject& object);
// Skips (silently) every block the object still has open until its depth is at most depth.
void SkipToDepth(TSpecctraObject& object, int32_t depth);

// The next token's text; false (reported) when a parenthesis stands in its place.
bool ReadWordValue(TSpecctraObject& object, std::string& value);
// The next token as a number; false (reported) for a parenthesis or a malformed number.
bool ReadIntegerValue(TSpecctraObject& object, int32_t& value);
bool ReadRealValue(TSpecctraObject& object, double& value);
// The object's name after its keyword. When a parenthesis stands in its place the object's
// whole block is skipped and the answer is false.
bool LoadNameValue(TSpecctraObject& object);
