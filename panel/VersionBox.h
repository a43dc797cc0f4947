#pragma once
// What "ﾊﾞｰｼﾞｮﾝ" shows: the model (the executable's name) and the version, then the licence,
// the home page and the user guide, with links.
#include <QString>

class QWidget;

namespace VersionBox {

// The two lines of model and version, each ended by CR LF.
QString text();
// The licence, the home page and the guide, as rich text with links.
QString linksHtml();
// Shows the box over `owner`; returns when it is closed.
void show(QWidget* owner);

} // namespace VersionBox
