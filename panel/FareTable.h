#pragma once // placeholder, replaced by the real FareTable
