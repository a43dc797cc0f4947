#pragma once // placeholder, replaced by the real mdlSndAPI
