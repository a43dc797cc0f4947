#include "controls/digit/M_Degit.h"
