#pragma once

#include "shell/Translator.h"

// The player's language through Qt's translators, which the application has installed.
class QtTranslator final : public Translator {
  public:
    std::string Translate(const GameText& text) const override;
    std::string TranslateCount(const GameText& text, int count) const override;
    std::string DecimalPoint() const override;
};
