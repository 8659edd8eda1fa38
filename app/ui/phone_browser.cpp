// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Quillora developers
#include "phone_browser.h"

#include "app_settings.h"
#include "connection_state.h"
#include "delete_confirm_dialog.h"
#include "dialog_texts.h"
#include "file_chooser.h"
#include "file_names.h"
#include "layout_mgr.h"
#include "phone_operations.h"
#include "phone_session.h"
#include "picture_preview_dialog.h"
#include "text_source.h"
#include "ui_strings.h"
#include "worker_prompt.h"

#include <QBoxLayout>
#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMessageBox>
#include <QPushButton>
#include <QStyle>
#include <QTabBar>
#include <QTreeWidget>

namespace quillora {

namespace {

namespace text_id {
inline constexpr StringId kDetectionCaption = 104;
inline constexpr StringId kConnectionLost = 106;
inline constexpr StringId kVCards = 125;
inline constexpr StringId kVCalendars = 126;
inline constexpr StringId kSaveAs = 601;
inline constexpr StringId kPreviewTitle = 603;
inline constexpr StringId kRetrievingList = 604;
inline constexpr StringId kChooseFolder = 605;
inline constexpr StringId kPictures = 609;
inline constexpr StringId kSounds = 610;
inline constexpr StringId kAnimations = 611;
inline constexpr StringId kTitle = 801;
inline constexpr StringId kSize = 802;
inline constexpr StringId kKilobytes = 803;
inline constexpr StringId kType = 804;
} // namespace text_id

constexpr ObjectType kJpeg = 104;
constexpr int kRowRole = Qt::UserRole;
constexpr std::array<StringId, kListingGroups> kTabTexts = {text_id::kPictures, text_id::kAnimations,
                                                            text_id::kSounds, text_id::kVCards,
                                                            text_id::kVCalendars};

QString qt(const std::string& text) { return QString::fromStdString(text); }

} // namespace

// ---------------------------------------------------------------------------
// The listing's sink, on the listing thread: titles are checked against what
// this listing added (and the placeholder row), rows go to the UI thread.

class PhoneBrowser::Sink final : public PhoneObjectSink {
public:
    Sink(PhoneBrowser& browser, int group, QString placeholder)
        : browser_(browser), group_(group), titles_{placeholder.toStdString()}
    {
    }
    bool containsTitle(const std::string& title) override
    {
        return std::any_of(titles_.begin(), titles_.end(), [&](const std::string& t) { return SameTitle(t, title); });
    }
    void addObject(const PhoneObject& object, const std::string& title, const std::string& extension) override
    {
        titles_.push_back(title);
        ++added_;
        Row row{object, qt(title), qt(FileNameFor(title, extension))};
        if (row.fileName.isEmpty())
            row.fileName = qt(FileNameFor(DefaultStem(static_cast<ObjectCategory>(group_), added_), extension));
        const PhoneAccess access = browser_.host_.access();
        const QString typeText =
            qt(FileTypeDescription(browser_.host_.typeNames, *access.texts, extension.empty() ? "." : extension,
                                   object.objectType));
        const QString iconName =
            browser_.host_.typeNames ? qt(browser_.host_.typeNames->iconName(extension)) : QString();
        browser_.requests_->ask([this, row, typeText, iconName] {
            QIcon icon = QIcon::fromTheme(iconName);
            if (icon.isNull())
                icon = browser_.style()->standardIcon(QStyle::SP_FileIcon);
            browser_.addRow(row, typeText, icon);
            return 0;
        });
    }

private:
    PhoneBrowser& browser_;
    int group_;
    std::vector<std::string> titles_;
    int added_ = 0;
};

// ---------------------------------------------------------------------------
// The item sources run on the progress window's worker and reach the list
// on the UI thread.

class PhoneBrowser::RetrieveSource final : public ItemSource {
public:
    RetrieveSource(PhoneBrowser& browser, QString folder, ProgressWindow& window)
        : browser_(browser), folder_(std::move(folder)), window_(window)
    {
    }
    int restart(TransferProgress&) override
    {
        replaceAll_ = false;
        onUi([this] { items_ = browser_.selectedRows(); });
        return static_cast<int>(items_.size());
    }
    bool fetch(TransferProgress& progress, int index, TransferItem& item) override
    {
        // A Cancel answered to an earlier question ends the run here.
        if (progress.cancelled() || index < 1 || index > items_.size())
            return false;
        const Row* row = nullptr;
        onUi([&, this] {
            QTreeWidgetItem* at = items_[index - 1];
            browser_.list_->scrollToItem(at);
            browser_.list_->setCurrentItem(at, 0, QItemSelectionModel::NoUpdate);
            row = browser_.rowOf(at);
        });
        if (!row)
            return false;
        item.types[0] = row->object.objectType;
        item.third = row->object.phoneName;
        item.name = row->fileName.toStdString();
        progress.setObjectName(item.name);
        item.path = JoinInFolder(folder_.toStdString(), item.name);
        if (item.path.empty())
            return false; // no plain name in the folder: never written
        return confirm(progress, item);
    }
    void done(TransferProgress&, int index) override
    {
        if (index >= 1 && index <= items_.size())
            onUi([&, this] { items_[index - 1]->setSelected(false); });
    }

private:
    bool confirm(TransferProgress& progress, TransferItem& item)
    {
        if (replaceAll_ || !QFileInfo::exists(qt(item.path)))
            return true;
        std::string renamed;
        switch (window_.questions().confirmReplace(item.path, renamed)) {
        case ReplaceAnswer::Yes: return true;
        case ReplaceAnswer::All: replaceAll_ = true; return true;
        case ReplaceAnswer::Rename:
            item.path = renamed;
            item.name = QFileInfo(qt(renamed)).fileName().toStdString();
            return true;
        case ReplaceAnswer::Skip: return false;
        case ReplaceAnswer::Cancel: break;
        }
        // The run ends here, without a message.
        progress.cancelRequested = true;
        return false;
    }
    void onUi(const std::function<void()>& f)
    {
        window_.onUiThread(f);
    }

