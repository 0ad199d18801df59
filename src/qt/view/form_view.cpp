// SPDX-FileCopyrightText: 2026 钟约小组
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "qt/view/form_view.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <QWindow>
#include <algorithm>

#include "qt/accessibility/accessible_names.h"
#include "qt/accessibility/accessible_window.h"
#include "qt/look/artwork.h"
#include "qt/look/palette.h"
#include "qt/twips.h"
#include "qt/view/widgets.h"
#include "qt/windowing/placement.h"
#include "qt/windowing/window_frame.h"
#include "qt/windowing/window_manager.h"
#include "toolkit/program.h"

namespace qtview {

// The top-level widget: hands closing, Enter and moves by the user to the model.
class FormWindow : public QWidget, public KnownAsWindow {
public:
    explicit FormWindow(tk::Form& form) : form_(form) {}
    double dpi = 96;
    bool pushing = false;
    int drawnBorder = 0;
    // Where the window was last put, by the program or by a person, as the
    // model knows it: without the shift that keeps it whole on the screen.
    QPoint placed;
    // That shift: the move it took to keep the window whole when it grew
    // (a panel opened on a small screen), given back once it fits again.
    QPoint shifted;

    // Focus lost to a control that the program disabled or hid (the slot
    // button that opens the task panel) goes on to the next control that can
    // take it, so the keyboard never loses its place.
    void keepFocus() {
        const QWidget* focus = focusWidget();
        if (!isActiveWindow() || (focus != nullptr && focus->isEnabled() && focus->isVisible())) {
            return;
        }
        focusNextPrevChild(true);
    }

protected:
    void paintEvent(QPaintEvent*) override {
        if (drawnBorder == 0) return;
        QPainter painter(this);
        drawDialogBorder(painter, rect(), drawnBorder);
    }
    void closeEvent(QCloseEvent* event) override {
        if (form_.program().ended() || !form_.visible()) {
            event->accept();
            return;
        }
        // The model decides; it hides the window itself if it closes.
        event->ignore();
        form_.requestClose();
    }
    void keyPressEvent(QKeyEvent* event) override {
        if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
            form_.pressEnter();
            return;
        }
        QWidget::keyPressEvent(event);
    }
    void changeEvent(QEvent* event) override {
        QWidget::changeEvent(event);
        if (event->type() == QEvent::WindowStateChange && !pushing) {
            form_.stateSetBySystem(isMinimized() ? tk::WindowState::Minimized
                                                 : tk::WindowState::Normal);
        }
    }
    void moveEvent(QMoveEvent* event) override {
        QWidget::moveEvent(event);
        // A window not shown is moved by nobody but the window system, which
        // places one it has just made as it likes (Windows centres it at Qt's
        // default size): the model would take that for a place, and never
        // centre the window.
        if (pushing || !isVisible()) return;
        const QPoint at = pos() - shifted;
        placed = at;
        if (at.x() == twipsToPixels(form_.left(), dpi) &&
            at.y() == twipsToPixels(form_.top(), dpi)) {
            return;
        }
        form_.placedAt(pixelsToTwips(at.x(), dpi), pixelsToTwips(at.y(), dpi));
    }

private:
    tk::Form& form_;
};

namespace {

// A control's hint describes it, and is its help text too (the notice
// mediator keeps both as the hint is when it takes the focus); the
// description of one with no hint but a caption of its own (the hint line)
// says what it is.
void nameForAssistiveTechnology(const tk::Control& control, QWidget& widget) {
    const std::string hint = control.hint();
    widget.setWhatsThis(QString::fromStdString(hint));
    if (control.kind() != tk::Kind::TextBox && control.kind() != tk::Kind::ComboBox) {
        // Captions speak for themselves; a label's text is what it says.
        widget.setAccessibleDescription(
            QString::fromStdString(hint.empty() ? control.description() : hint));
        return;
    }
    widget.setAccessibleDescription(QString::fromStdString(hint));
    const AccessibleLabel label = accessibleLabelFor(control);
    widget.setAccessibleName(QString::fromStdString(label.name));
}

}  // namespace

FormView::FormView(tk::Form& form, std::function<const QScreen*()> homeScreen)
    : form_(form), homeScreen_(std::move(homeScreen)) {
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        dpi_ = screen->logicalDotsPerInch();
    }
    build();
    form_.setObserver(this);
}

FormView::~FormView() {
    form_.setObserver(nullptr);
}

QWidget& FormView::window() {
    return *window_;
}

