#include "tools/k41tool/Commands.h"
#include <cstdio>
// placeholder, replaced by the real in4 commands
int in4Command(const QStringList&) { std::fputs("k41tool: in4 is not built yet\n", stderr); return 1; }
