#pragma once

#include <QString>

#include <array>

// The texts of the interface that follow the language: 130 numbered entries in
// each of the four languages, then the Linux client's own messages. Entries
// that no window shows are left empty.
class InterfaceTexts
{
public:
    static constexpr int LanguageCount = 4;
    static constexpr int EntryCount = 132;

    static constexpr int Italian = 1;
    static constexpr int English = 2;
    static constexpr int French = 3;
    static constexpr int Spanish = 4;

    // Fills all four languages at once.
    InterfaceTexts();

    // Entry n (1..EntryCount) in the language (1..4); empty when either is out of range.
    QString text(int language, int n) const;

    // 0, negative and above 4 are all taken as Italian: only 1..4 have texts.
    static int languageFromStored(int stored);

private:
    std::array<std::array<QString, EntryCount>, LanguageCount> m_texts;
};