QWidget* FormView::widget(const tk::Control& control) const {
    const auto found = widgets_.find(&control);
    return found != widgets_.end() ? found->second : nullptr;
}

void FormView::build() {
    window_ = std::make_unique<FormWindow>(form_);
    window_->dpi = dpi_;
    window_->setObjectName(QString::fromStdString(form_.name()));
    const tk::FormDesign& design = form_.design();
    window_->setWindowFlags(windowFlags(design));
    setFrameAndTaskBarHints(*window_, design);
    pushTitle();
    window_->setAccessibleName(QString::fromStdString(design.description));
    window_->setWindowIcon(windowIcon(design.icon));
    QPalette palette = window_->palette();
    palette.setColor(QPalette::Window, toQColor(design.back));
    window_->setPalette(palette);
    window_->setAutoFillBackground(true);
    window_->drawnBorder = drawnBorderWidth(design, dpi_);
    client_ = window_.get();
    if (window_->drawnBorder > 0) {
        client_ = new QWidget(window_.get());
        client_->setAutoFillBackground(true);
        client_->move(window_->drawnBorder, window_->drawnBorder);
    }

    // Controls come parents first, so every parent widget exists already.
    for (const auto& control : form_.controls()) {
        QWidget* parent = control->parent() != nullptr ? widgets_.at(control->parent()) : client_;
        QWidget* w = createWidget(*control, parent);
        widgets_[control.get()] = w;
        designedFocus_[control.get()] = w->focusPolicy();
        nameForAssistiveTechnology(*control, *w);
        pushAll(*control, *w, dpi_);
    }
    linkLabelsToTheirBoxes();
    // Later controls lie on top, as in the design; frames first of all.
    for (const auto& control : form_.controls()) widgets_.at(control.get())->raise();
    // Frames' captions make room for the controls inside them, now all made.
    for (const auto& [control, w] : widgets_) keepTextShown(*control, *w);
    applyTabOrder();
    formChanged(tk::Property::DefaultButton);
    pushWindowGeometry();
}

// A label is the buddy of the box or list it names, so assistive technology
// hears the two as one.
void FormView::linkLabelsToTheirBoxes() {
    for (const auto& [control, w] : widgets_) {
        if (control->kind() != tk::Kind::TextBox && control->kind() != tk::Kind::ComboBox) continue;
        if (const tk::Control* label = accessibleLabelFor(*control).label) {
            if (auto* labelWidget = qobject_cast<QLabel*>(widget(*label))) labelWidget->setBuddy(w);
        }
    }
}

// A control wholly outside the window's visible client area (the settings
// panel on the right, before the window widens for it) takes no focus, so
// Tab never seems to lose the focus off screen; focus it held moves on.
void FormView::keepFocusInView() {
    for (const auto& [control, w] : widgets_) {
        const bool inView = control->inView();
        w->setFocusPolicy(inView ? designedFocus_.at(control) : Qt::NoFocus);
        if (!inView && w->hasFocus()) w->clearFocus();
        // Nobody can see or reach a control wholly outside the window, so
        // assistive technology does not hear of it either.
        const bool shown = control->visible() && inView;
        if (w->isVisibleTo(w->parentWidget()) != shown) w->setVisible(shown);
    }
}

// A label's text goes in the part of it that its window shows, which
// follows the geometry of the frames and the window around it.
void FormView::keepLabelTextsShown() {
    for (const auto& [control, w] : widgets_) {
        if (control->kind() == tk::Kind::Label) keepTextShown(*control, *w);
    }
}

// Controls with a tab index are visited in its order; the others keep the
// order in which they were made.
void FormView::applyTabOrder() {
    std::vector<const tk::Control*> ordered;
    for (const auto& control : form_.controls()) {
        if (control->tabIndex() >= 0) ordered.push_back(control.get());
    }
    std::stable_sort(ordered.begin(), ordered.end(),
                     [](auto* a, auto* b) { return a->tabIndex() < b->tabIndex(); });
    for (std::size_t i = 1; i < ordered.size(); ++i) {
        QWidget::setTabOrder(widgets_.at(ordered[i - 1]), widgets_.at(ordered[i]));
    }
}

// Window switchers list a window without a caption by its description.
void FormView::pushTitle() {
    const std::string& caption = form_.caption();
    window_->setWindowTitle(
        QString::fromStdString(caption.empty() ? form_.design().description : caption));
}

