#pragma once
// The six pages of the options dialog, in the order of their page buttons.
enum class OptionPage { Folders, Panel, Digits, StopName, Sound, Preview };

constexpr int OptionPageCount = 6;
