#include "model/TranslationState.h"

TTranslationState& TranslationState() {
  static TTranslationState state;
  return state;
}

void ResetTranslationState() { TranslationState() = TTranslationState{}; }
