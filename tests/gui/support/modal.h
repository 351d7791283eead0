#pragma once

#include <QApplication>
#include <QTimer>
#include <functional>

// Runs act on the next modal dialog of type Dialog once it is up, so that a command that shows a
// modal dialog can be driven from the test that triggered it. The dialog must be closed by act.
template <typename Dialog>
void whenModal(std::function<void(Dialog*)> act) {
  auto* poll = new QTimer;
  poll->setInterval(20);
  QObject::connect(poll, &QTimer::timeout, [poll, act] {
    if (auto* dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget())) {
      poll->stop();
      poll->deleteLater();
      act(dialog);
    }
  });
  poll->start();
}
