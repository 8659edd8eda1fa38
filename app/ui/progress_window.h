// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Quillora developers
// The small modal window every long phone operation runs under: animation,
// step line with its counter, object name, progress bar, time left and
// Cancel. The operation runs on a worker thread holding the phone lock; all
// it shows reaches this window as blocking calls on the UI thread, and the
// window closes itself when the worker has posted the run's result.
#pragma once

#include "transfer.h"
#include "ui_requests.h"

#include <QDialog>
#include <QString>

#include <functional>
#include <memory>
#include <thread>

class QLabel;
class QProgressBar;
class QPushButton;

namespace quillora {

class AskSetting;
class ConnectionState;
class LinkControl;
class PhoneSession;
class QuirksStore;
class TextSource;
class TransferAnimation;
class TransferQuestions;
struct OperationContext;

// What a run needs of the program's hold on the phone.
struct PhoneAccess {
    PhoneSession* session = nullptr;
    ConnectionState* connection = nullptr;
    LinkControl* link = nullptr;
    const TextSource* texts = nullptr;
    QuirksStore* quirks = nullptr;
    AskSetting* amr = nullptr;   // the conversion questions
    AskSetting* adpcm = nullptr;
    // Called on the worker thread when the slow retry changed the speed.
    std::function<void(int)> speedChanged;
};

class ProgressWindow : public QDialog {
    Q_OBJECT
public:
    static constexpr int kTemplateId = 1020;
    enum ControlId {
        kAnimationId = 106,
        kNameId = 102,
        kProgressId = 1018,
        kStepId = 1019,
        kCounterId = 1020,
        kDetailId = 1025,
        kCancelId = 2,
    };

    // SendMany when `options` has kManyItems, else SendOne.
    static std::unique_ptr<ProgressWindow> forSend(const PhoneAccess& phone, const QString& path, ObjectType type,
                                                   const QString& name, std::uint32_t options, ItemSource* source,
                                                   QWidget* parent);
    // `folder` receives the object(s); `name` is the single object's file name.
    static std::unique_ptr<ProgressWindow> forReceive(const PhoneAccess& phone, const QString& folder,
                                                      const QString& name, std::uint32_t options,
                                                      ItemSource* source, QWidget* parent);
    static std::unique_ptr<ProgressWindow> forDelete(const PhoneAccess& phone, ItemSource* source,
                                                     QWidget* parent);
    // Waits for the worker (it has posted its result when the run ends).
    ~ProgressWindow() override;

    // Runs the window modally; the run's end code.
    TransferResult run();
    // The operation the worker runs; tests give their own. Default: the mode's.
    void setOperation(PhoneOperation operation) { operation_ = std::move(operation); }

    // From the worker thread: an error box owned by this window, with its own
    // caption (an item source's refusal names the file).
    void showError(const QString& caption, const QString& text);

    // From the worker thread: runs `change` on the UI thread and returns once
    // it has (nothing when the window is going away).
    void onUiThread(std::function<void()> change);
    // The run's questions (replace, convert), asked on the UI thread.
    TransferQuestions& questions();

    // What the operation sees of its run; its calls come from the worker.
    TransferProgress& progress() { return progress_; }
    TransferMode mode() const { return progress_.mode; }

    // The Cancel button, Escape and closing the window.
    void reject() override;

Q_SIGNALS:
    void finishedRun(int result);

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    ProgressWindow(const PhoneAccess& phone, TransferMode mode, QWidget* parent);
    void buildControls();
    void applyTexts();
    void startWorker();
    void work();
    TransferResult runOperation();
    void showConnectionLost();
    void setLabel(int id, const std::string& text);
    void showBar(std::uint32_t value, bool isRange);

    // The window as the operation sees it.
    class Progress final : public TransferProgress {
    public:
        explicit Progress(ProgressWindow& window) : window_(window) {}
        void setObjectName(const std::string& text) override;
        void setStep(const std::string& text) override;
        void setCounter(const std::string& text) override;
        void setDetail(const std::string& text) override;
        void setRange(std::uint32_t total) override;
        void setPosition(std::uint32_t value) override;

    private:
        ProgressWindow& window_;
        std::uint32_t lastPosition_ = 0;
    };

    Progress progress_{*this};
    PhoneAccess phone_;
    std::unique_ptr<class WorkerPrompt> prompt_;
    std::unique_ptr<OperationContext> context_;
    PhoneOperation operation_;
    UiRequests requests_{this};
    std::thread worker_;
    bool started_ = false;
    bool ended_ = false;
    TransferResult result_ = TransferResult::Failed;

    TransferAnimation* animation_ = nullptr;
    QLabel* step_ = nullptr;
    QLabel* counter_ = nullptr;
    QLabel* name_ = nullptr;
    QProgressBar* bar_ = nullptr;
    QLabel* detail_ = nullptr;
    QPushButton* cancel_ = nullptr;
};

} // namespace quillora
