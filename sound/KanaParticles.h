#pragma once
// The kana は and へ where they are syllables of a name rather than the particles said ワ and
// エ (くれは苑 クレハエン, 鷺へら サギヘラ): the dictionary takes any は or へ it can for the
// particle, and a name in kana gives it many chances.
#include "sound/ReadWord.h"

#include <cstddef>

namespace KanaParticles {

// Reads `w`, the `i`th of `words`, as its kana where it is a は or へ inside a name, or a verb's
// or adjective's literary は (まんば|いは|な), and leaves it as it is otherwise.
void readInName(const ReadWords& words, size_t i, ReadWord& w);

} // namespace KanaParticles