    PhoneBrowser& browser_;
    QString folder_;
    ProgressWindow& window_;
    QList<QTreeWidgetItem*> items_;
    bool replaceAll_ = false;
};

class PhoneBrowser::DeleteSource final : public ItemSource {
public:
    DeleteSource(PhoneBrowser& browser, ProgressWindow& window) : browser_(browser), window_(window) {}
    int restart(TransferProgress&) override
    {
        int count = 0;
        window_.onUiThread([&, this] { count = static_cast<int>(browser_.selectedRows().size()); });
        return count;
    }
    bool fetch(TransferProgress&, int, TransferItem& item) override
    {
        // Deleted rows are gone: the first selected row is always the next.
        const Row* row = nullptr;
        window_.onUiThread([&, this] {
            const QList<QTreeWidgetItem*> selected = browser_.selectedRows();
            current_ = selected.isEmpty() ? nullptr : selected.constFirst();
            if (current_) {
                browser_.list_->scrollToItem(current_);
                browser_.list_->setCurrentItem(current_, 0, QItemSelectionModel::NoUpdate);
                row = browser_.rowOf(current_);
            }
        });
        if (!row)
            return false;
        item.third = row->object.phoneName;
        item.name = row->title.toStdString();
        item.types[0] = row->object.size;
        return true;
    }
    void done(TransferProgress&, int) override
    {
        // The row goes; its record stays until the next listing.
        window_.onUiThread([this] {
            delete current_;
            current_ = nullptr;
        });
    }

private:
    PhoneBrowser& browser_;
    ProgressWindow& window_;
    QTreeWidgetItem* current_ = nullptr;
};

// ---------------------------------------------------------------------------

PhoneBrowser::PhoneBrowser(Host host, QWidget* parent)
    : QDialog(parent), host_(std::move(host)), requests_(std::make_unique<UiRequests>(this))
{
    setTemplateId(this, kTemplateId);
    buildControls();
    applyTexts();
    int tab = readSetting(*host_.settings, setting::Category);
    // A group no longer shown (vCards turned off since) falls back.
    if (tab < 0 || tab >= tabs_->count())
        tab = setting::Category.defaultValue;
    tabs_->setCurrentIndex(tab);
    connect(tabs_, &QTabBar::currentChanged, this, [this] { refreshList(); });
    refreshList();
    selectAll_->setFocus();
}

PhoneBrowser::~PhoneBrowser()
{
    closing_ = true;
    requests_->abandonAll();
    if (lister_.joinable())
        lister_.join();
    writeSetting(*host_.settings, setting::Category, tabs_->currentIndex());
}

void PhoneBrowser::buildControls()
{
    tabs_ = withControlId(new QTabBar(this), kTabsId);
    tabs_->setFocusPolicy(Qt::NoFocus);
    tabs_->setExpanding(false);
    // Every tab stays in sight: a longer translation widens the window.
    tabs_->setUsesScrollButtons(false);
    const int groups = host_.allowVCardsVCals ? kListingGroups : 3;
    for (int i = 0; i < groups; ++i)
        tabs_->addTab(QString());

    list_ = withControlId(new QTreeWidget(this), kListId);
    list_->setRootIsDecorated(false);
    list_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    list_->setUniformRowHeights(true);
    list_->setSortingEnabled(false);
    list_->setColumnCount(3);
    list_->header()->setSectionsClickable(false);
    list_->header()->setStretchLastSection(true);
    list_->headerItem()->setTextAlignment(1, Qt::AlignRight | Qt::AlignVCenter);
    list_->setIconSize(QSize(16, 16));
    connect(list_, &QTreeWidget::itemSelectionChanged, this, &PhoneBrowser::updateButtons);
    connect(list_, &QTreeWidget::itemActivated, this, [this] { retrieveSelection(); });

    selectAll_ = withControlId(new QPushButton(this), kSelectAllId);
    retrieve_ = withControlId(new QPushButton(this), kRetrieveId);
    delete_ = withControlId(new QPushButton(this), kDeleteId);
    close_ = withControlId(new QPushButton(this), kCloseId);
    selectAll_->setDefault(true);
    connect(selectAll_, &QPushButton::clicked, this, &PhoneBrowser::selectAll);
    connect(retrieve_, &QPushButton::clicked, this, &PhoneBrowser::retrieveSelection);
    connect(delete_, &QPushButton::clicked, this, &PhoneBrowser::deleteSelection);
    connect(close_, &QPushButton::clicked, this, [this] { done(kCloseId); });

    auto* buttons = new QHBoxLayout;
    buttons->setSpacing(6); // the window's own layout has none, for the tabs over the list
    for (QPushButton* b : {selectAll_, retrieve_, delete_})
        buttons->addWidget(b);
    buttons->addStretch();
    buttons->addWidget(close_);
    auto* layout = new QVBoxLayout(this);
    layout->setSpacing(0);
    layout->addWidget(tabs_);
    layout->addWidget(list_, 1);
    layout->addSpacing(8);
    layout->addLayout(buttons);
    setSizeGripEnabled(true);
    resize(520, 400);
}

void PhoneBrowser::applyTexts()
{
    const LocaleId language = CurrentUiLanguage();
    ReapplyDialogTemplate(this, false, language);
    for (int i = 0; i < tabs_->count(); ++i)
        tabs_->setTabText(i, LoadUiString(kTabTexts[static_cast<size_t>(i)], language));
    list_->setHeaderLabels({LoadUiString(text_id::kTitle, language), LoadUiString(text_id::kSize, language),
                            LoadUiString(text_id::kType, language)});
    // The size column is at least as wide as its header.
    sizeColumnMinWidth_ = list_->header()->sectionSizeHint(1);
}

void PhoneBrowser::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        applyTexts();
    QDialog::changeEvent(event);
}

