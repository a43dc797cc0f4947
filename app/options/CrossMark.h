#pragma once
// The cross mark of the plug-in page's remove button. The symbol face the layout asks for
// is a Windows font that is not installed here, so the mark is drawn: two bold diagonal
// strokes, at the sizes a button icon is asked for.
#include <QIcon>

namespace CrossMark {

QIcon icon();

} // namespace CrossMark
