// A plain reader of parenthesised text for the tests (not the plug-in's parser, so that a fault
// in the translator's reading cannot hide itself): lists of atoms and sub-lists.
#pragma once

#include <memory>
#include <string>
#include <vector>

struct TSExpression {
  std::string Atom;
  std::vector<std::unique_ptr<TSExpression>> Items;
  bool IsList = false;

  // The first atom of a list, lower-cased; empty for an atom or a list that opens with a list.
  std::string Head() const;
  // The first sub-list with the head, or null.
  const TSExpression* Child(const std::string& head) const;
  // The atom at a position of the list, or empty text.
  std::string AtomAt(std::size_t index) const;
  // The atoms of the list from a position up to its first sub-list.
  std::vector<std::string> AtomsFrom(std::size_t index) const;
};

// The lists and atoms of a text under one root list. A word runs up to a blank or a
// parenthesis; a word that opens with the quote character runs up to the next one and loses
// both, except the one character that a string_quote statement declares. Unbalanced input is
// closed at its end.
std::unique_ptr<TSExpression> ParseSExpression(const std::string& text, char quote = '"');
