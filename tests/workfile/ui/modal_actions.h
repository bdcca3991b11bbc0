#pragma once
// Acting on a modal window while the test's own call runs it.
#include <gtest/gtest.h>

#include <QApplication>
#include <QTimer>
#include <QWidget>
#include <functional>

namespace lumena::testing {

// Calls `act` on the active modal window from a timer until it returns true
// (it may wait for the window it expects); gives up after about ten seconds,
// closing whatever is modal so that the test fails instead of hanging. Each
// try is a timer of its own, so a window `act` runs modally does not hold
// the next one up.
inline void WhenModal(std::function<bool(QWidget&)> act, int triesLeft = 1000) {
  QTimer::singleShot(10, qApp, [act = std::move(act), triesLeft]() mutable {
    QWidget* modal = QApplication::activeModalWidget();
    if (modal && modal->isVisible() && act(*modal)) return;
    if (triesLeft > 0) return WhenModal(std::move(act), triesLeft - 1);
    ADD_FAILURE() << "the expected modal window never came";
    if (modal) modal->close();
  });
}

}  // namespace lumena::testing
