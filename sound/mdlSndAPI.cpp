#include "sound/mdlSndAPI.h"
