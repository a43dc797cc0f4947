#pragma once
// Answering modal dialogs from a test.
#include <QWidget>
#include <functional>

namespace TestUtil {

// Runs `action` on the next modal widget (dialog or message box) as soon as it appears,
// from the event loop. Use before calling code that opens a modal dialog and waits.
void onNextModal(std::function<void(QWidget*)> action, int timeoutMs = 5000);

} // namespace TestUtil