int PhoneBrowser::currentGroup() const { return std::clamp(tabs_->currentIndex(), 0, kListingGroups - 1); }

const PhoneBrowser::Row* PhoneBrowser::rowOf(const QTreeWidgetItem* item) const
{
    return item ? reinterpret_cast<const Row*>(item->data(0, kRowRole).value<quintptr>()) : nullptr;
}

QList<QTreeWidgetItem*> PhoneBrowser::selectedRows() const
{
    // In list order, whatever order the user selected them in.
    QList<QTreeWidgetItem*> rows;
    for (int i = 0; i < list_->topLevelItemCount(); ++i) {
        QTreeWidgetItem* item = list_->topLevelItem(i);
        if (item->isSelected() && rowOf(item))
            rows << item;
    }
    return rows;
}

void PhoneBrowser::setBusy(bool busy)
{
    for (QWidget* w : std::initializer_list<QWidget*>{delete_, retrieve_, selectAll_, close_, tabs_})
        w->setEnabled(!busy);
}

void PhoneBrowser::updateButtons()
{
    const bool any = !listing_ && !selectedRows().isEmpty();
    retrieve_->setEnabled(any);
    delete_->setEnabled(any);
}

// ---------------------------------------------------------------------------
// Listing

void PhoneBrowser::refreshList()
{
    if (listing_ || closing_)
        return;
    if (lister_.joinable())
        lister_.join();
    listing_ = true;
    setBusy(true);
    list_->clear();
    rows_.clear();
    list_->setEnabled(false);
    auto* row = new QTreeWidgetItem(list_, {LoadUiString(text_id::kRetrievingList)});
    row->setIcon(0, windowIcon());
    list_->resizeColumnToContents(0);
    const int group = currentGroup();
    lister_ = std::thread([this, group] { listGroup(group); });
}

