#pragma once
// One word of an analysed text and how it is read: what the morphological dictionary says of
// it, and the reading that the rules settle on.
#include <QString>
#include <QStringView>
#include <vector>

struct ReadWord {
    QString surface;
    // Part of speech and its first two subdivisions ("名詞", "接尾", "地域").
    QString pos, pos1, pos2;
    // The form a verb, adjective or auxiliary takes here ("連用形", "ガル接続"); empty for
    // other words.
    QString form;
    // How that verb or adjective conjugates ("五段・ラ行", "一段"); empty for other words.
    QString conjugation;
    // The reading in katakana; empty when nothing reads the word.
    QString pronunciation;
    bool known = false;     // the dictionary knows the word
    bool fixed = false;     // the reading comes from the user or the override table: kept as is
    bool givenName = false; // the dictionary takes it for a person's given name
    bool listed = false;    // a whole name of the place lists, read as the list reads it
};

using ReadWords = std::vector<ReadWord>;

// A line of a rule's table: a word as written, a reading the dictionary gives it that names do
// not use there, and the reading they use instead.
struct Misreading {
    const char16_t* surface;
    const char16_t* misread;
    const char16_t* reading;
};

// Where each word ends in `text`, the text the words were analysed from (which may hold spaces
// the dictionary skipped): the offset just after each word found in turn, stopping at the first
// one that is not found.
inline std::vector<qsizetype> wordEnds(const ReadWords& words, QStringView text) {
    std::vector<qsizetype> ends;
    qsizetype at = 0;
    for (const ReadWord& w : words) {
        const qsizetype found = text.indexOf(w.surface, at);
        if (found < 0) break;
        at = found + w.surface.size();
        ends.push_back(at);
    }
    return ends;
}
