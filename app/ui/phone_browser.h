// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Quillora developers
// "List of available objects": the phone's objects of one group at a time
// (pictures, animations, sounds, and vCards and vCalendars when allowed),
// listed on a thread of its own; the selection is retrieved into files or
// deleted on the phone under a progress window.
#pragma once

#include "phone_listing.h"
#include "progress_window.h"
#include "ui_requests.h"

#include <QDialog>

#include <atomic>
#include <functional>
#include <memory>
#include <thread>
#include <vector>

class QPushButton;
class QTabBar;
class QTreeWidget;
class QTreeWidgetItem;

namespace quillora {

class FileTypeNames;
class SettingsStore;

class PhoneBrowser : public QDialog {
    Q_OBJECT
public:
    static constexpr int kTemplateId = 113;
    enum ControlId {
        kTabsId = 1038,
        kListId = 1023,
        kSelectAllId = 1036,
        kRetrieveId = 1024,
        kDeleteId = 1025,
        kCloseId = 2,
    };

    struct Host {
        std::function<PhoneAccess()> access;
        SettingsStore* settings = nullptr;
        const FileTypeNames* typeNames = nullptr;
        bool showHidden = false;
        bool allowVCardsVCals = false;
    };

    // One listed object and the name it is written under.
    struct Row {
        PhoneObject object;
        QString title;
        QString fileName; // title + extension, safe as a file name
    };

    PhoneBrowser(Host host, QWidget* parent = nullptr);
    // Waits for a listing still running; stores the tab as Category.
    ~PhoneBrowser() override;

    // Reloads the current group (also F5, and a tab change).
    void refreshList();
    void selectAll();
    void retrieveSelection();
    void deleteSelection();
    bool listing() const { return listing_; }
    // Closes the window whatever runs (the phone was lost).
    void forceClose();

    void reject() override;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    class Sink;
    class RetrieveSource;
    class DeleteSource;

    void buildControls();
    void applyTexts();
    void setBusy(bool busy);
    void listGroup(int group);
    void listingEnded(bool ran, bool complete);
    void addRow(const Row& row, const QString& typeText, const QIcon& icon);
    void updateButtons();
    void retrieveOne(QTreeWidgetItem* item);
    void retrieveMany(const QList<QTreeWidgetItem*>& items);
    void afterFailedReceive();
    void showPreview(const QString& path);
    const Row* rowOf(const QTreeWidgetItem* item) const;
    QList<QTreeWidgetItem*> selectedRows() const;
    int currentGroup() const;

    Host host_;
    std::vector<std::unique_ptr<Row>> rows_;
    QTabBar* tabs_ = nullptr;
    QTreeWidget* list_ = nullptr;
    QPushButton* selectAll_ = nullptr;
    QPushButton* retrieve_ = nullptr;
    QPushButton* delete_ = nullptr;
    QPushButton* close_ = nullptr;
    int sizeColumnMinWidth_ = 0;
    bool listing_ = false;
    std::atomic<bool> closing_{false};
    std::unique_ptr<UiRequests> requests_;
    std::thread lister_;
};

} // namespace quillora
