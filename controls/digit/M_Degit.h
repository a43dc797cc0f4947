#pragma once // placeholder, replaced by the real M_Degit
