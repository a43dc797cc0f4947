// zint, opened when the first barcode is drawn (see LazyLibrary). A function the program
// starts to call is added here (linking names it as an undefined reference).
#include "platform/core/LazyLibrary.h"

#include <zint.h>

namespace {
LazyLibrary zintLibrary(K41_ZINT_SONAME);
} // namespace

K41_LAZY_FORWARD(zintLibrary, struct zint_symbol*, ZBarcode_Create, (void), ())
K41_LAZY_FORWARD(zintLibrary, void, ZBarcode_Delete, (struct zint_symbol * symbol), (symbol))
K41_LAZY_FORWARD(zintLibrary, int, ZBarcode_Encode,
                 (struct zint_symbol * symbol, const unsigned char* source, int length),
                 (symbol, source, length))
