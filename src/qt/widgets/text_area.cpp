// SPDX-FileCopyrightText: 2026 钟约小组
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "qt/widgets/text_area.h"

#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>
#include <QTextCursor>

#include "qt/model_text.h"

namespace qtview {

namespace {

// The length of what `text` puts in front of `shown`, or npos when `text`
// does not end with `shown` (or would split a CR LF between the two).
std::size_t addedInFront(const std::string& text, const std::string& shown) {
    if (text.size() <= shown.size()) return std::string::npos;
    const std::size_t added = text.size() - shown.size();
    if (text.compare(added, shown.size(), shown) != 0) return std::string::npos;
    if (text[added - 1] == '\r' && !shown.empty() && shown.front() == '\n')
        return std::string::npos;
    return added;
}

}  // namespace

void TextArea::showModelText(const std::string& text) {
    if (known_ && text == shown_) return;
    const std::size_t added = known_ ? addedInFront(text, shown_) : std::string::npos;
    if (added != std::string::npos) {
        QTextCursor top(document());
        top.insertText(shownLines(text.substr(0, added)));
    } else {
        setPlainText(shownLines(text));
    }
    shown_ = text;
    known_ = true;
    // The newest entry stands on top, and the caret there: reading by the
    // keyboard starts with it.
    if (isReadOnly()) moveCursor(QTextCursor::Start);
    verticalScrollBar()->setValue(0);
}

TextArea::Look TextArea::currentLook() const {
    const QTextCursor cursor = textCursor();
    return {palette().color(QPalette::Text).rgba(),
            palette().color(QPalette::Base).rgba(),
            viewport()->size(),
            verticalScrollBar()->value(),
            document()->revision(),
            cursor.selectionStart(),
            cursor.selectionEnd(),
            isEnabled(),
            hasFocus()};
}

const TextArea::Picture* TextArea::pictureOf(const Look& look) const {
    for (const Picture& picture : pictures_) {
        if (!picture.pixmap.isNull() && picture.look == look) return &picture;
    }
    return nullptr;
}

void TextArea::keepLook() {
    // A box that can be typed into shows a blinking cursor: no picture of it.
    if (!isReadOnly() || !isVisible()) return;
    const Look look = currentLook();
    if (pictureOf(look) != nullptr) return;
    Picture& picture = pictures_[nextPicture_++ % pictures_.size()];
    const qreal ratio = devicePixelRatioF();
    picture.pixmap = QPixmap(viewport()->size() * ratio);
    picture.pixmap.setDevicePixelRatio(ratio);
    drawingPicture_ = true;
    viewport()->render(&picture.pixmap);
    drawingPicture_ = false;
    picture.look = look;
}

QRegion TextArea::borderRegion() const {
    QRegion border(rect());
    for (const QWidget* part : findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (part->isVisible()) border -= part->geometry();
    }
    return border;
}

void TextArea::paintEvent(QPaintEvent* event) {
    const Picture* picture = drawingPicture_ ? nullptr : pictureOf(currentLook());
    if (picture == nullptr) {
        QPlainTextEdit::paintEvent(event);
        return;
    }
    QPainter painter(viewport());
    painter.setClipRegion(event->region());
    painter.drawPixmap(0, 0, picture->pixmap);
}

void TextArea::changeEvent(QEvent* event) {
    QPlainTextEdit::changeEvent(event);
    if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange) {
        for (Picture& picture : pictures_) picture.pixmap = QPixmap();
    }
}

}  // namespace qtview
