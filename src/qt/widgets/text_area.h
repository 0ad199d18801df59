// SPDX-FileCopyrightText: 2026 钟约小组
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QPixmap>
#include <QPlainTextEdit>
#include <array>
#include <string>

namespace qtview {

// A multi-line text box. It remembers the model text it shows, so that text
// put in front of it (a new entry on top of the activity log) is inserted at
// the top instead of laying out the whole text again: an entry costs the
// same with ten entries above the banner as with a million characters.
//
// A read-only box also keeps the last two looks of its text area as pictures:
// the log blinking between two colours three times a second is then drawn
// from them, without laying out its text at every blink, its caret included
// while it has the focus.
class TextArea : public QPlainTextEdit {
public:
    using QPlainTextEdit::QPlainTextEdit;

    // Shows the model's text (CR LF line breaks), the first line on top.
    void showModelText(const std::string& text);
    // A person changed the text: what is shown is no longer known.
    void forgetShownText() { known_ = false; }
    // After a change of colours: keeps a picture of the new look, unless it
    // has one already.
    void keepLook();
    // What the box draws around its text area and scroll bars.
    QRegion borderRegion() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    // Everything that decides how the text area looks.
    struct Look {
        QRgb text = 0;
        QRgb base = 0;
        QSize size;
        int scrolled = 0;
        int revision = 0;
        int selectionStart = 0;
        int selectionEnd = 0;
        bool enabled = false;
        // A read-only box shows its caret, steady, while it has the focus:
        // the keyboard reader's place after a reminder.
        bool focused = false;
        bool operator==(const Look&) const = default;
    };
    struct Picture {
        Look look;
        QPixmap pixmap;
    };
    Look currentLook() const;
    const Picture* pictureOf(const Look& look) const;

    std::string shown_;
    bool known_ = false;
    std::array<Picture, 2> pictures_;
    std::size_t nextPicture_ = 0;
    bool drawingPicture_ = false;
};

}  // namespace qtview
