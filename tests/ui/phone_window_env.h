// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Quillora developers
// The main window against simulated phones on pseudo-terminals: the ports
// detection sees, a file chooser that answers for the user, and a script
// that answers the modal windows a story opens.
#pragma once

#include "app_settings.h"
#include "application.h"
#include "detect.h"
#include "dialog_texts.h"
#include "file_chooser.h"
#include "main_window.h"
#include "settings_store.h"
#include "ui_strings.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QEvent>
#include <QFile>
#include <QMessageBox>
#include <QPointer>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <mutex>
#include <ostream>
#include <string>
#include <vector>

inline void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }
inline void PrintTo(const QStringList& l, std::ostream* os) { *os << '{' << l.join(QStringLiteral(", ")).toStdString() << '}'; }

namespace testing_support {

// The ports detection sees; a test changes them as it plugs phones in.
struct Candidates {
    std::mutex mutex;
    std::vector<std::string> paths;

    void set(std::vector<std::string> list)
    {
        std::lock_guard lock(mutex);
        paths = std::move(list);
    }
    std::vector<trelvix::PortCandidate> get()
    {
        std::lock_guard lock(mutex);
        std::vector<trelvix::PortCandidate> list;
        for (const auto& p : paths)
            list.push_back({p, 0, ""});
        return list;
    }
};

inline Candidates& candidates()
{
    static Candidates c;
    return c;
}

// Answers the file dialogs with what the test set, and keeps what was asked.
class AnsweringChooser final : public quillora::FileChooser {
public:
    AnsweringChooser() { quillora::setFileChooser(this); }
    ~AnsweringChooser() override { quillora::setFileChooser(nullptr); }

    QStringList openFiles(QWidget*, const quillora::OpenFileRequest& request) override
    {
        opened.push_back(request);
        return files;
    }
    QString saveFile(QWidget* parent, const quillora::SaveFileRequest& request) override
    {
        saved.push_back(request);
        if (saveWaitsForUser) {
            // A dialog of its own that the story answers (or rejects).
            QDialog dialog(parent);
            dialog.setObjectName(QStringLiteral("saveDialog"));
            return dialog.exec() == QDialog::Accepted ? savePath : QString();
        }
        return savePath;
    }
    QString chooseFolder(QWidget*, const quillora::FolderRequest& request) override
    {
        folders.push_back(request);
        return folder;
    }

    QStringList files;
    QString savePath;
    bool saveWaitsForUser = false;
    QString folder;
    std::vector<quillora::OpenFileRequest> opened;
    std::vector<quillora::SaveFileRequest> saved;
    std::vector<quillora::FolderRequest> folders;
};

// Each modal window the story opens, in order, with the title and text it
// showed (seen when shown, however short it stays); the handler decides
// what the user does (true: it acted, the window is not looked at again).
class ModalScript : public QObject {
public:
    struct Seen {
        QString className;
        QString title;
        QString text; // a message box's text
    };
    using Handler = std::function<bool(QWidget* modal)>;

    explicit ModalScript(Handler handler) : handler_(std::move(handler))
    {
        qApp->installEventFilter(this);
        QObject::connect(&timer_, &QTimer::timeout, this, [this] { look(); });
        timer_.start(10);
    }
    ~ModalScript() override { qApp->removeEventFilter(this); }

    std::vector<Seen> seen;
    QStringList classes() const
    {
        QStringList list;
        for (const Seen& s : seen)
            list << s.className;
        return list;
    }
    QStringList boxTexts() const
    {
        QStringList list;
        for (const Seen& s : seen)
            if (!s.text.isEmpty())
                list << s.text;
        return list;
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Show && watched->isWidgetType()) {
            auto* w = static_cast<QWidget*>(watched);
            if (w->isWindow() && w->isModal())
                note(w);
        }
        return false;
    }

private:
    void note(QWidget* modal)
    {
        if (known_.contains(modal))
            return;
        known_ << modal;
        auto* box = qobject_cast<QMessageBox*>(modal);
        seen.push_back({QString::fromLatin1(modal->metaObject()->className()), modal->windowTitle(),
                        box ? box->text() : QString()});
    }
    void look()
    {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal)
            return;
        note(modal);
        if (modal != last_) {
            last_ = modal;
            done_ = doneWith_.contains(modal);
        }
        if (!done_) {
            done_ = handler_(modal);
            if (done_)
                doneWith_ << modal;
        }
    }

    Handler handler_;
    QTimer timer_;
    QPointer<QWidget> last_;
    QList<QPointer<QWidget>> known_;
    QList<QPointer<QWidget>> doneWith_;
    bool done_ = false;
};

// Clicks the message box's button of that role; false when there is none.
inline bool clickBox(QWidget* modal, QMessageBox::StandardButton which)
{
    auto* box = qobject_cast<QMessageBox*>(modal);
    if (!box || !box->button(which))
        return false;
    box->button(which)->click();
    return true;
}

inline void clickControl(QWidget* window, int id)
{
    if (auto* b = quillora::findControlAs<QAbstractButton>(window, id))
        b->click();
}

// A settings file and application object of the test's own, the window
// over the simulated phones, and its orderly end.
class PhoneWindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir_.isValid());
        store_ = std::make_unique<quillora::SettingsStore>(dir_.filePath(QStringLiteral("quillora.conf")));
        quillora::writeSetting(*store_, quillora::setting::DisableSounds, 1);
        // Acknowledgment limits of 10 s and more are cut to a tenth.
        quillora::writeSetting(*store_, quillora::setting::DelayFactor, 10);
        app_ = std::make_unique<quillora::Application>(*store_, dir_.filePath(QStringLiteral("quillora")),
                                                       QStringList{});
        app_->loadStartupSettings();
        app_->SetUiLanguage(quillora::kEnglishUs);
        quillora::setTheApplication(app_.get());
        trelvix::setCandidateSource([](bool) { return candidates().get(); });
    }
    void TearDown() override
    {
        window_.reset();
        candidates().set({});
        EXPECT_TRUE(trelvix::waitForDetectionThreads(std::chrono::seconds(10)));
        quillora::setTheApplication(nullptr);
    }

    quillora::MainWindow& open(std::vector<std::string> ports)
    {
        candidates().set(std::move(ports));
        window_ = std::make_unique<quillora::MainWindow>(*app_);
        window_->show();
        return *window_;
    }
    QWidget* control(int id) const { return quillora::findControl(window_.get(), id); }
    bool waitConnected(int ms = 20000)
    {
        return QTest::qWaitFor([&] { return control(1002)->isVisible(); }, ms);
    }
    bool waitFormatsReport(int ms = 15000)
    {
        return QTest::qWaitFor([&] { return control(1069)->isVisible(); }, ms);
    }

    QTemporaryDir dir_;
    std::unique_ptr<quillora::SettingsStore> store_;
    std::unique_ptr<quillora::Application> app_;
    std::unique_ptr<quillora::MainWindow> window_;
};

} // namespace testing_support

namespace testing_support {

// A JFIF header and then bytes that differ along the file: what the phone
// stores must match byte for byte.
inline std::string jfifBytes(size_t size)
{
    std::string out("\xFF\xD8\xFF\xE0\x00\x10JFIF\x00\x01", 13);
    for (size_t i = out.size(); i < size; ++i)
        out += static_cast<char>((i * 7 + i / 251) & 0xFF);
    return out;
}

inline QString writeBytes(const QString& path, const std::string& bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return {};
    file.write(bytes.data(), static_cast<qint64>(bytes.size()));
    return path;
}

inline std::string readBytes(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll().toStdString();
}

} // namespace testing_support
