// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Quillora developers
#include "clipping.h"

#include "dialog_texts.h"
#include "image_button.h"

#include <QAbstractScrollArea>
#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QStyleOption>
#include <QTabBar>
#include <QTextDocument>

#include <algorithm>
#include <optional>

namespace quillora {
namespace {

constexpr int kTallest = 1 << 16;

// What a text takes drawn as the widget draws it; QFontMetrics::size drops
// the "&" markers and measures a multi-line text line by line.
QSize textSize(const QWidget& widget, const QString& text, bool mnemonics)
{
    return widget.fontMetrics().size(mnemonics ? Qt::TextShowMnemonic : 0, text);
}

bool isRichText(const QLabel& label)
{
    return label.textFormat() == Qt::RichText ||
           (label.textFormat() == Qt::AutoText && Qt::mightBeRichText(label.text()));
}

// QLabel's own rule: an unset indent is an "x" less the margins, with a
// frame only, and applies on the side the text is aligned to.
QSize labelExtra(const QLabel& label)
{
    int indent = label.indent();
    if (indent < 0 && label.frameWidth() > 0)
        indent = label.fontMetrics().horizontalAdvance(u'x') - 2 * label.margin();
    indent = std::max(indent, 0);
    const Qt::Alignment align = label.alignment();
    const QMargins m = label.contentsMargins();
    QSize extra(m.left() + m.right() + 2 * label.margin(), m.top() + m.bottom() + 2 * label.margin());
    if (align & (Qt::AlignLeft | Qt::AlignRight))
        extra.rwidth() += indent;
    if (align & (Qt::AlignTop | Qt::AlignBottom))
        extra.rheight() += indent;
    return extra;
}

std::optional<QSize> labelNeeds(const QLabel& label)
{
    // Value labels are blank until the phone fills them; pictures have no text.
    if (label.text().trimmed().isEmpty())
        return std::nullopt;
    if (label.wordWrap() || isRichText(label)) {
        // Wrapped: the longest word must fit across, the lines it makes down.
        const int width = label.wordWrap() ? label.minimumSizeHint().width() : label.sizeHint().width();
        return QSize(width, label.heightForWidth(label.width()));
    }
    // A label shows "&" as typed unless it has a buddy to take the shortcut.
    return textSize(label, label.text(), label.buddy() != nullptr) + labelExtra(label);
}

std::optional<QSize> pushButtonNeeds(const QPushButton& button)
{
    QStyleOptionButton option;
    option.initFrom(&button);
    option.features = QStyleOptionButton::None;
    if (button.isFlat())
        option.features |= QStyleOptionButton::Flat;
    if (button.autoDefault())
        option.features |= QStyleOptionButton::AutoDefaultButton;
    if (button.isDefault())
        option.features |= QStyleOptionButton::DefaultButton;
    QSize contents = textSize(button, button.text(), true);
    if (!button.icon().isNull()) {
        option.icon = button.icon();
        option.iconSize = button.iconSize();
        contents = QSize(contents.width() + option.iconSize.width() + 4,
                         std::max(contents.height(), option.iconSize.height()));
    }
    // The option carries no text: the style widens every labelled button to
    // a minimum that is looks, not need (the "?" button is narrower).
    const QSize padded = button.style()->sizeFromContents(QStyle::CT_PushButton, &option, contents, &button);
    // Down, the text needs only the contents rectangle it is drawn in: the
    // style's padding is looks too (the preview's buttons are placed by hand).
    option.rect = button.rect();
    const QRect drawn = button.style()->subElementRect(QStyle::SE_PushButtonContents, &option, &button);
    return QSize(padded.width(), contents.height() + button.height() - drawn.height());
}

// The image buttons wrap their text into what the icon leaves; their size
// hint (one line) tells how much room icon and margins take.
std::optional<QSize> imageButtonNeeds(const ImageButton& button)
{
    const QSize oneLine = textSize(button, button.text(), true);
    const QSize hint = button.sizeHint();
    const QSize icon = button.icon().isNull() ? QSize(0, 0) : button.iconSize();
    const int sideRoom = hint.width() - oneLine.width();
    const int endRoom = hint.height() - std::max(icon.height(), oneLine.height());
    const int width = std::max(1, button.width() - sideRoom);
    const QRect wrapped = button.fontMetrics().boundingRect(
        QRect(0, 0, width, kTallest), Qt::AlignCenter | Qt::TextWordWrap | Qt::TextShowMnemonic, button.text());
    return QSize(wrapped.width() + sideRoom, std::max(wrapped.height(), icon.height()) + endRoom);
}

std::optional<QSize> buttonNeeds(const QAbstractButton& button)
{
    if (button.text().isEmpty())
        return std::nullopt;
    if (auto* image = qobject_cast<const ImageButton*>(&button))
        return imageButtonNeeds(*image);
    if (auto* push = qobject_cast<const QPushButton*>(&button))
        return pushButtonNeeds(*push);
    // Check boxes and radio buttons: their hint is indicator, spacing and text.
    return button.sizeHint();
}

// Only the width: the title takes the frame's top whatever its height.
std::optional<QSize> groupBoxNeeds(const QGroupBox& box)
{
    if (box.title().isEmpty())
        return std::nullopt;
    QStyleOptionGroupBox option;
    option.initFrom(&box);
    option.text = box.title();
    option.subControls = QStyle::SC_GroupBoxFrame | QStyle::SC_GroupBoxLabel;
    int width = textSize(box, box.title(), true).width() + box.fontMetrics().horizontalAdvance(u' ');
    if (box.isCheckable()) {
        option.subControls |= QStyle::SC_GroupBoxCheckBox;
        width += box.style()->pixelMetric(QStyle::PM_IndicatorWidth, &option, &box) +
                 box.style()->pixelMetric(QStyle::PM_CheckBoxLabelSpacing, &option, &box);
    }
    const QSize title(width, box.fontMetrics().height());
    return QSize(box.style()->sizeFromContents(QStyle::CT_GroupBox, &option, title, &box).width(), 0);
}

// Only the width: the current text against the edit field the arrow leaves.
std::optional<QSize> comboBoxNeeds(const QComboBox& combo)
{
    const QString text = combo.currentText();
    if (text.isEmpty())
        return std::nullopt;
    QStyleOptionComboBox option;
    option.initFrom(&combo);
    option.editable = combo.isEditable();
    option.frame = combo.hasFrame();
    option.currentText = text;
    option.currentIcon = combo.itemIcon(combo.currentIndex());
    option.iconSize = combo.iconSize();
    option.subControls = QStyle::SC_All;
    const QRect field =
        combo.style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, &combo);
    // The label is drawn a pixel inside the field on either side.
    int width = combo.fontMetrics().horizontalAdvance(text) + 2;
    if (!option.currentIcon.isNull())
        width += option.iconSize.width() + 4;
    return QSize(width + combo.width() - field.width(), 0);
}

// Only the width: a bar narrower than its tabs scrolls or elides some.
std::optional<QSize> tabBarNeeds(const QTabBar& bar)
{
    if (bar.count() == 0)
        return std::nullopt;
    return QSize(bar.sizeHint().width(), 0);
}

std::optional<QSize> neededSize(const QWidget& widget)
{
    if (auto* label = qobject_cast<const QLabel*>(&widget))
        return labelNeeds(*label);
    if (auto* button = qobject_cast<const QAbstractButton*>(&widget))
        return buttonNeeds(*button);
    if (auto* box = qobject_cast<const QGroupBox*>(&widget))
        return groupBoxNeeds(*box);
    if (auto* combo = qobject_cast<const QComboBox*>(&widget))
        return comboBoxNeeds(*combo);
    if (auto* bar = qobject_cast<const QTabBar*>(&widget))
        return tabBarNeeds(*bar);
    return std::nullopt;
}

QString shownText(const QWidget& widget)
{
    if (auto* label = qobject_cast<const QLabel*>(&widget))
        return label->text();
    if (auto* button = qobject_cast<const QAbstractButton*>(&widget))
        return button->text();
    if (auto* box = qobject_cast<const QGroupBox*>(&widget))
        return box->title();
    if (auto* combo = qobject_cast<const QComboBox*>(&widget))
        return combo->currentText();
    if (auto* bar = qobject_cast<const QTabBar*>(&widget)) {
        QStringList tabs;
        for (int i = 0; i < bar->count(); ++i)
            tabs << bar->tabText(i);
        return tabs.join(QStringLiteral(" | "));
    }
    return {};
}

bool shouldMeasure(const QWidget& widget, const QWidget& window)
{
    if (widget.window() != &window || !widget.isVisibleTo(&window) || widget.property("elidesText").toBool())
        return false;
    // What scrolls (item views' rows and editors, a scroll area's page) is
    // meant to be partly out of sight.
    for (const QWidget* up = widget.parentWidget(); up && up != &window; up = up->parentWidget())
        if (qobject_cast<const QAbstractScrollArea*>(up))
            return false;
    return true;
}

// The part of the widget left inside every parent up to the window.
QSize visibleSize(const QWidget& widget, const QWidget& window)
{
    QRect area = widget.rect();
    for (const QWidget* w = &widget; w != &window && w->parentWidget(); w = w->parentWidget())
        area = area.translated(w->pos()) & w->parentWidget()->rect();
    return area.size();
}

QString controlName(const QWidget& widget)
{
    if (const int id = controlId(&widget))
        return QString::number(id);
    return widget.objectName().isEmpty() ? QStringLiteral("-") : widget.objectName();
}

QString sizeText(QSize size)
{
    return QStringLiteral("%1x%2").arg(size.width()).arg(size.height());
}

// A column header is cut off when its section is narrower than its title
// needs; the header sits in its view's frame, so it is measured apart.
void findClippedHeaders(const QWidget& window, const QString& windowName, std::vector<ClippedControl>& found)
{
    for (const QHeaderView* header : window.findChildren<QHeaderView*>()) {
        if (header->window() != &window || !header->isVisibleTo(&window) || !header->model())
            continue;
        for (int section = 0; section < header->count(); ++section) {
            if (header->isSectionHidden(section))
                continue;
            const int needed = header->sectionSizeHint(section);
            const int actual = header->sectionSize(section);
            if (needed > actual)
                found.push_back({windowName, controlName(*header->parentWidget()) + u'.' + QString::number(section),
                                 QStringLiteral("QHeaderView"),
                                 header->model()->headerData(section, header->orientation()).toString(),
                                 QSize(needed, 0), QSize(actual, header->height())});
        }
    }
}

} // namespace

std::vector<ClippedControl> FindClippedControls(const QWidget& window, const QString& windowName)
{
    std::vector<ClippedControl> found;
    findClippedHeaders(window, windowName, found);
    for (const QWidget* widget : window.findChildren<QWidget*>()) {
        if (!shouldMeasure(*widget, window))
            continue;
        const std::optional<QSize> needed = neededSize(*widget);
        if (!needed)
            continue;
        const QSize actual = visibleSize(*widget, window);
        if (needed->width() > actual.width() || needed->height() > actual.height())
            found.push_back({windowName, controlName(*widget), QString::fromLatin1(widget->metaObject()->className()),
                             shownText(*widget), *needed, actual});
    }
    return found;
}

QString DescribeClipping(const ClippedControl& clipped)
{
    QString text = clipped.text;
    text.replace(u'\n', QStringLiteral("\\n"));
    return QStringLiteral("%1 %2 %3 \"%4\" needed %5 actual %6")
        .arg(clipped.window, clipped.control, clipped.className, text, sizeText(clipped.needed),
             sizeText(clipped.actual));
}

} // namespace quillora