void PhoneBrowser::listGroup(int group)
{
    const PhoneAccess access = host_.access();
    ConnectionState& connection = *access.connection;
    WorkerPrompt prompt(this, *requests_, nullptr, nullptr);
    const auto showLost = [&] {
        requests_->ask([this] {
            QMessageBox box(QMessageBox::Warning, LoadUiString(text_id::kDetectionCaption),
                            LoadUiString(text_id::kConnectionLost), QMessageBox::Ok, parentWidget());
            return box.exec();
        });
    };
    bool ran = false;
    bool complete = false;
    bool lostUnderLock = false;
    if (!connection.connected())
        showLost();
    if (connection.connected() && connection.takePhoneLock([&] { return closing_.load() || !connection.connected(); })) {
        PhoneLockHold hold(connection);
        if (connection.connected()) {
            OperationContext context{*access.session, connection, *access.link, *access.texts, prompt,
                                     access.quirks, nullptr, {}};
            Sink sink(*this, group, LoadUiString(text_id::kRetrievingList));
            complete = ListPhoneObjects(context, group, host_.showHidden, sink);
            ran = true;
        } else {
            lostUnderLock = true;
        }
    }
    if (lostUnderLock)
        showLost();
    QMetaObject::invokeMethod(
        this, [this, ran, complete] { listingEnded(ran, complete); }, Qt::QueuedConnection);
}

void PhoneBrowser::addRow(const Row& row, const QString& typeText, const QIcon& icon)
{
    rows_.push_back(std::make_unique<Row>(row));
    // Before the placeholder, which stays last until the listing ends.
    auto* item = new QTreeWidgetItem;
    item->setText(0, row.title);
    item->setIcon(0, icon);
    const UiArg kb(static_cast<std::int64_t>((std::uint64_t{row.object.size} + 1023) / 1024));
    item->setText(1, formatMessage(LoadUiString(text_id::kKilobytes), std::span(&kb, 1)));
    item->setTextAlignment(1, Qt::AlignRight | Qt::AlignVCenter);
    item->setText(2, typeText);
    item->setData(0, kRowRole, QVariant::fromValue(reinterpret_cast<quintptr>(rows_.back().get())));
    list_->insertTopLevelItem(static_cast<int>(rows_.size()) - 1, item);
    for (int c = 0; c < 3; ++c)
        list_->resizeColumnToContents(c);
    if (QTreeWidgetItem* placeholder = list_->topLevelItem(list_->topLevelItemCount() - 1))
        list_->scrollToItem(placeholder);
}

void PhoneBrowser::listingEnded(bool ran, bool complete)
{
    if (lister_.joinable())
        lister_.join();
    listing_ = false;
    if (ran) {
        delete list_->takeTopLevelItem(list_->topLevelItemCount() - 1);
        if (list_->columnWidth(1) < sizeColumnMinWidth_)
            list_->setColumnWidth(1, sizeColumnMinWidth_);
        list_->setEnabled(true);
        selectAll_->setEnabled(list_->topLevelItemCount() > 0);
        if (complete && list_->topLevelItemCount() > 0)
            list_->scrollToItem(list_->topLevelItem(0));
    }
    // Closing stays possible even when the phone went away meanwhile.
    close_->setEnabled(true);
    tabs_->setEnabled(host_.access().connection->connected());
    updateButtons();
}

// ---------------------------------------------------------------------------
// Selection, keys and closing

void PhoneBrowser::selectAll()
{
    if (!list_->isEnabled())
        return;
    for (int i = list_->topLevelItemCount() - 1; i >= 0; --i)
        list_->topLevelItem(i)->setSelected(true);
    list_->setFocus();
}

void PhoneBrowser::keyPressEvent(QKeyEvent* event)
{
    if (event->matches(QKeySequence::SelectAll)) {
        selectAll();
        return;
    }
    if (event->key() == Qt::Key_F5) {
        refreshList();
        return;
    }
    QDialog::keyPressEvent(event);
}

