#pragma once
// The system's list of English words (Debian's wbritish or wamerican), asked whether a word in
// Latin letters is an ordinary English word. A name's word that also spells romanised Japanese
// (House ホウセ) is read as English only when the list knows it; the list is read the first
// time it is asked, as most names never have such a word.
#include <QByteArray>
#include <QStringList>
#include <QStringView>
#include <string_view>
#include <vector>

class EnglishWordList {
  public:
    // The installed lists, British first (the English K41 reads words in).
    static QStringList defaultPaths();

    // The first of `paths` that can be read is used; none gives an empty list.
    explicit EnglishWordList(QStringList paths = defaultPaths());

    // Whether the list has `word`, in any letter case, as a word in small letters. Proper
    // nouns are capitalised in the list (Tokyo, Kobe) and so never match.
    bool contains(QStringView word);

    // The entries of a list's text that are words in small letters a to z alone, sorted;
    // views into `text`, which must outlive them.
    static std::vector<std::string_view> words(const QByteArray& text);

  private:
    void load();

    QStringList m_paths;
    bool m_loaded = false;
    QByteArray m_text;
    std::vector<std::string_view> m_words;
};
