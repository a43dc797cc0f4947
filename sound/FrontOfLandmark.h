#pragma once
// A stop named "in front of" a landmark whose name ends in の and a word (鷺の湯前, in front
// of 鷺の湯): the dictionary may know the word and 前 together as a place of its own, read with
// a ノ between (a town 湯前 ユノマエ), which the name does not have.
#include "sound/ReadWord.h"
#include "sound/WordKnowledge.h"

namespace FrontOfLandmark {

// Mends the readings of `words`, reading the landmark as `knows` reads it alone.
void apply(ReadWords& words, WordKnowledge& knows);

} // namespace FrontOfLandmark
