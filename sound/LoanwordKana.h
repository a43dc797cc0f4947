#pragma once
// Which katakana Japanese uses for an English word. Read from the word's English phonemes
// alone, many words come out near the loanword but not on it: Stadium ステーディアム for
// スタジアム, Cafe キャフェイ for カフェ, Area エアリア for エリア. Loanwords follow the spelling
// here, an older or American vowel there, and drop or add a held consonant or long vowel by habit,
// so no one rule gives them. What does is the dictionary: the IPA dictionary writes thousands of
// loanwords in katakana. So a few renderings near the phonemes' one are made, with the changes
// loanwords usually show, and the one the dictionary has as a noun is said; when it has none,
// the phonemes' rendering is.
#include <QString>
#include <QStringList>
#include <QStringView>
#include <functional>
#include <optional>

namespace LoanwordKana {

// How many of the usual changes a rendering may take from the phonemes' own (Stadium takes two:
// ステーディアム, スタディアム, スタジアム); more would reach other words.
constexpr int MaxChanges = 2;
// A changed rendering has at least this many characters: the dictionary writes short Japanese
// words in katakana too (Mart マート is no マト).
constexpr qsizetype MinChangedLength = 3;
// A bound on the renderings asked of the dictionary for one word.
constexpr qsizetype MaxCandidates = 2048;

// A rendering and the number of changes it took.
struct Candidate {
    QString kana;
    int changes = 0;
};

// The phonemes with one change of vowel that loanwords often show, each once, made everywhere
// and at each place alone: an American short o (College カレッジ), o as written for ʌ (Frontier
// フロンティア), e for the glides eɪ, eə (Cafe カフェ, Area エリア), e for a reduced ɪ (Orange
// オレンジ), and the vowels as the spelling has them (Stadium スタジアム, Aquarium アクアリウム),
// those also all together.
QStringList vowelVariants(QStringView phonemes);

// `kana` with one of the usual changes of the katakana made at one place (ディ → ジ,
// キャ → カ, a long vowel dropped, a consonant held, a final ク said キ...), each once.
QStringList kanaVariants(const QString& kana);

// Every rendering within MaxChanges of `heard`, the first being `heard` with no change,
// given the renderings of the phonemes' vowel variants as `others` (each one change).
QList<Candidate> candidates(const QString& heard, const QStringList& others);

// The loanword for `phonemes`, the English word `spelling`: its rendering when the
// dictionary has it (`cost` gives a noun's cost, none when no noun is read so); else the
// rendering with the fewest changes that a noun has, the commonest of those; else the
// phonemes' own rendering.
using NounCost = std::function<std::optional<int>(const QString&)>;
QString choose(QStringView phonemes, QStringView spelling, const NounCost& cost);

} // namespace LoanwordKana
