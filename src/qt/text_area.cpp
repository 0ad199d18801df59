#include "qt/text_area.h"

#include <QScrollBar>
#include <QTextCursor>

#include "qt/text.h"

namespace qtview {

namespace {

// The length of what `text` puts in front of `shown`, or npos when `text`
// does not end with `shown` (or would split a CR LF between the two).
std::size_t addedInFront(const std::string& text, const std::string& shown) {
    if (text.size() <= shown.size()) return std::string::npos;
    const std::size_t added = text.size() - shown.size();
    if (text.compare(added, shown.size(), shown) != 0) return std::string::npos;
    if (text[added - 1] == '\r' && !shown.empty() && shown.front() == '\n') return std::string::npos;
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
    verticalScrollBar()->setValue(0);  // the newest entry stands on top
}

}  // namespace qtview
