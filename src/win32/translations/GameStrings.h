#pragma once

#include <initializer_list>
#include <span>
#include <string>
#include <string_view>

// The game's texts in the player's language, from the same translations the Linux edition
// uses, turned into a table at build time. A text is looked up by its context and its English
// source, exactly as the translation files name them; English needs no table.
class GameStrings {
  public:
    // Chooses the first language with a translation among a locale name ("pt-BR") and its
    // language alone ("pt"); English when there is none.
    static void Choose(std::wstring_view localeName);
    // The language in use as the translation files name it ("de", "pt_BR"); empty for English.
    static const std::wstring& Language();
    // The translation, or the source itself when there is none.
    static const wchar_t* Tr(const wchar_t* context, const wchar_t* source);
    // A text with a count: the plural form the language's rule picks for it, with "%n" written
    // as the count. A negative count (a record edited by hand) takes the first form and leaves
    // "%n" in place for the caller, as the Linux edition's translation does.
    static std::wstring TrN(const wchar_t* context, const wchar_t* source, int count);
    // The pattern with %1, %2, ... replaced by the arguments in one pass.
    static std::wstring Fill(std::wstring_view pattern,
                             std::initializer_list<std::wstring_view> arguments);
    // The same for arguments counted only at run time.
    static std::wstring Fill(std::wstring_view pattern, std::span<const std::wstring> arguments);
    // The user's interface language as Windows names it ("de-DE").
    static std::wstring UserInterfaceLocale();
};