void PhoneBrowser::reject()
{
    // Not while the listing thread still fills the list.
    if (!listing_)
        QDialog::reject();
}

void PhoneBrowser::forceClose()
{
    QDialog::reject();
}

// ---------------------------------------------------------------------------
// Retrieving and deleting

void PhoneBrowser::retrieveSelection()
{
    if (listing_)
        return;
    const QList<QTreeWidgetItem*> selected = selectedRows();
    if (selected.size() == 1)
        retrieveOne(selected.constFirst());
    else if (selected.size() > 1)
        retrieveMany(selected);
}

void PhoneBrowser::retrieveOne(QTreeWidgetItem* item)
{
    const Row& row = *rowOf(item);
    const PhoneAccess access = host_.access();
    std::string extension(ExtensionOf(row.object.objectType));
    const std::string description =
        FileTypeDescription(host_.typeNames, *access.texts, extension, row.object.objectType);
    if (extension.empty())
        extension = "." + row.object.typeName;
    SaveFileRequest request;
    request.caption = LoadUiString(text_id::kSaveAs);
    request.folder = readPathSetting(*host_.settings);
    request.proposedName = row.title;
    const std::string filter = BuildSaveFilter(*access.texts, description,
                                               PatternsForType(row.object.objectType, row.object.typeName));
    for (const std::string& f : NameFilters(filter))
        request.filters << qt(f);
    request.defaultSuffix = qt(extension.substr(1));
    request.confirmOverwrite = true;
    const QString path = fileChooser().saveFile(this, request);
    if (path.isEmpty())
        return;
    const QFileInfo file(path);
    writePathSetting(*host_.settings, file.absolutePath());
    auto window = ProgressWindow::forReceive(access, file.absolutePath(), file.fileName(), 0, nullptr, this);
    window->progress().secondPath = row.object.phoneName;
    window->progress().objectType = row.object.objectType;
    const ObjectType type = row.object.objectType;
    const TransferResult result = window->run();
    window.reset();
    if (result == TransferResult::Succeeded && type == kJpeg)
        showPreview(file.absoluteFilePath());
    else if (result != TransferResult::Succeeded)
        afterFailedReceive();
}

void PhoneBrowser::retrieveMany(const QList<QTreeWidgetItem*>& items)
{
    FolderRequest request;
    const UiArg count(static_cast<std::int64_t>(items.size()));
    request.caption = formatMessage(LoadUiString(text_id::kChooseFolder), std::span(&count, 1));
    request.folder = readPathSetting(*host_.settings);
    const QString folder = fileChooser().chooseFolder(this, request);
    if (folder.isEmpty())
        return;
    writePathSetting(*host_.settings, folder);
    auto window = ProgressWindow::forReceive(host_.access(), folder, QString(), 0, nullptr, this);
    RetrieveSource source(*this, folder, *window);
    window->progress().itemSource = &source;
    const TransferResult result = window->run();
    window.reset();
    if (result != TransferResult::Succeeded)
        afterFailedReceive();
}

void PhoneBrowser::afterFailedReceive()
{
    // An object was not found on the phone: the list is out of date.
    if (host_.access().session->listStale.load() & 1u)
        refreshList();
}

void PhoneBrowser::showPreview(const QString& path)
{
    PicturePreviewDialog preview(LoadUiString(text_id::kPreviewTitle), path, this);
    preview.exec();
}

void PhoneBrowser::deleteSelection()
{
    if (listing_)
        return;
    const QList<QTreeWidgetItem*> selected = selectedRows();
    if (selected.isEmpty())
        return;
    std::unique_ptr<DeleteConfirmDialog> confirm =
        selected.size() < 2 ? std::make_unique<DeleteConfirmDialog>(selected.constFirst()->text(0), this)
                            : std::make_unique<DeleteConfirmDialog>(static_cast<int>(selected.size()), this);
    if (confirm->exec() != DeleteConfirmDialog::kYes)
        return;
    confirm.reset();
    auto window = ProgressWindow::forDelete(host_.access(), nullptr, this);
    DeleteSource source(*this, *window);
    window->progress().itemSource = &source;
    window->run();
    window.reset();
    selectAll_->setEnabled(list_->topLevelItemCount() > 0);
    updateButtons();
}

} // namespace quillora
