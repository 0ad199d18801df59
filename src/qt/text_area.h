#pragma once

#include <QPlainTextEdit>
#include <string>

namespace qtview {

// A multi-line text box. It remembers the model text it shows, so that text
// put in front of it (a new entry on top of the activity log) is inserted at
// the top instead of laying out the whole text again: an entry costs the
// same with ten entries above the banner as with a million characters.
class TextArea : public QPlainTextEdit {
public:
    using QPlainTextEdit::QPlainTextEdit;

    // Shows the model's text (CR LF line breaks), the first line on top.
    void showModelText(const std::string& text);
    // A person changed the text: what is shown is no longer known.
    void forgetShownText() { known_ = false; }

private:
    std::string shown_;
    bool known_ = false;
};

}  // namespace qtview
