#include "tools/k41tool/Commands.h"
#include <cstdio>
// placeholder, replaced by the real hy3 commands
int hy3Command(const QStringList&) { std::fputs("k41tool: hy3 is not built yet\n", stderr); return 1; }
