#pragma once // placeholder, replaced by the real ChimeiCtl_DX
