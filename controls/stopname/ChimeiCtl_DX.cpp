#include "controls/stopname/ChimeiCtl_DX.h"
