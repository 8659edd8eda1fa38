// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Quillora developers
#include "progress_window.h"

#include "application.h"
#include "connection_state.h"
#include "dialog_texts.h"
#include "phone_operations.h"
#include "protocol_error.h"
#include "text_source.h"
#include "transfer_animation.h"
#include "ui_strings.h"
#include "worker_prompt.h"

#include <QBoxLayout>
#include <QCloseEvent>
#include <QEvent>
#include <QLabel>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QWindow>

namespace quillora {

namespace {

namespace text_id {
inline constexpr StringId kConnectionLost = 106;
inline constexpr StringId kDetectionCaption = 104;
inline constexpr StringId kStopping = 211;
} // namespace text_id

StringId titleOf(TransferMode mode)
{
    switch (mode) {
    case TransferMode::SendOne:
    case TransferMode::SendMany: return 501;
    case TransferMode::Receive: return 502;
    case TransferMode::Delete: return 503;
    }
    return 501;
}

TransferAnimation::Kind animationOf(TransferMode mode)
{
    switch (mode) {
    case TransferMode::Receive: return TransferAnimation::Kind::Receive;
    case TransferMode::Delete: return TransferAnimation::Kind::Delete;
    case TransferMode::SendOne:
    case TransferMode::SendMany: break;
    }
    return TransferAnimation::Kind::Send;
}

} // namespace

ProgressWindow::ProgressWindow(const PhoneAccess& phone, TransferMode transferMode, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint),
      phone_(phone)
{
    progress_.mode = transferMode;
    setTemplateId(this, kTemplateId);
    prompt_ = std::make_unique<WorkerPrompt>(this, requests_, phone_.amr, phone_.adpcm);
    context_ = std::make_unique<OperationContext>(OperationContext{*phone_.session, *phone_.connection, *phone_.link,
                                                                   *phone_.texts, *prompt_, phone_.quirks,
                                                                   prompt_.get(), phone_.speedChanged});
    operation_ = OperationFor(transferMode, *context_);
    buildControls();
    applyTexts();
}

std::unique_ptr<ProgressWindow> ProgressWindow::forSend(const PhoneAccess& phone, const QString& path,
                                                        ObjectType type, const QString& name,
                                                        std::uint32_t options, ItemSource* source, QWidget* parent)
{
    const bool many = options & transfer_option::kManyItems;
    std::unique_ptr<ProgressWindow> w(
        new ProgressWindow(phone, many ? TransferMode::SendMany : TransferMode::SendOne, parent));
    w->progress_.filePath = path.toStdString();
    w->progress_.objectType = type;
    w->progress_.objectName = name.toStdString();
    w->progress_.options = options;
    w->progress_.itemSource = source;
    return w;
}

std::unique_ptr<ProgressWindow> ProgressWindow::forReceive(const PhoneAccess& phone, const QString& folder,
                                                           const QString& name, std::uint32_t options,
                                                           ItemSource* source, QWidget* parent)
{
    std::unique_ptr<ProgressWindow> w(new ProgressWindow(phone, TransferMode::Receive, parent));
    w->progress_.filePath = folder.toStdString();
    w->progress_.objectName = name.toStdString();
    w->progress_.options = options;
    w->progress_.itemSource = source;
    return w;
}

std::unique_ptr<ProgressWindow> ProgressWindow::forDelete(const PhoneAccess& phone, ItemSource* source,
                                                          QWidget* parent)
{
    std::unique_ptr<ProgressWindow> w(new ProgressWindow(phone, TransferMode::Delete, parent));
    w->progress_.objectType = 0;
    w->progress_.itemSource = source;
    return w;
}

ProgressWindow::~ProgressWindow()
{
    // A worker still waiting on a question gets no answer instead of a
    // window that is gone; it then ends on its own.
    requests_.abandonAll();
    progress_.cancelRequested = true;
    if (worker_.joinable())
        worker_.join();
}

void ProgressWindow::buildControls()
{
    animation_ = withControlId(new TransferAnimation(animationOf(progress_.mode), this), kAnimationId);
    step_ = withControlId(new QLabel(this), kStepId);
    counter_ = withControlId(new QLabel(this), kCounterId);
    counter_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    name_ = withControlId(new QLabel(this), kNameId);
    bar_ = withControlId(new QProgressBar(this), kProgressId);
    bar_->setTextVisible(false);
    bar_->setRange(0, 0);
    detail_ = withControlId(new QLabel(this), kDetailId);
    cancel_ = withControlId(new QPushButton(this), kCancelId);
    for (QLabel* label : {step_, counter_, name_, detail_})
        label->setTextFormat(Qt::PlainText);
    name_->setMinimumWidth(260);
    connect(cancel_, &QPushButton::clicked, this, &ProgressWindow::reject);

    auto* stepRow = new QHBoxLayout;
    stepRow->addWidget(step_, 1);
    stepRow->addWidget(counter_);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(detail_, 1);
    bottom->addWidget(cancel_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(animation_);
    layout->addLayout(stepRow);
    layout->addWidget(name_);
    layout->addWidget(bar_);
    layout->addLayout(bottom);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void ProgressWindow::applyTexts()
{
    const LocaleId language = CurrentUiLanguage();
    // The step line keeps what the operation last showed.
    const QString step = step_->text();
    ReapplyDialogTemplate(this, false, language);
    if (started_ && !step.isEmpty())
        step_->setText(step);
    setWindowTitle(LoadUiString(titleOf(progress_.mode), language));
}

void ProgressWindow::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        applyTexts();
    // Minimising the progress window minimises the program: its owner goes
    // down and takes this window with it.
    if (event->type() == QEvent::WindowStateChange && isMinimized() && parentWidget()) {
        setWindowState(windowState() & ~Qt::WindowMinimized);
        parentWidget()->window()->showMinimized();
    }
    QDialog::changeEvent(event);
}

TransferResult ProgressWindow::run()
{
    exec();
    return result_;
}

void ProgressWindow::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (!started_) {
        started_ = true;
        startWorker();
    }
}

void ProgressWindow::startWorker()
{
    worker_ = std::thread([this] { work(); });
}

void ProgressWindow::reject()
{
    if (ended_) {
        QDialog::done(static_cast<int>(result_));
        return;
    }
    if (!progress_.cancelRequested.exchange(true))
        step_->setText(LoadUiString(text_id::kStopping));
}

void ProgressWindow::closeEvent(QCloseEvent* event)
{
    // The window stays until the worker has ended the run.
    event->ignore();
    reject();
}

void ProgressWindow::work()
{
    TransferResult result = TransferResult::NoPhone;
    if (!phone_.connection->connected())
        showConnectionLost();
    if (phone_.connection->connected()) {
        result = runOperation();
        if (result == TransferResult::NoPhone)
            showConnectionLost();
    }
    // The last thing the worker does: the UI thread may join it at once.
    QMetaObject::invokeMethod(
        this,
        [this, result] {
            result_ = result;
            ended_ = true;
            Q_EMIT finishedRun(static_cast<int>(result));
            QDialog::done(static_cast<int>(result));
        },
        Qt::QueuedConnection);
}

TransferResult ProgressWindow::runOperation()
{
    try {
        return RunPhoneOperation(progress_, *phone_.connection, operation_);
    } catch (const ProtocolError&) {
        // An item source stopping the run (Cancel in its question).
    } catch (const std::exception&) {
        showError(Application::name(), QString::fromStdString(phone_.texts->text(65000)));
    }
    return TransferResult::Failed;
}

void ProgressWindow::showConnectionLost()
{
    requests_.ask([this] {
        QMessageBox box(QMessageBox::Warning, LoadUiString(text_id::kDetectionCaption),
                        LoadUiString(text_id::kConnectionLost), QMessageBox::Ok, this);
        return box.exec();
    });
}

void ProgressWindow::showError(const QString& caption, const QString& text)
{
    requests_.ask([this, caption, text] {
        QMessageBox box(QMessageBox::Critical, caption, text, QMessageBox::Ok, this);
        return box.exec();
    });
}

TransferQuestions& ProgressWindow::questions() { return *prompt_; }

void ProgressWindow::onUiThread(std::function<void()> change)
{
    requests_.ask([change = std::move(change)] {
        change();
        return 0;
    });
}

void ProgressWindow::setLabel(int id, const std::string& text)
{
    onUiThread([this, id, value = QString::fromStdString(text)] {
        if (auto* label = findControlAs<QLabel>(this, id))
            label->setText(value);
    });
}

void ProgressWindow::showBar(std::uint32_t value, bool isRange)
{
    // QProgressBar counts in int.
    const int v = static_cast<int>(std::min<std::uint32_t>(value, INT32_MAX));
    onUiThread([this, v, isRange] {
        if (isRange) {
            bar_->setRange(0, v);
            bar_->setValue(0);
        } else {
            bar_->setValue(v);
        }
    });
}

void ProgressWindow::Progress::setObjectName(const std::string& text) { window_.setLabel(kNameId, text); }

void ProgressWindow::Progress::setStep(const std::string& text)
{
    // After Cancel the window says it is stopping, whatever step comes next.
    if (!cancelled())
        window_.setLabel(kStepId, text);
}

void ProgressWindow::Progress::setCounter(const std::string& text) { window_.setLabel(kCounterId, text); }
void ProgressWindow::Progress::setDetail(const std::string& text) { window_.setLabel(kDetailId, text); }

void ProgressWindow::Progress::setRange(std::uint32_t total)
{
    lastPosition_ = 0;
    window_.showBar(total, true);
}

void ProgressWindow::Progress::setPosition(std::uint32_t value)
{
    // The data loops report many times a second: only changes reach the window.
    if (value == lastPosition_ && value != 0)
        return;
    lastPosition_ = value;
    window_.showBar(value, false);
}

} // namespace quillora
