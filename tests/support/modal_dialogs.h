// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Quillora developers
// Answers a modal dialog that the code under test runs with exec(): make the
// watch first, then trigger the dialog. From the event loop (exec() runs one
// too) it acts once on the first modal widget that was not already active
// when it was made, so a watch made while one dialog is open answers the box
// that dialog opens next. It gives up after its time-out and stops when
// destroyed, so it never answers a later test's dialog; when no dialog came,
// acted() stays false and the test's own assertion fails.
#pragma once

#include <QApplication>
#include <QElapsedTimer>
#include <QPointer>
#include <QTimer>
#include <QWidget>

#include <functional>
#include <memory>
#include <utility>

namespace testing_support {

class ModalWatch {
public:
    explicit ModalWatch(std::function<void(QWidget*)> act, int timeoutMs = 5000)
        : timer_(std::make_unique<QTimer>()), acted_(std::make_shared<bool>(false))
    {
        QTimer* timer = timer_.get();
        QElapsedTimer clock;
        clock.start();
        const QPointer<QWidget> before = QApplication::activeModalWidget();
        timer->setInterval(5);
        QObject::connect(timer, &QTimer::timeout, timer,
                         [timer, clock, before, timeoutMs, acted = acted_, act = std::move(act)] {
                             QWidget* modal = QApplication::activeModalWidget();
                             if (modal && modal != before) {
                                 timer->stop();
                                 *acted = true;
                                 act(modal);
                             } else if (clock.hasExpired(timeoutMs)) {
                                 timer->stop();
                             }
                         });
        timer->start();
    }

    bool acted() const { return *acted_; }

private:
    std::unique_ptr<QTimer> timer_;
    std::shared_ptr<bool> acted_;
};

[[nodiscard]] inline ModalWatch whenModalAppears(std::function<void(QWidget*)> act, int timeoutMs = 5000)
{
    return ModalWatch(std::move(act), timeoutMs);
}

} // namespace testing_support