void FormView::pushWindowGeometry() {
    keepFocusInView();
    window_->pushing = true;
    const QSize client(twipsToPixels(form_.width(), dpi_), twipsToPixels(form_.height(), dpi_));
    const int border = window_->drawnBorder;
    client_->setFixedSize(client);
    window_->setFixedSize(client + QSize(2 * border, 2 * border));
    if (form_.placed()) window_->move(framePositionToShow());
    window_->pushing = false;
    keepLabelTextsShown();
}

// Before it is first shown, a window is put where the model says. The window
// manager frames it later and moves its frame so that the client area stays
// there; from then on the program's moves are taken from where the frame
// really is, and the model learns that place, so growing the window or
// widening it to the left never makes it jump by the frame's size.
QPoint FormView::framePositionToShow() {
    QPoint wanted(twipsToPixels(form_.left(), dpi_), twipsToPixels(form_.top(), dpi_));
    if (window_->isVisible()) {
        wanted = window_->pos() - window_->shifted + (wanted - window_->placed);
        form_.placedAt(pixelsToTwips(wanted.x(), dpi_), pixelsToTwips(wanted.y(), dpi_));
    }
    window_->placed = wanted;
    const QPoint kept = keptWhole(*window_, wanted, workArea(window_->screen()));
    window_->shifted = kept - wanted;
    return kept;
}

void FormView::centreOnFirstShow() {
    if (form_.placed()) return;
    const QPoint at = centred(*window_, workArea(homeScreen_ ? homeScreen_() : nullptr));
    form_.placedAt(pixelsToTwips(at.x(), dpi_), pixelsToTwips(at.y(), dpi_));
    pushWindowGeometry();
}

void FormView::showWindow() {
    centreOnFirstShow();
    window_->pushing = true;
    if (form_.windowState() == tk::WindowState::Minimized) {
        window_->showMinimized();
    } else {
        window_->showNormal();
        window_->raise();
        window_->activateWindow();
    }
    window_->pushing = false;
    followScale();
}

// The ink a text leaves changes with the scale it is drawn at: a window moved
// to a screen of another scale, or whose screen the person gives another scale
// in the system's settings, has its texts fitted again. Its size stays as
// designed: Qt keeps it in device-independent pixels.
void FormView::followScale() {
    QWindow* handle = window_->windowHandle();
    if (handle == nullptr || followingScale_) return;
    followingScale_ = true;
    const auto follow = [this](QScreen* screen) {
        QObject::disconnect(screenScale_);
        if (screen == nullptr) return;
        screenScale_ = QObject::connect(screen, &QScreen::logicalDotsPerInchChanged, window_.get(),
                                        [this] { fitTextsAgain(); });
    };
    QObject::connect(handle, &QWindow::screenChanged, window_.get(),
                     [this, follow](QScreen* screen) {
                         follow(screen);
                         fitTextsAgain();
                     });
    follow(handle->screen());
}

// Each text from its designed font, fitted anew.
void FormView::fitTextsAgain() {
    for (const auto& control : form_.controls()) {
        pushProperty(*control, *widgets_.at(control.get()), tk::Property::Font, dpi_);
    }
}

void FormView::controlChanged(tk::Control& control, tk::Property property) {
    if (QWidget* w = widget(control)) pushProperty(control, *w, property, dpi_);
    if (property == tk::Property::Geometry || property == tk::Property::Visible) keepFocusInView();
    if (property == tk::Property::Geometry) {
        keepLabelTextsShown();
        // A frame's caption keeps clear of the controls inside it.
        if (const tk::Control* frame = control.parent()) keepTextShown(*frame, *widget(*frame));
    }
    if ((property == tk::Property::Enabled || property == tk::Property::Visible) &&
        !focusCheckPending_) {
        // After the handler that made the change has finished.
        focusCheckPending_ = true;
        QTimer::singleShot(0, window_.get(), [this] {
            focusCheckPending_ = false;
            window_->keepFocus();
        });
    }
}

void FormView::formChanged(tk::Property property) {
    switch (property) {
        case tk::Property::Geometry:
            pushWindowGeometry();
            break;
        case tk::Property::Visible:
            if (form_.visible()) {
                showWindow();
            } else {
                window_->hide();
            }
            break;
        case tk::Property::WindowState:
            if (form_.visible()) showWindow();
            break;
        case tk::Property::Caption:
            pushTitle();
            break;
        case tk::Property::DefaultButton:
            for (const auto& [control, w] : widgets_) {
                if (auto* button = qobject_cast<QPushButton*>(w)) {
                    button->setDefault(control == form_.defaultButton());
                }
            }
            break;
        default:
            break;
    }
}

}  // namespace qtview
