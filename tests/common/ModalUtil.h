#pragma once
// Answering modal dialogs from a test.
#include <QWidget>
#include <functional>

namespace TestUtil {

// Runs `action` on the next modal widget (dialog or message box) as soon as it appears,
// from the event loop. Use before calling code that opens a modal dialog and waits.
void onNextModal(std::function<void(QWidget*)> action, int timeoutMs = 5000);

// From now on, a modal window that appears while no onNextModal waits for one fails the
// running test at once and is closed, so that code which asks an unforeseen question ends
// the test instead of holding it until the test's time runs out. Test programs with windows
// install it at start.
void failOnUnexpectedModals();

} // namespace TestUtil
