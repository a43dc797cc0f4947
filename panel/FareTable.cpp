#include "panel/FareTable.h"
